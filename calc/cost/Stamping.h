#pragma once
// Sheet stampings: the material of one blank and the suggested price of one piece. All in
// double precision; lengths in mm, densities in g/cm3.

namespace stamping {

// The blank is the unfolded part enlarged by the margin twice across and once along.
struct BlankInputs {
    double density = 0;
    double length = 0, width = 0, thickness = 0;
};
struct Blank {
    double margin = 0;
    double weight = 0; // g per piece
};
Blank blank(const BlankInputs& in);

// Material of the strip one piece takes, plus punching, plating and secondary fees; tax,
// scrap and profit are percentages added together and applied once.
struct PriceInputs {
    double density = 0;
    double stripWidth = 0, step = 0, thickness = 0, unitPrice = 0;
    double punching = 0, scrapPercent = 0, secondary = 0, plating = 0, taxPercent = 0, profitPercent = 0;
};
double price(const PriceInputs& in);

} // namespace stamping
