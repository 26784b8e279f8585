#pragma once
// What the four spring designers share: the page of known conditions, commands and results,
// the row of command buttons, the verdicts and sketch labels that follow a design, the lines
// of the design report and the tensile-strength viewers.

#include "common/CheckedMath.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/PictureWithLabels.h"
#include "platform/TextReport.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

class FormBase;
class QGroupBox;
class QVBoxLayout;
class QWidget;

namespace designer {

// Calculate (Command1, the default button), reset (Command4), print (Command5), snapshot
// (Command2), Save As report (Command3) and exit (Command8), in one row, connected.
QWidget* commandRow(FormBase* form, std::function<void()> calculate, std::function<void()> reset,
                    std::function<report::DesignReport()> designReport);

// An input of the known conditions: required, emptied by a reset, with its caption, unit and
// mark labels named as the designers name them; messageId 0 lets the required message name
// the caption.
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

// Known conditions, commands and results top to bottom in a new column of `parent`; the window
// takes its title, the Text1 array its Down-arrow navigation and Text1_0 the focus.
QVBoxLayout* designColumn(FormBase* form, QWidget* parent, int titleId, QGroupBox* inputs, QWidget* commands,
                          QGroupBox* results);

// The blue "?" caption by the allowable stress.
ui::Cell query(const char* name);

// The wire diameter typed into the named box, or none while the box is empty; a text that is
// not a number faults.
std::optional<float> chosenWireDiameter(const FormBase* form, const char* box);

// A verdict label: once its step has decided, the detail (if any) followed by the ok or the
// ng text.
template <class R> struct Verdict {
    const char* label;
    std::optional<bool> R::*decided;
    const char* ok;
    const char* ng;
    QString (*detail)(const R&) = nullptr;
};

template <class R> void showVerdicts(FormBase* form, const R& results, std::span<const Verdict<R>> verdicts) {
    for (const Verdict<R>& v : verdicts) {
        if (const std::optional<bool>& decided = results.*(v.decided)) {
            const QString word = QString::fromUtf8(*decided ? v.ok : v.ng);
            form->setText(QString::fromLatin1(v.label), v.detail ? v.detail(results) + word : word);
        }
    }
}

// Runs the design; the verdicts it decided are shown whether it finishes or faults, and a
// fault then goes on to the caller (the window shows text 1035, the result boxes unchanged).
template <class R, std::size_t N, class Step>
void computeShowingVerdicts(FormBase* form, Step&& step, const R& results, const Verdict<R> (&verdicts)[N]) {
    try {
        step();
    } catch (const num::CalcFault&) {
        showVerdicts<R>(form, results, verdicts);
        throw;
    }
    showVerdicts<R>(form, results, verdicts);
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

// Every control the tables above name, for FormBase::declare.
QStringList inputNames(ui::InputFields inputs);
QStringList echoNames(std::span<const Echo> echoes);
QStringList lineNames(std::span<const Line> lines);
template <class R> QStringList verdictNames(std::span<const Verdict<R>> verdicts) {
    QStringList names;
    for (const Verdict<R>& v : verdicts)
        names.append(QString::fromLatin1(v.label));
    return names;
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

// --- to go once every designer is on the tables above
QString line(const FormBase* form, std::initializer_list<const char*> controls);
ui::Cell unit(const char* name, const QString& text);
void readInputs(const FormBase* form, std::initializer_list<float*> values);
void designShowingVerdicts(const std::function<void()>& design, const std::function<void()>& showVerdicts);
struct Result {
    const char* box;
    float value;
    const char* pattern;
    const char* echo = nullptr;
    const char* echoSuffix = "";
};
void showResults(FormBase* form, std::initializer_list<Result> results);
void clearInputsAndResults(FormBase* form, int lastInput, int lastResult);

} // namespace designer
