// Extension spring calculator, normal mode.

#include "NormalCalcTest.h"

#include "common/StringTable.h"

namespace {

const QStringList kLoadUnits = {"Label52", "Label17", "Label19", "Label4", "Label39", "Label41"};
const QStringList kAfterCalculation = {"Command1", "Command2", "Command4", "Command7", "Command11"};

class Form10Test : public NormalCalcTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form10")); }

    // Spring steel, d 2, D 20, n 10, H0 50, stretched to 60 and 70.
    static Texts springSteelSpring() {
        return {{"Combo1", StringTable::text(1384)},
                {"Text1_0", "2"},
                {"Text1_1", "20"},
                {"Text1_2", "10"},
                {"Text1_3", "50"},
                {"Text1_4", "60"},
                {"Text1_5", "70"},
                {"Text1_6", ""}};
    }
    static QString hint(const char* length) {
        return StringTable::text(2260) + QString::fromLatin1(length) + StringTable::text(2261);
    }
    static void expectLoadUnit(FormBase* f, const char* unit) {
        for (const QString& name : kLoadUnits)
            EXPECT_EQ(f->text(name).toStdString(), unit) << qPrintable(name);
    }
};

TEST_F(Form10Test, OpensWithHintCaptionAndResultButtonsDisabled) {
    FormBase* f = form();
    EXPECT_EQ(f->windowTitle(), StringTable::text(1499));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 26);
    EXPECT_EQ(f->text("Label20"), StringTable::text(1502));
    EXPECT_EQ(f->text("Label53"), QStringLiteral("g/mm   ="));
    EXPECT_EQ(f->text("Label6"), StringTable::text(2449));
    expectLoadUnit(f, "gf");
    expectEnabled(f, kAfterCalculation, false);
    expectEnabled(f, {"Command6", "Command5", "Command8", "Command3", "Command9"}, true);
    EXPECT_TRUE(f->field("Text12")->isHidden());
    EXPECT_TRUE(f->field("Text22")->isHidden());
}

