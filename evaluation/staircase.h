#pragma once

// The endurance limit from a staircase (up-and-down) series by the method of
// Dixon and Mood as ISO 12107 gives it. Only the less frequent event is
// counted (fractures or run-outs; fractures where both are equally
// frequent), its levels numbered i = 0, 1, … from the lowest level at which
// it occurred, with n_i events on level i:
//     N = Σ n_i,  A = Σ i·n_i,  B = Σ i²·n_i,
//     mean  σ_D = S0 + d·(A/N ∓ 1/2)   (− for fractures, + for run-outs),
//     s_D = 1.62·d·((N·B − A²)/N² + 0.029), valid only where (N·B − A²)/N² > 0.3.
// The standard error of the mean follows Dixon and Mood's large-sample
// approximation G·σ/√N (W. J. Dixon, A. M. Mood, J. Amer. Statist. Assoc.
// 43 (1948) 109–126), where G depends on d/σ; this program takes s_D for σ
// and G = 1, with N − 1 degrees of freedom. The accuracy benchmark measures
// how often the resulting intervals contain the true mean.
#include "evaluation/estimate.h"
#include "evaluation/outcome.h"

#include <span>

namespace evaluation {

struct StaircaseTest {
    double stressAmplitude = 0;  // MPa
    bool runOut = false;
};

struct StaircaseResult {
    enum class Event { Fracture, RunOut };
    Event countedEvent = Event::Fracture;
    int specimens = 0;
    double step = 0;           // d
    double lowestLevel = 0;    // S0, the lowest level of the counted event
    int events = 0;            // N
    int sumA = 0;              // A
    int sumB = 0;              // B
    double spreadIndex = 0;    // (N·B − A²)/N²
    double mean = 0;           // σ_D, the endurance limit at 50 % probability of failure
    Outcome<double> standardDeviation = Outcome<double>::none({});  // s_D
    Outcome<double> meanStandardError = Outcome<double>::none({});

    // The mean with its standard error; none where s_D is not determined.
    Outcome<Estimate> meanEstimate() const;
};

// Evaluates the series. None with the reason where it is empty, the step is
// not positive, one of the two events never occurred, or the stress
// amplitudes do not lie on levels a step d apart.
Outcome<StaircaseResult> evaluateStaircase(std::span<const StaircaseTest> tests, double step);

}
