#include "info_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"

TFormInfo* FormInfo = nullptr;

TFormInfo::TFormInfo() : tk::Form(QStringLiteral("TFormInfo"), QStringLiteral("Information"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::panelGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });

    m_panel = new tk::Panel(client(), QStringLiteral("PanelInfo"), 10, 20, 680, 320, tk::colours::infoYellow);
    const tk::Font font = tk::Font::character(QStringLiteral("MS Sans Serif"), 16);
    struct Line {
        const char* name;
        int x, y;
        const char* text;
    };
    static const Line lines[] = {
        {"Label2", 9, 16, "Bildschirmeinstellungen:"},
        {"Label3", 9, 45, "800x600 oder 1024x768"},
        {"Label1", 9, 98, "Unser Dank gilt dem Institut für Werkstofftechnik und seiner Leitung"},
        {"Label6", 9, 130, "sowie der Hochschule für die Bereitstellung digitaler Bilder"},
        {"Label4", 327, 190, "Die Mitwirkenden des Projekts"},
        {"Label5", 335, 224, "Dresden, August 2002"},
    };
    for (const Line& l : lines)
        tk::makeLabel(m_panel, QString::fromUtf8(l.name), l.x, l.y, QString::fromUtf8(l.text), font);
}

void TFormInfo::formCreate()
{
    FormInfo->setBounds(tk::centredLeft(710), tk::centredTop(400), 710, 400);
    FormInfo->m_panel->setGeometry(10, 20, 680, 320);
}

QImage TFormInfo::copiedPicture() { return client()->grab().toImage(); }

void TFormInfo::Ende1Click() { close(); }

void TFormInfo::ESC1Click() { close(); }
