#pragma once

// The specimen of a tensile test as the user measured it before and after
// the test, and the values typed in where no curve is available.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace evaluation {

enum class CrossSection { Round, Flat };

// What the extension in the file was measured with.
enum class ExtensionSource { Extensometer, Crosshead };

struct Specimen {
    CrossSection crossSection = CrossSection::Round;
    double d0 = 0;  // original diameter in mm (round)
    double a0 = 0;  // original thickness in mm (flat)
    double b0 = 0;  // original width in mm (flat)
    double L0 = 0;  // original gauge length in mm
    // The length the extension in the file is measured over: the
    // extensometer's gauge length, or for the crosshead travel the length it
    // relates to (the parallel length). Without it, L0.
    std::optional<double> Le;
    ExtensionSource extensionSource = ExtensionSource::Extensometer;
    std::optional<double> Lu;  // final gauge length after fracture in mm
    std::optional<double> du;  // smallest diameter after fracture in mm (round)
    std::optional<double> Su;  // smallest cross-section after fracture in mm²
    // The maximum force in kN, typed in where no curve is evaluated.
    std::optional<double> Fm;

    bool operator==(const Specimen&) const = default;
};

// The original cross-section S0 in mm², 0 where a dimension is missing.
double originalCrossSection(const Specimen& specimen);

// The final cross-section Su in mm² from Su or du, if given.
std::optional<double> finalCrossSection(const Specimen& specimen);

// The length the extension relates to: Le, else L0.
double extensionGaugeLength(const Specimen& specimen);

// What is wrong with the specimen data, one message per fault (a dimension of
// zero or below, a final diameter larger than the original, ...) with the
// field it concerns; empty when the data can be evaluated.
enum class SpecimenField { d0, a0, b0, L0, Le, Lu, du, Su, Fm };
struct SpecimenProblem {
    SpecimenField field;
    QString message;
};
std::vector<SpecimenProblem> checkSpecimen(const Specimen& specimen);

// Faults in the dimensions without which no value can be computed (d0 or
// a0 and b0, L0, Le).
bool blocksEvaluation(const SpecimenProblem& problem);

// The symbol of the elongation after fracture for the specimen's gauge
// length: "A" for a proportional specimen with k = 5,65, "A11,3" for
// k = 11,3, else A with the gauge length ("A80mm"). A gauge length counts as
// proportional where it is k·√S0, or that rounded to a multiple of 5 mm with
// a difference under 10 % of L0.
struct ElongationSymbol {
    QString text;  // "A", "A11,3", "A80mm"
    QString html;  // "A", "A<sub>11,3</sub>", "A<sub>80 mm</sub>"
    std::optional<double> proportionalityFactor;  // 5.65 or 11.3
};
ElongationSymbol elongationSymbol(const Specimen& specimen);

}

namespace evaluation {

// Specimen dimensions a machine wrote among the lines above its table
// ("Durchmesser d0;10,00;mm", "Anfangsmesslänge L0;50,00;mm", "Breite b0;20"),
// so that the window can fill them in. Lines whose key names no dimension
// are left alone; a value in another unit than mm is not taken.
struct SpecimenHints {
    std::optional<double> d0, a0, b0, L0, Le;
    bool operator==(const SpecimenHints&) const = default;
};
SpecimenHints specimenHintsFromMetadata(const QStringList& metadata);

}
