#pragma once

// Tensile curves whose values are known by construction, to check the
// evaluation against (the accuracy tests and benchmark use them).
//
// Both models give the plastic extension p (as a share) and the stress s(p)
// in MPa; the total extension is e = s/E + p, so E is exactly the slope of the
// elastic part, and the elastic range is e = s/E up to s(0).
//
// Continuous yielding: Ramberg–Osgood hardening, e = s/E + 0,002·(s/Rp0,2)^n,
// multiplied by a softening factor exp(−(p − 0,002)/λ) that gives the curve
// its maximum: s(p) = Rp0,2·(p/0,002)^(1/n)·exp(−(p − 0,002)/λ). At p = 0,002
// the stress is Rp0,2 exactly; the maximum lies at p = λ/n, which is Ag.
//
// Discontinuous yielding: the elastic line up to 97 % of ReH, a rounded peak
// of height ReH within 0,02 % plastic extension, a drop within 0,05 % to an
// initial transient below ReL, then the Lüders plateau: serrations between
// ReL and ReL + amplitude up to the Lüders extension, then hardening
// s(p) = ReL·(1 + (p − pL)/c)^m·exp(−(p − pL)/λ) to the maximum and beyond.
//
// Samples are taken as a testing machine takes them: densely in the elastic
// range (a slow stress rate), then evenly in extension up to the fracture at
// the plastic extension A, after which the force falls to nothing within three
// samples. Normal noise of the set share of Rm is added to the force.
#include "specimen.h"
#include "test_record.h"

#include <cstdint>

namespace evaluation {

struct ContinuousYieldingModel {
    double E = 70000;      // MPa
    double Rp02 = 280;     // MPa
    double n = 25;         // Ramberg–Osgood exponent
    double Ag = 7;         // plastic extension at maximum force, %
    double A = 12;         // plastic extension at fracture, %
};

struct DiscontinuousYieldingModel {
    double E = 210000;             // MPa
    double ReH = 390;              // MPa
    double ReL = 360;              // MPa, the lowest serration
    double transientUndershoot = 0.02;  // the transient dips this share below ReL
    double serrationAmplitude = 0.02;   // share of ReL
    double serrationPeriod = 0.25;      // plastic extension, %
    double ludersExtension = 2.0;       // %, end of the plateau
    double c = 1.0;                     // hardening, %
    double m = 0.22;
    double lambda = 68;                 // softening, %
    double A = 26;                      // plastic extension at fracture, %
};

struct SamplingPlan {
    int elasticSamples = 500;  // up to the end of the elastic range
    int totalSamples = 4000;   // up to the fracture
    double noiseShareOfRm = 0.002;
    std::uint64_t seed = 1;
};

// The values the evaluation should find, from the noise-free model.
struct KnownTensileValues {
    double E = 0;     // MPa (mE in GPa is E/1000)
    double Rp02 = 0;  // MPa, 0 for discontinuous yielding
    double ReH = 0, ReL = 0;
    double Rm = 0;    // MPa
    double Ag = 0, Agt = 0, A = 0;  // %
};

struct SyntheticTest {
    TestRecord record;  // force in N, extension in mm over the specimen's L0
    Specimen specimen;  // round, d0 = 10 mm, L0 = Le = 50 mm
    KnownTensileValues known;
};

SyntheticTest syntheticTest(const ContinuousYieldingModel& model, const SamplingPlan& plan = {});
SyntheticTest syntheticTest(const DiscontinuousYieldingModel& model, const SamplingPlan& plan = {});

}
