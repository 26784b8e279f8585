// Torsion spring calculator, normal mode.

#include "NormalCalcTest.h"

#include "common/StringTable.h"

namespace {

class Form9Test : public NormalCalcTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form9")); }

    // Piano wire, d 2, D 16, n 5, legs 20 and 20.
    static Texts pianoWireSpring(const QString& a2, const QString& a3, const QString& arm = {}) {
        return {{"Combo1", StringTable::text(1337)},
                {"Text1_0", "2"},
                {"Text1_1", "16"},
                {"Text1_2", "5"},
                {"Text1_3", "90"},
                {"Text1_4", a2},
                {"Text1_5", a3},
                {"Text1_6", "20"},
                {"Text1_7", "20"},
                {"Text1_8", arm}};
    }
};

const QStringList kAfterCalculation = {"Command1", "Command2", "Command7", "Command10"};

TEST_F(Form9Test, OpensEmptyWithResultButtonsDisabled) {
    FormBase* f = form();
    EXPECT_EQ(f->windowTitle(), StringTable::text(1483));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 26);
    EXPECT_EQ(f->text("Combo1"), StringTable::text(1384));
    expectEnabled(f, kAfterCalculation, false);
    expectEnabled(f, {"Command4", "Command6", "Command5", "Command3"}, true);
    EXPECT_EQ(f->field("Text8")->toolTip(), QStringLiteral("建议4~16"));
    EXPECT_EQ(f->text("Command7"), QStringLiteral("出图"));
    EXPECT_TRUE(f->field("Text11")->isHidden());
    EXPECT_TRUE(f->field("Text27")->isHidden());
}

