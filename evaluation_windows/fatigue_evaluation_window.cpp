#include "fatigue_evaluation_window.h"

#include "evaluation/machine_file_reader.h"
#include "fatigue_table_model.h"
#include "results_table_model.h"
#include "series_report.h"
#include "series_window_parts.h"
#include "woehler_diagram.h"

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
#include <QTableView>
#include <QVBoxLayout>

namespace evaluation::windows {

namespace {

enum Loading { NoLoading, MeanStress, StressRatio };

constexpr double defaultStep = 10;
constexpr double defaultRunOutLimit = 1e7;

}

FatigueEvaluationWindow::FatigueEvaluationWindow(QWidget* parent)
    //: Title of the window that evaluates a series of fatigue tests.
    : EvaluationWindow(QString::fromLatin1(fatigueSeriesKind), tr("Wöhlerversuch auswerten"), parent)
{
    m_table = new FatigueTableModel(this);
    m_tableView = specimenTableView(m_table, this);
    m_tableView->setObjectName(QStringLiteral("specimenTable"));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(buildSettings());
    leftLayout->addWidget(m_tableView, 1);

    m_diagram = new WoehlerDiagram(this);
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
    right->addWidget(m_diagram);
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

    addSeriesCommands({this, m_tableView, m_table, QString::fromLatin1(fatigueSeriesKind),
                       [this](const QString& path) { return importTable(path); }, [this] { return seriesReport(); }});

    connect(m_table, &QAbstractItemModel::dataChanged, this, &FatigueEvaluationWindow::changedByUser);
    connect(m_table, &QAbstractItemModel::rowsRemoved, this, &FatigueEvaluationWindow::changedByUser);
    connect(m_table, &QAbstractItemModel::modelReset, this, &FatigueEvaluationWindow::changedByUser);
    connect(m_table, &SpecimenTableModel::inputRefused, this,
            [this](const QString& message) { statusBar()->showMessage(message, 8000); });
    evaluate();
}

QWidget* FatigueEvaluationWindow::buildSettings()
{
    //: Group of the settings of a fatigue series.
    auto* box = new QGroupBox(tr("Versuchsreihe"), this);
    auto* form = new QFormLayout(box);

    //: The step between the levels of the staircase series.
    m_stepGiven = new QCheckBox(tr("&Stufenweite d:"), box);
    m_step = new QDoubleSpinBox(box);
    m_step->setRange(0.1, 1000);
    m_step->setDecimals(1);
    m_step->setSuffix(QStringLiteral(" MPa"));
    m_step->setValue(defaultStep);
    //: The number of cycles after which a test is stopped as a run-out.
    m_limitGiven = new QCheckBox(tr("&Grenzschwingspielzahl:"), box);
    m_limit = new QDoubleSpinBox(box);
    m_limit->setRange(1, 1e12);
    m_limit->setDecimals(0);
    m_limit->setGroupSeparatorShown(true);
    m_limit->setSingleStep(1e6);
    m_limit->setValue(defaultRunOutLimit);
    m_limitGiven->setToolTip(tr("Eine eingelesene Tabelle ohne Spalte für Durchläufer zählt jede Probe, "
                                "die diese Schwingspielzahl erreicht hat, als Durchläufer."));
    m_loading = new QComboBox(box);
    //: The series was run without a stated mean stress or stress ratio.
    m_loading->addItem(tr("ohne Angabe"));
    m_loading->addItem(tr("Mittelspannung σm"));
    m_loading->addItem(tr("Spannungsverhältnis R"));
    m_loadingValue = new QDoubleSpinBox(box);
    m_loadingValue->setRange(-10000, 10000);
    m_loadingValue->setDecimals(2);
    form->addRow(m_stepGiven, m_step);
    form->addRow(m_limitGiven, m_limit);
    auto* loading = new QHBoxLayout;
    loading->addWidget(m_loading);
    loading->addWidget(m_loadingValue, 1);
    //: Label of the mean stress or stress ratio of the series.
    form->addRow(tr("&Beanspruchung:"), loading);
    static_cast<QLabel*>(form->labelForField(loading))->setBuddy(m_loading);

    m_stepGiven->setObjectName(QStringLiteral("stepGiven"));
    m_limitGiven->setObjectName(QStringLiteral("runOutLimitGiven"));
    m_loading->setObjectName(QStringLiteral("loading"));
    for (auto [check, value] : {std::pair{m_stepGiven, m_step}, std::pair{m_limitGiven, m_limit}}) {
        value->setEnabled(false);
        connect(check, &QCheckBox::toggled, value, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &FatigueEvaluationWindow::changedByUser);
        connect(value, &QDoubleSpinBox::valueChanged, this, &FatigueEvaluationWindow::changedByUser);
    }
    m_loadingValue->setEnabled(false);
    connect(m_loading, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_loadingValue->setEnabled(index != NoLoading);
        m_loadingValue->setSuffix(index == MeanStress ? QStringLiteral(" MPa") : QString());
        changedByUser();
    });
    connect(m_loadingValue, &QDoubleSpinBox::valueChanged, this, &FatigueEvaluationWindow::changedByUser);
    return box;
}

FatigueSeries FatigueEvaluationWindow::series() const
{
    FatigueSeries s;
    s.specimens = m_table->specimens();
    if (m_stepGiven->isChecked())
        s.staircaseStep = m_step->value();
    if (m_limitGiven->isChecked())
        s.runOutLimit = m_limit->value();
    if (m_loading->currentIndex() == MeanStress)
        s.meanStress = m_loadingValue->value();
    else if (m_loading->currentIndex() == StressRatio)
        s.stressRatio = m_loadingValue->value();
    return s;
}

