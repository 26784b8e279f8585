// The extension spring calculator in expert mode: loads, stresses and checks at two or three
// working lengths, the verdicts, required fields, arithmetic faults, reset and the links.

#include "calc/expert/ExpertCalcTest.h"

#include <QLabel>

namespace {

using namespace expertcalc;

// A spring stretched to two lengths, with tensile strength and coefficient.
const Texts kSpring = {{"Text1_0", "8000"}, {"Text1_1", "2"},  {"Text1_2", "20"}, {"Text1_3", "10"},
                       {"Text1_4", "50"},   {"Text1_5", "60"}, {"Text1_6", "70"}, {"Text1_7", ""},
                       {"Text1_8", "1600"}, {"Text1_9", "0.3"}};

// Initial tension, rate, bands, index and stresses of that spring.
const Texts kLoadResults = {{"Text19", "1256.640"}, {"Text9", "12.315"},    {"Text21", "200.000"},
                            {"Text10", "1.960"},    {"Text20", "3256.640"}, {"Text6", "4261.952"},
                            {"Text2", "5256.640"},  {"Text7", "6261.952"},  {"Text13", "25.0"},
                            {"Text3", "10.0"},      {"Label29", "OK"},      {"Text4", "1.1448"},
                            {"Text14", "233"},      {"Text15", "375"}};

const QStringList kCheckBoxes = {"Text18", "Text5",  "Label27", "Text26", "Text16",
                                 "Text17", "Text25", "Label20", "Label50"};
const QStringList kThirdLengthBoxes = {"Text11", "Text8"};

class Form23Test : public ExpertCalcTest {
protected:
    Form23Test() : ExpertCalcTest(QStringLiteral("Form23"), QStringLiteral("Command6")) {}

    void calculate(const Texts& inputs = kSpring) { typeAndCalculate(inputs); }

    void expectOutputsEnabled(bool enabled) {
        expectEnabled(form,
                      {QStringLiteral("Command1"), QStringLiteral("Command4"), QStringLiteral("Command7")},
                      enabled);
    }
};

TEST_F(Form23Test, LoadsWithItsDesignDefaults) {
    EXPECT_EQ(form->windowTitle(), StringTable::text(1566));
    expectTexts(form, {{"Text1_0", "8000"},
                       {"Text1_1", ""},
                       {"Text1_9", "0.3"},
                       {"Label29", "?"},
                       {"Label27", "(OK/NG)"},
                       {"Label50", "(OK/NG)"},
                       {"Label20", StringTable::text(1502)},
                       {"Label36", StringTable::text(2449)},
                       {"Label23_0", "mm"},
                       {"Label23_7", StringTable::text(1368)},
                       {"Label23_6", StringTable::text(1377)},
                       {"Label18", StringTable::text(1501)},
                       {"Label22", StringTable::text(1501)},
                       {"Label53", "g/mm   ="},
                       {"Command4", StringTable::text(1406)},
                       {"Command7", StringTable::text(1355)}});
    EXPECT_EQ(form->field(QStringLiteral("Text1_0"))->toolTip(), StringTable::text(2277));
    expectOutputsEnabled(false);
    EXPECT_TRUE(form->button(QStringLiteral("Command6"))->isDefault());
}

TEST_F(Form23Test, TwoLengthsWithStrengthChecksAtTheSecond) {
    mark(kThirdLengthBoxes);
    calculate();
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, kLoadResults);
    expectTexts(form, {{"Text18", "480"},
                       {"Text5", "1.3"},
                       {"Label27", "OK"},
                       {"Text26", "1000"},
                       {"Text16", "70.34"},
                       {"Text17", "29.6"},
                       {"Text25", "0.676"},
                       {"Label20", StringTable::text(2260) + "79.6" + StringTable::text(2261)},
                       {"Label50", "OK"}});
    expectMarked(kThirdLengthBoxes);
    // Without a third length the print and export buttons stay as they were.
    expectOutputsEnabled(false);
}

TEST_F(Form23Test, ThirdLengthTakesOverTheStressAndTheChecks) {
    calculate(with(kSpring, {{"Text1_7", "80"}}));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, {{"Text11", "7256.640"},
                       {"Text8", "8261.952"},
                       // At the third length the stress uses 3.14.
                       {"Text15", "519"},
                       {"Text14", "233"},
                       {"Text18", "480"},
                       {"Text5", "0.9"},
                       {"Label27", "NG"},
                       {"Text26", "2"},
                       {"Text17", "29.6"},
                       {"Text25", "1.013"},
                       {"Label50", "NG"}});
    expectOutputsEnabled(true);
}

TEST_F(Form23Test, WithoutTensileStrengthTheChecksKeepWhatTheyShowed) {
    mark(kCheckBoxes);
    calculate(with(kSpring, {{"Text1_8", ""}}));
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectTexts(form, kLoadResults);
    expectMarked(kCheckBoxes);
    expectOutputsEnabled(false);
}

TEST_F(Form23Test, ThirdLengthWithoutCoefficientEnablesTheOutputsWithoutChecks) {
    mark(kCheckBoxes);
    calculate(with(kSpring, {{"Text1_7", "80"}, {"Text1_9", ""}}));
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectTexts(form, {{"Text11", "7256.640"}, {"Text15", "519"}});
    expectMarked(kCheckBoxes);
    expectOutputsEnabled(true);
}

struct IndexCase {
    const char* meanDiameter;
    const char* shown;
    const char* verdict;
};

// Names the case in test listings.
void PrintTo(const IndexCase& c, std::ostream* os) {
    *os << c.meanDiameter;
}

