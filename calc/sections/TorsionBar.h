#pragma once
// A straight torsion bar of round section twisted through a lever arm. G in MPa, lengths in
// mm, the angle in degrees; π is taken as 3.14 throughout, as the window has always taken it.

#include <QString>
#include <QStringList>
#include <optional>

namespace torsionbar {

// The bar materials of this window and their shear moduli (TorsionBarModulusTable).
QStringList materialNames();
double materialModulus(const QString& text); // 0 when no row matches

struct Inputs {
    double g = 0;
    double d = 0, length = 0, arm = 0, maxAngle = 0;
};

struct Results {
    std::optional<double> polarMoment, sectionModulus, armStiffness, angularStiffness, maxTorque, shearStress;
};

void compute(const Inputs& in, Results& r);

} // namespace torsionbar