void FatigueEvaluationWindow::showSeries(const FatigueSeries& s)
{
    m_showing = true;
    m_stepGiven->setChecked(s.staircaseStep.has_value());
    m_step->setValue(s.staircaseStep.value_or(defaultStep));
    m_limitGiven->setChecked(s.runOutLimit.has_value());
    m_limit->setValue(s.runOutLimit.value_or(defaultRunOutLimit));
    m_loading->setCurrentIndex(s.meanStress ? MeanStress : s.stressRatio ? StressRatio : NoLoading);
    m_loadingValue->setValue(s.meanStress ? *s.meanStress : s.stressRatio.value_or(0));
    m_table->setSpecimens(s.specimens);
    m_showing = false;
    evaluate();
}

void FatigueEvaluationWindow::changedByUser()
{
    if (m_showing)
        return;
    evaluate();
    contentChanged();
}

void FatigueEvaluationWindow::evaluate()
{
    const FatigueSeries s = series();
    const QString settingsProblem = fatigueSettingsProblem(s);
    m_evaluation = evaluateFatigueSeries(s);
    WoehlerDiagramContent content;
    content.specimens = s.specimens;
    // An empty table is no fault: the diagram asks for values instead.
    if (!s.specimens.empty())
        content.evaluation = m_evaluation;
    m_diagram->setContent(std::move(content));

    m_results->setRows(termRows(fatigueResultTerms(),
                                [this](const char* key) { return fatigueResult(m_evaluation, key); }));
    QStringList notes = m_table->rowProblems();
    if (!settingsProblem.isEmpty())
        notes << settingsProblem;
    if (!s.specimens.empty())
        notes += fatigueNotes(m_evaluation);
    m_notes->setText(notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!notes.isEmpty());
}

QString FatigueEvaluationWindow::importTable(const QString& path)
{
    const TableReading reading = readResultTable(path);
    QString error = reading.error;
    std::vector<FatigueSpecimen> specimens;
    const FatigueSeries kept = series();
    if (reading.table) {
        const ColumnTable& table = *reading.table;
        const auto read = fatigueSpecimensFromTable(table, guessFatigueColumns(table.headers, table.columnCount()),
                                                    kept.runOutLimit);
        if (read)
            specimens = *read;
        else
            error = read.reason();
    }
    if (!error.isEmpty()) {
        report(tr("Einlesen nicht möglich"), error);
        return error;
    }
    // A table read in is a new series with the settings that were there;
    // unsaved work is asked about first.
    askToKeepWork([this, specimens, kept, path] {
        newSeries();
        FatigueSeries s = kept;
        s.specimens = specimens;
        showSeries(s);
        contentChanged();
        //: %1 is the number of specimens, %2 the file's name.
        statusBar()->showMessage(tr("%1 Proben aus %2 eingelesen.").arg(specimens.size()).arg(QFileInfo(path).fileName()),
                                 8000);
    });
    return {};
}

SeriesReport FatigueEvaluationWindow::seriesReport() const
{
    const FatigueSeries s = series();
    SeriesReport r;
    r.title = tr("Wöhlerversuch: Zeitfestigkeitsgerade und Dauerfestigkeit");
    r.source = filePath().isEmpty() ? tr("Neue Versuchsreihe") : QFileInfo(filePath()).fileName();
    int runOuts = 0, staircase = 0;
    for (const FatigueSpecimen& sp : s.specimens) {
        runOuts += sp.runOut;
        staircase += sp.staircase;
    }
    //: %1 specimens in all, %2 of them run-outs, %3 of the staircase series.
    r.settings << tr("%1 Proben, davon %2 Durchläufer und %3 in der Treppenstufenfolge")
                      .arg(s.specimens.size())
                      .arg(runOuts)
                      .arg(staircase);
    const QLocale locale;
    if (s.staircaseStep)
        r.settings << tr("Stufenweite d = %1 MPa").arg(locale.toString(*s.staircaseStep, 'f', 1));
    if (s.runOutLimit)
        r.settings << tr("Grenzschwingspielzahl %1").arg(locale.toString(qint64(*s.runOutLimit)));
    if (s.meanStress)
        r.settings << tr("Mittelspannung σm = %1 MPa").arg(locale.toString(*s.meanStress, 'f', 1));
    if (s.stressRatio)
        r.settings << tr("Spannungsverhältnis R = %1").arg(locale.toString(*s.stressRatio, 'f', 2));
    //: How the lines of 10 and 90 % are drawn; they describe the scatter of the specimens.
    r.settings << tr("Linien für 10 % und 90 % Bruchwahrscheinlichkeit im Abstand ±1,2816·s in lg N "
                     "(Streuung der Proben, kein Vertrauensbereich)");
    const WoehlerDiagramContent content = m_diagram->content();
    r.diagram = [content](QPainter& p, const QRectF& area, const QFont& font) {
        paintWoehlerDiagram(p, area, content, font);
    };
    r.results = m_results;
    r.notes = m_notes->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.measurements = m_table;
    r.measurementRowsLeftOut = 1;
    return r;
}

QJsonObject FatigueEvaluationWindow::seriesContent(const QString&) const { return toJson(series()); }

EvaluationWindow::OpenResult FatigueEvaluationWindow::openDocument(const SeriesDocument& document, const QString&)
{
    const Outcome<FatigueSeries> s = fatigueSeriesFromJson(document.series);
    if (!s)
        return {s.reason(), {}};
    showSeries(*s);
    return {};
}

void FatigueEvaluationWindow::clearContent() { showSeries(FatigueSeries{}); }

}