class Form23Index : public Form23Test, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(Form23Index, IndexFromFourToTenPasses) {
    calculate(with(kSpring, {{"Text1_1", "1"}, {"Text1_2", GetParam().meanDiameter}}));
    expectTexts(form, {{"Text3", GetParam().shown}, {"Label29", GetParam().verdict}});
}

INSTANTIATE_TEST_SUITE_P(Bounds, Form23Index,
                         ::testing::Values(IndexCase{"3.99", "4.0", "NG"}, IndexCase{"4", "4.0", "OK"},
                                           IndexCase{"10", "10.0", "OK"}, IndexCase{"10.01", "10.0", "NG"}));

TEST_F(Form23Test, StressEqualToTheAllowableIsNG) {
    // 1 * 375.4531 is the very single-precision value of the stress at the second length.
    calculate(with(kSpring, {{"Text1_8", "1"}, {"Text1_9", "375.4531"}}));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, {{"Text18", "375.4531"}, {"Text5", "1.0"}, {"Label27", "NG"}});
}

class Form23Required : public Form23Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form23Required, FirstEmptyFieldIsNamedAndNothingIsWritten) {
    const RequiredCase& c = GetParam();
    ASSERT_EQ(QString::fromLatin1(c.window), formName);
    mark({"Text19", "Text21"});
    calculate(with(kSpring, with(texts(c.inputs), {{"Text1_7", "80"}})));
    ASSERT_NO_FATAL_FAILURE(expectOnlyMissingInputNotice(c.captionId));
    expectMarked({"Text19", "Text21"});
    expectOutputsEnabled(false);
}

// The modulus is named by text 1972, not by its own caption 1567.
const RequiredCase kRequired[] = {
    required("Form23", "Text1_0", 1972), required("Form23", "Text1_1", 1333),
    required("Form23", "Text1_2", 1332), required("Form23", "Text1_3", 1373),
    required("Form23", "Text1_4", 1369), required("Form23", "Text1_5", 1507),
    required("Form23", "Text1_6", 1508),
};
INSTANTIATE_TEST_SUITE_P(InTestOrder, Form23Required, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form23Faults : public Form23Test, public ::testing::WithParamInterface<FaultyStepCase> {};

TEST_P(Form23Faults, StopAtTheFaultyStepWithTheInputErrorMessage) {
    const FaultyStepCase& c = GetParam();
    mark(c.written + c.untouched);
    // With a third length a complete run would enable the outputs.
    calculate(with(with(kSpring, {{"Text1_7", "80"}}), c.changes));
    ASSERT_NO_FATAL_FAILURE(expectOnlyInputError());
    for (const QString& name : c.written)
        EXPECT_NE(form->text(name), QStringLiteral("earlier")) << qPrintable(name);
    expectMarked(c.untouched);
    expectOutputsEnabled(false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form23Faults,
    ::testing::Values(
        FaultyStepCase{"ZeroMeanDiameter", {{"Text1_2", "0"}}, {}, {"Text19"}},
        FaultyStepCase{"ZeroActiveCoils", {{"Text1_3", "0"}}, {"Text19", "Text9"}, {"Text21"}},
        FaultyStepCase{"ZeroWireDiameter", {{"Text1_1", "0"}}, {"Text21", "Text6"}, {"Text13"}},
        FaultyStepCase{
            "MeanDiameterEqualToWire", {{"Text1_2", "2"}}, {"Text3", "Label29"}, {"Text4", "Text14"}},
        // A zero modulus gives zero loads and stresses: the safety factor divides by 0.
        FaultyStepCase{"ZeroModulusWithStrength", {{"Text1_0", "0"}}, {"Text15", "Text18"}, {"Text5"}},
        // The loads use 70 from "70/2"; the deformation ratio reads the text strictly.
        FaultyStepCase{
            "WorkingLengthNotANumber", {{"Text1_6", "70/2"}}, {"Text7", "Text17"}, {"Text25", "Text11"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form23Test, ResetKeepsTheCoefficientLifeAndVerdicts) {
    calculate(with(kSpring, {{"Text1_7", "80"}}));
    click(form, QStringLiteral("Command11"));
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(form->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    expectTexts(form, {{"Text1_9", "0.3"},
                       {"Text19", ""},
                       {"Text15", ""},
                       {"Text25", ""},
                       {"Text11", ""},
                       {"Label20", ""},
                       {"Text26", "2"},
                       {"Label27", "NG"},
                       {"Label29", "OK"},
                       {"Label50", "NG"}});
    expectOutputsEnabled(true);

    click(form, QStringLiteral("Command6"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1972));
}

TEST_F(Form23Test, LabelsOpenTheReferenceWindows) {
    QTest::mouseClick(form->label(QStringLiteral("Label47")), Qt::LeftButton);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form142")), nullptr);
    QTest::mouseClick(form->label(QStringLiteral("Label5")), Qt::LeftButton);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form141")), nullptr);
}

TEST_F(Form23Test, ActivationFocusesTheModulusAndKeysMoveAndCalculate) {
    expectKeysWrapAndEnterCalculates(QStringLiteral("Text1_0"), QStringLiteral("Text1_9"),
                                     QStringLiteral("Text1_0"), kSpring, QStringLiteral("Text21"),
                                     QStringLiteral("200.000"));
}

TEST_F(Form23Test, PrintAndSnapshotButtons) {
    calculate(with(kSpring, {{"Text1_7", "80"}}));
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(printed.size(), 1);
    click(form, QStringLiteral("Command5"));
    EXPECT_EQ(bitmapsWritten(), 1);
}

TEST_F(Form23Test, ModeSwitchGoesBothWaysAndStartsFromTheDefaults) {
    expectModeSwitchRoundTrip(QStringLiteral("Form10"), QStringLiteral("Command3"), QStringLiteral("Text1_1"),
                              QStringLiteral("Text1_0"), QStringLiteral("8000"));
}

} // namespace
