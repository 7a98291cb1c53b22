#include "common/test_main.h"

#include "evaluation/machine_file_layout.h"
#include "evaluation/machine_file_reader.h"
#include "evaluation/specimen.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace evaluation;

Q_DECLARE_METATYPE(evaluation::Separator)
Q_DECLARE_METATYPE(evaluation::DecimalMark)
Q_DECLARE_METATYPE(evaluation::Unit)
Q_DECLARE_METATYPE(evaluation::SpecimenHints)

namespace {

MachineFileInspection inspect(const QByteArray& bytes) { return inspectMachineData(bytes, "probe.csv", true); }

MachineFileReading readAll(const QByteArray& bytes, const ReadProgress& progress = {})
{
    const MachineFileInspection i = inspect(bytes);
    if (!i.layout) {
        MachineFileReading r;
        r.error = i.error;
        return r;
    }
    return readMachineData(bytes, "probe.csv", *i.layout, i.columns, progress);
}

const QByteArray germanExport = "Prüfprotokoll;Zugversuch\n"
                                "Probe;S235-1\n"
                                "Durchmesser d0;10,00;mm\n"
                                "\n"
                                "Zeit [s];Kraft [kN];Verlängerung [mm]\n"
                                "0,0;0,012;0,0000\n"
                                "0,1;1,250;0,0031\n"
                                "0,2;2,500;0,0062\n"
                                "\n"
                                "0,3;3,750;0,0093\n";

}

class MachineFileTest : public QObject {
    Q_OBJECT
private slots:
    void recognisesTheLayout_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Separator>("separator");
        QTest::addColumn<DecimalMark>("mark");
        QTest::addColumn<int>("headerLine");
        QTest::addColumn<int>("unitLine");
        QTest::addColumn<int>("firstDataLine");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("force");
        QTest::addColumn<Unit>("forceUnit");
        QTest::addColumn<int>("extension");
        QTest::addColumn<Unit>("extensionUnit");
        QTest::addColumn<int>("time");
        QTest::addColumn<bool>("crosshead");

