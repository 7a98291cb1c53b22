#include "screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>

namespace tk {

namespace {
QSize& overrideSize()
{
    static QSize s;
    return s;
}

constexpr char scaleFactorVariable[] = "QT_SCALE_FACTOR";

// The extent of a rectangle's side from its first and last pixel, in 64 bits:
// at an extreme scale factor Qt's rectangle has edges whose distance no int
// holds.
int extent(int first, int last) { return int(std::clamp<qint64>(qint64(last) - first + 1, 0, INT_MAX)); }
}

void settleScaleFactor()
{
    if (!qEnvironmentVariableIsSet(scaleFactorVariable))
        return;
    // Read as Qt reads it; a text that is no number Qt ignores already.
    bool isNumber = false;
    const double factor = qEnvironmentVariable(scaleFactorVariable).toDouble(&isNumber);
    if (isNumber && !(std::isfinite(factor) && factor > 0))
        qputenv(scaleFactorVariable, "1");
}

QSize screenSize()
{
    if (overrideSize().isValid())
        return overrideSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        return QSize(extent(g.left(), g.right()), extent(g.top(), g.bottom()));
    }
    return QSize(1024, 768);
}

void setScreenSize(QSize size) { overrideSize() = size; }

int centredLeft(int width) { return idiv(screenSize().width() - width, 2); }
int centredTop(int height) { return idiv(screenSize().height() - height, 2); }

}
