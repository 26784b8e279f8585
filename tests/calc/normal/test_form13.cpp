// Conical spring calculator, normal mode.

#include "NormalCalcTest.h"

#include "common/StringTable.h"

namespace {

const QStringList kResultButtons = {"Command2", "Command3", "Command4", "Command5", "Command6"};

class Form13Test : public NormalCalcTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form13")); }

    // Spring steel, d 2, OD1 20, OD2 30, n 5, H0 40, h1 30, h2 as given.
    static Texts towerSpring(const QString& h2 = "20") {
        return {{"Combo1", StringTable::text(1384)},
                {"Text10_0", "2"},
                {"Text10_1", "20"},
                {"Text10_2", "30"},
                {"Text10_3", "5"},
                {"Text10_4", "40"},
                {"Text10_5", "30"},
                {"Text10_6", h2}};
    }
    // Coils that nest: the radial step of each coil is larger than the wire.
    static Texts nestingSpring(const QString& h2 = {}) {
        return {{"Combo1", StringTable::text(1384)},
                {"Text10_0", "1"},
                {"Text10_1", "10"},
                {"Text10_2", "30"},
                {"Text10_3", "5"},
                {"Text10_4", "20"},
                {"Text10_5", "15"},
                {"Text10_6", h2}};
    }
    static QString text(int id) { return StringTable::text(id); }
    static Texts notAboveContact(const char* caption, const char* connector, int captionId) {
        return {{caption, text(captionId)}, {connector, text(2266)}};
    }
    static Texts aboveContact(const char* caption, const char* connector, int captionId) {
        return {{caption, text(captionId)}, {connector, text(2269)}};
    }
    static Texts join(Texts a, const Texts& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(Form13Test, OpensWithDesignCaptionsAndOnlyCalculateSwitchAndExitEnabled) {
    FormBase* f = form();
    EXPECT_EQ(f->windowTitle(), text(1510));
    EXPECT_EQ(f->comboBox("Combo1")->count(), 26);
    EXPECT_EQ(f->text("Combo1"), text(1384));
    expectTexts(f, {{"Label50", text(1516)},
                    {"Label48", text(1517)},
                    {"Label19", "gf   ="},
                    {"Label13", "gf   ="},
                    {"Label55", "mm"},
                    {"Label24", "Fz"},
                    {"Label40", "lz"},
                    {"Label28", "Fb"},
                    {"Label14", "lb"}});
    expectEnabled(f, kResultButtons, false);
    expectEnabled(f, {"Command1", "Command7", "Command8"}, true);
    EXPECT_TRUE(f->field("Text5")->isHidden());
}

TEST_F(Form13Test, ContactAndSolidPointsAndWorkingLoads) {
    struct Case {
        const char* name;
        Texts inputs;
        Texts expected;
    };
    const Case cases[] = {
        {"tower spring: F1 below the first contact, F2 above it", towerSpring(),
         join({{"Text5", "8000"},
               {"Text8", "2.461"},
               {"Text12", "39.1"},
               {"Label24", "39.1"},
               {"Text13", "24.1"},
               {"Label40", "24.1"},
               {"Text14", "147.0"},
               {"Label28", "147.0"},
               {"Text15", "12.7"},
               {"Label14", "12.7"},
               {"Label55", text(2262) + "12.7mm"},
               {"Text16", "24.61"},
               {"Text1", "2511.4"},
               {"Text17", "49.22"},
               {"Text2", "5022.76"}},
              join(notAboveContact("Label50", "Label19", 2268), aboveContact("Label48", "Label13", 2264)))},
        {"nesting coils stack at the wire only", nestingSpring(),
         join({{"Text15", "2.0"},
               {"Text8", "0.224"},
               {"Text12", "1.4"},
               {"Text13", "13.5"},
               {"Text14", "48.4"},
               {"Text17", ""},
               {"Text2", ""}},
              join(notAboveContact("Label50", "Label19", 2268),
                   {{"Label48", text(1517)}, {"Label13", "gf   ="}}))},
        {"radial step exactly the wire: no spacing",
         {{"Text10_0", "1"},
          {"Text10_1", "11"},
          {"Text10_2", "21"},
          {"Text10_3", "5"},
          {"Text10_4", "20"},
          {"Text10_5", "15"}},
         {{"Text15", "2.0"}, {"Label14", "2.0"}}},
        {"working height equal to the solid height is computed", nestingSpring("2"),
         join({{"Text17", "4.03"}, {"Text2", "411.01"}}, aboveContact("Label48", "Label13", 2264))},
        {"working height above the free height gives a negative load", nestingSpring("25"),
         join({{"Text17", "-1.12"}, {"Text2", "-114.17"}}, notAboveContact("Label48", "Label13", 2265))},
        {"F1 above the first contact", join(towerSpring(""), {{"Text10_5", "10"}}),
         join({{"Text16", "73.83"}, {"Text1", "7534.1"}}, aboveContact("Label50", "Label19", 2267))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        typeAll(f, c.inputs);
        click(f, "Command1");
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        expectTexts(f, c.expected);
        expectEnabled(f, kResultButtons, true);
        f->close();
        flush();
    }
}

TEST_F(Form13Test, SecondWorkingHeightBelowSolidHeightIsTooSmall) {
    FormBase* f = form();
    typeAll(f, towerSpring());
    click(f, "Command1");
    f->setText("Text10_6", "1");
    f->setText("Text10_5", "10");
    click(f, "Command1");
    // The F2 row keeps what the first calculation showed, except the note in place of the load.
    expectTexts(
        f, join({{"Text17", text(2263)}, {"Text2", "5022.76"}, {"Text16", "73.83"}},
                join(aboveContact("Label48", "Label13", 2264), aboveContact("Label50", "Label19", 2267))));

    // An empty h2 leaves the whole F2 row as it is.
    f->setText("Text10_6", "");
    f->setText("Text10_5", "30");
    click(f, "Command1");
    expectTexts(f, join({{"Text17", text(2263)}, {"Text2", "5022.76"}, {"Text16", "24.61"}},
                        notAboveContact("Label50", "Label19", 2268)));
}

TEST_F(Form13Test, EmptyRequiredFieldStillSetsTheF1CaptionsAndChangesNoButton) {
    struct Case {
        const char* name;
        Language language;
        const char* emptied;
        QString message;
    };
    const Case cases[] = {
        {"wire diameter", Language::ZhCN, "Text10_0", "请输入线径d："},
        {"large outer diameter", Language::EnUS, "Text10_2", "Please EnterBig  OD2"},
        {"first working height", Language::ZhCN, "Text10_5", "请输入荷重高 h1："},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringTable::setLanguage(c.language);
        FormBase* f = form();
        typeAll(f, towerSpring());
        f->setText(c.emptied, {});
        click(f, "Command1");
        expectMissingInputPrompt(c.message);
        expectTexts(f, join({{"Text5", "8000"}, {"Text8", ""}, {"Text12", ""}, {"Label24", "Fz"}},
                            notAboveContact("Label50", "Label19", 2268)));
        // No simulation or drawing can start from results that were never computed.
        expectEnabled(f, kResultButtons, false);
        f->close();
        flush();
    }
}

TEST_F(Form13Test, ArithmeticFaultKeepsEarlierBoxesCaptionsAndButtons) {
    struct Case {
        const char* name;
        Texts change;
        Texts expected;
    };
    const Case cases[] = {
        {"zero coils", {{"Text10_3", "0"}}, {{"Text8", "2.461"}, {"Text12", "39.1"}}},
        {"equal end diameters", {{"Text10_1", "30"}}, {{"Text8", "2.461"}, {"Text15", "12.7"}}},
        {"end diameter equal to the wire: the solid load divides by a zero radius",
         {{"Text10_1", "2"}},
         {{"Text8", "5.714"}, {"Text12", "51.4"}, {"Text14", "147.0"}}},
        {"small end wider than the large end by more than 2 n d",
         {{"Text10_1", "60"}},
         {{"Text8", "0.352"}, {"Text12", "39.1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormBase* f = form();
        typeAll(f, towerSpring());
        click(f, "Command1");
        click(f, "Command2");
        typeAll(f, towerSpring("1"));
        click(f, "Command1");
        // A first successful run leaves h2 "too small" and captions set; the reset then
        // disables the buttons so that the faulty run can be seen to leave them alone.
        click(f, "Command2");
        typeAll(f, towerSpring());
        click(f, "Command1");
        ASSERT_TRUE(prompts().requests.isEmpty());
        f->setText("Text10_5", "10");
        typeAll(f, c.change);
        click(f, "Command1");
        EXPECT_EQ(takeOnlyPrompt().text, text(1035));
        expectTexts(f, join(c.expected, join(notAboveContact("Label50", "Label19", 2268),
                                             aboveContact("Label48", "Label13", 2264))));
        expectEnabled(f, kResultButtons, true);
        expectNoInfOrNan(f);
        f->close();
        flush();
    }
}

TEST_F(Form13Test, FaultAfterResetLeavesButtonsDisabled) {
    FormBase* f = form();
    typeAll(f, towerSpring());
    click(f, "Command1");
    click(f, "Command2");
    typeAll(f, join(towerSpring(), {{"Text10_3", "0"}}));
    click(f, "Command1");
    EXPECT_EQ(takeOnlyPrompt().text, text(1035));
    expectEnabled(f, kResultButtons, false);
}

TEST_F(Form13Test, UnmatchedMaterialHasNoModulusAndStops) {
    // In a new window there is no earlier modulus: the rate is 0 and the contact height faults.
    FormBase* f = form();
    typeAll(f, join(towerSpring(), {{"Combo1", "SUP"}}));
    click(f, "Command1");
    EXPECT_EQ(takeOnlyPrompt().text, text(1035));
    expectTexts(f,
                {{"Text5", "0"}, {"Text8", "0.000"}, {"Text12", "0.0"}, {"Label24", "0.0"}, {"Text13", ""}});

    // After a calculation with a real material, an unknown one does not borrow its modulus.
    f->setText("Combo1", text(1390));
    click(f, "Command1");
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectTexts(f, {{"Text5", "4500"}, {"Text8", "1.384"}});
    f->setText("Combo1", "BeCu");
    click(f, "Command1");
    EXPECT_EQ(takeOnlyPrompt().text, text(1035));
    expectTexts(f, {{"Text5", "0"}, {"Text8", "0.000"}});
}

TEST_F(Form13Test, ResetKeepsSolidHeightNoteAndModulus) {
    FormBase* f = form();
    typeAll(f, towerSpring());
    click(f, "Command1");
    click(f, "Command2");
    for (const char* name : {"Text10_0", "Text10_6", "Text1", "Text2", "Text8", "Text12", "Text13", "Text14",
                             "Text15", "Text16", "Text17"})
        EXPECT_EQ(f->text(name), QString()) << name;
    expectTexts(f, {{"Text5", "8000"},
                    {"Label55", text(2262) + "12.7mm"},
                    {"Label24", "39.1"},
                    {"Label48", text(2264)},
                    {"Combo1", text(1384)}});
    expectEnabled(f, kResultButtons, false);
    expectEnabled(f, {"Command1", "Command7", "Command8"}, true);
}

TEST_F(Form13Test, DrawingSheetReceivesInputsAsReadAndShownResults) {
    FormBase* f = form();
    typeAll(f, join(towerSpring("1"), {{"Text10_0", "2.0"}, {"Text10_5", "30.0"}}));
    click(f, "Command1");
    const QString sheet = QStringLiteral("Form134");
    // Customer, part number, hand, end coils, pitch and company are the sheet's own.
    const auto ownBoxes = sheetTexts(sheet, {0, 1, 9, 10, 11, 29});
    click(f, "Command5");
    ASSERT_NE(FormRegistry::find(sheet), nullptr);
    EXPECT_TRUE(FormRegistry::find(sheet)->isVisible());
    expectSheet(sheet, {{2, text(1384)}, {3, "2"},      {19, "2"},    {4, "20"},        {17, "20"},
                        {5, "30"},       {18, "30"},    {6, "40"},    {20, "40"},       {7, "5"},
                        {8, "7"},        {12, "2.461"}, {13, "30.0"}, {22, "30.0"},     {14, "24.61"},
                        {23, "24.61"},   {15, "1"},     {21, "1"},    {16, text(2263)}, {24, text(2263)}});
    expectSheet(sheet, ownBoxes);

    // Without h2 the height boxes empty and the load boxes take what Text17 shows.
    f->setText("Text10_6", "");
    click(f, "Command5");
    expectSheet(sheet, {{15, ""}, {21, ""}, {16, text(2263)}, {24, text(2263)}});
    expectSheet(sheet, ownBoxes);
}

TEST_F(Form13Test, WindowCommands) {
    FormBase* f = form();
    typeAll(f, towerSpring());
    click(f, "Command1");
    click(f, "Command3");
    EXPECT_EQ(printed.size(), 1);
    click(f, "Command6");
    EXPECT_EQ(bitmapsWritten(), 1);

    click(f, "Command7");
    flush();
    EXPECT_EQ(FormRegistry::find("Form13"), nullptr);
    EXPECT_NE(FormRegistry::find("Form11"), nullptr);

    FormBase* again = open("Form13");
    ASSERT_NE(again, nullptr);
    click(again, "Command8");
    flush();
    EXPECT_EQ(FormRegistry::find("Form13"), nullptr);
}

} // namespace
