#include "common/test_main.h"

#include "toolkit/colours.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT

    // The message of the Error a call throws, or an empty text.
    template <class F>
    static QString failureOf(F call)
    {
        try {
            call();
        } catch (const tk::Error& e) {
            return e.message();
        }
        return {};
    }

private slots:
    void roundsHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("-3.5") << -3.5 << qint64(-4);
        QTest::newRow("2.5000001") << 2.5000001 << qint64(3);
        QTest::newRow("12.8") << 12.8 << qint64(13);
        QTest::newRow("146.875") << 146.875 << qint64(147);
    }
    void roundsHalfToEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(qint64(tk::roundHalfEven(value)), rounded);
    }

    void formatsLikeTheGeneralFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("text");
        // Single-precision products show their binary error in 15 digits.
        QTest::newRow("10 N") << 10 * 9.81 << true << "98,0999984741211";
        QTest::newRow("30 N") << 30 * 9.81 << true << "294,299987792969";
        QTest::newRow("1 N") << 1 * 9.81 << true << "9,8100004196167";
        QTest::newRow("0,5 N") << 0.5 * 9.81 << true << "4,90500020980835";
        QTest::newRow("integer") << 29430.0 << false << "29430";
        QTest::newRow("exact fraction") << 1839.375 << false << "1839,375";
        QTest::newRow("zero") << 0.0 << false << "0";
        QTest::newRow("negative") << -2.25 << false << "-2,25";
        QTest::newRow("small") << 0.0001 << false << "0,0001";
        QTest::newRow("tiny") << 1.5e-7 << false << "1,5E-7";
        QTest::newRow("huge") << 1e20 << false << "1E20";
        QTest::newRow("15 digits") << 123456789012345.0 << false << "123456789012345";
        QTest::newRow("16 digits") << 1234567890123456.0 << false << "1,23456789012346E15";
    }
    void formatsLikeTheGeneralFormat()
    {
        QFETCH(double, value);
        QFETCH(bool, single);
        QFETCH(QString, text);
        const long double v = single ? static_cast<long double>(tk::toSingle(value)) : value;
        QCOMPARE(tk::floatToStr(v), text);
    }

    void parsesNumbersOfTheLocale_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "3,25" << 3.25;
        QTest::newRow("blanks") << "  3,25  " << 3.25;
        QTest::newRow("integer") << "10" << 10.0;
        QTest::newRow("sign") << "-0,5" << -0.5;
        QTest::newRow("leading separator") << ",5" << 0.5;
        QTest::newRow("trailing separator") << "5," << 5.0;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
    }
    void parsesNumbersOfTheLocale()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(double(tk::strToFloat(text)), value);
    }

    void rejectsBadNumbersWithTheGermanMessage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("point in a German locale") << "3.25";
        QTest::newRow("letters") << "abc";
        QTest::newRow("two separators") << "1,2,3";
        QTest::newRow("bare exponent") << "1E";
        QTest::newRow("only sign") << "-";
    }
    void rejectsBadNumbersWithTheGermanMessage()
    {
        QFETCH(QString, text);
        QCOMPARE(failureOf([&] { tk::strToFloat(text); }), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
    }

    void parsesIntegers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "206" << 206 << true;
        QTest::newRow("negative") << "-3" << -3 << true;
        QTest::newRow("leading blanks") << "  7" << 7 << true;
        QTest::newRow("hexadecimal") << "$1F" << 31 << true;
        QTest::newRow("largest") << "2147483647" << 2147483647 << true;
        QTest::newRow("too large") << "2147483648" << 0 << false;
        QTest::newRow("trailing blank") << "7 " << 0 << false;
        QTest::newRow("decimal") << "206,5" << 0 << false;
        QTest::newRow("empty") << "" << 0 << false;
    }
    void parsesIntegers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, valid);
        int parsed = 0;
        const QString failure = failureOf([&] { parsed = tk::strToInt(text); });
        if (valid) {
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            QCOMPARE(parsed, value);
        } else {
            QCOMPARE(failure, QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
        }
    }

    void reportsFloatingPointFaults()
    {
        QCOMPARE(failureOf([] { tk::divide(1, 0); }), QStringLiteral("Gleitkommadivision durch Null"));
        QCOMPARE(failureOf([] { tk::divide(0, 0); }), QStringLiteral("Ungültige Gleitkommaoperation"));
        QCOMPARE(failureOf([] { tk::squareRoot(-1); }), QStringLiteral("Ungültige Gleitkommaoperation"));
        // An infinite operand gives an infinite root, which is no result either.
        QCOMPARE(failureOf([] { tk::squareRoot(std::numeric_limits<long double>::infinity()); }),
                 QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(failureOf([] { tk::toSingle(1e300L); }), QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(double(tk::divide(1, 4)), 0.25);
        QCOMPARE(double(tk::squareRoot(0)), 0.0);
    }

    void guardedHandlersReportAndStop()
    {
        testsupport::clearErrors();
        int reached = 0;
        tk::runGuarded([&] {
            reached = 1;
            tk::strToFloat(QStringLiteral("x"));
            reached = 2;
        });
        QCOMPARE(reached, 1);
        QCOMPARE(testsupport::errors(), QStringList{QStringLiteral("'x' ist kein gültiger Gleitkommawert")});
        testsupport::clearErrors();
    }

    void convertsToolkitColours_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window green") << 0x9CCA00u << QColor(0, 202, 156);
        QTest::newRow("blue high byte") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("stripe 0") << uint(65536 - 0) << QColor(0, 0, 1);
        QTest::newRow("stripe 5") << uint(65536 - 5) << QColor(251, 255, 0);
        QTest::newRow("colour 1") << 1u << QColor(1, 0, 0);
        QTest::newRow("palette black") << 0x1000000u << QColor(0, 0, 0);
        QTest::newRow("button face") << 0xFF00000Fu << QColor(212, 208, 200);
    }
    void convertsToolkitColours()
    {
        QFETCH(uint, value);
        QFETCH(QColor, colour);
        QCOMPARE(tk::tcolor(value), colour);
    }

    void placesForTheScreenSize()
    {
        tk::setScreenSize(QSize(640, 480));
        QCOMPARE(tk::centredLeft(700), -30);
        QCOMPARE(tk::centredLeft(800), -80);
        QCOMPARE(tk::centredTop(600), -60);
        tk::setScreenSize(QSize(1024, 768));
        QCOMPARE(tk::centredLeft(800), 112);
        QCOMPARE(tk::centredTop(600), 84);
        QCOMPARE(tk::idiv(-83, 2), -41);
    }
};

REGISTER_TEST(NumbersTest)
#include "tst_numbers.moc"
