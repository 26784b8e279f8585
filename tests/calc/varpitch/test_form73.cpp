// The two-rate variable-pitch spring: the worked example, the load line below the knee, the
// equality edges of the three checks, the required fields, faults and the reset.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults",
     "Form73",
     {},
     {{"Text2", "9.54"},
      {"Text3", "12.72"},
      {"Text4", "38.17"},
      {"Text7", "305.35"},
      {"Label5", "(32.0mm时)"},
      {"Text5", "66.80"},
      {"Label49", "(7mm时)"},
      {"Text9", "725.21"},
      {"Label50", "(65mm时)"},
      {"Text10", "158.6"},
      {"Text13", "1125.84"},
      {"Text14", "545.0"},
      {"Label58", "节距合适。"},
      {"Label53", "OK"},
      {"Label13", "OK"},
      {"Label25", "66.80N"},
      {"Label54", "305.35N"},
      {"Label55", "725.21N"}}},
    // Below the knee the working load lies on the combined-rate line, like the preload.
    {"WorkingDeflectionBelowKnee",
     "Form73",
     {{"Text1_7", "20"}},
     {{"Text9", "190.85"},
      {"Label50", "(20mm时)"},
      {"Label55", "190.85N"},
      {"Text7", "305.35"},
      {"Text14", "143.4"}}},
    {"PreloadAtTheKneeEqualsKneeLoad", "Form73", {{"Text1_6", "32.0"}}, {{"Text5", "305.35"}}},
    {"SparsePitchOf045DPasses", "Form73", {{"Text1_5", "24.75"}}, {{"Label58", "节距合适。"}}},
    {"LargerSparsePitchIsTooBig", "Form73", {{"Text1_5", "24.76"}}, {{"Label58", "节距太大！"}}},
    // τ is the single 544.9679565...: an allowable stress of exactly that value fails.
    {"AllowableStressEqualToShearStressFails",
     "Form73",
     {{"Text1_8", "544.9679565"}, {"Text1_9", "1"}},
     {{"Text14", "545.0"}, {"Label13", "NG"}}},
    {"AllowableStressJustAboveShearStressPasses",
     "Form73",
     {{"Text1_8", "544.968"}, {"Text1_9", "1"}},
     {{"Label13", "OK"}}},
    // H0 − Hs is the single 101.600006...: a maximum deflection of exactly that value fails.
    {"SolidLengthMarginEqualToMaxDeflectionFails",
     "Form73",
     {{"Text1_7", "101.600006"}},
     {{"Label53", "NG"}}},
    {"SolidLengthMarginAboveMaxDeflectionPasses", "Form73", {{"Text1_7", "101.6"}}, {{"Label53", "OK"}}},
    {"SlashReadsAsItsLeadingNumber", "Form73", {{"Text1_2", "2/3"}}, {{"Text4", "38.17"}}},
};
INSTANTIATE_TEST_SUITE_P(Form73, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const std::vector<const char*> kResults = {"Text2", "Text7", "Text14", "Label25", "Label58"};
const RequiredCase kRequired[] = {
    {"WireDiameterNamedWithItsMessageText", "Form73", {{"Text1_0", ""}}, 1333, "Command1", kResults},
    {"MeanDiameter", "Form73", {{"Text1_1", ""}}, 1332},
    {"Coefficient", "Form73", {{"Text1_9", ""}}, 1440, "Command1", kResults},
};
INSTANTIATE_TEST_SUITE_P(Form73, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoDenseCoils", "Form73", {{"Text1_2", "0"}}},
    {"ZeroMeanDiameter", "Form73", {{"Text1_1", "."}}},
    {"ZeroWire", "Form73", {{"Text1_0", "0"}}},
    {"UnknownMaterial", "Form73", {{"Combo1", "铁丝"}}},
    {"MeanDiameterEqualToWire", "Form73", {{"Text1_1", "6"}}},
};
INSTANTIATE_TEST_SUITE_P(Form73, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form73Window : public FormTest {};

TEST_F(Form73Window, WahlFaultKeepsTheOutputsWrittenBeforeIt) {
    FormBase* f = open("Form73");
    click(f, "Command1");
    type(f, "Text1_1", "6"); // D = d: the Wahl factor divides by zero after the test load
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text("Text2"), "7350.00");   // new rates
    EXPECT_EQ(f->text("Text13"), "10320.16"); // new test load
    EXPECT_EQ(f->text("Text14"), "545.0");    // old shear stress
    EXPECT_EQ(f->text("Label53"), "OK");      // old verdicts
}

TEST_F(Form73Window, ResetEmptiesEverythingAndRestoresTheDiagramNames) {
    FormBase* f = open("Form73");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_9", "Text2", "Text14", "Label13", "Label58", "Label53",
                             "Label49", "Label5", "Label50"})
        EXPECT_EQ(f->text(name), "") << name;
    EXPECT_EQ(f->text("Label25"), "P1");
    EXPECT_EQ(f->text("Label54"), "P3");
    EXPECT_EQ(f->text("Label55"), "P5");
    EXPECT_EQ(f->text("Combo1"), "弹簧钢 SUP");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
}

TEST_F(Form73Window, OpensWithBracketsAndPlaceholders) {
    FormBase* f = open("Form73");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1081));
    EXPECT_EQ(f->text("Label49"), "()");
    EXPECT_EQ(f->text("Label5"), "()");
    EXPECT_EQ(f->text("Label50"), "()");
    EXPECT_EQ(f->text("Label53"), "OK/NG");
    EXPECT_EQ(f->text("Label1"), StringTable::text(1815));
    EXPECT_EQ(f->field("Text1_9")->toolTip(), "0.3~0.5");
    EXPECT_EQ(f->comboBox("Combo1")->count(), 20);
}

} // namespace
