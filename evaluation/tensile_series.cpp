#include "tensile_series.h"

#include "curve_fitting.h"

#include <QCoreApplication>
#include <QStringList>

namespace evaluation {

namespace {
// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TensileSeries)
};
}

std::array<SeriesStatistic, tensileQuantityCount> tensileStatistics(const TensileSeries& series)
{
    std::array<SeriesStatistic, tensileQuantityCount> statistics;
    for (TensileQuantity q : allTensileQuantities) {
        SeriesStatistic& s = statistics[size_t(q)];
        std::vector<double> values;
        bool allValid = true;
        QStringList symbols;
        for (const TensileSpecimen& specimen : series.specimens) {
            if (!specimen.included)
                continue;
            ++s.included;
            const TensileOutcome& d = specimen.result[q];
            if (!d)
                continue;
            values.push_back(d->value);
            allValid = allValid && d->valid;
            if (!symbols.contains(specimen.result.elongation.text))
                symbols << specimen.result.elongation.text;
        }
        s.count = int(values.size());
        if (s.included == 0) {
            s.mean = s.standardDeviation = TensileOutcome::none(Text::tr("Keine Probe ist eingeschaltet."));
            continue;
        }
        if (values.empty()) {
            s.mean = s.standardDeviation = TensileOutcome::none(Text::tr("Bei keiner Probe bestimmt."));
            continue;
        }
        if (q == TensileQuantity::ElongationAfterFracture && symbols.size() > 1) {
            s.mean = s.standardDeviation = TensileOutcome::none(
                //: %1 lists the symbols of the elongations, e.g. "A, A80mm"
                Text::tr("Die Proben haben verschiedene Messlängen (%1); ihre Bruchdehnungen sind nicht vergleichbar.")
                    .arg(symbols.join(QStringLiteral(", "))));
            continue;
        }
        s.mean = TensileValue{.value = meanOf(values)};
        if (values.size() >= 2)
            s.standardDeviation = TensileValue{.value = standardDeviationOf(values)};
        else
            s.standardDeviation
                = TensileOutcome::none(Text::tr("Für eine Standardabweichung sind mindestens zwei Werte nötig."));
        QStringList notes;
        if (s.count < s.included)
            //: Note to a mean value of a series: from %1 of the %2 specimens included
            notes << Text::tr("aus %1 von %2 Proben").arg(s.count).arg(s.included);
        if (!allValid)
            notes << Text::tr("enthält Werte, die nicht normgerecht ermittelt wurden");
        for (TensileOutcome* o : {&s.mean, &s.standardDeviation}) {
            if (*o) {
                (*o)->valid = allValid;
                (*o)->note = notes.join(QStringLiteral("; "));
            }
        }
    }
    return statistics;
}

}
