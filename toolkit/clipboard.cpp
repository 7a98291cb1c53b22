#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

namespace tk {

QImage atDrawnDensity(QImage picture)
{
    constexpr double screenDotsPerMetre = 96 / 0.0254;
    const int dotsPerMetre = int(std::lround(screenDotsPerMetre * picture.devicePixelRatio()));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

void copyImage(const QImage& picture)
{
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(atDrawnDensity(picture));
}

}
