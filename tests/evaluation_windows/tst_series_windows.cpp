#include "common/test_main.h"

#include "evaluation/example_files.h"
#include "evaluation_windows/fatigue_evaluation_window.h"
#include "evaluation_windows/fatigue_table_model.h"
#include "evaluation_windows/impact_evaluation_window.h"
#include "evaluation_windows/impact_table_model.h"
#include "evaluation_windows/results_table_model.h"
#include "evaluation_windows/series_report.h"
#include "evaluation_windows/transition_diagram.h"
#include "evaluation_windows/window_kinds.h"
#include "evaluation_windows/woehler_diagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace evaluation;
using namespace evaluation::windows;

namespace {

QString example(const QString& kind, const QString& name)
{
    for (const ExampleFile& e : exampleFiles(kind))
        if (e.path.endsWith(name))
            return e.path;
    return {};
}

// The results table's text for a term, "–"-less: empty where not determined.
QString resultText(const ResultsTableModel& m, const QString& symbol)
{
    for (int r = 0; r < m.rowCount(); ++r)
        if (m.rows()[r].name.startsWith(symbol + "  "))
            return m.rows()[r].cells[0].text ? *m.rows()[r].cells[0].text : QString();
    return QStringLiteral("no such row");
}

}

class SeriesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        cleanup();
    }
    // The windows keep unsaved work in recovery files; none may outlive a
    // test, or the next start of a window offers it back.
    void cleanup()
    {
        discardRecoveryFile(QString::fromLatin1(impactSeriesKind));
        discardRecoveryFile(QString::fromLatin1(fatigueSeriesKind));
    }

    void bothWindowsAreInTheHubsMenu()
    {
        QStringList texts;
        for (const auto& k : evaluationWindowKinds())
            texts << k.translatedMenuText();
        QVERIFY(texts.contains(QStringLiteral("Kerbschlagbiegeversuch auswerten …")));
        QVERIFY(texts.contains(QStringLiteral("Wöhlerversuch auswerten …")));
        QVERIFY(qobject_cast<ImpactEvaluationWindow*>(evaluationWindow("impact")));
        QVERIFY(qobject_cast<FatigueEvaluationWindow*>(evaluationWindow("fatigue")));
        for (const auto& k : evaluationWindowKinds())
            QVERIFY2(evaluationWindow(QString::fromLatin1(k.kind)), k.kind);
    }

    void anImportedImpactSeriesIsEvaluatedSavedAndReopened()
    {
        const QString path = example("impact", "kerbschlag_S355J2.csv");
        QVERIFY(!path.isEmpty());
        ImpactEvaluationWindow w;
        QCOMPARE(w.importTable(path), QString());
        QVERIFY(w.series().specimens.size() > 8);
        QVERIFY(w.currentEvaluation().energyCurve);
        QVERIFY(w.energyDiagram()->content().curve);
        QVERIFY(!resultText(*w.resultsTable(), "T27J").isEmpty());
        QVERIFY(!resultText(*w.resultsTable(), "FATT50").isEmpty());
        QVERIFY(w.hasUnsavedWork());

        // Settings the file must keep: U notch, 8 mm striker, a fixed lower shelf.
        w.findChild<QComboBox*>("notch")->setCurrentIndex(1);
        QCOMPARE(w.series().notch, NotchType::U);
        QVERIFY(w.specimenTable()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString().startsWith("KU2"));
        w.findChild<QCheckBox*>("lowerShelfFixed")->setChecked(true);
        QCOMPARE(w.series().fixedLowerShelf, std::optional<double>(typicalLowerShelf));

        QTemporaryDir dir;
        const QString file = dir.filePath("reihe.wpserie");
        QVERIFY(w.saveTo(file));
        QVERIFY(!w.hasUnsavedWork());
        ImpactEvaluationWindow reopened;
        QVERIFY(reopened.openFile(file));
        QCOMPARE(reopened.series(), w.series());
        QCOMPARE(resultText(*reopened.resultsTable(), "T27J"), resultText(*w.resultsTable(), "T27J"));
    }

    void anImportedWoehlerSeriesIsEvaluatedSavedAndReopened()
    {
        const QString path = example("fatigue", "woehler_C45.csv");
        QVERIFY(!path.isEmpty());
        FatigueEvaluationWindow w;
        QCOMPARE(w.importTable(path), QString());
        QVERIFY(w.currentEvaluation().finiteLife);
        // No step given yet: the staircase cannot be evaluated, and says why.
        QVERIFY(!w.currentEvaluation().staircase);
        QCOMPARE(resultText(*w.resultsTable(), "σ_D"), QString());
        w.findChild<QCheckBox*>("stepGiven")->setChecked(true);  // 10 MPa
        QVERIFY(w.currentEvaluation().staircase);
        QVERIFY(w.currentEvaluation().knee);
        QVERIFY(!resultText(*w.resultsTable(), "T_N").isEmpty());
        QCOMPARE(w.diagram()->content().specimens.size(), w.series().specimens.size());

        QTemporaryDir dir;
        const QString file = dir.filePath("woehler.wpserie");
        QVERIFY(w.saveTo(file));
        FatigueEvaluationWindow reopened;
        QVERIFY(reopened.openFile(file));
        QCOMPARE(reopened.series(), w.series());
        QCOMPARE(resultText(*reopened.resultsTable(), "σ_D"), resultText(*w.resultsTable(), "σ_D"));
    }

    void tooFewPointsGiveAMessageAndNoCurve()
    {
        ImpactEvaluationWindow w;
        ImpactTableModel& t = *w.specimenTable();
        const double values[][2] = {{-60, 5}, {-20, 60}, {20, 180}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                QVERIFY(t.setData(t.index(r, c), QString::number(values[r][c]), Qt::EditRole));
        QCOMPARE(w.series().specimens.size(), size_t(3));
        const auto& curve = w.energyDiagram()->content().curve;
        QVERIFY(!curve && !curve.reason().isEmpty());
        QCOMPARE(resultText(*w.resultsTable(), "T27J"), QString());
        QVERIFY(w.hasUnsavedWork());
    }

    void aTableThatCannotBeReadChangesNothing()
    {
        QTemporaryDir dir;
        const QString bad = dir.filePath("kaputt.csv");
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Temperatur;KV\n-20;viel\n");
        f.close();
        FatigueEvaluationWindow w;
        w.specimenTable()->setSpecimens({{300, 1e6, false, false}});
        QVERIFY(!w.importTable(bad).isEmpty());
        QCOMPARE(w.series().specimens.size(), size_t(1));
    }

    void theReportIsAPdfOrAMessage_data()
    {
        QTest::addColumn<bool>("impact");
        QTest::addColumn<bool>("writable");
        QTest::newRow("impact") << true << true;
        QTest::newRow("fatigue") << false << true;
        QTest::newRow("no such folder") << true << false;
    }
    void theReportIsAPdfOrAMessage()
    {
        QFETCH(bool, impact);
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const QString path = dir.filePath(writable ? "bericht.pdf" : "fehlt/bericht.pdf");
        ImpactEvaluationWindow i;
        FatigueEvaluationWindow f;
        QVERIFY(impact ? i.importTable(example("impact", "kerbschlag_S355J2.csv")).isEmpty()
                       : f.importTable(example("fatigue", "woehler_C45.csv")).isEmpty());
        const QString error = writeSeriesReport(path, impact ? i.seriesReport() : f.seriesReport());
        QCOMPARE(error.isEmpty(), writable);
        QCOMPARE(QFile::exists(path), writable);
        if (writable) {
            QFile pdf(path);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
            QVERIFY(pdf.size() > 10000);
        }
    }
};

REGISTER_TEST(SeriesWindowTest)
#include "tst_series_windows.moc"
