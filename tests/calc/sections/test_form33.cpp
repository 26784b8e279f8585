// The square-wire spring: the worked examples, the required fields in order, the faults and the
// reset.

#include "support/WindowCases.h"

namespace {

const WindowCase kExamples[] = {
    {"CarbonSteel",
     "Form33",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "5"}, {"Text1_3", "10"}},
     {{"Text1_4", "5.6732"}, {"Text1_5", "56.7325"}}},
    {"StainlessWithFractionalInput",
     "Form33",
     {{"Combo1", "不锈钢线 SUS304"},
      {"Text1_0", "3"},
      {"Text1_1", "30"},
      {"Text1_2", "8"},
      {"Text1_3", "12"}},
     {{"Text1_4", "4.7801"}, {"Text1_5", "57.3609"}}},
    {"NoCompression",
     "Form33",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "5"}, {"Text1_3", "0"}, {"Text1_5", "77"}},
     {{"Text1_4", "5.6732"}, {"Text1_5", "0.0000"}}},
    // "1/2" reads 1 and "." reads 0; a typed material matches no row.
    {"UnknownMaterialGivesZero",
     "Form33",
     {{"Combo1", "steel"}, {"Text1_0", "1/2"}, {"Text1_1", "20"}, {"Text1_2", "5"}, {"Text1_3", "."}},
     {{"Text1_4", "0.0000"}, {"Text1_5", "0.0000"}}},
};
INSTANTIATE_TEST_SUITE_P(Form33, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"SideNamedByItsMessageText", "Form33", {{"Text1_2", ""}}, 1628},
    {"MeanDiameter", "Form33", {{"Text1_0", "2"}}, 1332},
    {"ActiveCoils", "Form33", {{"Text1_0", "2"}, {"Text1_1", "20"}}, 1373},
    {"Compression",
     "Form33",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "5"}, {"Text1_4", "1"}, {"Text1_5", "2"}},
     1806,
     "Command1",
     {"Text1_4", "Text1_5"}},
};
INSTANTIATE_TEST_SUITE_P(Form33, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"NoMeanDiameter", "Form33", {{"Text1_0", "2"}, {"Text1_1", "0"}, {"Text1_2", "5"}, {"Text1_3", "1"}}},
    {"NoCoils", "Form33", {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "/"}, {"Text1_3", "1"}}},
};
INSTANTIATE_TEST_SUITE_P(Form33, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form33Window : public FormTest {};

TEST_F(Form33Window, FaultWritesNothing) {
    FormBase* f = open("Form33");
    typeAll(f, {{"Text1_0", "2"},
                {"Text1_1", "20"},
                {"Text1_2", "0"},
                {"Text1_3", "1"},
                {"Text1_4", "x"},
                {"Text1_5", "y"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_4", "x"}, {"Text1_5", "y"}});
}

TEST_F(Form33Window, OpensWithEmptyFieldsAndTheEightMaterials) {
    FormBase* f = open("Form33");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1095));
    EXPECT_EQ(f->text("Label1_18"), StringTable::text(1646));
    EXPECT_EQ(f->text("Label1_0"), StringTable::text(1479));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 8);
    EXPECT_EQ(f->text("Combo1"), StringTable::text(1336));
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "");
    EXPECT_EQ(f->findChild<QPushButton*>("Command3"), nullptr);
}

TEST_F(Form33Window, ResetEmptiesAllSixBoxesAndKeepsTheMaterial) {
    FormBase* f = open("Form33");
    typeAll(f,
            {{"Combo1", "钛合金"}, {"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "5"}, {"Text1_3", "10"}});
    click(f, "Command1");
    EXPECT_EQ(f->text("Text1_4"), "3.0162"); // 42000 MPa
    click(f, "Command2");
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "");
    EXPECT_EQ(f->text("Combo1"), "钛合金");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1628));
}

} // namespace
