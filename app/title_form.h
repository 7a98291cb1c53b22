#pragma once

#include "toolkit/form.h"

#include <QColor>
#include <QStringList>

class QAction;
class QColorDialog;
class QDialog;
class QLabel;
class QMessageBox;
class QRadioButton;

namespace tk {
class Panel;
class Picture;
}

// The title window: a full-screen fracture picture with the program's title
// on a panel, and the menu that opens the hub, the information window and the
// background colour command and the choice of the interface language.
// Closing it ends the program.
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
    void SpracheClick();

    // Offers the chosen colour to every window.
    void applyBackgroundColour(const QColor& colour);

    QColorDialog* colorDialog() const { return m_colorDialog; }
    // The language choice (Deutsch or English) and the note after it that
    // the choice applies at the next start; made on first use.
    QDialog* languageDialog() const { return m_languageDialog; }
    QMessageBox* languageNote() const { return m_languageNote; }
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
    QDialog* m_languageDialog = nullptr;
    QRadioButton* m_german = nullptr;
    QRadioButton* m_english = nullptr;
    QMessageBox* m_languageNote = nullptr;
};

extern TFormHaupt* FormHaupt;
