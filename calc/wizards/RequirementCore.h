#pragma once
// What the requirement steps derive from the typed requirements: the required rate, the test
// load of an extension spring, the installed and working angles of a torsion spring, and the
// load class from the number of load cycles. Values are single precision, as the wizards
// store them; a zero divisor throws num::CalcFault.

#include <QString>

namespace requirements {

// (high - low) / span: K1' = (F2' - F1') / h, or (T2' - T1') / phi for a torsion spring.
float requiredRate(float low, float high, float span);

// The extension spring's test load, 1.25 times the working load.
float extensionTestLoad(float workingLoad);

// The angle at which the torsion spring gives the torque: T / K1'.
float angleForTorque(float torque, float rate);

// LoadClass: "III" below 1000 cycles, "II" below 100000, "I" from there on. N is compared as
// the single-precision number it is stored as, so 99999.9995 already counts as 100000.
QString loadClass(float cycles);

} // namespace requirements
