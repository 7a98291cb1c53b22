#include "common/test_main.h"

#include "machine_file_writer.h"

#include "evaluation/synthetic_tensile_curve.h"
#include "evaluation/tensile_series.h"
#include "evaluation/tensile_series_json.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace evaluation;
using Q = TensileQuantity;

namespace {

// A specimen whose values are typed: Rm from Fm, A from Lu, Z from du.
TensileSpecimen typed(const QString& name, double Fm, std::optional<double> Lu, double L0 = 50)
{
    TensileSpecimen t;
    t.name = name;
    t.specimen.d0 = 10;
    t.specimen.L0 = L0;
    t.specimen.Fm = Fm;
    t.specimen.Lu = Lu;
    t.evaluate();
    return t;
}

TensileSpecimen fromFile(const QString& path, const QString& name)
{
    TensileSpecimen t;
    t.name = name;
    t.specimen.d0 = 10;
    t.specimen.L0 = 50;
    const MachineFileInspection i = inspectMachineFile(path);
    const MachineFileReading r = readMachineFile(path, *i.layout, i.columns);
    t.source = CurveSource{path, *i.layout, i.columns, r.checksum};
    t.record = std::make_shared<const TestRecord>(*r.record);
    t.evaluate();
    return t;
}

}

class TensileSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void statistics_data()
    {
        QTest::addColumn<QList<double>>("forces");  // kN; negative: switched off
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("deviation");  // -1: not determined
        QTest::addColumn<QString>("note");
        QTest::newRow("three") << QList<double>{30, 31, 32} << 3 << 31.0 << 1.0 << "";
        QTest::newRow("one switched off") << QList<double>{30, -50, 32} << 2 << 31.0 << std::sqrt(2.0) << "";
        QTest::newRow("one value") << QList<double>{30} << 1 << 30.0 << -1.0 << "";
        QTest::newRow("one without Fm") << QList<double>{30, 0, 32} << 2 << 31.0 << std::sqrt(2.0)
                                        << "aus 2 von 3 Proben";
    }
    void statistics()
    {
        QFETCH(QList<double>, forces);
        TensileSeries series;
        for (double F : forces) {
            TensileSpecimen t = typed(QStringLiteral("P"), std::abs(F), 60);
            if (F == 0) {
                t.specimen.Fm.reset();
                t.evaluate();
            }
            t.included = F >= 0;
            series.specimens.push_back(t);
        }
        const auto s = statisticOf(tensileStatistics(series), Q::MaximumForce);
        QTEST(s.count, "count");
        QFETCH(double, mean);
        QFETCH(double, deviation);
        QVERIFY2(s.mean, qPrintable(s.mean.reason()));
        QCOMPARE(s.mean->value, mean);
        QCOMPARE(s.standardDeviation.has_value(), deviation >= 0);
        if (deviation >= 0)
            QCOMPARE(s.standardDeviation->value, deviation);
        else
            QCOMPARE(s.standardDeviation.reason(),
                     QStringLiteral("Für eine Standardabweichung sind mindestens zwei Werte nötig."));
        QTEST(s.mean->note, "note");
        // Rm follows Fm through S0.
        const auto rm = statisticOf(tensileStatistics(series), Q::TensileStrength);
        QCOMPARE_LE(std::abs(rm.mean->value - mean * 1000 / (M_PI * 25)), 1e-9);
    }

    void statisticsThatCannotBe()
    {
        TensileSeries series;
        series.specimens = {typed("P1", 30, 60), typed("P2", 31, 95, 80)};
        auto a = statisticOf(tensileStatistics(series), Q::ElongationAfterFracture);
        QCOMPARE(a.mean.reason(), QStringLiteral("Die Proben haben verschiedene Messlängen (A, A80mm); ihre "
                                               "Bruchdehnungen sind nicht vergleichbar."));
        series.specimens[1].included = false;
        a = statisticOf(tensileStatistics(series), Q::ElongationAfterFracture);
        QCOMPARE(a.mean->value, 20.0);
        series.specimens[0].included = false;
        a = statisticOf(tensileStatistics(series), Q::ElongationAfterFracture);
        QCOMPARE(a.mean.reason(), QStringLiteral("Keine Probe ist eingeschaltet."));
        series.specimens[0].included = true;
        QCOMPARE(statisticOf(tensileStatistics(series), Q::ReductionOfArea).mean.reason(),
                 QStringLiteral("Bei keiner Probe bestimmt."));
    }

    void invalidValuesMakeTheMeanInvalid()
    {
        const SyntheticTest t = syntheticTest(ContinuousYieldingModel{});
        TensileSeries series;
        for (auto source : {ExtensionSource::Extensometer, ExtensionSource::Crosshead}) {
            TensileSpecimen s;
            s.specimen = t.specimen;
            s.specimen.extensionSource = source;
            s.record = std::make_shared<const TestRecord>(t.record);
            s.evaluate();
            series.specimens.push_back(s);
        }
        const auto a = statisticOf(tensileStatistics(series), Q::ElongationAfterFracture);
        QVERIFY(!a.mean->valid);
        QCOMPARE(a.mean->note, QStringLiteral("enthält Werte, die nicht normgerecht ermittelt wurden"));
        QVERIFY(statisticOf(tensileStatistics(series), Q::TensileStrength).mean->valid);
    }

    void savesAndOpensAgain()
    {
        QTemporaryDir dir;
        const SyntheticTest t = syntheticTest(DiscontinuousYieldingModel{}, {250, 2000, 0.002, 7});
        QVERIFY(writeMachineFile(dir.filePath("probe1.csv"), t.record));
        TensileSeries series;
        series.title = QStringLiteral("Praktikum Gruppe 3");
        series.specimens.push_back(fromFile(dir.filePath("probe1.csv"), "Probe 1"));
        TensileSpecimen embedded = fromFile(dir.filePath("probe1.csv"), "Probe 2");
        embedded.embedCurve = true;
        embedded.included = false;
        embedded.settings.fractureDropShare = 0.2;
        embedded.specimen.Le = 50;
        embedded.specimen.du = 6.5;
        embedded.evaluate();
        series.specimens.push_back(embedded);
        series.specimens.push_back(typed("Probe 3", 42.5, 61.5));

        const QString path = dir.filePath("reihe.wpserie");
        QCOMPARE(saveTensileSeries(path, series), QString());
        // The embedded curve no longer needs its file.
        QFile::rename(dir.filePath("probe1.csv"), dir.filePath("elsewhere.csv"));
        TensileSeriesReading opened = openTensileSeries(path);
        QVERIFY2(opened.series, qPrintable(opened.error));
        QCOMPARE(opened.warnings,
                 QStringList{"Probe 1: die Messdatei " + dir.filePath("probe1.csv")
                             + " ist nicht zu finden; die Probe bleibt ohne Kurve."});
        QFile::rename(dir.filePath("elsewhere.csv"), dir.filePath("probe1.csv"));
        opened = openTensileSeries(path);
        QVERIFY(opened.warnings.isEmpty());
        const TensileSeries& back = *opened.series;
        QCOMPARE(back.title, series.title);
        QCOMPARE(back.specimens.size(), size_t(3));
        for (size_t i = 0; i < 3; ++i) {
            const TensileSpecimen &a = series.specimens[i], &b = back.specimens[i];
            QCOMPARE(b.name, a.name);
            QCOMPARE(b.included, a.included);
            QVERIFY(b.specimen == a.specimen);
            QVERIFY(b.settings == a.settings);
            QCOMPARE(b.source.has_value(), a.source.has_value());
            if (a.source)
                QVERIFY(*b.source == *a.source);
            QCOMPARE(bool(b.record), bool(a.record));
            if (a.record) {
                QCOMPARE(b.record->load, a.record->load);
                QCOMPARE(b.record->deformation, a.record->deformation);
                QCOMPARE(b.record->time, a.record->time);
            }
            for (Q q : allTensileQuantities) {
                QCOMPARE(b.result[q].has_value(), a.result[q].has_value());
                if (a.result[q])
                    QVERIFY2(b.result[q]->value == a.result[q]->value,
                             qPrintable(b.name + ' ' + tensileTerm(q).symbolText()));
                QCOMPARE(b.result[q].reason(), a.result[q].reason());
            }
        }
        QVERIFY(back.specimens[1].embedCurve);
        QVERIFY(!back.specimens[0].embedCurve);
    }

    void machineFilesMoveWithTheirSeries()
    {
        QTemporaryDir first, second;
        const SyntheticTest t = syntheticTest(ContinuousYieldingModel{}, {250, 2000, 0.002, 3});
        QDir(first.path()).mkpath("daten");
        QVERIFY(writeMachineFile(first.filePath("daten/al.csv"), t.record));
        TensileSeries series;
        series.specimens.push_back(fromFile(first.filePath("daten/al.csv"), "Al"));
        QCOMPARE(saveTensileSeries(first.filePath("reihe.wpserie"), series), QString());
        QDir(second.path()).mkpath("daten");
        QFile::copy(first.filePath("reihe.wpserie"), second.filePath("reihe.wpserie"));
        QFile::copy(first.filePath("daten/al.csv"), second.filePath("daten/al.csv"));
        QFile::remove(first.filePath("daten/al.csv"));
        const TensileSeriesReading opened = openTensileSeries(second.filePath("reihe.wpserie"));
        QVERIFY(opened.warnings.isEmpty());
        QCOMPARE(opened.series->specimens[0].source->path, second.filePath("daten/al.csv"));
        QVERIFY(opened.series->specimens[0].result[Q::ProofStrength].has_value());

        // A changed machine file is still read, with a warning.
        QFile f(second.filePath("daten/al.csv"));
        QVERIFY(f.open(QIODevice::Append));
        f.write("\n");
        f.close();
        const TensileSeriesReading changed = openTensileSeries(second.filePath("reihe.wpserie"));
        QCOMPARE(changed.warnings, QStringList{"Al: die Messdatei al.csv hat sich seit dem Speichern geändert."});
        QVERIFY(changed.series->specimens[0].record);
    }

    void damagedContentIsNamed_data()
    {
        QTest::addColumn<QByteArray>("specimens");
        QTest::addColumn<QString>("error");
        QTest::newRow("no list") << QByteArray("{}") << "Die Liste der Proben („specimens“) fehlt.";
        QTest::newRow("d0 as text") << QByteArray(R"({"specimens": [{"name": "P1", "specimen": {"d0": "zehn"}}]})")
                                    << "P1: „d0“ ist keine Zahl.";
        QTest::newRow("unknown cross-section")
            << QByteArray(R"({"specimens": [{"specimen": {"crossSection": "hexagonal"}}]})")
            << "Probe 1: „crossSection“ hat den unbekannten Wert „hexagonal“.";
        QTest::newRow("curve cut short")
            << QByteArray(R"({"specimens": [{"name": "P1", "curve": {"encoding": "float64le-base64", "rows": 2,
                "load": "AAAAAAAA8D8=", "deformation": "AAAAAAAA8D8AAAAAAADwPw=="}}]})")
            << "P1: die Messwerte „load“ sind beschädigt.";
        QTest::newRow("column beyond the table")
            << QByteArray(R"({"specimens": [{"name": "P1", "source": {"path": "/x.csv", "layout": {"columnCount": 2,
                "columns": [{}, {}]}, "columns": {"force": 0, "forceUnit": "kN", "extension": 4,
                "extensionUnit": "mm"}}}]})")
            << "P1: Die Spalte 5 für „Verlängerung“ gibt es nicht: die Tabelle hat 2 Spalten.";
    }
    void damagedContentIsNamed()
    {
        QFETCH(QByteArray, specimens);
        const TensileSeriesReading r =
            tensileSeriesFromJson(QJsonDocument::fromJson(specimens).object(), "/tmp/reihe.wpserie");
        QVERIFY(!r.series);
        QTEST(r.error, "error");
    }
};

REGISTER_TEST(TensileSeriesTest)
#include "tst_tensile_series.moc"
