#pragma once

// What the impact and the fatigue window share beyond the base window: the
// table the results are typed into with its commands (paste a block, delete
// rows), reading a table of results from a file or a shipped example, the
// results as rows of symbol, value, standard error and unit, and the PDF
// report.
#include "evaluation/estimate.h"
#include "evaluation/outcome.h"
#include "evaluation/result_term.h"
#include "results_table_model.h"

#include <QString>
#include <functional>
#include <span>

class QTableView;
class QWidget;

namespace evaluation::windows {

class EvaluationWindow;
class SpecimenTableModel;
struct SeriesReport;

// The view of a table of specimens: rows selectable as a whole, typing
// starts editing, the columns share the width.
QTableView* specimenTableView(SpecimenTableModel* model, QWidget* parent);

// The view of the results: the names take the width, the numbers what
// they need.
void arrangeResultsView(QTableView* view);

// The commands of a window that evaluates a table of specimens:
//   Datei › Tabelle einlesen … (Ctrl+I), Beispiel öffnen ›, Bericht als PDF … (Ctrl+P)
//   Bearbeiten › Messwerte einfügen (Ctrl+V), Zeilen löschen (Del)
// importFile reads a table of results (or an example) into the window and
// returns the error message, empty when it was read; report makes the
// report's content.
struct SeriesCommands {
    EvaluationWindow* window = nullptr;
    QTableView* view = nullptr;
    SpecimenTableModel* model = nullptr;
    QString kind;  // of the examples to offer
    std::function<QString(const QString& path)> importFile;
    std::function<SeriesReport()> report;
};
void addSeriesCommands(const SeriesCommands& commands);

// Pastes the clipboard's text into the table from the view's current cell;
// a block that cannot be taken is refused with a message on the status bar.
void pasteIntoTable(EvaluationWindow* window, QTableView* view, SpecimenTableModel* model);
// Removes the rows that hold a selected cell.
void removeSelectedRows(QTableView* view, SpecimenTableModel* model);

// The columns and rows of a table of results: a row per term with its
// symbol and name, the value, its standard error (where the term has one)
// and the unit.
std::vector<ResultsTableModel::Column> termColumns();
std::vector<ResultsTableModel::Row> termRows(std::span<const ResultTerm> terms,
                                             const std::function<Outcome<Estimate>(const char* key)>& result);

}
