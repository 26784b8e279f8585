#include "calc/normal/ExtensionSpreadsheetExport.h"

#include "common/ui/FormBase.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLabel>

TemplateCellMap ExtensionSpreadsheetExport::cellMap(const FormBase* form) {
    return {
        cells::number(form, QStringLiteral("c4"), QStringLiteral("Text1_0")),
        cells::number(form, QStringLiteral("c5"), QStringLiteral("Text1_1")),
        cells::number(form, QStringLiteral("c6"), QStringLiteral("Text1_2")),
        cells::number(form, QStringLiteral("c7"), QStringLiteral("Text1_3")),
        cells::number(form, QStringLiteral("c8"), QStringLiteral("Text1_4")),
        cells::number(form, QStringLiteral("c9"), QStringLiteral("Text1_5")),
        cells::number(form, QStringLiteral("c10"), QStringLiteral("Text1_6")),
        cells::text(form, QStringLiteral("c11"), QStringLiteral("Combo1")),
        cells::number(form, QStringLiteral("c17"), QStringLiteral("Text9")),
        cells::number(form, QStringLiteral("c18"), QStringLiteral("Text20")),
        cells::number(form, QStringLiteral("c19"), QStringLiteral("Text2")),
        cells::number(form, QStringLiteral("c20"), QStringLiteral("Text11")),
        cells::number(form, QStringLiteral("c21"), QStringLiteral("Text10")),
        cells::number(form, QStringLiteral("d18"), QStringLiteral("Text6")),
        cells::number(form, QStringLiteral("d19"), QStringLiteral("Text7")),
        cells::number(form, QStringLiteral("d20"), QStringLiteral("Text8")),
        cells::dateLine(QStringLiteral("d43")),
    };
}

bool ExtensionSpreadsheetExport::run(FormBase* form) {
    return ExcelTemplateExport::run(form, templatePath, cellMap(form), ExcelTemplateExport::Kind::SaveAs);
}

void ExtensionSpreadsheetExport::connect(FormBase* form) {
    form->onClick(QStringLiteral("Command4"), [form] { run(form); });
    ExcelWorkbookOpener::attachViewer(form->label(QStringLiteral("Label5")), tensileStrengthPath);
}
