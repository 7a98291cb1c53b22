#include "fatigue_evaluation.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cmath>
#include <cstring>
#include <vector>

namespace evaluation {

namespace {

constexpr const char* context = "FatigueEvaluation";

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FatigueEvaluation)
};

const ResultTerm terms[] = {
    {"k", "k", "k", "", 0.01, true, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Neigung der Zeitfestigkeitsgeraden"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Exponent der Basquin-Gleichung N = N0·(σa/σ0)^−k: um wie viel "
                                            "Dekaden die Schwingspielzahl steigt, wenn die Spannungsamplitude "
                                            "um eine Dekade sinkt.")},
    {"sigma0", "σ0", "σ<sub>0</sub>", "MPa", 0.1, false, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Bezugsspannung"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Geometrisches Mittel der Spannungsamplituden der Brüche, der "
                                            "Schwerpunkt der Zeitfestigkeitsgeraden.")},
    {"N0", "N0", "N<sub>0</sub>", "", 1, false, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Bezugsschwingspielzahl"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Schwingspielzahl der Zeitfestigkeitsgeraden (50 % "
                                            "Bruchwahrscheinlichkeit) bei der Bezugsspannung σ0.")},
    {"lgN0", "lg N0", "lg N<sub>0</sub>", "", 0.001, true, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Lage der Zeitfestigkeitsgeraden"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Dekadischer Logarithmus von N0; sein Standardfehler ist die "
                                            "Unsicherheit der Lage der Geraden in Dekaden.")},
    {"s", "s", "s", "", 0.001, false, context, QT_TRANSLATE_NOOP("FatigueEvaluation", "Streuung"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Standardabweichung von lg N um die Zeitfestigkeitsgerade, mit den "
                                            "Freiheitsgraden der Regression (Brüche minus 2).")},
    {"TN", "T_N", "T<sub>N</sub>", "", 0.01, false, context, QT_TRANSLATE_NOOP("FatigueEvaluation", "Streuspanne"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Verhältnis der Schwingspielzahlen für 90 % und 10 % "
                                            "Bruchwahrscheinlichkeit, T_N = 10^(2·1,2816·s); die Linien für 10 % "
                                            "und 90 % liegen um ±1,2816·s in lg N neben der Geraden für 50 %.")},
    {"sigmaD", "σ_D", "σ<sub>D</sub>", "MPa", 0.1, true, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Dauerfestigkeit"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Spannungsamplitude, die eine Probe mit 50 % Wahrscheinlichkeit "
                                            "ohne Bruch erträgt, aus der Treppenstufenfolge nach Dixon und Mood.")},
    {"sD", "s_D", "s<sub>D</sub>", "MPa", 0.1, false, context,
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Streuung der Dauerfestigkeit"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Standardabweichung der Dauerfestigkeit, 1,62·d·((N·B − A²)/N² + "
                                            "0,029); nur gültig, wo (N·B − A²)/N² größer als 0,3 ist.")},
    {"Nk", "N_k", "N<sub>k</sub>", "", 1, false, context, QT_TRANSLATE_NOOP("FatigueEvaluation", "Abknickpunkt"),
     QT_TRANSLATE_NOOP("FatigueEvaluation", "Schwingspielzahl, bei der die Zeitfestigkeitsgerade (50 %) die "
                                            "Dauerfestigkeit erreicht.")},
};

Outcome<Estimate> plain(double v)
{
    return Estimate{v, 0, 0};
}

Outcome<Estimate> readResult(const FatigueEvaluation& e, const char* key);

}

FatigueEvaluation evaluateFatigueSeries(const FatigueSeries& series)
{
    Outcome<FiniteLifeLine> line = fitFiniteLifeLine(series.specimens);
    std::vector<StaircaseTest> tests;
    for (const FatigueSpecimen& s : series.specimens)
        if (s.staircase)
            tests.push_back({s.stressAmplitude, s.runOut});
    Outcome<StaircaseResult> staircase
        = Outcome<StaircaseResult>::none(Text::tr("Keine Probe gehört zur Treppenstufenfolge."));
    if (!tests.empty())
        staircase = evaluateStaircase(tests, series.staircaseStep.value_or(0));
    Outcome<KneePoint> knee
        = Outcome<KneePoint>::none(Text::tr("Es fehlt die Zeitfestigkeitsgerade oder die Dauerfestigkeit."));
    if (line && staircase) {
        const double cycles = line->cyclesAt(staircase->mean);
        knee = std::isfinite(cycles)
            ? Outcome<KneePoint>(KneePoint{staircase->mean, cycles})
            : Outcome<KneePoint>::none(Text::tr("Die Zeitfestigkeitsgerade erreicht die Dauerfestigkeit erst jenseits "
                                                "darstellbarer Schwingspielzahlen."));
    }
    return FatigueEvaluation{std::move(line), std::move(staircase), std::move(knee)};
}

