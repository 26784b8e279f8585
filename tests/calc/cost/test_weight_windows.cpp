// The weight windows: worked examples typed into the named controls, the required-field
// messages, the reset lists, the material lists and the general weight's hand-over.

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "support/WindowCases.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const WindowCase kExamples[] = {
    {"Form2_coiled",
     "Form2",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}},
     {{"Text5", "1.9369"}}},
    {"Form2_straight", "Form2", {{"Text1_0", "1"}, {"Text1_3", "20"}}, {{"Text5", "0.12"}}},
    {"Form2_meanDiameterOnly",
     "Form2",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_3", "20"}},
     {{"Text5", "0.1233"}}},
    {"Form2_titanium",
     "Form2",
     {{"Combo1", "钛合金"}, {"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}},
     {{"Text5", "1.1103"}}},
    {"Form2_unknownMaterial",
     "Form2",
     {{"Combo1", "黄铜"}, {"Text1_0", "1"}, {"Text1_3", "20"}},
     {{"Text5", "0.00"}}},
    {"Form3_coiled",
     "Form3",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "1"}, {"Text1_3", "10"}},
     {{"Text5", "10.4594"}}},
    {"Form3_coiledAndStraight",
     "Form3",
     {{"Text1_0", "2"}, {"Text1_1", "20"}, {"Text1_2", "1"}, {"Text1_3", "10"}, {"Text1_4", "100"}},
     {{"Text5", "12.3090"}}},
    {"Form3_straight",
     "Form3",
     {{"Text1_0", "2"}, {"Text1_2", "1"}, {"Text1_4", "100"}},
     {{"Text5", "1.8496"}}},
    {"Form3_solidCopper",
     "Form3",
     {{"Combo1", "纯铜线 CU"}, {"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_3", "10"}},
     {{"Text5", "1.9764"}}},
    {"Form4_first",
     "Form4",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_3", "123"}, {"Text1_4", "30"}},
     {{"Text6", "637.0800"}, {"Text7", "4.1745"}}},
    {"Form4_second",
     "Form4",
     {{"Text1_0", "0.8"}, {"Text1_1", "6"}, {"Text1_2", "20"}, {"Text1_3", "0"}, {"Text1_4", "15"}},
     {{"Text6", "636.4960"}, {"Text7", "2.6694"}}},
    {"Form5_coiled",
     "Form5",
     {{"Text1_0", "10"}, {"Text1_1", "50"}, {"Text1_2", "0.5"}, {"Text1_3", "5"}},
     {{"Text13", "30.519"}},
     "Command10"},
    {"Form5_coiledAndStraight",
     "Form5",
     {{"Text1_0", "10"}, {"Text1_1", "50"}, {"Text1_2", "0.5"}, {"Text1_3", "5"}, {"Text1_4", "100"}},
     {{"Text13", "34.444"}},
     "Command10"},
    {"Form5_straightSingle",
     "Form5",
     {{"Text1_0", "10"}, {"Text1_2", "0.5"}, {"Text1_4", "100"}},
     {{"Text13", "3.925"}},
     "Command10"},
    {"Form6_carbonSteel",
     "Form6",
     {{"Text1_0", "4"}, {"Text1_1", "20"}, {"Text1_2", "2"}, {"Text1_3", "10"}},
     {{"Text13", "31.567"}},
     "Command10"},
    {"Form6_copper",
     "Form6",
     {{"Combo1", "纯铜线 CU"}, {"Text1_0", "4"}, {"Text1_1", "20"}, {"Text1_2", "2"}, {"Text1_3", "10"}},
     {{"Text13", "35.789"}},
     "Command10"},
    {"Form40_carbonSteel",
     "Form40",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_3", "20"}},
     {{"Text5", "2.9054"}}},
    {"Form40_copper",
     "Form40",
     {{"Combo1", "纯铜线 CU"}, {"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_3", "20"}},
     {{"Text5", "3.2940"}}},
    {"Form40_larger",
     "Form40",
     {{"Text1_0", "2"}, {"Text1_1", "15"}, {"Text1_2", "8"}, {"Text1_3", "30"}},
     {{"Text5", "13.9458"}}},
};
INSTANTIATE_TEST_SUITE_P(WeightWindows, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Form4_wireDiameter", "Form4", {}, 1333, "Command1", {"Text6", "Text7"}},
    {"Form4_pitch", "Form4", {{"Text1_0", "1"}}, 1471},
    {"Form4_lengthThoughUnused",
     "Form4",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_4", "30"}},
     1473,
     "Command1",
     {"Text6", "Text7"}},
    {"Form4_waveHeight",
     "Form4",
     {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_3", "1"}},
     1475},
    {"Form5_width", "Form5", {{"Text1_2", "0.5"}}, 1479, "Command10", {"Text13"}},
    {"Form5_thickness", "Form5", {{"Text1_0", "10"}, {"Text1_1", "50"}}, 1478, "Command10", {"Text13"}},
    {"Form6_width", "Form6", {}, 1479, "Command10", {"Text13"}},
    {"Form6_thickness", "Form6", {{"Text1_0", "4"}, {"Text1_1", "20"}, {"Text1_3", "10"}}, 1478, "Command10"},
};
INSTANTIATE_TEST_SUITE_P(WeightWindows, RequiredField, ::testing::ValuesIn(kRequired),
                         caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"Form5_singleOverflow",
     "Form5",
     {{"Text1_0", "90000000000000000000000000000000000000"},
      {"Text1_2", "90000000000000000000000000000000000000"},
      {"Text1_4", "1"}},
     "Command10"},
    {"Form40_singleOverflow",
     "Form40",
     {{"Text1_0", "100000000000000000000"}, {"Text1_1", "1"}, {"Text1_2", "1"}, {"Text1_3", "1"}}},
};
INSTANTIATE_TEST_SUITE_P(WeightWindows, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class WeightWindow : public FormTest {};

// Form3 and Form40 name a missing field by its caption alone, Form2 by its own text 1034.
TEST_F(WeightWindow, CaptionAloneAndWireDiameterMessages) {
    struct Case {
        const char* window;
        std::vector<ControlText> inputs;
        const char* result;
        int textId;
    };
    const Case cases[] = {
        {"Form2", {{"Text1_1", "10"}, {"Text1_2", "10"}, {"Text1_3", "5"}, {"Text5", "old"}}, "Text5", 1034},
        {"Form3", {{"Text1_1", "20"}, {"Text1_2", "1"}, {"Text1_3", "10"}, {"Text5", "old"}}, "Text5", 1333},
        {"Form40", {{"Text5", "old"}}, "Text5", 1333},
        {"Form40", {{"Text1_0", "1"}, {"Text5", "old"}}, "Text5", 1444},
        {"Form40", {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text5", "old"}}, "Text5", 1331},
        {"Form40", {{"Text1_0", "1"}, {"Text1_1", "10"}, {"Text1_2", "10"}, {"Text5", "old"}}, "Text5", 1445},
    };
    for (const Case& c : cases) {
        prompts().clear();
        FormBase* f = open(QString::fromLatin1(c.window));
        typeAll(f, c.inputs);
        click(f, QStringLiteral("Command1"));
        ASSERT_EQ(prompts().requests.size(), 1) << c.window;
        EXPECT_EQ(prompts().requests[0].text, StringTable::text(c.textId)) << c.window << " " << c.textId;
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318));
        EXPECT_EQ(f->text(QString::fromLatin1(c.result)), QStringLiteral("old"));
        f->close();
        flush();
    }
}

TEST_F(WeightWindow, ListsCaptionsAndDefaults) {
    struct Case {
        const char* window;
        QString caption;
        int materials;
        const char* straightField; // the field whose default is "0", if any
    };
    const Case cases[] = {
        {"Form2", StringTable::text(1219), 7, "Text1_3"},
        {"Form3", StringTable::text(1020) + StringTable::text(1017), 6, "Text1_4"},
        {"Form4", StringTable::text(1021) + StringTable::text(1017), 6, nullptr},
        {"Form5", StringTable::text(1481), 6, "Text1_4"},
        {"Form6", StringTable::text(1023) + StringTable::text(1017), 3, nullptr},
        {"Form40", StringTable::text(1441), 7, nullptr},
    };
    for (const Case& c : cases) {
        FormBase* f = open(QString::fromLatin1(c.window));
        EXPECT_EQ(f->windowTitle(), c.caption) << c.window;
        EXPECT_EQ(f->comboBox(QStringLiteral("Combo1"))->count(), c.materials) << c.window;
        EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("碳钢线 SWC")) << c.window;
        if (c.straightField) {
            EXPECT_EQ(f->text(QString::fromLatin1(c.straightField)), QStringLiteral("0")) << c.window;
        }
        EXPECT_TRUE(f->defaultButton() != nullptr) << c.window;
    }
    FormBase* form6 = FormRegistry::find(QStringLiteral("Form6"));
    EXPECT_EQ(form6->comboBox(QStringLiteral("Combo1"))->itemText(2), QStringLiteral("琴钢线 SWP"));
}

