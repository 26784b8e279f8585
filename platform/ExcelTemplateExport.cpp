#include "platform/ExcelTemplateExport.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLocale>
#include <cmath>
#include <utility>

namespace {

// Reads through a guarded pointer: a window closed meanwhile, or a reading that overflows,
// leaves the cell out instead of ending the export.
template <class Read> TemplateCell fromForm(const FormBase* form, const QString& address, Read read) {
    QPointer<const FormBase> source(form);
    return {address, [source, read = std::move(read)]() -> std::optional<CellValue> {
                if (!source)
                    return std::nullopt;
                try {
                    return read(*source);
                } catch (const num::CalcFault&) {
                    return std::nullopt;
                }
            }};
}

} // namespace

namespace cells {

TemplateCell number(const FormBase* form, const QString& address, const QString& control) {
    return fromForm(form, address, [control](const FormBase& f) { return CellValue(f.number(control)); });
}

TemplateCell text(const FormBase* form, const QString& address, const QString& control) {
    return fromForm(form, address, [control](const FormBase& f) { return CellValue(f.text(control)); });
}

TemplateCell sum(const FormBase* form, const QString& address, const QString& first, const QString& second) {
    return fromForm(form, address, [first, second](const FormBase& f) {
        return CellValue(f.number(first) + f.number(second));
    });
}

TemplateCell difference(const FormBase* form, const QString& address, const QString& minuend,
                        const QString& subtrahend) {
    return fromForm(form, address, [minuend, subtrahend](const FormBase& f) {
        return CellValue(f.number(minuend) - f.number(subtrahend));
    });
}

TemplateCell plus(const FormBase* form, const QString& address, const QString& control, double constant) {
    return fromForm(form, address, [control, constant](const FormBase& f) {
        return CellValue(f.number(control) + constant);
    });
}

TemplateCell constant(const QString& address, double value) {
    return {address, [value] { return std::optional<CellValue>(value); }};
}

TemplateCell dateLine(const QString& address) {
    return {address, [] {
                return std::optional<CellValue>(ExcelTemplateExport::dateLine(QDateTime::currentDateTime()));
            }};
}

TemplateCell dateTimeLine(const QString& address) {
    return {address, [] {
                return std::optional<CellValue>(
                    ExcelTemplateExport::dateTimeLine(QDateTime::currentDateTime()));
            }};
}

} // namespace cells

QString ExcelTemplateExport::dateLine(const QDateTime& now) {
    return StringTable::text(1465) + QLocale::system().toString(now.date(), QLocale::ShortFormat);
}

QString ExcelTemplateExport::dateTimeLine(const QDateTime& now) {
    return StringTable::text(1465) + QLocale::system().toString(now, QLocale::ShortFormat);
}

bool ExcelTemplateExport::run(QWidget* parent, const QString& templatePath, const TemplateCellMap& cells,
                              Kind kind) {
    const std::optional<QString> workbook = ExcelWorkbookOpener::open(parent, templatePath);
    if (!workbook)
        return false;
    Spreadsheet& application = spreadsheet::installed();
    for (const TemplateCell& cell : cells) {
        const std::optional<CellValue> value = cell.value();
        if (!value)
            continue;
        // A cell that cannot be written is left as the template has it; the others go on.
        if (const double* number = std::get_if<double>(&*value)) {
            if (std::isfinite(*number))
                application.writeNumber(*workbook, cell.address, *number);
        } else {
            application.writeText(*workbook, cell.address, std::get<QString>(*value));
        }
    }
    if (kind == Kind::Drawing)
        application.printPreview(*workbook);
    return true;
}
