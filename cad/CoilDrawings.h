#pragma once
// The compression, conical, barrel and torsion spring drawings: the values a window read,
// turned into host calls. Every derived value is computed before the first entity, so an
// arithmetic fault (num::CalcFault) leaves the drawing untouched; a host call that fails
// throws HostError and what was drawn before it stays.

#include "cad/CadHost.h"

#include <QString>

namespace cad {

struct CompressionInputs {
    double d = 0, MD = 0, Nt = 0, H0 = 0, N1 = 0, N2 = 0;
    QString hand;
};
// Closed turns at the top, active turns, closed turns at the bottom; section and end circles.
void drawCompression(CadHost& host, const CompressionInputs& in);
// The active turns drawn: down to a whole or half turn.
double drawnActiveTurns(double Nt);

struct ConicalInputs {
    double d = 0, OD1 = 0, OD2 = 0, Nt = 0, H0 = 0;
    QString hand;
    bool endTurns = true; // one turn of constant diameter at each end
};
void drawConical(CadHost& host, const ConicalInputs& in);
// The centre line alone (the point list drawConical sends).
std::vector<double> conicalPoints(const ConicalInputs& in);

struct BarrelInputs {
    double d = 0, R1 = 0, R2 = 0, Nt = 0, H0 = 0;
    QString hand;
    bool barrel = true; // false: hourglass, wide at the ends
};
void drawBarrel(CadHost& host, const BarrelInputs& in);
std::vector<double> barrelPoints(const BarrelInputs& in);

struct TorsionInputs {
    double d = 0, MD = 0, Nt = 0, t = 0;
    QString hand;
};
void drawTorsion(CadHost& host, const TorsionInputs& in);

} // namespace cad
