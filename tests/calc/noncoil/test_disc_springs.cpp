// Disc springs: the one-disc formulas, the single and stacked windows' examples, the working
// height message, the faults part way and the combination picture.
#include "calc/noncoil/DiscSpring.h"
#include "calc/noncoil/DiscStack.h"
#include "calc/noncoil/Form45.h"
#include "common/CheckedMath.h"
#include "support/WindowCases.h"

#include <QLabel>
#include <QTimer>

namespace {

TEST(DiscSpring, ParametersAndVerdictTie) {
    const disc::Parameters p = disc::parameters(31.5, 12.2, 206000);
    EXPECT_NEAR(p.alpha, 0.8473393, 5e-8);
    EXPECT_NEAR(p.beta, 1.3445198, 5e-8);
    EXPECT_NEAR(p.gamma, 1.5926006, 5e-8);
    EXPECT_EQ(disc::verdict(1959.99, 0), QStringLiteral("ok"));
    EXPECT_EQ(disc::verdict(1960, 0), QStringLiteral("ng"));
    EXPECT_EQ(disc::verdict(0, 1960), QStringLiteral("ng"));
    EXPECT_THROW(disc::parameters(10, 10, 206000), num::CalcFault);  // C = 1
    EXPECT_THROW(disc::parameters(-10, 10, 206000), num::CalcFault); // C <= 0
    EXPECT_THROW(disc::parameters(31.5, 12.2, 0), num::CalcFault);   // no material
    EXPECT_EQ(disc::materialModulus(QStringLiteral("x750")), 214000);
    EXPECT_EQ(disc::materialModulus(QStringLiteral("X750")), 0);
}

TEST(DiscSpring, LoadAtFlatteningHasABracketOfOne) {
    const double alpha = 0.8473393;
    EXPECT_NEAR(disc::load(1, 31.5, alpha, 1.1, 1.1), 1e6 * 1.1 / (31.5 * 31.5 * alpha), 1e-9);
    EXPECT_THROW(disc::load(0, 31.5, alpha, 1.1, 0.5), num::CalcFault);
}

TEST(DiscStack, BearingFaceFactorAndCombination) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(disc::bearingFaceFactor(StringTable::text(2410), 2), 1);
    EXPECT_NEAR(disc::bearingFaceFactor(StringTable::text(2411), 9 / 4.2), 1.0526316, 5e-8);
    EXPECT_EQ(disc::bearingFaceFactor(QStringLiteral("x"), 2), 0);
    EXPECT_THROW(disc::bearingFaceFactor(StringTable::text(2411), 1), num::CalcFault);
    EXPECT_EQ(disc::stackCombination(StringTable::text(2409)), disc::Combination::Opposed);
    EXPECT_EQ(disc::stackCombination(QStringLiteral("叠合组合 ")), disc::Combination::Unknown);
}