TEST_F(WeightWindow, ResetListsKeepTheMaterial) {
    struct Case {
        const char* window;
        const char* button;
        std::vector<ControlText> after;
    };
    const Case cases[] = {
        {"Form2",
         "Command4",
         {{"Text1_0", ""}, {"Text1_1", ""}, {"Text1_2", ""}, {"Text1_3", "0"}, {"Text5", ""}}},
        {"Form3",
         "Command2",
         {{"Text1_0", ""},
          {"Text1_1", ""},
          {"Text1_2", ""},
          {"Text1_3", ""},
          {"Text1_4", "0"},
          {"Text5", ""}}},
        {"Form4",
         "Command2",
         {{"Text1_0", ""},
          {"Text1_1", ""},
          {"Text1_2", ""},
          {"Text1_3", ""},
          {"Text1_4", ""},
          {"Text6", ""},
          {"Text7", ""}}},
        {"Form5",
         "Command7",
         {{"Text1_0", ""},
          {"Text1_1", ""},
          {"Text1_2", ""},
          {"Text1_3", ""},
          {"Text1_4", "0"},
          {"Text13", ""}}},
        {"Form6",
         "Command7",
         {{"Text1_0", ""}, {"Text1_1", ""}, {"Text1_2", ""}, {"Text1_3", ""}, {"Text13", ""}}},
        {"Form40",
         "Command4",
         {{"Text1_0", ""}, {"Text1_1", ""}, {"Text1_2", ""}, {"Text1_3", ""}, {"Text5", ""}}},
    };
    for (const Case& c : cases) {
        FormBase* f = open(QString::fromLatin1(c.window));
        f->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
        for (const ControlText& t : c.after)
            type(f, QString::fromLatin1(t.control), QStringLiteral("7"));
        click(f, QString::fromLatin1(c.button));
        expectTexts(f, c.after);
        EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("纯铜线 CU")) << c.window;
    }
}

