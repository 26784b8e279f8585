// The round torsion bar: the worked example, a scaled material, the required order, the faults
// at their steps, the reset, the exit and the first focus in the list.

#include "support/WindowCases.h"

namespace {

const std::vector<ControlText> kSteel = {
    {"Text1_0", "10"}, {"Text1_1", "500"}, {"Text1_2", "100"}, {"Text1_3", "30"}};

std::vector<ControlText> steelWith(std::vector<ControlText> changes) {
    std::vector<ControlText> inputs = kSteel;
    inputs.insert(inputs.end(), changes.begin(), changes.end());
    return inputs;
}

const WindowCase kExamples[] = {
    {"HighCarbonSteel",
     "Form70",
     kSteel,
     {{"Text2", "981.25"},
      {"Text3", "196.25"},
      {"Text4", "15.50"},
      {"Text5", "2704.54"},
      {"Text6", "81136.29"},
      {"Text7", "413.43"}}},
    {"StainlessScaled",
     "Form70",
     steelWith({{"Combo1", "不锈钢材"}}),
     {{"Text2", "981.25"},
      {"Text3", "196.25"},
      {"Text4", "13.93"},
      {"Text5", "2430.67"},
      {"Text6", "72919.96"},
      {"Text7", "371.57"}}},
    {"TypedMaterialKeepsTheSection",
     "Form70",
     steelWith({{"Combo1", "steel"}}),
     {{"Text2", "981.25"}, {"Text4", "0.00"}, {"Text7", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form70, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Diameter", "Form70", {}, 1835},
    {"LengthBeforeAngle",
     "Form70",
     steelWith({{"Text1_1", ""}, {"Text1_3", ""}, {"Text2", "old"}}),
     1834,
     "Command1",
     {"Text2"}},
    {"Angle", "Form70", steelWith({{"Text1_3", ""}}), 1832},
};
INSTANTIATE_TEST_SUITE_P(Form70, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form70Window : public FormTest {};

TEST_F(Form70Window, NoLengthOrArmFaultsAfterTheSectionValues) {
    for (const char* box : {"Text1_1", "Text1_2"}) {
        FormBase* f = open("Form70");
        typeAll(f, steelWith({{box, "0"}, {"Text4", "old"}, {"Text7", "old"}}));
        click(f, "Command1");
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035)) << box;
        expectTexts(f, {{"Text2", "981.25"}, {"Text3", "196.25"}, {"Text4", "old"}, {"Text7", "old"}});
    }
}

TEST_F(Form70Window, NoDiameterFaultsAfterFiveBoxes) {
    FormBase* f = open("Form70");
    typeAll(f, steelWith({{"Text1_0", "0"}, {"Text7", "old"}}));
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text2", "0.00"}, {"Text5", "0.00"}, {"Text6", "0.00"}, {"Text7", "old"}});
}

TEST_F(Form70Window, OpensInTheMaterialListCentredWithoutMinimiseOrMaximise) {
    FormBase* f = open("Form70");
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(QApplication::focusWidget(), f->comboBox("Combo1"));
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(f->windowTitle(), StringTable::text(1115));
    expectTexts(f,
                {{"Label9", "扭杆材料(g):"}, {"Label8", "°"}, {"Label17", "N.mm/°"}, {"Frame1", "参数输入"}});
    EXPECT_EQ(f->comboBox("Combo1")->count(), 5);
}

TEST_F(Form70Window, ResetThenExitThenOpenAgain) {
    FormBase* f = open("Form70");
    typeAll(f, steelWith({{"Combo1", "热轧钢材"}}));
    click(f, "Command1");
    click(f, "Command2");
    for (const char* box : {"Text1_0", "Text1_3", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
        EXPECT_EQ(f->text(box), "") << box;
    EXPECT_EQ(f->text("Combo1"), "热轧钢材");
    click(f, "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find("Form70"), nullptr);
    FormBase* again = open("Form70");
    EXPECT_EQ(again->text("Combo1"), "高碳钢材");
}

} // namespace
