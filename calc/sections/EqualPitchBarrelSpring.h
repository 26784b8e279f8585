#pragma once
// A barrel-shaped compression spring of round wire wound with one constant pitch: the outside
// diameter D1 at the ends, D2 in the middle. Before any coils touch it has the barrel rate;
// the large middle coils close first (at Fz), the small end coils last (at Fb). G is in
// kgf/mm², so the rate is in kgf/mm and the loads in kgf; the window shows them in N by 9.8.

#include <optional>

namespace equalpitchbarrel {

struct Inputs {
    double g = 0;
    double d = 0, endDiameter = 0, middleDiameter = 0, activeCoils = 0, freeHeight = 0, workingHeight = 0;
};

struct Results {
    std::optional<double> rateN, workingLoadN, workingLoadKgf, contactLoadN;
    std::optional<double> contactDeflection; // already rounded to one decimal
    std::optional<double> solidLoadN;
    std::optional<bool> beyondContact; // the working load lies beyond Fz (compared in kgf)
};

void compute(const Inputs& in, Results& r);

} // namespace equalpitchbarrel
