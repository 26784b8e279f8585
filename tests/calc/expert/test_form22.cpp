// The torsion spring calculator in expert mode: its worked examples, the verdicts, required
// fields, arithmetic faults, reset, the life-diagram widening and the links of the window.

#include "calc/expert/ExpertCalcTest.h"
#include "common/ui/FormBuilder.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

using namespace expertcalc;

// The spring of the worked example without a third angle.
const std::vector<ControlText> kSpringRows = {
    {"Text1_0", "206000"}, {"Text1_1", "2.5"},   {"Text1_2", "20"},   {"Text1_3", "6"},  {"Text1_4", "35"},
    {"Text1_5", "70"},     {"Text1_7", "25"},    {"Text1_8", "30"},   {"Text1_9", "20"}, {"Text1_10", "90"},
    {"Text1_11", "5"},     {"Text1_12", "1700"}, {"Text1_13", "0.64"}};
const Texts kSpring = texts(kSpringRows);

// The example spring with some texts typed over it.
std::vector<ControlText> springWith(const std::vector<ControlText>& changes) {
    std::vector<ControlText> rows = kSpringRows;
    rows.insert(rows.end(), changes.begin(), changes.end());
    return rows;
}

// What the worked example shows in every box it reaches.
const Texts kSecondAngleResults = {
    {"Text3", "17.44"},  {"Text13", "30.52"}, {"Text10", "3.114"}, {"Text12", "610.36"},
    {"Text9", "14%"},    {"Text4", "8.0"},    {"Text7", "1.11"},   {"Text8", "1.917"},
    {"Text15", "1.534"}, {"Text21", "18.61"}, {"Text25", "1088"},  {"Text6", "441"},
    {"Text30", "0.26"},  {"Text2", "61.04"},  {"Text5", "6.229"},  {"Text19", "1220.72"},
    {"Text20", "7%"},    {"Text22", "16.78"}, {"Text23", "881"},   {"Text31", "0.52"},
    {"Text24", "1.23"},  {"Text26", "0.5"},   {"Text32", "10"},    {"Text28", "1877.60"},
    {"Text29", "107.7"}, {"Text16", "0.65"},  {"Label52", "OK"},   {"Label56", "OK"},
    {"Label4", "OK"}};

// Boxes that only the strength part and the second angle write.
const QStringList kStrengthBoxes = {"Text25", "Text6",  "Text30", "Text2",  "Text5",   "Text19",
                                    "Text20", "Text22", "Text23", "Text31", "Text24",  "Text26",
                                    "Text32", "Text28", "Text29", "Text16", "Label56", "Label4"};
const QStringList kThirdAngleBoxes = {"Text17", "Text18", "Text27", "Text11"};

class Form22Test : public ExpertCalcTest {
protected:
    Form22Test() : ExpertCalcTest(QStringLiteral("Form22"), QStringLiteral("Command4")) {}

    void calculate(const Texts& inputs = kSpring) { typeAndCalculate(inputs); }

    bool outputsEnabled() const {
        return form->button(QStringLiteral("Command6"))->isEnabled() &&
               form->button(QStringLiteral("Command1"))->isEnabled();
    }
};

TEST_F(Form22Test, LoadsWithItsDesignDefaults) {
    EXPECT_EQ(form->windowTitle(), StringTable::text(1551));
    expectTexts(form, {{"Text1_0", "206000"},
                       {"Text1_1", ""},
                       {"Text1_11", "5"},
                       {"Text1_13", "0.64"},
                       {"Label52", StringTable::text(1420)},
                       {"Label56", "(OK/NG)"},
                       {"Label4", "(OK/NG)"},
                       {"Label2", "N/mm2"},
                       {"Label23_6", StringTable::text(1377)},
                       {"Label23_10", StringTable::text(1377)},
                       {"Label23_8", StringTable::text(1368)},
                       {"Label23_0", "mm"},
                       {"Frame2", StringTable::text(1812)},
                       {"Command3", StringTable::text(1405)},
                       {"Label33", "°"}});
    EXPECT_FALSE(outputsEnabled());
    EXPECT_TRUE(form->button(QStringLiteral("Command4"))->isDefault());
    EXPECT_EQ(form->field(QStringLiteral("Text4"))->toolTip(), QStringLiteral("4~10最好"));
}

