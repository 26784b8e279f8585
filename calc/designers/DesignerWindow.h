#pragma once
// What the four spring designers share: the page of known conditions, commands and results,
// the row of command buttons, the verdicts and sketch labels that follow a design, the lines
// of the design report and the tensile-strength viewers.

#include "common/CheckedMath.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/PictureWithLabels.h"
#include "common/ui/Verdicts.h"
#include "platform/TextReport.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

class QGroupBox;
class QVBoxLayout;
class QWidget;

namespace designer {

// A designer window: known conditions, a row of commands and results, top to bottom.
class DesignerForm : public FormBase {
protected:
    explicit DesignerForm(const QString& className) : FormBase(className) {}

    // Gives the window its title and puts the known conditions and the command row into a new
    // column of `parent`, which the caller goes on to fill; the Text1 array gets its Down-arrow
    // navigation and Text1_0 the focus. The commands are calculate (Command1, the default
    // button), reset (Command4), print (Command5), snapshot (Command2), Save As report
    // (Command3) and exit (Command8).
    QVBoxLayout* startPage(QWidget* parent, int titleId, QGroupBox* inputs);

    virtual void calculate() = 0;
    virtual void reset() = 0;
    virtual report::DesignReport designReport() const = 0;
};

// An input of the known conditions, required and emptied by a reset: field, caption, unit,
// default text, the caption that the required message names where it is another (0: the
// caption itself), and the names of the caption, unit and mark labels.
constexpr ui::InputField input(const char* field, int captionId, const char* unit, const char* defaultText,
                               int messageId, const char* caption, const char* unitName, const char* mark) {
    return {.field = field,
            .captionId = captionId,
            .unit = unit,
            .defaultText = defaultText,
            .messageId = messageId,
            .caption = caption,
            .unitName = unitName,
            .mark = mark};
}

// The known conditions (Frame1): the input rows, each field 855 twips wide, beside the sketch;
// under the rows, when named, the note that the Down arrow moves on to the next field.
QGroupBox* inputFrame(FormBase* form, std::vector<std::vector<ui::Cell>> rows, QWidget* sketch,
                      const char* arrowNote = nullptr);

// The results (Frame2): its rows, every box `boxTwips` wide.
QGroupBox* resultFrame(FormBase* form, std::initializer_list<std::vector<ui::Cell>> rows, int boxTwips = 855);

// The blue "?" caption by the allowable stress.
ui::Cell query(const char* name);

// The wire diameter typed into the named box, or none while the box is empty; a text that is
// not a number faults.
std::optional<float> chosenWireDiameter(const FormBase* form, const char* box);

// A verdict label: once its step has decided, the detail (if any) followed by the ok or the
// ng text.
template <class R> using Verdict = ui::Verdict<R>;

// Runs the design; the verdicts it decided are shown whether it finishes or faults, and a
// fault then goes on to the caller (the window shows text 1035, the result boxes unchanged).
template <class R, std::size_t N, class Step>
void computeShowingVerdicts(FormBase* form, Step&& step, const R& results, const Verdict<R> (&verdicts)[N]) {
    ui::computeThenShow(step, [&] { ui::showVerdicts(form, results, verdicts); });
}

// A sketch label that repeats a result box's text, followed by a suffix.
struct Echo {
    const char* label;
    const char* box;
    const char* suffix = "";
};

void showEchoes(FormBase* form, std::span<const Echo> echoes);

// A line of the design report: caption, box and either a unit label or a fixed suffix, their
// texts as shown joined without separators.
struct Line {
    const char* caption;
    const char* box;
    const char* unitLabel = nullptr;
    const char* suffix = "";
};

QStringList reportLines(const FormBase* form, std::span<const Line> lines);

// The report lines of the known conditions: caption, field and, where the row has a unit, its
// unit label.
QStringList inputLines(const FormBase* form, ui::InputFields inputs);

// Declares every control that a designer's tables name, and the further names given, so that
// a misspelt one fails when the window is built.
void declareNames(FormBase* form, ui::InputFields inputs, std::span<const Echo> echoes,
                  std::span<const Line> report, QStringList more);

template <class I, class R, std::size_t NRead, std::size_t NShow, std::size_t NVerdicts>
void declareTables(FormBase* form, ui::InputFields inputs, const ui::In<I> (&read)[NRead],
                   const ui::Out<R> (&show)[NShow], const Verdict<R> (&verdicts)[NVerdicts],
                   std::span<const Echo> echoes, std::span<const Line> report, QStringList more = {}) {
    more += ui::controlNames(read) + ui::controlNames(show);
    for (const Verdict<R>& v : verdicts)
        more.append(QString::fromLatin1(v.control));
    declareNames(form, inputs, echoes, report, more);
}

// Empties the input fields and the result boxes (the choice box among them); verdicts and
// sketch labels keep what they show.
void clearInputsAndResults(FormBase* form, ui::InputFields inputs, const QStringList& boxes);

// Hover hints (tooltips) of the named controls.
void setHints(FormBase* form, std::initializer_list<std::pair<const char*, const char*>> hints);

// Blue text on pink: the box for a wire diameter of the user's choice.
void markChoiceBox(QWidget* box);

// Red text in the named boxes: the values the user should look at first.
void redTexts(FormBase* form, std::initializer_list<const char*> boxes);

// The Label23 items open the tensile-strength workbook "/klqd.xls" of the program folder.
void attachTensileStrengthViewers(FormBase* form);

} // namespace designer
