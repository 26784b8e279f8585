#pragma once
// Building windows from compact tables instead of hand-made layouts.
//
//   ui::grid(frame, {
//       {ui::label("Label1", 1333), ui::edit("Text1_0"), ui::literal("Label40", "mm"), ui::mark("Label23_1",
//       true)}, {ui::label("Label3", 1332), ui::edit("Text1_1"), ui::literal("Label41", "mm"),
//       ui::mark("Label23_2", true)},
//   });
//
// Each cell creates one named control (captions from the string table) and places it in a
// grid row. Controls are then reached by name through FormBase.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

// 1 twip = 1/15 logical pixel.
constexpr int twips(int t) {
    return (t + 7) / 15;
}

struct Cell {
    enum Kind { Empty, Label, Edit, ReadOnly, Combo, Button, Widget };
    Kind kind = Empty;
    QString name;
    int textId = 0;    // caption from the string table
    QString text;      // literal caption or default text, when textId is 0
    QStringList items; // entries of a list
    QWidget* widget = nullptr;
    int columnSpan = 1;
    QString color; // text colour of a label ("red", "blue", "#0000ff")
};

Cell label(const QString& name, int textId, int columnSpan = 1);
Cell literal(const QString& name, const QString& text, int columnSpan = 1);
// A unit beside a field ("mm", "N/mm²"): a caption of fixed text under its own name.
Cell unit(const QString& name, const QString& text, int columnSpan = 1);
// The unit of a field under the name the field tables give it ("Unit_Text1_0").
Cell unitOf(const QString& field, const QString& text);
// A required (red text 1368) or optional (blue text 1377) mark beside a field.
Cell mark(const QString& name, bool required);
Cell edit(const QString& name, const QString& text = {});
// A result box the user does not type into (still selectable and copyable).
Cell result(const QString& name, const QString& text = {});
Cell combo(const QString& name, const QStringList& items = {});
Cell button(const QString& name, int textId, int columnSpan = 1);
Cell widget(QWidget* w, int columnSpan = 1);
Cell gap(int columnSpan = 1);
Cell colored(Cell cell, const QString& color);
// A caption that opens something when clicked, drawn blue like a link.
Cell link(const QString& name, int textId, int columnSpan = 1);
// The dark red title of a group of rows, across the group's columns.
Cell heading(const QString& name, int textId, int columnSpan);
// The cell spread over several grid columns (a list across the field, unit and mark columns).
Cell spanning(Cell cell, int columns);

// Creates the cells' controls as children of the parent and lays them out in a grid.
// Adds the grid to the parent's layout if it has one, else makes it the parent's layout.
QGridLayout* grid(QWidget* parent, std::initializer_list<std::vector<Cell>> rows);
QGridLayout* grid(QWidget* parent, const std::vector<std::vector<Cell>>& rows);

// Single controls, for hand placement.
QLabel* makeLabel(QWidget* parent, const QString& name, int textId);
QLabel* makeLiteral(QWidget* parent, const QString& name, const QString& text);
QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text = {});
QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items = {},
                     bool editable = true);
QPushButton* makeButton(QWidget* parent, const QString& name, int textId);
QGroupBox* makeFrame(QWidget* parent, const QString& name, int textId);

// A picture from the embedded resources (":/pictures/..."; SVG or PNG) in a named label.
QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource, int maxWidth = 0);

// The pictures makePicture could not load, each once, in the order first asked. Such a picture
// shows as an empty label; tests check that no window asks for one.
QStringList unloadedPictures();
void clearUnloadedPictures();

} // namespace ui
