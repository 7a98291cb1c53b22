#include "impact_evaluation.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cstring>
#include <vector>

namespace evaluation {

namespace {

constexpr const char* context = "ImpactEvaluation";

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImpactEvaluation)
};

const ResultTerm terms[] = {
    {"US", "US", "US", "J", 0.1, true, context, QT_TRANSLATE_NOOP("ImpactEvaluation", "Hochlage"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Verbrauchte Schlagenergie bei hohen Temperaturen, wo die Proben zäh "
                                           "brechen: die obere Asymptote der Übergangskurve.")},
    {"LS", "LS", "LS", "J", 0.1, true, context, QT_TRANSLATE_NOOP("ImpactEvaluation", "Tieflage"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Verbrauchte Schlagenergie bei tiefen Temperaturen, wo die Proben "
                                           "spröde brechen: die untere Asymptote der Übergangskurve.")},
    {"Tm", "T_m", "T<sub>m</sub>", "°C", 0.1, true, context,
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Mitte des Übergangs"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Temperatur, bei der die Übergangskurve in der Mitte zwischen Tief- "
                                           "und Hochlage liegt; dort ist sie am steilsten.")},
    {"C", "C", "C", "°C", 0.1, true, context, QT_TRANSLATE_NOOP("ImpactEvaluation", "Breite des Übergangs"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Parameter der Kurve: der Übergangsbereich reicht von T_m − 2C bis "
                                           "T_m + 2C.")},
    {"T27J", "T27J", "T<sub>27J</sub>", "°C", 0.1, true, context,
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Übergangstemperatur bei 27 J"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Temperatur, bei der die Übergangskurve eine verbrauchte "
                                           "Schlagenergie von 27 J erreicht.")},
    {"T50US", "T50%US", "T<sub>50%US</sub>", "°C", 0.1, true, context,
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Übergangstemperatur bei halber Hochlage"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Temperatur, bei der die Übergangskurve 50 % der Hochlage erreicht.")},
    {"FATT50", "FATT50", "FATT<sub>50</sub>", "°C", 0.1, true, context,
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Übergangstemperatur des Bruchaussehens"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Temperatur, bei der die Bruchfläche zu 50 % aus Scherbruch (zähem "
                                           "Bruch) besteht, aus der Übergangskurve der Scherbruchanteile.")},
    {"s", "s", "s", "J", 0.01, false, context, QT_TRANSLATE_NOOP("ImpactEvaluation", "Streuung um die Kurve"),
     QT_TRANSLATE_NOOP("ImpactEvaluation", "Standardabweichung der Punkte um die Übergangskurve, mit den "
                                           "Freiheitsgraden der Anpassung (Punkte minus Parameter).")},
};

Outcome<Estimate> fromCurve(const Outcome<TransitionCurve>& curve, Estimate TransitionCurve::*member)
{
    if (!curve)
        return Outcome<Estimate>::none(Text::tr("Keine Übergangskurve."));
    return (*curve).*member;
}

}

ImpactEvaluation evaluateImpactSeries(const ImpactSeries& series)
{
    std::vector<TransitionPoint> energies;
    std::vector<TransitionPoint> shears;
    for (const ImpactSpecimen& s : series.specimens) {
        energies.push_back({s.temperature, s.absorbedEnergy});
        if (s.shearFraction)
            shears.push_back({s.temperature, *s.shearFraction});
    }
    TransitionFitOptions energyOptions{series.fixedLowerShelf, series.fixedUpperShelf, QStringLiteral("J")};
    Outcome<TransitionCurve> energyCurve = fitTransitionCurve(energies, energyOptions);

    const auto readOff = [&](auto read) {
        return energyCurve ? read(*energyCurve) : Outcome<Estimate>::none(Text::tr("Keine Übergangskurve."));
    };
    Outcome<Estimate> t27 = readOff([](const TransitionCurve& c) { return c.temperatureAt(27); });
    Outcome<Estimate> tHalf = readOff([](const TransitionCurve& c) { return c.temperatureAtShareOfUpperShelf(0.5); });

    Outcome<TransitionCurve> shearCurve = shears.empty()
        ? Outcome<TransitionCurve>::none(Text::tr("Keine Scherbruchanteile angegeben."))
        : fitTransitionCurve(shears, TransitionFitOptions{0.0, 100.0, QStringLiteral("%")});
    Outcome<Estimate> fatt = shearCurve ? Outcome<Estimate>(shearCurve->midTemperature)
                                        : Outcome<Estimate>::none(shearCurve.reason());
    return ImpactEvaluation{std::move(energyCurve), std::move(t27), std::move(tHalf), std::move(shearCurve),
                            std::move(fatt)};
}

std::span<const ResultTerm> impactResultTerms()
{
    return terms;
}

Outcome<Estimate> impactResult(const ImpactEvaluation& e, const char* key)
{
    const auto is = [key](const char* k) { return std::strcmp(key, k) == 0; };
    if (is("US"))
        return fromCurve(e.energyCurve, &TransitionCurve::upperShelf);
    if (is("LS"))
        return fromCurve(e.energyCurve, &TransitionCurve::lowerShelf);
    if (is("Tm"))
        return fromCurve(e.energyCurve, &TransitionCurve::midTemperature);
    if (is("C"))
        return fromCurve(e.energyCurve, &TransitionCurve::width);
    if (is("T27J"))
        return e.t27J;
    if (is("T50US"))
        return e.tHalfUpperShelf;
    if (is("FATT50"))
        return e.fatt50;
    if (is("s")) {
        if (!e.energyCurve)
            return Outcome<Estimate>::none(Text::tr("Keine Übergangskurve."));
        return Estimate{e.energyCurve->residualStandardDeviation, 0, double(e.energyCurve->degreesOfFreedom)};
    }
    return Outcome<Estimate>::none(Text::tr("Unbekanntes Ergebnis."));
}

QStringList impactTableHeader()
{
    return QStringList{QStringLiteral("Datei"), QStringLiteral("Probe"), QStringLiteral("n")} + termColumnTitles(terms);
}

QStringList impactTableRow(const QString& source, const ImpactSeries& series, const ImpactEvaluation& evaluation)
{
    return QStringList{source, energySymbol(series.notch, series.striker), QString::number(series.specimens.size())}
        + termCells(terms, [&](const ResultTerm& t) { return impactResult(evaluation, t.key); });
}

QStringList impactNotes(const ImpactEvaluation& evaluation)
{
    QStringList notes;
    if (!evaluation.energyCurve) {
        notes << Text::tr("Übergangskurve: %1").arg(evaluation.energyCurve.reason());
    } else {
        for (const ResultTerm& t : terms) {
            const Outcome<Estimate> r = impactResult(evaluation, t.key);
            if (!r && std::strcmp(t.key, "FATT50") != 0)
                notes << QStringLiteral("%1: %2").arg(t.symbolText(), r.reason());
        }
        if (evaluation.energyCurve->lowerShelf.fixed())
            notes << Text::tr("Die Tieflage ist festgelegt, nicht angepasst.");
        if (evaluation.energyCurve->upperShelf.fixed())
            notes << Text::tr("Die Hochlage ist festgelegt, nicht angepasst.");
    }
    if (!evaluation.fatt50)
        notes << QStringLiteral("FATT50: %1").arg(evaluation.fatt50.reason());
    return notes;
}

}
