#include "staircase.h"

#include <QCoreApplication>
#include <QLocale>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_randist.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Staircase)
};

QString number(double v)
{
    return QLocale().toString(v, 'g', 6);
}

// More levels than any real staircase has; it keeps the sums A and B far
// from overflowing.
constexpr int maxLevels = 1000;

// ν = s²/(2·Var(s)) with Var(s) from the probit model's Fisher information
// over every specimen of the series; at least 1, and 1 where the
// information does not determine the standard deviation.
double effectiveDegreesOfFreedom(std::span<const StaircaseTest> tests, double mean, double deviation)
{
    double a = 0, b = 0, c = 0;
    for (const StaircaseTest& t : tests) {
        const double z = (t.stressAmplitude - mean) / deviation;
        const double p = gsl_cdf_ugaussian_P(z);
        const double q = gsl_cdf_ugaussian_Q(z);
        if (!(p > 0 && q > 0))
            continue;  // a level so far out carries no information
        const double density = gsl_ran_ugaussian_pdf(z);
        const double w = density * density / (p * q);
        a += w;
        b += w * z;
        c += w * z * z;
    }
    // I = [[a, b], [b, c]]/s²; (I⁻¹)_σσ = a·s²/(a·c − b²).
    const double determinant = a * c - b * b;
    if (!(determinant > 0))
        return 1;
    const double variance = a * deviation * deviation / determinant;
    const double nu = deviation * deviation / (2 * variance);
    return std::isfinite(nu) ? std::max(1.0, nu) : 1.0;
}

}

Outcome<Estimate> StaircaseResult::meanEstimate() const
{
    if (!meanStandardError)
        return Outcome<Estimate>::none(meanStandardError.reason());
    return Estimate{mean, *meanStandardError, degreesOfFreedom};
}

Outcome<StaircaseResult> evaluateStaircase(std::span<const StaircaseTest> tests, double step)
{
    using Result = Outcome<StaircaseResult>;
    if (tests.empty())
        return Result::none(Text::tr("Keine Probe gehört zur Treppenstufenfolge."));
    if (!(step > 0) || !std::isfinite(step))
        return Result::none(Text::tr("Die Stufenweite d der Treppenstufenfolge fehlt oder ist nicht positiv."));
    double lowest = tests[0].stressAmplitude;
    for (const StaircaseTest& t : tests) {
        if (!std::isfinite(t.stressAmplitude))
            return Result::none(Text::tr("Eine Probe der Treppenstufenfolge hat keine gültige Spannungsamplitude."));
        lowest = std::min(lowest, t.stressAmplitude);
    }

    // Levels as whole steps above the lowest stress of the series; a stress
    // off that grid by more than 1 % of a step is not a staircase.
    std::map<int, int> fractures, runOuts;
    for (const StaircaseTest& t : tests) {
        const double steps = (t.stressAmplitude - lowest) / step;
        const double level = std::round(steps);
        if (level > maxLevels)
            return Result::none(Text::tr("Die Treppenstufenfolge reicht über mehr als %1 Stufen der Weite d = %2 MPa; "
                                         "die Stufenweite passt nicht zu den Spannungsamplituden.")
                                    .arg(maxLevels)
                                    .arg(number(step)));
        if (std::abs(steps - level) > 0.01)
            return Result::none(Text::tr("Die Spannungsamplitude %1 MPa liegt nicht auf einer Stufe im Abstand "
                                         "d = %2 MPa von %3 MPa.")
                                    .arg(number(t.stressAmplitude), number(step), number(lowest)));
        ++(t.runOut ? runOuts : fractures)[int(level)];
    }
    const auto total = [](const std::map<int, int>& m) {
        int sum = 0;
        for (const auto& [level, count] : m)
            sum += count;
        return sum;
    };
    const int fractureCount = total(fractures), runOutCount = total(runOuts);
    if (fractureCount == 0)
        return Result::none(Text::tr("In der Treppenstufenfolge ist keine Probe gebrochen; die Dauerfestigkeit liegt "
                                     "über allen geprüften Stufen."));
    if (runOutCount == 0)
        return Result::none(Text::tr("In der Treppenstufenfolge ist jede Probe gebrochen; die Dauerfestigkeit liegt "
                                     "unter allen geprüften Stufen."));

    StaircaseResult r;
    r.specimens = int(tests.size());
    r.step = step;
    r.countedEvent = runOutCount < fractureCount ? StaircaseResult::Event::RunOut : StaircaseResult::Event::Fracture;
    const std::map<int, int>& counted = r.countedEvent == StaircaseResult::Event::RunOut ? runOuts : fractures;
    const int base = counted.begin()->first;
    r.lowestLevel = lowest + base * step;
    for (const auto& [level, count] : counted) {
        const int i = level - base;
        r.events += count;
        r.sumA += i * count;
        r.sumB += i * i * count;
    }
    const double n = r.events, a = r.sumA, b = r.sumB;
    const double sign = r.countedEvent == StaircaseResult::Event::Fracture ? -0.5 : 0.5;
    r.mean = r.lowestLevel + step * (a / n + sign);
    r.spreadIndex = (n * b - a * a) / (n * n);
    if (r.spreadIndex > 0.3) {
        const double s = 1.62 * step * (r.spreadIndex + 0.029);
        r.standardDeviation = s;
        r.meanStandardError = s / std::sqrt(n);
        r.degreesOfFreedom = effectiveDegreesOfFreedom(tests, r.mean, s);
    } else {
        const QString reason
            = Text::tr("(N·B − A²)/N² = %1 ist nicht größer als 0,3: die Stufen streuen zu wenig, als dass sich die "
                       "Standardabweichung schätzen ließe (kleinere Stufenweite oder mehr Proben).")
                  .arg(QLocale().toString(r.spreadIndex, 'f', 3));
        r.standardDeviation = Outcome<double>::none(reason);
        r.meanStandardError = Outcome<double>::none(reason);
    }
    return r;
}

}
