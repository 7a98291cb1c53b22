#include "command_line.h"
#include "registry.h"

#include "toolkit/screen.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Read before the application object exists: --help and --version need
    // no display.
    const QStringList arguments = app::argumentList(argc, argv);
    const app::CommandLine commandLine = app::readCommandLine(arguments);
    if (commandLine.evaluates)
        return app::runEvaluation(argc, argv, commandLine.language);
    if (!commandLine.startsProgram) {
        // The texts again, in the interface language: translations need an
        // application object, which needs no display.
        QCoreApplication core(argc, argv);
        app::applyLanguage(commandLine.language);
        return app::finish(app::readCommandLine(arguments));
    }

    tk::settleScaleFactor();
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(app::programVersion());
    app::prepareApplication(commandLine.language);
    app::startProgram();
    return QApplication::exec();
}
