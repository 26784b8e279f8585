// The flat-wire spring: the worked examples, the plain rectangle, the titanium text that this
// window does not list, the faults after the moments and the gap in the array.

#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kPiano = {{"Combo1", "琴钢线 SWP"}, {"Text1_0", "10"}, {"Text1_1", "4"},
                                         {"Text1_2", "2"},         {"Text1_3", "40"}, {"Text1_4", "6"},
                                         {"Text1_5", "5"}};

std::vector<ControlText> pianoWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kPiano;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"PianoWire",
     "Form64",
     kPiano,
     {{"Text1_7", "44.560000"},
      {"Text1_8", "261.600000"},
      {"Text1_9", "306.16"},
      {"Text1_10", "80.24"},
      {"Text1_11", "401.18"}}},
    {"SmallerEdgeRadius",
     "Form64",
     pianoWith({{"Text1_2", "1"}}),
     {{"Text1_7", "43.451667"},
      {"Text1_8", "147.025000"},
      {"Text1_9", "190.48"},
      {"Text1_10", "49.92"},
      {"Text1_11", "249.60"}}},
    {"Stainless",
     "Form64",
     {{"Combo1", "不锈钢线 SUS304"},
      {"Text1_0", "8"},
      {"Text1_1", "2"},
      {"Text1_2", "1"},
      {"Text1_3", "30"},
      {"Text1_4", "5"},
      {"Text1_5", "10"}},
     {{"Text1_7", "4.785000"},
      {"Text1_8", "73.045000"},
      {"Text1_9", "77.83"},
      {"Text1_10", "52.14"},
      {"Text1_11", "521.44"}}},
    // Without rounded edges the section is a plain rectangle and Ip = Ia.
    {"PlainRectangle",
     "Form64",
     pianoWith({{"Text1_2", "0"}}),
     {{"Text1_7", "53.333333"}, {"Text1_8", "0.000000"}, {"Text1_9", "53.33"}}},
    {"TitaniumIsNotListedHere",
     "Form64",
     pianoWith({{"Combo1", "钛合金"}}),
     {{"Text1_9", "306.16"}, {"Text1_10", "0.00"}, {"Text1_11", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form64, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Width", "Form64", {}, 1628},
    {"EdgeRadius", "Form64", {{"Text1_0", "1"}, {"Text1_1", "1"}}, 1807},
    {"Compression",
     "Form64",
     pianoWith({{"Text1_5", ""}, {"Text1_7", "old"}}),
     1806,
     "Command1",
     {"Text1_7"}},
};
INSTANTIATE_TEST_SUITE_P(Form64, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form64Window : public FormTest {};

TEST_F(Form64Window, NoDiameterOrCoilsFaultsAfterTheThreeMoments) {
    for (const char* box : {"Text1_3", "Text1_4"}) {
        FormBase* f = open("Form64");
        typeAll(f, pianoWith({{box, "0"}, {"Text1_10", "old"}, {"Text1_11", "old"}}));
        click(f, "Command1");
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035)) << box;
        expectTexts(
            f, {{"Text1_7", "44.560000"}, {"Text1_9", "306.16"}, {"Text1_10", "old"}, {"Text1_11", "old"}});
        expectNoNonFinite(f);
    }
}

TEST_F(Form64Window, ResetEmptiesBothPartsOfTheArray) {
    FormBase* f = open("Form64");
    typeAll(f, kPiano);
    click(f, "Command1");
    click(f, "Command2");
    for (const char* box : {"Text1_0", "Text1_5", "Text1_7", "Text1_9", "Text1_11"})
        EXPECT_EQ(f->text(box), "") << box;
    EXPECT_EQ(f->text("Combo1"), "琴钢线 SWP");
    EXPECT_EQ(f->comboBox("Combo1")->count(), 7);
    EXPECT_EQ(f->findChild<QLineEdit*>("Text1_6"), nullptr);
}

} // namespace
