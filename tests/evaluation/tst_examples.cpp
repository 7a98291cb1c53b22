#include "common/test_main.h"

#include "evaluation/example_files.h"
#include "evaluation/machine_file_reader.h"
#include "evaluation/tensile_evaluation.h"

#include <QFileInfo>

using namespace evaluation;
using Q = TensileQuantity;

// The shipped examples read with the guessed layout, take their specimen from
// the lines above the table and give the values of their models (see
// evaluation/examples/README.md).
class ExamplesTest : public QObject {
    Q_OBJECT
private slots:
    void examplesAreFound()
    {
        QStringList names;
        for (const QString& f : exampleFiles())
            names << QFileInfo(f).fileName();
        QCOMPARE(names, QStringList({"aluminium_EN_AW-6082_T6.csv", "austenit_X5CrNi18-10.csv",
                                     "stahl_S355J2_ausgepraegte_streckgrenze.csv"}));
    }

    void examplesGiveTheirModelsValues_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<double>("mE");  // GPa, within 1 %
        QTest::addColumn<double>("yield");  // ReH or Rp0,2, within 1 %
        QTest::addColumn<double>("Rm");
        QTest::addColumn<double>("Ag");
        QTest::addColumn<double>("A");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("steel") << "stahl_S355J2_ausgepraegte_streckgrenze.csv" << false << 210.0 << 392.0 << 540.77
                               << 16.72 << 26.5 << "A";
        QTest::newRow("aluminium") << "aluminium_EN_AW-6082_T6.csv" << true << 70.0 << 285.0 << 316.88 << 7.50 << 12.5
                                   << "A80mm";
        // Its curve is nowhere straight: mE from 10 % to 40 % of Rm is low.
        QTest::newRow("austenite") << "austenit_X5CrNi18-10.csv" << false << 166.0 << 300.0 << 637.34 << 44.92 << 56.0
                                   << "A";
    }
    void examplesGiveTheirModelsValues()
    {
        QFETCH(QString, file);
        QFETCH(bool, flat);
        const QString path = examplesFolder() + u'/' + file;
        const MachineFileInspection i = inspectMachineFile(path);
        QVERIFY2(i.layout, qPrintable(i.error));
        QVERIFY(!i.columns.crossheadTravel);
        const MachineFileReading r = readMachineFile(path, *i.layout, i.columns);
        QVERIFY2(r.record, qPrintable(r.error));

        const SpecimenHints hints = specimenHintsFromMetadata(i.layout->metadata);
        Specimen s;
        s.crossSection = flat ? CrossSection::Flat : CrossSection::Round;
        s.d0 = hints.d0.value_or(0);
        s.a0 = hints.a0.value_or(0);
        s.b0 = hints.b0.value_or(0);
        s.L0 = hints.L0.value_or(0);
        s.Le = hints.Le;
        QVERIFY(checkSpecimen(s).empty());
        const TensileResult result = evaluateTensileTest(s, &*r.record);
        QVERIFY2(result.curveProblem.isEmpty(), qPrintable(result.curveProblem));
        QTEST(result.elongation.text, "symbol");
        auto near = [&](Q q, double expected, double tolerance) {
            const auto v = result[q].value;
            QVERIFY2(v, qPrintable(quantitySymbol(q) + ": " + result[q].reason));
            QVERIFY2(std::abs(*v - expected) <= tolerance,
                     qPrintable(QStringLiteral("%1: %2 instead of %3").arg(quantitySymbol(q)).arg(*v).arg(expected)));
        };
        QFETCH(double, mE);
        QFETCH(double, yield);
        QFETCH(double, Rm);
        QFETCH(double, Ag);
        QFETCH(double, A);
        near(Q::ElasticSlope, mE, 0.01 * mE);
        near(result.discontinuousYielding ? Q::UpperYieldStrength : Q::ProofStrength, yield, 0.01 * yield);
        QCOMPARE(result.discontinuousYielding, file.startsWith("stahl"));
        near(Q::TensileStrength, Rm, 0.005 * Rm);
        near(Q::PlasticExtensionAtMaxForce, Ag, 0.5);
        near(Q::ElongationAfterFracture, A, 0.3);
    }
};

REGISTER_TEST(ExamplesTest)
#include "tst_examples.moc"
