#include "common/test_main.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

using namespace evaluation;

// The methods against figures computed independently with SciPy on the
// same data (reference/compute_reference.py, its output kept in
// reference/reference_figures.json): they agree to four significant digits.
class ReferenceFiguresTest : public QObject {
    Q_OBJECT
private:
    QJsonObject figures;

    static bool agrees(double value, double reference)
    {
        return std::abs(value - reference) <= 5e-5 * std::abs(reference);
    }

    static void compare(const char* what, double value, double reference)
    {
        QVERIFY2(agrees(value, reference),
                 qPrintable(QStringLiteral("%1: %2, SciPy %3").arg(what).arg(value, 0, 'g', 10).arg(reference, 0, 'g', 10)));
    }

    static void compareCurve(const TransitionCurve& c, const QJsonObject& r)
    {
        compare("LS", c.lowerShelf.value, r["LS"].toDouble());
        compare("US", c.upperShelf.value, r["US"].toDouble());
        compare("T_m", c.midTemperature.value, r["Tm"].toDouble());
        compare("C", c.width.value, r["C"].toDouble());
        for (const auto& [estimate, key] : {std::pair{c.lowerShelf, "seLS"}, {c.upperShelf, "seUS"}}) {
            if (estimate.fixed())
                QCOMPARE(r[key].toDouble(), 0.0);
            else
                compare(key, estimate.standardError, r[key].toDouble());
        }
        compare("SE(T_m)", c.midTemperature.standardError, r["seTm"].toDouble());
        compare("SE(C)", c.width.standardError, r["seC"].toDouble());
        compare("s", c.residualStandardDeviation, r["s"].toDouble());
        QCOMPARE(c.degreesOfFreedom, r["dof"].toInt());
    }

    ImpactSeries impactSeries() const
    {
        const QJsonObject data = figures["impact"].toObject();
        ImpactSeries s;
        const QJsonArray t = data["temperature"].toArray(), kv = data["energy"].toArray(), shear = data["shear"].toArray();
        for (int i = 0; i < t.size(); ++i)
            s.specimens.push_back({t[i].toDouble(), kv[i].toDouble(), shear[i].toDouble(), {}});
        return s;
    }

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(EVALUATION_REFERENCE_FIGURES));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        figures = QJsonDocument::fromJson(file.readAll()).object();
        QVERIFY(figures.contains("energyCurve") && figures.contains("staircase"));
    }

    void transitionCurveWithBothShelvesFitted()
    {
        const ImpactEvaluation e = evaluateImpactSeries(impactSeries());
        QVERIFY2(e.energyCurve.has_value(), qPrintable(e.energyCurve.reason()));
        const QJsonObject r = figures["energyCurve"].toObject();
        compareCurve(*e.energyCurve, r);
        compare("T27J", e.t27J->value, r["T27J"].toDouble());
        compare("SE(T27J)", e.t27J->standardError, r["seT27J"].toDouble());
        compare("T50%US", e.tHalfUpperShelf->value, r["T50US"].toDouble());
        compare("SE(T50%US)", e.tHalfUpperShelf->standardError, r["seT50US"].toDouble());
    }

    void transitionCurveWithTheLowerShelfFixed()
    {
        ImpactSeries s = impactSeries();
        s.fixedLowerShelf = figures["impact"].toObject()["fixedLowerShelf"].toDouble();
        const ImpactEvaluation e = evaluateImpactSeries(s);
        QVERIFY2(e.energyCurve.has_value(), qPrintable(e.energyCurve.reason()));
        const QJsonObject r = figures["energyCurveLowerShelfFixed"].toObject();
        compareCurve(*e.energyCurve, r);
        compare("T27J", e.t27J->value, r["T27J"].toDouble());
        compare("SE(T27J)", e.t27J->standardError, r["seT27J"].toDouble());
        compare("T50%US", e.tHalfUpperShelf->value, r["T50US"].toDouble());
        compare("SE(T50%US)", e.tHalfUpperShelf->standardError, r["seT50US"].toDouble());
    }

    void shearCurveAndFatt50()
    {
        const ImpactEvaluation e = evaluateImpactSeries(impactSeries());
        QVERIFY2(e.shearCurve.has_value(), qPrintable(e.shearCurve.reason()));
        const QJsonObject r = figures["shearCurve"].toObject();
        compareCurve(*e.shearCurve, r);
        compare("FATT50", e.fatt50->value, r["Tm"].toDouble());
        compare("SE(FATT50)", e.fatt50->standardError, r["seTm"].toDouble());
    }

    void finiteLifeLineStaircaseAndKnee()
    {
        FatigueSeries s;
        const QJsonObject data = figures["fatigue"].toObject();
        s.staircaseStep = data["staircaseStep"].toDouble();
        for (const QJsonValue& v : data["specimens"].toArray()) {
            const QJsonArray a = v.toArray();
            s.specimens.push_back({a[0].toDouble(), a[1].toDouble(), a[2].toBool(), a[3].toBool()});
        }
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        QVERIFY2(e.finiteLife.has_value(), qPrintable(e.finiteLife.reason()));
        const QJsonObject l = figures["finiteLifeLine"].toObject();
        const FiniteLifeLine& line = *e.finiteLife;
        compare("k", line.slope.value, l["k"].toDouble());
        compare("SE(k)", line.slope.standardError, l["seK"].toDouble());
        compare("σ0", line.referenceStress, l["sigma0"].toDouble());
        compare("lg N0", line.logCycles.value, l["lgN0"].toDouble());
        compare("SE(lg N0)", line.logCycles.standardError, l["seLgN0"].toDouble());
        compare("s", line.scatter, l["s"].toDouble());
        compare("T_N", line.scatterRange(), l["TN"].toDouble());
        compare("N10(320 MPa)", line.cyclesAt(320, 0.1), l["N10at320"].toDouble());
        compare("N90(320 MPa)", line.cyclesAt(320, 0.9), l["N90at320"].toDouble());
        compare("σa(N = 10^6)", line.stressAt(1e6), l["stress50at1e6"].toDouble());

        QVERIFY2(e.staircase.has_value(), qPrintable(e.staircase.reason()));
        const QJsonObject st = figures["staircase"].toObject();
        const StaircaseResult& r = *e.staircase;
        QCOMPARE(r.specimens, st["specimens"].toInt());
        QCOMPARE(r.countedEvent == StaircaseResult::Event::RunOut, st["countedRunOuts"].toBool());
        QCOMPARE((QList<int>{r.events, r.sumA, r.sumB}),
                 (QList<int>{st["N"].toInt(), st["A"].toInt(), st["B"].toInt()}));
        compare("S0", r.lowestLevel, st["S0"].toDouble());
        compare("σ_D", r.mean, st["mean"].toDouble());
        compare("(NB − A²)/N²", r.spreadIndex, st["index"].toDouble());
        QVERIFY(r.standardDeviation.has_value());
        compare("s_D", *r.standardDeviation, st["sd"].toDouble());
        compare("SE(σ_D)", r.meanEstimate()->standardError, st["seMean"].toDouble());
        compare("ν", r.degreesOfFreedom, st["dof"].toDouble());
        QVERIFY(e.knee.has_value());
        compare("N_k", e.knee->cycles, figures["kneeCycles"].toDouble());
    }
};

REGISTER_TEST(ReferenceFiguresTest)
#include "tst_reference_figures.moc"
