#include "common/test_main.h"

#include "evaluation/example_files.h"
#include "evaluation/synthetic_tensile_curve.h"
#include "evaluation/tensile_quantities.h"
#include "evaluation/tensile_series_json.h"
#include "evaluation_windows/machine_file_import.h"
#include "evaluation_windows/results_table_model.h"
#include "evaluation_windows/specimen_panel.h"
#include "evaluation_windows/stress_strain_plot.h"
#include "evaluation_windows/tensile_evaluation_window.h"
#include "evaluation_windows/window_kinds.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QDialogButtonBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace evaluation;
using namespace evaluation::windows;

namespace {

TensileSpecimen measured(const SyntheticTest& test, const QString& name = {})
{
    TensileSpecimen s;
    s.name = name;
    s.specimen = test.specimen;
    s.record = std::make_shared<const TestRecord>(test.record);
    return s;
}

int column(TensileQuantity q) { return 1 + int(q); }

QString cell(const TensileEvaluationWindow& w, int row, TensileQuantity q)
{
    return w.table()->model()->index(row, column(q)).data().toString();
}

double number(const QString& text) { return QLocale().toDouble(text); }

// Counts the colour's pixels in the image.
int pixelsOf(const QImage& image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

QImage drawn(const StressStrainPlot& plot, QSize size = {800, 500})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    plot.paintDiagram(p, image.rect());
    return image;
}

}

