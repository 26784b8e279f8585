#include "calc/noncoil/WaveWasher.h"

#include "calc/noncoil/MaterialRows.h"
#include "calc/noncoil/WaveSpring.h"
#include "common/CheckedMath.h"
#include "common/NotReached.h"

namespace wavewasher {

namespace {
constexpr noncoil::NamedModulus kMaterials[] = {
    {"65Mn", 206000}, {"SUS304", 181000}, {"InconelX750", 214000}};
} // namespace

double materialModulus(const QString& listText) {
    return noncoil::modulusNamed(kMaterials, listText);
}

QStringList materialNames() {
    return noncoil::namesOf(kMaterials);
}

void compute(const Inputs& in, Results& out) {
    out = {num::notReachedSingle, num::notReachedSingle};
    const float meanDiameter = num::toSingle((double(in.outer) + in.inner) / 2);
    const float width = num::toSingle((double(in.outer) - in.inner) / 2);
    out.load = num::toSingle(wave::closedRingLoad(in.e, width, in.t, in.waves, in.deflection, meanDiameter));
    out.stress = num::toSingle(wave::closedRingStress(out.load, meanDiameter, width, in.t, in.waves));
}

} // namespace wavewasher
