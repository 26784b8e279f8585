// Runs that end early: arithmetic faults before any entity, a call the host refuses, and a
// host that cannot be reached.

#include "CadFormTest.h"
#include "common/StringTable.h"
#include "support/WindowCases.h"

namespace {

struct FaultRow {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    const char* button;
};

const FaultRow kFaults[] = {
    // Nt below 0.5 draws no active turn: the pitch divides by zero.
    {"Compression_NoActiveTurns",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "0.3"}, {"Text4", "40"}},
     "Command3"},
    {"Conical_NtZero",
     "CadConicalForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text7", "50"}},
     "Command1"},
    {"Barrel_NtZero",
     "CadBarrelForm",
     {{"Text1", "2"}, {"Text2", "10"}, {"Text3", "20"}, {"Text7", "50"}},
     "Command1"},
    {"CentreHooks_MDZero", "CadExtensionForm", {{"Text1", "1"}, {"Text3", "10"}}, "Command1"},
    {"CentreAndSide_MDZero", "CadExtensionForm", {{"Text1", "1"}, {"Text3", "10"}}, "Command2"},
    {"German_MDZero", "CadExtensionForm", {{"Text1", "1"}, {"Text3", "10"}}, "Command4"},
};

class RunFault : public CadFormTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(RunFault, ShowsTheInputErrorBeforeAnyEntity) {
    const FaultRow& c = GetParam();
    FormBase* form = open(QString::fromLatin1(c.window));
    typeAll(form, c.inputs);
    click(form, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_GT(script.count("hello"), 0);
    EXPECT_TRUE(script.drawingCalls().isEmpty()) << qPrintable(script.drawingCalls().first().call);
    EXPECT_FALSE(form->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(Helidraw, RunFault, ::testing::ValuesIn(kFaults), caseName<FaultRow>);

// Beyond 10921 points (the last index 3n + 2 no longer fits 16 bits) the run names the
// largest turn count the button can draw, before any entity, and that count draws. The coil
// helix of 8 points a turn keeps to the same point limit.
struct TurnLimitRow {
    const char* name;
    const char* window;
    const char* button;
    std::vector<ControlText> inputs;
    const char* turnsBox;
    const char* limit; // the turn count as typed, the button's end turns aside
    const char* over;
    int spline; // the helix among the run's splines ...
    int points; // ... and its points at the limit
};

const std::vector<ControlText> kTapered = {
    {"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text7", "5000"}};
const std::vector<ControlText> kHooks = {{"Text1", "2"}, {"Text2", "20"}, {"Text4", "16"}, {"Text7", "16"}};

std::vector<ControlText> hooksAt(const char* angle) {
    std::vector<ControlText> inputs = kHooks;
    inputs.push_back({"Combo1", angle});
    return inputs;
}

const TurnLimitRow kTurnLimits[] = {
    {"Conical_EndTurns", "CadConicalForm", "Command3", kTapered, "Text4", "216.42", "216.44", 0, 10922},
    {"Conical_NoEndTurns", "CadConicalForm", "Command1", kTapered, "Text4", "218.42", "218.44", 0, 10922},
    {"Barrel", "CadBarrelForm", "Command3", kTapered, "Text4", "216.42", "216.44", 0, 10922},
    {"Hourglass", "CadBarrelForm", "Command1", kTapered, "Text4", "216.42", "216.44", 0, 10922},
    // Whole and half active turns: 1365.5 would need 10924 points.
    {"Compression",
     "CadCompressionForm",
     "Command3",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text4", "5000"}},
     "Text3",
     "1365",
     "1365.5",
     1,
     10921},
    {"Torsion",
     "CadTorsionForm",
     "Command3",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text4", "3"}},
     "Text3",
     "1365.125",
     "1365.13",
     0,
     10922},
    {"SideHooks_0", "CadExtensionForm", "Command3", hooksAt("0度"), "Text3", "1365", "1366", 0, 10921},
    {"SideHooks_90", "CadExtensionForm", "Command3", hooksAt("90度"), "Text3", "1364", "1365", 0, 10915},
    // The centre hooks' allowance lowers N' below the typed count.
    {"CentreHooks_0", "CadExtensionForm", "Command1", hooksAt("0度"), "Text3", "1365", "1366", 0, 10921},
    {"German_270", "CadExtensionForm", "Command4", hooksAt("270度"), "Text3", "1364", "1365", 0, 10919},
    {"CentreAndSide_TypedAngle", "CadExtensionForm", "Command2", hooksAt("45度"), "Text3", "1365.125",
     "1365.13", 0, 10922},
};

class TurnLimit : public CadFormTest, public ::testing::WithParamInterface<TurnLimitRow> {};

TEST_P(TurnLimit, MessageNamesTheLargestTurnCountThatDraws) {
    const TurnLimitRow& c = GetParam();
    FormBase* form = open(QString::fromLatin1(c.window));
    typeAll(form, c.inputs);
    form->setText(QString::fromLatin1(c.turnsBox), QString::fromLatin1(c.over));
    click(form, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(11101).arg(QString::fromLatin1(c.limit)));
    EXPECT_TRUE(script.drawingCalls().isEmpty());
    EXPECT_FALSE(form->isMinimized());

    form->setText(QString::fromLatin1(c.turnsBox), QString::fromLatin1(c.limit));
    click(form, QString::fromLatin1(c.button));
    EXPECT_EQ(prompts().requests.size(), 1) << qPrintable(prompts().lastText());
    const auto splines = script.named("addSpline");
    ASSERT_GT(splines.size(), c.spline);
    EXPECT_EQ(splinePointCount(splines[c.spline]), c.points);
    EXPECT_TRUE(form->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(Helidraw, TurnLimit, ::testing::ValuesIn(kTurnLimits), caseName<TurnLimitRow>);

using HostFailure = CadFormTest;

const std::vector<ControlText> kCompression = {
    {"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}};

TEST_F(HostFailure, RefusedCallEndsTheRunNamingTheCall) {
    script.refuseCall = "addCircle";
    script.refuseOccurrence = 2;
    FormBase* form = open("CadCompressionForm");
    typeAll(form, kCompression);
    click(form, "Command3");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains("addCircle")) << qPrintable(prompts().lastText());
    EXPECT_TRUE(prompts().lastText().contains("refused"));
    // What was drawn stays; nothing after the refused call.
    EXPECT_EQ(script.count("addCircle"), 1);
    EXPECT_EQ(script.calls.last().call, QStringLiteral("addRegion"));
    EXPECT_FALSE(form->isMinimized());
}

TEST_F(HostFailure, UnreachableHostGivesOneBoxAndNoEntity) {
    script.attachError = "找不到绘图主机程序：/nowhere/DrawingHost";
    FormBase* form = open("CadExtensionForm");
    typeAll(form, {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}});
    click(form, "Command4");
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& box = prompts().requests.first();
    EXPECT_EQ(box.text, script.attachError);
    EXPECT_EQ(box.title, QStringLiteral("Helidraw"));
    EXPECT_EQ(box.icon, PromptIcon::None);
    EXPECT_EQ(box.buttons, PromptButtons::Ok);
    EXPECT_EQ(form->text("Label10"), QStringLiteral("未连接"));
    EXPECT_TRUE(script.calls.isEmpty());
}

TEST_F(HostFailure, StatusReadsConnectedOnlyOnceTheHostAnswered) {
    FormBase* barrel = open("CadBarrelForm");
    EXPECT_EQ(barrel->text("Label10"), QStringLiteral("......"));
    FormBase* torsion = open("CadTorsionForm");
    EXPECT_EQ(torsion->text("Label10"), QStringLiteral("未连接"));
    click(torsion, "Command3");
    EXPECT_EQ(torsion->text("Label10"), QStringLiteral("已连接"));
}

TEST_F(HostFailure, EachRunConnectsAgainAndKeepsItsHost) {
    FormBase* form = open("CadCompressionForm");
    typeAll(form, kCompression);
    click(form, "Command3");
    click(form, "Command3");
    EXPECT_EQ(script.hostsMade, 1);
    EXPECT_EQ(script.count("hello"), 2);
    EXPECT_EQ(script.count("sendCommand"), 8);
    EXPECT_EQ(script.count("addUcs"), 2);
    EXPECT_EQ(script.count("addSpline"), 6);
}

TEST_F(HostFailure, ClosingHidesTheWindowWithItsTexts) {
    FormBase* form = open("CadTorsionForm");
    form->setText("Text1", "3");
    form->close();
    flush();
    FormBase* again = open("CadTorsionForm");
    EXPECT_EQ(again, form);
    EXPECT_EQ(again->text("Text1"), QStringLiteral("3"));
    EXPECT_TRUE(again->windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
