// The lathe part window and the shaft quotation: worked examples, messages, faults, resets and
// the hand-over of the material cost.

#include "calc/cost/CostWizardState.h"
#include "common/StringTable.h"
#include "support/WindowCases.h"

#include <QComboBox>

namespace {

const std::vector<ControlText> kRoundIron = {
    {"Text1_0", "20"}, {"Text1_1", "0"}, {"Text1_2", "2500"}, {"Text1_3", "10"}, {"Text1_4", "50"}};

const WindowCase kExamples[] = {
    {"Form41_roundIronCnc",
     "Form41",
     with(kRoundIron, {{"Combo2", "CNC电脑机"}}),
     {{"Text1_5", "6165.390"},
      {"Text1_6", "61.654"},
      {"Text1_7", "43"},
      {"Text1_8", "143.38"},
      {"Text1_9", "1.425"},
      {"Text1_10", "0.950"}}},
    {"Form41_roundIronMachine1",
     "Form41",
     kRoundIron,
     {{"Text1_5", "6165.390"},
      {"Text1_6", "61.654"},
      {"Text1_7", "47"},
      {"Text1_8", "131.18"},
      {"Text1_9", "1.309"},
      {"Text1_10", "0.950"}}},
    {"Form41_hexagonalCopper",
     "Form41",
     with(kRoundIron, {{"Combo1", "六角-铜类"}}),
     {{"Text1_5", "7707.400"},
      {"Text1_6", "77.074"},
      {"Text1_7", "47"},
      {"Text1_8", "163.99"},
      {"Text1_9", "1.636"},
      {"Text1_10", "1.821"}}},
    {"Form41_emptyBoreIsSolid", "Form41", with(kRoundIron, {{"Text1_1", ""}}), {{"Text1_9", "1.309"}}},
    {"Form41_unknownMaterial",
     "Form41",
     with(kRoundIron, {{"Combo1", "圆枝"}}),
     {{"Text1_5", "0.000"}, {"Text1_9", "0.000"}, {"Text1_10", "0.000"}}},
    {"Form42_defaults", "Form42", {{"Text19_1", "1.425"}}, {{"Text19_8", "1.815"}}, "Command11"},
    {"Form42_allCosts",
     "Form42",
     {{"Text19_1", "1.425"},
      {"Text19_2", "0.2"},
      {"Text19_3", "0.3"},
      {"Text19_4", "0.05"},
      {"Text19_6", "0.1"}},
     {{"Text19_8", "2.575"}},
     "Command11"},
    {"Form42_noTax",
     "Form42",
     {{"Text19_1", "1.425"},
      {"Text19_2", "0.2"},
      {"Text19_3", "0.3"},
      {"Text19_4", "0.05"},
      {"Text19_6", "0.1"},
      {"Text19_7", "0"}},
     {{"Text19_8", "2.201"}},
     "Command11"},
};
INSTANTIATE_TEST_SUITE_P(ShaftWindows, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Form41_barDiameter",
     "Form41",
     with(kRoundIron, {{"Text1_0", ""}, {"Text1_2", ""}}),
     1658,
     "Command1",
     {"Text1_5", "Text1_9"}},
    {"Form41_barLength", "Form41", with(kRoundIron, {{"Text1_2", ""}, {"Text1_3", ""}}), 1657},
    {"Form41_unitPrice", "Form41", with(kRoundIron, {{"Text1_3", ""}, {"Text1_4", ""}}), 1656},
    {"Form41_partLength", "Form41", with(kRoundIron, {{"Text1_4", ""}}), 1653, "Command1", {"Text1_5"}},
    {"Form42_machine", "Form42", {{"Text19_0", ""}}, 1455, "Command11", {"Text19_8"}},
    {"Form42_material", "Form42", {}, 1666, "Command11", {"Text19_8"}},
    {"Form42_grinding", "Form42", {{"Text19_1", "1"}, {"Text19_2", ""}}, 1662, "Command11"},
    {"Form42_plating", "Form42", {{"Text19_1", "1"}, {"Text19_3", ""}}, 1665, "Command11"},
    {"Form42_packing", "Form42", {{"Text19_1", "1"}, {"Text19_4", ""}}, 1664, "Command11"},
    {"Form42_speed", "Form42", {{"Text19_1", "1"}, {"Text19_5", ""}}, 1459, "Command11"},
    {"Form42_secondary", "Form42", {{"Text19_1", "1"}, {"Text19_6", ""}}, 1659, "Command11"},
    {"Form42_tax", "Form42", {{"Text19_1", "1"}, {"Text19_7", ""}}, 1460, "Command11"},
};
INSTANTIATE_TEST_SUITE_P(ShaftWindows, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"Form41_partTakesNoBar", "Form41", with(kRoundIron, {{"Text1_4", "-2"}})},
    {"Form42_zeroSpeed", "Form42", {{"Text19_1", "1"}, {"Text19_5", "0"}}, "Command11"},
    {"Form42_moneyOverflow", "Form42", {{"Text19_1", "900000000000000"}}, "Command11"},
};
INSTANTIATE_TEST_SUITE_P(ShaftWindows, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class ShaftWindow : public FormTest {};

TEST_F(ShaftWindow, LathePartLoadsItsListsAndDefaults) {
    FormBase* f = open(QStringLiteral("Form41"));
    EXPECT_EQ(f->windowTitle(), StringTable::text(1642));
    EXPECT_EQ(f->comboBox(QStringLiteral("Combo1"))->count(), 7);
    EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("圆枝-铁类"));
    EXPECT_EQ(f->text(QStringLiteral("Combo2")), QStringLiteral("王主机"));
    expectTexts(f, {{"Text1_0", ""}, {"Text1_1", "0"}, {"Text1_2", "2500"}, {"Command1", "确认"}});
    EXPECT_EQ(f->button(QStringLiteral("Command4"))->toolTip(), QStringLiteral("去报价看看"));
}

