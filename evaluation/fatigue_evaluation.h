#pragma once

// The evaluation of a Wöhler series: the finite-life line over the
// fractures, the endurance limit from the staircase series, and the knee
// point where the line of 50 % probability of failure meets the endurance
// limit.
#include "estimate.h"
#include "fatigue_series.h"
#include "outcome.h"
#include "result_term.h"
#include "staircase.h"
#include "woehler_analysis.h"

#include <QStringList>
#include <span>

namespace evaluation {

struct KneePoint {
    double stressAmplitude = 0;  // the endurance limit σ_D
    double cycles = 0;           // N_k on the 50 % line
};

struct FatigueEvaluation {
    Outcome<FiniteLifeLine> finiteLife;
    Outcome<StaircaseResult> staircase;
    Outcome<KneePoint> knee;
};

FatigueEvaluation evaluateFatigueSeries(const FatigueSeries& series);

// The results in the order the window and the command line show them:
// k, σ0, N0, lg N0, s, T_N, σ_D, s_D, N_k.
std::span<const ResultTerm> fatigueResultTerms();
Outcome<Estimate> fatigueResult(const FatigueEvaluation& evaluation, const char* key);

// The results of a series as one row of a table (the command line writes
// one per file, tab-separated): the source, the counts of specimens,
// fractures, run-outs and staircase specimens, the mean stress and the
// stress ratio, then the cells of termCells(); the header names the columns,
// in every interface language the same, for the scripts that read them.
QStringList fatigueTableHeader();
QStringList fatigueTableRow(const QString& source, const FatigueSeries& series, const FatigueEvaluation& evaluation);
// Why values are missing, one line each.
QStringList fatigueNotes(const FatigueEvaluation& evaluation);

}
