#include "transition_curve.h"

#include "gsl_errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TransitionCurve)
};

// One decimal at most: "27 J", "158,3 J".
QString number(double v)
{
    return QLocale().toString(std::round(v * 10) / 10, 'g', 12);
}

// The parameters of one fit: the free ones are packed into GSL's vector in
// the order LS, US, T_m, C, skipping fixed shelves.
struct Problem {
    std::span<const TransitionPoint> points;
    std::optional<double> fixedLower;
    std::optional<double> fixedUpper;

    size_t freeCount() const { return 2 + !fixedLower + !fixedUpper; }

    std::array<double, 4> unpack(const gsl_vector* x) const
    {
        size_t i = 0;
        std::array<double, 4> p{};
        p[0] = fixedLower ? *fixedLower : gsl_vector_get(x, i++);
        p[1] = fixedUpper ? *fixedUpper : gsl_vector_get(x, i++);
        p[2] = gsl_vector_get(x, i++);
        p[3] = gsl_vector_get(x, i++);
        return p;
    }
    // Index in the full parameter list (LS, US, T_m, C) of each free one.
    std::vector<int> freeIndices() const
    {
        std::vector<int> indices;
        if (!fixedLower)
            indices.push_back(0);
        if (!fixedUpper)
            indices.push_back(1);
        indices.push_back(2);
        indices.push_back(3);
        return indices;
    }
};

double curve(const std::array<double, 4>& p, double t)
{
    return p[0] + (p[1] - p[0]) * (1 + std::tanh((t - p[2]) / p[3])) / 2;
}

int residuals(const gsl_vector* x, void* data, gsl_vector* f)
{
    const auto& problem = *static_cast<const Problem*>(data);
    const auto p = problem.unpack(x);
    for (size_t i = 0; i < problem.points.size(); ++i)
        gsl_vector_set(f, i, curve(p, problem.points[i].temperature) - problem.points[i].value);
    return GSL_SUCCESS;
}

int jacobian(const gsl_vector* x, void* data, gsl_matrix* j)
{
    const auto& problem = *static_cast<const Problem*>(data);
    const auto p = problem.unpack(x);
    const std::vector<int> free = problem.freeIndices();
    for (size_t i = 0; i < problem.points.size(); ++i) {
        const double u = (problem.points[i].temperature - p[2]) / p[3];
        const double th = std::tanh(u);
        const double halfStep = (p[1] - p[0]) / 2;
        const double sech2 = 1 - th * th;
        const std::array<double, 4> d{(1 - th) / 2, (1 + th) / 2, -halfStep * sech2 / p[3],
                                      -halfStep * sech2 * u / p[3]};
        for (size_t k = 0; k < free.size(); ++k)
            gsl_matrix_set(j, i, k, d[free[k]]);
    }
    return GSL_SUCCESS;
}

struct FitRun {
    bool converged = false;
    std::array<double, 4> parameters{};
    double sumOfSquares = std::numeric_limits<double>::infinity();
    std::array<std::array<double, 4>, 4> unscaledCovariance{};
    bool covarianceDefined = false;
};

using Workspace = std::unique_ptr<gsl_multifit_nlinear_workspace, decltype(&gsl_multifit_nlinear_free)>;
using Vector = std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)>;
using Matrix = std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)>;

// One Levenberg–Marquardt run from the given start; none when it ends
// without finite parameters, marked as not converged when it stops early.
std::optional<FitRun> runFit(const Problem& problem, const std::array<double, 4>& start)
{
    const size_t n = problem.points.size();
    const size_t p = problem.freeCount();
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residuals;
    fdf.df = jacobian;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = const_cast<Problem*>(&problem);

    const gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    Workspace w(gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, p),
                gsl_multifit_nlinear_free);
    Vector x0(gsl_vector_alloc(p), gsl_vector_free);
    const std::vector<int> free = problem.freeIndices();
    for (size_t k = 0; k < p; ++k)
        gsl_vector_set(x0.get(), k, start[free[k]]);
    if (gsl_multifit_nlinear_init(x0.get(), &fdf, w.get()) != GSL_SUCCESS)
        return std::nullopt;
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(400, 1e-12, 1e-12, 0.0, nullptr, nullptr, &info, w.get());

    FitRun run;
    run.converged = status == GSL_SUCCESS;
    run.parameters = problem.unpack(gsl_multifit_nlinear_position(w.get()));
    if (!std::all_of(run.parameters.begin(), run.parameters.end(), [](double v) { return std::isfinite(v); })
        || run.parameters[3] == 0)
        return std::nullopt;
    gsl_blas_ddot(gsl_multifit_nlinear_residual(w.get()), gsl_multifit_nlinear_residual(w.get()),
                  &run.sumOfSquares);

    Matrix covariance(gsl_matrix_alloc(p, p), gsl_matrix_free);
    // Columns that are linearly dependent within 1e-12 come back as zero
    // rows and columns, which marks the covariance as undefined below.
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(w.get()), 1e-12, covariance.get());
    run.covarianceDefined = true;
    for (size_t a = 0; a < p; ++a) {
        for (size_t b = 0; b < p; ++b) {
            const double c = gsl_matrix_get(covariance.get(), a, b);
            run.unscaledCovariance[free[a]][free[b]] = c;
            if (!std::isfinite(c))
                run.covarianceDefined = false;
        }
        if (!(gsl_matrix_get(covariance.get(), a, a) > 0))
            run.covarianceDefined = false;
    }
    return run;
}

