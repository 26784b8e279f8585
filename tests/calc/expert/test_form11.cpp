// The conical spring calculator in expert mode: its worked example, contact and nesting coils,
// the index verdict, the second working height, required fields, faults, reset and buttons.

#include "calc/expert/ExpertCalcTest.h"

#include <QLabel>

namespace {

using namespace expertcalc;

const Texts kSpring = {{"Text10_0", "7000"}, {"Text10_1", "3"},  {"Text10_2", "20"}, {"Text10_3", "30"},
                       {"Text10_4", "6"},    {"Text10_5", "45"}, {"Text10_6", "35"}, {"Text10_7", "25"}};

const QStringList kResultButtons = {"Command2", "Command3", "Command4", "Command6"};

class Form11Test : public ExpertCalcTest {
protected:
    Form11Test() : ExpertCalcTest(QStringLiteral("Form11"), QStringLiteral("Command1")) {}

    void calculate(const Texts& inputs = kSpring) { typeAndCalculate(inputs); }
};

TEST_F(Form11Test, LoadsWithItsDesignDefaults) {
    EXPECT_EQ(form->windowTitle(), StringTable::text(2188));
    expectTexts(form, {{"Text10_0", "7000"},
                       {"Text10_1", ""},
                       {"Label30", "?"},
                       {"Label31", "?"},
                       {"Label24", "Fz"},
                       {"Label40", "lz"},
                       {"Label28", "Fb"},
                       {"Label14", "lb"},
                       {"Label27", "mm"},
                       {"Label50", StringTable::text(2192)},
                       {"Label19", "gf   ="},
                       {"Command7", StringTable::text(1405)},
                       {"Command4", StringTable::text(1355)}});
    EXPECT_EQ(form->field(QStringLiteral("Text10_0"))->toolTip(), StringTable::text(2277));
    expectEnabled(form, kResultButtons, false);
    EXPECT_TRUE(form->button(QStringLiteral("Command1"))->isDefault());
}

TEST_F(Form11Test, WorkedExample) {
    calculate();
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const QString solidNote = StringTable::text(2262) + "23.3mm";
    expectTexts(form, {{"Label30", StringTable::text(2275)},
                       {"Text6", "9.00"},
                       {"Label31", "OK"},
                       {"Text7", "1.16"},
                       {"Text8", "10.338"},
                       {"Text9", "6.00"},
                       {"Text12", "110.0"},
                       {"Label24", "110.0"},
                       {"Text13", "34.4"},
                       {"Label40", "34.4"},
                       {"Text14", "440.816"},
                       {"Label28", "440.816"},
                       {"Text15", "23.3"},
                       {"Label14", "23.3"},
                       {"Label27", solidNote},
                       {"Label55", solidNote},
                       {"Text16", "103.38"},
                       {"Text1", "10548.8"},
                       {"Label50", StringTable::text(2268)},
                       {"Label19", StringTable::text(2266)},
                       {"Text17", "206.76"},
                       {"Text2", "21097.52"},
                       {"Label48", StringTable::text(2264)},
                       {"Label13", StringTable::text(2269)},
                       {"Text18", "821.8"}});
    expectEnabled(form, kResultButtons, true);
}

TEST_F(Form11Test, ContactHeightDropsATrailingZero) {
    calculate(with(kSpring, {{"Text10_5", "48.8"}}));
    expectTexts(form, {{"Text13", "36"}, {"Label40", "36"}});
}

TEST_F(Form11Test, NestingCoilsHaveNoSpacingAndASolidHeightOfTwoWires) {
    // d * n equals R2 - R1 (10 = 19 - 9): the coils count as not touching.
    calculate({{"Text10_1", "2"},
               {"Text10_2", "20"},
               {"Text10_3", "40"},
               {"Text10_4", "5"},
               {"Text10_5", "40"},
               {"Text10_6", "30"},
               {"Text10_7", "4"}});
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, {{"Label30", StringTable::text(2276)},
                       {"Text6", "19.00"},
                       {"Label31", "NG"},
                       {"Text15", "4.0"},
                       {"Label27", StringTable::text(2262) + "4.0mm"}});
    // A second height equal to the solid height is accepted.
    EXPECT_NE(form->text(QStringLiteral("Text17")), StringTable::text(2263));

    prompts().clear();
    calculate({{"Text10_7", "3.9"}});
    EXPECT_EQ(form->text(QStringLiteral("Text17")), StringTable::text(2263));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(Form11Test, WithoutSecondHeightTheF2RowKeepsItsContent) {
    mark({"Text17", "Text2", "Label48", "Label13"});
    calculate(with(kSpring, {{"Text10_7", ""}}));
    expectMarked({"Text17", "Text2", "Label48", "Label13"});
    expectTexts(form, {{"Text18", "821.8"}, {"Label50", StringTable::text(2268)}});
    expectEnabled(form, kResultButtons, true);
}

TEST_F(Form11Test, SecondHeightBelowSolidHeightIsReportedInItsBox) {
    mark({"Text2", "Label48", "Label13"});
    calculate(with(kSpring, {{"Text10_7", "23.2"}}));
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(form->text(QStringLiteral("Text17")), StringTable::text(2263));
    expectMarked({"Text2", "Label48", "Label13"});
    EXPECT_EQ(form->text(QStringLiteral("Text18")), QStringLiteral("821.8"));
}

struct IndexCase {
    const char* largeOuter;
    const char* shown;
    const char* verdict;
};

// Names the case in test listings.
void PrintTo(const IndexCase& c, std::ostream* os) {
    *os << c.largeOuter;
}

class Form11Index : public Form11Test, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(Form11Index, IndexFromFourToTenPasses) {
    // With d = 1 the index is OD2 - 1.
    calculate(with(kSpring, {{"Text10_1", "1"}, {"Text10_2", "3"}, {"Text10_3", GetParam().largeOuter}}));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, {{"Text6", GetParam().shown}, {"Label31", GetParam().verdict}});
}

