// Wave springs and the wave washer: the pure tables, the calculator's examples and messages,
// the live hints through the tick, and the drawing sheet for real.
#include "calc/noncoil/Form88.h"
#include "calc/noncoil/WaveSpring.h"
#include "common/CheckedMath.h"
#include "platform/Folders.h"
#include "shell/DrawingSheet.h"
#include "support/WindowCases.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

namespace {

TEST(WaveFactorTable, BandsAndGaps) {
    struct Row {
        float n, k;
    };
    const Row rows[] = {{1.5f, 0}, {2, 3.88f}, {4, 3.88f},   {4.2f, 0}, {4.5f, 2.9f}, {6.5f, 2.9f},
                        {6.8f, 0}, {7, 2.3f},  {9.5f, 2.3f}, {9.7f, 0}, {10, 2.13f},  {40, 2.13f}};
    for (const Row& row : rows)
        EXPECT_EQ(wave::waveFactor(row.n), row.k) << row.n;
}

TEST(WaveSpring, HeightVerdictTiesAndHint) {
    EXPECT_EQ(wave::heightVerdict(3.7f, 3.8f), 2418);
    EXPECT_EQ(wave::heightVerdict(3.8f, 3.8f), 2420);
    EXPECT_EQ(wave::heightVerdict(7.6f, 3.8f), 2420);
    EXPECT_EQ(wave::heightVerdict(7.7f, 3.8f), 2419);
    // H0 in single precision, t and Z in double.
    EXPECT_DOUBLE_EQ(wave::workingHeightHint(26.67f, 0.76, 7),
                     double(26.67f) - 2 * (double(26.67f) - 0.76 * 7) / 3);
    EXPECT_EQ(wave::materialModulus(QStringLiteral("inconelX 750")), 21800);
    EXPECT_EQ(wave::materialModulus(QStringLiteral("inconel X750")), 0);
}

TEST(WaveSpring, ClosedRingIgnoresTheWaveFactor) {
    wave::Inputs in{0.76f, 4.01f, 60, 50, 4.2f, 7, 26.67f, 18.06f, 18.0f, 21000, wave::Type::ClosedRing};
    EXPECT_NO_THROW(wave::compute(in));
    in.type = wave::Type::Gap;
    EXPECT_THROW(wave::compute(in), num::CalcFault);
}

const std::vector<ControlText> kSeriesResults = {
    {"Text2_1", "1264.37"}, {"Text2_5", "3.4"}, {"Text2_2", "52.78"},
    {"Text2_0", "46.372"},  {"Text2_8", "454"}, {"Text2_4", "46.695"},
    {"Text2_3", "458"},     {"Text2_7", "3.8"}, {"Label13", "波高太小！"}};

const WindowCase kExamples[] = {
    {"SeriesDefaults", "Form88", {}, kSeriesResults},
    {"SeriesWithShims",
     "Form88",
     {{"Combo2", "串联(有支撑面)"}},
     {{"Text2_1", "1264.37"},
      {"Text2_2", "52.78"},
      {"Text2_0", "46.372"},
      {"Text2_5", "4.9"},
      {"Text2_7", "3.6"}}},
    {"Nested", "Form88", {{"Combo2", "并联波簧"}}, {{"Text2_7", "24.0"}, {"Label13", "波高太大！"}}},
    {"HeightEqualToWidth", "Form88", {{"Text1_1", "3.8"}}, {{"Text2_7", "3.8"}, {"Label13", "波高合适！"}}},
    {"ClosedRingInAGap", "Form88", {{"Combo2", "单片无开口"}, {"Text1_4", "4.2"}}, {{"Text2_7", "26.7"}}},
    {"UnknownMaterial",
     "Form88",
     {{"Combo1", "inconel X750"}},
     {{"Text2_2", "0.00"},
      {"Text2_0", "0.000"},
      {"Text2_8", "0"},
      {"Text2_1", "0.00"},
      {"Text2_5", "3.4"},
      {"Text2_7", "3.8"}}},
    {"UnknownType",
     "Form88",
     {{"Combo2", "x"}},
     {{"Text2_7", "0.0"},
      {"Label13", "波高太小！"},
      {"Text2_0", "0.000"},
      {"Text2_8", "0"},
      {"Text2_1", "0.00"},
      {"Text2_2", "0.00"},
      {"Text2_5", "0.0"}}},
    {"WasherDefaults", "Form24", {}, {{"Text1_5", "888.17"}, {"Text1_6", "1414.96"}}},
    {"WasherStainless", "Form24", {{"Combo1", "SUS304"}}, {{"Text1_5", "780.38"}, {"Text1_6", "1243.24"}}},
    {"WasherInsideOut",
     "Form24",
     {{"Text1_0", "54"}, {"Text1_1", "65"}},
     {{"Text1_5", "-888.17"}, {"Text1_6", "1414.96"}}},
    {"WasherUnknownMaterial", "Form24", {{"Combo1", "x"}}, {{"Text1_5", "0.00"}, {"Text1_6", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Wave, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"ThicknessNamedByItsOwnText", "Form88", {{"Text1_0", ""}}, 2207, "Command1", {"Text2_0", "Label13"}},
    {"WaveCount", "Form88", {{"Text1_4", ""}}, 2206},
    {"FirstWorkingHeight", "Form88", {{"Text1_7", ""}}, 2084},
    {"SecondWorkingHeight", "Form88", {{"Text1_8", ""}}, 2085},
};
INSTANTIATE_TEST_SUITE_P(Wave, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class WaveTest : public FormTest {
protected:
    Form88* wave() { return open<Form88>(QStringLiteral("Form88")); }
};

TEST_F(WaveTest, WaveCountInAGapStopsAndLeavesEverything) {
    Form88* f = wave();
    f->setText(QStringLiteral("Text1_4"), QStringLiteral("4.2"));
    for (const char* type : {"串联(无支撑面)", "串联(有支撑面)", "并联波簧", "单片开口", "单片叠口"}) {
        f->setText(QStringLiteral("Combo2"), QString::fromUtf8(type));
        click(f, QStringLiteral("Command1"));
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035)) << type;
        prompts().clear();
    }
    for (int i : {0, 1, 2, 3, 4, 5, 7, 8})
        EXPECT_EQ(f->text(QStringLiteral("Text2_%1").arg(i)), QString()) << i;
    EXPECT_EQ(f->text(QStringLiteral("Label13")), QString());
    EXPECT_FALSE(f->button(QStringLiteral("Command3"))->isEnabled());
    f->setText(QStringLiteral("Combo2"), StringTable::text(2412));
    f->setText(QStringLiteral("Text1_5"), QStringLiteral("0"));
    f->setText(QStringLiteral("Text1_4"), QStringLiteral("4.5"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_FALSE(f->button(QStringLiteral("Command3"))->isEnabled());
}

TEST_F(WaveTest, ResetKeepsTheTurnsAndAsksForTheThickness) {
    Form88* f = wave();
    click(f, QStringLiteral("Command1"));
    EXPECT_TRUE(f->button(QStringLiteral("Command3"))->isEnabled());
    f->tick();
    click(f, QStringLiteral("Command2"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_5")), QStringLiteral("7"));
    for (int i : {0, 1, 2, 3, 4, 6, 7, 8})
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    EXPECT_EQ(f->text(QStringLiteral("Text2_0")), QString());
    EXPECT_EQ(f->text(QStringLiteral("Label13")), QString());
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("?"));
    EXPECT_TRUE(f->button(QStringLiteral("Command3"))->isEnabled());
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(2207));
    prompts().clear();
    f->tick();
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("0.0"));
}

TEST_F(WaveTest, TickShowsTheHintAndTheTypePicture) {
    Form88* f = wave();
    auto* timer = f->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 200);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("?"));
    f->tick();
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("12.4"));

