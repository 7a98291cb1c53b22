#pragma once

#include "woehler_curve.h"

namespace fatigue {

// The Wöhler curves that show how one influence changes the curve of a
// material. Each starts at the tensile strength R_m at the top left, marks
// the regions of low-cycle, finite-life and fatigue strength as its pen
// passes them, and ends in a fatigue limit R_D or keeps falling.

// Crystal lattice: body-centred cubic steels and heterogeneous non-ferrous
// alloys (with a fatigue limit), austenitic steel and aluminium alloys
// (without one).
const WoehlerCurve& bodyCentredCubicCurve();
const WoehlerCurve& faceCentredCubicCurve();

// Environment: the initial state, and corrosion fatigue, which has no
// fatigue limit.
const WoehlerCurve& initialStateCurve();
const WoehlerCurve& corrosionCurve();

// Residual stresses: none, tensile (lower fatigue limit), compressive
// (higher fatigue limit).
const WoehlerCurve& freeOfResidualStressCurve();
const WoehlerCurve& tensileResidualStressCurve();
const WoehlerCurve& compressiveResidualStressCurve();

}
