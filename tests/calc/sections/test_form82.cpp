// Elliptical coil spring: the shape-factor table and the window's examples, messages and faults.
#include "calc/sections/EllipticalCoil.h"
#include "common/CheckedMath.h"
#include "support/WindowCases.h"

namespace {

TEST(EllipticalCoilFactorTable, TabulatedPointsAndSlopesAsWritten) {
    struct Row {
        double r, c;
    };
    const Row rows[] = {
        {0, 0.167},
        {0.125, 0.188},
        {0.25, 0.25},
        {0.375, 0.313},
        {0.5, 0.417},
        {0.625, 0.531},
        {1, 1},
        {0.3, 0.2752},
        {0.6757, 0.531 + 1.25 * 0.0507},
        {0.9, 0.531 + 1.25 * 0.275},
        {0.0625, 0.167 + 0.168 * 0.0625},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(ellipticalcoil::factorTable(row.r), row.c, 1e-12) << row.r;
    // The last slope is 1.25, so the segment does not quite reach 1 from the left.
    EXPECT_NEAR(ellipticalcoil::factorTable(0.999999), 0.531 + 1.25 * 0.374999, 1e-12);
}

TEST(EllipticalCoilFactorTable, RatioOutsideTheTableFaults) {
    EXPECT_THROW(ellipticalcoil::factorTable(-0.01), num::CalcFault);
    EXPECT_THROW(ellipticalcoil::factorTable(1.01), num::CalcFault);
}

const std::vector<ControlText> kSpring = {{"Text1_0", "3"}, {"Text1_1", "40"}, {"Text1_2", "28"},
                                          {"Text1_3", "6"}, {"Text1_4", "60"}, {"Text1_5", "50"},
                                          {"Text1_6", "45"}};

const WindowCase kExamples[] = {
    {"SpringSteel",
     "Form82",
     kSpring,
     {{"Text2_0", "0.45"},
      {"Text2_1", "4.517"},
      {"Text2_3", "44.270"},
      {"Text2_2", "6.776"},
      {"Text2_4", "66.404"}}},
    {"RoundCoil",
     "Form82",
     with(kSpring, {{"Text1_2", "40"}}),
     {{"Text2_0", "0.27"},
      {"Text2_1", "2.665"},
      {"Text2_3", "26.119"},
      {"Text2_2", "3.998"},
      {"Text2_4", "39.178"}}},
    {"WidthEqualToWire", "Form82", with(kSpring, {{"Text1_2", "3"}}), {{"Text2_0", "1.57"}}},
    {"Brass",
     "Form82",
     with(kSpring, {{"Combo1", "黄铜线 BsW"}}),
     {{"Text2_0", "0.23"},
      {"Text2_1", "2.259"},
      {"Text2_3", "22.134"},
      {"Text2_2", "3.388"},
      {"Text2_4", "33.202"}}},
    {"ClosedCoilsEqualToL2", "Form82", with(kSpring, {{"Text1_3", "13"}}), {{"Text2_0", "0.21"}}},
    {"UnknownMaterial",
     "Form82",
     with(kSpring, {{"Combo1", "unobtainium"}}),
     {{"Text2_0", "0.00"},
      {"Text2_1", "0.000"},
      {"Text2_3", "0.000"},
      {"Text2_2", "0.000"},
      {"Text2_4", "0.000"}}},
    {"HalfReadAsOne", "Form82", with(kSpring, {{"Text1_0", "3/2"}}), {{"Text2_0", "0.45"}}},
};
INSTANTIATE_TEST_SUITE_P(Form82, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"AllEmpty", "Form82", {}, 1333, "Command1", {"Text2_0"}},
    {"Length", "Form82", {{"Text1_0", "3"}}, 1904},
    {"Width", "Form82", {{"Text1_0", "3"}, {"Text1_1", "40"}}, 1903},
    {"SecondHeight", "Form82", with(kSpring, {{"Text1_6", ""}}), 2085},
};
INSTANTIATE_TEST_SUITE_P(Form82, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"LengthEqualToWire", "Form82", with(kSpring, {{"Text1_1", "3"}})},
    {"NoCoils", "Form82", with(kSpring, {{"Text1_3", "0"}})},
    {"WidthAboveLength", "Form82", with(kSpring, {{"Text1_2", "41"}})},
    {"WidthBelowWire", "Form82", with(kSpring, {{"Text1_2", "2"}})},
};
INSTANTIATE_TEST_SUITE_P(Form82, InputFault, ::testing::ValuesIn(kFaults), caseName<InputFault::ParamType>);

class Form82Test : public FormTest {};

TEST_F(Form82Test, CoilsThatDoNotFitStopBeforeAnyResult) {
    FormBase* f = open(QStringLiteral("Form82"));
    typeAll(f, with(kSpring, {{"Text1_3", "14"}}));
    f->setText(QStringLiteral("Text2_0"), QStringLiteral("old"));
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(2405));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    EXPECT_EQ(f->text(QStringLiteral("Text2_0")), QStringLiteral("old"));
}

TEST_F(Form82Test, RatioOutsideTheTableWritesNoResult) {
    FormBase* f = open(QStringLiteral("Form82"));
    typeAll(f, with(kSpring, {{"Text1_2", "41"}}));
    f->setText(QStringLiteral("Text2_4"), QStringLiteral("old"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text2_0")), QString());
    EXPECT_EQ(f->text(QStringLiteral("Text2_4")), QStringLiteral("old"));
}

TEST_F(Form82Test, ResetEmptiesInputsAndResultsAndKeepsTheMaterial) {
    FormBase* f = open(QStringLiteral("Form82"));
    typeAll(f, with(kSpring, {{"Combo1", "65Mn"}}));
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    for (const char* name : {"Text1_0", "Text1_6", "Text2_0", "Text2_4"})
        EXPECT_EQ(f->text(QString::fromLatin1(name)), QString()) << name;
    EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("65Mn"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
}

TEST_F(Form82Test, MaterialListInItsOwnOrder) {
    FormBase* f = open(QStringLiteral("Form82"));
    auto* list = f->comboBox(QStringLiteral("Combo1"));
    ASSERT_EQ(list->count(), 20);
    EXPECT_EQ(list->currentText(), StringTable::text(1384));
    EXPECT_EQ(list->itemText(13), QStringLiteral("65Mn"));
    EXPECT_EQ(list->itemText(19), QStringLiteral("60Si2CrVA"));
    EXPECT_EQ(f->windowTitle(), StringTable::text(1101));
}

} // namespace
