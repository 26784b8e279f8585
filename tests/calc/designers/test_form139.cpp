// Quick compression designer: its worked examples, the stand-ins for a zero wire and a zero
// coil count, the load band of an odd load, and ticks that end early or meet a fault.

#include "QuickDesignerTest.h"

namespace {

const WindowCase kForm139Examples[] = {
    {"OpensWithoutResults",
     "Form139",
     {},
     {{"Text1_0", "20"},
      {"Text1_1", "15"},
      {"Text1_2", "14"},
      {"Text1_3", "20"},
      {"Text1_4", "31.5"},
      {"Text1_5", "78000"},
      {"Text1_6", ""},
      {"Text1_7", ""},
      {"Text2_0", ""},
      {"Text2_8", ""},
      {"Label2_14", "mm"},
      {"Label2_11", "mm"},
      {"Label2_12", "--"},
      {"Label2_13", "--"},
      {"Label2_15", "--"},
      {"Label2_16", "--"}}},
    {"WireTwoCoilsFromHeight",
     "Form139",
     {{"Text1_6", "2"}},
     {{"Label2_14", "5.0"},
      {"Text2_0", "2"},
      {"Text2_1", "31.5"},
      {"Text2_2", "29.5"},
      {"Text2_3", "27.5"},
      {"Text2_4", "27.2"},
      {"Text2_5", "6.0"},
      {"Text2_6", "11.0"},
      {"Text2_7", "10.94"},
      {"Text2_8", "6.1"},
      {"Label2_15", "(13.5--16.5)"},
      {"Label2_16", "(9.8--14.8)"},
      {"Label2_11", "OK"},
      {"Label2_12", "NG"},
      {"Label2_13", "NG"}}},
    // 14.9: half of the single 29.9 is 14.9499998 as a double, just below the tie.
    {"WireOnePointSixFourCoils",
     "Form139",
     {{"Text1_6", "1.6"}, {"Text1_7", "4"}},
     {{"Label2_14", "6.8"},
      {"Text2_0", "1.6"},
      {"Text2_1", "31.5"},
      {"Text2_2", "29.9"},
      {"Text2_3", "28.3"},
      {"Text2_4", "47.5"},
      {"Text2_5", "6.0"},
      {"Text2_6", "8.8"},
      {"Text2_7", "16.43"},
      {"Text2_8", "11.3"},
      {"Label2_15", "(13.5--16.5)"},
      {"Label2_16", "(10.0--14.9)"},
      {"Label2_11", "OK"},
      {"Label2_12", "OK"},
      {"Label2_13", "OK"}}},
    {"ZeroWireAndZeroCoilsUseTheirStandIns",
     "Form139",
     {{"Text1_6", "0"}, {"Text1_7", "0"}},
     {{"Text2_0", "0.2"}, {"Label2_14", "68.0"}, {"Text2_5", "3.0"}}},
    {"LoadBandShowsTheDoubleDigitsOfAnOddLoad",
     "Form139",
     {{"Text1_1", "2.083"}, {"Text1_6", "2"}},
     {{"Label2_15", "(1.8746999502182--2.29129993915558)"}}},
};
INSTANTIATE_TEST_SUITE_P(Form139, QuickExample, ::testing::ValuesIn(kForm139Examples), caseName<WindowCase>);

// From the design with d = 2; a row's expected texts are those its tick still writes.
const WindowCase kForm139Keeps[] = {
    {"EmptyInstalledHeight", "Form139", {{"Text1_0", ""}}, {}},
    {"EmptyModulus", "Form139", {{"Text1_5", ""}}, {}},
    {"EmptyWire", "Form139", {{"Text1_6", ""}}, {}},
    {"OuterDiameterEqualToTheWire", "Form139", {{"Text1_4", "2"}}, {{"Label2_14", "5.0"}}},
    {"NoModulus", "Form139", {{"Text1_5", "0"}}, {}},
    {"NoModulusNoLoad", "Form139", {{"Text1_5", "0"}, {"Text1_3", "0"}}, {}},
    // H2 = 3 d leaves no coil: the most coils are shown, then the tick ends.
    {"NoCoilsLeft", "Form139", {{"Text1_2", "6"}}, {{"Label2_14", "1.0"}}},
    {"PointAlone", "Form139", {{"Text1_3", "."}}, {}},
    {"SlashAlone", "Form139", {{"Text1_0", "/"}}, {}},
    {"BlanksAreFilledButNoNumber", "Form139", {{"Text1_1", "  "}}, {}},
    {"DeflectionBeyondTheSingleRange",
     "Form139",
     {{"Text1_3", "300000000000000000000000000000000000000"}, {"Text1_6", "0.5"}, {"Text1_7", "4"}},
     {{"Label2_14", "26.0"}}},
};
INSTANTIATE_TEST_SUITE_P(Form139, QuickTickKeeps, ::testing::ValuesIn(kForm139Keeps), caseName<WindowCase>);

class Form139Test : public FormTest {};

TEST_F(Form139Test, EmptyingTheCoilCountReturnsToOneLessThanTheMost) {
    FormBase* f = open(QStringLiteral("Form139"));
    typeAll(f, {{"Text1_6", "1.6"}, {"Text1_7", "4"}});
    tickOnce(f);
    expectTexts(f, {{"Text2_5", "6.0"}});
    // nmax 6.75 (shown 6.8), so n = 5.75 and n1 = 7.75.
    typeAll(f, {{"Text1_7", ""}});
    tickOnce(f);
    expectTexts(f, {{"Label2_14", "6.8"}, {"Text2_5", "7.8"}});
}

TEST_F(Form139Test, CorrectedInputRecomputesOnTheNextTick) {
    FormBase* f = open(QStringLiteral("Form139"));
    typeAll(f, {{"Text1_6", "2"}, {"Text1_4", "2"}});
    tickOnce(f);
    expectTexts(f, {{"Label2_14", "5.0"}, {"Text2_2", ""}, {"Label2_11", "mm"}});
    typeAll(f, {{"Text1_4", "31.5"}});
    tickOnce(f);
    expectTexts(f, {{"Text2_2", "29.5"}, {"Label2_11", "OK"}});
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
