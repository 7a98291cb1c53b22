#include "impact_evaluation_window.h"

#include "evaluation/machine_file_reader.h"
#include "impact_table_model.h"
#include "results_table_model.h"
#include "series_report.h"
#include "series_window_parts.h"
#include "transition_diagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace evaluation::windows {

namespace {

QDoubleSpinBox* shelfBox(double value, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, 1000);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" J"));
    box->setValue(value);
    box->setEnabled(false);
    return box;
}

}

ImpactEvaluationWindow::ImpactEvaluationWindow(QWidget* parent)
    //: Title of the window that evaluates an impact series.
    : EvaluationWindow(QString::fromLatin1(impactSeriesKind), tr("Kerbschlagbiegeversuch auswerten"), parent)
{
    m_table = new ImpactTableModel(this);
    m_tableView = specimenTableView(m_table, this);
    m_tableView->setObjectName(QStringLiteral("specimenTable"));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(buildSettings());
    leftLayout->addWidget(m_tableView, 1);

    m_energyDiagram = new TransitionDiagram(this);
    m_shearDiagram = new TransitionDiagram(this);
    m_diagrams = new QTabWidget(this);
    //: Tab of the diagram of the absorbed energy over temperature.
    m_diagrams->addTab(m_energyDiagram, tr("Kerbschlagarbeit"));
    //: Tab of the diagram of the shear fracture percentage over temperature.
    m_diagrams->addTab(m_shearDiagram, tr("Scherbruchanteil"));

    //: Head of the first column of the results table.
    m_results = new ResultsTableModel(tr("Größe"), this);
    m_results->setColumns(termColumns());
    auto* resultsView = new QTableView(this);
    resultsView->setObjectName(QStringLiteral("resultsTable"));
    setResultsTable(resultsView, m_results);
    arrangeResultsView(resultsView);
    m_notes = new QLabel(this);
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_diagrams);
    auto* resultsPane = new QWidget(this);
    auto* resultsLayout = new QVBoxLayout(resultsPane);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->addWidget(resultsView, 1);
    resultsLayout->addWidget(m_notes);
    right->addWidget(resultsPane);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({440, 660});
    setCentralWidget(split);

    addSeriesCommands({this, m_tableView, m_table, QString::fromLatin1(impactSeriesKind),
                       [this](const QString& path) { return importTable(path); }, [this] { return seriesReport(); }});

    connect(m_table, &QAbstractItemModel::dataChanged, this, &ImpactEvaluationWindow::changedByUser);
    connect(m_table, &QAbstractItemModel::rowsRemoved, this, &ImpactEvaluationWindow::changedByUser);
    connect(m_table, &QAbstractItemModel::modelReset, this, &ImpactEvaluationWindow::changedByUser);
    connect(m_table, &SpecimenTableModel::inputRefused, this,
            [this](const QString& message) { statusBar()->showMessage(message, 8000); });
    evaluate();
}

