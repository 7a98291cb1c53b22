#include "synthetic_tensile_curve.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

namespace evaluation {

namespace {

using StressOfPlastic = std::function<double(double p)>;

struct Path {
    std::vector<double> e, s;  // total extension (share) and stress, increasing in e
};

// The curve as a dense table over e: the elastic line up to s(pStart), then
// p from pStart (logarithmically spaced while small) to pEnd.
Path tabulate(const StressOfPlastic& stress, double E, double pStart, double pEnd)
{
    Path path;
    const double s0 = stress(pStart);
    for (int i = 0; i <= 2000; ++i) {
        const double s = s0 * i / 2000.0;
        path.e.push_back(s / E);
        path.s.push_back(s);
    }
    std::vector<double> ps;
    const double logFrom = std::log(std::max(pStart, 1e-12)), logTo = std::log(1e-3);
    if (pStart < 1e-3)
        for (int i = 1; i <= 20000; ++i)
            ps.push_back(std::exp(logFrom + (logTo - logFrom) * i / 20000.0));
    const double linearFrom = std::max(pStart, 1e-3);
    for (int i = 1; i <= 200000; ++i)
        ps.push_back(linearFrom + (pEnd - linearFrom) * i / 200000.0);
    for (double p : ps) {
        const double s = stress(p);
        const double e = s / E + p;
        if (e > path.e.back()) {
            path.e.push_back(e);
            path.s.push_back(s);
        }
    }
    return path;
}

double stressAt(const Path& path, double e)
{
    const auto it = std::lower_bound(path.e.begin(), path.e.end(), e);
    if (it == path.e.begin())
        return path.s.front();
    if (it == path.e.end())
        return path.s.back();
    const size_t i = size_t(it - path.e.begin());
    const double t = (e - path.e[i - 1]) / (path.e[i] - path.e[i - 1]);
    return path.s[i - 1] + t * (path.s[i] - path.s[i - 1]);
}

// The maximum of s(p) over [from, to] by a fine search and golden-section
// refinement; returns p.
double maximumOf(const StressOfPlastic& stress, double from, double to)
{
    double best = from;
    for (int i = 0; i <= 20000; ++i) {
        const double p = from + (to - from) * i / 20000.0;
        if (stress(p) > stress(best))
            best = p;
    }
    const double step = (to - from) / 20000.0;
    double a = std::max(from, best - step), b = std::min(to, best + step);
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        const double x1 = b - g * (b - a), x2 = a + g * (b - a);
        if (stress(x1) < stress(x2))
            a = x1;
        else
            b = x2;
    }
    return (a + b) / 2;
}

SyntheticTest sample(const Path& path, double elasticEnd, double fractureE, double Rm, const SamplingPlan& plan)
{
    SyntheticTest test;
    test.specimen.d0 = 10;
    test.specimen.L0 = 50;
    const double S0 = originalCrossSection(test.specimen);
    std::mt19937_64 random(plan.seed);
    std::normal_distribution<double> noise(0.0, plan.noiseShareOfRm * Rm);
    std::vector<double> es;
    for (int i = 0; i < plan.elasticSamples; ++i)
        es.push_back(elasticEnd * i / plan.elasticSamples);
    const int rest = plan.totalSamples - plan.elasticSamples;
    for (int i = 0; i <= rest; ++i)
        es.push_back(elasticEnd + (fractureE - elasticEnd) * i / rest);
    TestRecord& r = test.record;
    r.fileName = QStringLiteral("synthetisch");
    double time = 0;
    for (double e : es) {
        r.load.push_back((stressAt(path, e) + noise(random)) * S0);
        r.deformation.push_back(e * test.specimen.L0);
        r.time.push_back(time += 0.1);
    }
    // The fracture: the force falls to nothing within three samples.
    const double last = stressAt(path, fractureE);
    for (double share : {0.3, 0.02, 0.0}) {
        r.load.push_back((last * share + noise(random) * 0.1) * S0);
        r.deformation.push_back(fractureE * test.specimen.L0 * 1.001);
        r.time.push_back(time += 0.1);
    }
    for (size_t i = 0; i < r.load.size(); ++i)
        r.lines.push_back(int(i) + 2);
    return test;
}

}

SyntheticTest syntheticTest(const ContinuousYieldingModel& m, const SamplingPlan& plan)
{
    const double lambda = m.n * m.Ag / 100.0;
    const StressOfPlastic stress = [=](double p) {
        return m.Rp02 * std::pow(p / 0.002, 1.0 / m.n) * std::exp(-(p - 0.002) / lambda);
    };
    const double pf = m.A / 100.0;
    const Path path = tabulate(stress, m.E, 1e-12, pf);
    const double pm = maximumOf(stress, 0.002, pf);
    KnownTensileValues k;
    k.E = m.E;
    k.Rp02 = m.Rp02;
    k.Rm = stress(pm);
    k.Ag = pm * 100;
    k.Agt = (pm + k.Rm / m.E) * 100;
    k.A = m.A;
    SyntheticTest test = sample(path, 0.9 * m.Rp02 / m.E, stress(pf) / m.E + pf, k.Rm, plan);
    test.known = k;
    return test;
}

SyntheticTest syntheticTest(const DiscontinuousYieldingModel& m, const SamplingPlan& plan)
{
    const double s0 = 0.97 * m.ReH;
    const double p1 = 0.0002, p2 = p1 + 0.0005;
    const double low = m.ReL * (1 - m.transientUndershoot);
    const double high = m.ReL * (1 + m.serrationAmplitude);
    const double period = m.serrationPeriod / 100.0;
    const double p3 = p2 + period / 2;  // back up at a serration's top
    // The plateau ends at a serration's bottom.
    const double pL = p3 + period * (std::ceil((m.ludersExtension / 100.0 - p3) / period - 0.5) + 0.5);
    const double c = m.c / 100.0, lambda = m.lambda / 100.0;
    const double pi = std::numbers::pi;
    const StressOfPlastic stress = [=](double p) {
        if (p < p1) {
            const double t = 1 - p / p1;
            return m.ReH - (m.ReH - s0) * t * t;
        }
        if (p < p2)
            return low + (m.ReH - low) * (1 + std::cos(pi * (p - p1) / (p2 - p1))) / 2;
        if (p < p3)
            return low + (high - low) * (1 - std::cos(pi * (p - p2) / (p3 - p2))) / 2;
        if (p < pL)
            return m.ReL + (high - m.ReL) * (1 + std::cos(2 * pi * (p - p3) / period)) / 2;
        return m.ReL * std::pow(1 + (p - pL) / c, m.m) * std::exp(-(p - pL) / lambda);
    };
    const double pf = m.A / 100.0;
    const Path path = tabulate(stress, m.E, 0.0, pf);
    const double pm = maximumOf(stress, pL, pf);
    KnownTensileValues k;
    k.E = m.E;
    k.ReH = m.ReH;
    k.ReL = m.ReL;
    k.Rm = stress(pm);
    k.Ag = pm * 100;
    k.Agt = (pm + k.Rm / m.E) * 100;
    k.A = m.A;
    SyntheticTest test = sample(path, s0 / m.E, stress(pf) / m.E + pf, k.Rm, plan);
    test.known = k;
    return test;
}

}
