#pragma once

// Discontinuous yielding: the rule that tells an upper yield point from the
// noise and wiggles of a curve, and the lower yield strength after it.
//
// A peak of the smoothed stress is the upper yield point ReH when
// - the stress then falls by at least the drop (0,5 % of the peak, and at
//   least four times the noise left after smoothing),
// - does not regain the peak within 0,05 % strain,
// - and rises again by at least the drop above its lowest value after the
//   peak (the renewed rise that necking never shows),
// - and the plastic extension at the peak is at most 1 % (later serrations,
//   as some aluminium alloys show while hardening, are no yield point).
// The first peak that passes is taken. ReH is the highest stress within the
// smoothing window around that peak, averaged over a third of the window so
// that the noise of the force does not lift it.
// The yield range runs from the peak to where the stress regains the peak,
// or to its highest value where it never does. Its local minima are the
// lowest points between a fall and a rise of at least the drop; the first is
// the initial transient and is ignored where others follow, and ReL is the
// lowest of the others (smoothed). With a single minimum, that is ReL.
#include <cstddef>
#include <optional>
#include <vector>

namespace evaluation {

struct YieldPoint {
    size_t upperIndex = 0;   // ReH
    double upperStress = 0;
    size_t lowerIndex = 0;   // ReL
    double lowerStress = 0;
    size_t yieldEnd = 0;     // where the yield range ends and hardening begins
    double drop = 0;         // the drop that counted
};

// strain (in %, from the origin) and stress (raw, and smoothed over
// halfWidth samples on either side); elasticSlope in MPa per % (0 where
// unknown); the search runs over [begin, end).
std::optional<YieldPoint> findYieldPoint(const std::vector<double>& strain, const std::vector<double>& stress,
                                         const std::vector<double>& smoothed, size_t halfWidth, double noise,
                                         double elasticSlope, size_t begin, size_t end);

}
