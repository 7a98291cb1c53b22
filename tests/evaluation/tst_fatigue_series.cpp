#include "common/test_main.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/fatigue_series.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

using namespace evaluation;

namespace {

// Fractures on a line of k 7 through 10^5 at 350 MPa with some scatter, two
// run-outs outside and a staircase of 10 specimens with step 10 MPa.
FatigueSeries woehlerSeries()
{
    FatigueSeries s;
    s.staircaseStep = 10;
    s.runOutLimit = 1e7;
    s.stressRatio = -1;
    const double stresses[] = {400, 400, 400, 350, 350, 350, 300, 300, 300};
    const double offsets[] = {0.12, -0.05, -0.1, 0.03, 0.1, -0.14, -0.02, 0.09, -0.06};
    for (int i = 0; i < 9; ++i)
        s.specimens.push_back({stresses[i], std::pow(10.0, 5 - 7 * std::log10(stresses[i] / 350) + offsets[i]), false, false});
    s.specimens.push_back({260, 1e7, true, false});
    s.specimens.push_back({250, 1e7, true, false});
    // 240 F, 230 R, 240 F, 230 F, 220 R, 230 R, 240 F, 230 R, 240 R, 250 F:
    // fractures 5, run-outs 5; fractures from 230 (1), 240 (3), 250 (1).
    const double stair[] = {240, 230, 240, 230, 220, 230, 240, 230, 240, 250};
    const bool ranOut[] = {false, true, false, false, true, true, false, true, true, false};
    for (int i = 0; i < 10; ++i)
        s.specimens.push_back({stair[i], ranOut[i] ? 1e7 : 2e6, ranOut[i], true});
    return s;
}

ColumnTable table(std::vector<std::vector<double>> columns, std::vector<int> lines = {})
{
    return ColumnTable{{}, columns, lines, {}};
}

const double empty = std::nan("");

}

Q_DECLARE_METATYPE(ColumnTable)

class FatigueSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void savesAndReadsBackEveryField()
    {
        const FatigueSeries s = woehlerSeries();
        const auto back = fatigueSeriesFromJson(QJsonDocument::fromJson(QJsonDocument(toJson(s)).toJson()).object());
        QVERIFY2(back.has_value(), qPrintable(back.reason()));
        QVERIFY(*back == s);
        FatigueSeries bare;
        bare.meanStress = 50;
        bare.specimens = {{300, 123456, false, false}};
        QVERIFY(*fatigueSeriesFromJson(toJson(bare)) == bare);
    }

    void readingNamesWhatIsWrong_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<QString>("message");
        const QJsonObject one{{"stressAmplitude", 300}, {"cycles", 1e5}};
        QTest::newRow("no specimens") << QJsonObject{} << QStringLiteral("Die Liste der Proben („specimens“) fehlt.");
        QTest::newRow("step zero") << QJsonObject{{"staircaseStep", 0}, {"specimens", QJsonArray{one}}}
                                   << QStringLiteral("Die Stufenweite d der Treppenstufenfolge muss positiv sein.");
        QTest::newRow("both mean stress and R")
            << QJsonObject{{"meanStress", 50}, {"stressRatio", 0.1}, {"specimens", QJsonArray{one}}}
            << QStringLiteral("Die Reihe hat entweder eine Mittelspannung oder ein Spannungsverhältnis R, nicht beides.");
        QTest::newRow("R = 1") << QJsonObject{{"stressRatio", 1}, {"specimens", QJsonArray{one}}}
                               << QStringLiteral("Ein Spannungsverhältnis R = 1 ist eine ruhende Last, kein Schwingversuch.");
        QTest::newRow("cycles missing")
            << QJsonObject{{"specimens", QJsonArray{one, QJsonObject{{"stressAmplitude", 300}}}}}
            << QStringLiteral("Probe 2: „cycles“ fehlt.");
        QTest::newRow("run-out as text")
            << QJsonObject{{"specimens", QJsonArray{QJsonObject{{"stressAmplitude", 300}, {"cycles", 1e7}, {"runOut", "ja"}}}}}
            << QStringLiteral("Probe 1: „runOut“ ist weder true noch false.");
        QTest::newRow("negative stress")
            << QJsonObject{{"specimens", QJsonArray{QJsonObject{{"stressAmplitude", -300}, {"cycles", 1e5}}}}}
            << QStringLiteral("Probe 1: Die Spannungsamplitude -300 MPa ist nicht positiv.");
        QTest::newRow("no cycles")
            << QJsonObject{{"specimens", QJsonArray{one, QJsonObject{{"stressAmplitude", 300}, {"cycles", 0}}}}}
            << QStringLiteral("Probe 2: Die Schwingspielzahl 0 ist kleiner als 1.");
    }
    void readingNamesWhatIsWrong()
    {
        QFETCH(QJsonObject, object);
        QFETCH(QString, message);
        const auto s = fatigueSeriesFromJson(object);
        QVERIFY(!s.has_value());
        QCOMPARE(s.reason(), message);
    }

    void guessesColumnsFromTheirHeaders_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("columnCount");
        QTest::addColumn<QList<int>>("expected");  // amplitude, cycles, run-out, staircase
        QTest::newRow("German") << QStringList{"Spannungsamplitude σa in MPa", "Schwingspielzahl N", "Durchläufer",
                                               "Treppenstufe"}
                                << 4 << QList<int>{0, 1, 2, 3};
        QTest::newRow("short symbols, other order")
            << QStringList{"Nr", "N", "σa (MPa)", "DL"} << 4 << QList<int>{2, 1, 3, -1};
        QTest::newRow("English") << QStringList{"Cycles", "Stress amplitude", "Run-out", "Staircase"} << 4
                                 << QList<int>{1, 0, 2, 3};
        QTest::newRow("no headers") << QStringList{} << 3 << QList<int>{0, 1, 2, -1};
    }
    void guessesColumnsFromTheirHeaders()
    {
        QFETCH(QStringList, headers);
        QFETCH(int, columnCount);
        QFETCH(QList<int>, expected);
        const FatigueColumns c = guessFatigueColumns(headers, columnCount);
        QCOMPARE((QList<int>{c.stressAmplitude, c.cycles, c.runOut, c.staircase}), expected);
    }

    void turnsATableIntoSpecimens_data()
    {
        QTest::addColumn<ColumnTable>("input");
        QTest::addColumn<FatigueColumns>("columns");
        QTest::addColumn<double>("runOutLimit");  // 0: none
        QTest::addColumn<QString>("expected");    // runOut/staircase flags, or the message
        QTest::newRow("flags given")
            << table({{300, 250, 240}, {1e5, 1e7, 2e6}, {0, 1, empty}, {0, 1, 1}}) << FatigueColumns{0, 1, 2, 3}
            << 0.0 << QStringLiteral("00 11 01");
        QTest::newRow("run-outs from the limit")
            << table({{300, 250, 240}, {1e5, 1e7, 2e6}}) << FatigueColumns{0, 1, -1, -1} << 2e6
            << QStringLiteral("00 10 10");
        QTest::newRow("a run-out column overrules the limit")
            << table({{300, 250}, {1e5, 1e7}, {0, 0}}) << FatigueColumns{0, 1, 2, -1} << 2e6
            << QStringLiteral("00 00");
        QTest::newRow("flag 2") << table({{300, 250}, {1e5, 1e7}, {0, 2}}, {4, 5}) << FatigueColumns{0, 1, 2, -1}
                                << 0.0 << QStringLiteral("Zeile 5: Die Kennzeichnung 2 ist weder 0 noch 1.");
        QTest::newRow("cycles missing") << table({{300, 250}, {1e5, empty}}, {4, 5}) << FatigueColumns{0, 1, -1, -1}
                                        << 0.0 << QStringLiteral("Zeile 5: Die Schwingspielzahl fehlt.");
        QTest::newRow("stress of zero") << table({{0}, {1e5}}) << FatigueColumns{0, 1, -1, -1} << 0.0
                                        << QStringLiteral("Zeile 1 der Tabelle: Die Spannungsamplitude 0 MPa ist nicht positiv.");
        QTest::newRow("no stress column") << table({{300}}) << FatigueColumns{-1, 0, -1, -1} << 0.0
                                          << QStringLiteral("Die Spalte der Spannungsamplitude fehlt.");
    }
    void turnsATableIntoSpecimens()
    {
        QFETCH(ColumnTable, input);
        QFETCH(FatigueColumns, columns);
        QFETCH(double, runOutLimit);
        QFETCH(QString, expected);
        const auto s = fatigueSpecimensFromTable(input, columns, runOutLimit > 0 ? std::optional(runOutLimit) : std::nullopt);
        if (!s) {
            QCOMPARE(s.reason(), expected);
            return;
        }
        QStringList flags;
        for (const FatigueSpecimen& sp : *s)
            flags << QStringLiteral("%1%2").arg(int(sp.runOut)).arg(int(sp.staircase));
        QCOMPARE(flags.join(' '), expected);
    }

    void evaluatesLineStaircaseAndKnee()
    {
        const FatigueSeries s = woehlerSeries();
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        QVERIFY2(e.finiteLife.has_value(), qPrintable(e.finiteLife.reason()));
        QCOMPARE(e.finiteLife->failures, 9);  // neither run-outs nor the staircase
        QVERIFY(std::abs(e.finiteLife->slope.value - 7) < 1.5);
        QVERIFY2(e.staircase.has_value(), qPrintable(e.staircase.reason()));
        // Fractures 5 of 10 (a tie): from 230 MPa, N 5, A 1·3 + 2·1 = 5, B 3 + 4 = 7,
        // mean 230 + 10·(5/5 − 1/2) = 235 MPa.
        QCOMPARE(e.staircase->specimens, 10);
        QCOMPARE(e.staircase->mean, 235.0);
        QVERIFY(e.knee.has_value());
        QCOMPARE(e.knee->stressAmplitude, 235.0);
        QVERIFY(std::abs(e.finiteLife->cyclesAt(235) / e.knee->cycles - 1) < 1e-12);
    }

    void saysWhyAValueIsMissing_data()
    {
        QTest::addColumn<int>("drop");  // 0: nothing, 1: the staircase, 2: its step, 3: the fractures
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("everything there") << 0 << QStringList{};
        QTest::newRow("no staircase")
            << 1 << QStringList{"Dauerfestigkeit: Keine Probe gehört zur Treppenstufenfolge."};
        QTest::newRow("no step")
            << 2 << QStringList{"Dauerfestigkeit: Die Stufenweite d der Treppenstufenfolge fehlt oder ist nicht positiv."};
        QTest::newRow("no fractures outside the staircase")
            << 3 << QStringList{"Zeitfestigkeitsgerade: Zu wenige Brüche außerhalb der Treppenstufenfolge: die "
                                "Zeitfestigkeitsgerade braucht mindestens 3, damit ihre Streuung bestimmt werden "
                                "kann (vorhanden: 0)."};
    }
    void saysWhyAValueIsMissing()
    {
        QFETCH(int, drop);
        QFETCH(QStringList, notes);
        FatigueSeries s = woehlerSeries();
        if (drop == 1)
            std::erase_if(s.specimens, [](const auto& sp) { return sp.staircase; });
        if (drop == 2)
            s.staircaseStep.reset();
        if (drop == 3)
            std::erase_if(s.specimens, [](const auto& sp) { return !sp.staircase; });
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        QCOMPARE(fatigueNotes(e), notes);
        QCOMPARE(e.knee.has_value(), drop == 0);
    }

    void writesOneRowPerSeriesForTheCommandLine()
    {
        const QStringList header = fatigueTableHeader();
        QCOMPARE(header.mid(0, 7), (QStringList{"Datei", "n", "Brüche", "Durchläufer", "Treppe", "σm/MPa", "R"}));
        const FatigueSeries s = woehlerSeries();
        const FatigueEvaluation e = evaluateFatigueSeries(s);
        const QStringList row = fatigueTableRow("woehler.csv", s, e);
        QCOMPARE(row.size(), header.size());
        const auto column = [&](const char* title) { return row[header.indexOf(title)]; };
        QCOMPARE(row.mid(0, 7), (QStringList{"woehler.csv", "21", "14", "7", "10", "-", "-1"}));
        QCOMPARE(column("k"), QString::number(e.finiteLife->slope.value, 'f', 2));
        QCOMPARE(column("SE(k)"), QString::number(e.finiteLife->slope.standardError, 'f', 3));
        QCOMPARE(column("σ_D/MPa"), QStringLiteral("235.0"));
        QCOMPARE(column("N_k"), QString::number(e.knee->cycles, 'f', 0));
        QCOMPARE(column("T_N"), QString::number(e.finiteLife->scatterRange(), 'f', 2));
        QVERIFY(!column("SE(σ_D)/MPa").contains(','));
    }

    void everyResultHasANameAndADefinition()
    {
        QStringList keys;
        for (const ResultTerm& t : fatigueResultTerms()) {
            QVERIFY(!t.translatedName().isEmpty() && t.translatedDefinition().size() > 20);
            keys << t.key;
        }
        QCOMPARE(keys, (QStringList{"k", "sigma0", "N0", "lgN0", "s", "TN", "sigmaD", "sD", "Nk"}));
    }
};

REGISTER_TEST(FatigueSeriesTest)
#include "tst_fatigue_series.moc"
