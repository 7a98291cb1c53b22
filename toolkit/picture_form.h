#pragma once

#include "form.h"

#include <QRect>
#include <optional>

namespace tk {

class Picture;

// A window that shows one picture compiled into the program: at its natural
// size from the top-left corner of its picture control, clipped to it, with
// the window's colour (the button face unless set otherwise) beyond it. The
// JPEG is decoded when the picture is first shown, never at start-up.
class PictureForm : public Form {
    Q_OBJECT
public:
    // The object names of the "&Ende" item and the invisible "ESC" item of a
    // picture window that has this menu; both close the window. A window
    // without the menu still closes on Escape.
    struct CloseMenu {
        QString ende;
        QString esc;
    };

    PictureForm(const QString& className, const QString& caption, const QString& picturePath,
                const QString& pictureName, std::optional<CloseMenu> menu = std::nullopt);

    Picture* picture() const { return m_picture; }

    // Whether a click on the picture closes the window.
    void setClosesOnClick(bool closes) { m_closesOnClick = closes; }
    bool closesOnClick() const { return m_closesOnClick; }

    // The picture fills the client area unless it is given bounds of its own.
    void setPictureBounds(const QRect& bounds);

protected:
    void clientResized() override;

private:
    Picture* m_picture = nullptr;
    std::optional<QRect> m_bounds;
    bool m_closesOnClick = true;
};

}
