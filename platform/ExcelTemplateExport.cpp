#include "platform/ExcelTemplateExport.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLocale>
#include <cmath>
#include <functional>
#include <utility>

namespace {

// Reads when the cell is written. A window closed meanwhile, or a reading that overflows,
// leaves the cell out instead of ending the export.
template <class Read> TemplateCell reading(const QString& address, Read read) {
    return {address, [read = std::move(read)]() -> std::optional<CellValue> {
                try {
                    const auto value = read();
                    if (!value)
                        return std::nullopt;
                    return CellValue(*value);
                } catch (const num::CalcFault&) {
                    return std::nullopt;
                }
            }};
}

// The lenient reading of a control, or nothing when the window has gone.
std::optional<double> numberOf(const ControlTexts& window, const QString& control) {
    const std::optional<QString> shown = window(control);
    if (!shown)
        return std::nullopt;
    return num::lenient(*shown);
}

// Two readings combined, or nothing when the window has gone.
template <class Combine>
std::optional<double> combined(const ControlTexts& window, const QString& first, const QString& second,
                               Combine combine) {
    const std::optional<double> a = numberOf(window, first);
    const std::optional<double> b = numberOf(window, second);
    if (!a || !b)
        return std::nullopt;
    return combine(*a, *b);
}

} // namespace

namespace cells {

TemplateCell number(const ControlTexts& window, const QString& address, const QString& control) {
    return reading(address, [window, control] { return numberOf(window, control); });
}

TemplateCell text(const ControlTexts& window, const QString& address, const QString& control) {
    return reading(address, [window, control] { return window(control); });
}

TemplateCell sum(const ControlTexts& window, const QString& address, const QString& first,
                 const QString& second) {
    return reading(address,
                   [window, first, second] { return combined(window, first, second, std::plus<>()); });
}

TemplateCell difference(const ControlTexts& window, const QString& address, const QString& minuend,
                        const QString& subtrahend) {
    return reading(address, [window, minuend, subtrahend] {
        return combined(window, minuend, subtrahend, std::minus<>());
    });
}

TemplateCell plus(const ControlTexts& window, const QString& address, const QString& control,
                  double constant) {
    return reading(address, [window, control, constant] {
        const std::optional<double> value = numberOf(window, control);
        return value ? std::optional<double>(*value + constant) : std::nullopt;
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
