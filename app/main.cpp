#include "command_line.h"
#include "registry.h"

#include "toolkit/screen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Read before the application object exists: --help and --version need
    // no display.
    const app::CommandLine commandLine = app::readCommandLine(app::argumentList(argc, argv));
    if (commandLine.evaluates)
        return app::runEvaluation(argc, argv);
    if (!commandLine.startsProgram)
        return app::finish(commandLine);

    app::decodeTitlePictureEarly();
    tk::settleScaleFactor();
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(app::programVersion());
    app::prepareApplication();
    app::startProgram();
    return QApplication::exec();
}
