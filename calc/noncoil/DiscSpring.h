#pragma once
// One conical disc spring: its materials and formulas, used by the single-disc window and,
// with its own variations, by the stacked-disc window.

#include <QString>
#include <QStringList>

namespace disc {

// DiscSpringMaterialTable: Young's modulus in MPa by the exact list text; 0 for any other text.
double materialModulus(const QString& listText);
QStringList materialNames();

struct Parameters {
    double c, alpha, beta, gamma;
};

// DiscSpringParameters, with the constants as this calculator has always used them (1000200,
// 3.1416, 6.2832, 12.5664). Throws num::CalcFault for C = 1, C <= 0 or E = 0.
Parameters parameters(double outer, double inner, double e);
// The same from a diameter ratio already worked out.
Parameters parametersForRatio(double c, double e);

// DiscSpringLoad: the load of one disc at the deflection s, N.
double load(double t, double outer, double alpha, double h0, double s);

struct Stresses {
    double first, third; // sigma I and sigma III, MPa
};
// DiscSpringStress at the deflection s.
Stresses stresses(double t, double outer, const Parameters& p, double h0, double s);

// DiscStressVerdict: the larger of the two (sigma III on a tie) below 1960 is "ok".
QString verdict(double first, double third);

struct Inputs {
    double e = 0, t = 0, outer = 0, inner = 0, freeHeight = 0, workingHeight = 0;
};

// The results of the single-disc window in the order it writes them.
struct Results {
    double c, h0, alpha, beta, gamma, workingLoad, flatLoad, load25, load50, load75, stress75;
    QString verdict;
};

// False when the working deflection exceeds h0 (the working height is below the thickness):
// nothing is computed then.
bool workingHeightAllowed(const Inputs& in);

void compute(const Inputs& in, Results& out);

} // namespace disc
