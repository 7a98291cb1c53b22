#pragma once

#include <QString>
#include <QStringList>

// The program's command line. It is read before the GUI application exists,
// so that --help and --version answer without a display and without opening
// a window. Besides its own options the program accepts Qt's (-platform,
// -style, -reverse, ...), which the application object reads afterwards.
namespace app {

// The program's version, as the package and its metadata give it.
QString programVersion();

struct CommandLine {
    // Whether the program starts; otherwise it writes the texts below and
    // ends with the exit code.
    bool startsProgram = true;
    // --evaluate: the evaluation of measured values runs instead of the
    // program, without a display (see evaluation/evaluate_command.h).
    bool evaluates = false;
    int exitCode = 0;
    // --lang: the interface language's code ("de" or "en"); empty when the
    // option is not given (or, with --evaluate, given only after it).
    QString language;
    QString standardOutput;
    QString errorOutput;
};

// Reads the arguments (the program's name first, as in argv).
CommandLine readCommandLine(const QStringList& arguments);

// The arguments of main as strings.
QStringList argumentList(int argc, const char* const* argv);

// Chooses the interface language (the command line's code, else the stored
// choice, else the system's locale) and installs its translations. Needs the
// application object.
void applyLanguage(const QString& commandLineCode);

// Runs the evaluation that the arguments ask for, with its texts in the
// language chosen as applyLanguage chooses it, and returns its exit code;
// where the evaluation part cannot be loaded, says why and returns 1.
int runEvaluation(int argc, char* argv[], const QString& language);

// Writes a command line's texts to standard output and standard error and
// returns its exit code.
int finish(const CommandLine& commandLine);

}
