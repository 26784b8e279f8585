#include "calc/expert/ConicalExpert.h"

#include "common/CheckedMath.h"

namespace conicalexpert {

float pitch(float freeHeight, float d, float activeCoils) {
    return num::toSingle(num::div(double(freeHeight) - 3.0 * d, activeCoils));
}

float solidShearStress(float wahlFactor, float fullContactLoad, float smallRadius, float d) {
    double stress = num::finite(16.0 * wahlFactor * fullContactLoad * smallRadius / 3.14);
    stress = num::div(num::div(num::div(stress, d), d), d);
    return num::toSingle(stress);
}

} // namespace conicalexpert
