#pragma once

// The evaluation of one tensile test after DIN EN ISO 6892-1: from the
// measured curve and the specimen data to the values mE, ReH, ReL, Rp0,2,
// Fm, Rm, Ag, Agt, At, A and Z, each determined or missing with its reason.
//
// How each value is found:
// - The curve is cut at the fracture: the last point before the force falls
//   by more than fractureDropShare of the highest force within
//   fractureDropSamples samples.
// - mE is the least-squares line (GSL) through the points of the first rise
//   between modulusLowerShare and modulusUpperShare of the highest stress.
//   Where it meets the strain axis is the origin of all extensions (the slack
//   at the start of a test is taken off).
// - Discontinuous yielding (see yield_point.h) gives ReH and ReL; otherwise
//   Rp0,2 is where the curve, smoothed over a few samples, meets the line
//   parallel to the elastic line at 0,2 % strain, refined by a straight line
//   fitted through the points around the crossing.
// - Fm is the top of a cubic fitted (GSL) through the points within a narrow
//   band below the highest smoothed force (half a percent, or five times the
//   noise where that is more); where the top does not stand out of the noise
//   by twice its deviation, the maximum is a plateau and its middle counts
//   (its mean stress). Agt is the extension there, Ag = Agt − Rm/mE.
// - At is the extension at the fracture, A = At − (stress at fracture)/mE, or
//   (Lu − L0)/L0 where Lu is given; Z comes from Su or du.
#include "specimen.h"
#include "tensile_quantities.h"
#include "test_record.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace evaluation {

struct TensileSettings {
    double modulusLowerShare = 0.10;  // range of the elastic line, as shares of the highest stress
    double modulusUpperShare = 0.40;
    double fractureDropShare = 0.10;  // a fall of more than this share of the highest force ...
    int fractureDropSamples = 5;      // ... within this many samples is the fracture

    bool operator==(const TensileSettings&) const = default;
};

// The settings' faults, for the window's fields and the command line.
QStringList settingsProblems(const TensileSettings& settings);

// Strain in % and stress in MPa.
struct StressStrainCurve {
    std::vector<double> strain;
    std::vector<double> stress;
};

// The record as stress over strain for the specimen; strainOrigin is taken
// off every strain (pass the evaluation's origin to draw what it evaluated).
StressStrainCurve stressStrainCurve(const TestRecord& record, const Specimen& specimen, double strainOrigin = 0);

struct ElasticLine {
    double slope = 0;  // MPa per % strain
    double lowerStress = 0, upperStress = 0;  // the range it was fitted over
    size_t points = 0;
};

struct TensileResult {
    std::array<TensileOutcome, tensileQuantityCount> values;
    ElongationSymbol elongation;
    bool discontinuousYielding = false;
    std::optional<ElasticLine> elastic;
    // The strain (in %) where the elastic line meets the axis; the marks and
    // extensions count from there.
    double strainOrigin = 0;
    std::optional<size_t> fractureRow;
    // Why the curve could not be evaluated at all (with file and line where
    // a line is to blame); empty where it could.
    QString curveProblem;
    std::vector<SpecimenProblem> specimenProblems;

    TensileOutcome& operator[](TensileQuantity q) { return values[size_t(q)]; }
    const TensileOutcome& operator[](TensileQuantity q) const { return values[size_t(q)]; }
};

// record may be null: then only what the typed values give (Rm from Fm, A
// from Lu, Z from Su or du).
TensileResult evaluateTensileTest(const Specimen& specimen, const TestRecord* record,
                                  const TensileSettings& settings = {});

// The values of a test as one row of a table (the command line writes one
// per file, tab-separated): the source, then each value rounded for the
// report with a decimal point, notDetermined where it is not determined. The
// header names the elongation after fracture for the specimen (A80mm); like
// the numbers, it is the same in every interface language.
QStringList tensileTableHeader(const ElongationSymbol& elongation);
QStringList tensileTableRow(const QString& source, const TensileResult& result);
// Why values are missing, and why a value shown does not meet the standard,
// one line each ("ReH: …").
QStringList tensileNotes(const TensileResult& result);

// Fewer points than this in the elastic range leave mE undetermined.
constexpr size_t minimumElasticPoints = 8;

}
