#pragma once
// What the four spring designers share: the row of command buttons, the sketch with labels
// that echo results, the lines of the design report and the tensile-strength viewers.

#include "common/ui/FormBuilder.h"
#include "common/ui/PictureWithLabels.h"
#include "platform/TextReport.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>

class FormBase;
class QLabel;
class QWidget;

namespace designer {

// Calculate (Command1, the default button), reset (Command4), print (Command5), snapshot
// (Command2), Save As report (Command3) and exit (Command8), in one row, connected.
QWidget* commandRow(FormBase* form, std::function<void()> calculate, std::function<void()> reset,
                    std::function<report::DesignReport()> designReport);

// One report line: the texts of the named controls (captions as shown, fields as displayed)
// joined without separators.
QString line(const FormBase* form, std::initializer_list<const char*> controls);

// A unit beside a field: a caption of fixed text.
ui::Cell unit(const char* name, const QString& text);

// The blue "?" caption by the allowable stress.
ui::Cell query(const char* name);

// The input array in order: Text1_0 into the first value, Text1_1 into the next and so on,
// each read leniently and stored in single precision.
void readInputs(const FormBase* form, std::initializer_list<float*> values);

// The wire diameter typed into the named box, or none while the box is empty; a text that is
// not a number faults.
std::optional<float> chosenWireDiameter(const FormBase* form, const char* box);

// Runs the design; the verdicts it decided are shown whether it finishes or faults, and a
// fault then goes on to the caller.
void designShowingVerdicts(const std::function<void()>& design, const std::function<void()>& showVerdicts);

// A result: the box, its value, the pattern it is shown with and, if any, the sketch label
// that then echoes the box's text followed by echoSuffix.
struct Result {
    const char* box;
    float value;
    const char* pattern;
    const char* echo = nullptr;
    const char* echoSuffix = "";
};

// Writes the results in order, each echo right after its box.
void showResults(FormBase* form, std::initializer_list<Result> results);

// Empties the input array Text1_0 .. Text1_<lastInput> and the results Text2 .. Text<lastResult>.
void clearInputsAndResults(FormBase* form, int lastInput, int lastResult);

// Hover hints (tooltips) of the named controls.
void setHints(FormBase* form, std::initializer_list<std::pair<const char*, const char*>> hints);

// Blue text on pink: the box for a wire diameter of the user's choice.
void markChoiceBox(QWidget* box);

// The Label23 items open the tensile-strength workbook "/klqd.xls" of the program folder.
void attachTensileStrengthViewers(FormBase* form);

} // namespace designer
