#pragma once
// The theoretical pass rate of a batch of helical springs: the rates that production can
// deliver (from the extremes of mean diameter and coil count) against the rates that give the
// working load at the working length for a free length inside the tolerated range. The rate
// is taken as evenly spread over its range. All values are single precision.

#include <QString>
#include <optional>

struct PassRateInputs {
    float d = 0; // wire diameter, mm
    float fewestCoils = 0, mostCoils = 0;
    float smallestMean = 0, largestMean = 0; // mean diameters, mm
    float shortestFree = 0, longestFree = 0; // free lengths, mm
    float workingLength = 0;                 // mm
    float workingLoad = 0;                   // kgf
};

struct RateRange {
    float low = 0, high = 0; // kgf/mm
};

// The lowest (largest diameter, most coils) and highest (smallest diameter, fewest coils)
// rate for G in kgf/mm². Throws num::CalcFault on a zero diameter or coil count.
RateRange possibleRates(float g, const PassRateInputs& in);

// The rates that the application allows: a compression spring when the shortest free length
// lies above the working length, else an extension spring. Throws num::CalcFault when a free
// length equals the working length.
RateRange allowedRates(const PassRateInputs& in);

// The pass rate as shown: "100" inside, "0" apart, the share in percent "0.000" when the
// ranges overlap; no text when a rate lies exactly on a limit.
std::optional<QString> passRateText(RateRange possible, RateRange allowed);
