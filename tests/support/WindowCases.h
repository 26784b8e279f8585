#pragma once
// Shared test tables for calculator windows. A window's test file lists its rows and joins the
// one parameterised test of each kind:
//
//   const WindowCase kForm8Examples[] = {
//       {"CarbonSteel", "Form8", {{"Combo1", "碳钢线 SWC"}, {"Text1_0", "1"}}, {{"Text8", "100.0"}}},
//   };
//   INSTANTIATE_TEST_SUITE_P(Form8, WindowExample, ::testing::ValuesIn(kForm8Examples), caseName);
//
// WindowExample types the inputs, clicks the button and expects no message box and the texts.
// RequiredField expects text 1383 followed by the caption, and that no result box changed.
// InputFault expects text 1035 ("输入有错误!") and no "inf"/"nan" anywhere in the window.

#include "support/FormTest.h"

#include <QString>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

struct ControlText {
    const char* control;
    const char* text; // UTF-8
};

struct WindowCase {
    const char* name; // letters, digits and "_": the test's name
    const char* window;
    std::vector<ControlText> inputs;
    std::vector<ControlText> expected;
    const char* button = "Command1";
};

struct RequiredCase {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    int captionId; // the message is text 1383 followed by this caption
    const char* button = "Command1";
    std::vector<const char*> untouched = {}; // result boxes that must keep their text
};

struct FaultCase {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    const char* button = "Command1";
};

// Whether two rows are for the same control: rows of the shared tables, and (control, text)
// pairs as some fixtures type them.
inline bool sameControl(const ControlText& a, const ControlText& b) {
    return std::strcmp(a.control, b.control) == 0;
}
inline bool sameControl(const std::pair<QString, QString>& a, const std::pair<QString, QString>& b) {
    return a.first == b.first;
}

// A set of inputs with some texts changed: a control already listed takes the new text where it
// stands, so the inputs are still typed in their usual order; a control not listed is added at
// the end.
//
//   with(kSpring, {{"Text1_1", "4"}})
template <class Row> std::vector<Row> with(std::vector<Row> rows, const std::vector<Row>& changes) {
    for (const Row& change : changes) {
        bool replaced = false;
        for (Row& row : rows)
            if (sameControl(row, change)) {
                row = change;
                replaced = true;
            }
        if (!replaced)
            rows.push_back(change);
    }
    return rows;
}

// A failing row prints as its name, not as the bytes of the row.
inline void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}
inline void PrintTo(const RequiredCase& c, std::ostream* os) {
    *os << c.name;
}
inline void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

// Names a row's test after the row.
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Types every text into its control (a list takes the text as its current entry).
void typeAll(FormBase* form, const std::vector<ControlText>& texts);

// Expects every control to show its text.
void expectTexts(const FormBase* form, const std::vector<ControlText>& texts);

// Expects no field, label or list of the window to show "inf" or "nan".
void expectNoNonFinite(const FormBase* form);

class WindowExample : public FormTest, public ::testing::WithParamInterface<WindowCase> {};
class RequiredField : public FormTest, public ::testing::WithParamInterface<RequiredCase> {};
class InputFault : public FormTest, public ::testing::WithParamInterface<FaultCase> {};
