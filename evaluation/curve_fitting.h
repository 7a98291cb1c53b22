#pragma once

// The numerics under the tensile evaluation: least-squares fits from GSL, a
// robust estimate of the noise of a signal and a moving average.
#include <cstddef>
#include <optional>
#include <vector>

namespace evaluation {

struct StraightLine {
    double intercept = 0;
    double slope = 0;
    // From the scatter of the points about the line (0 for two points).
    double interceptStandardError = 0;
    double slopeStandardError = 0;
    double residualSumOfSquares = 0;
    size_t points = 0;
    double at(double x) const { return intercept + slope * x; }
};

// y = intercept + slope·x through the points [begin, end) (gsl_fit_linear);
// nothing for fewer than two points, x without spread, or a line that is no
// finite line.
std::optional<StraightLine> fitStraightLine(const std::vector<double>& x, const std::vector<double>& y, size_t begin,
                                            size_t end);

struct Polynomial {
    std::vector<double> coefficients;  // y = Σ c[k]·(x − x0)^k
    double x0 = 0;
    double at(double x) const;
    double derivativeAt(double x) const;
};

// The least-squares polynomial of the given degree through the points
// [begin, end) (gsl_multifit_linear, centred on their mean x and scaled to
// their spread); nothing for fewer than degree + 2 points.
std::optional<Polynomial> fitPolynomial(const std::vector<double>& x, const std::vector<double>& y, size_t begin,
                                        size_t end, int degree);

// The standard deviation of the noise on a signal, from the median absolute
// second difference: a slowly varying signal has nearly none, white noise of
// deviation s gives s·√6, and steps or spikes do not count.
double noiseDeviation(const std::vector<double>& y, size_t begin, size_t end);

// The mean of y over [i − halfWidth, i + halfWidth] (cut at the ends).
std::vector<double> movingAverage(const std::vector<double>& y, size_t halfWidth);

// The mean and sample standard deviation (gsl_stats).
double meanOf(const std::vector<double>& values);
double standardDeviationOf(const std::vector<double>& values);

}
