#include "tensile_evaluation_window.h"

#include "machine_file_import.h"
#include "results_table_model.h"
#include "specimen_panel.h"
#include "stress_strain_plot.h"
#include "tensile_report.h"
#include "tensile_results_table.h"

#include "evaluation/example_files.h"
#include "evaluation/tensile_series_json.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>

namespace evaluation::windows {

TensileEvaluationWindow::TensileEvaluationWindow()
    : EvaluationWindow(QString::fromLatin1(tensileSeriesKind), tr("Zugversuch auswerten"))
{
    m_model = new ResultsTableModel(tr("Probe"), this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("results"));
    setResultsTable(m_table, m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();

    m_plot = new StressStrainPlot(this);
    m_panel = new SpecimenPanel(this);
    auto* panelScroll = new QScrollArea(this);
    panelScroll->setWidget(m_panel);
    panelScroll->setWidgetResizable(true);
    m_help = new QTextBrowser(this);
    m_help->setObjectName(QStringLiteral("help"));

    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(panelScroll);
    top->addWidget(m_plot);
    top->setStretchFactor(1, 1);
    auto* bottom = new QSplitter(Qt::Horizontal, this);
    bottom->addWidget(m_table);
    bottom->addWidget(m_help);
    bottom->setStretchFactor(0, 3);
    bottom->setStretchFactor(1, 1);
    auto* main = new QSplitter(Qt::Vertical, this);
    main->addWidget(top);
    main->addWidget(bottom);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 2);
    setCentralWidget(main);

    QAction* separator = fileMenu()->actions().value(fileMenu()->actions().size() - 2);
    QAction* report = new QAction(tr("Bericht als &PDF …"), this);
    report->setShortcut(Qt::CTRL | Qt::Key_P);
    connect(report, &QAction::triggered, this, &TensileEvaluationWindow::chooseReportFile);
    fileMenu()->insertAction(separator, report);

    QMenu* specimens = menuBar()->addMenu(tr("&Probe"));
    specimens->addAction(tr("&Messdatei hinzufügen …"), Qt::CTRL | Qt::Key_I, this,
                         &TensileEvaluationWindow::chooseMachineFile);
    QMenu* examples = specimens->addMenu(tr("&Beispiel hinzufügen"));
    for (const ExampleFile& e : exampleFiles(QString::fromLatin1(tensileSeriesKind)))
        examples->addAction(e.title, this, [this, path = e.path] { importMachineFile(path); });
    examples->setEnabled(!examples->isEmpty());
    specimens->addAction(tr("Probe &ohne Kurve hinzufügen"), this, &TensileEvaluationWindow::addTypedSpecimen);
    specimens->addSeparator();
    QAction* remove = specimens->addAction(tr("Probe &entfernen"), this,
                                           [this] { removeSpecimen(currentSpecimen()); });
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(remove);

    connect(m_model, &ResultsTableModel::inclusionToggled, this, &TensileEvaluationWindow::setIncluded);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        const int i = currentSpecimen();
        m_panel->showSpecimen(i >= 0 ? &m_series.specimens[size_t(i)] : nullptr);
        showHelp();
    });
    connect(m_panel, &SpecimenPanel::edited, this, &TensileEvaluationWindow::takePanel);
    refresh();
    showHelp();
}

QString TensileEvaluationWindow::nextName() const
{
    for (int n = int(m_series.specimens.size()) + 1;; ++n) {
        const QString name = tr("P%1").arg(n);
        if (std::none_of(m_series.specimens.begin(), m_series.specimens.end(),
                         [&](const TensileSpecimen& s) { return s.name == name; }))
            return name;
    }
}

int TensileEvaluationWindow::currentSpecimen() const
{
    const int row = m_table->currentIndex().row();
    return row >= 0 && row < int(m_series.specimens.size()) ? row : -1;
}

void TensileEvaluationWindow::selectSpecimen(int index)
{
    if (index >= 0 && index < int(m_series.specimens.size()))
        m_table->setCurrentIndex(m_model->index(index, 0));
}

