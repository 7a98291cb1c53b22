#include "tensile_results_table.h"

#include "evaluation/tensile_quantities.h"

#include <QCoreApplication>

namespace evaluation::windows {

namespace {

struct TensileTable {
    Q_DECLARE_TR_FUNCTIONS(evaluation::windows::TensileTable)
};

ResultCell cellOf(TensileQuantity q, const TensileOutcome& outcome)
{
    if (!outcome)
        return {Outcome<QString>::none(outcome.reason()), {}};
    QString note = outcome->note;
    if (!outcome->valid)
        note = TensileTable::tr("Nicht normgerecht: %1").arg(note);
    return {tensileTerm(q).format(outcome->value), note};
}

}

ElongationSymbol seriesElongationSymbol(const TensileSeries& series)
{
    std::optional<ElongationSymbol> shared;
    for (const TensileSpecimen& s : series.specimens) {
        if (!shared)
            shared = s.result.elongation;
        else if (shared->text != s.result.elongation.text)
            return {QStringLiteral("A"), QStringLiteral("A"), std::nullopt};
    }
    return shared.value_or(ElongationSymbol{QStringLiteral("A"), QStringLiteral("A"), std::nullopt});
}

std::vector<ResultsTableModel::Column> tensileColumns(const TensileSeries& series)
{
    std::vector<ResultsTableModel::Column> columns;
    for (TensileQuantity q : allTensileQuantities) {
        const ResultTerm& t = tensileTerm(q);
        QString title = t.columnTitle();
        if (q == TensileQuantity::ElongationAfterFracture)
            title = seriesElongationSymbol(series).text + u'/' + t.unitText();
        //: tooltip of a column: %1 the value's name, %2 its definition
        columns.push_back({title, TensileTable::tr("<b>%1</b><br>%2").arg(t.translatedName(), t.translatedDefinition())});
    }
    return columns;
}

std::vector<ResultsTableModel::Row> tensileRows(const TensileSeries& series)
{
    std::vector<ResultsTableModel::Row> rows;
    for (const TensileSpecimen& s : series.specimens) {
        ResultsTableModel::Row row{s.name, {}, s.included, false};
        for (TensileQuantity q : allTensileQuantities)
            row.cells.push_back(cellOf(q, s.result[q]));
        rows.push_back(std::move(row));
    }
    if (series.specimens.size() < 2)
        return rows;
    const auto statistics = tensileStatistics(series);
    ResultsTableModel::Row mean{TensileTable::tr("Mittelwert"), {}, std::nullopt, true};
    ResultsTableModel::Row deviation{TensileTable::tr("Standardabweichung"), {}, std::nullopt, true};
    for (TensileQuantity q : allTensileQuantities) {
        const SeriesStatistic& st = statisticOf(statistics, q);
        mean.cells.push_back(cellOf(q, st.mean));
        deviation.cells.push_back(cellOf(q, st.standardDeviation));
    }
    rows.push_back(std::move(mean));
    rows.push_back(std::move(deviation));
    return rows;
}

}
