#include "registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::decodeTitlePictureEarly();
    QApplication application(argc, argv);
    app::prepareApplication();
    app::startProgram();
    return QApplication::exec();
}
