#include "common/test_main.h"

#include "evaluation/synthetic_tensile_curve.h"
#include "evaluation/tensile_evaluation.h"

#include <cmath>

using namespace evaluation;
using Q = TensileQuantity;

Q_DECLARE_METATYPE(evaluation::ContinuousYieldingModel)
Q_DECLARE_METATYPE(evaluation::DiscontinuousYieldingModel)
Q_DECLARE_METATYPE(evaluation::Specimen)
Q_DECLARE_METATYPE(evaluation::TensileQuantity)
Q_DECLARE_METATYPE(evaluation::ExtensionSource)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

double valueOf(const TensileResult& r, Q q)
{
    if (!r[q])
        qWarning("%s not determined: %s", qPrintable(tensileTerm(q).symbolText()), qPrintable(r[q].reason()));
    return r[q] ? r[q]->value : std::nan("");
}

Specimen roundSpecimen(double d0, double L0)
{
    Specimen s;
    s.d0 = d0;
    s.L0 = L0;
    return s;
}

}

class TensileEvaluationTest : public QObject {
    Q_OBJECT
private slots:
    // The accuracy the evaluation promises on curves whose values are known
    // by construction (at least 2,000 samples, force noise 0,2 % of Rm).
    void continuousYieldingWithinTolerance_data()
    {
        QTest::addColumn<ContinuousYieldingModel>("model");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("seed");
        const ContinuousYieldingModel aluminium;
        ContinuousYieldingModel steel{210000, 520, 18, 9, 18};
        for (int seed : {1, 2, 3}) {
            QTest::addRow("aluminium, 2000 samples, seed %d", seed) << aluminium << 2000 << seed;
            QTest::addRow("aluminium, 5000 samples, seed %d", seed) << aluminium << 5000 << seed;
            QTest::addRow("quenched steel, 3000 samples, seed %d", seed) << steel << 3000 << seed;
        }
    }
    void continuousYieldingWithinTolerance()
    {
        QFETCH(ContinuousYieldingModel, model);
        QFETCH(int, samples);
        QFETCH(int, seed);
        const SyntheticTest t = syntheticTest(model, {samples / 8, samples, 0.002, std::uint64_t(seed)});
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
        QVERIFY(r.curveProblem.isEmpty());
        QVERIFY(!r.discontinuousYielding);
        QVERIFY(!r[Q::UpperYieldStrength].has_value());
        QCOMPARE_LE(std::abs(valueOf(r, Q::ElasticSlope) * 1000 / t.known.E - 1), 0.01);
        QCOMPARE_LE(std::abs(valueOf(r, Q::ProofStrength) / t.known.Rp02 - 1), 0.005);
        QCOMPARE_LE(std::abs(valueOf(r, Q::TensileStrength) / t.known.Rm - 1), 0.005);
        QCOMPARE_LE(std::abs(valueOf(r, Q::PlasticExtensionAtMaxForce) - t.known.Ag), 0.5);
        QCOMPARE_LE(std::abs(valueOf(r, Q::TotalExtensionAtMaxForce) - t.known.Agt), 0.5);
        QCOMPARE_LE(std::abs(valueOf(r, Q::ElongationAfterFracture) - t.known.A), 0.3);
        QCOMPARE(valueOf(r, Q::MaximumForce), valueOf(r, Q::TensileStrength) * originalCrossSection(t.specimen) / 1000);
        // The marks lie on the curve at the values.
        QCOMPARE(r[Q::ProofStrength]->mark->stress, valueOf(r, Q::ProofStrength));
        QCOMPARE_LE(std::abs(r[Q::ProofStrength]->mark->strain - (0.2 + t.known.Rp02 / t.known.E * 100)), 0.01);
    }