// Starts spread over the plausible places and widths of the transition, so
// that a poor first guess cannot decide the outcome.
std::vector<std::array<double, 4>> starts(std::span<const TransitionPoint> points, double lower, double upper)
{
    double tMin = points[0].temperature, tMax = tMin;
    for (const auto& q : points) {
        tMin = std::min(tMin, q.temperature);
        tMax = std::max(tMax, q.temperature);
    }
    const double span = tMax - tMin;
    // Where the points cross the middle between the shelves, read from the
    // points in order of temperature.
    std::vector<TransitionPoint> sorted(points.begin(), points.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.temperature < b.temperature; });
    const double middle = (lower + upper) / 2;
    double crossing = (tMin + tMax) / 2;
    for (size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i - 1].value < middle && sorted[i].value >= middle) {
            crossing = (sorted[i - 1].temperature + sorted[i].temperature) / 2;
            break;
        }
    }
    std::vector<std::array<double, 4>> result;
    for (double t : {crossing, tMin + span / 4, tMin + span / 2, tMin + 3 * span / 4})
        for (double c : {span / 10, span / 5, span / 2.5})
            result.push_back({lower, upper, t, c});
    return result;
}

double deltaVariance(const std::array<double, 4>& gradient, const std::array<std::array<double, 4>, 4>& cov)
{
    double v = 0;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            v += gradient[a] * cov[a][b] * gradient[b];
    return std::max(v, 0.0);
}

// Why a converged fit is still no transition curve of these points; empty
// when it is one. p holds LS, US, T_m and C.
QString shapeProblem(std::span<const TransitionPoint> points, const TransitionFitOptions& options,
                     const std::array<double, 4>& p, bool covarianceDefined)
{
    double tMin = points[0].temperature, tMax = tMin;
    for (const auto& q : points) {
        tMin = std::min(tMin, q.temperature);
        tMax = std::max(tMax, q.temperature);
    }
    const double tm = p[2], c = std::abs(p[3]);
    if (tMax < tm)
        return Text::tr("Alle Punkte liegen auf der Seite der Tieflage: die Mitte des Übergangs läge "
                        "über der höchsten Prüftemperatur. Es fehlen Punkte bei höheren Temperaturen.");
    if (tMin > tm)
        return Text::tr("Alle Punkte liegen auf der Seite der Hochlage: die Mitte des Übergangs läge "
                        "unter der tiefsten Prüftemperatur. Es fehlen Punkte bei tieferen Temperaturen.");
    const bool pointInTransition = std::any_of(points.begin(), points.end(), [&](const auto& q) {
        return std::abs(q.temperature - tm) < 2 * c;
    });
    if (!pointInTransition)
        return Text::tr("Kein Punkt liegt im Übergangsbereich: die Punkte liegen auf der Hoch- oder der "
                        "Tieflage, der Verlauf dazwischen ist nicht belegt.");
    // A fitted shelf needs points of its own: at least one a width C or
    // more beyond the middle (88 % of the way to the shelf), or the shelf
    // is an extrapolation of a rise.
    if (!options.lowerShelf && !std::any_of(points.begin(), points.end(), [&](const auto& q) {
            return q.temperature <= tm - c;
        }))
        return Text::tr("Kein Punkt liegt auf der Tieflage: auch bei der tiefsten Prüftemperatur sind die "
                        "Proben noch im Übergang, die Tieflage wäre geraten. Es fehlen Punkte bei tieferen "
                        "Temperaturen, oder die Tieflage wird festgelegt.");
    if (!options.upperShelf && !std::any_of(points.begin(), points.end(), [&](const auto& q) {
            return q.temperature >= tm + c;
        }))
        return Text::tr("Kein Punkt liegt auf der Hochlage: auch bei der höchsten Prüftemperatur sind die "
                        "Proben noch im Übergang, die Hochlage wäre geraten. Es fehlen Punkte bei höheren "
                        "Temperaturen, oder die Hochlage wird festgelegt.");
    if ((p[1] - p[0]) * p[3] < 0)
        return Text::tr("Die Werte fallen mit steigender Temperatur; eine Übergangskurve steigt von der "
                        "Tieflage zur Hochlage.");
    if (p[3] < 0)
        return Text::tr("Die festgelegte Tief- oder Hochlage passt nicht zu den Punkten.");
    if (!covarianceDefined)
        return Text::tr("Die Punkte bestimmen die Parameter der Kurve nicht; es fehlen Punkte bei "
                        "verschiedenen Temperaturen im Übergang.");
    return {};
}

}

