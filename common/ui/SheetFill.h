#pragma once
// The fill of a drawing sheet: the texts of its fields Text1_<box> are collected first and
// written together by show(), so a value that cannot be worked out (a calculation fault)
// leaves the sheet untouched rather than half filled.

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ui {

class SheetFill {
public:
    explicit SheetFill(QString sheet) : sheet_(std::move(sheet)) {}
    void put(int box, const QString& text);
    void put(std::initializer_list<int> boxes, const QString& text);
    // Writes the fields in the order they were put, loading the sheet when needed, and shows it.
    void show() const;

private:
    QString sheet_;
    std::vector<std::pair<int, QString>> fields_;
};

} // namespace ui

// The drawing sheets by the spring they draw, each an empty fill to put boxes into. Only these
// functions know which window stands behind a sheet.
namespace sheets {

ui::SheetFill compression();
ui::SheetFill extension();
ui::SheetFill torsion();
ui::SheetFill conical();
ui::SheetFill waveSpring();

} // namespace sheets