QWidget* ImpactEvaluationWindow::buildSettings()
{
    //: Group of the settings of an impact series.
    auto* box = new QGroupBox(tr("Probe und Auswertung"), this);
    auto* form = new QFormLayout(box);
    m_notch = new QComboBox(box);
    m_notch->addItem(notchName(NotchType::V));
    m_notch->addItem(notchName(NotchType::U));
    m_striker = new QComboBox(box);
    m_striker->addItem(strikerName(StrikerRadius::TwoMillimetres));
    m_striker->addItem(strikerName(StrikerRadius::EightMillimetres));
    form->addRow(tr("&Probenform:"), m_notch);
    form->addRow(tr("&Hammerfinne:"), m_striker);

    //: Fixes the lower shelf of the fit at the value beside it.
    m_lowerFixed = new QCheckBox(tr("&Tieflage festlegen:"), box);
    m_lowerShelf = shelfBox(typicalLowerShelf, box);
    //: Fixes the upper shelf of the fit at the value beside it.
    m_upperFixed = new QCheckBox(tr("H&ochlage festlegen:"), box);
    m_upperShelf = shelfBox(200, box);
    form->addRow(m_lowerFixed, m_lowerShelf);
    form->addRow(m_upperFixed, m_upperShelf);
    m_lowerFixed->setToolTip(tr("Ohne Festlegung wird die Tieflage angepasst; "
                                "für ISO-V-Proben aus Stahl sind 2 bis 3 J üblich."));

    m_notch->setObjectName(QStringLiteral("notch"));
    m_striker->setObjectName(QStringLiteral("striker"));
    m_lowerFixed->setObjectName(QStringLiteral("lowerShelfFixed"));
    m_upperFixed->setObjectName(QStringLiteral("upperShelfFixed"));
    for (QComboBox* c : {m_notch, m_striker})
        connect(c, &QComboBox::currentIndexChanged, this, &ImpactEvaluationWindow::changedByUser);
    for (auto [check, value] : {std::pair{m_lowerFixed, m_lowerShelf}, std::pair{m_upperFixed, m_upperShelf}}) {
        connect(check, &QCheckBox::toggled, value, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &ImpactEvaluationWindow::changedByUser);
        connect(value, &QDoubleSpinBox::valueChanged, this, &ImpactEvaluationWindow::changedByUser);
    }
    return box;
}

ImpactSeries ImpactEvaluationWindow::series() const
{
    ImpactSeries s;
    s.notch = m_notch->currentIndex() == 1 ? NotchType::U : NotchType::V;
    s.striker = m_striker->currentIndex() == 1 ? StrikerRadius::EightMillimetres : StrikerRadius::TwoMillimetres;
    if (m_lowerFixed->isChecked())
        s.fixedLowerShelf = m_lowerShelf->value();
    if (m_upperFixed->isChecked())
        s.fixedUpperShelf = m_upperShelf->value();
    s.specimens = m_table->specimens();
    return s;
}

void ImpactEvaluationWindow::showSeries(const ImpactSeries& s)
{
    m_showing = true;
    m_notch->setCurrentIndex(s.notch == NotchType::U ? 1 : 0);
    m_striker->setCurrentIndex(s.striker == StrikerRadius::EightMillimetres ? 1 : 0);
    m_lowerFixed->setChecked(s.fixedLowerShelf.has_value());
    m_lowerShelf->setValue(s.fixedLowerShelf.value_or(typicalLowerShelf));
    m_upperFixed->setChecked(s.fixedUpperShelf.has_value());
    m_upperShelf->setValue(s.fixedUpperShelf.value_or(200));
    m_table->setSpecimens(s.specimens);
    m_showing = false;
    evaluate();
}

void ImpactEvaluationWindow::changedByUser()
{
    if (m_showing)
        return;
    evaluate();
    contentChanged();
}

void ImpactEvaluationWindow::evaluate()
{
    const ImpactSeries s = series();
    m_table->setEnergySymbol(energySymbol(s.notch, s.striker));
    m_evaluation = evaluateImpactSeries(s);

    TransitionDiagramContent energy;
    TransitionDiagramContent shear;
    for (const ImpactSpecimen& sp : s.specimens) {
        energy.points.push_back({sp.temperature, sp.absorbedEnergy});
        if (sp.shearFraction)
            shear.points.push_back({sp.temperature, *sp.shearFraction});
    }
    // An empty table is no fault: the diagram asks for values instead.
    if (!s.specimens.empty()) {
        energy.curve = m_evaluation.energyCurve;
        shear.curve = m_evaluation.shearCurve;
    }
    const QString symbol = energySymbol(s.notch, s.striker);
    //: Title of the value axis; %1 is the energy's symbol (KV2).
    energy.valueTitle = tr("Kerbschlagarbeit %1 in J").arg(symbol);
    energy.unit = QStringLiteral("J");
    energy.marks.push_back({27, m_evaluation.t27J, QStringLiteral("T27J")});
    if (m_evaluation.energyCurve)
        energy.marks.push_back({m_evaluation.energyCurve->upperShelf.value / 2, m_evaluation.tHalfUpperShelf,
                                QStringLiteral("T50%US")});
    shear.valueTitle = tr("Scherbruchanteil in %");
    shear.unit = QStringLiteral("%");
    shear.valueCeiling = 100;
    shear.marks.push_back({50, m_evaluation.fatt50, QStringLiteral("FATT50")});
    m_energyDiagram->setContent(std::move(energy));
    m_shearDiagram->setContent(std::move(shear));

    m_results->setRows(termRows(impactResultTerms(),
                                [this](const char* key) { return impactResult(m_evaluation, key); }));
    QStringList notes = m_table->rowProblems();
    if (!s.specimens.empty())
        notes += impactNotes(m_evaluation);
    m_notes->setText(notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!notes.isEmpty());
}

