// The oval coil spring: the worked example, a round coil, the coil-count check at and just
// past equality, the unknown material, required fields, faults and the reset.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"Defaults",
     "Form124",
     {},
     {{"Text6", "0.236"},
      {"Text7", "2887.900"},
      {"Text2", "28.301"},
      {"Text4", "7027.313"},
      {"Text5", "68.87"}}},
    // b = D: the factor is 0.93, so the rate is the round coil's divided by 0.93.
    {"RoundCoil", "Form124", {{"Text1_2", "21"}}, {{"Text6", "0.076"}}},
    // The solid height (22 + 2)·2 = 48 equals L2: still computed.
    {"SolidHeightEqualToSecondHeight",
     "Form124",
     {{"Text1_0", "2"}, {"Text1_3", "22"}},
     {{"Text6", "3.849"}}},
    // No row matches: G = 0 and every result is zero.
    {"UnknownMaterial",
     "Form124",
     {{"Combo1", "x"}},
     {{"Text6", "0.000"}, {"Text7", "0.000"}, {"Text2", "0.000"}, {"Text4", "0.000"}, {"Text5", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form124, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"WireDiameter", "Form124", {{"Text1_0", ""}}, 1333},
    {"SmallDimension", "Form124", {{"Text1_2", ""}}, 2086},
    {"ActiveCoils", "Form124", {{"Text1_3", ""}}, 1373, "Command1", {"Text6", "Text5"}},
};
INSTANTIATE_TEST_SUITE_P(Form124, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"LargeDimensionEqualToWire", "Form124", {{"Text1_1", "1.2"}}},
    {"NoActiveCoils", "Form124", {{"Text1_3", "0"}}},
    {"FactorRoundsToZero", "Form124", {{"Text1_2", "78.54"}}},
};
INSTANTIATE_TEST_SUITE_P(Form124, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form124Window : public FormTest {};

TEST_F(Form124Window, SolidHeightAboveSecondHeightStopsAndKeepsOldResults) {
    FormBase* f = open("Form124");
    click(f, "Command1");
    type(f, "Text1_0", "2");
    type(f, "Text1_3", "22");
    type(f, "Text1_6", "47.99");
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& box = prompts().requests.first();
    EXPECT_EQ(box.text, "工作高度太低或者圈数太多！");
    EXPECT_EQ(box.title, "SpireltaSpringV2024");
    EXPECT_EQ(box.icon, PromptIcon::None);
    EXPECT_EQ(box.buttons, PromptButtons::Ok);
    EXPECT_EQ(f->text("Text6"), "0.236");
    EXPECT_EQ(f->text("Text5"), "68.87");
}

TEST_F(Form124Window, CoilMessageIsTheSameInEveryLanguage) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open("Form124");
    type(f, "Text1_5", "10");
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), "工作高度太低或者圈数太多！");
    EXPECT_EQ(f->text("Label5"), "Little\r\n\r\n OD");
}

TEST_F(Form124Window, OpensWithItsHeadingsMarksAndCaption) {
    FormBase* f = open("Form124");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1099));
    EXPECT_EQ(f->text("Label34_0"), StringTable::text(1366));
    EXPECT_EQ(f->text("Label34_1"), StringTable::text(1936));
    EXPECT_EQ(f->text("Label23_1"), StringTable::text(1368));
    EXPECT_EQ(f->text("Label23_7"), StringTable::text(1368));
    EXPECT_EQ(f->text("Label23_0"), "mm");
    EXPECT_EQ(f->text("Label13"), StringTable::text(2083));
    EXPECT_EQ(f->text("Combo1"), StringTable::text(1384));
    EXPECT_EQ(f->comboBox("Combo1")->itemText(13), "65Mn");
}

TEST_F(Form124Window, ResetEmptiesInputsAndResultsThenAsksForTheWire) {
    FormBase* f = open("Form124");
    click(f, "Command1");
    click(f, "Command4");
    for (const char* name : {"Text1_0", "Text1_6", "Text2", "Text4", "Text5", "Text6", "Text7"})
        EXPECT_EQ(f->text(name), "") << name;
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
}

TEST_F(Form124Window, ExitIsCommand5) {
    FormBase* f = open("Form124");
    click(f, "Command5");
    flush();
    EXPECT_EQ(FormRegistry::find("Form124"), nullptr);
}

} // namespace
