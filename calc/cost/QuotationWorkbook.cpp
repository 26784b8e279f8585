#include "calc/cost/QuotationWorkbook.h"

#include "calc/cost/SpringQuotation.h"
#include "common/ui/FormBase.h"

namespace quotationworkbook {

TemplateCellMap cells(const FormBase* f) {
    const ControlTexts shown = f->textReader();
    auto number = [&shown](const char* cell, const char* box) {
        return cells::number(shown, QString::fromLatin1(cell), QString::fromLatin1(box));
    };
    auto text = [&shown](const char* cell, const char* label) {
        return cells::text(shown, QString::fromLatin1(cell), QString::fromLatin1(label));
    };
    return {
        number("c4", "Text19_0"),
        number("c5", "Text19_1"),
        number("c6", "Text19_2"),
        number("c7", "Text19_3"),
        number("c8", "Text19_4"),
        number("c9", "Text19_5"),
        number("c10", "Text19_6"),
        text("c15", "Label4"),
        text("c16", "Label5"),
        cells::constant(QStringLiteral("c17"), springquotation::kMaterialSurcharge),
        cells::constant(QStringLiteral("c18"), springquotation::kMaterialLossPercent),
        text("c19", "Label6"),
        text("c20", "Label7"),
        number("c21", "Text19_5"),
        text("c22", "Label8"),
        text("c28", "Label9"),
        number("c29", "Text24"),
        cells::dateLine(QStringLiteral("e44")),
    };
}

bool run(FormBase* quotation) {
    return ExcelTemplateExport::run(quotation, kTemplate, cells(quotation),
                                    ExcelTemplateExport::Kind::SaveAs);
}

} // namespace quotationworkbook