QString ImpactEvaluationWindow::importTable(const QString& path)
{
    const TableReading reading = readResultTable(path);
    QString error = reading.error;
    std::vector<ImpactSpecimen> specimens;
    if (reading.table) {
        const ColumnTable& table = *reading.table;
        const auto read = impactSpecimensFromTable(table, guessImpactColumns(table.headers, table.columnCount()));
        if (read)
            specimens = *read;
        else
            error = read.reason();
    }
    if (!error.isEmpty()) {
        report(tr("Einlesen nicht möglich"), error);
        return error;
    }
    // A table read in is a new series; what was there is asked about first.
    askToKeepWork([this, specimens, path] {
        const ImpactSeries kept = series();
        newSeries();
        ImpactSeries s;
        s.notch = kept.notch;
        s.striker = kept.striker;
        s.specimens = specimens;
        showSeries(s);
        contentChanged();
        //: %1 is the number of specimens, %2 the file's name.
        statusBar()->showMessage(tr("%1 Proben aus %2 eingelesen.").arg(specimens.size()).arg(QFileInfo(path).fileName()),
                                 8000);
    });
    return {};
}

SeriesReport ImpactEvaluationWindow::seriesReport() const
{
    const ImpactSeries s = series();
    SeriesReport r;
    r.title = tr("Kerbschlagbiegeversuch: Übergangskurve");
    r.source = filePath().isEmpty() ? tr("Neue Versuchsreihe") : QFileInfo(filePath()).fileName();
    //: %1 is the specimen type (V-Kerb), %2 the striker, %3 the energy's symbol.
    r.settings << tr("Probe: %1, %2 (%3)").arg(notchName(s.notch), strikerName(s.striker), energySymbol(s.notch, s.striker));
    const auto shelf = [](const std::optional<double>& fixed, const QString& name) {
        //: %1 is "Tieflage" or "Hochlage", %2 its fixed value.
        return fixed ? tr("%1 festgelegt auf %2 J").arg(name, QLocale().toString(*fixed, 'f', 1))
                     //: %1 is "Tieflage" or "Hochlage".
                     : tr("%1 angepasst").arg(name);
    };
    r.settings << shelf(s.fixedLowerShelf, tr("Tieflage")) + QStringLiteral(", ") + shelf(s.fixedUpperShelf, tr("Hochlage"));
    //: %1 is the number of specimens evaluated.
    r.settings << tr("%1 Proben").arg(s.specimens.size());
    const TransitionDiagramContent energy = m_energyDiagram->content();
    r.diagram = [energy](QPainter& p, const QRectF& area, const QFont& font) {
        paintTransitionDiagram(p, area, energy, font);
    };
    r.results = m_results;
    r.notes = m_notes->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.measurements = m_table;
    r.measurementRowsLeftOut = 1;
    return r;
}

QJsonObject ImpactEvaluationWindow::seriesContent(const QString&) const { return toJson(series()); }

EvaluationWindow::OpenResult ImpactEvaluationWindow::openDocument(const SeriesDocument& document, const QString&)
{
    const Outcome<ImpactSeries> s = impactSeriesFromJson(document.series);
    if (!s)
        return {s.reason(), {}};
    showSeries(*s);
    return {};
}

void ImpactEvaluationWindow::clearContent() { showSeries(ImpactSeries{}); }

}
