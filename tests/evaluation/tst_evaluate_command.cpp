#include "common/test_main.h"

#include "machine_file_writer.h"

#include "evaluation/evaluate_command.h"
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
                                      << "Unbekannte Art der Auswertung „creep“; bekannt sind: tensile";
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
        QVERIFY(isEvaluateCommand({"-style", "fusion", "--evaluate", "tensile"}));
        QVERIFY(!isEvaluateCommand({"evaluate", "tensile"}));

        const Run column = run({"--evaluate", "tensile", aluminium, "--d0", "10", "--L0", "50", "--force", "Last"});
        QCOMPARE(column.status, commandFileFailed);
        QCOMPARE(column.err.trimmed(), QStringLiteral("alu.csv: keine Spalte „Last“ für die Kraft."));
    }
};

REGISTER_TEST(EvaluateCommandTest)
#include "tst_evaluate_command.moc"
