#pragma once

// The evaluation of a Wöhler series: the finite-life line over the
// fractures, the endurance limit from the staircase series, and the knee
// point where the line of 50 % probability of failure meets the endurance
// limit.
#include "evaluation/estimate.h"
#include "evaluation/fatigue_series.h"
#include "evaluation/outcome.h"
#include "evaluation/result_term.h"
#include "evaluation/staircase.h"
#include "evaluation/woehler_analysis.h"

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

// One line of results per file for the command line: tab-separated, decimal
// points, "–" for what is not determined; the header names the columns.
QString fatigueTableHeader();
QString fatigueTableRow(const QString& source, const FatigueSeries& series, const FatigueEvaluation& evaluation);
// Why values are missing, one line each.
QStringList fatigueNotes(const FatigueEvaluation& evaluation);

}
