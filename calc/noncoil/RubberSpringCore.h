#pragma once
// The rubber-spring model shared by the cylindrical and annular, the rectangular compression
// and the rectangular shear spring: shear modulus from the Shore hardness, hardness and shape
// coefficients, apparent compression modulus, load-type limits and the verdicts.

#include <QString>

namespace rubber {

// G = 0.117 e^(0.034 HS), MPa; a hardness above about 20876 overflows (num::CalcFault).
double shearModulus(double shoreHardness);

// K = 10.7 - 0.098 HS.
double hardnessCoefficient(double shoreHardness);

// Shape coefficients i from K and the shape factor s.
double solidCylinderCoefficient(double k, double s);                      // 3 + K s^2
double ringCoefficient(double k, double s);                               // 4 + 0.56 K s^2
double blockCoefficient(double k, double s, double length, double width); // faults for length 0

struct Limits {
    double stress = 0;      // allowable stress, MPa
    double deformation = 0; // allowable deformation, per cent of the height
};

// The load type by the exact text of its list: text 2223 (static) 3 MPa and 15 %, text 2224
// (dynamic) 1 MPa and 5 %, any other text 0 and 0.
Limits loadTypeLimits(const QString& listText);

// "ng" when the larger of the two values (the first when they are equal) reaches the limit,
// otherwise "ok"; the unrounded values count.
QString verdict(double first, double second, double limit);

enum class Shape { SolidOrRing, Block };

struct CompressionInputs {
    Shape shape = Shape::SolidOrRing;
    double height = 0;
    double dimension1 = 0; // outer diameter D, or the block's length a
    double dimension2 = 0; // inner diameter D1 (0: solid cylinder), or the block's width b
    double workingHeight = 0, workingLoad = 0, shoreHardness = 0;
    Limits limits;
};

// The results in the order they are written (boxes 6, 7, 8, 10 to 14, 9, 15 to 22).
struct CompressionResults {
    double allowableStress, allowableDeformation, shearModulus, loadedArea, freeArea, shapeFactor;
    double hardnessCoefficient, shapeCoefficient, apparentModulus, rate, load1, deflection2, height2;
    double deformation1, deformation2, stress1, stress2;
    QString stressVerdict, deformationVerdict;
};

// Throws num::CalcFault at the faulting step (H = 0 or no free area at the shape factor, a
// block of length 0 at its shape coefficient, a rate of 0 at the deflection under load).
void computeCompression(const CompressionInputs& in, CompressionResults& out);

struct ShearInputs {
    double height = 0, shearedArea = 0, deflection1 = 0, workingLoad = 0, shoreHardness = 0;
    Limits limits;
};

struct ShearResults {
    double allowableStress, allowableDeformation, shearModulus, rate, load1, deflection2, stress1, stress2;
    QString stressVerdict;
};

void computeShear(const ShearInputs& in, ShearResults& out);

} // namespace rubber
