#pragma once
// What a standard-based designer reads from its fields and what it can solve for.
//
// Every value is held in single precision, as the designers always stored what they read.
// A window fills only the members its fields map to; the rest stay 0 and are not used by its
// formulas.

namespace standard {

enum class SolveFor { WireDiameter, MeanDiameter, ActiveCoils, Rate, Load };

struct Quantities {
    float modulus = 0;           // G (or E for the torsion designer), kgf/mm² or N/mm²
    float d = 0;                 // wire diameter, mm
    float meanDiameter = 0;      // D, mm
    float activeCoils = 0;       // n
    float load = 0;              // P, kgf or N
    float freeHeight = 0;        // H0, mm
    float loadedHeight = 0;      // H1, mm
    float supportLeg = 0;        // a1, torsion leg at the support, mm
    float forceLeg = 0;          // a2, torsion leg at the force point, mm
    float loadPoint = 0;         // R, distance of the load from the coil axis, mm
    float angle = 0;             // θ, twist angle, degrees
    float largeMeanDiameter = 0; // MD2, mm
    float smallMeanDiameter = 0; // MD1, mm
    float deflection = 0;        // L1, deflection under the load, mm
};

} // namespace standard
