#include "common/test_main.h"

#include "evaluation/table_syntax.h"
#include "evaluation/units.h"

using namespace evaluation;

Q_DECLARE_METATYPE(evaluation::Separator)
Q_DECLARE_METATYPE(evaluation::DecimalMark)
Q_DECLARE_METATYPE(evaluation::Unit)

class TableSyntaxTest : public QObject {
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<DecimalMark>("mark");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << QByteArray("12,5") << DecimalMark::Comma << true << 12.5;
        QTest::newRow("point") << QByteArray("-0.25") << DecimalMark::Point << true << -0.25;
        QTest::newRow("blanks and quotes") << QByteArray(" \"3,0\" ") << DecimalMark::Comma << true << 3.0;
        QTest::newRow("plus and exponent") << QByteArray("+1,5E-3") << DecimalMark::Comma << true << 0.0015;
        QTest::newRow("leading point") << QByteArray(".5") << DecimalMark::Point << true << 0.5;
        QTest::newRow("point in a comma file") << QByteArray("1.5") << DecimalMark::Comma << false << 0.0;
        QTest::newRow("thousands separator") << QByteArray("1.234,5") << DecimalMark::Comma << false << 0.0;
        QTest::newRow("comma in a point file") << QByteArray("1,5") << DecimalMark::Point << false << 0.0;
        QTest::newRow("infinity") << QByteArray("inf") << DecimalMark::Point << false << 0.0;
        QTest::newRow("too large") << QByteArray("1e999") << DecimalMark::Point << false << 0.0;
        QTest::newRow("hexadecimal") << QByteArray("0x1A") << DecimalMark::Point << false << 0.0;
        QTest::newRow("two signs") << QByteArray("+-1") << DecimalMark::Point << false << 0.0;
        QTest::newRow("unit attached") << QByteArray("12kN") << DecimalMark::Point << false << 0.0;
        QTest::newRow("empty") << QByteArray("  ") << DecimalMark::Point << false << 0.0;
    }
    void numbers()
    {
        QFETCH(QByteArray, field);
        QFETCH(DecimalMark, mark);
        double value = 0;
        QTEST(parseNumber(std::string_view(field.constData(), size_t(field.size())), mark, value), "accepted");
        QTEST(value, "value");
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Separator>("separator");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("semicolons") << QByteArray("a; b ;c") << Separator::Semicolon << QStringList{"a", "b", "c"};
        QTest::newRow("empty fields") << QByteArray(";x;") << Separator::Semicolon << QStringList{"", "x", ""};
        QTest::newRow("quoted separator") << QByteArray("\"1,5\",\"a\"\"b\",c") << Separator::Comma
                                          << QStringList{"\"1,5\"", "\"a\"\"b\"", "c"};
        QTest::newRow("tabs keep empty cells") << QByteArray("1\t\t3") << Separator::Tab << QStringList{"1", "", "3"};
        QTest::newRow("runs of blanks") << QByteArray("  1 \t 2   3  ") << Separator::Blanks
                                        << QStringList{"1", "2", "3"};
        QTest::newRow("quoted blanks") << QByteArray("\"Kraft F\" Weg") << Separator::Blanks
                                       << QStringList{"\"Kraft F\"", "Weg"};
    }
    void fields()
    {
        QFETCH(QByteArray, line);
        QFETCH(Separator, separator);
        QStringList got;
        splitFields(std::string_view(line.constData(), size_t(line.size())), separator, [&](int, std::string_view f) {
            got << QString::fromUtf8(f.data(), qsizetype(f.size()));
            return true;
        });
        QTEST(got, "fields");
    }

    void headings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Unit>("unit");
        QTest::newRow("brackets") << "Kraft [kN]" << "Kraft" << Unit::Kilonewton;
        QTest::newRow("parentheses") << "Extension (mm)" << "Extension" << Unit::Millimetre;
        QTest::newRow("in") << "Dehnung in %" << "Dehnung" << Unit::Percent;
        QTest::newRow("slash") << "F/N" << "F" << Unit::Newton;
        QTest::newRow("stress with slashes") << "Spannung/N/mm²" << "Spannung" << Unit::Megapascal;
        QTest::newRow("trailing unit") << "Zeit s" << "Zeit" << Unit::Second;
        QTest::newRow("micro as Greek mu") << "Weg [μm]" << "Weg" << Unit::Micrometre;
        QTest::newRow("bare unit") << "MPa" << "" << Unit::Megapascal;
        QTest::newRow("no unit") << "Kanal 3" << "Kanal 3" << Unit::None;
        QTest::newRow("unknown unit kept in the name") << "Temperatur [°C]" << "Temperatur [°C]" << Unit::None;
        QTest::newRow("small n is no unit") << "Zyklen n" << "Zyklen n" << Unit::None;
    }
    void headings()
    {
        QFETCH(QString, text);
        const ColumnHeading h = splitHeading(text);
        QTEST(h.name, "name");
        QTEST(h.unit, "unit");
    }

    void unitFactors_data()
    {
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("kN") << Unit::Kilonewton << 1000.0 << "kN";
        QTest::newRow("µm") << Unit::Micrometre << 0.001 << "µm";
        QTest::newRow("ms") << Unit::Millisecond << 0.001 << "ms";
        QTest::newRow("min") << Unit::Minute << 60.0 << "min";
        QTest::newRow("MPa") << Unit::Megapascal << 1.0 << "MPa";
    }
    void unitFactors()
    {
        QFETCH(Unit, unit);
        QTEST(toBaseUnit(unit), "factor");
        QTEST(unitSymbol(unit), "symbol");
        QCOMPARE(parseUnit(unitSymbol(unit)), unit);
    }
};

REGISTER_TEST(TableSyntaxTest)
#include "tst_table_syntax.moc"
