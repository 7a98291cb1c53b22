#pragma once

// "Kerbschlagbiegeversuch auswerten": an impact series typed in or read from
// a table, with specimen type and striker, the shelves optionally fixed; its
// transition curve with T27J, T50%US and, where shear fractions are given,
// FATT50, each with its standard error.
#include "evaluation/impact_evaluation.h"
#include "evaluation/impact_series.h"
#include "evaluation_window.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTabWidget;
class QTableView;

namespace evaluation::windows {

class ImpactTableModel;
class ResultsTableModel;
class TransitionDiagram;
struct SeriesReport;

class ImpactEvaluationWindow : public EvaluationWindow {
    Q_OBJECT
public:
    explicit ImpactEvaluationWindow(QWidget* parent = nullptr);

    // The series as the window shows it: the settings and the complete rows.
    ImpactSeries series() const;
    const ImpactEvaluation& currentEvaluation() const { return m_evaluation; }
    // Reads a table of results into a new series; the error message, empty
    // when it was read.
    QString importTable(const QString& path);
    SeriesReport seriesReport() const;

    TransitionDiagram* energyDiagram() const { return m_energyDiagram; }
    TransitionDiagram* shearDiagram() const { return m_shearDiagram; }
    ImpactTableModel* specimenTable() const { return m_table; }
    ResultsTableModel* resultsTable() const { return m_results; }

protected:
    QJsonObject seriesContent(const QString& seriesPath) const override;
    OpenResult openDocument(const SeriesDocument& document, const QString& seriesPath) override;
    void clearContent() override;

private:
    QWidget* buildSettings();
    void showSeries(const ImpactSeries& series);
    // Evaluates what the window shows and redraws; a change by the user is
    // also kept (autosave).
    void evaluate();
    void changedByUser();

    ImpactTableModel* m_table;
    QTableView* m_tableView;
    QComboBox* m_notch;
    QComboBox* m_striker;
    QCheckBox* m_lowerFixed;
    QDoubleSpinBox* m_lowerShelf;
    QCheckBox* m_upperFixed;
    QDoubleSpinBox* m_upperShelf;
    QTabWidget* m_diagrams;
    TransitionDiagram* m_energyDiagram;
    TransitionDiagram* m_shearDiagram;
    ResultsTableModel* m_results;
    QLabel* m_notes;
    ImpactEvaluation m_evaluation;
    bool m_showing = false;  // filling the controls, not a change by the user
};

}
