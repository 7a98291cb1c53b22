#pragma once

#include <QString>

// Short German hints below a calculator's result: whether the measurement is
// valid under the standards the program teaches. They only inform: the
// computed value, the value list and the clipboard never depend on them. An
// empty hint means there is nothing to judge (a value not above zero).
namespace hardness {

// Vickers (EN ISO 6507-1), diagonals in µm: the two diagonals may differ by
// at most 5 % of their mean (more points to a tilted specimen), and the
// specimen must be at least 1.5 times the mean diagonal thick.
QString vickersValidityHint(float d1, float d2);

// Brinell (EN ISO 6506-1), test load in kp, diameters in mm: the impression
// must lie between 0.24 D and 0.6 D, and the load with the ball should give
// one of the force-diameter ratios 0.102 F / D² = 30, 15, 10, 5, 2.5 or 1.
QString brinellValidityHint(float testLoad, float ballDiameter, float indentDiameter);

}
