#pragma once

// The finite-life line of a Wöhler series (DIN 50100, ISO 12107, ASTM E739):
// the linear regression of lg N on lg σa over the fractured specimens,
//     N = N0·(σa/σ0)^−k,
// with the scatter s of lg N about the line and the lines of 10 % and 90 %
// probability of failure at ±u·s in lg N (u = 1.2816, the 90 % quantile of
// the standard normal distribution). These lines describe the scatter of
// the specimens; they are not confidence bands of the line.
#include "estimate.h"
#include "fatigue_series.h"
#include "outcome.h"

#include <span>

namespace evaluation {

// The standard normal quantile of the 90 % probability, u = 1.2816.
double failureQuantile90();

struct FiniteLifeLine {
    Estimate slope;          // k
    double referenceStress;  // σ0: the geometric mean of the failures' amplitudes
    Estimate logCycles;      // lg N0: lg N of the 50 % line at σ0
    double scatter = 0;      // s: standard deviation of lg N about the line
    int failures = 0;
    int degreesOfFreedom = 0;  // failures − 2

    double cycles() const;   // N0
    // lg N and N of the line for the probability of failure (0.1, 0.5, 0.9).
    double logCyclesAt(double stressAmplitude, double probability = 0.5) const;
    double cyclesAt(double stressAmplitude, double probability = 0.5) const;
    double stressAt(double cycles, double probability = 0.5) const;
    // T_N = N(P = 90 %)/N(P = 10 %) = 10^(2·u·s).
    double scatterRange() const;
};

// The specimens that enter the line: fractures outside the staircase series.
// Run-outs never enter it, nor do the staircase's fractures, which lie at
// the knee where the line no longer holds.
bool entersFiniteLifeLine(const FatigueSpecimen& specimen);

// Fits the line; none with the reason where fewer than three fractures are
// there, all lie at one stress amplitude, or N does not fall with rising
// stress.
Outcome<FiniteLifeLine> fitFiniteLifeLine(std::span<const FatigueSpecimen> specimens);

}
