#pragma once
// ExcelTemplateExport: a calculator's button fills a workbook template of the program folder
// in the spreadsheet application.
//
// The template is opened as an untitled copy by ExcelWorkbookOpener; only when that copy has
// just been opened are the cells written, into its active sheet and never into any other
// workbook, in the order of the button's TemplateCellMap. The Save As kind stops there; the
// Drawing kind then shows the print preview of that sheet. The filled copy stays open and
// unsaved for the user.

#include "platform/Spreadsheet.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// One cell write: the address ("c4") and the value, read from the window when the cell is
// written. A source that cannot be read gives no value and that cell alone is skipped.
struct TemplateCell {
    QString address;
    std::function<std::optional<CellValue>()> value;
};
using TemplateCellMap = std::vector<TemplateCell>;

// What a map reads from its window, passed in by the window side (FormBase::textReader()):
// the text a named control displays, or nothing once the window has gone. So this layer reads
// a window without knowing any window class.
using ControlTexts = std::function<std::optional<QString>(const QString& control)>;

// The entries of a map, by value kind.
namespace cells {

// The control's displayed text read leniently (empty or no number reads 0, "10%" reads 10).
TemplateCell number(const ControlTexts& window, const QString& address, const QString& control);
// The control's text exactly as displayed.
TemplateCell text(const ControlTexts& window, const QString& address, const QString& control);
// Sums and differences of two lenient readings, and a reading plus a constant.
TemplateCell sum(const ControlTexts& window, const QString& address, const QString& first,
                 const QString& second);
TemplateCell difference(const ControlTexts& window, const QString& address, const QString& minuend,
                        const QString& subtrahend);
TemplateCell plus(const ControlTexts& window, const QString& address, const QString& control,
                  double constant);
// A fixed number.
TemplateCell constant(const QString& address, double value);
// Text 1465 followed directly by today's date in the system's short date form.
TemplateCell dateLine(const QString& address);
// Text 1465 followed directly by the current date and time in the system's short form.
TemplateCell dateTimeLine(const QString& address);

} // namespace cells

class ExcelTemplateExport {
public:
    enum class Kind { SaveAs, Drawing };

    // One click of an export button. Returns true when the template was opened and filled.
    static bool run(QWidget* parent, const QString& templatePath, const TemplateCellMap& cells, Kind kind);

    static QString dateLine(const QDateTime& now);
    static QString dateTimeLine(const QDateTime& now);
};
