#pragma once
// The spring quotation's price per piece and its currency conversion, in Money.
//
// The machine cost per piece, M / (60 v), is split 0.2 : 0.4 : 0.4 into three shares; the
// material share adds a surcharge of 2 yuan per kg to the price and a loss of 5 % (the
// quotation workbook shows both constants); the plating share is the plating cost per kg times
// the weight. Each share is rounded when it is stored; the price without tax is their exact
// sum plus the secondary processing, and the tax is applied to that.

#include "calc/cost/Money.h"

#include <optional>

namespace springquotation {

struct Inputs {
    Money machinePerHour; // M, yuan/h
    Money materialPerKg;  // P, yuan/kg
    Money platingPerKg;   // E, yuan/kg
    Money speed;          // v, pieces/min
    Money taxPercent;     // t
    Money weight;         // w, g/piece
    Money secondary;      // s, yuan/piece
};

// Filled in step order; a step that faults leaves it and every later one empty.
struct Prices {
    std::optional<Money> machineShare1, materialShare, machineShare2, platingShare, machineShare3;
    std::optional<Money> withoutTax, withTax;
};

constexpr int kMaterialSurcharge = 2; // yuan per kg on the material price
constexpr int kMaterialLossPercent = 5;

// Throws num::CalcFault at a zero speed (before any share) or an overflow, leaving in `out`
// what the steps before the fault produced.
void price(const Inputs& in, Prices& out);

// The price with tax in another currency: a fixed-point product with the rate.
Money convert(Money priceWithTax, Money rate);

} // namespace springquotation
