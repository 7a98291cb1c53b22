#include "registry.h"

#include "toolkit/screen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::decodeTitlePictureEarly();
    tk::settleScaleFactor();
    QApplication application(argc, argv);
    app::prepareApplication();
    app::startProgram();
    return QApplication::exec();
}