const WindowCase kExamples[] = {
    {"SingleDefaults",
     "Form126",
     {},
     {{"Text1_6", "2.58"},
      {"Text1_8", "1.10"},
      {"Text1_9", "0.8473393"},
      {"Text1_10", "1.3445198"},
      {"Text1_11", "1.5926006"},
      {"Text1_12", "586.80"},
      {"Text1_13", "1308.32"},
      {"Text1_17", "586.80"},
      {"Text1_14", "950.99"},
      {"Text1_15", "1166.76"},
      {"Text1_5", "1086.17"},
      {"Text1_21", "ok"}}},
    {"SingleX750", "Form126", {{"Combo1", "x750"}}, {{"Text1_9", "0.8156631"}, {"Text1_12", "609.59"}}},
    {"Single17_7", "Form126", {{"Combo1", "17-7"}}, {{"Text1_9", "0.8581706"}, {"Text1_12", "579.40"}}},
    {"SingleX718", "Form126", {{"Combo1", "x718"}}, {{"Text1_9", "0.8727595"}, {"Text1_12", "569.71"}}},
    {"Single50CrVA", "Form126", {{"Combo1", "50CrVA"}}, {{"Text1_9", "0.8473393"}, {"Text1_12", "586.80"}}},
    {"SingleWorkingHeightAtThickness",
     "Form126",
     {{"Text1_4", "1"}},
     {{"Text1_12", "1308.32"}, {"Text1_13", "1308.32"}, {"Text1_21", "ng"}}},
    {"SingleNoConeHeight",
     "Form126",
     {{"Text1_3", "1"}, {"Text1_4", "1"}},
     {{"Text1_8", "0.00"},
      {"Text1_12", "0.00"},
      {"Text1_13", "0.00"},
      {"Text1_17", "0.00"},
      {"Text1_14", "0.00"},
      {"Text1_15", "0.00"},
      {"Text1_5", "0.00"},
      {"Text1_21", "ok"}}},
    {"SingleWorkingHeightAboveFree",
     "Form126",
     {{"Text1_4", "2.2"}},
     {{"Text1_12", "-283.07"}, {"Text1_21", "ok"}}},
    {"StackDefaults",
     "Form45",
     {},
     {{"Text1_6", "2.14"},
      {"Text1_8", "0.65"},
      {"Text1_9", "0.79"},
      {"Text1_10", "1.25"},
      {"Text1_11", "1.43"},
      {"Text1_12", "6574.19"},
      {"Text1_13", "17443.80"},
      {"Text1_17", "19722.56"},
      {"Text1_14", "7829.19"},
      {"Text1_15", "3379.16"},
      {"Text1_16", "3952.49"},
      {"Text1_21", "ng"}}},
    {"StackOpposed",
     "Form45",
     {{"Combo3", "对合组合"}},
     {{"Text1_12", "2343.90"},
      {"Text1_17", "2343.90"},
      {"Text1_14", "2704.99"},
      {"Text1_15", "1031.13"},
      {"Text1_16", "1374.75"},
      {"Text1_21", "ng"}}},
    {"StackBearingFacesNested",
     "Form45",
     {{"Combo2", "有支撑面"}},
     {{"Text1_8", "0.68"}, {"Text1_12", "7063.84"}, {"Text1_13", "19328.31"}, {"Text1_17", "21191.52"}}},
    {"StackOfTwoSingleDiscs",
     "Form45",
     {{"Text1_0", "1"},
      {"Text1_1", "31.5"},
      {"Text1_2", "12.2"},
      {"Text1_3", "2"},
      {"Text1_4", "2.1"},
      {"Text1_5", "1.825"}},
     {{"Text1_12", "586.80"},
      {"Text1_13", "1308.32"},
      {"Text1_14", "944.18"},
      {"Text1_15", "97.63"},
      {"Text1_16", "426.18"},
      {"Text1_17", "1173.60"},
      {"Text1_21", "ok"}}},
    {"StackOfTwoOpposed",
     "Form45",
     {{"Text1_0", "1"},
      {"Text1_1", "31.5"},
      {"Text1_2", "12.2"},
      {"Text1_3", "2"},
      {"Text1_4", "2.1"},
      {"Text1_5", "1.825"},
      {"Combo3", "对合组合"}},
     {{"Text1_12", "325.87"}, {"Text1_17", "325.87"}}},
    {"StackOfTwoBearingFaces",
     "Form45",
     {{"Text1_0", "1"},
      {"Text1_1", "31.5"},
      {"Text1_2", "12.2"},
      {"Text1_3", "2"},
      {"Text1_4", "2.1"},
      {"Text1_5", "1.825"},
      {"Combo2", "有支撑面"}},
     {{"Text1_8", "1.15"}, {"Text1_12", "644.96"}}},
    {"StackUnknownDiscType",
     "Form45",
     {{"Combo2", "x"}},
     {{"Text1_8", "0.00"},
      {"Text1_12", "0.00"},
      {"Text1_13", "0.00"},
      {"Text1_17", "0.00"},
      {"Text1_14", "0.00"},
      {"Text1_21", "ok"}}},
};
INSTANTIATE_TEST_SUITE_P(Disc, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"SingleThickness", "Form126", {{"Text1_0", ""}}, 1681, "Command1", {"Text1_6"}},
    {"SingleWorkingHeight", "Form126", {{"Text1_4", ""}}, 1680},
    {"StackCount", "Form45", {{"Text1_3", ""}}, 1679},
    {"StackWorkingHeight", "Form45", {{"Text1_5", ""}}, 1596, "Command1", {"Text1_6"}},
};
INSTANTIATE_TEST_SUITE_P(Disc, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class DiscTest : public FormTest {};

TEST_F(DiscTest, WorkingHeightBelowTheThicknessIsRefused) {
    FormBase* f = open(QStringLiteral("Form126"));
    f->setText(QStringLiteral("Text1_4"), QStringLiteral("0.9"));
    click(f, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(2097) + QStringLiteral("1mm"));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    EXPECT_EQ(f->text(QStringLiteral("Text1_6")), QString());
}

// A fault keeps the boxes written before its step; the later ones keep their old texts.
TEST_F(DiscTest, FaultsStopAtTheirStep) {
    struct Row {
        const char* name;
        const char* window;
        std::vector<ControlText> inputs;
        const char* lastWritten;
        const char* firstKept;
    };
    const Row rows[] = {
        {"SingleNoBore", "Form126", {{"Text1_2", "0"}}, nullptr, "Text1_6"},
        {"SingleRatioOne", "Form126", {{"Text1_2", "31.5"}}, "Text1_8", "Text1_9"},
        {"SingleUnknownMaterial", "Form126", {{"Combo1", "x"}}, "Text1_8", "Text1_9"},
        {"SingleNegativeRatio", "Form126", {{"Text1_2", "-12.2"}}, "Text1_8", "Text1_9"},
        {"SingleNoThickness", "Form126", {{"Text1_0", "0"}, {"Text1_4", "0"}}, "Text1_11", "Text1_12"},
        {"StackNoBore", "Form45", {{"Text1_2", "0"}}, nullptr, "Text1_6"},
        {"StackBearingFacesRatioOne",
         "Form45",
         {{"Text1_2", "9"}, {"Combo2", "有支撑面"}},
         "Text1_6",
         "Text1_8"},
        {"StackRatioOne", "Form45", {{"Text1_2", "9"}}, "Text1_8", "Text1_9"},
        {"StackOpposedNoDiscs", "Form45", {{"Text1_3", "0"}, {"Combo3", "对合组合"}}, "Text1_6", "Text1_8"},
        {"StackNoThickness", "Form45", {{"Text1_0", "0"}}, "Text1_11", "Text1_12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormBase* f = open(QString::fromLatin1(row.window));
        typeAll(f, row.inputs);
        for (QLineEdit* box : f->inputArray(QStringLiteral("Text1"))) {
            if (box->text().isEmpty())
                box->setText(QStringLiteral("old"));
        }
        click(f, QStringLiteral("Command1"));
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
        if (row.lastWritten) {
            EXPECT_NE(f->text(QString::fromLatin1(row.lastWritten)), QStringLiteral("old"));
        }
        EXPECT_EQ(f->text(QString::fromLatin1(row.firstKept)), QStringLiteral("old"));
        expectNoNonFinite(f);
        prompts().clear();
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(DiscTest, UnknownCombinationLeavesTheStackLoadStale) {
    FormBase* f = open(QStringLiteral("Form45"));
    click(f, QStringLiteral("Command1"));
    f->setText(QStringLiteral("Combo3"), QStringLiteral("x"));
    click(f, QStringLiteral("Command1"));
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(f->text(QStringLiteral("Text1_17")), QStringLiteral("19722.56"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_12")), QStringLiteral("0.00"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_14")), QStringLiteral("0.00"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_21")), QStringLiteral("ok"));
}

TEST_F(DiscTest, StackInEnglishFollowsTheListTexts) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = open(QStringLiteral("Form45"));
    EXPECT_EQ(f->text(QStringLiteral("Combo3")), QStringLiteral("Polymer composite"));
    f->setText(QStringLiteral("Combo3"), QStringLiteral("Involution combination"));
    click(f, QStringLiteral("Command1"));
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(f->text(QStringLiteral("Text1_12")), QStringLiteral("2343.90"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_17")), QStringLiteral("2343.90"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_21")), QStringLiteral("ng"));
}

TEST_F(DiscTest, CombinationPictureFollowsTheListOnEachTick) {
    auto* f = open<Form45>(QStringLiteral("Form45"));
    ASSERT_NE(f, nullptr);
    auto* timer = f->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 200);
    EXPECT_TRUE(timer->isActive());
    auto visible = [f](const char* image) { return !f->label(QString::fromLatin1(image))->isHidden(); };
    EXPECT_TRUE(visible("Image2"));
    EXPECT_FALSE(visible("Image3"));
    f->switchPicture();
    EXPECT_FALSE(visible("Image2"));
    EXPECT_TRUE(visible("Image3"));
    f->setText(QStringLiteral("Combo3"), StringTable::text(2409));
    f->switchPicture();
    EXPECT_TRUE(visible("Image2"));
    f->setText(QStringLiteral("Combo3"), QStringLiteral("x"));
    f->switchPicture();
    EXPECT_TRUE(visible("Image2"));
    EXPECT_FALSE(visible("Image3"));
}

TEST_F(DiscTest, ResetEmptiesEveryBox) {
    for (const char* window : {"Form126", "Form45"}) {
        FormBase* f = open(QString::fromLatin1(window));
        click(f, QStringLiteral("Command1"));
        click(f, QStringLiteral("Command2"));
        const QList<QLineEdit*> boxes = f->inputArray(QStringLiteral("Text1"));
        EXPECT_EQ(boxes.size(), std::string(window) == "Form126" ? 17 : 18);
        for (QLineEdit* box : boxes)
            EXPECT_EQ(box->text(), QString()) << window << qPrintable(box->objectName());
        click(f, QStringLiteral("Command1"));
        EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1681));
        prompts().clear();
    }
}

} // namespace