void TensileEvaluationWindow::chooseMachineFile()
{
    auto* dialog = new QFileDialog(this, tr("Messdatei hinzufügen"),
                                   QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                   tr("Messdateien (*.csv *.txt *.dat *.asc *.tsv);;Alle Dateien (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &TensileEvaluationWindow::importMachineFile);
    dialog->open();
}

void TensileEvaluationWindow::importMachineFile(const QString& path)
{
    const MachineFileInspection inspection = inspectMachineFile(path);
    if (!inspection.layout) {
        report(tr("Messdatei nicht lesbar"), inspection.error);
        return;
    }
    auto* dialog = new MachineFileImportDialog(path, inspection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, path] {
        const MachineFileLayout layout = dialog->layout();
        const ColumnChoice choice = dialog->choice();
        readMachineFileInBackground(this, path, layout, choice, [this, path, layout, choice](MachineFileReading r) {
            if (r.cancelled)
                return;
            if (!r.record) {
                report(tr("Messdatei nicht lesbar"), r.error);
                return;
            }
            TensileSpecimen s;
            s.name = nextName();
            s.source = CurveSource{QFileInfo(path).absoluteFilePath(), layout, choice, r.checksum};
            s.record = std::make_shared<const TestRecord>(std::move(*r.record));
            // What the machine wrote about the specimen fills the fields.
            const SpecimenHints hints = specimenHintsFromMetadata(layout.metadata);
            if (hints.a0 && hints.b0) {
                s.specimen.crossSection = CrossSection::Flat;
                s.specimen.a0 = *hints.a0;
                s.specimen.b0 = *hints.b0;
            } else if (!m_series.specimens.empty()) {
                // Lab courses test specimens of one shape: the last one's data.
                s.specimen = m_series.specimens.back().specimen;
                s.specimen.Lu = s.specimen.du = s.specimen.Su = s.specimen.Fm = std::nullopt;
            }
            if (hints.d0)
                s.specimen.d0 = *hints.d0;
            if (hints.L0)
                s.specimen.L0 = *hints.L0;
            if (hints.Le)
                s.specimen.Le = hints.Le;
            s.specimen.extensionSource = choice.crossheadTravel ? ExtensionSource::Crosshead
                                                                : ExtensionSource::Extensometer;
            addSpecimen(std::move(s));
        });
    });
    dialog->open();
}

void TensileEvaluationWindow::addSpecimen(TensileSpecimen specimen)
{
    if (specimen.name.isEmpty())
        specimen.name = nextName();
    // A curve that came from no file the series could refer to is kept in
    // the series file itself.
    if (specimen.record && !specimen.source)
        specimen.embedCurve = true;
    specimen.evaluate();
    m_series.specimens.push_back(std::move(specimen));
    refresh();
    selectSpecimen(int(m_series.specimens.size()) - 1);
    contentChanged();
}

void TensileEvaluationWindow::addTypedSpecimen()
{
    TensileSpecimen s;
    if (!m_series.specimens.empty())
        s.specimen = m_series.specimens.back().specimen;
    s.specimen.Lu = s.specimen.du = s.specimen.Su = s.specimen.Fm = std::nullopt;
    addSpecimen(std::move(s));
}

void TensileEvaluationWindow::removeSpecimen(int index)
{
    if (index < 0 || index >= int(m_series.specimens.size()))
        return;
    m_series.specimens.erase(m_series.specimens.begin() + index);
    refresh();
    selectSpecimen(std::min(index, int(m_series.specimens.size()) - 1));
    contentChanged();
}

void TensileEvaluationWindow::setIncluded(int index, bool included)
{
    if (index < 0 || index >= int(m_series.specimens.size()) || m_series.specimens[size_t(index)].included == included)
        return;
    m_series.specimens[size_t(index)].included = included;
    refresh();
    contentChanged();
}

void TensileEvaluationWindow::takePanel()
{
    const int i = currentSpecimen();
    if (i < 0)
        return;
    TensileSpecimen& s = m_series.specimens[size_t(i)];
    if (!m_panel->read(s))
        return;
    s.evaluate();
    refresh();
    m_panel->showSpecimen(&s);
    contentChanged();
}

void TensileEvaluationWindow::refresh()
{
    const int current = currentSpecimen();
    m_model->setColumns(tensileColumns(m_series));
    m_model->setRows(tensileRows(m_series));
    if (current >= 0)
        selectSpecimen(std::min(current, int(m_series.specimens.size()) - 1));

    std::vector<PlotCurve> curves;
    for (size_t i = 0; i < m_series.specimens.size(); ++i) {
        const TensileSpecimen& s = m_series.specimens[i];
        if (!s.included || !s.record || originalCrossSection(s.specimen) <= 0)
            continue;
        const StressStrainCurve c = stressStrainCurve(*s.record, s.specimen, s.result.strainOrigin);
        PlotCurve curve{s.name, specimenColour(i), std::make_shared<const std::vector<double>>(c.strain),
                        std::make_shared<const std::vector<double>>(c.stress), {}};
        // Values at one point of the curve (Fm, Rm and Agt at the maximum)
        // share one mark, their symbols side by side.
        for (TensileQuantity q : allTensileQuantities) {
            const TensileOutcome& v = s.result[q];
            if (!v || !v->mark)
                continue;
            const QString symbol = q == TensileQuantity::ElongationAfterFracture ? s.result.elongation.text
                                                                                 : tensileTerm(q).symbolText();
            auto same = std::find_if(curve.marks.begin(), curve.marks.end(), [&](const PlotMark& m) {
                return m.strain == v->mark->strain && m.stress == v->mark->stress;
            });
            if (same != curve.marks.end())
                same->symbol += QStringLiteral(", ") + symbol;
            else
                curve.marks.push_back({symbol, v->mark->strain, v->mark->stress});
        }
        curves.push_back(std::move(curve));
    }
    m_plot->setCurves(std::move(curves));
}

void TensileEvaluationWindow::showHelp()
{
    // The definition of every value, and why values of the chosen specimen
    // are missing or not valid.
    QString html = tr("<h3>Kennwerte nach DIN EN ISO 6892-1</h3>");
    const int i = currentSpecimen();
    if (i >= 0) {
        const QStringList notes = tensileNotes(m_series.specimens[size_t(i)].result);
        if (!notes.isEmpty()) {
            html += tr("<p><b>%1:</b></p><ul>").arg(m_series.specimens[size_t(i)].name.toHtmlEscaped());
            for (const QString& n : notes)
                html += QStringLiteral("<li>%1</li>").arg(n.toHtmlEscaped());
            html += QStringLiteral("</ul>");
        }
    }
    html += QStringLiteral("<dl>");
    for (TensileQuantity q : allTensileQuantities) {
        const ResultTerm& t = tensileTerm(q);
        html += QStringLiteral("<dt><b>%1</b> – %2</dt><dd>%3</dd>")
                    .arg(QString::fromUtf8(t.html), t.translatedName().toHtmlEscaped(),
                         t.translatedDefinition().toHtmlEscaped());
    }
    m_help->setHtml(html + QStringLiteral("</dl>"));
}

void TensileEvaluationWindow::chooseReportFile()
{
    QString suggested = filePath().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                             : QFileInfo(filePath()).absolutePath();
    suggested += u'/' + (filePath().isEmpty() ? tr("Zugversuch") : QFileInfo(filePath()).completeBaseName()) +
                 QStringLiteral(".pdf");
    auto* dialog = new QFileDialog(this, tr("Bericht als PDF"), suggested, tr("PDF-Dokumente (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (const QString error = exportReport(path); !error.isEmpty())
            report(tr("Bericht nicht geschrieben"), error);
        else
            statusBar()->showMessage(tr("Bericht geschrieben: %1").arg(QDir::toNativeSeparators(path)), 5000);
    });
    dialog->open();
}

QString TensileEvaluationWindow::exportReport(const QString& path) { return writeTensileReport(path, m_series, *m_plot); }

QJsonObject TensileEvaluationWindow::seriesContent(const QString& seriesPath) const
{
    return toJson(m_series, seriesPath);
}

EvaluationWindow::OpenResult TensileEvaluationWindow::openDocument(const SeriesDocument& document,
                                                                   const QString& seriesPath)
{
    TensileSeriesReading reading = tensileSeriesFromDocument(document, seriesPath);
    if (!reading.series)
        return {reading.error, {}};
    m_series = std::move(*reading.series);
    refresh();
    selectSpecimen(0);
    return {{}, reading.warnings};
}

void TensileEvaluationWindow::clearContent()
{
    m_series = {};
    refresh();
    m_panel->showSpecimen(nullptr);
    showHelp();
}

}
