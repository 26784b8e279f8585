// Compression spring from rate, deflection and mean diameter: its worked examples, the
// diameters shown with the wire as typed, and ticks that end early or meet a fault.

#include "QuickDesignerTest.h"

namespace {

const WindowCase kForm143Examples[] = {
    {"OpensWithoutResults",
     "Form143",
     {},
     {{"Text1_0", "0.5"},
      {"Text1_1", "78000"},
      {"Text1_2", "19"},
      {"Text1_3", "10"},
      {"Text1_4", ""},
      {"Text1_5", ""},
      {"Label2_1", "I:  0.2  II: 0.5  III:0.8"},
      {"Text2_0", ""},
      {"Text2_9", ""},
      {"Label2_10", "mm"},
      {"Label2_15", "--"}}},
    {"MeanTwentyWireThree",
     "Form143",
     {{"Text1_4", "20"}, {"Text1_5", "3"}},
     {{"Text2_0", "17"},
      {"Text2_1", "20"},
      {"Text2_2", "23"},
      {"Text2_3", "5.2"},
      {"Text2_4", "7.2"},
      {"Text2_5", "7.1"},
      {"Label2_15", "(6.0--10.0)"},
      {"Text2_6", "41.6"},
      {"Text2_7", "20.1"},
      {"Text2_8", "21.6"},
      {"Text2_9", "25.1"},
      {"Label2_10", "OK"}}},
    {"MeanTwelveWireOnePointSix",
     "Form143",
     {{"Text1_4", "12"}, {"Text1_5", "1.6"}},
     {{"Text2_3", "1.9"},
      {"Text2_4", "3.9"},
      {"Text2_5", "12.0"},
      {"Label2_15", "(3.6--6.0)"},
      {"Text2_6", "25.8"},
      {"Text2_7", "5.5"},
      {"Text2_8", "20.3"},
      {"Text2_9", "2.3"},
      {"Label2_10", "NG"}}},
    {"MeanTwentyWireTwoAndAHalf",
     "Form143",
     {{"Text1_4", "20"}, {"Text1_5", "2.5"}},
     {{"Text2_5", "10.7"}, {"Label2_10", "NG"}}},
    // The diameters use the wire as typed; everything after it uses 0.2.
    {"MeanTwentyWireZero",
     "Form143",
     {{"Text1_4", "20"}, {"Text1_5", "0"}},
     {{"Text2_0", "20"},
      {"Text2_2", "20"},
      {"Text2_3", "0.0"},
      {"Text2_5", "194872.0"},
      {"Label2_10", "NG"}}},
};
INSTANTIATE_TEST_SUITE_P(Form143, QuickExample, ::testing::ValuesIn(kForm143Examples), caseName<WindowCase>);

// From the design with D = 20 and d = 3.
const WindowCase kForm143Keeps[] = {
    {"EmptyMeanDiameter", "Form143", {{"Text1_4", ""}}, {}},
    {"EmptyFactor", "Form143", {{"Text1_0", ""}}, {}},
    // The diameters are written before the coil count divides by D = 0.
    {"NoMeanDiameter",
     "Form143",
     {{"Text1_4", "0"}},
     {{"Text2_0", "-3"}, {"Text2_1", "0"}, {"Text2_2", "3"}}},
    {"NoModulus", "Form143", {{"Text1_1", "0"}}, {}},
    {"MeanDiameterBeyondTheSingleRange",
     "Form143",
     {{"Text1_4", "400000000000000000000000000000000000000"}},
     {}},
};
INSTANTIATE_TEST_SUITE_P(Form143, QuickTickKeeps, ::testing::ValuesIn(kForm143Keeps), caseName<WindowCase>);

} // namespace
