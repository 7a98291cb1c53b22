#include "registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication();
    app::startProgram();
    return QApplication::exec();
}
