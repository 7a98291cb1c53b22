#pragma once

// The ductile-to-brittle transition curve of a notched-bar impact series, and
// of its shear fracture percentages: a hyperbolic tangent fitted by
// non-linear least squares,
//     v(T) = A + B·tanh((T − T_m)/C),  A = (US + LS)/2,  B = (US − LS)/2,
// written with the shelves LS (low temperatures) and US (high temperatures)
// so that either can be fixed. The standard errors come from the covariance
// of the fit scaled by the residual variance; those of temperatures read off
// the curve by the delta method.
#include "estimate.h"
#include "outcome.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace evaluation {

struct TransitionPoint {
    double temperature = 0;  // °C
    double value = 0;        // absorbed energy in J, or shear fracture in %
};

struct TransitionFitOptions {
    std::optional<double> lowerShelf;  // fixed by the user, else fitted
    std::optional<double> upperShelf;
    QString unit = QStringLiteral("J");  // of the values, for messages
};

struct TransitionCurve {
    enum Parameter { LowerShelf, UpperShelf, MidTemperature, Width };

    Estimate lowerShelf;      // LS
    Estimate upperShelf;      // US
    Estimate midTemperature;  // T_m, where the curve is halfway between the shelves
    Estimate width;           // C
    int points = 0;
    int degreesOfFreedom = 0;  // points minus fitted parameters
    double residualStandardDeviation = 0;
    // Covariance of (LS, US, T_m, C); rows and columns of a fixed shelf are 0.
    std::array<std::array<double, 4>, 4> covariance{};
    QString unit = QStringLiteral("J");

    double valueAt(double temperature) const;
    // The temperature where the curve reaches value, with its standard
    // error; none where value does not lie strictly between the shelves.
    Outcome<Estimate> temperatureAt(double value) const;
    // The temperature where the curve reaches share (0.5 for 50 %) of the
    // upper shelf; the uncertainty of the shelf enters the error.
    Outcome<Estimate> temperatureAtShareOfUpperShelf(double share) const;
    // The transition region, T_m − 2C .. T_m + 2C (the curve covers 2 % to
    // 98 % of the step between the shelves there).
    double transitionStart() const { return midTemperature.value - 2 * width.value; }
    double transitionEnd() const { return midTemperature.value + 2 * width.value; }
};

// Fits the curve. No curve where the points cannot carry one: fewer points
// than parameters plus one (the scatter needs a degree of freedom), fixed
// shelves that contradict each other, points that all lie on one side of
// the transition or on the shelves with none in between, values falling with
// temperature, or a fit that does not converge.
Outcome<TransitionCurve> fitTransitionCurve(std::span<const TransitionPoint> points,
                                            const TransitionFitOptions& options);

}
