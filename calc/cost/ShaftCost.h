#pragma once
// The material of a turned part and the shaft quotation.
//
// A bar of size D (with a bore h, length Lb) is weighed and priced; each part takes its length
// plus 2 mm of bar, and the machine loses a fixed length of every bar. The gross weight of one
// part divides by the whole count N, the material cost by the count n before it is made whole,
// as the quotations have always been priced. The nickel price is for a solid cylinder D x l.

#include "calc/cost/BarStockTable.h"
#include "calc/cost/Money.h"

#include <optional>

namespace shaftcost {

struct PartInputs {
    BarStock stock;
    double machineLoss = 0;
    double barSize = 0, bore = 0, barLength = 0, unitPrice = 0, partLength = 0;
};

// Filled in step order; a step that faults leaves it and every later one empty.
struct PartCosts {
    std::optional<double> barWeight, barPrice;
    std::optional<double> partsPerBar; // N, whole
    std::optional<double> grossWeight, materialCost, nickelPrice;
};

// Throws num::CalcFault when a part takes no bar (l + 2 = 0) or a bar makes no whole part.
void partCosts(const PartInputs& in, PartCosts& out);

struct QuoteInputs {
    Money machinePerHour, materialCost, grinding, plating, packing, speed;
    float secondary = 0; // as stored in the shared single-precision variable
    Money taxPercent;
};

// The price of one shaft: material * 1.03 plus the machine cost per part make the base,
// the other costs add exactly, and the tax applies to the whole sum. Throws num::CalcFault at
// a zero speed or an overflow.
Money quote(const QuoteInputs& in);

// The base alone: material * 1.03 + M / v / 60, rounded.
Money base(const QuoteInputs& in);

} // namespace shaftcost
