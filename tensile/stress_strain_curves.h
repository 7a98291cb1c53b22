#pragma once

#include "stress_strain_diagram.h"

namespace tensile {

// The schematic stress-strain curves as tables, in pixels of their diagrams.

// An unalloyed steel: Hooke's line, a flatter piece through the yield
// region, hardening up to the tensile strength at column 140 and necking to
// the fracture at column 215. Red, labelled in white on red.
const Curve& unalloyedSteelCurve();

// A high-alloy austenitic steel: no yield point, hardening up to column 310
// and a long fall to the fracture at column 450, with the 0.2 % offset line.
// Blue, labelled in white on blue.
const Curve& austeniticSteelCurve();

// A steel with a pronounced yield point, beside the standard specimen:
// Hooke's line up to the upper yield point at column 71, the drop to the
// lower one and the zigzag of the yield plateau, hardening up to the tensile
// strength at column 230, necking and the fracture at column 300.
const Curve& yieldPointSteelCurve();

}
