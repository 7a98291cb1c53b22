#pragma once

// The scales of the evaluation diagrams: a linear axis with round tick
// values, and the logarithmic axes of the Wöhler diagram (decades, and the
// round values of an axis that spans less than a decade). Pure arithmetic,
// so that the diagrams and their tests agree on where a value lies.
#include <QString>
#include <vector>

namespace evaluation::windows {

struct AxisRange {
    double low = 0;
    double high = 1;

    bool contains(double v) const { return v >= low && v <= high; }
};

// Round tick values that cover [low, high] with about `count` steps of 1, 2
// or 5 times a power of ten; the range widens to the outer ticks. A range of
// no width is widened around its value first.
struct LinearTicks {
    AxisRange range;
    double step = 1;
    std::vector<double> values;
};
LinearTicks linearTicks(double low, double high, int count = 6);

// A logarithmic axis over the decades that hold [low, high] (both > 0):
// from the decade at or below low to the decade at or above high, at least
// `minimumDecades` wide.
struct DecadeAxis {
    int firstExponent = 0;
    int lastExponent = 1;

    AxisRange logRange() const { return {double(firstExponent), double(lastExponent)}; }
};
DecadeAxis decadeAxis(double low, double high, int minimumDecades = 2);

// A logarithmic axis narrower than a decade (the stress amplitudes of a
// Wöhler series): the range widened by a margin to round values, and the
// round values within it to label, as log10 of the values.
struct LogTicks {
    AxisRange logRange;
    std::vector<double> values;  // the values themselves, not their logarithms
};
LogTicks logTicks(double low, double high, int count = 6);

// A tick's value as text with the decimals the step needs, in the default
// locale's format (the interface language's: decimal comma in German).
QString tickText(double value, double step);

// Maps a value of [range.low, range.high] onto [from, to] (pixels).
double mapToPixels(double value, const AxisRange& range, double from, double to);

}
