#include "woehler_analysis.h"

#include "curve_fitting.h"
#include "gsl_errors.h"

#include <QCoreApplication>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(WoehlerAnalysis)
};

double probabilityShift(double probability)
{
    return gsl_cdf_ugaussian_Pinv(probability);
}

}

double failureQuantile90()
{
    return gsl_cdf_ugaussian_Pinv(0.9);
}

double FiniteLifeLine::cycles() const
{
    return std::pow(10.0, logCycles.value);
}

double FiniteLifeLine::logCyclesAt(double stressAmplitude, double probability) const
{
    return logCycles.value - slope.value * (std::log10(stressAmplitude) - std::log10(referenceStress))
        + probabilityShift(probability) * scatter;
}

double FiniteLifeLine::cyclesAt(double stressAmplitude, double probability) const
{
    return std::pow(10.0, logCyclesAt(stressAmplitude, probability));
}

double FiniteLifeLine::stressAt(double cycles, double probability) const
{
    const double lg = std::log10(cycles) - probabilityShift(probability) * scatter;
    return referenceStress * std::pow(10.0, (logCycles.value - lg) / slope.value);
}

double FiniteLifeLine::scatterRange() const
{
    return std::pow(10.0, 2 * failureQuantile90() * scatter);
}

bool entersFiniteLifeLine(const FatigueSpecimen& specimen)
{
    return !specimen.runOut && !specimen.staircase;
}

Outcome<FiniteLifeLine> fitFiniteLifeLine(std::span<const FatigueSpecimen> specimens)
{
    using Result = Outcome<FiniteLifeLine>;
    detail::reportGslErrorsByStatus();
    std::vector<double> x, y;
    for (const FatigueSpecimen& s : specimens) {
        if (!entersFiniteLifeLine(s))
            continue;
        if (!(s.stressAmplitude > 0) || !(s.cycles >= 1) || !std::isfinite(s.stressAmplitude) || !std::isfinite(s.cycles))
            return Result::none(Text::tr("Eine Probe hat keine gültige Spannungsamplitude oder Schwingspielzahl."));
        x.push_back(std::log10(s.stressAmplitude));
        y.push_back(std::log10(s.cycles));
    }
    const int n = int(x.size());
    if (n < 3)
        return Result::none(Text::tr("Zu wenige Brüche außerhalb der Treppenstufenfolge: die Zeitfestigkeitsgerade "
                                     "braucht mindestens 3, damit ihre Streuung bestimmt werden kann (vorhanden: %1).")
                                .arg(n));
    double meanX = 0;
    for (double v : x)
        meanX += v / n;
    if (std::all_of(x.begin(), x.end(), [&](double v) { return std::abs(v - x.front()) < 1e-12; }))
        return Result::none(
            Text::tr("Alle Brüche liegen auf einer Spannungsamplitude; die Neigung der "
                     "Zeitfestigkeitsgeraden ist nicht bestimmt. Es fehlen Brüche auf weiteren Laststufen."));

    // Regression about the centre of the points, where the position of the
    // line and its slope are uncorrelated.
    std::vector<double> centred(x);
    for (double& v : centred)
        v -= meanX;
    const std::optional<StraightLine> fit = fitStraightLine(centred, y, 0, size_t(n));
    if (!fit)
        return Result::none(
            Text::tr("Die Spannungsamplituden liegen zu dicht beieinander, um eine Neigung zu bestimmen."));
    if (!(fit->slope < 0))
        return Result::none(Text::tr("Die Schwingspielzahl fällt nicht mit steigender Spannungsamplitude; eine "
                                     "Zeitfestigkeitsgerade lässt sich nicht angeben."));
    FiniteLifeLine line;
    const int dof = n - 2;
    line.slope = Estimate{-fit->slope, fit->slopeStandardError, double(dof)};
    line.referenceStress = std::pow(10.0, meanX);
    line.logCycles = Estimate{fit->intercept, fit->interceptStandardError, double(dof)};
    line.scatter = std::sqrt(fit->residualSumOfSquares / dof);
    line.failures = n;
    line.degreesOfFreedom = dof;
    return line;
}

}
