#include "common/test_main.h"

#include "evaluation/example_files.h"
#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"
#include "evaluation/machine_file_reader.h"
#include "evaluation/tensile_evaluation.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

using namespace evaluation;
using Q = TensileQuantity;

namespace {

// A table of results as the command line and the import read it.
ColumnTable readExample(const QString& name)
{
    const TableReading r = readResultTable(examplesFolder() + u'/' + name);
    if (!r.table)
        qWarning("%s", qPrintable(r.error));
    return r.table.value_or(ColumnTable{});
}

ImpactSeries impactExample(const QString& name)
{
    const ColumnTable t = readExample(name);
    ImpactSeries s;
    const auto specimens = impactSpecimensFromTable(t, guessImpactColumns(t.headers, t.columnCount()));
    if (specimens)
        s.specimens = *specimens;
    return s;
}

FatigueSeries fatigueExample(const QString& name)
{
    const ColumnTable t = readExample(name);
    FatigueSeries s;
    s.staircaseStep = 10;
    s.runOutLimit = 1e7;
    s.stressRatio = -1;
    const auto specimens = fatigueSpecimensFromTable(t, guessFatigueColumns(t.headers, t.columnCount()), s.runOutLimit);
    if (specimens)
        s.specimens = *specimens;
    return s;
}

}

// The shipped examples read as they should and give what their material
// models put in (evaluation/examples/README.md and the scripts beside it
// document the models).
class ExamplesTest : public QObject {
    Q_OBJECT
private slots:
    void everyExampleIsListedForItsKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("tensile") << "tensile"
                                 << QStringList{"stahl_S355J2_ausgepraegte_streckgrenze.csv",
                                                "aluminium_EN_AW-6082_T6.csv", "austenit_X5CrNi18-10.csv"};
        QTest::newRow("impact") << "impact" << QStringList{"kerbschlag_S355J2.csv", "kerbschlag_X5CrNi18-10.csv"};
        QTest::newRow("fatigue") << "fatigue" << QStringList{"woehler_C45.csv", "woehler_AlMgSi1.csv"};
    }
    void everyExampleIsListedForItsKind()
    {
        QFETCH(QString, kind);
        QStringList names;
        for (const ExampleFile& f : exampleFiles(kind)) {
            QCOMPARE(f.kind, kind);
            QVERIFY(f.title.size() > 10);
            names << QFileInfo(f.path).fileName();
        }
        QTEST(names, "files");
    }

    void noExampleFileIsLeftOut()
    {
        QStringList listed;
        for (const ExampleFile& f : exampleFiles())
            listed << QFileInfo(f.path).fileName();
        QStringList shipped = QDir(examplesFolder()).entryList({"*.csv"}, QDir::Files);
        listed.sort();
        QCOMPARE(listed, shipped);
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
            const TensileOutcome& v = result[q];
            QVERIFY2(v, qPrintable(tensileTerm(q).symbolText() + ": " + v.reason()));
            QVERIFY2(std::abs(v->value - expected) <= tolerance,
                     qPrintable(QStringLiteral("%1: %2 instead of %3")
                                    .arg(tensileTerm(q).symbolText())
                                    .arg(v->value)
                                    .arg(expected)));
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

    void structuralSteelShowsItsTransition()
    {
        const ImpactSeries s = impactExample("kerbschlag_S355J2.csv");
        QCOMPARE(int(s.specimens.size()), 24);
        QVERIFY(std::all_of(s.specimens.begin(), s.specimens.end(),
                            [](const auto& sp) { return sp.shearFraction && sp.lateralExpansion; }));
        const ImpactEvaluation e = evaluateImpactSeries(s);
        QVERIFY2(e.energyCurve.has_value(), qPrintable(e.energyCurve.reason()));
        // Model: LS 3 J, US 190 J, T_m −35 °C, C 18 °C; shear T_m −27 °C.
        QVERIFY(e.energyCurve->upperShelf.intervalContains(190, 0.99));
        QVERIFY(e.energyCurve->midTemperature.intervalContains(-35, 0.99));
        QVERIFY(e.energyCurve->width.intervalContains(18, 0.99));
        QVERIFY(e.t27J.has_value() && std::abs(e.t27J->value - (-35 + 18 * std::atanh((54.0 - 193) / 187))) < 6);
        QVERIFY2(e.fatt50.has_value(), qPrintable(e.fatt50.reason()));
        QVERIFY(std::abs(e.fatt50->value + 27) < 6);
    }

    void austeniticSteelHasNoTransition()
    {
        const ImpactSeries s = impactExample("kerbschlag_X5CrNi18-10.csv");
        QCOMPARE(int(s.specimens.size()), 18);
        const ImpactEvaluation e = evaluateImpactSeries(s);
        QVERIFY(!e.energyCurve.has_value());
        QVERIFY2(e.energyCurve.reason().contains("keinen Übergang zwischen zwei Lagen"), qPrintable(e.energyCurve.reason()));
        QVERIFY(!e.t27J.has_value() && !e.fatt50.has_value());
    }

    void quenchedAndTemperedSteelHasAnEnduranceLimit()
    {
        const FatigueSeries s = fatigueExample("woehler_C45.csv");
        QCOMPARE(int(s.specimens.size()), 35);
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        QVERIFY2(e.finiteLife.has_value(), qPrintable(e.finiteLife.reason()));
        QCOMPARE(e.finiteLife->failures, 15);
        QVERIFY(e.finiteLife->slope.intervalContains(9, 0.99));
        QVERIFY(std::abs(e.finiteLife->scatter - 0.15) < 0.08);
        QVERIFY2(e.staircase.has_value(), qPrintable(e.staircase.reason()));
        QCOMPARE(e.staircase->specimens, 20);
        QVERIFY(std::abs(e.staircase->mean - 300) < 12);
        QVERIFY(e.knee.has_value() && e.knee->cycles > 1e6 && e.knee->cycles < 1e7);
    }

    void aluminiumHasAFiniteLifeLineOnly()
    {
        const FatigueSeries s = fatigueExample("woehler_AlMgSi1.csv");
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        QVERIFY2(e.finiteLife.has_value(), qPrintable(e.finiteLife.reason()));
        QCOMPARE(e.finiteLife->failures, 15);
        QVERIFY(e.finiteLife->slope.intervalContains(5, 0.99));
        QVERIFY(!e.staircase.has_value() && !e.knee.has_value());
        QCOMPARE(std::count_if(s.specimens.begin(), s.specimens.end(), [](const auto& sp) { return sp.runOut; }), 2);
    }
};

REGISTER_TEST(ExamplesTest)
#include "tst_examples.moc"