INSTANTIATE_TEST_SUITE_P(Bounds, Form11Index,
                         ::testing::Values(IndexCase{"4.99", "3.99", "NG"}, IndexCase{"5", "4.00", "OK"},
                                           IndexCase{"11", "10.00", "OK"},
                                           IndexCase{"11.01", "10.01", "NG"}));

class Form11Required : public Form11Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form11Required, FirstEmptyFieldIsNamedAndNothingChanges) {
    const RequiredCase& c = GetParam();
    ASSERT_EQ(QString::fromLatin1(c.window), formName);
    mark({"Label30", "Text6", "Label50"});
    calculate(with(kSpring, texts(c.inputs)));
    ASSERT_NO_FATAL_FAILURE(expectOnlyMissingInputNotice(c.captionId));
    expectMarked({"Label30", "Text6", "Label50"});
    expectEnabled(form, kResultButtons, false);
}

const RequiredCase kRequired[] = {
    required("Form11", "Text10_0", 1567), required("Form11", "Text10_1", 1333),
    required("Form11", "Text10_2", 1520), required("Form11", "Text10_3", 1521),
    required("Form11", "Text10_4", 1373), required("Form11", "Text10_5", 1369),
    required("Form11", "Text10_6", 2190),
};
INSTANTIATE_TEST_SUITE_P(InTestOrder, Form11Required, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form11Faults : public Form11Test, public ::testing::WithParamInterface<FaultyStepCase> {};

TEST_P(Form11Faults, StopAtTheFaultyStepWithTheInputErrorMessage) {
    const FaultyStepCase& c = GetParam();
    mark(c.written + c.untouched);
    calculate(with(kSpring, c.changes));
    ASSERT_NO_FATAL_FAILURE(expectOnlyInputError());
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    for (const QString& name : c.written)
        EXPECT_NE(form->text(name), QStringLiteral("earlier")) << qPrintable(name);
    expectMarked(c.untouched);
    expectEnabled(form, kResultButtons, false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form11Faults,
    ::testing::Values(FaultyStepCase{"EqualEndDiameters",
                                     {{"Text10_2", "30"}},
                                     {"Label30", "Text6", "Label31", "Text7"},
                                     {"Text8", "Text18", "Label50"}},
                      FaultyStepCase{"ZeroWireDiameter", {{"Text10_1", "0"}}, {"Label30"}, {"Text6"}},
                      FaultyStepCase{"ZeroActiveCoils", {{"Text10_4", "0"}}, {"Text7"}, {"Text8"}},
                      // The small end wider than the big end by more than n d in radius.
                      FaultyStepCase{"SmallEndFarWiderThanBigEnd",
                                     {{"Text10_2", "80"}},
                                     {"Text8", "Text9"},
                                     {"Text12", "Text15"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form11Test, ResetEmptiesTheModulusTooAndDisablesTheButtons) {
    calculate();
    click(form, QStringLiteral("Command2"));
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(form->text(QStringLiteral("Text10_%1").arg(i)), QString()) << i;
    expectTexts(form, {{"Text1", ""},
                       {"Text8", ""},
                       {"Text18", ""},
                       {"Text17", ""},
                       // Captions the calculation rewrote keep their text.
                       {"Label30", StringTable::text(2275)},
                       {"Label31", "OK"},
                       {"Label24", "110.0"},
                       {"Label27", StringTable::text(2262) + "23.3mm"}});
    expectEnabled(form, kResultButtons, false);

    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1567));
}

TEST_F(Form11Test, ActivationFocusesTheModulusAndEnterCalculates) {
    expectKeysWrapAndEnterCalculates(QStringLiteral("Text10_0"), QStringLiteral("Text10_7"),
                                     QStringLiteral("Text10_0"), kSpring, QStringLiteral("Text8"),
                                     QStringLiteral("10.338"));
}

TEST_F(Form11Test, PrintSnapshotAndExit) {
    calculate();
    click(form, QStringLiteral("Command3"));
    EXPECT_EQ(printed.size(), 1);
    click(form, QStringLiteral("Command6"));
    EXPECT_EQ(bitmapsWritten(), 1);
    click(form, QStringLiteral("Command5"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form11")), nullptr);
}

TEST_F(Form11Test, ModeSwitchGoesBothWaysAndStartsFromTheDefaults) {
    expectModeSwitchRoundTrip(QStringLiteral("Form13"), QStringLiteral("Command7"),
                              QStringLiteral("Text10_1"), QStringLiteral("Text10_0"), QStringLiteral("7000"));
}

} // namespace
