#pragma once
// The wave washer: a closed ring of strip given by its outer and inner diameter, computed with
// the wave spring's closed-ring model and moduli in N/mm², so the load comes out in N.

#include <QString>
#include <QStringList>

namespace wavewasher {

// WaveWasherMaterialTable: E in N/mm² by the exact list text ("InconelX750" here); 0 otherwise.
double materialModulus(const QString& listText);
QStringList materialNames();

struct Inputs {
    float outer = 0, inner = 0, t = 0, waves = 0, deflection = 0;
    double e = 0;
};

struct Results {
    float load, stress; // N, N/mm²
};

// D + d = 0 faults before the load; t = 0, N = 0 or D = d after it.
void compute(const Inputs& in, Results& out);

} // namespace wavewasher
