#include "common/test_main.h"

#include "evaluation/impact_evaluation.h"
#include "evaluation/impact_series.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

using namespace evaluation;

namespace {

ImpactSeries eightSpecimens()
{
    ImpactSeries s;
    s.notch = NotchType::V;
    s.striker = StrikerRadius::EightMillimetres;
    s.fixedLowerShelf = 2.5;
    // A tanh curve LS 2.5, US 160, T_m −15 °C, C 22 °C with a little scatter.
    const double t[] = {-80, -60, -40, -20, 0, 20, 40, 60};
    const double wobble[] = {0.6, -1.1, 2.3, -3.0, 2.2, 1.4, -1.9, 0.7};
    for (int i = 0; i < 8; ++i) {
        ImpactSpecimen sp;
        sp.temperature = t[i];
        sp.absorbedEnergy = 2.5 + 157.5 * (1 + std::tanh((t[i] + 15) / 22)) / 2 + wobble[i];
        sp.shearFraction = std::clamp(std::round(100 * (1 + std::tanh((t[i] + 5) / 18)) / 2 + wobble[i]), 0.0, 100.0);
        if (i % 2 == 0)
            sp.lateralExpansion = 0.02 * std::max(0.0, sp.absorbedEnergy / 10);
        s.specimens.push_back(sp);
    }
    s.specimens[3].shearFraction.reset();
    return s;
}

QJsonObject specimen(double t, double kv)
{
    return QJsonObject{{"temperature", t}, {"absorbedEnergy", kv}};
}

ColumnTable table(QStringList headers, std::vector<std::vector<double>> columns, std::vector<int> lines = {})
{
    return ColumnTable{headers, columns, lines, {}};
}

const double empty = std::nan("");

}

Q_DECLARE_METATYPE(ColumnTable)

class ImpactSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void savesAndReadsBackEveryField()
    {
        const ImpactSeries s = eightSpecimens();
        const QByteArray text = QJsonDocument(toJson(s)).toJson();
        const auto back = impactSeriesFromJson(QJsonDocument::fromJson(text).object());
        QVERIFY2(back.has_value(), qPrintable(back.reason()));
        QVERIFY(*back == s);
        ImpactSeries u;
        u.notch = NotchType::U;
        u.fixedUpperShelf = 120;
        u.specimens = {{-20, 30, {}, {}}};
        QVERIFY(*impactSeriesFromJson(toJson(u)) == u);
    }

    void readingNamesWhatIsWrong_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<QString>("message");
        const QJsonArray two{specimen(-20, 30), specimen(20, 150)};
        QTest::newRow("no specimens") << QJsonObject{{"specimenType", "V"}}
                                      << QStringLiteral("Die Liste der Proben („specimens“) fehlt.");
        QTest::newRow("unknown notch") << QJsonObject{{"specimenType", "W"}, {"specimens", two}}
                                       << QStringLiteral("Die Probenform „W“ ist unbekannt (erwartet: „V“ oder „U“).");
        QTest::newRow("unknown striker")
            << QJsonObject{{"strikerRadius", 5}, {"specimens", two}}
            << QStringLiteral("Der Radius der Hammerfinne „5“ ist unbekannt (erwartet: 2 oder 8 mm).");
        QTest::newRow("shelf as text") << QJsonObject{{"fixedLowerShelf", "2,5"}, {"specimens", two}}
                                       << QStringLiteral("„fixedLowerShelf“ ist keine Zahl.");
        QTest::newRow("shelves crossed")
            << QJsonObject{{"fixedLowerShelf", 50}, {"fixedUpperShelf", 40}, {"specimens", two}}
            << QStringLiteral("Die festgelegte Hochlage liegt nicht über der festgelegten Tieflage.");
        QTest::newRow("energy missing")
            << QJsonObject{{"specimens", QJsonArray{specimen(-20, 30), QJsonObject{{"temperature", 0}}}}}
            << QStringLiteral("Probe 2: „absorbedEnergy“ fehlt.");
        QTest::newRow("specimen not an object") << QJsonObject{{"specimens", QJsonArray{specimen(0, 3), 7}}}
                                                << QStringLiteral("Probe 2: Der Eintrag ist kein Objekt.");
        QTest::newRow("below absolute zero")
            << QJsonObject{{"specimens", QJsonArray{specimen(-300, 3)}}}
            << QStringLiteral("Probe 1: Die Prüftemperatur -300 °C liegt unter dem absoluten Nullpunkt.");
        QTest::newRow("negative energy") << QJsonObject{{"specimens", QJsonArray{specimen(0, 3), specimen(10, -1)}}}
                                         << QStringLiteral("Probe 2: Die verbrauchte Schlagenergie -1 J ist negativ.");
        QJsonObject shear = specimen(0, 40);
        shear.insert("shearFraction", 120);
        QTest::newRow("shear above 100 %")
            << QJsonObject{{"specimens", QJsonArray{shear}}}
            << QStringLiteral("Probe 1: Der Scherbruchanteil 120 % liegt nicht zwischen 0 und 100 %.");
        QJsonObject flag = specimen(0, 40);
        flag.insert("lateralExpansion", true);
        QTest::newRow("expansion not a number") << QJsonObject{{"specimens", QJsonArray{flag}}}
                                                << QStringLiteral("Probe 1: „lateralExpansion“ ist keine Zahl.");
    }
    void readingNamesWhatIsWrong()
    {
        QFETCH(QJsonObject, object);
        QFETCH(QString, message);
        const auto s = impactSeriesFromJson(object);
        QVERIFY(!s.has_value());
        QCOMPARE(s.reason(), message);
    }

    void guessesColumnsFromTheirHeaders_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("columnCount");
        QTest::addColumn<QList<int>>("expected");  // temperature, energy, shear, expansion
        QTest::newRow("German headers with units")
            << QStringList{"Temperatur in °C", "KV in J", "Scherbruchanteil in %", "Laterale Breitung in mm"} << 4
            << QList<int>{0, 1, 2, 3};
        QTest::newRow("another order")
            << QStringList{"Energie (J)", "Breitung (mm)", "T (°C)"} << 3 << QList<int>{2, 0, -1, 1};
        QTest::newRow("English") << QStringList{"Shear %", "Test temperature", "Absorbed energy"} << 3
                                 << QList<int>{1, 2, 0, -1};
        QTest::newRow("no headers") << QStringList{} << 3 << QList<int>{0, 1, 2, -1};
        QTest::newRow("headers that say nothing") << QStringList{"A", "B"} << 2 << QList<int>{0, 1, -1, -1};
    }
    void guessesColumnsFromTheirHeaders()
    {
        QFETCH(QStringList, headers);
        QFETCH(int, columnCount);
        QFETCH(QList<int>, expected);
        const ImpactColumns c = guessImpactColumns(headers, columnCount);
        QCOMPARE((QList<int>{c.temperature, c.absorbedEnergy, c.shearFraction, c.lateralExpansion}), expected);
    }

    void turnsATableIntoSpecimens_data()
    {
        QTest::addColumn<ColumnTable>("input");
        QTest::addColumn<int>("specimens");
        QTest::addColumn<QString>("message");
        QTest::newRow("full") << table({}, {{-20, 0, 20}, {30, 80, 150}, {10, 50, 90}, {0.2, 0.6, 1.1}}) << 3
                              << QString();
        QTest::newRow("empty optional cells and an empty row")
            << table({}, {{-20, empty, 20}, {30, empty, 150}, {empty, empty, 90}, {empty, empty, empty}}) << 2 << QString();
        QTest::newRow("energy missing, with the file's line")
            << table({}, {{-20, 0}, {30, empty}, {10, 50}, {empty, empty}}, {7, 8}) << 0
            << QStringLiteral("Zeile 8: Die verbrauchte Schlagenergie fehlt.");
        QTest::newRow("temperature missing, row of the table")
            << table({}, {{empty, 0}, {30, 60}, {10, 50}, {empty, empty}}) << 0
            << QStringLiteral("Zeile 1 der Tabelle: Die Prüftemperatur fehlt.");
        QTest::newRow("shear out of range") << table({}, {{0}, {30}, {-5}, {empty}}, {12}) << 0
                                            << QStringLiteral("Zeile 12: Der Scherbruchanteil -5 % liegt nicht "
                                                              "zwischen 0 und 100 %.");
        QTest::newRow("nothing in it") << table({}, {{empty}, {empty}, {empty}, {empty}}) << 0
                                       << QStringLiteral("Die Tabelle enthält keine Probe.");
        QTest::newRow("ragged") << table({}, {{1, 2}, {3}, {4, 5}, {6, 7}}) << 0
                                << QStringLiteral("Die Spalten der Tabelle sind verschieden lang.");
        QTest::newRow("too few columns") << table({}, {{1, 2}}) << 0
                                         << QStringLiteral("Die Spalte der verbrauchten Schlagenergie fehlt.");
    }
    void turnsATableIntoSpecimens()
    {
        QFETCH(ColumnTable, input);
        QFETCH(int, specimens);
        QFETCH(QString, message);
        const ImpactColumns columns = input.columnCount() >= 4 ? ImpactColumns{0, 1, 2, 3} : ImpactColumns{0, 1, -1, -1};
        const auto s = impactSpecimensFromTable(input, columns);
        QCOMPARE(s.reason(), message);
        QCOMPARE(s.has_value() ? int(s->size()) : 0, specimens);
        if (s && specimens == 2) {
            QCOMPARE((*s)[1].temperature, 20.0);
            QCOMPARE((*s)[1].shearFraction, std::optional<double>(90));
            QVERIFY(!(*s)[1].lateralExpansion);
        }
    }

    void namesTheEnergyAfterNotchAndStriker()
    {
        QCOMPARE(energySymbol(NotchType::V, StrikerRadius::TwoMillimetres), QStringLiteral("KV2"));
        QCOMPARE(energySymbol(NotchType::U, StrikerRadius::EightMillimetres), QStringLiteral("KU8"));
    }

    void evaluatesEnergyAndShear()
    {
        const ImpactSeries s = eightSpecimens();
        const ImpactEvaluation e = evaluateImpactSeries(s);
        QVERIFY2(e.energyCurve.has_value(), qPrintable(e.energyCurve.reason()));
        QCOMPARE(e.energyCurve->lowerShelf.value, 2.5);
        QVERIFY(e.energyCurve->lowerShelf.fixed());
        QVERIFY(std::abs(e.energyCurve->upperShelf.value - 160) < 4);
        QVERIFY(std::abs(e.energyCurve->midTemperature.value + 15) < 3);
        QVERIFY(e.t27J.has_value());
        QVERIFY(std::abs(e.energyCurve->valueAt(e.t27J->value) - 27) < 1e-9);
        QVERIFY(e.tHalfUpperShelf.has_value());
        // FATT50 from the seven specimens with a shear fraction, shelves 0 and 100 %.
        QVERIFY2(e.fatt50.has_value(), qPrintable(e.fatt50.reason()));
        QCOMPARE(e.shearCurve->points, 7);
        QCOMPARE(e.shearCurve->lowerShelf.value, 0.0);
        QCOMPARE(e.shearCurve->upperShelf.value, 100.0);
        QVERIFY(std::abs(e.fatt50->value + 5) < 3);
        QCOMPARE(e.fatt50->degreesOfFreedom, 5.0);
    }

    void saysWhyAValueIsMissing_data()
    {
        QTest::addColumn<double>("upperShelf");
        QTest::addColumn<bool>("withShear");
        QTest::addColumn<QStringList>("noteParts");
        QTest::newRow("everything determined") << 160.0 << true << QStringList{"Tieflage ist festgelegt"};
        QTest::newRow("upper shelf below 27 J")
            << 20.0 << true
            << QStringList{"T27J: 27 J liegt nicht unter der Hochlage der Kurve (20", "Tieflage ist festgelegt"};
        QTest::newRow("no shear fractions")
            << 160.0 << false << QStringList{"Tieflage ist festgelegt", "FATT50: Keine Scherbruchanteile angegeben."};
    }
    void saysWhyAValueIsMissing()
    {
        QFETCH(double, upperShelf);
        QFETCH(bool, withShear);
        QFETCH(QStringList, noteParts);
        ImpactSeries s = eightSpecimens();
        for (auto& sp : s.specimens) {
            sp.absorbedEnergy = 2.5 + (sp.absorbedEnergy - 2.5) * (upperShelf - 2.5) / 157.5;
            if (!withShear)
                sp.shearFraction.reset();
        }
        const QStringList notes = impactNotes(evaluateImpactSeries(s));
        QCOMPARE(notes.size(), noteParts.size());
        for (int i = 0; i < notes.size(); ++i)
            QVERIFY2(notes[i].contains(noteParts[i]), qPrintable(notes[i]));
    }

    void writesOneRowPerSeriesForTheCommandLine()
    {
        const QStringList header = impactTableHeader();
        QCOMPARE(header.mid(0, 5), (QStringList{"Datei", "Probe", "n", "US/J", "SE(US)/J"}));
        QVERIFY(header.contains("T27J/°C") && header.contains("SE(FATT50)/°C") && header.contains("s/J"));
        const ImpactSeries s = eightSpecimens();
        const ImpactEvaluation e = evaluateImpactSeries(s);
        const QStringList row = impactTableRow("reihe.csv", s, e);
        QCOMPARE(row.size(), header.size());
        QCOMPARE(row.mid(0, 3), (QStringList{"reihe.csv", "KV8", "8"}));
        const auto column = [&](const char* title) { return row[header.indexOf(title)]; };
        QCOMPARE(column("LS/J"), QStringLiteral("2.5"));
        QCOMPARE(column("SE(LS)/J"), QStringLiteral("-"));  // fixed, no error
        QCOMPARE(column("T27J/°C"), QString::number(e.t27J->value, 'f', 1));
        QCOMPARE(column("SE(T27J)/°C"), QString::number(e.t27J->standardError, 'f', 2));
        QVERIFY(!row.join("").contains(','));

        ImpactSeries bad = s;
        bad.specimens.resize(3);
        const QStringList badRow = impactTableRow("kurz.csv", bad, evaluateImpactSeries(bad));
        QCOMPARE(badRow.size(), header.size());
        QCOMPARE(badRow.mid(3), QStringList(header.size() - 3, "-"));
    }

    void everyResultHasANameAndADefinition()
    {
        QStringList keys;
        for (const ResultTerm& t : impactResultTerms()) {
            QVERIFY(!t.translatedName().isEmpty() && t.translatedDefinition().size() > 20);
            keys << t.key;
        }
        QCOMPARE(keys, (QStringList{"US", "LS", "Tm", "C", "T27J", "T50US", "FATT50", "s"}));
        QVERIFY(!impactResult(evaluateImpactSeries(eightSpecimens()), "nonsense").has_value());
    }
};

REGISTER_TEST(ImpactSeriesTest)
#include "tst_impact_series.moc"