    void discontinuousYieldingWithinTolerance_data()
    {
        QTest::addColumn<DiscontinuousYieldingModel>("model");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("seed");
        const DiscontinuousYieldingModel s355;
        DiscontinuousYieldingModel s235{210000, 290, 255, 0.03, 0.015, 0.3, 3.0, 1.0, 0.25, 80, 32};
        for (int seed : {1, 2, 3}) {
            QTest::addRow("S355, 2000 samples, seed %d", seed) << s355 << 2000 << seed;
            QTest::addRow("S355, 6000 samples, seed %d", seed) << s355 << 6000 << seed;
            QTest::addRow("S235, 3000 samples, seed %d", seed) << s235 << 3000 << seed;
        }
    }
    void discontinuousYieldingWithinTolerance()
    {
        QFETCH(DiscontinuousYieldingModel, model);
        QFETCH(int, samples);
        QFETCH(int, seed);
        const SyntheticTest t = syntheticTest(model, {samples / 8, samples, 0.002, std::uint64_t(seed)});
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
        QVERIFY(r.discontinuousYielding);
        QVERIFY(!r[Q::ProofStrength].has_value());
        QCOMPARE(r[Q::ProofStrength].reason(),
                 QStringLiteral("Der Werkstoff hat eine ausgeprägte Streckgrenze; bestimmt werden ReH und ReL."));
        QCOMPARE_LE(std::abs(valueOf(r, Q::ElasticSlope) * 1000 / t.known.E - 1), 0.01);
        QCOMPARE_LE(std::abs(valueOf(r, Q::UpperYieldStrength) / t.known.ReH - 1), 0.01);
        QCOMPARE_LE(std::abs(valueOf(r, Q::LowerYieldStrength) / t.known.ReL - 1), 0.01);
        QCOMPARE_LE(std::abs(valueOf(r, Q::TensileStrength) / t.known.Rm - 1), 0.005);
        QCOMPARE_LE(std::abs(valueOf(r, Q::PlasticExtensionAtMaxForce) - t.known.Ag), 0.5);
        QCOMPARE_LE(std::abs(valueOf(r, Q::ElongationAfterFracture) - t.known.A), 0.3);
        // ReL lies after ReH, Fm after both.
        QCOMPARE_LT(r[Q::UpperYieldStrength]->mark->strain, r[Q::LowerYieldStrength]->mark->strain);
        QCOMPARE_LT(r[Q::LowerYieldStrength]->mark->strain, r[Q::TensileStrength]->mark->strain);
    }

