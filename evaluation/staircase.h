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
// and G = 1. The standard deviation of so few events is far less precise
// than that of N measured values, so the interval's Student t does not take
// N − 1 degrees of freedom but the effective number ν = s_D²/(2·Var(s_D))
// (F. E. Satterthwaite, Biometrics Bulletin 2 (1946) 110–114), with Var(s_D)
// from the Fisher information of the normal (probit) model over all
// specimens of the series at σ_D and s_D (D. J. Finney, Probit Analysis,
// 3rd ed. 1971):
//     I = Σ w_j·[[1, z_j], [z_j, z_j²]]/s_D²,  z_j = (S_j − σ_D)/s_D,
//     w_j = φ(z_j)²/(Φ(z_j)·(1 − Φ(z_j))),  Var(s_D) = (I⁻¹)_σσ,
// and ν at least 1. The accuracy benchmark measures how often the resulting
// intervals contain the true mean.
#include "estimate.h"
#include "outcome.h"

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
    double degreesOfFreedom = 0;  // ν of the mean's standard error

    // The mean with its standard error; none where s_D is not determined.
    Outcome<Estimate> meanEstimate() const;
};

// Evaluates the series. None with the reason where it is empty, the step is
// not positive, one of the two events never occurred, or the stress
// amplitudes do not lie on levels a step d apart.
Outcome<StaircaseResult> evaluateStaircase(std::span<const StaircaseTest> tests, double step);

}
