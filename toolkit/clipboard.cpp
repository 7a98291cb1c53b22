#include "clipboard.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
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

void offerCopy(QWidget* widget, std::function<QImage()> picture)
{
    //: Context menu of every drawing and photograph: copies the picture to the clipboard
    auto* copy = new QAction(QCoreApplication::translate("tk::Clipboard", "Bild kopieren"), widget);
    copy->setObjectName(QStringLiteral("BildKopieren"));
    QObject::connect(copy, &QAction::triggered, widget, [picture = std::move(picture)] { copyImage(picture()); });
    widget->addAction(copy);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}