    struct Row {
        int typeText;
        const char* picture;
        const char* turns;
    };
    const Row rows[] = {{2415, "Image1", "1"}, {2412, "Image4", "1"}, {2413, "Image2", "1"},
                        {2414, "Image3", "1"}, {2416, "Image5", "1"}, {2417, "Image6", "1"}};
    f->setText(QStringLiteral("Combo2"), StringTable::text(2415));
    f->tick();
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("9.4"));
    for (const Row& row : rows) {
        f->setText(QStringLiteral("Combo2"), StringTable::text(row.typeText));
        f->tick();
        for (int i = 1; i <= 6; ++i) {
            const QString image = QStringLiteral("Image%1").arg(i);
            EXPECT_EQ(!f->label(image)->isHidden(), image == QLatin1String(row.picture))
                << row.typeText << " " << i;
        }
        // A multi-turn type keeps the "1" a single-turn type left.
        EXPECT_EQ(f->text(QStringLiteral("Text1_5")), QString::fromLatin1(row.turns));
    }
    f->setText(QStringLiteral("Text1_0"), QString());
    f->setText(QStringLiteral("Text1_6"), QString());
    f->tick();
    EXPECT_EQ(f->text(QStringLiteral("Label5_9")), QStringLiteral("0.0"));
}

class WaveSheetTest : public WaveTest {
protected:
    void SetUp() override {
        WaveTest::SetUp();
        previousOutput = folders::outputFolder();
        folders::setOutputFolder(outputs.path());
    }
    void TearDown() override {
        folders::setOutputFolder(previousOutput);
        WaveTest::TearDown();
    }
    static QString box(int i) {
        return FormRegistry::readText(QStringLiteral("Form136"), QStringLiteral("Text1_%1").arg(i));
    }
    QTemporaryDir outputs;
    QString previousOutput;
};

