#include "common/test_main.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"

#include <QFile>
#include <QLocale>
#include <cmath>

using namespace evaluation;

namespace {

// The example files are written as a German spreadsheet writes them:
// semicolons, decimal commas, one header line. Read just that here.
ColumnTable readExample(const QString& name)
{
    QFile file(QStringLiteral(EVALUATION_EXAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ColumnTable table;
    table.headers = lines.value(0).split(';');
    table.columns.resize(size_t(table.headers.size()));
    const QLocale german(QLocale::German, QLocale::Germany);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(';');
        for (int c = 0; c < table.columnCount(); ++c) {
            bool ok = false;
            const double v = german.toDouble(cells.value(c), &ok);
            table.columns[size_t(c)].push_back(ok ? v : std::nan(""));
        }
        table.lines.push_back(i + 1);
    }
    return table;
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
// models put in (make_impact_fatigue_examples.py documents the models).
class ExamplesTest : public QObject {
    Q_OBJECT
private slots:
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
