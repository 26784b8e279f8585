#pragma once
// The arithmetic of the four quick designers, which recompute while the user types.
//
// Each designer takes the numbers as its window read them (singles, zero values not yet
// replaced) and returns every result of one recomputation. Values are single precision: each
// formula is evaluated in double and rounded when it is stored, so a result on a verdict
// bound lands on the side it always did. A division by zero, an overflow of a single or any
// other non-finite step throws num::CalcFault; the window's timer then simply ends the tick.

#include <optional>

namespace quick {

// ---- compression spring from two working points (Form139) -------------------------------

struct CompressionInputs {
    float installedHeight = 0; // H1, mm
    float installedLoad = 0;   // P1, N
    float workingHeight = 0;   // H2, mm
    float workingLoad = 0;     // P2, N
    float outerDiameter = 0;   // D2, mm
    float shearModulus = 0;    // G, N/mm²
    float wireDiameter = 0;    // d as typed; 0 is designed as 0.2
    // Active coils as typed (0 is designed as 1); none: one coil less than the most that fit.
    std::optional<float> activeCoils;
};

struct CompressionResults {
    float wireDiameter = 0, outerDiameter = 0, meanDiameter = 0, innerDiameter = 0;
    float maxActiveCoils = 0; // nmax = H2/d - 2
    float activeCoils = 0, rate = 0, workingDeflection = 0;
    float freeHeight = 0; // rounded to 0.1 mm, as every later step uses it
    float totalCoils = 0;
    double solidHeight = 0; // Hb, kept in double
    float actualInstalledLoad = 0, pitch = 0;
    double loadLow = 0, loadHigh = 0;   // 0.9 P1 and 1.1 P1, the allowed band of P1'
    double pitchLow = 0, pitchHigh = 0; // D/3 and D/2, the allowed band of t
    bool solidHeightOk = false, installedLoadOk = false, pitchOk = false;
};

// The most active coils that fit into the working height: H2/d - 2 (d = 0 taken as 0.2).
float maxActiveCoils(float workingHeight, float wireDiameter);

CompressionResults compute(const CompressionInputs& in);

// ---- extension spring with hooks (Form122) ----------------------------------------------

struct ExtensionInputs {
    float installedLength = 0; // H1, mm
    float installedLoad = 0;   // P1, N
    float workingLength = 0;   // H2, mm
    float workingLoad = 0;     // P2, N
    float innerDiameter = 0;   // D1, mm
    float shearModulus = 0;    // G, N/mm²
    float wireDiameter = 0;    // d; a zero wire is designed as it is
};

struct ExtensionResults {
    float wireDiameter = 0, outerDiameter = 0, meanDiameter = 0, innerDiameter = 0;
    float requiredRate = 0;   // k' from the two working points
    float rawCoils = 0;       // the coils that give k'
    float activeCoils = 0;    // raised to the next half coil
    float freeLength = 0;     // H0 over the hooks
    float rate = 0;           // k with the raised coil count
    float initialTension = 0; // Pi
    bool freeLengthOk = false, coilsOk = false, initialTensionOk = false;
};

// The half-coil raise: a fraction below 0.5 goes up to the next half, 0.5 or more to the next
// whole coil; a whole count gains half a coil.
float raiseToHalfCoil(float coils);

ExtensionResults compute(const ExtensionInputs& in);

// ---- torsion spring with straight legs (Form140) ----------------------------------------

struct TorsionInputs {
    float installedAngle = 0; // a1, degrees
    float installedLoad = 0;  // P1, N
    float workingAngle = 0;   // a2, degrees
    float workingLoad = 0;    // P2, N
    float innerDiameter = 0;  // D1, mm
    float leg1 = 0;           // L1, mm
    float loadArm = 0;        // R1, mm
    float leg2 = 0;           // L2, mm
    float youngsModulus = 0;  // E, N/mm²
    float wireDiameter = 0;   // d as typed; 0 is designed as 0.2
};

enum class CoilVerdict { Ok, TooFew, TooMany };

// Fewer than one coil is no spring; more than fifty is too many; 1 and 50 themselves are OK.
CoilVerdict coilVerdict(float activeCoils);

struct TorsionResults {
    float wireDiameter = 0, outerDiameter = 0, meanDiameter = 0, innerDiameter = 0;
    float activeCoils = 0;        // n, not rounded; may be negative
    float rate = 0;               // kT, N·mm per degree
    float installedTwist = 0;     // phi1, degrees
    float workingTwist = 0;       // phi2, degrees
    float installedTorque = 0;    // M1, N·mm
    float workingTorque = 0;      // M2, N·mm
    float woundInnerDiameter = 0; // Ds under the working load
    float solidHeight = 0;
    float freeAngle = 0; // phi0
    CoilVerdict coils = CoilVerdict::TooFew;
};

TorsionResults compute(const TorsionInputs& in);

// ---- compression spring from rate, deflection and mean diameter (Form143) ---------------

struct RateInputs {
    float loadClassFactor = 0; // psi; 0 is designed as 0.2
    float shearModulus = 0;    // G, N/mm²
    float rate = 0;            // k, N/mm; 0 is designed as 0.2
    float deflection = 0;      // f, mm
    float meanDiameter = 0;    // D, mm
    float wireDiameter = 0;    // d as typed; 0 is designed as 0.2
};

// D - d, D and D + d with the wire as typed: the window shows them before anything can fail.
struct RateDiameters {
    float inner = 0, mean = 0, outer = 0;
};
RateDiameters typedDiameters(const RateInputs& in);

struct RateResults {
    RateDiameters diameters;
    float activeCoils = 0, totalCoils = 0, pitch = 0;
    double pitchLow = 0, pitchHigh = 0; // 0.3 D and 0.5 D
    float freeHeight = 0, solidHeight = 0, maxDeflection = 0;
    float weight = 0; // grams
    bool pitchOk = false;
};

RateResults compute(const RateInputs& in);

} // namespace quick
