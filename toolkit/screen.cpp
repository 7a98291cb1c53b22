#include "screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace tk {

namespace {
QSize& overrideSize()
{
    static QSize s;
    return s;
}
}

QSize screenSize()
{
    if (overrideSize().isValid())
        return overrideSize();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return QSize(1024, 768);
}

void setScreenSize(QSize size) { overrideSize() = size; }

int centredLeft(int width) { return idiv(screenSize().width() - width, 2); }
int centredTop(int height) { return idiv(screenSize().height() - height, 2); }

}