class TensileWindowTest : public QObject {
    Q_OBJECT
    SyntheticTest steel, aluminium;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("werkstoffpruefung-tests"));
        testsupport::hidePlatformNotes();
        steel = syntheticTest(DiscontinuousYieldingModel{}, {300, 2500, 0.002, 11});
        aluminium = syntheticTest(ContinuousYieldingModel{}, {300, 2500, 0.002, 12});
    }
    void init() { discardRecoveryFile(QString::fromLatin1(tensileSeriesKind)); }

    // A dimension is read in the interface language's numbers first; a
    // decimal comma or point that the language does not write is taken too.
    void specimenNumbersFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("German comma") << "de_DE" << "10,5" << 10.5;
        QTest::newRow("German, a point") << "de_DE" << "10.5" << 10.5;
        QTest::newRow("English point") << "en_US" << "10.5" << 10.5;
        QTest::newRow("English thousands") << "en_US" << "1,000" << 1000.0;
        QTest::newRow("English, a comma") << "en_US" << "10,5" << 10.5;
    }
    void specimenNumbersFollowTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const std::optional<double> read = SpecimenPanel::parseNumber(text);
        QLocale::setDefault(before);
        QVERIFY(read);
        QCOMPARE(*read, value);
    }

    // It opens no larger than the screen has room for: 1100 x 760 on a
    // large one, less on this test's (800 x 600 with the offscreen platform).
    void opensWithinTheScreen()
    {
        TensileEvaluationWindow w;
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY2(w.width() < room.width() && w.height() < room.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(w.width()).arg(w.height())));
        QVERIFY(w.minimumSizeHint().width() < room.width() && w.minimumSizeHint().height() < room.height());
    }

    void theHubOpensIt()
    {
        const auto& kinds = evaluationWindowKinds();
        QVERIFY(!kinds.empty());
        QCOMPARE(kinds.front().translatedMenuText(), QStringLiteral("Zugversuch auswerten …"));
        QVERIFY(qobject_cast<TensileEvaluationWindow*>(evaluationWindow("tensile")));
        QCOMPARE(evaluationWindow("tensile"), evaluationWindow("tensile"));
    }

    // Each specimen a row of values, "–" with the reason where a value does
    // not apply, mean and deviation over the specimens switched on.
    void valuesOfASeries()
    {
        TensileEvaluationWindow w;
        w.addSpecimen(measured(steel));
        QCOMPARE(w.table()->model()->rowCount(), 1);
        QCOMPARE(cell(w, 0, TensileQuantity::ProofStrength), QStringLiteral("–"));
        QVERIFY(!w.table()->model()->index(0, column(TensileQuantity::ProofStrength))
                     .data(Qt::ToolTipRole).toString().isEmpty());
        QCOMPARE_LE(std::abs(number(cell(w, 0, TensileQuantity::UpperYieldStrength)) - steel.known.ReH),
                    0.01 * steel.known.ReH);
        QCOMPARE_LE(std::abs(number(cell(w, 0, TensileQuantity::TensileStrength)) - steel.known.Rm),
                    0.005 * steel.known.Rm);

        w.addSpecimen(measured(aluminium));
        QCOMPARE(w.table()->model()->rowCount(), 4);
        QCOMPARE(w.table()->model()->index(2, 0).data().toString(), QStringLiteral("Mittelwert"));
        const double meanRm = number(cell(w, 2, TensileQuantity::TensileStrength));
        QCOMPARE_LE(std::abs(meanRm - (steel.known.Rm + aluminium.known.Rm) / 2), 3.0);
        QCOMPARE(w.diagram()->curves().size(), size_t(2));

        // Switched off: out of the statistics and the diagram, still in the table.
        QVERIFY(w.table()->model()->setData(w.table()->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(cell(w, 2, TensileQuantity::TensileStrength), cell(w, 1, TensileQuantity::TensileStrength));
        QCOMPARE(w.diagram()->curves().size(), size_t(1));
        QVERIFY(w.hasUnsavedWork());
    }

    // Typed values only, as a lab course hands them out.
    void valuesWithoutACurve_data()
    {
        QTest::addColumn<double>("Fm");
        QTest::addColumn<double>("Lu");
        QTest::addColumn<double>("du");
        QTest::addColumn<QString>("Rm");
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("Z");
        // S0 = 78,54 mm²
        QTest::newRow("steel") << 40.0 << 60.0 << 6.0 << "509" << "20,0" << "64";
        QTest::newRow("no final values") << 31.4 << 0.0 << 0.0 << "400" << "–" << "–";
    }
    void valuesWithoutACurve()
    {
        QFETCH(double, Fm);
        QFETCH(double, Lu);
        QFETCH(double, du);
        TensileEvaluationWindow w;
        TensileSpecimen s;
        s.specimen.d0 = 10;
        s.specimen.L0 = 50;
        s.specimen.Fm = Fm;
        if (Lu > 0)
            s.specimen.Lu = Lu;
        if (du > 0)
            s.specimen.du = du;
        w.addSpecimen(s);
        QTEST(cell(w, 0, TensileQuantity::TensileStrength), "Rm");
        QTEST(cell(w, 0, TensileQuantity::ElongationAfterFracture), "A");
        QTEST(cell(w, 0, TensileQuantity::ReductionOfArea), "Z");
        QCOMPARE(cell(w, 0, TensileQuantity::ElasticSlope), QStringLiteral("–"));
        QVERIFY(w.diagram()->curves().empty());
    }

    void savedSeriesReopensWithItsCurves()
    {
        QTemporaryDir dir;
        const std::vector<ExampleFile> examples = exampleFiles("tensile");
        QVERIFY(examples.size() >= 3);
        TensileEvaluationWindow w;
        TensileSpecimen s = measured(steel, "S1");
        s.embedCurve = true;
        w.addSpecimen(s);
        w.addSpecimen(measured(aluminium, "Al"));
        w.setIncluded(1, false);
        QVERIFY(w.saveTo(dir.filePath("reihe.wpserie")));

        TensileEvaluationWindow reopened;
        QVERIFY(reopened.openFile(dir.filePath("reihe.wpserie")));
        QCOMPARE(reopened.series().specimens.size(), size_t(2));
        QVERIFY(!reopened.series().specimens[1].included);
        QCOMPARE(reopened.resultsText(), w.resultsText());
    }

    void reportIsAPdf()
    {
        QTemporaryDir dir;
        TensileEvaluationWindow w;
        w.addSpecimen(measured(steel, "S1"));
        QVERIFY(w.exportReport(dir.filePath("bericht.pdf")).isEmpty());
        QFile pdf(dir.filePath("bericht.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 20000);  // the diagram is in it
        QVERIFY(!w.exportReport(dir.filePath("fehlt/bericht.pdf")).isEmpty());
    }

    // Each specimen's curve in its colour; one switched off is not drawn.
    void diagramDrawsEveryCurve()
    {
        TensileEvaluationWindow w;
        w.addSpecimen(measured(steel));
        w.addSpecimen(measured(aluminium));
        const QImage both = drawn(*w.diagram());
        QVERIFY(pixelsOf(both, specimenColour(0)) > 300);
        QVERIFY(pixelsOf(both, specimenColour(1)) > 300);
        w.setIncluded(0, false);
        const QImage one = drawn(*w.diagram());
        QCOMPARE(pixelsOf(one, specimenColour(0)), 0);
    }

    void envelopeKeepsTheExtremes_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("thinned");
        QTest::newRow("few points stay") << 100 << 400 << false;
        QTest::newRow("a million to 400 columns") << 1000000 << 400 << true;
    }
    void envelopeKeepsTheExtremes()
    {
        QFETCH(int, points);
        QFETCH(int, columns);
        QFETCH(bool, thinned);
        std::vector<double> strain(static_cast<size_t>(points)), stress(static_cast<size_t>(points));
        for (int i = 0; i < points; ++i) {
            strain[size_t(i)] = 20.0 * i / points;
            stress[size_t(i)] = 300 + 100 * std::sin(i * 0.37);  // noise between 200 and 400
        }
        const auto kept = columnEnvelope(strain, stress, 20.0, columns);
        QCOMPARE(kept.size() < size_t(points), thinned);
        QVERIFY(kept.size() <= size_t(4 * columns + 4) || !thinned);
        const auto [low, high] = std::minmax_element(stress.begin(), stress.end());
        double keptLow = 1e9, keptHigh = -1e9;
        for (const auto& [e, s] : kept) {
            keptLow = std::min(keptLow, s);
            keptHigh = std::max(keptHigh, s);
        }
        QCOMPARE(keptLow, *low);
        QCOMPARE(keptHigh, *high);
        QCOMPARE(kept.back().first, strain.back());
    }

    // A million rows: read on a second thread while the window goes on
    // handling events, and drawn at once.
    void largeFileLoadsWithoutFreezing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("gross.csv");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray text = "Kraft [kN];Verlängerung [mm]\n";
            text.reserve(24 * 1000000);
            for (int i = 0; i < 1000000; ++i) {
                const double e = 10.0 * i / 1000000;
                text += QByteArray::number(std::min(e, 0.1) * 400 + e, 'f', 4) + ';' + QByteArray::number(e, 'f', 6) + '\n';
            }
            f.write(text);
        }
        const MachineFileInspection inspection = inspectMachineFile(path);
        QVERIFY(inspection.layout);
        QWidget parent;
        int turns = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++turns; });
        ticker.start(5);
        std::optional<MachineFileReading> result;
        QElapsedTimer clock;
        clock.start();
        readMachineFileInBackground(&parent, path, *inspection.layout, inspection.columns,
                                    [&](MachineFileReading r) { result = std::move(r); });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 30000);
        QVERIFY2(result->record, qPrintable(result->error));
        QCOMPARE(result->record->size(), size_t(1000000));
        // The event loop went on turning while the file was read.
        QVERIFY(turns >= 1);
        qInfo("read 10^6 rows in %lld ms", qint64(clock.elapsed()));

        StressStrainPlot plot;
        TestRecord& r = *result->record;
        plot.setCurves({{"gross", specimenColour(0), std::make_shared<std::vector<double>>(r.deformation),
                         std::make_shared<std::vector<double>>(r.load), {}}});
        clock.restart();
        const QImage image = drawn(plot);
        qInfo("drew 10^6 points in %lld ms", qint64(clock.elapsed()));
        QVERIFY(pixelsOf(image, specimenColour(0)) > 300);
    }

    // The import dialog: a table of other quantities cannot be read, and a
    // corrected choice is remembered for files of the same layout.
    void importDialog()
    {
        QSettings().remove(QStringLiteral("evaluation/columns"));
        const std::vector<ExampleFile> impact = exampleFiles("impact");
        QVERIFY(!impact.empty());
        const MachineFileInspection other = inspectMachineFile(impact.front().path);
        MachineFileImportDialog refused(impact.front().path, other);
        QVERIFY(refused.problem().contains("Kraft"));
        QVERIFY(!refused.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());

        const QByteArray bytes = "Zeit [s];Kanal A;Kanal B\n0;0;0\n1;0,1;2\n2;0,2;4\n";
        QTemporaryDir dir;
        QFile f(dir.filePath("a.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const MachineFileInspection inspection = inspectMachineFile(f.fileName());
        {
            MachineFileImportDialog dialog(f.fileName(), inspection);
            QCOMPARE(dialog.choice().force, 1);
            ColumnChoice swapped = dialog.choice();
            std::swap(swapped.force, swapped.extension);
            MachineFileImportDialog::rememberChoice(dialog.layout(), swapped);
        }
        MachineFileImportDialog again(f.fileName(), inspection);
        QCOMPARE(again.choice().force, 2);
        QCOMPARE(again.choice().extension, 1);
        QVERIFY(again.problem().isEmpty());
    }
};

REGISTER_TEST(TensileWindowTest)

#include "tst_tensile_window.moc"
