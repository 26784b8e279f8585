// The rectangular-section torsion spring: the worked example, a scaled material, a typed
// material, the required order, the faults, the reset and the window's opening.

#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kCarbon = {{"Combo1", "碳钢线 SWC"}, {"Text1_0", "2"}, {"Text1_1", "5"},
                                          {"Text1_2", "20"},        {"Text1_3", "5"}, {"Text1_4", "90"},
                                          {"Text1_5", "30"}};

std::vector<ControlText> carbonWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kCarbon;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"CarbonSteel",
     "Form43",
     kCarbon,
     {{"Text1_7", "38.111111"}, {"Text1_8", "3430.00"}, {"Text1_9", "114.33"}}},
    {"BerylliumCopperScaled",
     "Form43",
     carbonWith({{"Combo1", "铍铜线 BeCuW"}}),
     {{"Text1_7", "23.592593"}, {"Text1_8", "2123.33"}, {"Text1_9", "70.78"}}},
    {"TypedMaterial",
     "Form43",
     carbonWith({{"Combo1", "steel"}}),
     {{"Text1_7", "0.000000"}, {"Text1_8", "0.00"}, {"Text1_9", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form43, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"AcrossFirst", "Form43", carbonWith({{"Text1_0", ""}, {"Text1_3", ""}}), 1672},
    {"Coils", "Form43", carbonWith({{"Text1_3", ""}, {"Text1_7", "old"}}), 1480, "Command1", {"Text1_7"}},
    {"Arm", "Form43", carbonWith({{"Text1_5", ""}}), 1669},
};
INSTANTIATE_TEST_SUITE_P(Form43, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoMeanDiameter", "Form43", carbonWith({{"Text1_2", "0"}})},
    {"NoCoils", "Form43", carbonWith({{"Text1_3", "."}})},
};
INSTANTIATE_TEST_SUITE_P(Form43, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form43Window : public FormTest {};

TEST_F(Form43Window, NoArmFaultsAfterRateAndTorque) {
    FormBase* f = open("Form43");
    typeAll(f, carbonWith({{"Text1_5", "0"}, {"Text1_9", "old"}}));
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_7", "38.111111"}, {"Text1_8", "3430.00"}, {"Text1_9", "old"}});
}

TEST_F(Form43Window, OpensCentredInTheFirstFieldWithoutMinimiseOrMaximise) {
    FormBase* f = open("Form43");
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(QApplication::focusWidget(), f->field("Text1_0"));
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(f->windowTitle(), StringTable::text(1097));
    expectTexts(
        f, {{"Label1_4", "选择材料："}, {"Label1_20", "mm"}, {"Label1_16", "°"}, {"Label1_12", "N.mm/°"}});
    EXPECT_EQ(f->comboBox("Combo1")->count(), 20);
    EXPECT_EQ(f->findChild<QPushButton*>("Command3"), nullptr);
}

TEST_F(Form43Window, ResetEmptiesTheNineBoxesAndKeepsTheMaterial) {
    FormBase* f = open("Form43");
    typeAll(f, carbonWith({{"Combo1", "铍铜线 BeCuW"}}));
    click(f, "Command1");
    click(f, "Command2");
    for (const char* box :
         {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_7", "Text1_8", "Text1_9"})
        EXPECT_EQ(f->text(box), "") << box;
    EXPECT_EQ(f->text("Combo1"), "铍铜线 BeCuW");
}

} // namespace
