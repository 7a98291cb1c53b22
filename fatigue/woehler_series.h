#pragma once

#include <QColor>
#include <QPoint>
#include <array>

namespace fatigue {

// The two states of the aluminium alloy AlMg4,5Mn whose Wöhler lines are
// recorded.
enum class Treatment { SoftAnnealed, ShotPeened };

QColor treatmentColour(Treatment t);

// One load series: six specimens tested at one stress amplitude. The
// oscillation panel draws 2 N/mm² per pixel, so the pixel amplitude is half
// the stress amplitude (rounded down for 185 N/mm²).
struct LoadSeries {
    Treatment treatment;
    const char* item;     // its menu item
    int stressAmplitude;  // N/mm²
    int pixelAmplitude;
    int row;              // y of its points in the diagram, design pixels
    std::array<int, 6> fractureX; // centres of the fracture points, design pixels
};

// The ten series: soft-annealed 180 ... 120, then shot-peened 200 ... 150.
const std::array<LoadSeries, 10>& loadSeries();

// A line of equal fracture probability through the rows of one state, from
// the lowest stress upwards.
struct ProbabilityLine {
    Treatment treatment;
    const char* item;
    int percent;
    std::array<int, 5> circleX;
    std::array<int, 5> vertexX;
    QPoint label;
};

// The six lines in drawing order: soft-annealed 10, 50, 90 %, then
// shot-peened 10, 50, 90 %.
const std::array<ProbabilityLine, 6>& probabilityLines();

// Rows of a state's probability lines, lowest stress first.
const std::array<int, 5>& probabilityRows(Treatment t);

}
