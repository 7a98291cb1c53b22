#include "picture_form.h"

#include "controls.h"

#include <QCoreApplication>

namespace tk {

PictureForm::PictureForm(const QString& className, const QString& caption, const QString& picturePath,
                         const QString& pictureName, std::optional<CloseMenu> menu)
    : Form(className, caption)
{
    if (menu) {
        //: Menu item that closes a picture window; access key after &
        addMenuItem(QCoreApplication::translate("tk::PictureForm", "&Ende"), menu->ende, [this] { close(); });
        addEscapeItem(menu->esc, [this] { close(); });
    } else {
        // No menu to close it from: Escape still does, so the keyboard alone
        // can leave every picture.
        addEscapeItem(QStringLiteral("ESC"), [this] { close(); });
    }
    m_picture = new Picture(client(), pictureName, picturePath);
    m_picture->setOnClick([this] {
        if (m_closesOnClick)
            close();
    });
    clientResized();
}

void PictureForm::setPictureBounds(const QRect& bounds)
{
    m_bounds = bounds;
    m_picture->setGeometry(bounds);
}

void PictureForm::clientResized()
{
    if (m_picture && !m_bounds)
        m_picture->setGeometry(0, 0, clientWidth(), clientHeight());
}

}
