#pragma once
// The forces of a small fine-wire compression spring at assembly and when compressed, in grams,
// with its solid length, index, Wahl factor, stress and ratios. Results fill in the order the
// window writes them; a fault leaves the later ones not reached (PartialResults.h).

#include "common/NotReached.h"

#include <QString>
#include <QStringList>

namespace finewireforce {

// The fine-wire grades: fixed texts of the window, the same in every language.
QStringList gradeNames();
// Shear modulus in kgf/mm² of the grade whose text equals the text exactly; 0 when none does.
double gradeModulus(const QString& text);

struct Inputs {
    double g = 0;          // kgf/mm²
    double free = 0;       // H0, mm
    double assembled = 0;  // H1, mm
    double compressed = 0; // H2, mm
    double d = 0;          // wire diameter, mm
    double mean = 0;       // mean diameter D, mm
    double coils = 0;      // active coils n
    double support = 0;    // supporting coils at each end
    double strength = 0;   // tensile strength, kgf/mm²
};

struct Results {
    double assembledDeflection = num::notReached;
    double assembledForce = num::notReached; // gf
    double compressedDeflection = num::notReached;
    double compressedForce = num::notReached; // gf
    double solidLength = num::notReached;
    double index = num::notReached;
    double wahl = num::notReached;
    double maxStress = num::notReached; // kgf/mm²
    double stressRatio = num::notReached;
    double forceRatio = num::notReached;
};

void compute(const Inputs& in, Results& r);

} // namespace finewireforce
