// Quick extension designer: its worked examples (a zero wire has no stand-in), and ticks that
// end early or meet a fault.

#include "QuickDesignerTest.h"

namespace {

const WindowCase kForm122Examples[] = {
    {"OpensWithoutResults",
     "Form122",
     {},
     {{"Text1_0", "34"},
      {"Text1_1", "40"},
      {"Text1_2", "39"},
      {"Text1_3", "60"},
      {"Text1_4", "7.8"},
      {"Text1_5", "69000"},
      {"Text1_6", ""},
      {"Text2_0", ""},
      {"Text2_8", ""},
      {"Label2_9", "mm"},
      {"Label2_10", "T"},
      {"Label2_13", "--"}}},
    {"WireOne",
     "Form122",
     {{"Text1_6", "1"}},
     {{"Text2_0", "1"},
      {"Text2_1", "9.8"},
      {"Text2_2", "8.8"},
      {"Text2_3", "7.8"},
      {"Text2_4", "20.6"},
      {"Text2_5", "3.5"},
      {"Text2_6", "4.0"},
      {"Text2_7", "3.62"},
      {"Text2_8", "-6.54"},
      {"Label2_9", "OK"},
      {"Label2_10", "OK"},
      {"Label2_13", "NG"}}},
    {"WireOnePointTwo",
     "Form122",
     {{"Text1_6", "1.2"}},
     {{"Text2_0", "1.2"},
      {"Text2_1", "10.2"},
      {"Text2_2", "9.0"},
      {"Text2_3", "7.8"},
      {"Text2_4", "25.2"},
      {"Text2_5", "6.5"},
      {"Text2_6", "4.0"},
      {"Text2_7", "3.77"},
      {"Text2_8", "7.91"},
      {"Label2_9", "OK"},
      {"Label2_10", "OK"},
      {"Label2_13", "OK"}}},
    // H0 + 0.5 = 46.5 is not below H1 = 34.
    {"WireOnePointSix",
     "Form122",
     {{"Text1_6", "1.6"}},
     {{"Text2_4", "46.0"},
      {"Text2_5", "17.5"},
      {"Text2_7", "3.89"},
      {"Text2_8", "87.22"},
      {"Label2_9", "NG"},
      {"Label2_10", "OK"},
      {"Label2_13", "OK"}}},
    {"WireZeroIsDesignedAsItIs",
     "Form122",
     {{"Text1_6", "0"}},
     {{"Text2_0", "0"},
      {"Text2_5", "0.5"},
      {"Text2_4", "15.6"},
      {"Text2_7", "0.00"},
      {"Text2_8", "60.00"},
      {"Label2_9", "OK"},
      {"Label2_10", "NG"},
      {"Label2_13", "OK"}}},
};
INSTANTIATE_TEST_SUITE_P(Form122, QuickExample, ::testing::ValuesIn(kForm122Examples), caseName<WindowCase>);

// From the design with d = 1.2.
const WindowCase kForm122Keeps[] = {
    {"EmptyWire", "Form122", {{"Text1_6", ""}}, {}},
    {"EmptyModulus", "Form122", {{"Text1_5", ""}}, {}},
    {"EmptyWireAndAFieldThatIsNoNumber", "Form122", {{"Text1_6", ""}, {"Text1_0", "."}}, {}},
    {"EqualLengths", "Form122", {{"Text1_2", "34"}}, {}},
    {"EqualLoads", "Form122", {{"Text1_3", "40"}}, {}},
    {"NoWireNoInnerDiameter", "Form122", {{"Text1_4", "0"}, {"Text1_6", "0"}}, {}},
    {"SlashAloneInALoad", "Form122", {{"Text1_1", "/"}}, {}},
};
INSTANTIATE_TEST_SUITE_P(Form122, QuickTickKeeps, ::testing::ValuesIn(kForm122Keeps), caseName<WindowCase>);

} // namespace
