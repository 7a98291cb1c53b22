#include "common/test_main.h"

#include "evaluation/series_file.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace evaluation;

namespace {

SeriesDocument document(const QString& kind, int specimens)
{
    SeriesDocument d;
    d.kind = kind;
    d.series.insert("specimens", specimens);
    return d;
}

}

class SeriesFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void envelopeRoundTrip()
    {
        SeriesDocument d = document("impact", 8);
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
        QCOMPARE(writeSeriesFile(path, document("tensile", 1)), QString());
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
        const QString error = writeSeriesFile(blocked, document("tensile", 2));
        QVERIFY2(error.startsWith("neu.wpserie lässt sich nicht speichern: "), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        const SeriesFileReading missing = readSeriesFile(dir.filePath("fehlt.wpserie"));
        QVERIFY(missing.error.startsWith("fehlt.wpserie lässt sich nicht öffnen: "));
    }

    void recoveryFiles()
    {
        for (const SeriesKind& k : seriesKinds())
            QVERIFY(discardRecoveryFile(k.key));
        QVERIFY(findRecoveryFiles().empty());
        SeriesDocument d = document("tensile", 3);
        d.originalPath = "/home/student/zug.wpserie";
        QCOMPARE(writeRecoveryFile(d), QString());
        QCOMPARE(writeRecoveryFile(document("fatigue", 2)), QString());
        const auto found = findRecoveryFiles();
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0].kind, QStringLiteral("tensile"));
        QCOMPARE(found[0].originalPath, d.originalPath);
        QVERIFY(found[0].path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QVERIFY(found[0].saved.secsTo(QDateTime::currentDateTimeUtc()) < 60);
        QCOMPARE(readSeriesFile(found[0].path, "tensile").document->series, d.series);
        QCOMPARE(found[1].originalPath, QString());
        QVERIFY(discardRecoveryFile("tensile"));
        QCOMPARE(findRecoveryFiles().size(), size_t(1));
        QVERIFY(discardRecoveryFile("fatigue"));
        QVERIFY(findRecoveryFiles().empty());
    }
};

REGISTER_TEST(SeriesFileTest)
#include "tst_series_file.moc"
