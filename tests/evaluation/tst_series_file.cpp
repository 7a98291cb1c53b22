#include "common/test_main.h"

#include "evaluation/fatigue_series.h"
#include "evaluation/impact_series.h"
#include "evaluation/series_file.h"
#include "evaluation/tensile_series_json.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace evaluation;

namespace {

// An empty series of the kind, told apart by its title.
SeriesDocument document(const QString& kind, const QString& title = {})
{
    SeriesDocument d;
    d.kind = kind;
    d.series.insert("title", title);
    d.series.insert("specimens", QJsonArray());
    return d;
}

ImpactSeries impactSeries()
{
    ImpactSeries s;
    s.notch = NotchType::U;
    s.fixedLowerShelf = 3;
    s.specimens = {{-40, 12.5, 10.0, {}}, {0, 80, {}, 0.9}, {40, 150, 100.0, 1.8}};
    return s;
}

FatigueSeries fatigueSeries()
{
    FatigueSeries s;
    s.staircaseStep = 10;
    s.stressRatio = -1;
    s.specimens = {{400, 1.2e5, false, false}, {250, 1e7, true, true}, {260, 3.1e6, false, true}};
    return s;
}

}

class SeriesFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void envelopeRoundTrip()
    {
        SeriesDocument d = document("impact", "Gruppe 3");
        d.saved = QDateTime(QDate(2024, 5, 14), QTime(10, 21, 7), Qt::UTC);
        const QByteArray bytes = seriesFileBytes(d);
        const QJsonObject root = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(root.value("format").toString(), QStringLiteral("werkstoffpruefung-series"));
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("kind").toString(), QStringLiteral("impact"));
        QCOMPARE(root.value("saved").toString(), QStringLiteral("2024-05-14T10:21:07Z"));
        const SeriesFileReading r = parseSeriesFile(bytes, "a.wpserie", "impact");
        QVERIFY2(r.document, qPrintable(r.error));
        QCOMPARE(r.document->series, d.series);
        QCOMPARE(r.document->saved, d.saved);
    }

    void faultyFilesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expectedKind");
        QTest::addColumn<QString>("error");
        QTest::newRow("cut off") << QByteArray("{\n  \"format\": \"werkstoffpruefung-series\",\n  \"version\": 1,\n  \"ki")
                                 << "" << "reihe.wpserie ist beschädigt (Zeile 4, Spalte 6: unterminated string).";
        QTest::newRow("other JSON") << QByteArray(R"({"name": "x"})") << ""
                                    << "reihe.wpserie ist keine Versuchsreihe dieses Programms.";
        QTest::newRow("array") << QByteArray("[1, 2]") << "" << "reihe.wpserie ist keine Versuchsreihe dieses Programms.";
        QTest::newRow("newer")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 2, "kind": "tensile", "series": {}})")
            << "" << "reihe.wpserie wurde von einer neueren Programmversion gespeichert (Format 2); diese Version liest "
                     "Format 1. Bitte das Programm aktualisieren.";
        QTest::newRow("no version")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "kind": "tensile", "series": {}})") << ""
            << "reihe.wpserie ist beschädigt: die Formatversion fehlt oder ist keine ganze Zahl.";
        QTest::newRow("unknown kind")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "creep", "series": {}})")
            << "" << "reihe.wpserie enthält eine Auswertung der Art „creep“, die dieses Programm nicht kennt.";
        QTest::newRow("other kind")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "fatigue", "series": {}})")
            << "tensile" << "reihe.wpserie enthält keine Auswertung „Zugversuch“, sondern „Wöhlerversuch“.";
        QTest::newRow("no series")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "tensile"})") << ""
            << "reihe.wpserie ist beschädigt: die Versuchsreihe fehlt.";
        QTest::newRow("content its kind refuses")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "fatigue",
                              "series": {"specimens": [{"stressAmplitude": 300}]}})")
            << "" << "reihe.wpserie ist beschädigt. Probe 1: „cycles“ fehlt.";
        QTest::newRow("content of another kind")
            << QByteArray(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "impact",
                              "series": {"specimens": [{"name": "P1", "specimen": {"d0": 10, "L0": 50}}]}})")
            << "" << "reihe.wpserie ist beschädigt. Probe 1: „temperature“ fehlt.";
    }
    void faultyFilesAreNamed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expectedKind);
        const SeriesFileReading r = parseSeriesFile(bytes, "/home/x/reihe.wpserie", expectedKind);
        QVERIFY(!r.document);
        QTEST(r.error, "error");
    }

    void writesWholeFilesOrNone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("reihe.wpserie");
        QCOMPARE(writeSeriesFile(path, document("tensile", "vorher")), QString());
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(parseSeriesFile(before, path).document);
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"reihe.wpserie"});

        // A folder that cannot be written to: a message, and the old file stays.
        const QString blocked = dir.filePath("reihe.wpserie/neu.wpserie");
        const QString error = writeSeriesFile(blocked, document("tensile", "neu"));
        QVERIFY2(error.startsWith("neu.wpserie lässt sich nicht speichern: "), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        const SeriesFileReading missing = readSeriesFile(dir.filePath("fehlt.wpserie"));
        QVERIFY(missing.error.startsWith("fehlt.wpserie lässt sich nicht öffnen: "));
    }

    void everyKindSavesAndOpensThroughTheEnvelope_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("tensile") << "tensile";
        QTest::newRow("impact") << "impact";
        QTest::newRow("fatigue") << "fatigue";
    }
    void everyKindSavesAndOpensThroughTheEnvelope()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("reihe.wpserie");
        // Each kind opens its own files and refuses the others' with a message.
        const auto others = [&](const QString& own) {
            QStringList errors;
            if (own != "tensile")
                errors << openTensileSeries(path).error;
            if (own != "impact")
                errors << openImpactSeries(path).reason();
            if (own != "fatigue")
                errors << openFatigueSeries(path).reason();
            return errors;
        };
        if (kind == "tensile") {
            TensileSeries s;
            s.title = "Gruppe 3";
            QCOMPARE(saveTensileSeries(path, s), QString());
            const TensileSeriesReading back = openTensileSeries(path);
            QVERIFY2(back.series, qPrintable(back.error));
            QCOMPARE(back.series->title, s.title);
        } else if (kind == "impact") {
            QCOMPARE(saveImpactSeries(path, impactSeries()), QString());
            const Outcome<ImpactSeries> back = openImpactSeries(path);
            QVERIFY2(back, qPrintable(back.reason()));
            QVERIFY(*back == impactSeries());
        } else {
            QCOMPARE(saveFatigueSeries(path, fatigueSeries()), QString());
            const Outcome<FatigueSeries> back = openFatigueSeries(path);
            QVERIFY2(back, qPrintable(back.reason()));
            QVERIFY(*back == fatigueSeries());
        }
        QCOMPARE(readSeriesFile(path).document->kind, kind);
        for (const QString& error : others(kind))
            QVERIFY2(error.startsWith("reihe.wpserie enthält keine Auswertung „"), qPrintable(error));
        QVERIFY(!openImpactSeries(dir.filePath("fehlt.wpserie")).reason().isEmpty());
    }

    void recoveryFiles()
    {
        for (const SeriesKind& k : seriesKinds())
            QVERIFY(discardRecoveryFile(k.key));
        QVERIFY(findRecoveryFiles().empty());
        SeriesDocument d = document("tensile", "Zugversuche");
        d.originalPath = "/home/student/zug.wpserie";
        QCOMPARE(writeRecoveryFile(d), QString());
        QCOMPARE(writeRecoveryFile(fatigueSeriesDocument(fatigueSeries())), QString());
        const auto found = findRecoveryFiles();
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0].kind, QStringLiteral("tensile"));
        QCOMPARE(found[0].originalPath, d.originalPath);
        QVERIFY(found[0].path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QVERIFY(found[0].saved.secsTo(QDateTime::currentDateTimeUtc()) < 60);
        QCOMPARE(readSeriesFile(found[0].path, "tensile").document->series, d.series);
        QCOMPARE(found[1].originalPath, QString());
        QVERIFY(*openFatigueSeries(found[1].path) == fatigueSeries());
        QVERIFY(found[0].problem.isEmpty() && found[1].problem.isEmpty());
        // A damaged one is named with its problem, so that it can be discarded.
        QFile damaged(recoveryFilePath("impact"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(R"({"format": "werkstoffpruefung-series", "version": 1, "kind": "impact", "series": {)");
        damaged.close();
        QCOMPARE(findRecoveryFiles().size(), size_t(3));
        QCOMPARE(findRecoveryFiles()[1].kind, QStringLiteral("impact"));
        QVERIFY(findRecoveryFiles()[1].problem.startsWith("impact.wpserie ist beschädigt"));
        QVERIFY(discardRecoveryFile("impact"));
        QVERIFY(discardRecoveryFile("tensile"));
        QCOMPARE(findRecoveryFiles().size(), size_t(1));
        QVERIFY(discardRecoveryFile("fatigue"));
        QVERIFY(findRecoveryFiles().empty());
    }
};

REGISTER_TEST(SeriesFileTest)
#include "tst_series_file.moc"