TEST_F(WaveSheetTest, DrawingCopiesInputsAndResultsBoxByBox) {
    Form88* f = wave();
    click(f, QStringLiteral("Command1"));
    f->setText(QStringLiteral("Text1_0"), QStringLiteral("0.760"));
    f->setText(QStringLiteral("Text1_7"), QStringLiteral("18.060"));
    click(f, QStringLiteral("Command3"));
    EXPECT_TRUE(prompts().requests.isEmpty());
    FormBase* sheet = FormRegistry::find(QStringLiteral("Form136"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    const std::pair<int, const char*> expected[] = {
        {2, "17-7"},   {3, "0.76"},     {6, "0.76"},   {7, "0.76"},   {5, "4.01"},   {24, "4.01"},
        {8, "60"},     {22, "60"},      {9, "50"},     {23, "50"},    {10, "4.5"},   {11, "7"},
        {25, "7"},     {26, "9"},       {12, "26.67"}, {21, "26.67"}, {19, "26.67"}, {15, "18.060"},
        {17, "18.00"}, {13, "1264.37"}, {14, "52.78"}, {16, "454"},   {18, "458"},   {4, "3.8"},
    };
    for (const auto& [i, text] : expected)
        EXPECT_EQ(box(i), QString::fromUtf8(text)) << "box " << i;
    // The boxes the user fills keep their texts.
    EXPECT_EQ(box(1), QStringLiteral("改为你的料号或品名"));
    EXPECT_EQ(box(20), QString());

    // A single-turn type: the turn count is 1 and box 26 shows 3.
    f->setText(QStringLiteral("Combo2"), StringTable::text(2416));
    f->tick();
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(box(11), QStringLiteral("1"));
    EXPECT_EQ(box(26), QStringLiteral("3"));
}

TEST_F(WaveSheetTest, TurnsThatAreNotANumberLeaveTheOpenSheetUntouched) {
    Form88* f = wave();
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command3"));
    f->setText(QStringLiteral("Text1_0"), QStringLiteral("0.5"));
    f->setText(QStringLiteral("Text1_5"), QString());
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(box(3), QStringLiteral("0.76"));
    EXPECT_EQ(box(11), QStringLiteral("7"));

    // With no sheet open, none is shown.
    FormRegistry::closeAllExcept(QStringLiteral("Form88"));
    flush();
    prompts().clear();
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form136")), nullptr);
}

TEST_F(WaveSheetTest, FilledSheetSavesABitmapThatReadsBack) {
    Form88* f = wave();
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command3"));
    auto* sheet = dynamic_cast<DrawingSheet*>(FormRegistry::find(QStringLiteral("Form136")));
    ASSERT_NE(sheet, nullptr);
    sheet->setText(QStringLiteral("Text1_1"), QStringLiteral("WS-60"));
    sheet->picture()->setFocus();
    QTest::mouseClick(sheet->picture(), Qt::LeftButton, {}, QPoint(1, 1));
    const QString path = QDir(outputs.path()).filePath(QStringLiteral("WS-60.bmp"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), QStringLiteral("已经保存为") + QDir::toNativeSeparators(path));
    const QImage saved(path, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(DrawingSheet::kTemplateWidth, DrawingSheet::kTemplateHeight));
}

class WasherTest : public FormTest {};

TEST_F(WasherTest, MessagesAreTheWindowsOwnTexts) {
    FormBase* f = open(QStringLiteral("Form24"));
    click(f, QStringLiteral("Command2"));
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    const PromptRequest& r = prompts().requests.first();
    EXPECT_EQ(r.text, QStringLiteral("请输入波簧外径！"));
    EXPECT_EQ(r.title, QStringLiteral("SpireltaSpringV2024"));
    EXPECT_EQ(r.icon, PromptIcon::None);
    EXPECT_EQ(r.buttons, PromptButtons::Ok);
    prompts().clear();
    typeAll(f, {{"Text1_0", "65"}, {"Text1_1", "54"}, {"Text1_2", "0.8"}, {"Text1_3", "5"}});
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), QStringLiteral("请输入压缩长度！"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("波形垫圈计算"));
}

TEST_F(WasherTest, FaultsAfterTheLoadKeepIt) {
    FormBase* f = open(QStringLiteral("Form24"));
    f->setText(QStringLiteral("Text1_6"), QStringLiteral("old"));
    f->setText(QStringLiteral("Text1_3"), QStringLiteral("0"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_5")), QStringLiteral("0.00"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_6")), QStringLiteral("old"));
    prompts().clear();
    typeAll(f, {{"Text1_0", "0"}, {"Text1_1", "0"}, {"Text1_3", "5"}, {"Text1_5", "old"}});
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_5")), QStringLiteral("old"));
    expectNoNonFinite(f);
}

TEST_F(WasherTest, NoCommandOpensIt) {
    EXPECT_TRUE(FormRegistry::isRegistered(QStringLiteral("Form24")));
}

} // namespace
