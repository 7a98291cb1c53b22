#pragma once

// A value of the evaluation that either is determined or is not, and then
// says why not. The windows show a missing value as "–" with its reason.
#include <QString>
#include <optional>

namespace evaluation {

// A point of the stress–strain curve: strain in percent, stress in MPa.
struct CurvePoint {
    double strain = 0;
    double stress = 0;
};

struct Determined {
    std::optional<double> value;
    // Why the value is missing (empty when it is determined).
    QString reason;
    // A remark to show beside a determined value (for example how it was
    // measured and what that means for it).
    QString note;
    // False where the value is shown but does not meet the standard (an
    // elongation from the crosshead travel); the note says why.
    bool valid = true;
    // Where the value lies on the stress–strain curve, for the diagram.
    std::optional<CurvePoint> mark;

    static Determined of(double value, std::optional<CurvePoint> mark = std::nullopt)
    {
        Determined d;
        d.value = value;
        d.mark = mark;
        return d;
    }
    static Determined missing(const QString& reason)
    {
        Determined d;
        d.reason = reason;
        return d;
    }
    bool isDetermined() const { return value.has_value(); }
};

}