double TransitionCurve::valueAt(double temperature) const
{
    return curve({lowerShelf.value, upperShelf.value, midTemperature.value, width.value}, temperature);
}

Outcome<Estimate> TransitionCurve::temperatureAt(double value) const
{
    const double ls = lowerShelf.value, us = upperShelf.value;
    if (value <= ls)
        return Outcome<Estimate>::none(
            //: %1 a value asked for (27), %2 its unit (J or %), %3 the lower shelf of the fitted curve
            Text::tr("%1 %2 liegt nicht über der Tieflage der Kurve (%3 %2).").arg(number(value), unit, number(ls)));
    if (value >= us)
        return Outcome<Estimate>::none(
            //: %1 a value asked for (27), %2 its unit (J or %), %3 the upper shelf of the fitted curve
            Text::tr("%1 %2 liegt nicht unter der Hochlage der Kurve (%3 %2).").arg(number(value), unit, number(us)));
    // value = LS + (US − LS)(1 + tanh u)/2  =>  T = T_m + C·artanh(q),
    // q = (2·value − US − LS)/(US − LS).
    const double step = us - ls;
    const double q = (2 * value - us - ls) / step;
    const double c = width.value;
    const double dTdq = c / (1 - q * q);
    const std::array<double, 4> gradient{dTdq * 2 * (value - us) / (step * step),
                                         dTdq * -2 * (value - ls) / (step * step), 1, std::atanh(q)};
    const Estimate t{midTemperature.value + c * std::atanh(q), std::sqrt(deltaVariance(gradient, covariance)),
                     double(degreesOfFreedom)};
    if (!std::isfinite(t.value) || !std::isfinite(t.standardError))
        return Outcome<Estimate>::none(Text::tr("%1 %2 liegt zu nahe an einer Lage der Kurve, um eine Temperatur "
                                                "abzulesen.")
                                           .arg(number(value), unit));
    return t;
}

Outcome<Estimate> TransitionCurve::temperatureAtShareOfUpperShelf(double share) const
{
    const double value = share * upperShelf.value;
    Outcome<Estimate> t = temperatureAt(value);
    if (!t)
        return t;
    // The target moves with the upper shelf: dT/dUS gains dT/dvalue·share.
    const double ls = lowerShelf.value, us = upperShelf.value;
    const double step = us - ls;
    const double q = (2 * value - us - ls) / step;
    const double dTdq = width.value / (1 - q * q);
    const std::array<double, 4> gradient{dTdq * 2 * (value - us) / (step * step),
                                         dTdq * (-2 * (value - ls) / (step * step) + share * 2 / step), 1,
                                         std::atanh(q)};
    const Estimate withShelf{t->value, std::sqrt(deltaVariance(gradient, covariance)), double(degreesOfFreedom)};
    if (!std::isfinite(withShelf.standardError))
        return Outcome<Estimate>::none(Text::tr("%1 %2 liegt zu nahe an einer Lage der Kurve, um eine Temperatur "
                                                "abzulesen.")
                                           .arg(number(value), unit));
    return withShelf;
}

