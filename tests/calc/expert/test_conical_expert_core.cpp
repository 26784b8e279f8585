// The expert conical calculation without its window: the worked example, nesting coils, the
// second height against the solid height, the index bounds and faults part way.

#include "calc/expert/ConicalExpert.h"
#include "calc/expert/CoreResultTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace conicalexpert;
using T = ResultTexts<Results>;
using Examples = CoreExamples<Inputs, Results>;
using Case = Examples::Case;

// G 7000, d 3, outer diameters 20 and 30, 6 active coils, free height 45, heights 35 and 25.
Inputs workedExample() {
    return {.g = 7000,
            .d = 3,
            .smallOuter = 20,
            .largeOuter = 30,
            .coils = 6,
            .freeHeight = 45,
            .height1 = 35,
            .height2 = 25,
            .height2Given = true};
}

// d 2, outer diameters 20 and 40, 5 coils, free height 40, heights 30 and 4: d n = R2 - R1.
void nestingCoils(Inputs& in) {
    in = {.g = 7000,
          .d = 2,
          .smallOuter = 20,
          .largeOuter = 40,
          .coils = 5,
          .freeHeight = 40,
          .height1 = 30,
          .height2 = 4,
          .height2Given = true};
}

Case indexCase(const char* name, float largeOuter, const char* shown, const char* verdict) {
    return {name,
            [largeOuter](Inputs& in) {
                in.d = 1;
                in.smallOuter = 3;
                in.largeOuter = largeOuter;
            },
            {{"index", T::textSingle([](auto& r) { return r.springIndex; }, u"0.00"), shown},
             {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), verdict}}};
}

class ConicalExpertExample : public ::testing::TestWithParam<Case> {};

TEST_P(ConicalExpertExample, GivesTheKnownResults) {
    Examples::check(workedExample(), GetParam(), compute, Examples::Ends::Complete);
}

