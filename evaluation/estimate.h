#pragma once

// A fitted or estimated quantity with its standard error.
namespace evaluation {

struct Estimate {
    double value = 0;
    double standardError = 0;
    // Degrees of freedom of the standard error (points minus fitted
    // parameters, or an effective number where the error rests on a less
    // precise estimate); 0 marks a value without error, fixed by the user.
    double degreesOfFreedom = 0;

    bool fixed() const { return degreesOfFreedom == 0; }
    // Half the width of the two-sided interval of the given confidence
    // (0.90 for 90 %): Student's t quantile times the standard error; 0 for a
    // fixed value.
    double halfWidth(double confidence) const;
    bool intervalContains(double x, double confidence) const;
};

// Student's t quantile: P(T <= t) = p for dof degrees of freedom.
double studentQuantile(double p, double degreesOfFreedom);

}
