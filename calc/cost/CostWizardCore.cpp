#include "calc/cost/CostWizardCore.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace costwizard {

float springIndex(float meanDia, float wireDia) {
    return num::single(num::div(meanDia, wireDia));
}

float pieceWeight(double density, float wireDia, float meanDia, float totalCoils, float extraLength) {
    // Developed wire length times the wire section, left to right as the weight always was
    // computed, so the grams agree to the last digit with earlier reports.
    const double d = wireDia;
    const double grams =
        density * (meanDia * 3.14159 * totalCoils + extraLength) * 3.14159 * d * d / 4 / 1000;
    return num::single(num::finite(grams));
}

double materialCost(float price, float freight, float pieceWeight, float lossPercent) {
    const double cost =
        (static_cast<double>(price) + freight) * pieceWeight * (lossPercent * 0.01 + 1) / 1000;
    return num::finite(cost);
}

ManufacturingResults manufacturing(const ManufacturingInputs& in) {
    using num::div;
    using num::single;
    const double W = in.pieceWeight;
    const double l = in.lossPercent;
    const double f = in.freight;
    const double p = in.materialPrice;
    const double M = in.machineRate;
    const double v = in.speed;
    const double P = in.platingPrice;
    const double tax = in.taxPercent * 0.01 + 1;

    ManufacturingResults out;
    // Material with loss and freight, machine time, plating, then the four costs per piece.
    const double net = (W + W * 0.01 * l) * 0.001 * (f + p) + div(div(M, 60), v) + W * P * 0.001 +
                       in.secondary + in.tempering + in.packing + in.management;
    out.netPrice = single(num::finite(net));
    out.priceWithTax = single(tax * out.netPrice);

    auto machineShare = [&](double share) { return single(div(div(M * share, v), 60)); };
    out.labour = machineShare(0.4);
    out.depreciation = machineShare(0.4);
    out.utilities = machineShare(0.05);
    out.other = machineShare(0.05);
    out.profit = machineShare(0.1);
    out.plating = single(W * P * 0.001);

    // Mass production: twice the material cost with loss, without freight. An eight-hour run
    // must bring at least 200 yuan; below that the material with freight plus 200 yuan spread
    // over the run's pieces is the lowest price.
    out.lowestPrice = single((W * 0.01 * l + W) * 0.001 * p * 2);
    const float runAmount = single(static_cast<double>(out.lowestPrice) * 60 * 8 * v);
    if (runAmount < 200)
        out.lowestPrice = single((f + p) * W * (l * 0.01 + 1) / 1000 + div(200.0 / 8 / 60, v));
    if (out.lowestPrice > out.netPrice) {
        out.netPrice = out.lowestPrice;
        out.priceWithTax = single(tax * out.netPrice);
    }

    out.batchSize = single(v * 60 * 8);
    out.batchAmount = num::roundHalfEven(static_cast<double>(out.batchSize) * out.netPrice, 0);
    return out;
}

} // namespace costwizard
