// The equal-pitch barrel spring: the defaults with the sketch echoes and the verdict, the
// contact-pitch case, titanium, the cylindrical limit, the faults at their steps, the reset.

#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kTwoMm = {{"Text1_0", "2"}, {"Text1_1", "16"}, {"Text1_2", "20"},
                                         {"Text1_3", "6"}, {"Text1_4", "30"}, {"Text1_5", "25"}};

std::vector<ControlText> twoMmWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kTwoMm;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"Defaults",
     "Form35",
     {},
     {{"Text1_6", "0.87"},
      {"Text1_7", "2.62"},
      {"Text1_8", "0.27"},
      {"Text1_9", "8.63"},
      {"Label3", "8.63N"},
      {"Text1_11", "9.90"},
      {"Text1_10", "75.18"},
      {"Label11", "75.18N"},
      {"Label1_7", "   压力F1："}}},
    // The coils touch at c = 2·√(1 − (2/6)²).
    {"CoilsTouch",
     "Form35",
     kTwoMm,
     {{"Text1_6", "5.56"},
      {"Text1_7", "27.80"},
      {"Text1_8", "2.84"},
      {"Text1_9", "70.29"},
      {"Text1_11", "12.60"},
      {"Text1_10", "149.39"},
      {"Label1_7", "   压力F1："}}},
    {"WorkingLoadBeyondContact",
     "Form35",
     twoMmWith({{"Text1_5", "10"}}),
     {{"Text1_7", "111.21"}, {"Text1_8", "11.35"}, {"Label1_7", "压力F1大于："}}},
    {"Titanium",
     "Form35",
     twoMmWith({{"Combo1", "钛合金"}}),
     {{"Text1_6", "2.92"},
      {"Text1_7", "14.60"},
      {"Text1_9", "36.90"},
      {"Text1_11", "12.60"},
      {"Text1_10", "78.43"}}},
    // Equal diameters: a cylindrical spring, whose coils all close at once.
    {"CylindricalLimit",
     "Form35",
     twoMmWith({{"Text1_1", "20"}}),
     {{"Text1_6", "4.48"}, {"Text1_9", "67.22"}, {"Text1_10", "67.22"}}},
    {"WorkingHeightAboveFreeHeight",
     "Form35",
     twoMmWith({{"Text1_5", "31"}}),
     {{"Text1_7", "-5.56"}, {"Text1_8", "-0.57"}, {"Label1_7", "   压力F1："}}},
};
INSTANTIATE_TEST_SUITE_P(Form35, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireNamedBy1333", "Form35", {{"Text1_0", ""}, {"Text1_3", ""}}, 1333},
    {"EndDiameter", "Form35", {{"Text1_1", ""}}, 1520},
    {"WorkingHeight", "Form35", {{"Text1_5", ""}, {"Text1_6", "old"}}, 1680, "Command1", {"Text1_6"}},
};
INSTANTIATE_TEST_SUITE_P(Form35, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoCoils", "Form35", {{"Text1_3", "0"}}},
    {"MiddleDiameterIsTheWire", "Form35", {{"Text1_2", "0.8"}}},
    {"EndDiameterIsTheWire", "Form35", {{"Text1_1", "0.8"}}},
};
INSTANTIATE_TEST_SUITE_P(Form35, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form35Window : public FormTest {};

// End coils larger than the middle by more than n·d: the contact pitch has no value, after the
// rate and the working load were written.
TEST_F(Form35Window, NegativeRadicandFaultsAfterRateAndLoads) {
    FormBase* f = open("Form35");
    typeAll(f, {{"Text1_1", "20"}, {"Text1_9", "old"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_NE(f->text("Text1_6"), "");
    EXPECT_NE(f->text("Text1_8"), "");
    EXPECT_EQ(f->text("Text1_9"), "old");
    EXPECT_EQ(f->text("Label3"), "Fz");
}

// A typed material: G = 0, so the rate and Fz are 0 and the deflection Fz/k has no value.
TEST_F(Form35Window, UnknownMaterialFaultsAtTheDeflection) {
    FormBase* f = open("Form35");
    typeAll(f, {{"Combo1", "steel"}, {"Text1_11", "old"}, {"Text1_10", "old"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_6", "0.00"},
                    {"Text1_9", "0.00"},
                    {"Label3", "0.00N"},
                    {"Text1_11", "old"},
                    {"Text1_10", "old"},
                    {"Label11", "fb"},
                    {"Label1_7", "工作载荷(F1)："}});
}

TEST_F(Form35Window, ResetEmptiesTheTwelveBoxesAndKeepsTheCaptions) {
    FormBase* f = open("Form35");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1058));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 26);
    type(f, "Text1_5", "5");
    click(f, "Command1");
    click(f, "Command2");
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "") << i;
    expectTexts(f, {{"Label1_7", "压力F1大于："}, {"Label3", "8.63N"}, {"Label11", "75.18N"}});
    click(f, "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find("Form35"), nullptr);
    FormBase* again = open("Form35");
    expectTexts(again, {{"Text1_0", "0.8"}, {"Label3", "Fz"}, {"Label11", "fb"}});
}

} // namespace
