// Rubber springs: the shared model, the three windows' examples, verdict ties and faults.
#include "calc/noncoil/RubberSpringCore.h"
#include "common/CheckedMath.h"
#include "support/WindowCases.h"

#include <deque>
#include <string>

namespace {

TEST(RubberSpringCore, VerdictTiesAndLimits) {
    EXPECT_EQ(rubber::verdict(15, 10, 15), QStringLiteral("ng"));
    EXPECT_EQ(rubber::verdict(14.99, 10, 15), QStringLiteral("ok"));
    EXPECT_EQ(rubber::verdict(1, 3, 3), QStringLiteral("ng"));
    EXPECT_EQ(rubber::verdict(0, 0, 0), QStringLiteral("ng"));
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(rubber::loadTypeLimits(QStringLiteral("静态")).stress, 3);
    EXPECT_EQ(rubber::loadTypeLimits(QStringLiteral("动态")).deformation, 5);
    EXPECT_EQ(rubber::loadTypeLimits(QStringLiteral("静态 ")).stress, 0);
}

TEST(RubberSpringCore, ModelFormulas) {
    EXPECT_NEAR(rubber::shearModulus(50), 0.640452, 5e-7);
    EXPECT_NEAR(rubber::hardnessCoefficient(50), 5.8, 1e-12);
    EXPECT_NEAR(rubber::ringCoefficient(5.8, 0.3), 4.29232, 1e-9);
    // A square block: 3 + 1.12 K s^2.
    EXPECT_NEAR(rubber::blockCoefficient(4.82, 0.5, 80, 80), 3 + 1.12 * 4.82 * 0.25, 1e-12);
    EXPECT_THROW(rubber::shearModulus(20877), num::CalcFault);
    EXPECT_THROW(rubber::blockCoefficient(5, 0.3, 0, 10), num::CalcFault);
}

const std::vector<ControlText> kCylinder = {{"Text1_0", "50"}, {"Text1_1", "100"},  {"Text1_2", "0"},
                                            {"Text1_3", "45"}, {"Text1_4", "1000"}, {"Text1_5", "50"}};
const std::vector<ControlText> kRing = {{"Text1_0", "50"}, {"Text1_1", "100"},  {"Text1_2", "40"},
                                        {"Text1_3", "45"}, {"Text1_4", "1000"}, {"Text1_5", "50"}};
const std::vector<ControlText> kBlock = {{"Text1_0", "50"}, {"Text1_1", "100"},  {"Text1_2", "50"},
                                         {"Text1_3", "45"}, {"Text1_4", "1000"}, {"Text1_5", "50"}};
const std::vector<ControlText> kShear = {
    {"Text1_0", "20"}, {"Text1_1", "2000"}, {"Text1_2", "2"}, {"Text1_3", "500"}, {"Text1_4", "50"}};

// Consecutive boxes Text1_<first>, Text1_<first + 1>, ... with their texts.
std::vector<ControlText> boxes(int first, std::vector<const char*> texts) {
    static std::deque<std::string> names; // elements never move, so their texts stay valid
    std::vector<ControlText> out;
    for (const char* t : texts) {
        names.push_back("Text1_" + std::to_string(first++));
        out.push_back({names.back().c_str(), t});
    }
    return out;
}

std::vector<ControlText> plus(std::vector<ControlText> a, const std::vector<ControlText>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const WindowCase kExamples[] = {
    {"SolidCylinder", "Form46", kCylinder,
     boxes(6,
           {"3", "15.00", "0.640452", "2.8500", "7854.0000", "15708.0000", "0.5000", "5.8000", "4.4500",
            "447.6797", "2238.3984", "2.2337", "47.7663", "10.00", "4.47", "14.2501", "6.3662", "ng", "ok"})},
    {"Ring", "Form46", kRing,
     boxes(6,
           {"3", "15.00", "0.640452", "2.7490", "6597.3600", "21991.2000", "0.3000", "5.8000", "4.2923",
            "362.7261", "1813.6303", "2.7569", "47.2431", "10.00", "5.51", "13.7451", "7.5788", "ng", "ok"})},
    {"DeformationAtTheLimit",
     "Form46",
     plus(kCylinder, {{"Text1_0", "20"}, {"Text1_3", "17"}}),
     {{"Text1_19", "15.00"}, {"Text1_24", "ng"}}},
    {"UnknownLoadType",
     "Form46",
     plus(kCylinder, {{"Combo1", "x"}}),
     {{"Text1_6", "0"}, {"Text1_7", "0.00"}, {"Text1_23", "ng"}, {"Text1_24", "ng"}}},
    {"HalfReadAsOne", "Form46", plus(kCylinder, {{"Text1_5", "50/2"}}), {{"Text1_13", "5.8000"}}},
    {"Block", "Form47", kBlock,
     boxes(6, {"3", "15.00", "0.640452", "2.4815", "5000.0000", "15000.0000", "0.3333", "5.8000", "3.8747",
               "248.1537", "1240.7687", "4.0298", "45.9702", "10.00", "8.06", "12.4077", "10.0000", "ng",
               "ok"})},
    {"SquareBlock",
     "Form47",
     plus(kBlock, {{"Text1_0", "40"}, {"Text1_1", "80"}, {"Text1_2", "80"}, {"Text1_5", "60"}}),
     {{"Text1_12", "0.5000"}, {"Text1_14", "4.3496"}}},
    {"BlockTurned",
     "Form47",
     plus(kBlock, {{"Text1_1", "50"}, {"Text1_2", "100"}}),
     {{"Text1_10", "5000.0000"}, {"Text1_11", "15000.0000"}, {"Text1_12", "0.3333"}}},
    {"UnknownLoadTypeBlock",
     "Form47",
     plus(kBlock, {{"Combo1", "x"}}),
     {{"Text1_6", "0"}, {"Text1_7", "0.00"}, {"Text1_23", "ng"}, {"Text1_24", "ng"}}},
    {"Shear", "Form48", kShear,
     boxes(5, {"3", "15.00", "0.640452", "64.0452", "128.0904", "7.8070", "1.2809", "5.0000", "ng"})},
    {"ShearLightLoadStatic",
     "Form48",
     plus(kShear, {{"Text1_3", "100"}}),
     {{"Text1_12", "1.0000"}, {"Text1_13", "ok"}}},
    {"ShearLightLoadDynamic",
     "Form48",
     plus(kShear, {{"Text1_3", "100"}, {"Combo1", "动态"}}),
     {{"Text1_5", "1"}, {"Text1_6", "5.00"}, {"Text1_13", "ng"}}},
    {"ShearUnknownLoadType",
     "Form48",
     plus(kShear, {{"Combo1", "x"}}),
     {{"Text1_5", "0"}, {"Text1_13", "ng"}}},
};
INSTANTIATE_TEST_SUITE_P(Rubber, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"CylinderAllEmpty", "Form46", {}, 1720, "Command1", {"Text1_6"}},
    {"CylinderInner", "Form46", {{"Text1_0", "50"}, {"Text1_1", "100"}}, 2102},
    {"CylinderHardness",
     "Form46",
     {{"Text1_0", "5"}, {"Text1_1", "1"}, {"Text1_2", "0"}, {"Text1_3", "1"}, {"Text1_4", "1"}},
     1714},
    {"BlockLength", "Form47", {{"Text1_0", "50"}}, 1904},
    {"BlockWidth", "Form47", {{"Text1_0", "50"}, {"Text1_1", "100"}}, 1903},
    {"ShearArea", "Form48", {{"Text1_0", "20"}}, 1721},
    {"ShearDeflection", "Form48", {{"Text1_0", "20"}, {"Text1_1", "2000"}}, 1704},
};
INSTANTIATE_TEST_SUITE_P(Rubber, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class RubberTest : public FormTest {};

// A fault keeps the boxes written before its step; the later ones keep their old texts.
TEST_F(RubberTest, FaultsStopAtTheirStep) {
    struct Row {
        const char* name;
        const char* window;
        std::vector<ControlText> inputs;
        const char* lastWritten;
        const char* firstKept;
    };
    const Row rows[] = {
        {"NoHeight", "Form46", plus(kCylinder, {{"Text1_0", "0"}}), "Text1_11", "Text1_12"},
        {"EqualDiameters", "Form46", plus(kRing, {{"Text1_2", "100"}}), "Text1_15", "Text1_17"},
        {"Hardness", "Form46", plus(kCylinder, {{"Text1_5", "30000"}}), "Text1_7", "Text1_8"},
        {"BlockNoLength", "Form47", plus(kBlock, {{"Text1_1", "0"}}), "Text1_13", "Text1_14"},
        {"BlockNoWidth", "Form47", plus(kBlock, {{"Text1_2", "0"}}), nullptr, "Text1_17"},
        {"ShearNoHeight", "Form48", plus(kShear, {{"Text1_0", "0"}}), "Text1_7", "Text1_8"},
        {"ShearNoArea", "Form48", plus(kShear, {{"Text1_1", "0"}}), "Text1_9", "Text1_10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormBase* f = open(QString::fromLatin1(row.window));
        for (QLineEdit* box : f->inputArray(QStringLiteral("Text1")))
            box->setText(QStringLiteral("old"));
        typeAll(f, row.inputs);
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

TEST_F(RubberTest, ResetEmptiesEveryBoxAndKeepsTheLoadType) {
    for (const char* window : {"Form46", "Form47", "Form48"}) {
        FormBase* f = open(QString::fromLatin1(window));
        typeAll(f, kCylinder);
        f->setText(QStringLiteral("Combo1"), StringTable::text(2224));
        click(f, QStringLiteral("Command1"));
        click(f, QStringLiteral("Command2"));
        for (QLineEdit* box : f->inputArray(QStringLiteral("Text1")))
            EXPECT_EQ(box->text(), QString()) << window << qPrintable(box->objectName());
        EXPECT_EQ(f->text(QStringLiteral("Combo1")), StringTable::text(2224));
    }
}

TEST_F(RubberTest, CaptionsAndLists) {
    EXPECT_EQ(open(QStringLiteral("Form46"))->windowTitle(), StringTable::text(1117));
    EXPECT_EQ(open(QStringLiteral("Form47"))->windowTitle(), StringTable::text(1119));
    FormBase* shear = open(QStringLiteral("Form48"));
    EXPECT_EQ(shear->windowTitle(), StringTable::text(1719));
    EXPECT_EQ(shear->comboBox(QStringLiteral("Combo1"))->count(), 2);
    EXPECT_EQ(shear->text(QStringLiteral("Combo1")), QStringLiteral("静态"));
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form46"))->text(QStringLiteral("Unit_Text1_2")),
              StringTable::text(1718));
}

} // namespace
