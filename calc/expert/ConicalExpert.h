#pragma once
// The steps of the expert conical calculator (Form11) that the normal-mode conical model does
// not have: its pitch rule and the shear stress at full contact. Single-precision results,
// expressions in double; faults throw num::CalcFault.

namespace conicalexpert {

// Pitch of the active coils: (H0 - 3 d) / n. The expert window takes three wire diameters
// off the free height, one more than the normal-mode window.
float pitch(float freeHeight, float d, float activeCoils);

// Shear stress at the full-contact load: 16 K Fb R1 / 3.14 / d / d / d (N/mm² for Fb in N).
float solidShearStress(float wahlFactor, float fullContactLoad, float smallRadius, float d);

} // namespace conicalexpert
