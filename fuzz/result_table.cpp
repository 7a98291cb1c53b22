// Tables of impact and fatigue results as the command line and the import
// read them: the layout guess, the reader with empty cells, the columns
// found by their heads and the specimens of the rows.
//   - Reading gives a table or a message, never both or neither; a table has
//     columns of equal length, rising line numbers and its file's name.
//   - Its specimens are a list or a message; every specimen taken has values
//     its kind accepts.
//   - A short series is evaluated: every result has a finite value or a
//     reason, and the row has the header's columns.
#include "fuzz_support.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"
#include "evaluation/machine_file_reader.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

using namespace evaluation;

namespace {

// Enough for the transition fit and the regression to run, few enough that
// each input stays quick.
constexpr size_t evaluatedSpecimens = 40;

template <class Result>
void checkResults(std::span<const ResultTerm> terms, Result result, const char* kind)
{
    for (const ResultTerm& t : terms) {
        const Outcome<Estimate> r = result(t.key);
        if (r)
            fuzz::require(std::isfinite(r->value) && std::isfinite(r->standardError), kind, t.symbolText());
        else
            fuzz::require(!r.reason().isEmpty(), kind, t.symbolText());
    }
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TableReading reading = readResultTableData(bytes, QStringLiteral("reihe.csv"));
    fuzz::require(reading.table.has_value() != !reading.error.isEmpty(), "a table or a message", reading.error);
    if (!reading.table)
        return 0;
    const ColumnTable& table = *reading.table;
    fuzz::require(table.consistent() && table.rowCount() > 0, "columns of equal length with rows");
    fuzz::require(table.headers.isEmpty() || table.headers.size() == table.columnCount(), "a head per column");
    for (size_t i = 1; i < table.lines.size(); ++i)
        fuzz::require(table.lines[i] > table.lines[i - 1], "rising line numbers");
    fuzz::require(table.whereRow(0).startsWith(QStringLiteral("reihe.csv, Zeile ")), "rows named by file and line");

    const auto impact = impactSpecimensFromTable(table, guessImpactColumns(table.headers, table.columnCount()));
    fuzz::require(impact.has_value() != !impact.reason().isEmpty(), "impact specimens or a message");
    if (impact) {
        for (const ImpactSpecimen& s : *impact)
            fuzz::require(impactSpecimenProblem(s).isEmpty(), "only impact specimens with sound values");
        if (impact->size() <= evaluatedSpecimens) {
            ImpactSeries series;
            series.specimens = *impact;
            const ImpactEvaluation e = evaluateImpactSeries(series);
            checkResults(impactResultTerms(), [&](const char* key) { return impactResult(e, key); },
                         "impact results are finite or have a reason");
            fuzz::require(impactTableRow("f", series, e).size() == impactTableHeader().size(), "impact row");
        }
    }

    const auto fatigue = fatigueSpecimensFromTable(table, guessFatigueColumns(table.headers, table.columnCount()), 1e7);
    fuzz::require(fatigue.has_value() != !fatigue.reason().isEmpty(), "fatigue specimens or a message");
    if (fatigue) {
        for (const FatigueSpecimen& s : *fatigue)
            fuzz::require(fatigueSpecimenProblem(s).isEmpty(), "only fatigue specimens with sound values");
        if (fatigue->size() <= evaluatedSpecimens) {
            FatigueSeries series;
            series.staircaseStep = 10;
            series.specimens = *fatigue;
            const FatigueEvaluation e = evaluateFatigueSeries(series);
            checkResults(fatigueResultTerms(), [&](const char* key) { return fatigueResult(e, key); },
                         "fatigue results are finite or have a reason");
            fuzz::require(fatigueTableRow("f", series, e).size() == fatigueTableHeader().size(), "fatigue row");
        }
    }
    return 0;
}
