// The small-pitch small end: the worked example (the node position rounds the single's own
// value: 49.2499947... shows 49.2), required fields, faults before any output, and the reset.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults", "Form74", {}, {{"Text2", "39.9378"}, {"Text3", "75.0248"}, {"Text4", "49.2"}}},
    {"StainlessSteel", "Form74", {{"Combo1", "不锈钢线 SUS304"}}, {{"Text3", "65.6467"}, {"Text4", "49.2"}}},
    // Coil counts in the wrong order give negative rates, shown without a message.
    {"DenseCoilsAboveTotal", "Form74", {{"Text1_4", "13"}}, {{"Text3", "-975.3225"}}},
};
INSTANTIATE_TEST_SUITE_P(Form74, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameter", "Form74", {{"Text1_0", ""}}, 1815},
    {"SmallMeanDiameter", "Form74", {{"Text1_1", ""}}, 1444},
    {"DensePitch", "Form74", {{"Text1_6", ""}}, 1875},
};
INSTANTIATE_TEST_SUITE_P(Form74, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"TotalEqualsDense", "Form74", {{"Text1_3", "6"}}},
    {"DenseEqualsTapered", "Form74", {{"Text1_5", "6"}}},
    {"NoTaperedCoils", "Form74", {{"Text1_5", "0"}}},
    {"UnknownMaterial", "Form74", {{"Combo1", "x"}}},
};
INSTANTIATE_TEST_SUITE_P(Form74, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form74Window : public FormTest {};

TEST_F(Form74Window, FaultBeforeTheFirstOutputLeavesEveryResult) {
    FormBase* f = open("Form74");
    click(f, "Command1");
    type(f, "Text1_3", "6");
    type(f, "Text1_6", "20"); // would change the node position if anything were written
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text("Text2"), "39.9378");
    EXPECT_EQ(f->text("Text4"), "49.2");
}

TEST_F(Form74Window, ResetEmptiesInputsAndResults) {
    FormBase* f = open("Form74");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_6", "Text2", "Text3", "Text4"})
        EXPECT_EQ(f->text(name), "") << name;
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1815));
    EXPECT_EQ(f->text("Label11").isEmpty(), false);
}

} // namespace
