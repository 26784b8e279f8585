#pragma once
// The spring quotation in the quotation workbook: the inputs as the boxes hold them at the
// click, the shares and prices of the last calculation, the two constants of the material
// share and the date line.

#include "platform/ExcelTemplateExport.h"

class FormBase;

namespace quotationworkbook {

inline const QString kTemplate = QStringLiteral("/mb/Quotation template.xls");

TemplateCellMap cells(const FormBase* quotation);

// Opens the template as a copy and fills it; the copy stays open for the user.
bool run(FormBase* quotation);

} // namespace quotationworkbook
