#pragma once
// A stack of equal disc springs: the disc type (with or without bearing faces) and the way
// the discs are combined (nested, in parallel, or opposed, in series).

#include "calc/noncoil/DiscSpring.h"

#include <QString>

namespace disc {

// BearingFaceFactor K by the disc-type list text of the language in force: text 2410 (without
// bearing faces) 1, text 2411 (with) 1 / (1 - (4/150) C / (C - 1)), any other text 0.
double bearingFaceFactor(const QString& typeText, double c);

// DiscStackCombination by the combination list text: text 2408 nested, text 2409 opposed.
enum class Combination { Nested, Opposed, Unknown };
Combination stackCombination(const QString& combinationText);

struct StackInputs {
    double e = 0, t = 0, outer = 0, inner = 0, discs = 0, freeHeight = 0, workingHeight = 0;
    QString typeText, combinationText;
};

// In the order the window writes them; the stack load is written only for a known combination.
struct StackResults {
    double c, h0, alpha, beta, gamma, discLoad, flatLoad;
    double stackLoad; // not reached (NaN) when the combination is unknown
    double stress1, stress2, stress3;
    QString verdict;
};

void computeStack(const StackInputs& in, StackResults& out);

} // namespace disc
