#pragma once
// What the two springs whose dense coils close first share: the load on the two-branch line
// and the three checks of pitch, solid length and shear stress.
//
// Up to the knee deflection f3 every coil works and the load rises with the combined rate KC;
// beyond it only the sparse coils work, with the rate Kx, from the knee load P3 on. All values
// are singles: the checks compare single-precision values, as the calculators always have.

#include <optional>

namespace varpitch {

// The load at a deflection f: KC·f up to and including f3, P3 + (f − f3)·Kx beyond it.
float loadOnLine(float f, float f3, float kc, float p3, float kx);

// Pitch check: the sparse pitch over the mean diameter, as a single, against 0.45; a ratio
// of exactly 0.45 still passes.
bool pitchTooLarge(float sparsePitch, float meanDiameter);

// Solid-length check: the free height less the solid height, as a single, must exceed the
// maximum deflection; equality fails.
bool solidLengthOk(float freeHeight, float solidHeight, float maxDeflection);

// Shear-stress check: the allowable stress c·σb, as a single, must exceed τ; equality fails.
bool shearStressOk(float coefficient, float tensileStrength, float shearStress);

// The shear stress at a load P: 8·K·P·D / (3.1416·d³) with the Wahl factor of D/d, all singles.
float shearStress(float load, float meanDiameter, float wireDiameter);

// The test load at which the uncorrected stress reaches c·σb: 3.1416·d³·c·σb / (8·D).
float testLoad(float wireDiameter, float coefficient, float tensileStrength, float meanDiameter);

// The three verdicts, each known once its step is reached.
struct Verdicts {
    std::optional<bool> pitchTooLarge;
    std::optional<bool> solidLengthOk;
    std::optional<bool> shearStressOk;
};

} // namespace varpitch
