// The rectangular-wire spring: the worked examples with their life texts, the solid-height
// message, the required fields, the faults at each step, the optional strength and the
// tensile-strength picture behind every label of the array.

#include "support/WindowCases.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

const std::vector<ControlText> kPianoWire = {
    {"Combo1", "琴钢线 SWP"}, {"Text1_0", "6"},  {"Text1_1", "3"},    {"Text1_2", "40"},
    {"Text1_3", "6"},         {"Text1_4", "8"},  {"Text1_5", "40"},   {"Text1_6", "0.2287"},
    {"Text1_7", "0.2459"},    {"Text1_8", "35"}, {"Text1_9", "1500"},
};

std::vector<ControlText> pianoWireWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kPianoWire;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"PianoWire",
     "Form34",
     kPianoWire,
     {{"Text1_12", "24.0"},
      {"Text1_11", "142.95"},
      {"Text1_17", "4.8"},
      {"Text1_15", "9.70"},
      {"Text1_10", "48.52"},
      {"Text1_13", "155.28"},
      {"Text1_14", "279.31"},
      {"Text1_16", "1000"}}},
    {"HalfTheStrengthGivesFour", "Form34", pianoWireWith({{"Text1_9", "750"}}), {{"Text1_16", "4"}}},
    // The thickness is the longer side: the second branch of the rate and the stress.
    {"ThicknessIsTheLongerSide",
     "Form34",
     pianoWireWith({{"Text1_0", "3"}, {"Text1_1", "6"}, {"Text1_4", "5"}}),
     {{"Text1_12", "30.0"},
      {"Text1_11", "89.35"},
      {"Text1_17", "4.8"},
      {"Text1_15", "9.70"},
      {"Text1_10", "48.52"},
      {"Text1_13", "97.05"},
      {"Text1_14", "159.82"}}},
    // This window takes 78400 MPa for carbon-steel wire: 9.70 × 78400/79000.
    {"CarbonSteelIs78400", "Form34", pianoWireWith({{"Combo1", "碳钢线 SWC"}}), {{"Text1_15", "9.63"}}},
    // A working height above the free height gives a negative working load.
    {"WorkingHeightAboveFreeHeight", "Form34", pianoWireWith({{"Text1_8", "45"}}), {{"Text1_10", "-48.52"}}},
    // No row matches: every rate and load is 0, and the life is "1000".
    {"UnknownMaterial",
     "Form34",
     pianoWireWith({{"Combo1", "x"}}),
     {{"Text1_15", "0.00"}, {"Text1_10", "0.00"}, {"Text1_14", "0.00"}, {"Text1_16", "1000"}}},
};
INSTANTIATE_TEST_SUITE_P(Form34, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Width", "Form34", {}, 2435},
    {"SecondFactor", "Form34", pianoWireWith({{"Text1_7", ""}, {"Text1_8", ""}}), 2444},
    // The working height is named by the install-height text.
    {"WorkingHeightNamedAsInstallHeight",
     "Form34",
     pianoWireWith({{"Text1_8", ""}, {"Text1_15", "old"}}),
     1372,
     "Command1",
     {"Text1_15"}},
};
INSTANTIATE_TEST_SUITE_P(Form34, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoMeanDiameter", "Form34", pianoWireWith({{"Text1_2", "0"}})},
    {"NoActiveCoils", "Form34", pianoWireWith({{"Text1_3", "."}})},
    {"NoStressFactor", "Form34", pianoWireWith({{"Text1_7", "0"}})},
    {"NoThickness", "Form34", pianoWireWith({{"Text1_1", "0"}})},
    {"StrengthTypedAsSlash", "Form34", pianoWireWith({{"Text1_9", "/"}})},
};
INSTANTIATE_TEST_SUITE_P(Form34, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form34Window : public FormTest {};

TEST_F(Form34Window, SolidHeightAtTheWorkingHeightStopsWithTheHeightNamed) {
    FormBase* f = open("Form34");
    typeAll(f, pianoWireWith({{"Text1_4", "12"}, {"Text1_15", "old"}}));
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(2471) + "36");
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    EXPECT_EQ(f->text("Text1_15"), "old");
    EXPECT_EQ(f->text("Text1_12"), "");
    // Equal heights stop too; just below computes.
    prompts().clear();
    typeAll(f, {{"Text1_4", "11.6"}, {"Text1_8", "34.8"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(2471) + "34.8");
    prompts().clear();
    type(f, "Text1_8", "34.81");
    click(f, "Command1");
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(f->text("Text1_12"), "34.8");
}

TEST_F(Form34Window, NoWidthFaultsAfterSolidHeightAndWeight) {
    FormBase* f = open("Form34");
    typeAll(f, pianoWireWith({{"Text1_0", "0"}, {"Text1_15", "old"}, {"Text1_17", "old"}}));
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_12", "24.0"}, {"Text1_11", "0.00"}, {"Text1_17", "old"}, {"Text1_15", "old"}});
}

TEST_F(Form34Window, ZeroStrengthFaultsAfterTheStressAndKeepsTheLife) {
    FormBase* f = open("Form34");
    typeAll(f, pianoWireWith({{"Text1_9", "0"}, {"Text1_16", "old"}}));
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_14", "279.31"}, {"Text1_16", "old"}});
}

TEST_F(Form34Window, EmptyStrengthKeepsTheEarlierLifeUntilReset) {
    FormBase* f = open("Form34");
    typeAll(f, pianoWireWith({{"Text1_9", "750"}}));
    click(f, "Command1");
    type(f, "Text1_9", "");
    type(f, "Text1_2", "50");
    click(f, "Command1");
    EXPECT_EQ(f->text("Text1_16"), "4");
    EXPECT_EQ(f->text("Text1_15"), "4.97");
    click(f, "Command2");
    for (int i = 0; i <= 17; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "") << i;
    EXPECT_EQ(f->text("Combo1"), "琴钢线 SWP");
}

TEST_F(Form34Window, AnyLabelOfTheArrayShowsTheStrengthPicture) {
    for (const char* name : {"Label1_33", "Label1_0", "Label1_19", "Label1_31"}) {
        FormBase* f = open("Form34");
        QLabel* l = f->label(name);
        QTest::mouseClick(l, Qt::LeftButton);
        EXPECT_NE(FormRegistry::find("Form142"), nullptr) << name;
        FormRegistry::closeAllExcept();
        flush();
    }
    FormBase* f = open("Form34");
    QTest::mouseClick(f->label("Label2"), Qt::LeftButton);
    EXPECT_EQ(FormRegistry::find("Form142"), nullptr);
}

TEST_F(Form34Window, OpensWithItsCaptionsHintsAndMaterials) {
    FormBase* f = open("Form34");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1096));
    expectTexts(f, {{"Label1_19", "查右表"},
                    {"Label1_33", "点击查询"},
                    {"Label1_10", "相当于圆线："},
                    {"Label1_31", "万次(参考)"}});
    EXPECT_EQ(f->comboBox("Combo1")->count(), 8);
    EXPECT_EQ(f->comboBox("Combo1")->itemText(7), StringTable::text(2470));
    EXPECT_NE(f->findChild<QWidget*>("Image2"), nullptr);
    StringTable::setLanguage(Language::EnUS);
    FormBase* again = open("Form34");
    EXPECT_EQ(again->text("Label1_10"), "相当于圆线：");
}

} // namespace
