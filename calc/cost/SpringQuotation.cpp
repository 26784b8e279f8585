#include "calc/cost/SpringQuotation.h"

#include "common/CheckedMath.h"

namespace springquotation {

void price(const Inputs& in, Prices& out) {
    out = {};
    const Money piecesPerHour = in.speed.times(60);
    const double m = piecesPerHour.toDouble();
    const double machine = in.machinePerHour.toDouble();
    const double w = in.weight.toDouble();

    out.machineShare1 = Money::fromDouble(num::div(machine * 0.2, m));
    const Money material = in.materialPerKg + Money::fromDouble(kMaterialSurcharge);
    out.materialShare = Money::fromDouble(w * (material.toDouble() * 1.05) / 1000);
    out.machineShare2 = Money::fromDouble(num::div(machine * 0.4, m));
    out.platingShare = Money::fromDouble(Money::product(in.platingPerKg, in.weight).toDouble() / 1000);
    out.machineShare3 = Money::fromDouble(num::div(machine * 0.4, m));
    out.withoutTax = *out.machineShare1 + *out.materialShare + *out.machineShare2 + *out.platingShare +
                     *out.machineShare3 + in.secondary;
    out.withTax = Money::fromDouble(out.withoutTax->toDouble() * (in.taxPercent.toDouble() * 0.01 + 1));
}

Money convert(Money priceWithTax, Money rate) {
    return Money::product(priceWithTax, rate);
}

} // namespace springquotation
