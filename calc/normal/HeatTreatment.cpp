#include "calc/normal/HeatTreatment.h"

#include "calc/normal/ExtendedMath.h"
#include "common/CheckedMath.h"

#include <array>
#include <limits>

namespace {

constexpr float kOpen = std::numeric_limits<float>::infinity();

using Bands = std::array<HeatTreatmentBand, 4>;

constexpr Bands kSus304{{
    {0.1f, 0.5f, 0.0013f, 0.00117f, 260},
    {0.51f, 1.2f, 0.0014f, 0.00126f, 280},
    {1.21f, 2.0f, 0.0015f, 0.00135f, 300},
    {2.01f, kOpen, 0.0016f, 0.00144f, 320},
}};

constexpr Bands kSwc{{
    {0.1f, 0.5f, 0.00132f, 0.0012f, 240},
    {0.51f, 1.2f, 0.00143f, 0.0013f, 260},
    {1.21f, 2.0f, 0.00154f, 0.0014f, 280},
    {2.01f, kOpen, 0.00165f, 0.0015f, 300},
}};

constexpr Bands kSwic{{
    {0.1f, 0.4f, 0.0011f, 0.001f, 200},
    {0.41f, 0.8f, 0.001265f, 0.00115f, 230},
    {0.81f, 2.0f, 0.00143f, 0.0013f, 260},
    {2.01f, kOpen, 0.00154f, 0.0014f, 280},
}};

// Evaluated in extended precision, stored as a single.
using extmath::divide;
using extmath::Ext;
using extmath::single;

} // namespace

const HeatTreatmentBand* heatTreatmentBand(HeatTreatedWire wire, float d) {
    const Bands* bands = wire == HeatTreatedWire::Sus304 ? &kSus304
                         : wire == HeatTreatedWire::Swc  ? &kSwc
                         : wire == HeatTreatedWire::Swic ? &kSwic
                                                         : nullptr;
    if (!bands)
        return nullptr;
    for (const HeatTreatmentBand& band : *bands)
        if (d >= band.low && d <= band.high)
            return &band;
    return nullptr;
}

HeatTreatmentEstimate estimateHeatTreatment(HeatTreatmentTable table, HeatTreatedWire wire, float d, float D,
                                            float n) {
    if (table == HeatTreatmentTable::General)
        single(divide(D, d)); // the spring index, formed and not used further
    HeatTreatmentEstimate e;
    if (wire == HeatTreatedWire::Other)
        return e;
    float k = 0;
    if (const HeatTreatmentBand* band = heatTreatmentBand(wire, d)) {
        k = table == HeatTreatmentTable::General ? band->generalCoefficient : band->extensionCoefficient;
        e.temperature = band->temperature;
    }
    e.diameterChange = single(divide(static_cast<Ext>(D) * D * k, d));
    // SUS304 changes the other way from the carbon and the nickel-plated wire.
    const Ext coiledDiameter = wire == HeatTreatedWire::Sus304 ? static_cast<Ext>(D) - e.diameterChange
                                                               : static_cast<Ext>(e.diameterChange) + D;
    e.machineCoils = single(divide(static_cast<Ext>(n) * D, coiledDiameter));
    e.angleChange = single((static_cast<Ext>(e.machineCoils) - n) * 360);
    return e;
}
