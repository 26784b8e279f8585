#pragma once
// The four extension spring drawings of the extension window: side hooks, centre hooks, one
// centre and one side hook, German hooks. All share the close-wound body of N' turns that
// starts at (MD/2, 0, 0) and rises in +z. Faults as in CoilDrawings.h.

#include "cad/CadHost.h"

#include <QString>

namespace cad {

struct ExtensionInputs {
    double d = 0, MD = 0, Nt = 0;
    double UpT = 1, UpMD = 0, LoT = 1, LoMD = 0;
    QString hookAngle; // "0度", "90度", "180度", "270度" or any typed text
};

// The body: N' turns of radius MD/2 at pitch d, counterclockwise seen from +z, through
// helixSteps points. Too many turns name `largestTyped`, the largest Nt that draws.
std::vector<double> extensionBodyPoints(double d, double MD, double drawnTurns, double largestTyped);

void drawSideHooks(CadHost& host, const ExtensionInputs& in);
void drawCentreHooks(CadHost& host, const ExtensionInputs& in);
void drawCentreAndSideHook(CadHost& host, const ExtensionInputs& in);
void drawGermanHooks(CadHost& host, const ExtensionInputs& in);

} // namespace cad
