#include "calc/cost/Stamping.h"

#include "calc/cost/SheetDensityTable.h"
#include "common/CheckedMath.h"

namespace stamping {

Blank blank(const BlankInputs& in) {
    const double m = SheetDensityTable::margin(in.thickness);
    return {m, num::finite((m + m + in.width) * (in.length + m) * in.thickness * in.density * 0.001)};
}

double price(const PriceInputs& in) {
    const double material = in.stripWidth * in.step * in.thickness * 0.000001 * in.density * in.unitPrice;
    const double direct = material + in.punching + in.plating + in.secondary;
    const double markup = (in.taxPercent + in.scrapPercent + in.profitPercent) * 0.01 + 1;
    return num::finite(direct * markup);
}

} // namespace stamping
