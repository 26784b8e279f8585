#pragma once
// The weight of one piece of a wire or strip spring, for the weight windows. Each keeps the
// precision its window always had: the general spring weight mixes singles and doubles, the
// hollow-wire weight is all double, the serpentine, clock, die and conical spring weights
// store singles. Lengths in mm, density in g/cm3, weights in g; pi is 3.1416.
//
// An arithmetic fault (a store beyond the single range, a value that is not finite) throws
// num::CalcFault.

#include <optional>

namespace wireweights {

constexpr double kPi = 3.1416;

// General spring weight: a coiled part pi*D*n1 long plus a straight length L. Without D and
// n1 the piece is straight wire and shows two decimals; with either of them, four.
struct SpringInputs {
    float density = 0;
    double wireDiameter = 0;
    float meanDiameter = 0, totalCoils = 0;
    double straightLength = 0;
    bool coiled = false; // D or n1 filled
};
struct SpringWeight {
    float weight = 0;
    const char* pattern = "0.0000";
};
SpringWeight springWeight(const SpringInputs& in);

// Hollow (tube) wire: an annular section, coiled at the mean diameter D2 - d.
struct HollowInputs {
    double density = 0;
    double wireDiameter = 0, outerDiameter = 0, bore = 0, totalCoils = 0, straightLength = 0;
    bool coiled = false; // D2 or n1 filled
};
double hollowWireWeight(const HollowInputs& in);

// Serpentine spring: the developed length S, shown with four decimals, and the weight of
// S as shown plus a fixed 40 mm.
struct SerpentineInputs {
    float density = 0;
    float wireDiameter = 0, pitch = 0, waves = 0, waveHeight = 0;
};
struct Serpentine {
    std::optional<float> developedLength, weight;
};
// Runs into `out` step by step, so a fault in the weight leaves the length in place.
void serpentine(const SerpentineInputs& in, Serpentine& out);

// Clock spring of flat strip: coiled at D2 - a, plus a straight length.
struct ClockInputs {
    float density = 0;
    float width = 0, outerDiameter = 0, thickness = 0, coils = 0, straightLength = 0;
    bool coiled = false; // D2 or n filled
};
float clockSpringWeight(const ClockInputs& in);

// Die spring of rectangular wire: coiled at D2 - b.
struct DieInputs {
    float density = 0;
    float width = 0, outerDiameter = 0, thickness = 0, coils = 0;
};
float dieSpringWeight(const DieInputs& in);

// Conical spring: every coil at the average of the small and large mean diameters.
struct ConicalInputs {
    float density = 0;
    double wireDiameter = 0;
    float smallMeanDiameter = 0;
    float totalCoils = 0;
    double largeMeanDiameter = 0;
};
float conicalSpringWeight(const ConicalInputs& in);

} // namespace wireweights