    void fractureIsTheLastPointBeforeTheFall_data()
    {
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("samples");
        QTest::addColumn<bool>("found");
        // The synthetic fracture falls to 30 % of the last stress in one sample.
        QTest::newRow("default") << 0.10 << 5 << true;
        QTest::newRow("a fall of more than 60 %") << 0.60 << 1 << true;
        QTest::newRow("a fall of more than 95 % within one sample") << 0.95 << 1 << false;
    }
    void fractureIsTheLastPointBeforeTheFall()
    {
        QFETCH(double, share);
        QFETCH(int, samples);
        QFETCH(bool, found);
        const SyntheticTest t = syntheticTest(ContinuousYieldingModel{});
        TensileSettings settings;
        settings.fractureDropShare = share;
        settings.fractureDropSamples = samples;
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record, settings);
        QCOMPARE(r.fractureRow.has_value(), found);
        QCOMPARE(r[Q::TotalExtensionAtFracture].has_value(), found);
        if (found) {
            QCOMPARE(*r.fractureRow, t.record.size() - 4);
        } else {
            QCOMPARE(r[Q::ElongationAfterFracture].reason(),
                     QStringLiteral("Kein Bruch erkannt: die Kraft fällt nach der Höchstkraft nirgends um mehr als 95 % "
                                    "von Fm innerhalb von 1 Messpunkten."));
        }
    }

    void elasticRangeFollowsTheSettings()
    {
        const SyntheticTest t = syntheticTest(ContinuousYieldingModel{});
        TensileSettings settings;
        settings.modulusLowerShare = 0.2;
        settings.modulusUpperShare = 0.3;
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record, settings);
        QCOMPARE_LE(std::abs(r.elastic->lowerStress / (0.2 * t.known.Rm) - 1), 0.01);
        QCOMPARE_LE(std::abs(r.elastic->upperStress / (0.3 * t.known.Rm) - 1), 0.01);
        QCOMPARE_LE(std::abs(valueOf(r, Q::ElasticSlope) * 1000 / t.known.E - 1), 0.01);

        // A range into the plastic part flattens the line.
        settings.modulusUpperShare = 0.98;
        const TensileResult plastic = evaluateTensileTest(t.specimen, &t.record, settings);
        QCOMPARE_LT(valueOf(plastic, Q::ElasticSlope) * 1000, 0.9 * t.known.E);
    }

    void typedValuesWithoutCurve_data()
    {
        QTest::addColumn<Specimen>("specimen");
        QTest::addColumn<double>("Rm");
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("Z");
        QTest::addColumn<QString>("symbol");
        Specimen round = roundSpecimen(10, 50);
        round.Fm = 40;
        round.Lu = 62;
        round.du = 6;
        QTest::newRow("round") << round << 40000 / (M_PI * 25) << 24.0 << 64.0 << "A";
        Specimen flat;
        flat.crossSection = CrossSection::Flat;
        flat.a0 = 2;
        flat.b0 = 20;
        flat.L0 = 80;
        flat.Fm = 14;
        flat.Lu = 100;
        flat.Su = 30;
        QTest::newRow("flat") << flat << 350.0 << 25.0 << 25.0 << "A80mm";
        Specimen longSpecimen = roundSpecimen(10, 100);
        longSpecimen.Fm = 30;
        longSpecimen.Lu = 110;
        longSpecimen.Su = 78.54 / 2;
        QTest::newRow("long proportional") << longSpecimen << 30000 / (M_PI * 25) << 10.0 << 50.0 << "A11,3";
    }
    void typedValuesWithoutCurve()
    {
        QFETCH(Specimen, specimen);
        const TensileResult r = evaluateTensileTest(specimen, nullptr);
        QFETCH(double, Rm);
        QFETCH(double, A);
        QFETCH(double, Z);
        QCOMPARE(valueOf(r, Q::TensileStrength), Rm);
        QCOMPARE(valueOf(r, Q::ElongationAfterFracture), A);
        QCOMPARE_LE(std::abs(valueOf(r, Q::ReductionOfArea) - Z), 0.01);
        QTEST(r.elongation.text, "symbol");
        QCOMPARE(r[Q::ProofStrength].reason(), QStringLiteral("Ohne Messkurve nicht bestimmbar."));
        QVERIFY(r[Q::ElongationAfterFracture]->valid);
    }

    void elongationSymbols_data()
    {
        QTest::addColumn<double>("d0");
        QTest::addColumn<double>("L0");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("d0 10, L0 50") << 10.0 << 50.0 << "A" << "A";
        QTest::newRow("d0 8, L0 40") << 8.0 << 40.0 << "A" << "A";
        QTest::newRow("d0 14, L0 70 (5,65·√S0 = 70,09)") << 14.0 << 70.0 << "A" << "A";
        QTest::newRow("d0 10, L0 100") << 10.0 << 100.0 << "A11,3" << "A<sub>11,3</sub>";
        QTest::newRow("d0 10, L0 55") << 10.0 << 55.0 << "A55mm" << "A<sub>55 mm</sub>";
        QTest::newRow("d0 6, L0 25,4") << 6.0 << 25.4 << "A25,4mm" << "A<sub>25,4 mm</sub>";
    }
    void elongationSymbols()
    {
        QFETCH(double, d0);
        QFETCH(double, L0);
        const ElongationSymbol s = elongationSymbol(roundSpecimen(d0, L0));
        QTEST(s.text, "text");
        QTEST(s.html, "html");
    }

    void roundingForTheReport_data()
    {
        QTest::addColumn<TensileQuantity>("quantity");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("point");
        QTest::newRow("Rm half to even, down") << Q::TensileStrength << 522.5 << "522" << "522";
        QTest::newRow("Rm half to even, up") << Q::TensileStrength << 523.5 << "524" << "524";
        QTest::newRow("ReL") << Q::LowerYieldStrength << 359.49 << "359" << "359";
        QTest::newRow("A to 0,5 %") << Q::ElongationAfterFracture << 23.74 << "23,5" << "23.5";
        QTest::newRow("A half step to even") << Q::ElongationAfterFracture << 23.25 << "23,0" << "23.0";
        QTest::newRow("Ag") << Q::PlasticExtensionAtMaxForce << 7.76 << "8,0" << "8.0";
        QTest::newRow("Z to 1 %") << Q::ReductionOfArea << 54.5 << "54" << "54";
        QTest::newRow("mE in GPa to 0,1") << Q::ElasticSlope << 69.8944 << "69,9" << "69.9";
        QTest::newRow("Fm in kN to 0,01") << Q::MaximumForce << 24.386 << "24,39" << "24.39";
        QTest::newRow("no minus zero") << Q::PlasticExtensionAtMaxForce << -0.1 << "0,0" << "0.0";
    }
    void roundingForTheReport()
    {
        QFETCH(TensileQuantity, quantity);
        QFETCH(double, value);
        QTEST(tensileTerm(quantity).format(value), "german");
        QTEST(tensileTerm(quantity).format(value, true), "point");
    }

    void badInputGivesReasons_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("d0 of zero") << "d0" << "d0 muss größer als null sein (angegeben: 0 mm).";
        QTest::newRow("force never rises") << "flat force"
                                           << "In synthetisch steigt die Kraft nicht an: die größte Kraft liegt nicht "
                                              "merklich über der ersten.";
        QTest::newRow("extension runs backwards") << "backwards"
                                                  << "synthetisch, Zeile 1502: die Verlängerung läuft rückwärts (von "
                                                     "3,808 % auf 2,000 % Dehnung).";
        QTest::newRow("too few points") << "short" << "synthetisch enthält nur 10 Messpunkte; ausgewertet werden "
                                                      "Kurven ab 20 Punkten.";
    }
    void badInputGivesReasons()
    {
        QFETCH(QString, fault);
        SyntheticTest t = syntheticTest(ContinuousYieldingModel{});
        if (fault == "d0")
            t.specimen.d0 = 0;
        if (fault == "flat force")
            std::fill(t.record.load.begin(), t.record.load.end(), 0.0);
        if (fault == "backwards")
            t.record.deformation[1500] = 1.0;  // 2 % of 50 mm
        if (fault == "short") {
            t.record.load.resize(10);
            t.record.deformation.resize(10);
        }
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
        QFETCH(QString, message);
        for (Q q : allTensileQuantities) {
            if (q == Q::ReductionOfArea && fault != "d0")
                continue;  // measured on the broken specimen, not on the curve
            QVERIFY2(!r[q].has_value(), qPrintable(tensileTerm(q).symbolText()));
            QVERIFY2(r[q].reason().contains(message), qPrintable(r[q].reason()));
        }
    }

    void tooFewElasticPoints()
    {
        // Three samples from zero to the yield: the elastic line is not determined,
        // and neither is anything that needs it; Rm still is.
        SyntheticTest t = syntheticTest(ContinuousYieldingModel{}, {3, 2000, 0.002, 1});
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
        QVERIFY(!r[Q::ElasticSlope].has_value());
        QVERIFY2(r[Q::ElasticSlope].reason().startsWith("Nur "), qPrintable(r[Q::ElasticSlope].reason()));
        QVERIFY(r[Q::ElasticSlope].reason().endsWith("für die Gerade werden mindestens 8 gebraucht."));
        for (Q q : {Q::ProofStrength, Q::PlasticExtensionAtMaxForce, Q::ElongationAfterFracture})
            QVERIFY2(r[q].reason().startsWith("mE ist nicht bestimmt: Nur "), qPrintable(tensileTerm(q).symbolText()));
        QVERIFY(r[Q::TensileStrength].has_value());
        QVERIFY(r[Q::TotalExtensionAtFracture].has_value());
    }

    void howTheExtensionWasMeasuredFlagsA_data()
    {
        QTest::addColumn<ExtensionSource>("source");
        QTest::addColumn<double>("Le");
        QTest::addColumn<std::optional<double>>("Lu");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("note");
        QTest::newRow("extensometer over L0") << ExtensionSource::Extensometer << 50.0 << std::optional<double>() << true
                                              << "aus der Kurve: At ohne den elastischen Anteil beim Bruch";
        QTest::newRow("crosshead") << ExtensionSource::Crosshead << 50.0 << std::optional<double>() << false
                                   << "aus dem Traversenweg: nicht normgerecht, die Messlänge L0 wurde nicht gemessen.";
        QTest::newRow("extensometer over another length")
            << ExtensionSource::Extensometer << 25.0 << std::optional<double>() << false
            << "aus der Kurve über Le = 25,0 mm, nicht über L0 = 50,0 mm gemessen.";
        QTest::newRow("Lu measured") << ExtensionSource::Crosshead << 50.0 << std::optional<double>(61.0) << true
                                     << "aus der gemessenen Länge Lu nach dem Bruch";
    }
    void howTheExtensionWasMeasuredFlagsA()
    {
        SyntheticTest t = syntheticTest(ContinuousYieldingModel{});
        QFETCH(ExtensionSource, source);
        QFETCH(double, Le);
        QFETCH(std::optional<double>, Lu);
        t.specimen.extensionSource = source;
        t.specimen.Le = Le;
        t.specimen.Lu = Lu;
        const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
        QVERIFY(r[Q::ElongationAfterFracture].has_value());
        QTEST(r[Q::ElongationAfterFracture]->valid, "valid");
        QTEST(r[Q::ElongationAfterFracture]->note, "note");
        QCOMPARE(r[Q::ElasticSlope]->note.isEmpty(), source == ExtensionSource::Extensometer);
        if (Lu)
            QCOMPARE(valueOf(r, Q::ElongationAfterFracture), 22.0);
    }

    void specimenFaultsNameTheirField_data()
    {
        QTest::addColumn<Specimen>("specimen");
        QTest::addColumn<QList<int>>("fields");
        Specimen ok = roundSpecimen(10, 50);
        QTest::newRow("sound") << ok << QList<int>{};
        Specimen shortLu = ok;
        shortLu.Lu = 45;
        shortLu.du = 12;
        QTest::newRow("Lu short, du wide") << shortLu << QList<int>{int(SpecimenField::Lu), int(SpecimenField::du)};
        Specimen flat;
        flat.crossSection = CrossSection::Flat;
        flat.a0 = -1;
        flat.b0 = 20;
        flat.L0 = 0;
        flat.du = 3;
        QTest::newRow("flat") << flat
                              << QList<int>{int(SpecimenField::a0), int(SpecimenField::L0), int(SpecimenField::du)};
        Specimen wideSu;
        wideSu.crossSection = CrossSection::Flat;
        wideSu.a0 = 2;
        wideSu.b0 = 20;
        wideSu.L0 = 80;
        wideSu.Su = 50;
        wideSu.Fm = 0;
        QTest::newRow("Su larger than S0, Fm zero")
            << wideSu << QList<int>{int(SpecimenField::Su), int(SpecimenField::Fm)};
    }
    void specimenFaultsNameTheirField()
    {
        QFETCH(Specimen, specimen);
        QList<int> fields;
        for (const SpecimenProblem& p : checkSpecimen(specimen))
            fields << int(p.field);
        QTEST(fields, "fields");
    }

    void definitionsForEveryValue()
    {
        QSet<QString> keys;
        for (Q q : allTensileQuantities) {
            QVERIFY(!tensileTerm(q).translatedName().isEmpty());
            QVERIFY(tensileTerm(q).translatedDefinition().size() > 60);
            keys << QLatin1String(tensileTerm(q).key);
        }
        QCOMPARE(keys.size(), tensileQuantityCount);
    }
};

REGISTER_TEST(TensileEvaluationTest)
#include "tst_tensile_evaluation.moc"
