#include "command_line.h"
#include "registry.h"

#include "version.h"

#include "evaluation/evaluate_command.h"
#include "evaluation_windows/evaluation_part.h"
#include "toolkit/language.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace app {

namespace {

// The program's own options, in the order the help lists them.
struct ProgramOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("app::CommandLine", "Zeigt diese Hilfe an und beendet das Programm.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("app::CommandLine", "Zeigt die Versionsnummer an und beendet das Programm.")};

    QCommandLineOption language{QStringLiteral("lang"),
                                //: --help: the option that chooses the interface language
                                QCoreApplication::translate("app::CommandLine", "Sprache der Oberfläche: de (Deutsch) oder en (Englisch)."),
                                //: --help: the value of --lang, written as <Sprache>; one word
                                QCoreApplication::translate("app::CommandLine", "Sprache")};

    std::vector<const QCommandLineOption*> all() const { return {&help, &version, &language}; }
};

// The options that Qt's application objects and platform plugins read
// themselves: accepted here and left in the arguments for them.
std::vector<QCommandLineOption> qtOptions()
{
    static const char* const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title",
        "name", "visual", "ncols", "im", "inputstyle", "bg", "background", "fg", "foreground", "btn",
        "button", "fn", "font"};
    static const char* const withoutValue[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};
    std::vector<QCommandLineOption> options;
    for (const char* name : withValue)
        options.emplace_back(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    for (const char* name : withoutValue)
        options.emplace_back(QString::fromLatin1(name), QString());
    for (QCommandLineOption& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

QString spelled(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("werkstoffpruefung") : name;
}

QString helpText(const QString& program, const ProgramOptions& options)
{
    QStringList names;
    for (const QCommandLineOption* option : options.all()) {
        QStringList spellings;
        for (const QString& name : option->names())
            spellings << spelled(name);
        QString column = spellings.join(QStringLiteral(", "));
        if (!option->valueName().isEmpty())
            column += QStringLiteral(" <") + option->valueName() + QChar('>');
        names << column;
    }
    qsizetype width = 0;
    for (const QString& column : names)
        width = std::max(width, column.size());

    QString text = QCoreApplication::translate("app::CommandLine", "Aufruf: %1 [Optionen]").arg(program) + QChar('\n');
    text += QCoreApplication::translate("app::CommandLine", "Lernprogramm zur Ermittlung von Werkstoffkennwerten: Härteprüfung nach\n"
               "Brinell, Vickers und Rockwell, Zugversuch, Kerbschlagbiegeversuch und\n"
               "Dauerschwingversuch.")
          + QStringLiteral("\n\n");
    text += QCoreApplication::translate("app::CommandLine", "Optionen:") + QChar('\n');
    const auto all = options.all();
    for (size_t i = 0; i < all.size(); ++i)
        text += QStringLiteral("  ") + names[qsizetype(i)].leftJustified(width) + QStringLiteral("  ")
              + all[i]->description() + QChar('\n');
    text += QChar('\n')
          + QCoreApplication::translate("app::CommandLine",
                                        "Auswertung eigener Messwerte ohne Fenster:\n"
                                        "  %1 --evaluate tensile DATEI... --d0 10 --L0 50\n"
                                        "  %1 --evaluate impact DATEI...\n"
                                        "  %1 --evaluate fatigue DATEI...\n"
                                        "Die Optionen jeder Auswertung nennt: %1 --evaluate tensile --help")
                .arg(program)
          + QChar('\n');
    text += QChar('\n') + QCoreApplication::translate("app::CommandLine", "Dazu versteht das Programm die Optionen von Qt,\n"
                                                         "etwa -platform, -style und -reverse.")
          + QChar('\n');
    return text;
}

CommandLine failure(const QString& program, const QString& message)
{
    CommandLine result;
    result.startsProgram = false;
    result.exitCode = 1;
    result.errorOutput = program + QStringLiteral(": ") + message + QChar('\n')
                       + QCoreApplication::translate("app::CommandLine", "Die Optionen nennt: %1 --help").arg(program) + QChar('\n');
    return result;
}

}

QString programVersion() { return QStringLiteral(WERKSTOFF_VERSION); }

CommandLine readCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments);
    if (evaluation::isEvaluateCommand(arguments)) {
        CommandLine result;
        result.startsProgram = false;
        result.evaluates = true;
        // What follows --evaluate is the evaluation's; a --lang before it
        // chooses the language of its texts, read as the program reads it.
        result.language = readCommandLine(arguments.mid(0, arguments.indexOf(QStringLiteral("--evaluate")))).language;
        return result;
    }
    const ProgramOptions options;
    QCommandLineParser parser;
    // Qt's options are words after a single dash (-platform), so single
    // letters do not combine (-hv is no option).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption* option : options.all())
        parser.addOption(*option);
    for (const QCommandLineOption& option : qtOptions())
        parser.addOption(option);

    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return failure(program, QCoreApplication::translate("app::CommandLine", "Unbekannte Option: %1").arg(spelled(unknown.first())));
        // The other faults: a value missing after an option that takes one,
        // or given to one that takes none. Qt's parser names the option.
        static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        const QString option = quoted.match(parser.errorText()).captured(1);
        if (parser.errorText().startsWith(QLatin1String("Missing value")))
            return failure(program, QCoreApplication::translate("app::CommandLine", "Nach %1 fehlt der Wert.").arg(option));
        return failure(program, QCoreApplication::translate("app::CommandLine", "%1 nimmt keinen Wert.").arg(option));
    }

    CommandLine result;
    if (parser.isSet(options.language)) {
        result.language = parser.value(options.language).trimmed().toLower();
        if (!tk::languageOfCode(result.language) && !parser.isSet(options.help) && !parser.isSet(options.version))
            //: Command line: %1 is the value given to --lang
            return failure(program, QCoreApplication::translate("app::CommandLine", "Unbekannte Sprache für --lang: %1 (möglich: de, en)")
                                        .arg(parser.value(options.language)));
    }
    if (parser.isSet(options.help)) {
        result.startsProgram = false;
        result.standardOutput = helpText(program, options);
    } else if (parser.isSet(options.version)) {
        result.startsProgram = false;
        result.standardOutput = QStringLiteral("%1 %2\n").arg(program, programVersion());
    } else if (!parser.positionalArguments().isEmpty()) {
        return failure(program, QCoreApplication::translate("app::CommandLine", "Unerwartetes Argument: %1").arg(parser.positionalArguments().first()));
    }
    return result;
}

QStringList argumentList(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void applyLanguage(const QString& commandLineCode)
{
    const QStringList system = QLocale::system().uiLanguages();
    tk::setInterfaceLanguage(tk::chooseLanguage(commandLineCode, tk::storedLanguageCode(),
                                                system.isEmpty() ? QLocale::system().name() : system.first()));
}

int runEvaluation(int argc, char* argv[], const QString& language)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(programVersion());
    applyLanguage(language);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString failure;
    if (const auto* part = evaluation::windows::evaluationPart(&failure))
        return part->runEvaluateCommand(QCoreApplication::arguments().mid(1), out, err);
    err << programName(QCoreApplication::arguments()) << ": "
        << evaluationFailureText(failure) << Qt::endl;
    return evaluation::commandFileFailed;
}

int finish(const CommandLine& commandLine)
{
    std::fputs(commandLine.standardOutput.toUtf8().constData(), stdout);
    std::fputs(commandLine.errorOutput.toUtf8().constData(), stderr);
    std::fflush(stdout);
    return commandLine.exitCode;
}

}