TEST_F(WeightWindow, ExitButtonsCloseTheWindow) {
    const std::pair<const char*, const char*> exits[] = {{"Form2", "Command5"},   {"Form3", "Command3"},
                                                         {"Form4", "Command3"},   {"Form5", "Command6_0"},
                                                         {"Form6", "Command6_0"}, {"Form40", "Command5"}};
    for (const auto& [window, button] : exits) {
        FormBase* f = open(QString::fromLatin1(window));
        click(f, QString::fromLatin1(button));
        flush();
        EXPECT_EQ(FormRegistry::find(QString::fromLatin1(window)), nullptr) << window;
    }
}

TEST_F(WeightWindow, SerpentineLengthStaysWhenTheWeightOverflows) {
    FormBase* f = open(QStringLiteral("Form4"));
    // A long developed length times a very thick wire: the length fits a single, the weight not.
    typeAll(f, {{"Text1_0", "10000000000000000000"},
                {"Text1_1", "0"},
                {"Text1_2", "1"},
                {"Text1_3", "1"},
                {"Text1_4", "20000000000000000000"},
                {"Text7", "old"}});
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    // S = (H - d) * 2 = 2e19, held as a single.
    EXPECT_EQ(f->text(QStringLiteral("Text6")), num::formatSingle(num::single(2e19), u"0.0000"));
    EXPECT_EQ(f->text(QStringLiteral("Text7")), QStringLiteral("old"));
}

TEST_F(WeightWindow, QuoteHandsTheWeightAsShownToTheQuotation) {
    struct Case {
        const char* name;
        const char* weight;
        bool quotationOpen;
    };
    const Case cases[] = {{"computed", "1.9369", false}, {"typed", "3.5abc", true}, {"empty", "", false}};
    for (const Case& c : cases) {
        if (c.quotationOpen) {
            FormBase* q = open(QStringLiteral("Form7"));
            type(q, QStringLiteral("Text19_1"), QStringLiteral("12"));
        }
        FormBase* f = open(QStringLiteral("Form2"));
        type(f, QStringLiteral("Text5"), QString::fromUtf8(c.weight));
        click(f, QStringLiteral("Command2"));
        flush();
        EXPECT_EQ(FormRegistry::find(QStringLiteral("Form2")), nullptr) << c.name;
        FormBase* q = FormRegistry::find(QStringLiteral("Form7"));
        ASSERT_NE(q, nullptr) << c.name;
        EXPECT_TRUE(q->isVisible()) << c.name;
        EXPECT_EQ(q->text(QStringLiteral("Text19_4")), QString::fromUtf8(c.weight)) << c.name;
        // An open quotation keeps what the user typed in it.
        EXPECT_EQ(q->text(QStringLiteral("Text19_1")), c.quotationOpen ? QStringLiteral("12") : QString())
            << c.name;
        EXPECT_TRUE(prompts().requests.isEmpty());
        q->close();
        flush();
    }
}

TEST_F(WeightWindow, QuotationWithAnEmptyWeightReportsThatField) {
    FormBase* f = open(QStringLiteral("Form2"));
    click(f, QStringLiteral("Command2"));
    flush();
    FormBase* q = FormRegistry::find(QStringLiteral("Form7"));
    ASSERT_NE(q, nullptr);
    type(q, QStringLiteral("Text19_1"), QStringLiteral("10"));
    click(q, QStringLiteral("Command11"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1464));
}

} // namespace
