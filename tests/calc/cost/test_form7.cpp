// The spring quotation window: the worked example, the print button's state, the messages,
// the currency conversion and the reset.

#include "common/StringTable.h"
#include "support/WindowCases.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The defaults with a material price of 10 and a weight of 2.
const std::vector<ControlText> kExampleInputs = {{"Text19_1", "10"}, {"Text19_4", "2"}};

const WindowCase kExamples[] = {
    {"Form7_defaults",
     "Form7",
     kExampleInputs,
     {{"Label4", "0.0033"},
      {"Label5", "0.0252"},
      {"Label6", "0.0067"},
      {"Label7", "0.0000"},
      {"Label8", "0.0067"},
      {"Label9", "0.0419"},
      {"Text1", "0.042"},
      {"Text24", "0.047"}},
     "Command11"},
    {"Form7_plating",
     "Form7",
     {{"Text19_1", "10"}, {"Text19_2", "5"}, {"Text19_4", "2"}, {"Text19_5", "0.01"}, {"Text19_6", "0"}},
     {{"Label7", "0.0100"}, {"Label9", "0.0619"}, {"Text1", "0.062"}, {"Text24", "0.062"}},
     "Command11"},
};
INSTANTIATE_TEST_SUITE_P(Form7, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"Form7_machine", "Form7", {{"Text19_0", ""}}, 1455, "Command11", {"Text1", "Text24", "Label4"}},
    {"Form7_material", "Form7", {{"Text19_4", "2"}}, 1457, "Command11", {"Text1", "Text24", "Label9"}},
    {"Form7_plating", "Form7", {{"Text19_1", "10"}, {"Text19_2", ""}}, 1458, "Command11"},
    {"Form7_speed", "Form7", {{"Text19_1", "10"}, {"Text19_3", ""}}, 1459, "Command11"},
    {"Form7_weight", "Form7", {{"Text19_1", "10"}}, 1464, "Command11"},
    {"Form7_secondary",
     "Form7",
     {{"Text19_1", "10"}, {"Text19_4", "2"}, {"Text19_5", ""}},
     1454,
     "Command11"},
    {"Form7_tax", "Form7", {{"Text19_1", "10"}, {"Text19_4", "2"}, {"Text19_6", ""}}, 1460, "Command11"},
};
INSTANTIATE_TEST_SUITE_P(Form7, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"Form7_zeroSpeed", "Form7", {{"Text19_1", "10"}, {"Text19_4", "2"}, {"Text19_3", "0"}}, "Command11"},
    {"Form7_moneyOverflow",
     "Form7",
     {{"Text19_1", "10"}, {"Text19_4", "2"}, {"Text19_5", "99999999999999999"}},
     "Command11"},
    {"Form7_rateNotANumber", "Form7", {{"Text2_0", "7.1.2"}}, "Command3"},
};
INSTANTIATE_TEST_SUITE_P(Form7, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

class Form7Test : public FormTest {
protected:
    FormBase* calculated() {
        FormBase* f = open(QStringLiteral("Form7"));
        typeAll(f, kExampleInputs);
        click(f, QStringLiteral("Command11"));
        return f;
    }
    static bool printEnabled(FormBase* f) { return f->button(QStringLiteral("Command2"))->isEnabled(); }
};

TEST_F(Form7Test, LoadsDisabledPrintAndTheDefaults) {
    FormBase* f = open(QStringLiteral("Form7"));
    EXPECT_EQ(f->windowTitle(), StringTable::text(1031));
    EXPECT_FALSE(printEnabled(f));
    expectTexts(f, {{"Text19_0", "40"},
                    {"Text19_1", ""},
                    {"Text19_2", "0"},
                    {"Text19_3", "40"},
                    {"Text19_4", ""},
                    {"Text19_5", "0"},
                    {"Text19_6", "13"},
                    {"Command3", "转    换"},
                    {"Label4", ""},
                    {"Label9", ""},
                    {"Label40_0", "元/小时"},
                    {"Label48", "个/分钟"},
                    {"Label45", "%"}});
    EXPECT_TRUE(f->label(QStringLiteral("Label4"))->isHidden());
    EXPECT_EQ(f->field(QStringLiteral("Text19_3"))->toolTip(), QStringLiteral("根据实际修改"));
    EXPECT_EQ(f->defaultButton(), f->button(QStringLiteral("Command11")));
}

TEST_F(Form7Test, PrintIsEnabledByAnyCalculationThatGetsPastTheFieldTest) {
    FormBase* f = open(QStringLiteral("Form7"));
    click(f, QStringLiteral("Command11")); // stops at the empty material price
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1457));
    EXPECT_TRUE(printEnabled(f));
    EXPECT_EQ(f->text(QStringLiteral("Text1")), QString());

    FormBase* g = calculated();
    EXPECT_TRUE(printEnabled(g));
}

