// The conical spring calculation without its window: the worked examples as the window shows
// them.

#include "CoreResults.h"

#include "calc/normal/ConicalCalc.h"
#include "support/WindowCases.h"

namespace {

using conical::Inputs;
using conical::Results;
using conical::SecondHeight;

// Spring steel (G 8000), d 2, OD1 20, OD2 30, n 5, H0 40, h1 30.
Inputs towerSpring() {
    return {
        .g = 8000, .d = 2, .smallOuter = 20, .largeOuter = 30, .coils = 5, .freeHeight = 40, .height1 = 30};
}

// Coils that nest: the radial step of each coil is larger than the wire.
Inputs nestingSpring() {
    return {
        .g = 8000, .d = 1, .smallOuter = 10, .largeOuter = 30, .coils = 5, .freeHeight = 20, .height1 = 15};
}

Inputs withHeight2(Inputs in, double height) {
    in.height2 = height;
    return in;
}

using Example = CoreExample<Inputs, Results>;

const Example kExamples[] = {
    {"TowerSpring",
     withHeight2(towerSpring(), 20),
     {{&Results::rate, "0.000", "2.461"},
      {&Results::contactLoad, "0.0", "39.1"},
      {&Results::contactHeight, "", "24.1"},
      {&Results::solidLoad, "0.0", "147.0"},
      {&Results::solidHeight, "0.0", "12.7"},
      {&Results::load1, "0.00", "24.61"},
      {&Results::load1Gf, "0.0", "2511.4"},
      {&Results::load2, "0.00", "49.22"},
      {&Results::load2Gf, "0.00", "5022.76"}}},
    {"NestingCoilsStackAtTheWireOnly",
     nestingSpring(),
     {{&Results::solidHeight, "0.0", "2.0"},
      {&Results::rate, "0.000", "0.224"},
      {&Results::contactLoad, "0.0", "1.4"},
      {&Results::contactHeight, "", "13.5"},
      {&Results::solidLoad, "0.0", "48.4"},
      {&Results::load2, "0.00", ""},
      {&Results::load2Gf, "0.00", ""}}},
    {"RadialStepExactlyTheWire",
     changed(changed(nestingSpring(), &Inputs::smallOuter, 11), &Inputs::largeOuter, 21),
     {{&Results::solidHeight, "0.0", "2.0"}}},
    {"WorkingHeightAtSolidHeight",
     withHeight2(nestingSpring(), 2),
     {{&Results::load2, "0.00", "4.03"}, {&Results::load2Gf, "0.00", "411.01"}}},
    {"WorkingHeightAboveFreeHeight",
     withHeight2(nestingSpring(), 25),
     {{&Results::load2, "0.00", "-1.12"}, {&Results::load2Gf, "0.00", "-114.17"}}},
    {"FirstLoadBeyondContact",
     changed(towerSpring(), &Inputs::height1, 10),
     {{&Results::load1, "0.00", "73.83"}, {&Results::load1Gf, "0.0", "7534.1"}}},
    {"SofterMaterial", changed(towerSpring(), &Inputs::g, 4500), {{&Results::rate, "0.000", "1.384"}}},
};

class ConicalExample : public ::testing::TestWithParam<Example> {};

TEST_P(ConicalExample, ShowsTheKnownFigures) {
    expectExample(GetParam(), &conical::compute);
}

INSTANTIATE_TEST_SUITE_P(Conical, ConicalExample, ::testing::ValuesIn(kExamples), caseName<Example>);

// Where the loads stand against the first contact decides the captions of the load rows.
TEST(ConicalCore, LoadsAgainstTheFirstContact) {
    Results below;
    conical::compute(withHeight2(towerSpring(), 20), below);
    EXPECT_FALSE(below.load1BeyondContact);
    EXPECT_EQ(below.second, SecondHeight::Loaded);
    EXPECT_TRUE(below.load2BeyondContact);

    Results above;
    conical::compute(withHeight2(changed(towerSpring(), &Inputs::height1, 10), 1), above);
    EXPECT_TRUE(above.load1BeyondContact);
    EXPECT_EQ(above.second, SecondHeight::BelowSolidHeight);
    EXPECT_TRUE(std::isnan(above.load2));

    Results aboveFree;
    conical::compute(withHeight2(nestingSpring(), 25), aboveFree);
    EXPECT_FALSE(aboveFree.load2BeyondContact);

    Results notGiven;
    conical::compute(nestingSpring(), notGiven);
    EXPECT_EQ(notGiven.second, SecondHeight::NotGiven);
}

// A fault stops the calculation: what came before it stays, nothing after it is filled.
const Example kFaults[] = {
    {"ZeroCoils", changed(towerSpring(), &Inputs::coils, 0), {{&Results::rate, "0.000", ""}}},
    {"EqualEndDiameters", changed(towerSpring(), &Inputs::smallOuter, 30), {{&Results::rate, "0.000", ""}}},
    {"EndDiameterEqualToTheWire",
     changed(towerSpring(), &Inputs::smallOuter, 2),
     {{&Results::rate, "0.000", "5.714"},
      {&Results::contactLoad, "0.0", "51.4"},
      {&Results::solidLoad, "0.0", ""},
      {&Results::solidHeight, "0.0", ""}}},
    {"SmallEndWiderThanTheLargeEnd",
     changed(towerSpring(), &Inputs::smallOuter, 60),
     {{&Results::rate, "0.000", "0.352"}, {&Results::contactLoad, "0.0", ""}}},
    {"NoModulus",
     changed(towerSpring(), &Inputs::g, 0),
     {{&Results::rate, "0.000", "0.000"},
      {&Results::contactLoad, "0.0", "0.0"},
      {&Results::contactHeight, "", ""}}},
};

class ConicalFault : public ::testing::TestWithParam<Example> {};

TEST_P(ConicalFault, KeepsWhatCameBefore) {
    expectFault(GetParam(), &conical::compute);
}

INSTANTIATE_TEST_SUITE_P(Conical, ConicalFault, ::testing::ValuesIn(kFaults), caseName<Example>);

} // namespace
