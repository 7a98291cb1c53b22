#pragma once

#include <QStringList>
#include <cstdint>

namespace hardness {

// What the calculators hand to the chart of hardness values: the lines of
// each value list as they stand (line 0 the heading, lines 1 to n the values,
// edits by the user included), published by the list whenever it changes, and
// the number of values to draw, set just before the chart opens. The chart
// reads these, never the calculators' widgets.
struct CollectedValues {
    QStringList lines;

    // Line i; a line beyond the end reads as empty.
    QString line(int i) const { return i >= 0 && i < lines.size() ? lines.at(i) : QString(); }
};

extern CollectedValues collectedHV;
extern CollectedValues collectedHB;

// Number of values the chart reads from each list, from line 1 on.
extern std::int32_t AnzahlHV;
extern std::int32_t AnzahlHB;

}
