#include "common/test_main.h"

#include "app/registry.h"
#include "app/title_form.h"
#include "common/text_layout.h"
#include "evaluation/evaluate_command.h"
#include "evaluation/example_files.h"
#include "toolkit/diagram.h"
#include "toolkit/errors.h"
#include "toolkit/language.h"
#include "toolkit/numbers.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a Qt Linguist file.
QList<Message> readTranslations(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, true};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            // Plural forms are child elements: their texts together.
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            message.finished = message.finished && !message.translation.trimmed().isEmpty();
            messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The numbered markers of a text (%1, %L2, %n), sorted.
QStringList markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found << m.captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

QString described(const Message& m) { return m.context + QStringLiteral(": \"") + m.source + QChar('"'); }

}

// The English interface is complete: every text of the folders whose texts
// are translated has its finished English text, and no translation loses or
// invents a marker that the program fills in.
class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Back to the language the tests run in.
    void cleanup() { tk::setInterfaceLanguage(tk::Language::German, false); }

    void everyTextHasItsTranslation()
    {
        // lupdate brings a copy of the file up to date with the sources:
        // a text that is new or changed there arrives unfinished.
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("check.ts"));
        QVERIFY(QFile::copy(QStringLiteral(WERKSTOFF_TS_FILE), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(WERKSTOFF_SOURCE_DIR));
        lupdate.start(QStringLiteral(WERKSTOFF_LUPDATE),
                      QStringList{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete")}
                          + QStringLiteral(WERKSTOFF_TRANSLATED_FOLDERS).split(QChar(','))
                          + QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QString error;
        const QList<Message> messages = readTranslations(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList untranslated;
        for (const Message& m : messages)
            if (!m.finished)
                untranslated << described(m);
        QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("%1 texts without a finished translation "
                                                                   "(cmake --build build --target update_translations, "
                                                                   "then translate them):\n  %2")
                                                        .arg(untranslated.size())
                                                        .arg(untranslated.join(QStringLiteral("\n  ")))));
    }

    void translationsKeepTheMarkers()
    {
        QString error;
        const QList<Message> messages = readTranslations(QStringLiteral(WERKSTOFF_TS_FILE), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList faults;
        for (const Message& m : messages)
            if (m.finished && markers(m.translation) != markers(m.source))
                faults << described(m) + QStringLiteral(" -> \"") + m.translation + QChar('"');
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n  "))));
    }

    // The numbers follow the interface language, not the system's locale,
    // and say what was wrong in it.
    void numbersFollowTheInterface_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("failure");
        QTest::newRow("German comma") << "de" << "2,5" << "2,5" << QString();
        QTest::newRow("German refuses a point") << "de" << "2.5" << QString()
                                                << "'2.5' ist kein gültiger Gleitkommawert";
        QTest::newRow("English point") << "en" << " 2.5" << "2.5" << QString();
        QTest::newRow("English refuses a comma") << "en" << "2,5" << QString()
                                                 << "'2,5' is not a valid floating-point value";
        QTest::newRow("English exponent") << "en" << "1.25E-7" << "1.25E-7" << QString();
    }
    void numbersFollowTheInterface()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, failure);
        QVERIFY(tk::setInterfaceLanguage(*tk::languageOfCode(language), false));
        try {
            QCOMPARE(tk::floatToStr(tk::strToFloat(typed)), shown);
            QVERIFY(failure.isEmpty());
        } catch (const tk::Error& e) {
            QCOMPARE(e.message(), failure);
        }
    }

    void errorTextsInBothLanguages()
    {
        QVERIFY(tk::setInterfaceLanguage(tk::Language::English, false));
        const QStringList english{tk::messages::invalidInteger(QStringLiteral("x")), tk::messages::invalidOperation(),
                                  tk::messages::divisionByZero(), tk::messages::overflow()};
        QCOMPARE(english, QStringList({QStringLiteral("'x' is not a valid integer value"),
                                       QStringLiteral("Invalid floating-point operation"),
                                       QStringLiteral("Floating-point division by zero"),
                                       QStringLiteral("Floating-point overflow")}));
        tk::setInterfaceLanguage(tk::Language::German, false);
        QCOMPARE(tk::messages::divisionByZero(), QStringLiteral("Gleitkommadivision durch Null"));
    }

    // The command line's table is for scripts: header and values are the same
    // in both languages. Its messages follow the interface.
    void evaluationTableStaysMessagesFollow_data()
    {
        QTest::addColumn<QStringList>("arguments");  // "@name": an example file
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        QTest::addColumn<int>("lines");  // of the table
        QTest::newRow("impact, a file missing")
            << QStringList{"impact", "@kerbschlag_S355J2.csv", "fehlt.csv"} << "fehlt.csv lässt sich nicht öffnen"
            << "fehlt.csv cannot be opened" << 2;
        QTest::newRow("fatigue, reasons")
            << QStringList{"fatigue", "@woehler_C45.csv", "--reasons"}
            << "Dauerfestigkeit: Die Stufenweite d der Treppenstufenfolge fehlt"
            << "Endurance limit: The step size d of the staircase is missing" << 2;
        QTest::newRow("tensile, unknown option")
            << QStringList{"tensile", "@stahl_S355J2_ausgepraegte_streckgrenze.csv", "--d0", "10", "--L0", "50",
                           "--stretch"}
            << "Unbekannte Option --stretch." << "Unknown option --stretch." << 0;
        QTest::newRow("tensile, two files")
            << QStringList{"tensile", "@stahl_S355J2_ausgepraegte_streckgrenze.csv", "@austenit_X5CrNi18-10.csv",
                           "--d0", "10", "--L0", "50"}
            << "" << "" << 3;
    }
    void evaluationTableStaysMessagesFollow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, german);
        QFETCH(QString, english);
        QFETCH(int, lines);
        const QString examples = evaluation::examplesFolder();
        QVERIFY(!examples.isEmpty());
        for (QString& a : arguments)
            if (a.startsWith(QChar('@')))
                a = examples + QChar('/') + a.mid(1);
        QString table[2], messages[2];
        for (const tk::Language language : {tk::Language::German, tk::Language::English}) {
            QVERIFY(tk::setInterfaceLanguage(language, false));
            const int i = language == tk::Language::English;
            QTextStream out(&table[i]), err(&messages[i]);
            evaluation::runEvaluateCommand(QStringList{QStringLiteral("--evaluate")} + arguments, out, err);
        }
        QCOMPARE(table[0].count(QChar('\n')), lines);
        QCOMPARE(table[1], table[0]);
        QVERIFY2(messages[0].contains(german), qPrintable(messages[0]));
        QVERIFY2(messages[1].contains(english), qPrintable(messages[1]));
    }

    // The title window's language item stores the choice for the next start
    // and says so in both languages; this run keeps its language.
    void languageItemStoresTheChoice()
    {
        app::createWindows();
        QAction* item = FormHaupt->findChild<QAction*>(QStringLiteral("Sprache"));
        QVERIFY(item);
        const QString caption = FormHaupt->windowTitle();
        for (const QString& code : {QStringLiteral("en"), QStringLiteral("de")}) {
            item->trigger();
            QDialog* dialog = FormHaupt->languageDialog();
            QVERIFY(dialog && dialog->isVisible());
            dialog->findChild<QRadioButton*>(code == QLatin1String("en") ? QStringLiteral("English")
                                                                          : QStringLiteral("Deutsch"))->setChecked(true);
            dialog->accept();
            QCOMPARE(tk::storedLanguageCode(), code);
            QVERIFY(FormHaupt->languageNote()->isVisible());
            QVERIFY(FormHaupt->languageNote()->text().contains(QStringLiteral("nächsten Start")));
            QVERIFY(FormHaupt->languageNote()->text().contains(QStringLiteral("next start")));
            FormHaupt->languageNote()->accept();
        }
        // Cancelling keeps the stored choice, and the dialog shows it.
        item->trigger();
        QVERIFY(FormHaupt->languageDialog()->findChild<QRadioButton*>(QStringLiteral("Deutsch"))->isChecked());
        FormHaupt->languageDialog()->findChild<QRadioButton*>(QStringLiteral("English"))->setChecked(true);
        FormHaupt->languageDialog()->reject();
        QCOMPARE(tk::storedLanguageCode(), QStringLiteral("de"));
        QCOMPARE(tk::interfaceLanguage(), tk::Language::German);
        QCOMPARE(FormHaupt->windowTitle(), caption);
    }

    // A text drawn in pieces keeps its pieces together however a
    // translation breaks it.
    void piecesTakeTheirPlaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("drawn");
        QTest::newRow("one piece a place") << "Kerbschlagbiege-|versuch" << QStringList{"Kerbschlagbiege-", "versuch"};
        QTest::newRow("fewer pieces") << "Impact test" << QStringList{"Impact test"};
        QTest::newRow("more pieces") << "a|b|c" << QStringList{"a", "b c"};
        QTest::newRow("empty piece") << "|b" << QStringList{"b"};
    }
    void piecesTakeTheirPlaces()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, drawn);
        tk::Canvas canvas(std::make_shared<tk::Surface>(200, 100));
        textlayout::Recording recording;
        tk::drawPieces(canvas, text, {{10, 10}, {10, 40}});
        QStringList texts;
        for (const tk::Drawing& d : recording.drawings()) {
            if (d.kind == tk::Drawing::Text) {
                texts << d.text;
                // Each piece at its place: the first at the top, the next below.
                QCOMPARE(d.bounds.top(), texts.size() == 1 && !text.startsWith(QChar('|')) ? 10 : 40);
            }
        }
        QCOMPARE(texts, drawn);
    }

    void languageIsChosen_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German system") << "" << "" << "de_DE" << "de";
        QTest::newRow("Austrian system") << "" << "" << "de-AT" << "de";
        QTest::newRow("American system") << "" << "" << "en_US" << "en";
        QTest::newRow("French system") << "" << "" << "fr_FR" << "en";
        QTest::newRow("C locale") << "" << "" << "C" << "en";
        QTest::newRow("Danish is not German") << "" << "" << "da_DK" << "en";
        QTest::newRow("stored beats the system") << "" << "en" << "de_DE" << "en";
        QTest::newRow("command line beats stored") << "de" << "en" << "en_US" << "de";
        QTest::newRow("damaged stored choice") << "" << "klingon" << "de_CH" << "de";
    }
    void languageIsChosen()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, stored);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QCOMPARE(tk::languageCode(tk::chooseLanguage(commandLine, stored, system)), chosen);
    }
};

REGISTER_TEST(TranslationTest)
#include "tst_translation.moc"
