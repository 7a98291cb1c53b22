#pragma once

// "Zugversuch auswerten": a series of one's own tensile tests. Machine files
// are read through the import dialog (or typed values taken without a
// curve); the table shows the values of DIN EN ISO 6892-1 for every specimen
// with mean and standard deviation, the diagram all curves with their values
// marked, the panel the data of the specimen chosen in the table, and the
// help pane the definition of the value chosen.
#include "evaluation_window.h"

#include "evaluation/tensile_series.h"

class QTableView;
class QTextBrowser;

namespace evaluation::windows {

class SpecimenPanel;
class StressStrainPlot;

class TensileEvaluationWindow : public EvaluationWindow {
    Q_OBJECT
public:
    TensileEvaluationWindow();

    const TensileSeries& series() const { return m_series; }
    StressStrainPlot* diagram() const { return m_plot; }
    QTableView* table() const { return m_table; }

    // Asks for a machine file, shows the import dialog, then reads it.
    void chooseMachineFile();
    // Shows the import dialog for a file (the examples go straight here).
    void importMachineFile(const QString& path);
    // Adds a specimen read from a machine file; the curve is kept.
    void addSpecimen(TensileSpecimen specimen);
    // A specimen without a curve, for typed values.
    void addTypedSpecimen();
    void removeSpecimen(int index);
    void setIncluded(int index, bool included);
    // Takes the specimen data the panel holds for the current specimen.
    void takePanel();
    int currentSpecimen() const;
    void selectSpecimen(int index);

    void chooseReportFile();
    QString exportReport(const QString& path);

protected:
    QJsonObject seriesContent(const QString& seriesPath) const override;
    OpenResult openDocument(const SeriesDocument& document, const QString& seriesPath) override;
    void clearContent() override;

private:
    void refresh();
    void showHelp();
    QString nextName() const;

    TensileSeries m_series;
    ResultsTableModel* m_model;
    QTableView* m_table;
    StressStrainPlot* m_plot;
    SpecimenPanel* m_panel;
    QTextBrowser* m_help;
};

}
