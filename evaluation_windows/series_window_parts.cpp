#include "series_window_parts.h"

#include "evaluation/example_files.h"
#include "evaluation_window.h"
#include "series_report.h"
#include "specimen_table_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace evaluation::windows {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SeriesCommands)
};

// The folder a file dialog of the window starts in: that of its series
// file, else the documents.
QString startFolder(const EvaluationWindow* window)
{
    if (!window->filePath().isEmpty())
        return QFileInfo(window->filePath()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void chooseTableToImport(const SeriesCommands& c)
{
    //: Title of the file dialog that reads a table of results.
    auto* dialog = new QFileDialog(c.window, Text::tr("Tabelle einlesen"), startFolder(c.window),
                                   Text::tr("Tabellen (*.csv *.txt *.tsv);;Alle Dateien (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QObject::connect(dialog, &QFileDialog::fileSelected, c.window, [c](const QString& path) { c.importFile(path); });
    dialog->open();
}

void chooseReportFile(const SeriesCommands& c)
{
    const QString base = c.window->filePath().isEmpty() ? Text::tr("Bericht") : QFileInfo(c.window->filePath()).completeBaseName();
    //: Title of the file dialog that saves the PDF report.
    auto* dialog = new QFileDialog(c.window, Text::tr("Bericht als PDF speichern"),
                                   startFolder(c.window) + QLatin1Char('/') + base + QStringLiteral(".pdf"),
                                   Text::tr("PDF-Dokumente (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(dialog, &QFileDialog::fileSelected, c.window, [c](const QString& path) {
        const QString error = writeSeriesReport(path, c.report());
        if (error.isEmpty())
            c.window->statusBar()->showMessage(Text::tr("Bericht gespeichert: %1").arg(QDir::toNativeSeparators(path)), 5000);
        else
            c.window->statusBar()->showMessage(error);
    });
    dialog->open();
}

}

QLabel* arrangeSeriesPanes(EvaluationWindow* window, QWidget* settings, QTableView* specimens, QWidget* diagrams,
                           QTableView* results, const std::function<void()>& changed)
{
    auto* left = new QWidget(window);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(settings);
    leftLayout->addWidget(specimens, 1);

    arrangeResultsView(results);
    auto* notes = new QLabel(window);
    notes->setWordWrap(true);
    notes->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* right = new QSplitter(Qt::Vertical, window);
    right->addWidget(diagrams);
    auto* resultsPane = new QWidget(window);
    auto* resultsLayout = new QVBoxLayout(resultsPane);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->addWidget(results, 1);
    resultsLayout->addWidget(notes);
    right->addWidget(resultsPane);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);

    auto* split = new QSplitter(Qt::Horizontal, window);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({440, 660});
    window->setCentralWidget(split);

    auto* model = qobject_cast<SpecimenTableModel*>(specimens->model());
    QObject::connect(model, &QAbstractItemModel::dataChanged, window, changed);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, window, changed);
    QObject::connect(model, &QAbstractItemModel::modelReset, window, changed);
    QObject::connect(model, &SpecimenTableModel::inputRefused, window,
                     [window](const QString& message) { window->statusBar()->showMessage(message, 8000); });
    return notes;
}

QTableView* specimenTableView(SpecimenTableModel* model, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The new row at the end stays in sight while the table grows.
    QObject::connect(model, &QAbstractItemModel::rowsInserted, view, [view, model] {
        view->scrollTo(model->index(model->rowCount() - 1, 0));
    });
    return view;
}

void arrangeResultsView(QTableView* view)
{
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->setWordWrap(false);
}

void pasteIntoTable(EvaluationWindow* window, QTableView* view, SpecimenTableModel* model)
{
    const QModelIndex at = view->currentIndex();
    const QString error = model->paste(at.isValid() ? at.row() : model->specimenRows(), at.isValid() ? at.column() : 0,
                                       QApplication::clipboard()->text());
    if (!error.isEmpty())
        window->statusBar()->showMessage(error);
}

void removeSelectedRows(QTableView* view, SpecimenTableModel* model)
{
    std::set<int> rows;
    for (const QModelIndex& i : view->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    if (rows.empty() && view->currentIndex().isValid())
        rows.insert(view->currentIndex().row());
    // From the bottom, so that the numbers of the rows still to go hold.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        model->removeRows(*r, 1);
}

void addSeriesCommands(const SeriesCommands& c)
{
    QMenu* file = c.window->fileMenu();
    QAction* beforeClosing = nullptr;
    for (QAction* a : file->actions())
        if (a->isSeparator())
            beforeClosing = a;
    auto* import = new QAction(Text::tr("Tabelle &einlesen …"), c.window);
    import->setShortcut(Qt::CTRL | Qt::Key_I);
    QObject::connect(import, &QAction::triggered, c.window, [c] { chooseTableToImport(c); });
    auto* examples = new QMenu(Text::tr("&Beispiel öffnen"), c.window);
    for (const ExampleFile& e : exampleFiles(c.kind))
        examples->addAction(e.title, c.window, [c, path = e.path] { c.importFile(path); });
    examples->setEnabled(!examples->isEmpty());
    auto* report = new QAction(Text::tr("Bericht als &PDF …"), c.window);
    report->setShortcut(QKeySequence::Print);
    report->setObjectName(QStringLiteral("writeReport"));
    QObject::connect(report, &QAction::triggered, c.window, [c] { chooseReportFile(c); });
    file->insertAction(beforeClosing, import);
    file->insertMenu(beforeClosing, examples);
    file->insertSeparator(beforeClosing);
    file->insertAction(beforeClosing, report);

    QMenu* edit = c.window->editMenu();
    edit->addSeparator();
    edit->addAction(Text::tr("Messwerte &einfügen"), QKeySequence::Paste, c.window,
                    [c] { pasteIntoTable(c.window, c.view, c.model); });
    QAction* remove = edit->addAction(Text::tr("&Zeilen löschen"), c.window, [c] { removeSelectedRows(c.view, c.model); });
    remove->setShortcut(QKeySequence::Delete);
    // Only where the table has the focus: elsewhere the key belongs to the
    // field that has it.
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    c.view->addAction(remove);
}

std::vector<ResultsTableModel::Column> termColumns()
{
    return {{Text::tr("Wert"), {}}, {Text::tr("Standardfehler"), Text::tr("Standardfehler aus der Anpassung")}, {Text::tr("Einheit"), {}}};
}

std::vector<ResultsTableModel::Row> termRows(std::span<const ResultTerm> terms,
                                             const std::function<Outcome<Estimate>(const char* key)>& result)
{
    std::vector<ResultsTableModel::Row> rows;
    for (const ResultTerm& t : terms) {
        const Outcome<Estimate> r = result(t.key);
        ResultsTableModel::Row row;
        //: A row of the results table: the symbol, then the name ("T27J  Übergangstemperatur bei 27 J").
        row.name = Text::tr("%1  %2").arg(t.symbolText(), t.translatedName());
        if (r) {
            ResultCell error;
            if (!t.withError)
                error.text = Outcome<QString>::none(Text::tr("Für diese Größe wird kein Standardfehler angegeben."));
            else if (r->fixed())
                error.text = Outcome<QString>::none(Text::tr("Vom Benutzer festgelegt, nicht angepasst."));
            else
                error.text = t.format(r->standardError, false, 1);
            row.cells = {{t.format(r->value), {}}, error, {t.unitText(), {}}};
        } else {
            const auto none = Outcome<QString>::none(r.reason().isEmpty() ? Text::tr("Nicht bestimmt.") : r.reason());
            row.cells = {{none, {}}, {none, {}}, {t.unitText(), {}}};
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}
