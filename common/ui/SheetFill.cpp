#include "common/ui/SheetFill.h"

#include "common/ui/FormRegistry.h"

namespace ui {

void SheetFill::put(int box, const QString& text) {
    fields_.emplace_back(box, text);
}

void SheetFill::put(std::initializer_list<int> boxes, const QString& text) {
    for (int box : boxes)
        put(box, text);
}

void SheetFill::show() const {
    for (const auto& [box, text] : fields_)
        FormRegistry::writeText(sheet_, QStringLiteral("Text1_%1").arg(box), text);
    FormRegistry::show(sheet_);
}

} // namespace ui

namespace sheets {

ui::SheetFill compression() {
    return ui::SheetFill(QStringLiteral("Form63"));
}

ui::SheetFill extension() {
    return ui::SheetFill(QStringLiteral("Form133"));
}

ui::SheetFill torsion() {
    return ui::SheetFill(QStringLiteral("Form135"));
}

ui::SheetFill conical() {
    return ui::SheetFill(QStringLiteral("Form134"));
}

ui::SheetFill waveSpring() {
    return ui::SheetFill(QStringLiteral("Form136"));
}

} // namespace sheets