TEST_F(Form9Test, PianoWireSpringTorquesAndLoads) {
    struct Case {
        const char* name;
        Texts inputs;
        Texts expected;
    };
    const Case cases[] = {
        {"three angles, arm from L1",
         pianoWireSpring("180", "270"),
         {{"Text11", "21000"},
          {"Text8", "8.00"},
          {"Text7", "1.11"},
          {"Text3", "1.088"},
          {"Text13", "4.894"},
          {"Text10", "47.961"},
          {"Text12", "97.889"},
          {"Text9", "959.312"},
          {"Text21", "13.00"},
          {"Text2", "9.789"},
          {"Text5", "95.932"},
          {"Text19", "195.779"},
          {"Text20", "1918.634"},
          {"Text22", "12.30"},
          {"Text17", "14.683"},
          {"Text18", "143.897"},
          {"Text4", "293.668"},
          {"Text6", "2877.946"},
          {"Text27", "270"}}},
        {"arm R1 10 doubles every load, torques unchanged",
         pianoWireSpring("180", "270", "10"),
         {{"Text13", "9.789"},
          {"Text10", "95.932"},
          {"Text12", "97.889"},
          {"Text2", "19.578"},
          {"Text5", "191.864"},
          {"Text19", "195.779"},
          {"Text17", "29.367"},
          {"Text18", "287.795"},
          {"Text4", "293.668"}}},
        {"a3 without a2: body length without a2, no inner diameter",
         pianoWireSpring("", "270"),
         {{"Text21", "12.00"},
          {"Text17", "14.683"},
          {"Text4", "293.668"},
          {"Text2", ""},
          {"Text22", ""},
          {"Text27", "270"}}},
        {"only the required fields",
         pianoWireSpring("", ""),
         {{"Text13", "4.894"},
          {"Text12", "97.889"},
          {"Text21", "12.00"},
          {"Text2", ""},
          {"Text5", ""},
          {"Text19", ""},
          {"Text20", ""},
          {"Text22", ""},
          {"Text17", ""},
          {"Text18", ""},
          {"Text4", ""},
          {"Text6", ""},
          {"Text27", "90"}}},
        {"fractional inputs stop at the slash",
         {{"Combo1", StringTable::text(1338)},
          {"Text1_0", "1/2"},
          {"Text1_1", "10"},
          {"Text1_2", "4"},
          {"Text1_3", "45"},
          {"Text1_6", "15"},
          {"Text1_7", "15"}},
         {{"Text11", "19000"}, {"Text8", "10.00"}, {"Text7", "1.08"}, {"Text21", "5.00"}}},
        {"material that names no row",
         {{"Combo1", "SUS304"},
          {"Text1_0", "2"},
          {"Text1_1", "16"},
          {"Text1_2", "5"},
          {"Text1_3", "90"},
          {"Text1_5", "270"},
          {"Text1_6", "20"},
          {"Text1_7", "20"}},
         {{"Text11", "0"},
          {"Text3", "0.000"},
          {"Text13", "0.000"},
          {"Text12", "0.000"},
          {"Text17", "0.000"},
          {"Text18", "0.000"},
          {"Text8", "8.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        typeAll(f, c.inputs);
        click(f, "Command4");
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        expectTexts(f, c.expected);
        expectEnabled(f, kAfterCalculation, true);
        f->close();
        flush();
    }
}

TEST_F(Form9Test, AngleLeftEmptyKeepsTheBoxesOfAnEarlierCalculation) {
    FormBase* f = form();
    typeAll(f, pianoWireSpring("180", "270"));
    click(f, "Command4");
    typeAll(f, {{"Text1_4", ""}, {"Text1_5", ""}, {"Text1_3", "45"}});
    click(f, "Command4");
    expectTexts(f, {{"Text13", "2.447"},
                    {"Text21", "12.00"},
                    {"Text2", "9.789"},
                    {"Text22", "12.30"},
                    {"Text17", "14.683"},
                    {"Text6", "2877.946"},
                    {"Text27", "45"}});
}

TEST_F(Form9Test, FirstEmptyRequiredFieldIsNamed) {
    struct Case {
        const char* name;
        Language language;
        QStringList empty;
        QString message;
    };
    const Case cases[] = {
        {"wire diameter", Language::ZhCN, {"Text1_0"}, "请输入线径d："},
        {"coils before angle", Language::ZhCN, {"Text1_2", "Text1_3"}, "请输入有效圈数n："},
        {"leg L1 with its trailing blank", Language::EnUS, {"Text1_6"}, "Please EnterForceArm L1 "},
        {"leg L2", Language::EnUS, {"Text1_7"}, "Please EnterForceArm L2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringTable::setLanguage(c.language);
        FormBase* f = form();
        typeAll(f, pianoWireSpring("180", ""));
        for (const QString& name : c.empty)
            f->setText(name, {});
        click(f, "Command4");
        expectMissingInputPrompt(c.message);
        // The modulus is written before the test; nothing else is.
        EXPECT_EQ(f->text("Text11").toStdString(), "21000");
        EXPECT_EQ(f->text("Text8"), QString());
        expectEnabled(f, kAfterCalculation, false);
        f->close();
        flush();
    }
}

TEST_F(Form9Test, ArithmeticFaultStopsAndKeepsEarlierWrites) {
    struct Case {
        const char* name;
        Texts change;
        Texts expected;
    };
    const Case cases[] = {
        {"zero wire diameter", {{"Text1_0", "0"}}, {{"Text11", "21000"}, {"Text8", "8.00"}, {"Text3", ""}}},
        {"wire as thick as the mean diameter",
         {{"Text1_0", "16"}},
         {{"Text8", "1.00"}, {"Text7", "1.11"}, {"Text3", ""}}},
        {"zero arm", {{"Text1_8", "0"}}, {{"Text3", "1.088"}, {"Text13", ""}, {"Text10", ""}}},
        {"zero coils with a2 given",
         {{"Text1_2", "0"}, {"Text1_3", "45"}},
         {{"Text3", "21.594"},
          {"Text13", "48.586"},
          {"Text2", "194.344"}, // the single 194.344498...
          {"Text21", "3.00"},
          {"Text22", ""},
          {"Text27", "180"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        // A first calculation fills the boxes; the reset empties most of them again.
        typeAll(f, pianoWireSpring("180", ""));
        click(f, "Command4");
        click(f, "Command10");
        typeAll(f, pianoWireSpring("180", ""));
        typeAll(f, c.change);
        click(f, "Command4");
        EXPECT_EQ(takeOnlyPrompt().text, StringTable::text(1035));
        expectTexts(f, c.expected);
        // Reset disabled these; a stopped calculation does not enable them again.
        expectEnabled(f, {"Command2", "Command7", "Command10"}, false);
        expectNoInfOrNan(f);
        f->close();
        flush();
    }
}

TEST_F(Form9Test, ResetEmptiesInputsAndLoadsButKeepsIndexAndFactor) {
    FormBase* f = form();
    typeAll(f, pianoWireSpring("180", "270"));
    click(f, "Command4");
    click(f, "Command10");
    for (const char* name :
         {"Text1_0", "Text1_3", "Text1_8", "Text2", "Text3", "Text4", "Text5", "Text6", "Text9", "Text10",
          "Text11", "Text12", "Text13", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22"})
        EXPECT_EQ(f->text(name), QString()) << name;
    expectTexts(
        f, {{"Text8", "8.00"}, {"Text7", "1.11"}, {"Text27", "270"}, {"Combo1", StringTable::text(1337)}});
    expectEnabled(f, {"Command7", "Command10", "Command2"}, false);
    expectEnabled(f, {"Command1", "Command4"}, true);
}

TEST_F(Form9Test, DrawingSheetReceivesInputsAndNewtonValues) {
    FormBase* f = form();
    typeAll(f, pianoWireSpring("180", "270"));
    click(f, "Command4");
    const QString sheet = QStringLiteral("Form135");
    // Customer, part number, hand, end coils, free angle and company are the sheet's own.
    const auto ownBoxes = sheetTexts(sheet, {0, 1, 10, 11, 23, 29});
    click(f, "Command7");
    ASSERT_NE(FormRegistry::find(sheet), nullptr);
    EXPECT_TRUE(FormRegistry::find(sheet)->isVisible());
    expectSheet(sheet, {{2, StringTable::text(1337)},
                        {3, "2"},
                        {19, "2"},
                        {4, "18"},
                        {5, "14"},
                        {6, "16"},
                        {20, "16"},
                        {7, "12"},
                        {24, "12"},
                        {8, "5"},
                        {9, "5"},
                        {12, "10.6624"},
                        {13, "90"},
                        {14, "959.312"},
                        {15, "180"},
                        {16, "1918.634"},
                        {17, "270"},
                        {18, "2877.946"},
                        {21, "20"},
                        {22, "20"}});
    expectSheet(sheet, ownBoxes);

    // A second fill replaces only the boxes it writes: the user's customer stays.
    FormRegistry::writeText(sheet, "Text1_0", "客户甲");
    f->setText("Text1_0", "2.5");
    click(f, "Command7");
    expectSheet(sheet, {{0, "客户甲"}, {3, "2.5"}, {4, "18.5"}, {7, "15"}, {10, ownBoxes.at(10)}});
}

TEST_F(Form9Test, DrawingSheetFillThatFaultsLeavesTheSheetAlone) {
    FormBase* f = form();
    typeAll(f, pianoWireSpring("180", "270"));
    click(f, "Command4");
    // Outer diameter d + D beyond the double range.
    const QString huge = "1" + QString(308, u'0');
    typeAll(f, {{"Text1_0", huge}, {"Text1_1", huge}});
    click(f, "Command7");
    EXPECT_EQ(takeOnlyPrompt().text, StringTable::text(1035));
    EXPECT_EQ(FormRegistry::find("Form135"), nullptr);
}

TEST_F(Form9Test, WindowCommands) {
    FormBase* f = form();
    typeAll(f, pianoWireSpring("", ""));
    click(f, "Command4");

    click(f, "Command1");
    ASSERT_EQ(printed.size(), 1);
    EXPECT_FALSE(printed[0].isNull());

    click(f, "Command6");
    EXPECT_EQ(bitmapsWritten(), 1);
    prompts().clear();

    // The "(4~16)" hint starts a mail to the publisher.
    QTest::mouseClick(f->label("Label4"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], contactlinks::publisherMail());

    click(f, "Command5");
    flush();
    EXPECT_EQ(FormRegistry::find("Form9"), nullptr);
}

TEST_F(Form9Test, ExpertButtonSwitchesToTheExpertWindow) {
    FormBase* f = form();
    f->setText("Text1_0", "2");
    click(f, "Command3");
    flush();
    EXPECT_EQ(FormRegistry::find("Form9"), nullptr);
    ASSERT_NE(FormRegistry::find("Form22"), nullptr);
    // Switching back starts from the load-time defaults.
    FormRegistry::switchTo(FormRegistry::find("Form22"), "Form9");
    flush();
    ASSERT_NE(FormRegistry::find("Form9"), nullptr);
    EXPECT_EQ(FormRegistry::find("Form9")->text("Text1_0"), QString());
}

} // namespace
