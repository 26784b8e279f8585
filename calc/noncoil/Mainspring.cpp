#include "calc/noncoil/Mainspring.h"

#include "common/CheckedMath.h"

namespace mainspring {

// π is 3.14 throughout; 9.42 and 4.71 are 3 x 3.14 and 1.5 x 3.14.
void design(const DesignInputs& in, DesignResults& r) {
    const double tmax = in.maxTorque / 0.8;
    r.theoreticalTorque = tmax;
    const double h = num::sqrt(num::div(tmax, 0.225 * in.b * in.strength));
    r.thickness = h;
    const double arbor = 15 * h;
    r.arborRadius = arbor;
    const double lg =
        num::div(in.e * in.turns * h * in.maxTorque, 0.43 * in.strength * (in.maxTorque - in.minTorque));
    r.workingLength = lg;
    const double inner = 9.42 * arbor;
    r.innerEnd = inner;
    const double outer = 4.71 * arbor;
    r.outerEnd = outer;
    r.totalLength = inner + lg + outer;
    const double barrel = num::sqrt(arbor * arbor + 2 * lg * h / 3.14);
    r.barrelRadius = barrel;
    r.maxTurns = num::div(num::sqrt(2 * (barrel * barrel + arbor * arbor)) - barrel - arbor, h);
    const double wound = num::div(num::sqrt(2 * arbor * (2 * arbor) + 4 * lg * h / 3.14) - 2 * arbor, 2 * h);
    r.woundTurns = wound;
    const double winding = num::div(0.43 * in.strength * lg, in.e * h);
    r.windingTurns = winding;
    r.freeTurns = wound - winding;
    r.releasedTurns = num::div(2 * barrel - num::sqrt(2 * barrel * (2 * barrel) - 4 * lg * h / 3.14), 2 * h);
}

void check(const CheckInputs& in, CheckResults& r) {
    const double tj = in.b * in.h * in.h * in.strength / 6;
    r.limitTorque = tj;
    const double tmax = 0.825 * tj;
    r.maxTorque = tmax;
    r.minTorque = 0.6 * tmax;
    const double d2sq = in.barrel * in.barrel;
    const double d1sq = in.arbor * in.arbor;
    const double lg = num::div(d2sq - d1sq, 2.55 * in.h);
    r.effectiveLength = lg;
    r.totalLength = 2.512 * in.arbor + lg + 4.71 * in.arbor;
    r.torquePerTurn = num::div(3.14 * in.e * in.b * in.h * in.h * in.h, 6 * lg);
    const double wound = num::sqrt(4 * lg * in.h / 3.14 + d1sq);
    r.woundDiameter = wound;
    const double released = num::sqrt(d2sq - 4 * in.h * lg / 3.14);
    r.releasedDiameter = released;
    r.turns = num::div(released + wound - in.barrel - in.arbor, 2 * in.h);
}

} // namespace mainspring
