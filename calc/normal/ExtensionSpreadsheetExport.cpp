#include "calc/normal/ExtensionSpreadsheetExport.h"

#include "common/ui/FormBase.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLabel>

TemplateCellMap ExtensionSpreadsheetExport::cellMap(const FormBase* form) {
    const ControlTexts shown = form->textReader();
    return {
        cells::number(shown, QStringLiteral("c4"), QStringLiteral("Text1_0")),
        cells::number(shown, QStringLiteral("c5"), QStringLiteral("Text1_1")),
        cells::number(shown, QStringLiteral("c6"), QStringLiteral("Text1_2")),
        cells::number(shown, QStringLiteral("c7"), QStringLiteral("Text1_3")),
        cells::number(shown, QStringLiteral("c8"), QStringLiteral("Text1_4")),
        cells::number(shown, QStringLiteral("c9"), QStringLiteral("Text1_5")),
        cells::number(shown, QStringLiteral("c10"), QStringLiteral("Text1_6")),
        cells::text(shown, QStringLiteral("c11"), QStringLiteral("Combo1")),
        cells::number(shown, QStringLiteral("c17"), QStringLiteral("Text9")),
        cells::number(shown, QStringLiteral("c18"), QStringLiteral("Text20")),
        cells::number(shown, QStringLiteral("c19"), QStringLiteral("Text2")),
        cells::number(shown, QStringLiteral("c20"), QStringLiteral("Text11")),
        cells::number(shown, QStringLiteral("c21"), QStringLiteral("Text10")),
        cells::number(shown, QStringLiteral("d18"), QStringLiteral("Text6")),
        cells::number(shown, QStringLiteral("d19"), QStringLiteral("Text7")),
        cells::number(shown, QStringLiteral("d20"), QStringLiteral("Text8")),
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
