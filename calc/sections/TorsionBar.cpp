#include "calc/sections/TorsionBar.h"

#include "common/CheckedMath.h"
#include "common/StringTable.h"

#include <array>
#include <cmath>

namespace torsionbar {

namespace {

constexpr double kPi = 3.14;

struct Material {
    int textId;
    int g; // MPa
};
constexpr std::array<Material, 5> kMaterials{
    {{2421, 79000}, {2422, 71000}, {2423, 76000}, {2424, 76000}, {2425, 78000}}};

} // namespace

QStringList materialNames() {
    QStringList names;
    for (const Material& m : kMaterials)
        names.append(StringTable::text(m.textId));
    return names;
}

double materialModulus(const QString& text) {
    for (const Material& m : kMaterials)
        if (StringTable::text(m.textId) == text)
            return m.g;
    return 0;
}

void compute(const Inputs& in, Results& r) {
    const double d4 = num::pow(in.d, 4), d3 = num::pow(in.d, 3);
    r.polarMoment = num::finite(d4 * kPi / 32);
    r.sectionModulus = num::finite(d3 * kPi / 16);
    // G·Ip/L: the angular stiffness per radian.
    const double perRadian = num::div(num::finite(d4 * kPi * in.g / 32), in.length);
    r.armStiffness = num::div(perRadian, num::pow(in.arm, 2));
    const double perDegree = num::finite(perRadian * kPi / 180);
    r.angularStiffness = perDegree;
    const double maxTorque = num::finite(in.maxAngle * perDegree);
    r.maxTorque = maxTorque;
    r.shearStress = num::div(num::finite(maxTorque * 16 / kPi), d3);
}

} // namespace torsionbar