std::span<const ResultTerm> fatigueResultTerms()
{
    return terms;
}

Outcome<Estimate> fatigueResult(const FatigueEvaluation& e, const char* key)
{
    Outcome<Estimate> r = readResult(e, key);
    if (r && (!std::isfinite(r->value) || !std::isfinite(r->standardError)))
        return Outcome<Estimate>::none(Text::tr("Der Wert liegt außerhalb des darstellbaren Zahlenbereichs."));
    return r;
}

namespace {

Outcome<Estimate> readResult(const FatigueEvaluation& e, const char* key)
{
    const auto is = [key](const char* k) { return std::strcmp(key, k) == 0; };
    using Result = Outcome<Estimate>;
    if (is("k") || is("sigma0") || is("N0") || is("lgN0") || is("s") || is("TN")) {
        if (!e.finiteLife)
            return Result::none(e.finiteLife.reason());
        const FiniteLifeLine& l = *e.finiteLife;
        if (is("k"))
            return l.slope;
        if (is("sigma0"))
            return plain(l.referenceStress);
        if (is("N0"))
            return plain(l.cycles());
        if (is("lgN0"))
            return l.logCycles;
        if (is("s"))
            return plain(l.scatter);
        return plain(l.scatterRange());
    }
    if (is("sigmaD") || is("sD")) {
        if (!e.staircase)
            return Result::none(e.staircase.reason());
        if (is("sD"))
            return e.staircase->standardDeviation ? plain(*e.staircase->standardDeviation)
                                                  : Result::none(e.staircase->standardDeviation.reason());
        const Outcome<Estimate> m = e.staircase->meanEstimate();
        return m ? m : plain(e.staircase->mean);
    }
    if (is("Nk"))
        return e.knee ? plain(e.knee->cycles) : Result::none(e.knee.reason());
    return Result::none(Text::tr("Unbekanntes Ergebnis."));
}

}

QStringList fatigueTableHeader()
{
    return QStringList{QStringLiteral("Datei"),  QStringLiteral("n"),      QStringLiteral("Brüche"),
                       QStringLiteral("Durchläufer"), QStringLiteral("Treppe"), QStringLiteral("σm/MPa"),
                       QStringLiteral("R")}
        + termColumnTitles(terms);
}

QStringList fatigueTableRow(const QString& source, const FatigueSeries& series, const FatigueEvaluation& evaluation)
{
    int fractures = 0, runOuts = 0, staircase = 0;
    for (const FatigueSpecimen& s : series.specimens) {
        fractures += !s.runOut;
        runOuts += s.runOut;
        staircase += s.staircase;
    }
    QStringList columns{source,
                        QString::number(series.specimens.size()),
                        QString::number(fractures),
                        QString::number(runOuts),
                        QString::number(staircase),
                        series.meanStress ? QString::number(*series.meanStress, 'g', 6) : notDetermined,
                        series.stressRatio ? QString::number(*series.stressRatio, 'g', 6) : notDetermined};
    return columns + termCells(terms, [&](const ResultTerm& t) { return fatigueResult(evaluation, t.key); });
}

QStringList fatigueNotes(const FatigueEvaluation& evaluation)
{
    QStringList notes;
    if (!evaluation.finiteLife)
        notes << Text::tr("Zeitfestigkeitsgerade: %1").arg(evaluation.finiteLife.reason());
    if (!evaluation.staircase) {
        notes << Text::tr("Dauerfestigkeit: %1").arg(evaluation.staircase.reason());
    } else if (!evaluation.staircase->standardDeviation) {
        notes << QStringLiteral("s_D: %1").arg(evaluation.staircase->standardDeviation.reason());
    }
    return notes;
}

}
