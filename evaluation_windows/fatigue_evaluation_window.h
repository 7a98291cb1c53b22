#pragma once

// "Wöhlerversuch auswerten": a series of fatigue tests typed in or read from
// a table, with the staircase series' step and the run-out limit, and the
// mean stress or stress ratio it was run at; its finite-life line with k,
// the scatter and T_N, the lines of 10, 50 and 90 % probability of failure,
// the endurance limit from the staircase series and the knee point.
#include "evaluation/fatigue_evaluation.h"
#include "evaluation/fatigue_series.h"
#include "evaluation_window.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableView;

namespace evaluation::windows {

class FatigueTableModel;
class ResultsTableModel;
class WoehlerDiagram;
struct SeriesReport;

class FatigueEvaluationWindow : public EvaluationWindow {
    Q_OBJECT
public:
    explicit FatigueEvaluationWindow(QWidget* parent = nullptr);

    FatigueSeries series() const;
    const FatigueEvaluation& currentEvaluation() const { return m_evaluation; }
    QString importTable(const QString& path);
    SeriesReport seriesReport() const;

    WoehlerDiagram* diagram() const { return m_diagram; }
    FatigueTableModel* specimenTable() const { return m_table; }
    ResultsTableModel* resultsTable() const { return m_results; }

protected:
    QJsonObject seriesContent(const QString& seriesPath) const override;
    OpenResult openDocument(const SeriesDocument& document, const QString& seriesPath) override;
    void clearContent() override;

private:
    QWidget* buildSettings();
    void showSeries(const FatigueSeries& series);
    void evaluate();
    void changedByUser();

    FatigueTableModel* m_table;
    QTableView* m_tableView;
    QCheckBox* m_stepGiven;
    QDoubleSpinBox* m_step;
    QCheckBox* m_limitGiven;
    QDoubleSpinBox* m_limit;
    QComboBox* m_loading;        // none, mean stress, stress ratio
    QDoubleSpinBox* m_loadingValue;
    WoehlerDiagram* m_diagram;
    ResultsTableModel* m_results;
    QLabel* m_notes;
    FatigueEvaluation m_evaluation;
    bool m_showing = false;
};

}
