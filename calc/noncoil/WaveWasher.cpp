#include "calc/noncoil/WaveWasher.h"

#include "calc/noncoil/WaveSpring.h"
#include "common/CheckedMath.h"
#include "common/NotReached.h"

namespace wavewasher {

namespace {
struct Material {
    const char* name;
    double e;
};
constexpr Material kMaterials[] = {{"65Mn", 206000}, {"SUS304", 181000}, {"InconelX750", 214000}};
} // namespace

double materialModulus(const QString& listText) {
    for (const Material& m : kMaterials) {
        if (listText == QLatin1String(m.name))
            return m.e;
    }
    return 0;
}

QStringList materialNames() {
    QStringList names;
    for (const Material& m : kMaterials)
        names.append(QString::fromLatin1(m.name));
    return names;
}

void compute(const Inputs& in, Results& out) {
    out = {num::notReachedSingle, num::notReachedSingle};
    const float meanDiameter = num::toSingle((double(in.outer) + in.inner) / 2);
    const float width = num::toSingle((double(in.outer) - in.inner) / 2);
    out.load = num::toSingle(wave::closedRingLoad(in.e, width, in.t, in.waves, in.deflection, meanDiameter));
    out.stress = num::toSingle(wave::closedRingStress(out.load, meanDiameter, width, in.t, in.waves));
}

} // namespace wavewasher
