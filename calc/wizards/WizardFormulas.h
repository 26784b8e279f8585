#pragma once
// Arithmetic that the compression, extension and torsion wizards share, evaluated in double in
// the order the wizards have always used, without any window.

namespace wizardformulas {

// A value rounded the way the steps round a shown value they use again: formatted with the
// pattern and read back ("0.00" gives two decimals, half away from zero); throws
// num::CalcFault for a value that is not finite.
double throughPattern(double value, const char* pattern);

// The rate of a helical spring in N/mm, G*d*d*d*d/8 divided by D three times and then by n,
// stored in single precision; D = 0 or n = 0 throws num::CalcFault.
float coilRate(float shearModulus, double wireDiameter, double meanDiameter, float activeCoils);

// The shear stresses at the installed and working loads, K*8*D*F/3.14159/d/d/d divided step by
// step, their ratio and the ratio of the higher one to the tensile strength; the fatigue
// strength holds while that ratio is below 0.45. All stored in single precision.
struct ShearStresses {
    float min = 0;
    float max = 0;
    float ratio = 0;
    float toStrength = 0;
    bool fatigueOk = false;
};
ShearStresses shearStresses(float wahlFactor, double wireDiameter, double meanDiameter, float installedLoad,
                            float workingLoad, float tensileStrength);

// The same into the members of a check step's results that carry these names.
template <class Results>
void fillShearStresses(Results& r, float wahlFactor, double wireDiameter, double meanDiameter,
                       float installedLoad, float workingLoad, float tensileStrength) {
    const ShearStresses t =
        shearStresses(wahlFactor, wireDiameter, meanDiameter, installedLoad, workingLoad, tensileStrength);
    r.minShearStress = t.min;
    r.maxShearStress = t.max;
    r.stressRatio = t.ratio;
    r.strengthRatio = t.toStrength;
    r.fatigueOk = t.fatigueOk;
}

} // namespace wizardformulas