const Case kExamples[] = {
    {"WorkedExample",
     nullptr,
     {
         {"coils touch", T::flag([](auto& r) { return r.coilsTouch; }), "yes"},
         {"index", T::textSingle([](auto& r) { return r.springIndex; }, u"0.00"), "9.00"},
         {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "OK"},
         {"Wahl factor", T::textSingle([](auto& r) { return r.wahl; }, u"0.00"), "1.16"},
         {"rate", T::textSingle([](auto& r) { return r.rate; }, u"0.000"), "10.338"},
         {"pitch", T::textSingle([](auto& r) { return r.pitch; }), "6"},
         {"contact load", T::textSingle([](auto& r) { return r.contactLoad; }, u"0.0"), "110.0"},
         {"contact height as shown", T::text([](auto& r) { return r.contactHeight; }), "34.4"},
         {"solid load", T::textSingle([](auto& r) { return r.solidLoad; }, u"0.000"), "440.816"},
         {"solid height", T::textSingle([](auto& r) { return r.solidHeight; }, u"0.0"), "23.3"},
         {"F1", T::textSingle([](auto& r) { return r.load1; }, u"0.00"), "103.38"},
         {"F1 in gf", T::text([](auto& r) { return r.load1Gf; }, u"0.0"), "10548.8"},
         {"F1 beyond contact", T::flag([](auto& r) { return r.load1BeyondContact; }), "no"},
         {"h2 below solid", T::flag([](auto& r) { return r.height2BelowSolid; }), "no"},
         {"F2", T::textSingle([](auto& r) { return r.load2; }, u"0.00"), "206.76"},
         {"F2 in gf", T::text([](auto& r) { return r.load2Gf; }, u"0.00"), "21097.52"},
         {"F2 beyond contact", T::flag([](auto& r) { return r.load2BeyondContact; }), "yes"},
         {"stress at solid", T::textSingle([](auto& r) { return r.solidStress; }, u"0.0"), "821.8"},
     }},
    {"ContactHeightIsKeptAsShown",
     [](Inputs& in) { in.freeHeight = 48.8f; },
     {{"contact height", T::text([](auto& r) { return r.contactHeight; }), "36"}}},
    {"WithoutSecondHeight",
     [](Inputs& in) { in.height2Given = false; },
     {{"no F2", T::textSingle([](auto& r) { return r.load2; }), "NaN"},
      {"no h2 check", T::flag([](auto& r) { return r.height2BelowSolid; }), "none"},
      {"stress at solid", T::textSingle([](auto& r) { return r.solidStress; }, u"0.0"), "821.8"}}},
    {"SecondHeightBelowSolidHasNoLoad",
     [](Inputs& in) { in.height2 = 23.2; },
     {{"h2 below solid", T::flag([](auto& r) { return r.height2BelowSolid; }), "yes"},
      {"no F2", T::textSingle([](auto& r) { return r.load2; }), "NaN"},
      {"no F2 check", T::flag([](auto& r) { return r.load2BeyondContact; }), "none"}}},
    // d n equals R2 - R1 (10 = 19 - 9): the coils count as not touching; no spacing is left.
    {"NestingCoils",
     nestingCoils,
     {{"coils touch", T::flag([](auto& r) { return r.coilsTouch; }), "no"},
      {"index", T::textSingle([](auto& r) { return r.springIndex; }, u"0.00"), "19.00"},
      {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "NG"},
      {"solid height of two wires", T::textSingle([](auto& r) { return r.solidHeight; }, u"0.0"), "4.0"},
      {"h2 equal to the solid height is accepted", T::flag([](auto& r) { return r.height2BelowSolid; }),
       "no"}}},
    {"NestingCoilsJustBelowTheSolidHeight",
     [](Inputs& in) {
         nestingCoils(in);
         in.height2 = 3.9;
     },
     {{"h2 below solid", T::flag([](auto& r) { return r.height2BelowSolid; }), "yes"}}},
    indexCase("IndexJustBelowFour", 4.99f, "3.99", "NG"),
    indexCase("IndexFour", 5, "4.00", "OK"),
    indexCase("IndexTen", 11, "10.00", "OK"),
    indexCase("IndexJustAboveTen", 11.01f, "10.01", "NG"),
};

INSTANTIATE_TEST_SUITE_P(Core, ConicalExpertExample, ::testing::ValuesIn(kExamples), Examples::name);

// A fault stops the calculation; what came before it stays in the results.
class ConicalExpertFault : public ::testing::TestWithParam<Case> {};

TEST_P(ConicalExpertFault, KeepsWhatCameBefore) {
    Examples::check(workedExample(), GetParam(), compute, Examples::Ends::InFault);
}

const Case kFaults[] = {
    {"EqualEndDiameters",
     [](Inputs& in) { in.smallOuter = 30; },
     {{"Wahl factor", T::textSingle([](auto& r) { return r.wahl; }, u"0.00"), "1.16"},
      {"rate", T::textSingle([](auto& r) { return r.rate; }), "NaN"}}},
    {"ZeroWireDiameter",
     [](Inputs& in) { in.d = 0; },
     {{"coils touch", T::flag([](auto& r) { return r.coilsTouch; }), "no"},
      {"index", T::textSingle([](auto& r) { return r.springIndex; }), "NaN"}}},
    {"ZeroActiveCoils",
     [](Inputs& in) { in.coils = 0; },
     {{"Wahl factor", T::textSingle([](auto& r) { return r.wahl; }, u"0.00"), "1.16"},
      {"rate", T::textSingle([](auto& r) { return r.rate; }), "NaN"}}},
    // The small end wider than the big end by more than n d in radius.
    {"SmallEndFarWiderThanBigEnd",
     [](Inputs& in) { in.smallOuter = 80; },
     {{"pitch", T::textSingle([](auto& r) { return r.pitch; }), "6"},
      {"contact load", T::textSingle([](auto& r) { return r.contactLoad; }), "NaN"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, ConicalExpertFault, ::testing::ValuesIn(kFaults), Examples::name);

} // namespace
