#pragma once
// Small building blocks of the calculators' windows that stack frames in one column:
//
//   auto* column = ui::column(this);
//   QGroupBox* inputs = ui::addFrame(this, "Frame1", 1366);     // caption from the string table
//   ui::grid(inputs, ui::inputRows(kInputs, false));
//   ui::addButtonRow(this, {{"Command1", 1357}, {"Command2", 1321}});
//   ui::setTabOrder(this, {"Text1_0", "Text1_1", "Combo1", "Command1"});
//
// The frames get a vertical layout of their own, so several grids can follow each other in one.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

class FormBase;
class QBoxLayout;
class QGroupBox;
class QWidget;

namespace ui {

// A vertical layout for the widget (it must have none yet).
QBoxLayout* column(QWidget* widget);

// A captioned frame (captionId 0: no caption) with a vertical layout, appended to the parent's layout.
QGroupBox* addFrame(QWidget* parent, const QString& name, int captionId);

// Buttons side by side (captions from the string table), appended to the parent's layout.
void addButtonRow(QWidget* parent, std::initializer_list<std::pair<const char*, int>> buttons);

// The Tab key visits the named controls in this order.
void setTabOrder(const FormBase* form, const QStringList& names);

// A material list: the texts of the string ids in the language in force, then the literals.
QStringList listTexts(std::initializer_list<int> textIds, std::initializer_list<const char*> literals = {});

} // namespace ui
