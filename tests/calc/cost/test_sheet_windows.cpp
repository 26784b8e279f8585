// The stamping material, stamping quotation and bend allowance windows.

#include "common/StringTable.h"
#include "support/WindowCases.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

const std::vector<ControlText> kStampingDefaults = {
    {"Text1_0", "50"}, {"Text1_1", "30"}, {"Text1_2", "1"}, {"Text1_3", "6"}, {"Text1_4", "0.01"}};

const WindowCase kExamples[] = {
    {"Form50_iron",
     "Form50",
     {{"Text1_0", "100"}, {"Text1_1", "50"}, {"Text1_2", "1"}},
     {{"Text1_3", "1.5"}, {"Text1_4", "41.96"}}},
    {"Form50_copperAtTheBand",
     "Form50",
     {{"Combo1", "紫铜"}, {"Text1_0", "60"}, {"Text1_1", "40"}, {"Text1_2", "0.5"}},
     {{"Text1_3", "1.2"}, {"Text1_4", "11.55"}}},
    {"Form50_aluminium",
     "Form50",
     {{"Combo1", "铝材"}, {"Text1_0", "200"}, {"Text1_1", "100"}, {"Text1_2", "2"}},
     {{"Text1_3", "2"}, {"Text1_4", "113.44"}}},
    {"Form50_marginOverwritten",
     "Form50",
     {{"Text1_0", "100"}, {"Text1_1", "50"}, {"Text1_2", "0"}, {"Text1_3", "9"}},
     {{"Text1_3", "1.2"}, {"Text1_4", "0.00"}}},
    {"Form50_unknownMaterial",
     "Form50",
     {{"Combo1", "铁"}, {"Text1_0", "100"}, {"Text1_1", "50"}, {"Text1_2", "1"}},
     {{"Text1_3", "1.5"}, {"Text1_4", "0.00"}}},
    {"Form51_ironDefaults", "Form51", kStampingDefaults, {{"Text2", "0.1059"}}},
    {"Form51_copper",
     "Form51",
     {{"Combo1", "紫铜"},
      {"Text1_0", "100"},
      {"Text1_1", "60"},
      {"Text1_2", "2"},
      {"Text1_3", "50"},
      {"Text1_4", "0.05"},
      {"Text1_5", "3"},
      {"Text1_6", "0.1"},
      {"Text1_7", "0.2"},
      {"Text1_8", "13"},
      {"Text1_9", "15"}},
     {{"Text2", "7.4539"}}},
    {"Form51_leadedBrass",
     "Form51",
     {{"Combo1", "铅黄铜"},
      {"Text1_0", "50"},
      {"Text1_1", "30"},
      {"Text1_2", "1"},
      {"Text1_3", "6"},
      {"Text1_4", "0.01"}},
     {{"Text2", "0.1142"}}},
    {"Form51_manganeseCopper",
     "Form51",
     {{"Combo1", "锰铜"},
      {"Text1_0", "50"},
      {"Text1_1", "30"},
      {"Text1_2", "1"},
      {"Text1_3", "6"},
      {"Text1_4", "0.01"}},
     {{"Text2", "0.1142"}}},
    {"Form61_noShape",
     "Form61",
     {{"Text1_0", "50"},
      {"Text1_1", "30"},
      {"Text1_2", "15"},
      {"Text1_3", "1"},
      {"Text1_4", "2"},
      {"Text1_5", "0.5"}},
     {{"Text1_6", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(SheetWindows, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Form50_length", "Form50", {}, 1732, "Command1", {"Text1_3", "Text1_4"}},
    {"Form50_width", "Form50", {{"Text1_0", "100"}}, 1733},
    {"Form50_thickness", "Form50", {{"Text1_0", "100"}, {"Text1_1", "50"}}, 1627, "Command1", {"Text1_3"}},
    {"Form51_width", "Form51", {}, 1635, "Command1", {"Text2"}},
    {"Form51_scrap",
     "Form51",
     {{"Text1_0", "50"},
      {"Text1_1", "30"},
      {"Text1_2", "1"},
      {"Text1_3", "6"},
      {"Text1_4", "0.01"},
      {"Text1_5", ""}},
     1753,
     "Command1",
     {"Text2"}},
    {"Form51_profit",
     "Form51",
     {{"Text1_0", "50"},
      {"Text1_1", "30"},
      {"Text1_2", "1"},
      {"Text1_3", "6"},
      {"Text1_4", "0.01"},
      {"Text1_9", ""}},
     1757},
    {"Form61_a", "Form61", {}, 1803, "Command1", {"Text1_6"}},
    {"Form61_radiusThoughUnused",
     "Form61",
     {{"Text1_0", "50"}, {"Text1_1", "30"}, {"Text1_4", "1"}, {"Text1_5", "0"}},
     1800,
     "Command1",
     {"Text1_6"}},
    {"Form61_alpha",
     "Form61",
     {{"Text1_0", "50"}, {"Text1_1", "30"}, {"Text1_3", "1"}, {"Text1_4", "1"}},
     1798},
};
INSTANTIATE_TEST_SUITE_P(SheetWindows, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

// A strip width and a step of 10^200 mm: the strip volume leaves the double range.
const std::string kHuge = "1" + std::string(200, '0');
const FaultCase kFaults[] = {
    {"Form51_overflow",
     "Form51",
     {{"Text1_0", kHuge.c_str()},
      {"Text1_1", kHuge.c_str()},
      {"Text1_2", "1"},
      {"Text1_3", "1"},
      {"Text1_4", "0"}}},
};
INSTANTIATE_TEST_SUITE_P(SheetWindows, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class SheetWindow : public FormTest {};

TEST_F(SheetWindow, LoadsTheirListsAndCaptions) {
    FormBase* f50 = open(QStringLiteral("Form50"));
    EXPECT_EQ(f50->windowTitle(), StringTable::text(1731));
    EXPECT_EQ(f50->comboBox(QStringLiteral("Combo1"))->count(), 6);
    EXPECT_EQ(f50->text(QStringLiteral("Combo1")), QStringLiteral("铁料"));
    FormBase* f51 = open(QStringLiteral("Form51"));
    EXPECT_EQ(f51->windowTitle(), StringTable::text(1736));
    expectTexts(f51, {{"Combo1", "铁料"},
                      {"Text1_5", "5"},
                      {"Text1_6", "0"},
                      {"Text1_7", "0"},
                      {"Text1_8", "17"},
                      {"Text1_9", "10"},
                      {"Label1_23", "16T-0.06分/个"},
                      {"Label1_33", "250T(双轴)--0.9分/个"}});
    EXPECT_EQ(f51->text(QStringLiteral("Label3")), StringTable::text(1737));
    FormBase* f61 = open(QStringLiteral("Form61"));
    EXPECT_EQ(f61->windowTitle(), StringTable::text(1789));
    EXPECT_EQ(f61->text(QStringLiteral("Command1")), QStringLiteral("计算       L="));
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5"})
        EXPECT_FALSE(f61->control<QRadioButton>(QString::fromLatin1(option))->isChecked()) << option;
}

TEST_F(SheetWindow, ResetListsKeepTheMaterialAndShape) {
    FormBase* f50 = open(QStringLiteral("Form50"));
    f50->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(3);
    typeAll(f50, {{"Text1_0", "100"}, {"Text1_1", "50"}, {"Text1_2", "1"}});
    click(f50, QStringLiteral("Command1"));
    click(f50, QStringLiteral("Command2"));
    expectTexts(f50, {{"Text1_0", ""},
                      {"Text1_1", ""},
                      {"Text1_2", ""},
                      {"Text1_3", ""},
                      {"Text1_4", ""},
                      {"Combo1", "紫铜"}});

    FormBase* f51 = open(QStringLiteral("Form51"));
    typeAll(f51, kStampingDefaults);
    typeAll(f51, {{"Text1_5", "1"}, {"Text1_6", "1"}, {"Text1_7", "1"}, {"Text1_8", "1"}, {"Text1_9", "1"}});
    click(f51, QStringLiteral("Command1"));
    click(f51, QStringLiteral("Command2"));
    expectTexts(f51, {{"Text1_0", ""},
                      {"Text1_4", ""},
                      {"Text1_5", "5"},
                      {"Text1_6", "0"},
                      {"Text1_7", "0"},
                      {"Text1_8", "17"},
                      {"Text1_9", "10"},
                      {"Text2", ""}});

    FormBase* f61 = open(QStringLiteral("Form61"));
    f61->control<QRadioButton>(QStringLiteral("Option2"))->setChecked(true);
    for (int i = 0; i <= 6; ++i)
        type(f61, QStringLiteral("Text1_%1").arg(i), QStringLiteral("1"));
    click(f61, QStringLiteral("Command4"));
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(f61->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    EXPECT_TRUE(f61->control<QRadioButton>(QStringLiteral("Option2"))->isChecked());
}

TEST_F(SheetWindow, BendShapesByOption) {
    struct Case {
        const char* option;
        std::vector<ControlText> inputs;
        const char* length;
    };
    const Case cases[] = {
        {"Option1", {{"Text1_0", "50"}, {"Text1_1", "30"}, {"Text1_4", "2"}, {"Text1_5", "-0.5"}}, "79.50"},
        {"Option2",
         {{"Text1_0", "20"}, {"Text1_1", "30"}, {"Text1_2", "15"}, {"Text1_4", "1"}, {"Text1_5", "0.2"}},
         "65.40"},
        {"Option2", {{"Text1_0", "20"}, {"Text1_1", "30"}, {"Text1_4", "1"}, {"Text1_5", "0.2"}}, "50.40"},
        {"Option3",
         {{"Text1_0", "25"}, {"Text1_1", "60"}, {"Text1_2", "9"}, {"Text1_4", "1.5"}, {"Text1_5", "0.35"}},
         "102.40"},
        {"Option4", {{"Text1_0", "40"}, {"Text1_1", "25"}, {"Text1_4", "1"}, {"Text1_5", "0.23"}}, "86.46"},
        {"Option5", {{"Text1_0", "100"}, {"Text1_1", "50"}, {"Text1_4", "2"}, {"Text1_5", "0.46"}}, "285.84"},
    };
    for (const Case& c : cases) {
        FormBase* f = open(QStringLiteral("Form61"));
        f->control<QRadioButton>(QString::fromLatin1(c.option))->setChecked(true);
        typeAll(f, c.inputs);
        type(f, QStringLiteral("Text1_3"), QStringLiteral("1"));
        click(f, QStringLiteral("Command1"));
        EXPECT_TRUE(prompts().requests.isEmpty()) << c.option;
        EXPECT_EQ(f->text(QStringLiteral("Text1_6")), QString::fromLatin1(c.length)) << c.option;
        f->close();
        flush();
    }
}

TEST_F(SheetWindow, BendFieldsTakeAnyCharacterAndTheDownArrowRunsThroughAllSeven) {
    FormBase* f = open(QStringLiteral("Form61"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    QLineEdit* alpha = f->field(QStringLiteral("Text1_5"));
    alpha->setFocus();
    QTest::keyClicks(alpha, QStringLiteral("-0.5"));
    EXPECT_EQ(alpha->text(), QStringLiteral("-0.5"));
    EXPECT_TRUE(prompts().requests.isEmpty());
    QTest::keyClick(alpha, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f->field(QStringLiteral("Text1_6")));
    QTest::keyClick(f->field(QStringLiteral("Text1_6")), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f->field(QStringLiteral("Text1_0")));
}

TEST_F(SheetWindow, CoefficientButtonShowsTheTableAndTheTableOutlivesTheWindow) {
    FormBase* f = open(QStringLiteral("Form61"));
    click(f, QStringLiteral("Command2"));
    FormBase* table = FormRegistry::find(QStringLiteral("Form62"));
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_TRUE(f->isVisible());
    click(f, QStringLiteral("Command3"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form61")), nullptr);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form62")), nullptr);
}

} // namespace
