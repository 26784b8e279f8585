#pragma once
// Thin strips of copper alloys, stainless steels and plastics: the curled thin plate (a strip
// bent into a U) and the cantilever strip. The material names are design texts, the same in
// every language.

#include "common/NotReached.h"

#include <QString>
#include <QStringList>

namespace thinstrip {

struct Material {
    double e = 0;         // Young's modulus, kgf/mm²
    double allowable = 0; // allowable bending stress, gf/mm²
};

QStringList materialNames();
// The row whose name equals the text exactly; zeros when none does.
Material material(const QString& text);

struct CurledInputs {
    Material m;
    double t = 0, b = 0;          // plate thickness and width, mm
    double loaded = 0, fixed = 0; // leg lengths L1 and L2, mm
    double radius = 0;            // bend radius, mm
    double stroke = 0;            // working stroke, mm
};

struct CurledResults {
    double ratio1 = num::notReached;      // L1 / R
    double ratio2 = num::notReached;      // L2 / R
    double load = num::notReached;        // gf
    double stress = num::notReached;      // gf/mm²
    float safety = num::notReachedSingle; // stress in % of the allowable, held in single
};

void curled(const CurledInputs& in, CurledResults& r);

struct CantileverInputs {
    Material m;
    double b = 0, h = 0;   // width and thickness, mm
    double length = 0;     // load point from the clamp, mm
    double deflection = 0; // at the load point, mm
};

struct CantileverResults {
    double inertia = num::notReached; // mm^4
    double modulus = num::notReached; // mm³
    double rate = num::notReached;    // gf/mm
    double load = num::notReached;    // gf
    double loadNewton = num::notReached;
    double stress = num::notReached; // kgf/mm²
    double safety = num::notReached; // %
};

void cantilever(const CantileverInputs& in, CantileverResults& r);

} // namespace thinstrip