Outcome<TransitionCurve> fitTransitionCurve(std::span<const TransitionPoint> points,
                                            const TransitionFitOptions& options)
{
    using Result = Outcome<TransitionCurve>;
    detail::reportGslErrorsByStatus();
    for (const auto& q : points)
        if (!std::isfinite(q.temperature) || !std::isfinite(q.value))
            return Result::none(Text::tr("Ein Punkt der Reihe hat keinen gültigen Zahlenwert."));
    if (options.lowerShelf && options.upperShelf && !(*options.lowerShelf < *options.upperShelf))
        return Result::none(
            Text::tr("Die festgelegte Tieflage (%1 %3) muss unter der festgelegten Hochlage (%2 %3) liegen.")
                .arg(number(*options.lowerShelf), number(*options.upperShelf), options.unit));

    const Problem problem{points, options.lowerShelf, options.upperShelf};
    const int parameters = int(problem.freeCount());
    const int n = int(points.size());
    if (n < parameters + 1)
        return Result::none(
            Text::tr("Zu wenige Punkte: die Kurve hat %1 freie Parameter und braucht mindestens %2 Punkte, "
                     "damit ihre Streuung bestimmt werden kann (vorhanden: %3).")
                .arg(parameters)
                .arg(parameters + 1)
                .arg(n));

    double vMin = points[0].value, vMax = vMin, tMin = points[0].temperature, tMax = tMin;
    for (const auto& q : points) {
        vMin = std::min(vMin, q.value);
        vMax = std::max(vMax, q.value);
        tMin = std::min(tMin, q.temperature);
        tMax = std::max(tMax, q.temperature);
    }
    if (tMin == tMax)
        return Result::none(
            Text::tr("Alle Punkte wurden bei derselben Temperatur geprüft; ein Übergang ist nicht zu erkennen."));
    const double lower = options.lowerShelf.value_or(vMin);
    double upper = options.upperShelf.value_or(vMax);
    if (upper <= lower)
        upper = lower + std::max(1.0, std::abs(lower));

    std::optional<FitRun> best, bestUnconverged;
    for (const auto& start : starts(points, lower, upper)) {
        std::optional<FitRun> run = runFit(problem, start);
        std::optional<FitRun>& slot = run && run->converged ? best : bestUnconverged;
        if (run && (!slot || run->sumOfSquares < slot->sumOfSquares))
            slot = run;
    }

    // A curve that explains the points no better than their mean does
    // (F test at the 1 % level) is a fit to the scatter on one shelf; that
    // is also the usual reason why no fit converges.
    const int dof = n - parameters;
    double mean = 0;
    for (const auto& q : points)
        mean += q.value / n;
    double aboutMean = 0;
    for (const auto& q : points)
        aboutMean += (q.value - mean) * (q.value - mean);
    const auto explainsNoMoreThanTheMean = [&](const FitRun& run) {
        const double explained = aboutMean - run.sumOfSquares;
        return explained <= 0
            || (run.sumOfSquares > 0
                && gsl_cdf_fdist_Q((explained / (parameters - 1)) / (run.sumOfSquares / dof), parameters - 1, dof)
                    > 0.01);
    };
    const QString onOneShelf = Text::tr("Alle Punkte liegen auf einer Lage: die Kurve beschreibt sie nicht besser als "
                                        "ihr Mittelwert, ein Übergang ist nicht zu erkennen.");
    if (!best) {
        if (bestUnconverged && explainsNoMoreThanTheMean(*bestUnconverged))
            return Result::none(onOneShelf);
        // A fit that drifts off to a middle outside the points or to a width
        // beyond their range is bending a straight rise into a tanh.
        const auto& q = bestUnconverged ? bestUnconverged->parameters : std::array<double, 4>{};
        if (bestUnconverged && (q[2] < tMin || q[2] > tMax || 2 * std::abs(q[3]) > tMax - tMin))
            return Result::none(
                Text::tr("Die Punkte zeigen keinen Übergang zwischen zwei Lagen: sie ändern sich über die "
                         "geprüften Temperaturen nur allmählich oder erreichen eine der Lagen nicht. Es "
                         "fehlen Punkte auf der Tief- oder der Hochlage."));
        return Result::none(Text::tr("Die Anpassung der Übergangskurve konvergiert nicht; die Punkte folgen keinem "
                                     "Übergang von einer Tieflage zu einer Hochlage."));
    }
    if (explainsNoMoreThanTheMean(*best))
        return Result::none(onOneShelf);

    auto p = best->parameters;
    auto cov = best->unscaledCovariance;
    // A negative width with both shelves free is the same curve with the
    // shelves exchanged.
    if (p[3] < 0 && !options.lowerShelf && !options.upperShelf) {
        std::swap(p[0], p[1]);
        p[3] = -p[3];
        const std::array<double, 4> sign{1, 1, 1, -1};
        const std::array<int, 4> from{1, 0, 2, 3};
        std::array<std::array<double, 4>, 4> swapped{};
        for (int a = 0; a < 4; ++a)
            for (int b = 0; b < 4; ++b)
                swapped[a][b] = sign[a] * sign[b] * cov[from[a]][from[b]];
        cov = swapped;
    }
    const double variance = best->sumOfSquares / dof;
    for (auto& row : cov)
        for (double& c : row)
            c *= variance;

    if (const QString problem = shapeProblem(points, options, p, best->covarianceDefined); !problem.isEmpty())
        return Result::none(problem);

    TransitionCurve result;
    const auto estimate = [&](int i, bool fixed) {
        return fixed ? Estimate{p[i], 0, 0} : Estimate{p[i], std::sqrt(cov[i][i]), double(dof)};
    };
    result.lowerShelf = estimate(0, options.lowerShelf.has_value());
    result.upperShelf = estimate(1, options.upperShelf.has_value());
    result.midTemperature = estimate(2, false);
    result.width = estimate(3, false);
    result.points = n;
    result.degreesOfFreedom = dof;
    result.residualStandardDeviation = std::sqrt(variance);
    result.covariance = cov;
    result.unit = options.unit;
    return result;
}

}