TEST_F(Form22Test, WorkedExampleWithTwoAngles) {
    mark(kThirdAngleBoxes);
    calculate();
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, kSecondAngleResults);
    expectMarked(kThirdAngleBoxes);
    EXPECT_TRUE(outputsEnabled());
}

TEST_F(Form22Test, ThirdAngleTakesOverStressLifeAndTestRatio) {
    calculate(with(kSpring, {{"Text1_6", "110"}}));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(form, {{"Text17", "95.913"},
                       {"Text18", "9.787"},
                       {"Text27", "1918.269"},
                       {"Text11", "5%"},
                       {"Text22", "16.42"},
                       {"Text23", "1385.20"},
                       {"Text31", "0.81"},
                       {"Text24", "0.79"},
                       {"Text26", "0.3"},
                       {"Text32", StringTable::text(2469)},
                       {"Text16", "1.02"},
                       {"Label56", "NG"},
                       {"Label4", "NG"},
                       // Unchanged from the second angle.
                       {"Text21", "18.61"},
                       {"Text28", "1877.60"},
                       {"Text29", "107.7"},
                       {"Text6", "441"},
                       {"Text19", "1220.72"}});
}

TEST_F(Form22Test, WithoutTensileStrengthOnlyTheFirstPartIsWritten) {
    mark(kStrengthBoxes);
    calculate(with(kSpring, {{"Text1_12", ""}}));
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectTexts(form, {{"Text3", "17.44"},
                       {"Text13", "30.52"},
                       {"Text10", "3.114"},
                       {"Text12", "610.36"},
                       {"Text9", "14%"},
                       {"Text4", "8.0"},
                       {"Text7", "1.11"},
                       {"Text8", "1.917"},
                       {"Text15", "1.534"},
                       {"Text21", "18.61"},
                       {"Label52", "OK"}});
    expectMarked(kStrengthBoxes);
    EXPECT_TRUE(outputsEnabled());
}

// Changes to the example spring and what Calculate then shows.
const WindowCase kInputs[] = {
    // Without a force arm the forces act at L1 = 25: 17.4388 * 35 / 25.
    {"EmptyArmUsesFirstLeg",
     "Form22",
     springWith({{"Text1_9", ""}}),
     {{"Text13", "24.41"}, {"Text2", "48.83"}},
     "Command4"},
    {"EmptyAngleToleranceGivesZeroPercent",
     "Form22",
     springWith({{"Text1_11", ""}}),
     {{"Text9", "0%"}, {"Text20", "0%"}},
     "Command4"},
    // C = 3.95 shows as 4.0 but lies below the band.
    {"IndexJustBelowFourIsNG",
     "Form22",
     springWith({{"Text1_1", "2"}, {"Text1_2", "7.9"}}),
     {{"Text4", "4.0"}, {"Label52", "NG"}},
     "Command4"},
    {"IndexFourIsOK",
     "Form22",
     springWith({{"Text1_1", "2"}, {"Text1_2", "8"}}),
     {{"Text4", "4.0"}, {"Label52", "OK"}},
     "Command4"},
    {"IndexTenIsOK",
     "Form22",
     springWith({{"Text1_1", "2"}, {"Text1_2", "20"}}),
     {{"Text4", "10.0"}, {"Label52", "OK"}},
     "Command4"},
    {"IndexAboveTenIsNG",
     "Form22",
     springWith({{"Text1_1", "2"}, {"Text1_2", "20.2"}}),
     {{"Text4", "10.1"}, {"Label52", "NG"}},
     "Command4"},
    // A space passes the required-field test and reads 0: (0 + 6 + 1 + 70/360) * 2.5.
    {"SpaceInRequiredFieldReadsZero",
     "Form22",
     springWith({{"Text1_10", " "}}),
     {{"Text21", "17.99"}},
     "Command4"},
    // The allowable stress 1 * 881.4953 is the very single-precision value of sigma max.
    {"StressEqualToAllowableIsNG",
     "Form22",
     springWith({{"Text1_12", "1"}, {"Text1_13", "881.4953"}}),
     {{"Text25", "881.4953"}, {"Text23", "881"}, {"Label56", "NG"}, {"Text24", "1.00"}},
     "Command4"},
    {"StressJustBelowAllowableIsOK",
     "Form22",
     springWith({{"Text1_12", "1"}, {"Text1_13", "881.4954"}}),
     {{"Text25", "881.4954"}, {"Label56", "OK"}},
     "Command4"},
};
INSTANTIATE_TEST_SUITE_P(Form22, WindowExample, ::testing::ValuesIn(kInputs), caseName<WindowCase>);

