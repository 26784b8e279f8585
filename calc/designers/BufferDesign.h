#pragma once
// The arithmetic of the mine-car buffer spring designer, kept apart from its window: the
// spring force that takes up the impact of two cars over the allowed deflection, a wire in
// whole millimetres and the compression spring that follows from it.
//
// Units are those of the window: masses in kg, forces in kgf, stresses and moduli in kgf/mm2,
// lengths in mm, the speed in m/s. Values are single precision, each step evaluated in double
// and rounded when stored. The one verdict is decided by the last step, so after a fault
// (num::CalcFault) the window shows nothing new.

#include <optional>

namespace bufferdesigner {

struct Inputs {
    float emptyCarMass = 0;    // Q1, kg
    float loadedCarMass = 0;   // Q2, kg
    float springIndex = 0;     // C, trial
    float allowableStress = 0; // [tau], kgf/mm2
    float shearModulus = 0;    // G, kgf/mm2
    float totalDeflection = 0; // f, mm
    float impactSpeed = 0;     // v, m/s
};

struct Results {
    float springForce = 0;  // P, kgf
    float allowedForce = 0; // Pmax, kgf, of the chosen wire
    float wireDiameter = 0; // whole millimetres
    float meanDiameter = 0, innerDiameter = 0, outerDiameter = 0;
    float activeCoils = 0, totalCoils = 0;
    float solidHeight = 0, pitch = 0, freeHeight = 0;
    float rate = 0; // kgf/mm
    float maxShearStress = 0, safetyFactor = 0;
    std::optional<bool> safetyOk;
};

// Throws num::CalcFault for C = 0 or 1, f = 0, [tau] = 0, a negative root, G = 0 or an
// overflow.
void compute(const Inputs& in, Results& out);

} // namespace bufferdesigner
