#pragma once
// The arithmetic of the normal-mode conical (tower) spring calculator, kept apart from its
// window.
//
// Inputs are single-precision values and each result is stored in single precision before it
// is shown. Results are filled in the order the window shows them and start empty: a fault
// leaves every later one empty while those before it keep their values.

#include <optional>

namespace conical {

struct Inputs {
    float g = 0; // shear modulus of the material, kgf/mm²
    float d = 0;
    float smallOuter = 0; // outer diameter of the small end
    float largeOuter = 0;
    float coils = 0;
    float freeHeight = 0;
    float height1 = 0;
    float height2 = 0;
    bool hasHeight2 = false;
};

// What became of the second working height.
enum class SecondHeight { NotGiven, BelowSolidHeight, Loaded };

struct Results {
    std::optional<double> rate; // N/mm, while no coil touches
    std::optional<double> contactLoad;
    std::optional<double> contactHeight; // as shown, to one decimal
    std::optional<double> solidLoad;
    std::optional<double> solidHeight;
    std::optional<double> load1, load1Gf;
    SecondHeight second = SecondHeight::NotGiven;
    std::optional<double> load2, load2Gf;
    // Beyond the first contact the spring is stiffer: a load shown there is a lower bound.
    bool load1BeyondContact = false;
    bool load2BeyondContact = false;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace conical
