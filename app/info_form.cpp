#include "info_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"

#include <QPoint>
#include <QStringList>

TFormInfo* FormInfo = nullptr;

//: Caption of the information window
TFormInfo::TFormInfo() : tk::Form(QStringLiteral("TFormInfo"), tr("Information"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::panelGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    //: Menu item that closes the information window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });

    m_panel = new tk::Panel(client(), QStringLiteral("PanelInfo"), 10, 20, 680, 320, tk::colours::infoYellow);
    const tk::Font font = tk::Font::character(QStringLiteral("MS Sans Serif"), 16);
    struct Line {
        const char* name;
        int x, y;
        const char* text;
    };
    // The thanks are one sentence on two lines: translated as a whole, the
    // line break at '|'.
    //: Information window: thanks on two lines of at most 660 pixels (about 65 characters); | marks the line break
    const QStringList thanks = tr("Unser Dank gilt dem Institut für Werkstofftechnik und seiner Leitung|"
                                  "sowie der Hochschule für die Bereitstellung digitaler Bilder")
                                   .split(QChar('|'));
    const QString lines[][2] = {
        //: Information window: heading of the recommended screen sizes
        {QStringLiteral("Label2"), tr("Bildschirmeinstellungen:")},
        //: Information window: the recommended screen sizes
        {QStringLiteral("Label3"), tr("800x600 oder 1024x768")},
        {QStringLiteral("Label1"), thanks.value(0)},
        {QStringLiteral("Label6"), thanks.mid(1).join(QChar(' '))},
        //: Information window: who made the program; no person is named
        {QStringLiteral("Label4"), tr("Die Mitwirkenden des Projekts")},
        //: Information window: place and date of the program's first release
        {QStringLiteral("Label5"), tr("Dresden, August 2002")},
    };
    const QPoint places[] = {{9, 16}, {9, 45}, {9, 98}, {9, 130}, {327, 190}, {335, 224}};
    for (int i = 0; i < 6; ++i)
        tk::makeLabel(m_panel, lines[i][0], places[i].x(), places[i].y(), lines[i][1], font);
}

void TFormInfo::formCreate()
{
    FormInfo->setBounds(tk::centredLeft(710), tk::centredTop(400), 710, 400);
    FormInfo->m_panel->setGeometry(10, 20, 680, 320);
}

QImage TFormInfo::copiedPicture() { return client()->grab().toImage(); }

void TFormInfo::Ende1Click() { close(); }

void TFormInfo::ESC1Click() { close(); }