TEST_F(Form7Test, ZeroSpeedWritesNothing) {
    FormBase* f = calculated();
    type(f, QStringLiteral("Text19_3"), QStringLiteral("0"));
    type(f, QStringLiteral("Text19_1"), QStringLiteral("20"));
    click(f, QStringLiteral("Command11"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Label4", "0.0033"}, {"Label5", "0.0252"}, {"Text1", "0.042"}, {"Text24", "0.047"}});
}

TEST_F(Form7Test, ConversionUsesTheLastPriceAndTheFirstFilledRate) {
    struct Case {
        const char* name;
        std::vector<ControlText> rates;
        std::vector<ControlText> expected;
    };
    const Case cases[] = {
        {"only HKD", {{"Text2_2", "1.1"}}, {{"Text2_3", "old"}, {"Text2_4", "old"}, {"Text2_5", "0.052000"}}},
        {"USD and HKD: USD only",
         {{"Text2_0", "0.1404"}, {"Text2_2", "1.1"}},
         {{"Text2_3", "0.006600"}, {"Text2_4", "old"}, {"Text2_5", "old"}}},
        // 0.0473 * 4.5 = 0.21285 is a tie, stored as the even 0.2128.
        {"NTD and HKD: NTD only",
         {{"Text2_1", "4.5"}, {"Text2_2", "1.1"}},
         {{"Text2_3", "old"}, {"Text2_4", "0.212800"}, {"Text2_5", "old"}}},
        {"all three",
         {{"Text2_0", "0.1404"}, {"Text2_1", "4.5"}, {"Text2_2", "1.1"}},
         {{"Text2_3", "0.006600"}, {"Text2_4", "0.212800"}, {"Text2_5", "0.052000"}}},
    };
    for (const Case& c : cases) {
        FormBase* f = calculated();
        typeAll(f, {{"Text2_3", "old"}, {"Text2_4", "old"}, {"Text2_5", "old"}});
        typeAll(f, c.rates);
        click(f, QStringLiteral("Command3"));
        EXPECT_TRUE(prompts().requests.isEmpty()) << c.name;
        expectTexts(f, c.expected);
        f->close();
        flush();
    }
}

TEST_F(Form7Test, ConversionBeforeAnyCalculationGivesZero) {
    FormBase* f = open(QStringLiteral("Form7"));
    type(f, QStringLiteral("Text2_0"), QStringLiteral("0.14"));
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(f->text(QStringLiteral("Text2_3")), QStringLiteral("0.000000"));
}

TEST_F(Form7Test, ARateThatIsNotANumberConvertsNothing) {
    FormBase* f = calculated();
    typeAll(f, {{"Text2_0", "0.14"}, {"Text2_1", "4,5"}, {"Text2_2", "1.1"}, {"Text2_3", "old"}});
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(f, {{"Text2_3", "old"}, {"Text2_4", ""}, {"Text2_5", ""}});
}

TEST_F(Form7Test, ResetKeepsTaxSharesPriceAndPrintButton) {
    FormBase* f = calculated();
    typeAll(f, {{"Text2_0", "0.1404"}, {"Text2_3", "x"}, {"Text19_6", "17"}});
    click(f, QStringLiteral("Command1"));
    expectTexts(f, {{"Text1", ""},
                    {"Text24", ""},
                    {"Text19_0", ""},
                    {"Text19_1", ""},
                    {"Text19_2", ""},
                    {"Text19_3", ""},
                    {"Text19_4", ""},
                    {"Text19_5", ""},
                    {"Text19_6", "17"},
                    {"Text2_0", ""},
                    {"Text2_3", ""},
                    {"Label4", "0.0033"},
                    {"Label9", "0.0419"}});
    EXPECT_TRUE(printEnabled(f));
    // The conversion still uses the price of the last calculation.
    type(f, QStringLiteral("Text2_0"), QStringLiteral("0.1404"));
    click(f, QStringLiteral("Command3"));
    EXPECT_EQ(f->text(QStringLiteral("Text2_3")), QStringLiteral("0.006600"));
}

} // namespace
