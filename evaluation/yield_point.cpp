#include "yield_point.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace evaluation {

namespace {
constexpr double relativeDrop = 0.005;       // 0,5 % of the peak
constexpr double noiseMultiple = 4.0;
constexpr double unregainedStrain = 0.05;    // % strain
constexpr double largestPlasticAtPeak = 1.0; // % plastic extension
}

std::optional<YieldPoint> findYieldPoint(const std::vector<double>& strain, const std::vector<double>& stress,
                                         const std::vector<double>& smoothed, size_t halfWidth, double noise,
                                         double elasticSlope, size_t begin, size_t end)
{
    end = std::min({end, strain.size(), stress.size(), smoothed.size()});
    if (begin >= end)
        return std::nullopt;
    const double smoothedNoise = noise / std::sqrt(double(2 * halfWidth + 1));
    size_t peak = begin;
    for (size_t i = begin + 1; i < end; ++i) {
        if (smoothed[i] > smoothed[peak]) {
            peak = i;
            continue;
        }
        const double drop = std::max(relativeDrop * smoothed[peak], noiseMultiple * smoothedNoise);
        if (smoothed[i] >= smoothed[peak] - drop)
            continue;
        if (elasticSlope > 0 && strain[peak] - smoothed[peak] / elasticSlope > largestPlasticAtPeak)
            return std::nullopt;
        // Regained soon after: a wiggle, not a yield point.
        bool regained = false;
        for (size_t j = peak + 1; j < end && strain[j] <= strain[peak] + unregainedStrain; ++j)
            if (smoothed[j] >= smoothed[peak]) {
                regained = true;
                break;
            }
        if (regained)
            continue;
        // The renewed rise after the lowest value so far.
        size_t low = i;
        size_t rise = end;
        for (size_t j = i; j < end; ++j) {
            if (smoothed[j] < smoothed[low])
                low = j;
            else if (smoothed[j] > smoothed[low] + drop) {
                rise = j;
                break;
            }
        }
        if (rise == end)
            return std::nullopt;  // falls and never rises again: necking

        YieldPoint y;
        y.drop = drop;
        // ReH: the highest value near the smoothed peak, itself smoothed over
        // a third of the window, so that the noise does not lift it.
        const size_t from = peak >= halfWidth ? peak - halfWidth : 0;
        const size_t to = std::min(end, peak + halfWidth + 1);
        const size_t light = halfWidth / 3;
        y.upperStress = -std::numeric_limits<double>::infinity();
        for (size_t k = from; k < to; ++k) {
            const size_t lo = k >= light ? k - light : 0, hi = std::min(stress.size(), k + light + 1);
            double sum = 0;
            for (size_t j = lo; j < hi; ++j)
                sum += stress[j];
            if (sum / double(hi - lo) > y.upperStress) {
                y.upperStress = sum / double(hi - lo);
                y.upperIndex = k;
            }
        }

        // The yield range: up to where the stress regains the peak, or to its
        // highest value where it never does.
        size_t yieldEnd = end - 1;
        size_t highest = rise;
        for (size_t j = rise; j < end; ++j) {
            if (smoothed[j] >= smoothed[peak]) {
                yieldEnd = j;
                highest = end;
                break;
            }
            if (smoothed[j] > smoothed[highest])
                highest = j;
        }
        if (highest != end)
            yieldEnd = highest;
        y.yieldEnd = yieldEnd;
        // The local minima of the yield range, each confirmed by a rise of
        // the drop after it; the first is the transient.
        std::vector<size_t> minima{low};
        bool falling = false;
        size_t extreme = rise;
        for (size_t j = rise; j <= yieldEnd; ++j) {
            if (!falling) {
                if (smoothed[j] > smoothed[extreme])
                    extreme = j;
                else if (smoothed[j] < smoothed[extreme] - drop) {
                    falling = true;
                    extreme = j;
                }
            } else {
                if (smoothed[j] < smoothed[extreme])
                    extreme = j;
                else if (smoothed[j] > smoothed[extreme] + drop) {
                    minima.push_back(extreme);
                    falling = false;
                    extreme = j;
                }
            }
        }
        y.lowerIndex = minima.size() == 1
            ? low
            : *std::min_element(minima.begin() + 1, minima.end(),
                                [&](size_t a, size_t b) { return smoothed[a] < smoothed[b]; });
        y.lowerStress = smoothed[y.lowerIndex];
        return y;
    }
    return std::nullopt;
}

}