TEST_F(Form10Test, LoadBandsOfWorkedSprings) {
    struct Case {
        const char* name;
        Texts inputs;
        Texts expected;
    };
    const Case cases[] = {
        {"spring steel, two working lengths",
         springSteelSpring(),
         {{"Text21", "200.0"},
          {"Text10", "1.96"},
          {"Text19", "1256.6"},
          {"Text9", "12.3"},
          {"Text20", "3256.6"},
          {"Text6", "4262.0"},
          {"Text2", "5256.6"},
          {"Text7", "6262.0"},
          {"Text11", ""},
          {"Text8", ""},
          {"Label20", hint("140.0")},
          {"Text22", "70"},
          {"Text12", "8000"}}},
        {"fine wire, one working length",
         {{"Combo1", StringTable::text(1384)},
          {"Text1_0", "0.5"},
          {"Text1_1", "4"},
          {"Text1_2", "20"},
          {"Text1_3", "20"},
          {"Text1_4", "25"}},
         {{"Text21", "48.8"},
          {"Text10", "0.48"},
          {"Text19", "122.7"},
          {"Text9", "1.2"},
          {"Text20", "366.9"},
          {"Text6", "465.0"},
          {"Label20", hint("55.0")},
          {"Text22", "25"}}},
        {"third length below the free length gives loads below the initial tension",
         {{"Combo1", "60Si2Mn"},
          {"Text1_0", "2"},
          {"Text1_1", "20"},
          {"Text1_2", "10"},
          {"Text1_3", "50"},
          {"Text1_4", "60"},
          {"Text1_6", "45"}},
         {{"Text11", "256.6"}, {"Text8", "1262.0"}, {"Text2", ""}, {"Text22", "45"}}},
        {"material that names no row",
         {{"Combo1", "SUP"},
          {"Text1_0", "2"},
          {"Text1_1", "20"},
          {"Text1_2", "10"},
          {"Text1_3", "50"},
          {"Text1_4", "60"}},
         {{"Text12", "0"}, {"Text21", "0.0"}, {"Text19", "0.0"}, {"Text20", "0.0"}, {"Text6", "0.0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        typeAll(f, c.inputs);
        click(f, "Command6");
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        expectTexts(f, c.expected);
        expectLoadUnit(f, "gf");
        expectEnabled(f, kAfterCalculation, true);
        f->close();
        flush();
    }
}

TEST_F(Form10Test, UnitSwitchConvertsTheLoadsOnce) {
    FormBase* f = form();
    typeAll(f, springSteelSpring());
    click(f, "Command6");
    click(f, "Command9");
    const Texts inNewtons = {{"Text20", "31.91"},  {"Text6", "41.77"},  {"Text2", "51.51"},
                             {"Text7", "61.37"},   {"Text21", "200.0"}, {"Text10", "1.96"},
                             {"Text19", "1256.6"}, {"Text9", "12.3"},   {"Text11", ""},
                             {"Text8", ""}};
    expectTexts(f, inNewtons);
    expectLoadUnit(f, "N");

    click(f, "Command9");
    expectTexts(f, inNewtons);

    // A calculation stopped by an empty field leaves the loads in N.
    f->setText("Text1_4", "");
    click(f, "Command6");
    EXPECT_EQ(takeOnlyPrompt().text, StringTable::text(1383) + StringTable::text(1507));
    expectTexts(f, inNewtons);
    expectLoadUnit(f, "N");

    f->setText("Text1_4", "60");
    click(f, "Command6");
    expectTexts(f, {{"Text20", "3256.6"}, {"Text7", "6262.0"}});
    expectLoadUnit(f, "gf");
}

TEST_F(Form10Test, UnitSwitchLeavesBoxesWithoutALoadEmpty) {
    FormBase* f = form();
    click(f, "Command9");
    expectTexts(f, {{"Text20", ""}, {"Text6", ""}});
    expectLoadUnit(f, "N");

    // h3 typed after the calculation: its boxes hold no load yet.
    typeAll(f, springSteelSpring());
    click(f, "Command6");
    f->setText("Text1_6", "80");
    click(f, "Command9");
    expectTexts(f, {{"Text20", "31.91"}, {"Text11", ""}, {"Text8", ""}});
}

TEST_F(Form10Test, FirstEmptyRequiredFieldIsNamedAndOnlyTheModulusIsWritten) {
    struct Case {
        const char* name;
        Language language;
        const char* emptied;
        QString message;
    };
    const Case cases[] = {
        {"wire diameter", Language::ZhCN, "Text1_0", "请输入线径d："},
        {"free length", Language::EnUS, "Text1_3", "Please EnterFree Hight:"},
        {"first working length", Language::ZhCN, "Text1_4", "请输入拉伸至 h1："},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringTable::setLanguage(c.language);
        FormBase* f = form();
        typeAll(f, springSteelSpring());
        f->setText(c.emptied, {});
        click(f, "Command6");
        expectMissingInputPrompt(c.message);
        expectTexts(
            f, {{"Text12", "8000"}, {"Text21", ""}, {"Text22", ""}, {"Label20", StringTable::text(1502)}});
        expectEnabled(f, kAfterCalculation, false);
        f->close();
        flush();
    }
}

TEST_F(Form10Test, ArithmeticFaultStopsAndKeepsEarlierWrites) {
    struct Case {
        const char* name;
        Texts change;
        Texts expected;
    };
    const Case cases[] = {
        {"zero wire diameter", {{"Text1_0", "0"}}, {{"Text22", "60"}, {"Label20", ""}, {"Text19", ""}}},
        {"point as mean diameter", {{"Text1_1", "."}}, {{"Text22", "60"}, {"Label20", ""}, {"Text19", ""}}},
        {"zero coils",
         {{"Text1_2", "0"}},
         {{"Label20", hint("50.0")},
          {"Text19", "1256.6"},
          {"Text9", "12.3"},
          {"Text21", ""},
          {"Text20", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        typeAll(f, springSteelSpring());
        click(f, "Command6");
        click(f, "Command11");
        typeAll(f, springSteelSpring());
        typeAll(f, c.change);
        click(f, "Command6");
        EXPECT_EQ(takeOnlyPrompt().text, StringTable::text(1035));
        expectTexts(f, c.expected);
        expectEnabled(f, {"Command2", "Command7", "Command11"}, false);
        f->close();
        flush();
    }
}

TEST_F(Form10Test, ResetEmptiesFieldsAndHintButKeepsPrintAndExport) {
    FormBase* f = form();
    typeAll(f, springSteelSpring());
    click(f, "Command6");
    click(f, "Command9");
    click(f, "Command11");
    for (const char* name : {"Text1_0", "Text1_4", "Text1_5", "Text2", "Text6", "Text7", "Text9", "Text10",
                             "Text12", "Text19", "Text20", "Text21", "Label20"})
        EXPECT_EQ(f->text(name), QString()) << name;
    expectTexts(f, {{"Text22", "70"}, {"Combo1", StringTable::text(1384)}});
    expectLoadUnit(f, "gf");
    expectEnabled(f, {"Command2", "Command11", "Command7"}, false);
    expectEnabled(f, {"Command1", "Command4", "Command6"}, true);
}

TEST_F(Form10Test, DrawingSheetReceivesDimensionsAndLeastLoads) {
    FormBase* f = form();
    typeAll(f, springSteelSpring());
    click(f, "Command6");
    const QString sheet = QStringLiteral("Form133");
    // Customer, part number, hook coils, opening, hook drawing and company are the sheet's own.
    const auto ownBoxes = sheetTexts(sheet, {0, 1, 9, 10, 22, 29});
    click(f, "Command7");
    ASSERT_NE(FormRegistry::find(sheet), nullptr);
    EXPECT_TRUE(FormRegistry::find(sheet)->isVisible());
    expectSheet(sheet, {{2, StringTable::text(1384)},
                        {3, "2"},
                        {4, "22"},
                        {5, "18"},
                        {6, "20"},
                        {7, "50"},
                        {8, "10"},
                        {11, "200.0"},
                        {12, "1256.6"},
                        {13, "60"},
                        {23, "60"},
                        {14, "3256.6"},
                        {26, "3256.6"},
                        {15, "70"},
                        {24, "70"},
                        {16, "5256.6"},
                        {27, "5256.6"},
                        {17, ""},
                        {25, ""},
                        {18, ""},
                        {28, ""},
                        {19, "2"},
                        {20, "50"},
                        {21, "22"}});
    expectSheet(sheet, ownBoxes);

    // After the unit switch the loads go to the sheet in N; the user's part number stays.
    FormRegistry::writeText(sheet, "Text1_1", "TS-01");
    click(f, "Command9");
    click(f, "Command7");
    expectSheet(sheet, {{1, "TS-01"}, {14, "31.91"}, {16, "51.51"}, {12, "1256.6"}});
}

TEST_F(Form10Test, WindowCommands) {
    FormBase* f = form();
    typeAll(f, springSteelSpring());
    click(f, "Command6");
    click(f, "Command1");
    EXPECT_EQ(printed.size(), 1);
    click(f, "Command8");
    EXPECT_EQ(bitmapsWritten(), 1);

    click(f, "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find("Form10"), nullptr);
    EXPECT_NE(FormRegistry::find("Form23"), nullptr);
}

} // namespace
