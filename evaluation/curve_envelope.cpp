#include "curve_envelope.h"

#include <algorithm>

namespace evaluation {

std::vector<QPointF> curveEnvelope(const std::vector<double>& x, const std::vector<double>& y, double xFrom, double xTo,
                                   int columns)
{
    std::vector<QPointF> points;
    const size_t n = std::min(x.size(), y.size());
    if (n == 0 || columns < 1 || !(xTo > xFrom))
        return points;
    const double width = (xTo - xFrom) / columns;
    auto columnOf = [&](double v) {
        return v < xFrom ? -1 : v > xTo ? columns : std::min(columns - 1, int((v - xFrom) / width));
    };
    auto add = [&](size_t i) {
        if (points.empty() || points.back() != QPointF(x[i], y[i]))
            points.emplace_back(x[i], y[i]);
    };
    // Runs of points in one column: their first, lowest, highest and last,
    // in the order measured; outside the range, first and last only (the
    // lines out of and into the range).
    for (size_t start = 0; start < n;) {
        const int column = columnOf(x[start]);
        size_t end = start + 1;
        while (end < n && columnOf(x[end]) == column)
            ++end;
        if (column >= 0 && column < columns) {
            size_t low = start, high = start;
            for (size_t i = start; i < end; ++i) {
                if (y[i] < y[low])
                    low = i;
                if (y[i] > y[high])
                    high = i;
            }
            add(start);
            add(std::min(low, high));
            add(std::max(low, high));
        } else {
            add(start);
        }
        add(end - 1);
        start = end;
    }
    return points;
}

}
