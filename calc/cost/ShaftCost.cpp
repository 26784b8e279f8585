#include "calc/cost/ShaftCost.h"

#include "common/CheckedMath.h"

#include <cmath>

namespace shaftcost {

void partCosts(const PartInputs& in, PartCosts& out) {
    out = {};
    const double d = in.barSize, h = in.bore, l = in.partLength;
    const BarStock& s = in.stock;
    const double weight = num::finite((d * d / 4 - h * h / 4) * s.sectionFactor * in.barLength * s.density);
    out.barWeight = weight;
    const double price = num::finite(in.unitPrice * weight / 1000);
    out.barPrice = price;
    const double n = num::div(in.barLength - in.machineLoss, l + 2);
    const double whole = std::floor(n);
    out.partsPerBar = whole;
    out.grossWeight = num::div(weight, whole);
    out.materialCost = num::div(price, n);
    out.nickelPrice =
        num::finite(((d / 2) * (d / 2) * 3.1416 * 2 + d * 3.1416 * l) / 10000 * s.platingFactor * 4.2);
}

Money base(const QuoteInputs& in) {
    const double machine = num::div(num::div(in.machinePerHour.toDouble(), in.speed.toDouble()), 60);
    return Money::fromDouble(in.materialCost.toDouble() * 1.03 + machine);
}

Money quote(const QuoteInputs& in) {
    const Money sum =
        base(in) + in.grinding + in.plating + in.packing + Money::fromDouble(double(in.secondary));
    return Money::fromDouble((in.taxPercent.toDouble() * 0.01 + 1) * sum.toDouble());
}

} // namespace shaftcost
