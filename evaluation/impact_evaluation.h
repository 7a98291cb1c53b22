#pragma once

// The evaluation of an impact series: the transition curve of the absorbed
// energy with T27J and the temperature at half the upper shelf, and where
// shear fractions are given their curve (shelves 0 and 100 %) with FATT50.
#include "estimate.h"
#include "impact_series.h"
#include "outcome.h"
#include "result_term.h"
#include "transition_curve.h"

#include <QStringList>
#include <span>

namespace evaluation {

struct ImpactEvaluation {
    Outcome<TransitionCurve> energyCurve;
    Outcome<Estimate> t27J;             // temperature at 27 J
    Outcome<Estimate> tHalfUpperShelf;  // temperature at 50 % of the upper shelf
    Outcome<TransitionCurve> shearCurve;
    Outcome<Estimate> fatt50;           // temperature at 50 % shear fracture
};

ImpactEvaluation evaluateImpactSeries(const ImpactSeries& series);

// The results in the order the window and the command line show them:
// US, LS, T_m, C, T27J, T50%US, FATT50 and the scatter s about the curve.
std::span<const ResultTerm> impactResultTerms();
// The result for a term's key; none with the reason where it is not
// determined. Fixed shelves come with degreesOfFreedom 0.
Outcome<Estimate> impactResult(const ImpactEvaluation& evaluation, const char* key);

// The results of a series as one row of a table (the command line writes
// one per file, tab-separated): the source, the energy's symbol (KV2), the
// number of specimens and the cells of termCells(); the header names the
// columns with symbols and units, in every interface language the same.
QStringList impactTableHeader();
QStringList impactTableRow(const QString& source, const ImpactSeries& series, const ImpactEvaluation& evaluation);
// Why values are missing, one line each ("T27J: …"), for the command line's
// standard error output and the window's notes.
QStringList impactNotes(const ImpactEvaluation& evaluation);

}
