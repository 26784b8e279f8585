// The three-section pitch spring: the worked example, the two copies of K3, required fields,
// faults with the outputs written before them, the reset and no first-field focus.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults",
     "Form123",
     {},
     {{"Text2", "46.04"},
      {"Text3", "46.04"},
      {"Text4", "69.1"},
      {"Text5", "17.3"},
      {"Text6", "27.62"},
      {"Text13", "69.1"},
      {"Text7", "18.6"},
      {"Text8", "24.0"},
      {"Text9", "39.2"},
      {"Text10", "207.8"},
      {"Text11", "49.6"},
      {"Text12", "58.6"}}},
    {"FirstPitchEqualToWire", "Form123", {{"Text1_3", "7"}}, {{"Text7", "0.0"}, {"Text11", "0.0"}}},
};
INSTANTIATE_TEST_SUITE_P(Form123, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameterNamedWithItsMessageText", "Form123", {{"Text1_0", ""}}, 1333},
    {"SecondDenseCoils", "Form123", {{"Text1_4", ""}}, 2077},
    {"SparseCoils", "Form123", {{"Text1_6", ""}}, 2075, "Command1", {"Text2", "Text12"}},
};
INSTANTIATE_TEST_SUITE_P(Form123, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form123Window : public FormTest {};

TEST_F(Form123Window, FaultsKeepTheOutputsWrittenBeforeThem) {
    struct Row {
        const char* field;
        const char* value;
        std::vector<const char*> fresh; // written before the fault
    };
    const Row rows[] = {
        {"Text1_2", "0", {}},                                    // n1: before anything
        {"Text1_4", "0", {"Text2"}},                             // n2: after K1
        {"Text1_6", "0", {"Text2", "Text3"}},                    // n3: after K1 and K2
        {"Text1_0", "0", {"Text2", "Text3", "Text4", "Text13"}}, // d = 0: kc1 is 0/0
    };
    for (const Row& row : rows) {
        FormBase* f = open("Form123");
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text13"})
            type(f, box, "old");
        type(f, row.field, row.value);
        click(f, "Command1");
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035)) << row.field;
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text13"}) {
            const bool fresh =
                std::find(row.fresh.begin(), row.fresh.end(), std::string_view(box)) != row.fresh.end();
            EXPECT_EQ(f->text(box) == "old", !fresh) << row.field << " " << box;
        }
        f->close();
        flush();
        prompts().clear();
    }
}

TEST_F(Form123Window, ResetEmptiesInputsAndAllTwelveResults) {
    FormBase* f = open("Form123");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_7", "Text2", "Text5", "Text9", "Text12", "Text13"})
        EXPECT_EQ(f->text(name), "") << name;
}

TEST_F(Form123Window, ActivationDoesNotMoveTheCaret) {
    FormBase* f = open("Form123");
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->field("Text1_5")->setFocus();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(f, &activate);
    EXPECT_TRUE(f->field("Text1_5")->hasFocus());
}

} // namespace
