#include "accuracy_study.h"

#include "curve_fitting.h"
#include "estimate.h"
#include "fatigue_series.h"
#include "outcome.h"
#include "staircase.h"
#include "transition_curve.h"
#include "woehler_analysis.h"

#include <QCoreApplication>
#include <gsl/gsl_randist.h>
#include <gsl/gsl_rng.h>

#include <cmath>
#include <memory>

namespace evaluation {

namespace {

using Random = std::unique_ptr<gsl_rng, decltype(&gsl_rng_free)>;

Random random(unsigned long seed)
{
    Random r(gsl_rng_alloc(gsl_rng_mt19937), gsl_rng_free);
    gsl_rng_set(r.get(), seed);
    return r;
}

// Collects the estimates of one parameter over the trials.
class Tally {
public:
    Tally(QString symbol, double trueValue, double confidence)
        : m_confidence(confidence)
    {
        m_row.symbol = std::move(symbol);
        m_row.trueValue = trueValue;
    }
    void add(const Outcome<Estimate>& e)
    {
        ++m_row.trials;
        if (!e || e->fixed())
            return;
        ++m_row.determined;
        m_row.covered += e->intervalContains(m_row.trueValue, m_confidence);
        m_estimates.push_back(e->value);
        m_errors.push_back(e->standardError);
    }
    CoverageRow row() const
    {
        CoverageRow r = m_row;
        if (r.determined > 0) {
            r.meanEstimate = meanOf(m_estimates);
            r.meanStandardError = meanOf(m_errors);
            r.spreadOfEstimates = r.determined > 1 ? standardDeviationOf(m_estimates) : 0;
        }
        return r;
    }

private:
    double m_confidence;
    CoverageRow m_row;
    std::vector<double> m_estimates;
    std::vector<double> m_errors;
};

double tanhValue(double ls, double us, double tm, double c, double t)
{
    return ls + (us - ls) * (1 + std::tanh((t - tm) / c)) / 2;
}

// The temperature where the model curve reaches value.
double modelTemperature(double ls, double us, double tm, double c, double value)
{
    return tm + c * std::atanh((2 * value - us - ls) / (us - ls));
}

Outcome<Estimate> fromCurve(const Outcome<TransitionCurve>& curve, Estimate TransitionCurve::*member)
{
    if (!curve)
        return Outcome<Estimate>::none(curve.reason());
    return (*curve).*member;
}

}

double BasquinModel::referenceStress() const
{
    double sum = 0;
    for (double level : levels)
        sum += std::log10(level);
    return std::pow(10.0, sum / double(levels.size()));
}

CoverageStudy transitionCoverage(const TransitionModel& m, int trials, unsigned long seed, double confidence)
{
    Random r = random(seed);
    Tally us(QStringLiteral("US/J"), m.upperShelf, confidence);
    Tally ls(QStringLiteral("LS/J"), m.lowerShelf, confidence);
    Tally tm(QStringLiteral("T_m/°C"), m.midTemperature, confidence);
    Tally c(QStringLiteral("C/°C"), m.width, confidence);
    Tally t27(QStringLiteral("T27J/°C"),
              modelTemperature(m.lowerShelf, m.upperShelf, m.midTemperature, m.width, 27), confidence);
    Tally tHalf(QStringLiteral("T50%US/°C"),
                modelTemperature(m.lowerShelf, m.upperShelf, m.midTemperature, m.width, m.upperShelf / 2),
                confidence);
    Tally fatt(QStringLiteral("FATT50/°C"), m.shearMidTemperature, confidence);
    for (int trial = 0; trial < trials; ++trial) {
        std::vector<TransitionPoint> energy, shear;
        for (int i = 0; i < m.points; ++i) {
            const double t = m.from + (m.to - m.from) * i / (m.points - 1);
            energy.push_back({t, tanhValue(m.lowerShelf, m.upperShelf, m.midTemperature, m.width, t)
                                     + gsl_ran_gaussian(r.get(), m.energyScatter)});
            shear.push_back({t, tanhValue(0, 100, m.shearMidTemperature, m.shearWidth, t)
                                    + gsl_ran_gaussian(r.get(), m.shearScatter)});
        }
        const Outcome<TransitionCurve> curve = fitTransitionCurve(energy, {});
        us.add(fromCurve(curve, &TransitionCurve::upperShelf));
        ls.add(fromCurve(curve, &TransitionCurve::lowerShelf));
        tm.add(fromCurve(curve, &TransitionCurve::midTemperature));
        c.add(fromCurve(curve, &TransitionCurve::width));
        t27.add(curve ? curve->temperatureAt(27) : Outcome<Estimate>::none(curve.reason()));
        tHalf.add(curve ? curve->temperatureAtShareOfUpperShelf(0.5) : Outcome<Estimate>::none(curve.reason()));
        const Outcome<TransitionCurve> shearCurve = fitTransitionCurve(shear, {0.0, 100.0, QStringLiteral("%")});
        fatt.add(fromCurve(shearCurve, &TransitionCurve::midTemperature));
    }
    //: Title of a group of rows in the table of the accuracy study: the results of the fitted transition curve
    return {QCoreApplication::translate("AccuracyStudy", "Übergangskurve"),
            {us.row(), ls.row(), tm.row(), c.row(), t27.row(), tHalf.row(), fatt.row()}};
}

CoverageStudy finiteLifeCoverage(const BasquinModel& m, int trials, unsigned long seed, double confidence)
{
    Random r = random(seed);
    const double sigma0 = m.referenceStress();
    Tally k(QStringLiteral("k"), m.slope, confidence);
    Tally lgN0(QStringLiteral("lg N0"), m.logCycles, confidence);
    Tally lgAt(QStringLiteral("lg N(%1 MPa)").arg(m.levels.front()),
               m.logCycles - m.slope * std::log10(m.levels.front() / sigma0), confidence);
    for (int trial = 0; trial < trials; ++trial) {
        std::vector<FatigueSpecimen> specimens;
        for (double level : m.levels)
            for (int i = 0; i < m.specimensPerLevel; ++i) {
                const double lg = m.logCycles - m.slope * std::log10(level / sigma0)
                    + gsl_ran_gaussian(r.get(), m.scatter);
                specimens.push_back({level, std::pow(10.0, lg), false, false});
            }
        for (int i = 0; i < m.runOuts; ++i)
            specimens.push_back({m.runOutStress, m.runOutLimit, true, false});
        const Outcome<FiniteLifeLine> line = fitFiniteLifeLine(specimens);
        if (!line) {
            k.add(Outcome<Estimate>::none(line.reason()));
            lgN0.add(Outcome<Estimate>::none(line.reason()));
            lgAt.add(Outcome<Estimate>::none(line.reason()));
            continue;
        }
        k.add(line->slope);
        // The reference stress of the fit is the geometric mean of the
        // fractures' amplitudes, here that of the levels.
        lgN0.add(line->logCycles);
        // lg N at the highest level: position and slope are uncorrelated
        // about σ0, so the variances add.
        const double dx = std::log10(m.levels.front() / line->referenceStress);
        lgAt.add(Estimate{line->logCyclesAt(m.levels.front()),
                          std::sqrt(std::pow(line->logCycles.standardError, 2)
                                    + std::pow(dx * line->slope.standardError, 2)),
                          double(line->degreesOfFreedom)});
    }
    //: Title of a group of rows in the table of the accuracy study: the finite-life line of the S-N curve
    return {QCoreApplication::translate("AccuracyStudy", "Zeitfestigkeitsgerade"), {k.row(), lgN0.row(), lgAt.row()}};
}

CoverageStudy staircaseCoverage(const StaircaseModel& m, int trials, unsigned long seed, double confidence)
{
    Random r = random(seed);
    Tally mean(QStringLiteral("σ_D/MPa"), m.mean, confidence);
    for (int trial = 0; trial < trials; ++trial) {
        const double offset = gsl_rng_uniform(r.get()) * m.step;
        // Grid levels mean + offset + i·d; start on the one nearest the mean.
        int level = offset > m.step / 2 ? -1 : 0;
        std::vector<StaircaseTest> tests;
        for (int i = 0; i < m.specimens; ++i) {
            const double stress = m.mean + offset + level * m.step;
            const double strength = m.mean + gsl_ran_gaussian(r.get(), m.deviation);
            const bool runOut = strength > stress;
            tests.push_back({stress, runOut});
            level += runOut ? 1 : -1;
        }
        const Outcome<StaircaseResult> result = evaluateStaircase(tests, m.step);
        mean.add(result ? result->meanEstimate() : Outcome<Estimate>::none(result.reason()));
    }
    //: Title of a group of rows in the table of the accuracy study: the staircase method
    return {QCoreApplication::translate("AccuracyStudy", "Treppenstufenfolge"), {mean.row()}};
}

}
