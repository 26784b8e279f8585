#include "calc/wizards/RequirementCore.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace requirements {

float requiredRate(float low, float high, float span) {
    return num::single(num::div(double(high) - double(low), double(span)));
}

float extensionTestLoad(float workingLoad) {
    return num::single(double(workingLoad) * 1.25);
}

float angleForTorque(float torque, float rate) {
    return num::single(num::div(double(torque), double(rate)));
}

QString loadClass(float cycles) {
    if (cycles < 1000.0f)
        return QStringLiteral("III");
    if (cycles < 100000.0f)
        return QStringLiteral("II");
    return QStringLiteral("I");
}

} // namespace requirements
