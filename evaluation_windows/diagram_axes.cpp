#include "diagram_axes.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace evaluation::windows {

namespace {

// The round step (1, 2 or 5 times a power of ten) nearest to span/count,
// by ratio.
double roundStep(double span, int count)
{
    const double raw = span / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double best = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (std::abs(std::log(m * power / raw)) < std::abs(std::log(best / raw)))
            best = m * power;
    return best;
}

// Widens an empty or one-valued range so that it has something to divide.
void widen(double& low, double& high)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0;
        high = 1;
    }
    if (low > high)
        std::swap(low, high);
    if (high - low < 1e-12 * std::max(1.0, std::abs(low))) {
        const double pad = std::max(1.0, std::abs(low) * 0.1);
        low -= pad;
        high += pad;
    }
}

}

LinearTicks linearTicks(double low, double high, int count)
{
    widen(low, high);
    LinearTicks t;
    t.step = roundStep(high - low, count);
    const double first = std::floor(low / t.step + 1e-9);
    const double last = std::ceil(high / t.step - 1e-9);
    t.range = {first * t.step, last * t.step};
    for (double i = first; i <= last + 0.5; ++i)
        t.values.push_back(std::abs(i) < 1e-12 ? 0.0 : i * t.step);
    return t;
}

DecadeAxis decadeAxis(double low, double high, int minimumDecades)
{
    if (!(low > 0) || !(high > 0)) {
        low = 1e2;
        high = 1e7;
    }
    widen(low, high);
    DecadeAxis a;
    a.firstExponent = int(std::floor(std::log10(low) + 1e-9));
    a.lastExponent = int(std::ceil(std::log10(high) - 1e-9));
    while (a.lastExponent - a.firstExponent < minimumDecades) {
        // Grow on the side with more room to the data.
        if (std::log10(low) - a.firstExponent < a.lastExponent - std::log10(high))
            --a.firstExponent;
        else
            ++a.lastExponent;
    }
    return a;
}

LogTicks logTicks(double low, double high, int count)
{
    if (!(low > 0) || !(high > 0)) {
        low = 100;
        high = 1000;
    }
    widen(low, high);
    // A margin of a twentieth of the span in log, so that no point sits on
    // the frame.
    const double margin = 0.05 * std::max(std::log10(high) - std::log10(low), 0.02);
    double lo = std::pow(10.0, std::log10(low) - margin);
    double hi = std::pow(10.0, std::log10(high) + margin);
    const LinearTicks lin = linearTicks(lo, hi, count);
    LogTicks t;
    // The linear ticks may reach 0 or below at the lower end; a log axis
    // starts at the first positive one.
    for (double v : lin.values)
        if (v > 0)
            t.values.push_back(v);
    if (t.values.empty() || t.values.front() > lo)
        t.logRange.low = std::log10(lo);
    else
        t.logRange.low = std::log10(t.values.front());
    t.logRange.high = std::log10(std::max(t.values.empty() ? hi : t.values.back(), hi));
    return t;
}

QString tickText(double value, double step)
{
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return QLocale().toString(value, 'f', decimals);
}

double mapToPixels(double value, const AxisRange& range, double from, double to)
{
    const double span = range.high - range.low;
    if (span == 0)
        return (from + to) / 2;
    return from + (value - range.low) / span * (to - from);
}

}