        QTest::newRow("German export with metadata")
            << germanExport << Separator::Semicolon << DecimalMark::Comma << 5 << 0 << 6 << 3 << 1 << Unit::Kilonewton
            << 2 << Unit::Millimetre << 0 << false;
        QTest::newRow("comma, decimal point, units in parentheses")
            << QByteArray("Time (s),Extension (mm),Force (kN)\n0,0,0\n0.5,0.01,1.5\n1.0,0.02,3.0\n") << Separator::Comma
            << DecimalMark::Point << 1 << 0 << 2 << 3 << 2 << Unit::Kilonewton << 1 << Unit::Millimetre << 0 << false;
        QTest::newRow("tab, names and a line of units")
            << QByteArray("Messung 7\nKraft\tWeg\tZeit\nN\tmm\ts\n10,5\t0,001\t0\n20,5\t0,002\t0,1\n")
            << Separator::Tab << DecimalMark::Comma << 2 << 3 << 4 << 3 << 0 << Unit::Newton << 1 << Unit::Millimetre
            << 2 << false;
        QTest::newRow("blanks, heads with blanks in them")
            << QByteArray("Zeit [s]   Kraft in kN   Feindehnung [µm]\n  0.0    0.01      0.0\n  0.1    1.20     "
                          "12.5\n  0.2    2.40     25.0\n")
            << Separator::Blanks << DecimalMark::Point << 1 << 0 << 2 << 3 << 1 << Unit::Kilonewton << 2
            << Unit::Micrometre << 0 << false;
        QTest::newRow("no head, two columns: force then extension")
            << QByteArray("1,5;0,01\n2,5;0,02\n3,5;0,03\n") << Separator::Semicolon << DecimalMark::Comma << 0 << 0 << 1
            << 2 << 0 << Unit::Newton << 1 << Unit::Millimetre << -1 << false;
        QTest::newRow("no head, three columns: time first")
            << QByteArray("0 10 0.1\n1 20 0.2\n2 30 0.3\n") << Separator::Blanks << DecimalMark::Point << 0 << 0 << 1 << 3
            << 1 << Unit::Newton << 2 << Unit::Millimetre << 0 << false;
        QTest::newRow("names without units: force and extension by position")
            << QByteArray("Kanal 1;Kanal 2\n0;0\n1;0,1\n2;0,2\n") << Separator::Semicolon << DecimalMark::Comma << 1
            << 0 << 2 << 2 << 0 << Unit::Newton << 1 << Unit::Millimetre << -1 << false;
        QTest::newRow("stress and strain")
            << QByteArray("Dehnung in %;Spannung in N/mm²\n0,00;0\n0,05;105\n0,10;210\n") << Separator::Semicolon
            << DecimalMark::Comma << 1 << 0 << 2 << 2 << 1 << Unit::Megapascal << 0 << Unit::Percent << -1 << false;
        QTest::newRow("crosshead travel")
            << QByteArray("Traverse [mm];Kraft [kN]\n0;0\n0,1;1\n0,2;2\n") << Separator::Semicolon << DecimalMark::Comma
            << 1 << 0 << 2 << 2 << 1 << Unit::Kilonewton << 0 << Unit::Millimetre << -1 << true;
        QTest::newRow("extensometer preferred to the crosshead")
            << QByteArray("Standardweg [mm];Standardkraft [N];Feindehnung [mm]\n0;0;0\n0,1;100;0,01\n0,2;200;0,02\n")
            << Separator::Semicolon << DecimalMark::Comma << 1 << 0 << 2 << 3 << 1 << Unit::Newton << 2
            << Unit::Millimetre << -1 << false;
        QTest::newRow("quoted cells with decimal commas")
            << QByteArray("\"F [kN]\",\"dL [mm]\"\n\"1,5\",\"0,01\"\n\"2,5\",\"0,02\"\n") << Separator::Comma
            << DecimalMark::Comma << 1 << 0 << 2 << 2 << 0 << Unit::Kilonewton << 1 << Unit::Millimetre << -1 << false;
        QTest::newRow("separator at every line's end, CRLF")
            << QByteArray("Kraft [N];Weg [mm];\r\n1;0,1;\r\n2;0,2;\r\n3;0,3;\r\n") << Separator::Semicolon
            << DecimalMark::Comma << 1 << 0 << 2 << 2 << 0 << Unit::Newton << 1 << Unit::Millimetre << -1 << false;
        QTest::newRow("integers only, exponents")
            << QByteArray("Load (N);Elongation (mm)\n100;1e-3\n200;2E-3\n300;+3e-3\n") << Separator::Semicolon
            << DecimalMark::Comma << 1 << 0 << 2 << 2 << 0 << Unit::Newton << 1 << Unit::Millimetre << -1 << false;
    }
    void recognisesTheLayout()
    {
        QFETCH(QByteArray, bytes);
        const MachineFileInspection i = inspect(bytes);
        QVERIFY2(i.layout, qPrintable(i.error));
        const MachineFileLayout& l = *i.layout;
        QTEST(l.separator, "separator");
        QTEST(l.decimalMark, "mark");
        QTEST(l.headerLine, "headerLine");
        QTEST(l.unitLine, "unitLine");
        QTEST(l.firstDataLine, "firstDataLine");
        QTEST(l.columnCount, "columns");
        QTEST(i.columns.force, "force");
        QTEST(i.columns.forceUnit, "forceUnit");
        QTEST(i.columns.extension, "extension");
        QTEST(i.columns.extensionUnit, "extensionUnit");
        QTEST(i.columns.time, "time");
        QTEST(i.columns.crossheadTravel, "crosshead");
        QVERIFY(checkColumnChoice(l, i.columns).isEmpty());
        // Whatever the guess, it reads the whole table.
        const MachineFileReading r = readMachineData(bytes, "probe.csv", l, i.columns);
        QVERIFY2(r.record, qPrintable(r.error));
        const QList<QByteArray> lines = bytes.split('\n');
        const auto rows = std::count_if(lines.begin() + l.firstDataLine - 1, lines.end(),
                                        [](const QByteArray& line) { return !line.trimmed().isEmpty(); });
        QCOMPARE(qsizetype(r.record->size()), qsizetype(rows));
    }

    // A table whose heads say it holds other quantities is no tensile test:
    // no column is guessed into a role its unit contradicts.
    void refusesTablesOfOtherQuantities_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("extension");
        QTest::addColumn<QString>("missing");
        QTest::newRow("impact series")
            << QByteArray("Temperatur in °C;KV2 in J;Scherbruchanteil in %;Laterale Breitung in mm\n-100;1,4;0;0,05\n"
                          "-60;21,9;0;0,33\n")
            << -1 << 3 << "Kraft";
        QTest::newRow("time and travel") << QByteArray("Zeit [s];Weg [mm]\n0;0\n1;0,1\n2;0,2\n") << -1 << 1 << "Kraft";
        QTest::newRow("temperature and force")
            << QByteArray("Temperatur [°C];Kraft in kN\n20;0\n21;1,5\n") << 1 << -1 << "Verlängerung";
        QTest::newRow("energy per slash") << QByteArray("T/°C;W/J\n20;100\n-20;40\n") << -1 << -1 << "Kraft";
    }
    void refusesTablesOfOtherQuantities()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, missing);
        const MachineFileInspection i = inspect(bytes);
        QVERIFY2(i.layout, qPrintable(i.error));
        QTEST(i.columns.force, "force");
        QTEST(i.columns.extension, "extension");
        const QString problem = guessProblem(*i.layout, i.columns);
        QVERIFY2(problem.contains(QStringLiteral("kann die %1 sein").arg(missing)), qPrintable(problem));
        QVERIFY(problem.contains(QStringLiteral("„%1“").arg(i.layout->headerTexts.first())));
        QVERIFY(!readMachineData(bytes, "probe.csv", *i.layout, i.columns).record);
    }

    void metadataAndPreview()
    {
        const MachineFileInspection i = inspect(germanExport);
        QCOMPARE(i.layout->metadata,
                 QStringList({"Prüfprotokoll;Zugversuch", "Probe;S235-1", "Durchmesser d0;10,00;mm"}));
        QCOMPARE(i.layout->headerTexts, QStringList({"Zeit [s]", "Kraft [kN]", "Verlängerung [mm]"}));
        QCOMPARE(i.layout->columns[2].name, QStringLiteral("Verlängerung"));
        QCOMPARE(i.firstLines.size(), 10);
        QCOMPARE(i.firstLines[4], QStringLiteral("Zeit [s];Kraft [kN];Verlängerung [mm]"));
    }

    void specimenFromTheLinesAbove_data()
    {
        QTest::addColumn<QStringList>("metadata");
        QTest::addColumn<SpecimenHints>("hints");
        QTest::newRow("round") << QStringList{"Probe;R1", "Durchmesser d0;10,00;mm", "Anfangsmesslänge L0;50,00;mm",
                                              "Messlänge Feindehnung Le;25;mm", "Prüftemperatur;23;°C"}
                               << SpecimenHints{10.0, {}, {}, 50.0, 25.0};
        QTest::newRow("flat, English, tabs") << QStringList{"Thickness\t2.5\tmm", "Width\t20", "Gauge length\t80\tmm"}
                                             << SpecimenHints{{}, 2.5, 20.0, 80.0, {}};
        QTest::newRow("other units and prose are left") << QStringList{"Durchmesser;0,4;in", "Breite: etwa 20 mm",
                                                                       "L0;-5;mm"}
                                                        << SpecimenHints{};
    }
    void specimenFromTheLinesAbove()
    {
        QFETCH(QStringList, metadata);
        QFETCH(SpecimenHints, hints);
        QVERIFY(specimenHintsFromMetadata(metadata) == hints);
    }

    void readsOtherEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Kraft [N];Verlängerung [mm]\n1;0,5\n2;1,5\n");
        QStringEncoder latin1(QStringEncoder::Latin1), le(QStringEncoder::Utf16LE), be(QStringEncoder::Utf16BE);
        QTest::newRow("UTF-8 with mark") << ("\xEF\xBB\xBF" + text.toUtf8());
        QTest::newRow("Latin-1") << QByteArray(latin1(text));
        QTest::newRow("UTF-16LE with mark") << ("\xFF\xFE" + QByteArray(le(text)));
        QTest::newRow("UTF-16BE without mark") << QByteArray(be(text));
    }
    void readsOtherEncodings()
    {
        QFETCH(QByteArray, bytes);
        const MachineFileInspection i = inspect(bytes);
        QVERIFY2(i.layout, qPrintable(i.error));
        QCOMPARE(i.layout->columns[1].name, QStringLiteral("Verlängerung"));
        const MachineFileReading r = readMachineData(bytes, "x.csv", *i.layout, i.columns);
        QVERIFY2(r.record, qPrintable(r.error));
        QCOMPARE(r.record->deformation, (std::vector<double>{0.5, 1.5}));
    }

    void notATable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "probe.csv ist leer.";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "probe.csv ist keine Textdatei.";
        QTest::newRow("prose") << QByteArray("Sehr geehrte Damen und Herren,\nanbei die Werte.\n")
                               << "probe.csv enthält keine Tabelle aus Zahlen";
        QTest::newRow("one column") << QByteArray("Kraft\n1\n2\n3\n") << "probe.csv enthält keine Tabelle aus Zahlen";
        QTest::newRow("one row") << QByteArray("Kraft;Weg\n1;2\n") << "probe.csv enthält keine Tabelle aus Zahlen";
        QTest::newRow("infinities are not numbers") << QByteArray("inf;nan\ninf;nan\ninf;nan\n")
                                                    << "probe.csv enthält keine Tabelle aus Zahlen";
    }
    void notATable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const MachineFileInspection i = inspect(bytes);
        QVERIFY(!i.layout);
        QVERIFY2(i.error.startsWith(error), qPrintable(i.error));
    }

    void readsValuesInBaseUnits()
    {
        const MachineFileReading r = readAll(germanExport);
        QVERIFY2(r.record, qPrintable(r.error));
        const TestRecord& t = *r.record;
        QCOMPARE(t.load, (std::vector<double>{12, 1250, 2500, 3750}));
        QCOMPARE(t.deformation, (std::vector<double>{0, 0.0031, 0.0062, 0.0093}));
        QCOMPARE(t.time, (std::vector<double>{0, 0.1, 0.2, 0.3}));
        QCOMPARE(t.lines, (std::vector<int>{6, 7, 8, 10}));
        QVERIFY(!t.loadIsStress && !t.deformationIsStrain);

        const MachineFileInspection i = inspect(germanExport);
        ColumnChoice choice = i.columns;
        choice.extensionUnit = Unit::Micrometre;
        choice.timeUnit = Unit::Minute;
        choice.forceUnit = Unit::Megapascal;
        const MachineFileReading other = readMachineData(germanExport, "p.csv", *i.layout, choice);
        QCOMPARE(other.record->deformation[1], 0.0031e-3);
        QCOMPARE(other.record->time[1], 6.0);
        QCOMPARE(other.record->load[1], 1.25);
        QVERIFY(other.record->loadIsStress);
    }

    void saysWhatAndWhere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray head = "Kraft [N];Weg [mm];Zeit [s]\n1;0,1;0\n2;0,2;1\n";
        QTest::newRow("text in the force column")
            << head + "drei;0,3;2\n4;0,4;3\n" << "probe.csv, Zeile 4: „drei“ in Spalte 1 (Kraft) ist keine Zahl.";
        QTest::newRow("decimal point in a comma file")
            << head + "3;0.3;2\n4;0,4;3\n"
            << "probe.csv, Zeile 4: „0.3“ in Spalte 2 (Verlängerung) ist keine Zahl. Die Datei ist auf Dezimalkomma "
               "eingestellt.";
        QTest::newRow("short line")
            << head + "3;0,3\n4;0,4;3\n" << "probe.csv, Zeile 4: die Zeile hat nur 2 Spalten, die Zeit steht aber in Spalte 3.";
        QTest::newRow("empty cell") << head + "3;;2\n4;0,4;3\n" << "probe.csv, Zeile 4: Spalte 2 (Verlängerung) ist leer.";
    }
    void saysWhatAndWhere()
    {
        QFETCH(QByteArray, bytes);
        const MachineFileInspection i = inspect(bytes);
        QVERIFY(i.layout);
        const MachineFileReading r = readMachineData(bytes, "/tmp/probe.csv", *i.layout, i.columns);
        QVERIFY(!r.record);
        QTEST(r.error, "error");
    }

    void closingTextEndsTheData()
    {
        const QByteArray bytes = germanExport + "\nEnde der Messung\nFm;3,75;kN\n";
        const MachineFileReading r = readAll(bytes);
        QVERIFY2(r.record, qPrintable(r.error));
        QCOMPARE(r.record->size(), size_t(4));
        QCOMPARE(r.endOfDataLine, 12);
    }

    void columnChoiceFaults_data()
    {
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("extension");
        QTest::addColumn<int>("time");
        QTest::addColumn<Unit>("forceUnit");
        QTest::addColumn<QString>("error");
        QTest::newRow("no force") << -1 << 2 << 0 << Unit::Newton << "Es ist keine Spalte für die Kraft gewählt.";
        QTest::newRow("same column") << 1 << 1 << 0 << Unit::Newton
                                     << "Kraft, Verlängerung und Zeit müssen in verschiedenen Spalten stehen.";
        QTest::newRow("beyond the table") << 1 << 5 << 0 << Unit::Newton
                                          << "Die Spalte 6 für „Verlängerung“ gibt es nicht: die Tabelle hat 3 Spalten.";
        QTest::newRow("force in mm") << 1 << 2 << 0 << Unit::Millimetre
                                     << "Die Kraft wird in N oder kN angegeben, eine Spannung in MPa, nicht in „mm“.";
    }
    void columnChoiceFaults()
    {
        const MachineFileInspection i = inspect(germanExport);
        ColumnChoice c = i.columns;
        QFETCH(int, force);
        QFETCH(int, extension);
        QFETCH(int, time);
        QFETCH(Unit, forceUnit);
        c.force = force;
        c.extension = extension;
        c.time = time;
        c.forceUnit = forceUnit;
        QTEST(checkColumnChoice(*i.layout, c), "error");
        const MachineFileReading r = readMachineData(germanExport, "probe.csv", *i.layout, c);
        QVERIFY(!r.record);
        QVERIFY(r.error.startsWith("probe.csv: "));
    }

    void layoutKeyFollowsHeadsSeparatorAndColumns()
    {
        const auto key = [](const QByteArray& bytes) { return layoutKey(*inspect(bytes).layout); };
        const QString a = key("Kraft [N];Weg [mm]\n1;2\n3;4\n");
        QCOMPARE(key("Probe 2\nKraft [N];Weg [mm]\n7;8\n9;10\n11;12\n"), a);
        QVERIFY(key("Kraft [kN];Weg [mm]\n1;2\n3;4\n") != a);
        QVERIFY(key("Kraft [N]\tWeg [mm]\n1\t2\n3\t4\n") != a);
        QVERIFY(key("1;2\n3;4\n") != key("1;2;3\n3;4;5\n"));
        QVERIFY(a.contains(QRegularExpression("^[0-9a-f]{20}$")));
    }

    void progressReportsAndCancels()
    {
        QByteArray bytes = "Kraft [N];Weg [mm]\n";
        for (int i = 0; i < 100000; ++i)
            bytes += QByteArray::number(i) + ";" + QByteArray::number(i * 0.001, 'f', 3).replace('.', ',') + "\n";
        const MachineFileInspection i = inspectMachineData(bytes.left(inspectedBytes), "big.csv", false);
        QVERIFY(i.layout);
        QList<double> shares;
        const MachineFileReading whole = readMachineData(bytes, "big.csv", *i.layout, i.columns, [&](double s) {
            shares << s;
            return true;
        });
        QCOMPARE(whole.record->size(), size_t(100000));
        QCOMPARE(whole.record->load.back(), 99999.0);
        QCOMPARE(whole.record->deformation.back(), 99.999);
        QVERIFY(shares.size() >= 5);
        QVERIFY(std::is_sorted(shares.begin(), shares.end()));
        QCOMPARE(shares.back(), 1.0);

        int calls = 0;
        const MachineFileReading cancelled =
            readMachineData(bytes, "big.csv", *i.layout, i.columns, [&](double) { return ++calls < 2; });
        QVERIFY(cancelled.cancelled);
        QVERIFY(!cancelled.record);
        QCOMPARE(cancelled.error, QStringLiteral("Das Einlesen von big.csv wurde abgebrochen."));
    }

    void readsTablesOfResults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("cells");  // rows by "|", NaN as "x"
        QTest::addColumn<QString>("lines");
        QTest::newRow("spreadsheet, empty cells inside and at the end")
            << QByteArray("Reihe 3\nTemperatur in °C;KV2 in J;Scher in %;Breitung in mm\n-60;14,8;5;0,19\n"
                          "-50;49,4;;0,69\n20;188;;\n;;;\n40;190,5;100;2,5\n")
            << QStringList{"Temperatur in °C", "KV2 in J", "Scher in %", "Breitung in mm"}
            << "-60 14.8 5 0.19|-50 49.4 x 0.69|20 188 x x|40 190.5 100 2.5" << "3 4 5 7";
        QTest::newRow("tabs and points, no heads")
            << QByteArray("300\t1e5\n250\t1e7\t1\n") << QStringList{} << "300 100000 x|250 10000000 1" << "1 2";
        QTest::newRow("names and units on two lines")
            << QByteArray("σa;Zeit\nMPa;s\n300;123456\n280;654321\n") << QStringList{"σa MPa", "Zeit s"}
            << "300 123456|280 654321" << "3 4";
    }
    void readsTablesOfResults()
    {
        QFETCH(QByteArray, bytes);
        const TableReading r = readResultTableData(bytes, "/tmp/reihe.csv");
        QVERIFY2(r.table, qPrintable(r.error));
        QTEST(r.table->headers, "headers");
        QStringList rows, lines;
        for (int i = 0; i < r.table->rowCount(); ++i) {
            QStringList cells;
            for (const auto& column : r.table->columns)
                if (i < int(column.size()))
                    cells << (std::isnan(column[size_t(i)]) ? "x" : QString::number(column[size_t(i)], 'g', 10));
            rows << cells.join(' ');
            lines << QString::number(r.table->lines[size_t(i)]);
        }
        QTEST(rows.join('|'), "cells");
        QTEST(lines.join(' '), "lines");
        QCOMPARE(r.table->whereRow(0), "reihe.csv, Zeile " + lines[0]);
    }

    void tablesOfResultsSayWhatAndWhere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("text in a cell") << QByteArray("σa;N;DL\n300;1e5;0\n290;2e5;0\n280;1e7;ja\n260;1e7;1\n")
                                        << "reihe.csv, Zeile 4: „ja“ in Spalte 3 (DL) ist keine Zahl.";
        QTest::newRow("text in a cell of the first row")
            << QByteArray("σa;N;DL\n300;1e5;nein\n290;2e5;0\n280;1e7;1\n")
            << "reihe.csv, Zeile 2: „nein“ in Spalte 3 (DL) ist keine Zahl.";
        QTest::newRow("no table") << QByteArray("Temperatur;Energie\nkalt;wenig\n") << "reihe.csv enthält keine Tabelle";
    }
    void tablesOfResultsSayWhatAndWhere()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const TableReading r = readResultTableData(bytes, "reihe.csv");
        QVERIFY(!r.table);
        QVERIFY2(r.error.startsWith(error), qPrintable(r.error));
    }

    void readsFilesAndTellsWhenItCannot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("zug.csv");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(germanExport);
        f.close();
        const MachineFileInspection i = inspectMachineFile(path);
        QVERIFY(i.layout);
        const MachineFileReading r = readMachineFile(path, *i.layout, i.columns);
        QVERIFY(r.record);
        QCOMPARE(r.record->fileName, path);
        QCOMPARE(r.checksum, fileChecksum(path));
        QCOMPARE(r.checksum.size(), 64);

        const MachineFileInspection missing = inspectMachineFile(dir.filePath("fehlt.csv"));
        QVERIFY(missing.error.startsWith("fehlt.csv lässt sich nicht öffnen"));
        const MachineFileReading gone = readMachineFile(dir.filePath("fehlt.csv"), *i.layout, i.columns);
        QVERIFY(gone.error.startsWith("fehlt.csv lässt sich nicht öffnen"));
        QVERIFY(fileChecksum(dir.filePath("fehlt.csv")).isEmpty());
        QVERIFY(readResultTable(dir.filePath("fehlt.csv")).error.startsWith("fehlt.csv lässt sich nicht öffnen"));
        QCOMPARE(readResultTable(path).table->columnCount(), 3);
    }
};

REGISTER_TEST(MachineFileTest)
#include "tst_machine_file.moc"
