#include "curve_fitting.h"

#include "gsl_errors.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_fit.h>
#include <gsl/gsl_multifit.h>
#include <gsl/gsl_statistics_double.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace evaluation {

std::optional<StraightLine> fitStraightLine(const std::vector<double>& x, const std::vector<double>& y, size_t begin,
                                            size_t end)
{
    detail::reportGslErrorsByStatus();
    end = std::min({end, x.size(), y.size()});
    if (begin >= end || end - begin < 2)
        return std::nullopt;
    const auto [low, high] = std::minmax_element(x.begin() + long(begin), x.begin() + long(end));
    if (!(*high > *low))
        return std::nullopt;
    StraightLine line;
    double cov00, cov01, cov11, sumsq;
    if (gsl_fit_linear(x.data() + begin, 1, y.data() + begin, 1, end - begin, &line.intercept, &line.slope, &cov00,
                       &cov01, &cov11, &sumsq)
        != GSL_SUCCESS)
        return std::nullopt;
    line.points = end - begin;
    // gsl_fit_linear estimates the covariance from the scatter about the line
    // already; with two points there is none.
    line.interceptStandardError = line.points > 2 ? std::sqrt(std::max(0.0, cov00)) : 0.0;
    line.slopeStandardError = line.points > 2 ? std::sqrt(std::max(0.0, cov11)) : 0.0;
    line.residualSumOfSquares = sumsq;
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept) || !std::isfinite(line.interceptStandardError)
        || !std::isfinite(line.slopeStandardError) || !std::isfinite(sumsq))
        return std::nullopt;
    return line;
}

double Polynomial::at(double x) const
{
    double y = 0;
    const double u = x - x0;
    for (size_t k = coefficients.size(); k-- > 0;)
        y = y * u + coefficients[k];
    return y;
}

double Polynomial::derivativeAt(double x) const
{
    double y = 0;
    const double u = x - x0;
    for (size_t k = coefficients.size(); k-- > 1;)
        y = y * u + double(k) * coefficients[k];
    return y;
}

std::optional<Polynomial> fitPolynomial(const std::vector<double>& x, const std::vector<double>& y, size_t begin,
                                        size_t end, int degree)
{
    detail::reportGslErrorsByStatus();
    end = std::min({end, x.size(), y.size()});
    const size_t terms = size_t(degree) + 1;
    if (degree < 1 || begin >= end || end - begin < terms + 1)
        return std::nullopt;
    const size_t n = end - begin;
    double x0 = 0;
    for (size_t i = begin; i < end; ++i)
        x0 += x[i];
    x0 /= double(n);
    double scale = 0;
    for (size_t i = begin; i < end; ++i)
        scale = std::max(scale, std::abs(x[i] - x0));
    if (!(scale > 0))
        return std::nullopt;

    using Matrix = std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)>;
    using Vector = std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)>;
    Matrix X(gsl_matrix_alloc(n, terms), gsl_matrix_free);
    Matrix cov(gsl_matrix_alloc(terms, terms), gsl_matrix_free);
    Vector Y(gsl_vector_alloc(n), gsl_vector_free);
    Vector c(gsl_vector_alloc(terms), gsl_vector_free);
    std::unique_ptr<gsl_multifit_linear_workspace, decltype(&gsl_multifit_linear_free)> work(
        gsl_multifit_linear_alloc(n, terms), gsl_multifit_linear_free);
    if (!X || !cov || !Y || !c || !work)
        return std::nullopt;
    for (size_t i = 0; i < n; ++i) {
        const double u = (x[begin + i] - x0) / scale;
        double power = 1;
        for (size_t k = 0; k < terms; ++k, power *= u)
            gsl_matrix_set(X.get(), i, k, power);
        gsl_vector_set(Y.get(), i, y[begin + i]);
    }
    double chisq;
    if (gsl_multifit_linear(X.get(), Y.get(), c.get(), cov.get(), &chisq, work.get()) != GSL_SUCCESS)
        return std::nullopt;
    Polynomial p;
    p.x0 = x0;
    double factor = 1;
    for (size_t k = 0; k < terms; ++k, factor /= scale) {
        const double value = gsl_vector_get(c.get(), k) * factor;
        if (!std::isfinite(value))
            return std::nullopt;
        p.coefficients.push_back(value);
    }
    return p;
}

double noiseDeviation(const std::vector<double>& y, size_t begin, size_t end)
{
    end = std::min(end, y.size());
    if (end < begin + 3)
        return 0.0;
    std::vector<double> second;
    second.reserve(end - begin - 2);
    for (size_t i = begin + 1; i + 1 < end; ++i)
        second.push_back(std::abs(y[i + 1] - 2 * y[i] + y[i - 1]));
    auto middle = second.begin() + long(second.size() / 2);
    std::nth_element(second.begin(), middle, second.end());
    // 1.4826 turns a median absolute deviation into a standard deviation.
    return 1.4826 * *middle / std::sqrt(6.0);
}

std::vector<double> movingAverage(const std::vector<double>& y, size_t halfWidth)
{
    const size_t n = y.size();
    if (halfWidth == 0 || n == 0)
        return y;
    std::vector<double> sums(n + 1, 0.0);
    for (size_t i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + y[i];
    std::vector<double> result(n);
    for (size_t i = 0; i < n; ++i) {
        const size_t lo = i >= halfWidth ? i - halfWidth : 0;
        const size_t hi = std::min(n, i + halfWidth + 1);
        result[i] = (sums[hi] - sums[lo]) / double(hi - lo);
    }
    return result;
}

double meanOf(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : gsl_stats_mean(values.data(), 1, values.size());
}

double standardDeviationOf(const std::vector<double>& values)
{
    return values.size() < 2 ? 0.0 : gsl_stats_sd(values.data(), 1, values.size());
}

}
