// The extension calculation without its window: the worked examples as the window shows them.

#include "CoreResults.h"

#include "calc/normal/ExtensionCalc.h"
#include "support/WindowCases.h"

namespace {

using extension::Inputs;
using extension::Results;

// Spring steel and 60Si2Mn have the modulus 8000; a material that names no row has none.
constexpr float kSteel = 8000;

Inputs spring(float g, float d, float meanDiameter, float coils, float freeLength, float length1) {
    Inputs in;
    in.g = g;
    in.d = d;
    in.meanDiameter = meanDiameter;
    in.coils = coils;
    in.freeLength = freeLength;
    in.length1 = length1;
    return in;
}

Inputs withLength2(Inputs in, float length) {
    in.hasLength2 = true;
    in.length2 = length;
    return in;
}

Inputs withLength3(Inputs in, float length) {
    in.hasLength3 = true;
    in.length3 = length;
    return in;
}

using Example = CoreExample<Inputs, Results>;

const Example kExamples[] = {
    {"SpringSteelTwoWorkingLengths",
     withLength2(spring(kSteel, 2, 20, 10, 50, 60), 70),
     {{&Results::rate, "0.0", "200.0"},
      {&Results::rateN, "0.00", "1.96"},
      {&Results::tension, "0.0", "1256.6"},
      {&Results::tensionN, "0.0", "12.3"},
      {&Results::least1, "0.0", "3256.6"},
      {&Results::greatest1, "0.0", "4262.0"},
      {&Results::least2, "0.0", "5256.6"},
      {&Results::greatest2, "0.0", "6262.0"},
      {&Results::least3, "0.0", ""},
      {&Results::greatest3, "0.0", ""},
      {&Results::longest, "0.0", "140.0"},
      {&Results::lastLength, "", "70"}}},
    {"FineWireOneWorkingLength",
     spring(kSteel, 0.5f, 4, 20, 20, 25),
     {{&Results::rate, "0.0", "48.8"},
      {&Results::rateN, "0.00", "0.48"},
      {&Results::tension, "0.0", "122.7"},
      {&Results::tensionN, "0.0", "1.2"},
      {&Results::least1, "0.0", "366.9"},
      {&Results::greatest1, "0.0", "465.0"},
      {&Results::longest, "0.0", "55.0"},
      {&Results::lastLength, "", "25"}}},
    {"ThirdLengthBelowFreeLength",
     withLength3(spring(kSteel, 2, 20, 10, 50, 60), 45),
     {{&Results::least3, "0.0", "256.6"},
      {&Results::greatest3, "0.0", "1262.0"},
      {&Results::least2, "0.0", ""},
      {&Results::lastLength, "", "45"}}},
    {"NoModulus",
     spring(0, 2, 20, 10, 50, 60),
     {{&Results::rate, "0.0", "0.0"},
      {&Results::tension, "0.0", "0.0"},
      {&Results::least1, "0.0", "0.0"},
      {&Results::greatest1, "0.0", "0.0"}}},
};

class ExtensionExample : public ::testing::TestWithParam<Example> {};

TEST_P(ExtensionExample, ShowsTheKnownFigures) {
    expectExample(GetParam(), &extension::compute);
}

INSTANTIATE_TEST_SUITE_P(Extension, ExtensionExample, ::testing::ValuesIn(kExamples), caseName<Example>);

// A fault stops the calculation: what came before it stays, nothing after it is filled.
const Example kFaults[] = {
    {"ZeroWireDiameter",
     spring(kSteel, 0, 20, 10, 50, 60),
     {{&Results::lastLength, "", "60"}, {&Results::longest, "0.0", ""}, {&Results::tension, "0.0", ""}}},
    {"ZeroCoils",
     spring(kSteel, 2, 20, 0, 50, 60),
     {{&Results::longest, "0.0", "50.0"},
      {&Results::tension, "0.0", "1256.6"},
      {&Results::tensionN, "0.0", "12.3"},
      {&Results::rate, "0.0", ""},
      {&Results::least1, "0.0", ""}}},
};

class ExtensionFault : public ::testing::TestWithParam<Example> {};

TEST_P(ExtensionFault, KeepsWhatCameBefore) {
    expectFault(GetParam(), &extension::compute);
}

INSTANTIATE_TEST_SUITE_P(Extension, ExtensionFault, ::testing::ValuesIn(kFaults), caseName<Example>);

} // namespace
