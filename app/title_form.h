#pragma once

#include "toolkit/form.h"

#include <QColor>
#include <QStringList>

class QAction;
class QColorDialog;
class QLabel;

namespace tk {
class Panel;
class Picture;
}

// The title window: a full-screen fracture picture with the program's title
// on a panel, and the menu that opens the hub, the information window and the
// background colour command. Closing it ends the program.
class TFormHaupt : public tk::Form {
    Q_OBJECT
public:
    TFormHaupt();
    void formCreate() override;

    // Menu handlers
    void Hintergrundfarbe1Click();
    void BeendenClick();
    void bersicht1Click();
    void ESC1Click();
    void Information1Click();

    // Offers the chosen colour to every window.
    void applyBackgroundColour(const QColor& colour);

    QColorDialog* colorDialog() const { return m_colorDialog; }
    tk::Picture* image() const { return m_image; }
    tk::Panel* panel() const { return m_panel; }

protected:
    void formClose() override;

private:
    tk::Picture* m_image;
    tk::Panel* m_panel;
    QLabel* m_label1;
    QLabel* m_label2;
    QColorDialog* m_colorDialog = nullptr; // made on first use
    QColor m_lastColour = Qt::black;
};

extern TFormHaupt* FormHaupt;