class Form22Required : public Form22Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form22Required, FirstEmptyFieldIsNamedAndNothingIsComputed) {
    const RequiredCase& c = GetParam();
    ASSERT_EQ(QString::fromLatin1(c.window), formName);
    mark({"Text3", "Text4"});
    calculate(with(kSpring, texts(c.inputs)));
    ASSERT_NO_FATAL_FAILURE(expectOnlyMissingInputNotice(c.captionId));
    expectMarked({"Text3", "Text4"});
    // Print and Save As become usable even so.
    EXPECT_TRUE(outputsEnabled());
}

const RequiredCase kRequired[] = {
    required("Form22", "Text1_0", 1562),  required("Form22", "Text1_1", 1333),
    required("Form22", "Text1_2", 1332),  required("Form22", "Text1_3", 1373),
    required("Form22", "Text1_4", 1496),  required("Form22", "Text1_5", 1497),
    required("Form22", "Text1_7", 1494),  required("Form22", "Text1_8", 1495),
    required("Form22", "Text1_10", 1561),
};
INSTANTIATE_TEST_SUITE_P(InTestOrder, Form22Required, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

TEST_F(Form22Test, OptionalFieldsAreNotRequired) {
    calculate({{"Text1_0", "206000"},
               {"Text1_1", "2.5"},
               {"Text1_2", "20"},
               {"Text1_3", "6"},
               {"Text1_4", "35"},
               {"Text1_5", "70"},
               {"Text1_7", "25"},
               {"Text1_8", "30"},
               {"Text1_10", "90"},
               {"Text1_11", ""},
               {"Text1_12", ""},
               {"Text1_13", ""}});
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_EQ(form->text(QStringLiteral("Text3")), QStringLiteral("17.44"));
}

class Form22Faults : public Form22Test, public ::testing::WithParamInterface<FaultyStepCase> {};

TEST_P(Form22Faults, StopAtTheFaultyStepWithTheInputErrorMessage) {
    const FaultyStepCase& c = GetParam();
    mark(c.written + c.untouched);
    calculate(with(kSpring, c.changes));
    ASSERT_NO_FATAL_FAILURE(expectOnlyInputError());
    for (const QString& name : c.written) {
        EXPECT_NE(form->text(name), QStringLiteral("earlier")) << qPrintable(name);
        EXPECT_FALSE(form->text(name).contains(QStringLiteral("inf"))) << qPrintable(name);
    }
    expectMarked(c.untouched);
    EXPECT_FALSE(outputsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form22Faults,
    ::testing::Values(
        FaultyStepCase{"ModulusBeyondFixedPoint", {{"Text1_0", "930000000000000"}}, {}, {"Text3"}},
        FaultyStepCase{
            "ZeroRateDenominator", {{"Text1_2", "0"}, {"Text1_7", "0"}, {"Text1_8", "0"}}, {}, {"Text3"}},
        FaultyStepCase{"ZeroArm", {{"Text1_9", "0"}}, {"Text3"}, {"Text13"}},
        FaultyStepCase{
            "ZeroFirstAngle", {{"Text1_4", "0"}}, {"Text3", "Text13", "Text12"}, {"Text9", "Text4"}},
        FaultyStepCase{
            "MeanDiameterEqualToWire", {{"Text1_2", "2.5"}}, {"Text3", "Text9", "Text4"}, {"Text7"}},
        FaultyStepCase{"ZeroTensileStrength", {{"Text1_12", "0"}}, {"Text25", "Text6"}, {"Text30", "Text2"}},
        // A zero modulus gives zero stresses: the safety factor divides by sigma max.
        FaultyStepCase{"ZeroModulus", {{"Text1_0", "0"}}, {"Text23", "Text31"}, {"Text24", "Text28"}},
        FaultyStepCase{"FreeAngleCancellingTheCoils",
                       {{"Text1_10", "-2160"}},
                       {"Text21", "Text20"},
                       {"Text22", "Text23"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form22Test, ResetKeepsWireDiameterAndAngleToleranceAndVerdicts) {
    calculate();
    click(form, QStringLiteral("Command10"));
    expectTexts(form, {{"Text1_0", ""},
                       {"Text1_1", "2.5"},
                       {"Text1_11", "5"},
                       {"Text1_12", ""},
                       {"Text1_13", ""},
                       {"Text3", ""},
                       {"Text32", ""},
                       {"Text16", ""},
                       {"Text2", ""},
                       {"Label52", "OK"},
                       {"Label56", "OK"},
                       {"Label4", "OK"}});
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_EQ(form->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    EXPECT_TRUE(outputsEnabled());

    // The next calculation asks for the modulus; in English the two words touch.
    StringTable::setLanguage(Language::EnUS);
    click(form, QStringLiteral("Command4"));
    EXPECT_EQ(prompts().lastText(), QStringLiteral("Please EnterModulus E"));
}

TEST_F(Form22Test, PointingAtTheLifeShowsTheLifeDiagramAndTheWindowStaysWide) {
    QWidget* diagram = form->control<QWidget>(QStringLiteral("Image1"));
    EXPECT_FALSE(diagram->isVisible());
    const int designedWidth = form->width();

    for (const char* trigger : {"Label81", "Text32"}) {
        QWidget* target = form->control<QWidget>(QString::fromLatin1(trigger));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        EXPECT_TRUE(diagram->isVisible()) << trigger;
        EXPECT_GE(form->width(), ui::twips(14865)) << trigger;
        EXPECT_GT(form->width(), designedWidth) << trigger;
    }
}

TEST_F(Form22Test, LabelsOpenReferenceWindowsAndThePublisher) {
    QTest::mouseClick(form->label(QStringLiteral("Label58")), Qt::LeftButton);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form142")), nullptr);
    QTest::mouseClick(form->label(QStringLiteral("Label60")), Qt::LeftButton);
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form141")), nullptr);

    QTest::mouseClick(form->label(QStringLiteral("Label2")), Qt::LeftButton);
    QTest::mouseClick(form->label(QStringLiteral("Label4")), Qt::LeftButton);
    EXPECT_EQ(opened, (QList<QUrl>{contactlinks::publisherWebPage(), contactlinks::publisherMail()}));
}

TEST_F(Form22Test, ActivationFocusesTheWireDiameterAndKeysMoveAndCalculate) {
    expectKeysWrapAndEnterCalculates(QStringLiteral("Text1_1"), QStringLiteral("Text1_13"),
                                     QStringLiteral("Text1_0"), kSpring, QStringLiteral("Text3"),
                                     QStringLiteral("17.44"));
}

TEST_F(Form22Test, PrintAndSnapshotButtons) {
    calculate();
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(printed.size(), 1);
    click(form, QStringLiteral("Command2"));
    EXPECT_EQ(bitmapsWritten(), 1);
    EXPECT_TRUE(prompts().lastText().endsWith(QStringLiteral(".bmp"))) << qPrintable(prompts().lastText());
}

TEST_F(Form22Test, ModeSwitchGoesBothWaysAndStartsFromTheDefaults) {
    expectModeSwitchRoundTrip(QStringLiteral("Form9"), QStringLiteral("Command3"), QStringLiteral("Text1_1"),
                              QStringLiteral("Text1_0"), QStringLiteral("206000"));
}

TEST_F(Form22Test, ExitClosesTheWindow) {
    click(form, QStringLiteral("Command5"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form22")), nullptr);
}

} // namespace
