// The contents of the impact and fatigue series files with any JSON: a series
// is read or refused with a message; what is read is written out and read
// back unchanged, and its evaluation gives finite values and standard
// errors wherever it gives any, a reason wherever it gives none, and a
// command-line row with as many columns as its header.
#include "fuzz_support.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"

#include <QJsonDocument>
#include <cmath>
#include <cstdint>
#include <span>

namespace {

template <class Read>
void checkResults(std::span<const evaluation::ResultTerm> terms, Read read, const char* kind)
{
    for (const evaluation::ResultTerm& t : terms) {
        const evaluation::Outcome<evaluation::Estimate> r = read(t.key);
        if (!r) {
            fuzz::require(!r.reason().isEmpty(), kind, QStringLiteral("no value and no reason for %1").arg(t.key));
            continue;
        }
        fuzz::require(std::isfinite(r->value) && std::isfinite(r->standardError) && r->standardError >= 0, kind,
                      QStringLiteral("%1 = %2 ± %3").arg(t.key).arg(r->value).arg(r->standardError));
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    const QJsonObject object = document.object();

    const auto impact = evaluation::impactSeriesFromJson(object);
    if (!impact) {
        fuzz::require(!impact.reason().isEmpty(), "a refused impact series comes with a message");
    } else {
        const auto again = evaluation::impactSeriesFromJson(evaluation::toJson(*impact));
        fuzz::require(again.has_value() && *again == *impact, "an impact series reads back as written");
        const evaluation::ImpactEvaluation e = evaluation::evaluateImpactSeries(*impact);
        checkResults(evaluation::impactResultTerms(), [&](const char* key) { return evaluation::impactResult(e, key); },
                     "impact results are finite or have a reason");
        fuzz::require(evaluation::impactTableRow("f", *impact, e).size()
                          == evaluation::impactTableHeader().size(),
                      "the impact row has the header's columns");
    }

    const auto fatigue = evaluation::fatigueSeriesFromJson(object);
    if (!fatigue) {
        fuzz::require(!fatigue.reason().isEmpty(), "a refused fatigue series comes with a message");
    } else {
        const auto again = evaluation::fatigueSeriesFromJson(evaluation::toJson(*fatigue));
        fuzz::require(again.has_value() && *again == *fatigue, "a fatigue series reads back as written");
        const evaluation::FatigueEvaluation e = evaluation::evaluateFatigueSeries(*fatigue);
        checkResults(evaluation::fatigueResultTerms(), [&](const char* key) { return evaluation::fatigueResult(e, key); },
                     "fatigue results are finite or have a reason");
        fuzz::require(evaluation::fatigueTableRow("f", *fatigue, e).size()
                          == evaluation::fatigueTableHeader().size(),
                      "the fatigue row has the header's columns");
    }
    return 0;
}
