#include "calc/expert/ExpertCellMapExport.h"

#include "common/ui/FormBase.h"

namespace expertcells {

namespace {

TemplateCell templateCell(const ControlTexts& shown, const CellRule& rule) {
    const QString address = QString::fromLatin1(rule.address);
    const QString control = QString::fromLatin1(rule.control);
    const QString second = QString::fromLatin1(rule.second);
    switch (rule.kind) {
    case Kind::Number:
        return cells::number(shown, address, control);
    case Kind::Text:
        return cells::text(shown, address, control);
    case Kind::Sum:
        return cells::sum(shown, address, control, second);
    case Kind::Difference:
        return cells::difference(shown, address, control, second);
    case Kind::PlusConstant:
        return cells::plus(shown, address, control, rule.constant);
    case Kind::DateLine:
        break;
    }
    return cells::dateTimeLine(address);
}

} // namespace

TemplateCellMap templateCells(const FormBase* form, const CellMap& map) {
    const ControlTexts shown = form->textReader();
    TemplateCellMap cells;
    cells.reserve(map.cells.size());
    for (const CellRule& rule : map.cells)
        cells.push_back(templateCell(shown, rule));
    return cells;
}

bool runExport(FormBase* form, const CellMap& map) {
    const auto kind = map.kind == ExportKind::Drawing ? ExcelTemplateExport::Kind::Drawing
                                                      : ExcelTemplateExport::Kind::SaveAs;
    return ExcelTemplateExport::run(form, QString::fromLatin1(map.templatePath), templateCells(form, map),
                                    kind);
}

void connectExports(FormBase* form) {
    for (const CellMap& map : cellMapsOf(form->objectName()))
        form->onClick(QString::fromLatin1(map.button), [form, &map] { runExport(form, map); });
}

} // namespace expertcells