TEST_F(ShaftWindow, NoWholePartKeepsTheLastThreeOutputs) {
    FormBase* f = open(QStringLiteral("Form41"));
    typeAll(f,
            with(kRoundIron, {{"Text1_4", "3000"}, {"Text1_8", "a"}, {"Text1_9", "b"}, {"Text1_10", "c"}}));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text1_5", "6165.390"},
                    {"Text1_6", "61.654"},
                    {"Text1_7", "0"},
                    {"Text1_8", "a"},
                    {"Text1_9", "b"},
                    {"Text1_10", "c"}});
}

TEST_F(ShaftWindow, LathePartResetKeepsTheLists) {
    FormBase* f = open(QStringLiteral("Form41"));
    f->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(5);
    f->comboBox(QStringLiteral("Combo2"))->setCurrentIndex(0);
    typeAll(f, kRoundIron);
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    std::vector<ControlText> expected = {{"Text1_0", ""}, {"Text1_1", "0"}, {"Text1_2", "2500"}};
    for (const char* name :
         {"Text1_3", "Text1_4", "Text1_5", "Text1_6", "Text1_7", "Text1_8", "Text1_9", "Text1_10"})
        expected.push_back({name, ""});
    expectTexts(f, expected);
    EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("六角-铜类"));
    EXPECT_EQ(f->text(QStringLiteral("Combo2")), QStringLiteral("CNC电脑机"));
}

TEST_F(ShaftWindow, QuoteCarriesTheMaterialCostAsShown) {
    struct Case {
        const char* name;
        bool calculate;
        bool quotationOpen;
        const char* cost;
    };
    const Case cases[] = {{"calculated, quotation closed", true, false, "1.309"},
                          {"calculated, quotation open", true, true, "1.309"},
                          {"nothing calculated", false, false, ""}};
    for (const Case& c : cases) {
        if (c.quotationOpen)
            type(open(QStringLiteral("Form42")), QStringLiteral("Text19_7"), QStringLiteral("6"));
        FormBase* f = open(QStringLiteral("Form41"));
        if (c.calculate) {
            typeAll(f, kRoundIron);
            click(f, QStringLiteral("Command1"));
        }
        click(f, QStringLiteral("Command4"));
        flush();
        EXPECT_EQ(FormRegistry::find(QStringLiteral("Form41")), nullptr) << c.name;
        FormBase* q = FormRegistry::find(QStringLiteral("Form42"));
        ASSERT_NE(q, nullptr) << c.name;
        EXPECT_TRUE(q->isVisible()) << c.name;
        EXPECT_EQ(q->text(QStringLiteral("Text19_1")), QString::fromUtf8(c.cost)) << c.name;
        EXPECT_EQ(q->text(QStringLiteral("Text19_7")),
                  c.quotationOpen ? QStringLiteral("6") : QStringLiteral("17"));
        q->close();
        flush();
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(ShaftWindow, ShaftQuotationResetEmptiesMachineAndSpeedAndKeepsTheTax) {
    FormBase* f = open(QStringLiteral("Form42"));
    EXPECT_EQ(f->windowTitle(), StringTable::text(1033));
    typeAll(f, {{"Text19_1", "1.425"}, {"Text19_2", "1"}, {"Text19_6", "2"}, {"Text19_7", "6"}});
    click(f, QStringLiteral("Command11"));
    click(f, QStringLiteral("Command1"));
    expectTexts(f, {{"Text19_0", ""},
                    {"Text19_1", ""},
                    {"Text19_2", "0"},
                    {"Text19_3", "0"},
                    {"Text19_4", "0"},
                    {"Text19_5", ""},
                    {"Text19_6", "0"},
                    {"Text19_7", "6"},
                    {"Text19_8", ""}});
    click(f, QStringLiteral("Command11"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1455));
}

TEST_F(ShaftWindow, SecondaryCostPassesThroughTheSharedVariable) {
    FormBase* f = open(QStringLiteral("Form42"));
    typeAll(f, {{"Text19_1", "0"}, {"Text19_0", "15"}, {"Text19_6", "1234.5678"}, {"Text19_7", "0"}});
    click(f, QStringLiteral("Command11"));
    EXPECT_EQ(costwizard::CostSecondaryProcessing, 1234.5678f);
    // 0.0312 + 1234.5677: the single 1234.56775 rounds down to 1234.5677.
    EXPECT_EQ(f->text(QStringLiteral("Text19_8")), QStringLiteral("1234.599"));

    // A zero speed stops after the variable was stored; the price keeps its text.
    typeAll(f, {{"Text19_5", "0"}, {"Text19_6", "7"}});
    click(f, QStringLiteral("Command11"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(costwizard::CostSecondaryProcessing, 7.0f);
    EXPECT_EQ(f->text(QStringLiteral("Text19_8")), QStringLiteral("1234.599"));
}

} // namespace
