#pragma once
// What the heat treatment after coiling does to a helical spring: the recommended temperature,
// the change of the coil diameter, the coil count to set on the coiling machine and the change
// of angle, from the wire material, the wire diameter d, the mean diameter D and the coil
// count n. All values are single precision, as the estimates were always made.

enum class HeatTreatmentTable {
    General,   // Form19
    Extension, // Form20, smaller coefficients for extension springs
};

enum class HeatTreatedWire { Other, Sus304, Swc, Swic };

struct HeatTreatmentBand {
    float low;  // the band holds low <= d <= high, both bounds compared as singles
    float high; // the last band of each wire has no upper bound
    float generalCoefficient;
    float extensionCoefficient;
    float temperature; // degrees Celsius
};

// The band of the wire for the diameter, or nullptr when d lies below the first band or in a
// gap between two bands.
const HeatTreatmentBand* heatTreatmentBand(HeatTreatedWire wire, float d);

struct HeatTreatmentEstimate {
    float temperature = 0;
    float diameterChange = 0; // ΔD, mm
    float machineCoils = 0;   // n′
    float angleChange = 0;    // θ, degrees
};

// Throws num::CalcFault on a division by zero or an overflow (d = 0 in the general table
// always, since the spring index D/d is formed first; D = 0; for SUS304 a D equal to ΔD).
// A wire other than the three leaves every value 0.
HeatTreatmentEstimate estimateHeatTreatment(HeatTreatmentTable table, HeatTreatedWire wire, float d, float D,
                                            float n);
