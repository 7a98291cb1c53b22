#include "common/test_main.h"

#include "app/command_line.h"

#include <QRegularExpression>

namespace {

QStringList line(const QString& arguments)
{
    QStringList list{QStringLiteral("/usr/bin/werkstoffpruefung")};
    if (!arguments.isEmpty())
        list << arguments.split(QChar(' '));
    return list;
}

}

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("writesOutput");
        QTest::addColumn<bool>("writesError");
        QTest::newRow("none") << QString() << true << 0 << false << false;
        QTest::newRow("help") << "--help" << false << 0 << true << false;
        QTest::newRow("short help") << "-h" << false << 0 << true << false;
        QTest::newRow("version") << "--version" << false << 0 << true << false;
        QTest::newRow("short version") << "-v" << false << 0 << true << false;
        QTest::newRow("help wins over the program's start") << "-style fusion --help" << false << 0 << true << false;
        // Qt's own options reach the application object untouched.
        QTest::newRow("platform") << "-platform offscreen" << true << 0 << false << false;
        QTest::newRow("platform, two dashes") << "--platform offscreen" << true << 0 << false << false;
        QTest::newRow("reverse") << "-reverse" << true << 0 << false << false;
        QTest::newRow("session") << "-session abc" << true << 0 << false << false;
        QTest::newRow("unknown option") << "--hlep" << false << 1 << false << true;
        QTest::newRow("letters do not combine") << "-hv" << false << 1 << false << true;
        QTest::newRow("value missing") << "-platform" << false << 1 << false << true;
        QTest::newRow("value not taken") << "--version=2" << false << 1 << false << true;
        QTest::newRow("file argument") << "probe.txt" << false << 1 << false << true;
        QTest::newRow("language") << "--lang en" << true << 0 << false << false;
        QTest::newRow("language, upper case") << "--lang DE" << true << 0 << false << false;
        QTest::newRow("unknown language") << "--lang fr" << false << 1 << false << true;
        QTest::newRow("language missing") << "--lang" << false << 1 << false << true;
        QTest::newRow("help with an unknown language") << "--lang xx --help" << false << 0 << true << false;
    }

    void outcome()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, starts);
        QFETCH(int, exitCode);
        QFETCH(bool, writesOutput);
        QFETCH(bool, writesError);
        const app::CommandLine result = app::readCommandLine(line(arguments));
        QCOMPARE(result.startsProgram, starts);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(!result.standardOutput.isEmpty(), writesOutput);
        QCOMPARE(!result.errorOutput.isEmpty(), writesError);
        if (writesError) {
            // Names what was wrong and where the options are explained.
            const QString culprit = arguments.split(QChar(' ')).first().section(QChar('='), 0, 0);
            QVERIFY2(result.errorOutput.contains(culprit), qPrintable(result.errorOutput));
            QVERIFY(result.errorOutput.contains(QStringLiteral("werkstoffpruefung --help")));
            QVERIFY(!result.errorOutput.contains(QStringLiteral("Unknown")));
            QVERIFY(!result.errorOutput.contains(QStringLiteral("Missing")));
        }
    }

    void versionLine()
    {
        const QString version = app::programVersion();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(), qPrintable(version));
        QCOMPARE(app::readCommandLine(line(QStringLiteral("--version"))).standardOutput,
                 QStringLiteral("werkstoffpruefung %1\n").arg(version));
        // The name the program was started by.
        QCOMPARE(app::readCommandLine({QStringLiteral("./wp"), QStringLiteral("-v")}).standardOutput,
                 QStringLiteral("wp %1\n").arg(version));
    }

    void helpListsEveryOptionInColumns()
    {
        const QString help = app::readCommandLine(line(QStringLiteral("--help"))).standardOutput;
        QVERIFY(help.startsWith(QStringLiteral("Aufruf: werkstoffpruefung ")));
        QVERIFY(help.endsWith(QChar('\n')));
        QList<qsizetype> descriptionColumns;
        for (const QString& text : help.split(QChar('\n'))) {
            QVERIFY2(text.size() <= 80, qPrintable(text));
            if (!text.startsWith(QStringLiteral("  -")))
                continue;
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^  (-.*?)\\s{2,}(\\S.*)$")).match(text);
            QVERIFY2(m.hasMatch(), qPrintable(text));
            descriptionColumns << m.capturedStart(2);
        }
        QCOMPARE(descriptionColumns.size(), 3);
        QCOMPARE(descriptionColumns.first(), descriptionColumns.last());
        for (const char* option : {"-h, --help", "-v, --version", "--lang <Sprache>"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        // Qt's options are accepted but not listed one by one.
        QVERIFY(!help.contains(QStringLiteral("--platform")));
        QVERIFY(!help.contains(QStringLiteral("--qwindowgeometry")));
    }

    // --evaluate hands the whole command line to the evaluation, wherever it
    // stands and whatever options follow it.
    void evaluationTakesItsOptions_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("evaluates");
        QTest::newRow("tensile") << "--evaluate tensile probe.csv --d0 10 --L0 50" << true;
        QTest::newRow("after a Qt option") << "-platform offscreen --evaluate impact reihe.csv" << true;
        QTest::newRow("its help") << "--evaluate fatigue --help" << true;
        QTest::newRow("a file alone") << "probe.csv --d0 10" << false;
    }

    void evaluationTakesItsOptions()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, evaluates);
        const app::CommandLine result = app::readCommandLine(line(arguments));
        QCOMPARE(result.evaluates, evaluates);
        QVERIFY(!result.startsProgram);
        QCOMPARE(result.errorOutput.isEmpty(), evaluates);
    }

    void languageIsPassedOn()
    {
        QCOMPARE(app::readCommandLine(line(QStringLiteral("--lang EN"))).language, QStringLiteral("en"));
        QCOMPARE(app::readCommandLine(line(QStringLiteral("--lang=de"))).language, QStringLiteral("de"));
        // Before --evaluate for the evaluation's texts; after it, the
        // evaluation's own arguments.
        QCOMPARE(app::readCommandLine(line(QStringLiteral("--lang en --evaluate impact r.csv"))).language,
                 QStringLiteral("en"));
        QCOMPARE(app::readCommandLine(line(QStringLiteral("--lang=EN --evaluate impact r.csv"))).language,
                 QStringLiteral("en"));
        QVERIFY(app::readCommandLine(line(QStringLiteral("--evaluate impact --lang en r.csv"))).language.isEmpty());
        QVERIFY(app::readCommandLine(line(QString())).language.isEmpty());
    }

    void argumentsOfMain()
    {
        const char* argv[] = {"werkstoffpruefung", "-platform", "Härte"};
        QCOMPARE(app::argumentList(3, argv),
                 QStringList({QStringLiteral("werkstoffpruefung"), QStringLiteral("-platform"), QStringLiteral("Härte")}));
        QCOMPARE(app::readCommandLine({}).startsProgram, true);
    }
};

REGISTER_TEST(CommandLineTest)
#include "tst_command_line.moc"
