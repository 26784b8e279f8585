#pragma once
// Fine wire bent into shapes: the circlip, the serpentine spring and the balance bar. Inputs,
// moduli and results are held in single precision and the arithmetic runs in double; a result
// not reached because of a fault stays NaN (PartialResults.h).

#include "common/NotReached.h"

namespace finewire {

struct CirclipInputs {
    float e = 0;            // Young's modulus, kgf/mm²
    float d = 0;            // wire diameter, mm
    float r = 0;            // inner radius of the ring, mm
    float k = 0;            // free gap, mm
    float openingAngle = 0; // 2α as typed, degrees
    float g = 0;            // spread gap, mm
};

struct Results {
    float rate = num::notReachedSingle;   // kgf/mm
    float load = num::notReachedSingle;   // kgf
    float stress = num::notReachedSingle; // kgf/mm²
};

void circlip(const CirclipInputs& in, Results& r);

struct SerpentineInputs {
    float e = 0;
    float d = 0;        // wire diameter, mm
    float r = 0;        // arc radius, mm
    float straight = 0; // straight length 2L as typed, mm
    float crests = 0;   // wave crests n
    float stretch = 0;  // k, mm
};

void serpentine(const SerpentineInputs& in, Results& r);

struct BalanceBarInputs {
    double g = 0, e = 0; // shear and Young's modulus, kgf/mm², whole numbers
    float d = 0;         // wire diameter, mm
    float load = 0;      // P, kgf
    float arm = 0;       // r, mm
    float middle = 0;    // BC = 2L as typed, mm
};

struct BalanceBarResults {
    float deflection = num::notReachedSingle; // one side, mm
    float torsion = num::notReachedSingle;    // kgf/mm²
    float bending = num::notReachedSingle;
    float maxShear = num::notReachedSingle;
};

void balanceBar(const BalanceBarInputs& in, BalanceBarResults& r);

} // namespace finewire
