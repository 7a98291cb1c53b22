#include "common/test_main.h"

#include "machine_file_writer.h"

#include "evaluation/evaluate_command.h"
#include "evaluation/example_files.h"
#include "evaluation/fatigue_series.h"
#include "evaluation/impact_series.h"
#include "evaluation/synthetic_tensile_curve.h"

#include <QTemporaryDir>

using namespace evaluation;

namespace {

struct Run {
    int status;
    QStringList out;
    QString err;
};

Run run(const QStringList& arguments)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = runEvaluateCommand(arguments, o, e);
    return {status, out.split(u'\n', Qt::SkipEmptyParts), err};
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}

class EvaluateCommandTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString steel, aluminium;
    SyntheticTest steelTest, aluminiumTest;

private slots:
    void initTestCase()
    {
        steelTest = syntheticTest(DiscontinuousYieldingModel{}, {300, 2500, 0.002, 11});
        aluminiumTest = syntheticTest(ContinuousYieldingModel{}, {300, 2500, 0.002, 12});
        steel = dir.filePath("stahl.csv");
        aluminium = dir.filePath("alu.csv");
        QVERIFY(writeMachineFile(steel, steelTest.record));
        QVERIFY(writeMachineFile(aluminium, aluminiumTest.record));
    }

    // Tables of impact and fatigue results, as a spreadsheet writes them and
    // as a text export does, and series files.
    void seriesFiles_data()
    {
        const QString examples = examplesFolder();
        QVERIFY(!examples.isEmpty());
        const QByteArray impact = readFile(examples + "/kerbschlag_S355J2.csv");
        const QByteArray fatigue = readFile(examples + "/woehler_C45.csv");
        // Tab-separated with decimal points and no heads: the columns in
        // their usual order.
        QByteArray plain = impact.mid(impact.indexOf('\n') + 1);
        QVERIFY(writeFile(dir.filePath("kerbschlag.csv"), impact)
                && writeFile(dir.filePath("kerbschlag.txt"), plain.replace(';', '\t').replace(',', '.'))
                && writeFile(dir.filePath("woehler.csv"), fatigue)
                && writeFile(dir.filePath("luecke.csv"), QByteArray(impact).replace("\n-60;21,9;", "\n-60;;")));
        // Stress amplitudes and cycles alone, blank-separated.
        QByteArray bare;
        for (const QByteArray& line : fatigue.split('\n').mid(1))
            bare += line.split(';').mid(0, 2).join("   ") + '\n';
        QVERIFY(writeFile(dir.filePath("woehler.txt"), bare));
        ImpactSeries impactSeries;
        impactSeries.notch = NotchType::U;
        impactSeries.fixedLowerShelf = 3;
        impactSeries.specimens = {{-60, 4, {}, {}}, {-40, 9, {}, {}}, {-20, 40, {}, {}}, {0, 90, {}, {}},
                                  {20, 118, {}, {}}, {40, 125, {}, {}}, {60, 124, {}, {}}};
        FatigueSeries fatigueSeries;
        fatigueSeries.stressRatio = 0.1;
        fatigueSeries.specimens = {{300, 1e5, false, false}, {250, 4e5, false, false}, {200, 2e6, false, false},
                                   {180, 1e7, true, false}};
        QCOMPARE(saveImpactSeries(dir.filePath("kerbschlag.wpserie"), impactSeries), QString());
        QCOMPARE(saveFatigueSeries(dir.filePath("woehler.wpserie"), fatigueSeries), QString());

        QTest::addColumn<QStringList>("arguments");  // "@name": a file in the temporary folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("cells");  // "column=value" of the first row
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("error");
        QTest::newRow("impact, spreadsheet table with options")
            << QStringList{"impact", "@kerbschlag.csv", "--lower-shelf", "2,5", "--striker", "8"} << commandSucceeded
            << QStringList{"Datei=kerbschlag.csv", "Probe=KV8", "n=24", "LS/J=2.5", "SE(LS)/J=-"} << 1 << "";
        QTest::newRow("impact, text table of points and tabs")
            << QStringList{"impact", "@kerbschlag.txt", "--notch", "U"} << commandSucceeded
            << QStringList{"Probe=KU2", "n=24", "T_m/°C=-35.6", "FATT50/°C=-26.2"} << 1 << "";
        QTest::newRow("impact, series file and a table that fails")
            << QStringList{"impact", "@luecke.csv", "@kerbschlag.wpserie"} << commandFileFailed
            << QStringList{"Datei=kerbschlag.wpserie", "Probe=KU2", "n=7", "LS/J=3.0", "FATT50/°C=-"} << 1
            << "luecke.csv, Zeile 8: Die verbrauchte Schlagenergie fehlt.";
        QTest::newRow("impact, a series of another kind")
            << QStringList{"impact", "@woehler.wpserie"} << commandFileFailed << QStringList{} << 0
            << "woehler.wpserie enthält keine Auswertung „Kerbschlagbiegeversuch“, sondern „Wöhlerversuch“.";
        QTest::newRow("fatigue, staircase step given")
            << QStringList{"fatigue", "@woehler.csv", "--step", "10", "--stress-ratio", "-1"} << commandSucceeded
            << QStringList{"n=35", "Durchläufer=10", "Treppe=20", "R=-1", "σ_D/MPa=297.0", "s_D/MPa=25.7"} << 1
            << "";
        QTest::newRow("fatigue, no step: why the endurance limit is missing")
            << QStringList{"fatigue", "@woehler.csv", "--reasons"} << commandSucceeded
            << QStringList{"σ_D/MPa=-", "N_k=-", "k=8.50"} << 1
            << "woehler.csv: Dauerfestigkeit: Die Stufenweite d der Treppenstufenfolge fehlt oder ist nicht positiv.";
        QTest::newRow("fatigue, series file, mean stress instead of its ratio")
            << QStringList{"fatigue", "@woehler.wpserie", "--mean-stress", "40"} << commandSucceeded
            << QStringList{"n=4", "Brüche=3", "Durchläufer=1", "σm/MPa=40", "R=-"} << 1 << "";
        QTest::newRow("fatigue, run-outs from the limit")
            << QStringList{"fatigue", "@woehler.txt", "--run-out", "1e7"} << commandSucceeded
            << QStringList{"n=35", "Durchläufer=10", "Treppe=0"} << 1 << "";
    }
    void seriesFiles()
    {
        QFETCH(QStringList, arguments);
        for (QString& a : arguments)
            if (a.startsWith('@'))
                a = dir.filePath(a.mid(1));
        const Run r = run(QStringList{"--evaluate"} + arguments);
        QTEST(r.status, "status");
        QFETCH(int, rows);
        QCOMPARE(r.out.size(), 1 + rows);
        QFETCH(QString, error);
        QVERIFY2(error.isEmpty() ? r.err.isEmpty() : r.err.contains(error), qPrintable(r.err));
        const QStringList header = r.out[0].split(u'\t');
        QFETCH(QStringList, cells);
        for (const QString& cell : cells) {
            const QString title = cell.section('=', 0, 0);
            QVERIFY2(header.contains(title), qPrintable(title));
            QCOMPARE(title + '=' + r.out[1].split(u'\t').value(header.indexOf(title)), cell);
        }
        for (const QString& row : r.out)
            QCOMPARE(row.count(u'\t'), header.size() - 1);
    }

    void oneLinePerFile()
    {
        QFile notes(dir.filePath("notiz.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("Bitte bis Freitag abgeben.\n");
        notes.close();
        const Run r = run({"-platform", "offscreen", "--evaluate", "tensile", steel, dir.filePath("fehlt.csv"),
                           dir.filePath("notiz.txt"), aluminium, "--d0", "10", "--L0", "50"});
        QCOMPARE(r.status, commandFileFailed);
        QCOMPARE(r.out.size(), 3);
        QCOMPARE(r.out[0], QStringLiteral("Datei\tmE/GPa\tReH/MPa\tReL/MPa\tRp0,2/MPa\tFm/kN\tRm/MPa\tAg/%\tAgt/%\tAt/%\t"
                                          "A/%\tZ/%"));
        const QStringList s = r.out[1].split(u'\t'), a = r.out[2].split(u'\t');
        QCOMPARE(s.size(), 12);
        QCOMPARE(s[0], QStringLiteral("stahl.csv"));
        QCOMPARE(a[0], QStringLiteral("alu.csv"));
        // Decimal points, the report's rounding, "-" where not determined.
        QCOMPARE_LE(std::abs(s[2].toDouble() - steelTest.known.ReH), 0.01 * steelTest.known.ReH);
        QCOMPARE_LE(std::abs(s[3].toDouble() - steelTest.known.ReL), 0.01 * steelTest.known.ReL);
        QCOMPARE(s[4], QStringLiteral("-"));
        QCOMPARE(a[2], QStringLiteral("-"));
        QCOMPARE_LE(std::abs(a[4].toDouble() - aluminiumTest.known.Rp02), 2.0);
        QVERIFY(a[1].contains(QRegularExpression("^\\d+\\.\\d$")));
        QVERIFY(a[6].contains(QRegularExpression("^\\d+$")));
        QVERIFY(a[10].contains(QRegularExpression("^\\d+\\.[05]$")));
        QCOMPARE_LE(std::abs(a[10].toDouble() - aluminiumTest.known.A), 0.5);
        QCOMPARE(a[11], QStringLiteral("-"));
        const QStringList errors = r.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].startsWith("fehlt.csv lässt sich nicht öffnen"));
        QVERIFY(errors[1].startsWith("notiz.txt enthält keine Tabelle aus Zahlen"));
    }

    // A table of other quantities (the impact example) is refused, not
    // evaluated with guessed columns.
    void refusesATableOfOtherQuantities()
    {
        const std::vector<ExampleFile> impact = exampleFiles("impact");
        QVERIFY(!impact.empty());
        const Run r = run({"--evaluate", "tensile", impact.front().path, steel, "--d0", "10", "--L0", "50"});
        QCOMPARE(r.status, commandFileFailed);
        QCOMPARE(r.out.size(), 2);
        QVERIFY(r.out[1].startsWith("stahl.csv\t"));
        QVERIFY2(r.err.contains("Keine Spalte der Tabelle kann die Kraft sein"), qPrintable(r.err));
        QVERIFY(r.err.contains("„Temperatur in °C“"));
    }

    void specimenAndColumnOptions_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("header");
        QTest::addColumn<double>("rmFactor");
        QTest::newRow("flat, gauge length 80") << QStringList{"--a0", "4", "--b0", "19,635", "--L0", "80"}
                                               << "A80mm/%" << 1.0;
        QTest::newRow("long proportional") << QStringList{"--d0", "10", "--L0", "100"} << "A11,3/%" << 1.0;
        QTest::newRow("other diameter") << QStringList{"--d0", "6", "--L0", "50"} << "A50mm/%" << 100.0 / 36;
        QTest::newRow("columns by number and head")
            << QStringList{"--d0", "10", "--L0", "50", "--force", "Kraft", "--extension", "3"} << "A/%" << 1.0;
    }
    void specimenAndColumnOptions()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, header);
        QFETCH(double, rmFactor);
        const Run r = run(QStringList{"--evaluate", "tensile", aluminium} + options);
        QCOMPARE(r.status, commandSucceeded);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(r.out[0].split(u'\t')[10], header);
        QCOMPARE_LE(std::abs(r.out[1].split(u'\t')[6].toDouble() / (aluminiumTest.known.Rm * rmFactor) - 1), 0.005);
    }

    void crossheadAndReasons()
    {
        const Run r = run({"--evaluate", "tensile", aluminium, "--d0", "10", "--L0", "50", "--crosshead", "--reasons"});
        QCOMPARE(r.status, commandSucceeded);
        QVERIFY(r.err.contains("alu.csv: ReH: Kein ausgeprägtes Fließen"));
        QVERIFY(r.err.contains("alu.csv: Z: du oder Su nach dem Bruch ist nicht angegeben."));
        QVERIFY(r.err.contains("alu.csv: A: aus dem Traversenweg: nicht normgerecht"));
    }

    void faultyCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("no kind") << QStringList{"--evaluate"} << "Aufruf: werkstoffpruefung --evaluate ART DATEI";
        QTest::newRow("unknown kind") << QStringList{"--evaluate", "creep", "x.csv"}
                                      << "Unbekannte Art der Auswertung „creep“; bekannt sind: tensile, impact, fatigue";
        QTest::newRow("no file") << QStringList{"--evaluate", "tensile", "--d0", "10", "--L0", "50"}
                                 << "Es ist keine Datei angegeben.";
        QTest::newRow("no cross-section") << QStringList{"--evaluate", "tensile", "a.csv", "--L0", "50"}
                                          << "Der Querschnitt fehlt: --d0 oder --a0 und --b0 angeben.";
        QTest::newRow("round and flat")
            << QStringList{"--evaluate", "tensile", "a.csv", "--d0", "10", "--a0", "2", "--b0", "20", "--L0", "50"}
            << "Entweder --d0 (runde Probe) oder --a0 und --b0 (Flachprobe) angeben, nicht beides.";
        QTest::newRow("zero diameter") << QStringList{"--evaluate", "tensile", "a.csv", "--d0", "0", "--L0", "50"}
                                       << "d0 muss größer als null sein (angegeben: 0 mm).";
        QTest::newRow("value missing") << QStringList{"--evaluate", "tensile", "a.csv", "--L0"}
                                       << "--L0 braucht einen gültigen Wert.";
        QTest::newRow("value not a number") << QStringList{"--evaluate", "tensile", "a.csv", "--d0", "zehn"}
                                            << "--d0 braucht einen gültigen Wert.";
        QTest::newRow("unknown option") << QStringList{"--evaluate", "tensile", "a.csv", "--dO", "10"}
                                        << "Unbekannte Option --dO.";
        QTest::newRow("impact without file") << QStringList{"--evaluate", "impact", "--reasons"}
                                             << "Es ist keine Datei angegeben.";
        QTest::newRow("unknown notch") << QStringList{"--evaluate", "impact", "a.csv", "--notch", "W"}
                                       << "--notch braucht einen gültigen Wert.";
        QTest::newRow("unknown striker") << QStringList{"--evaluate", "impact", "a.csv", "--striker", "5"}
                                         << "--striker braucht einen gültigen Wert.";
        QTest::newRow("shelves crossed")
            << QStringList{"--evaluate", "impact", "a.csv", "--lower-shelf", "50", "--upper-shelf", "40"}
            << "Die Hochlage (--upper-shelf) muss über der Tieflage (--lower-shelf) liegen.";
        QTest::newRow("staircase step zero") << QStringList{"--evaluate", "fatigue", "a.csv", "--step", "0"}
                                             << "Die Stufenweite d der Treppenstufenfolge muss positiv sein.";
        QTest::newRow("mean stress and stress ratio")
            << QStringList{"--evaluate", "fatigue", "a.csv", "--mean-stress", "50", "--stress-ratio", "0,1"}
            << "Die Reihe hat entweder eine Mittelspannung oder ein Spannungsverhältnis R, nicht beides.";
        QTest::newRow("modulus range upside down")
            << QStringList{"--evaluate", "tensile", "a.csv", "--d0", "10", "--L0", "50", "--modulus-range", "40:10"}
            << "Der Bereich der Hookeschen Geraden muss zwischen 0 % und 100 % der Höchstspannung liegen";
    }
    void faultyCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Run r = run(arguments);
        QCOMPARE(r.status, commandMisused);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    }

    void helpAndRecognition()
    {
        const Run r = run({"--evaluate", "tensile", "--help"});
        QCOMPARE(r.status, commandSucceeded);
        QVERIFY(r.out.join('\n').contains("--modulus-range VON:BIS"));
        QVERIFY(run({"--evaluate", "impact", "--help"}).out.join('\n').contains("--lower-shelf J"));
        QVERIFY(run({"--evaluate", "fatigue", "-h"}).out.join('\n').contains("--step D"));
        QVERIFY(isEvaluateCommand({"-style", "fusion", "--evaluate", "tensile"}));
        QVERIFY(!isEvaluateCommand({"evaluate", "tensile"}));

        const Run column = run({"--evaluate", "tensile", aluminium, "--d0", "10", "--L0", "50", "--force", "Last"});
        QCOMPARE(column.status, commandFileFailed);
        QCOMPARE(column.err.trimmed(), QStringLiteral("alu.csv: keine Spalte „Last“ für die Kraft."));
    }
};

REGISTER_TEST(EvaluateCommandTest)
#include "tst_evaluate_command.moc"
