#include "tester_schematic_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/diagram.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

TFormHaerte* FormHaerte = nullptr;

const QStringList& TFormHaerte::explanation()
{
    static const QStringList lines = {
        QStringLiteral(" Definition der Härte:"),
        QStringLiteral(" Die Härte ist der Widerstand eines"),
        QStringLiteral(" Werkstoffes gegen das Eindringen"),
        QStringLiteral(" eines härteren Körpers."),
        QString(),
        QStringLiteral(" Die Härte eines Werkstoffes erlaubt "),
        QStringLiteral(" Aussagen über die Festigkeit."),
        QStringLiteral(" Sie wird mit unterschiedlichen Mess-"),
        QStringLiteral(" verfahren ermittelt."),
        QStringLiteral(" Bei allen genormten Messverfahren"),
        QStringLiteral(" dringt ein Eindringkörper mit einer"),
        QStringLiteral(" definierten Kraft in das Werkstück ein."),
        QStringLiteral(" Der durch das Einsenken entstandene"),
        QStringLiteral(" Eindruck wird ausgemessen und aus "),
        QStringLiteral(" der Höhe der Kraft und Geometrie des"),
        QStringLiteral(" Eindrucks der Härtewert berechnet."),
        QStringLiteral(" Die Grafik zeigt schematisch ein Härte-"),
        QStringLiteral(" prüfgerät, das sich zur Messung der "),
        QStringLiteral(" Härte mit unterschielichen Eindring-"),
        QStringLiteral(" körpern eignet."),
        QString(),
        QStringLiteral(" Die drei hier vorgestellten statischen"),
        QStringLiteral(" Messverfahren,"),
        QStringLiteral("   - Brinell (EN ISO 6506-1) "),
        QStringLiteral("     früher (DIN 50351)"),
        QStringLiteral("   - Rockwell (EN ISO 6508-1)"),
        QStringLiteral("     früher (DIN 50103)"),
        QStringLiteral("   - Vickers (EN ISO 6507-1)"),
        QStringLiteral("     früher (DIN 50133)"),
        QStringLiteral(" unterscheiden sich hinsichtlich der "),
        QStringLiteral(" geometrischen Form des Eindring-"),
        QStringLiteral(" körpers der Höhe der Prüfkraft und "),
        QStringLiteral(" der Errechnung des jeweiligen "),
        QStringLiteral(" Härtewertes."),
    };
    return lines;
}

TFormHaerte::TFormHaerte()
    : tk::Form(QStringLiteral("TFormHaerte"), QStringLiteral("Härteprüfmaschine (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 270, 5, 520, 500);
    m_paintBoxHaupt->describe(QStringLiteral("Härteprüfmaschine (schematisch)"),
                              QStringLiteral("Beschriftete Schemazeichnung einer Härteprüfmaschine mit ihren Bauteilen"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });

    // Along the left edge of the drawing, two pixels higher than it.
    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 270 - 265, 5, 265, 500 + 2,
                          tk::colours::lightYellow);
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setScrollBars(true, true);
    m_memo->setFixedLines(explanation(), tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));

    setStatusText(QStringLiteral("ESC = Abbruch"));
}

void TFormHaerte::formCreate() { FormHaerte->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

void TFormHaerte::EndeClick() { close(); }

void TFormHaerte::ESCClick() { close(); }

void TFormHaerte::PaintBoxHauptPaint() { hardness::paintHardnessTester(m_paintBoxHaupt->canvas(), formWidth()); }

namespace hardness {

namespace {

// The C-shaped body of the machine: its outline of lines and quarter arcs,
// and the plate of the force setting at its foot.
void paintBody(tk::Canvas& c)
{
    c.line(80, 440, 80, 400);
    c.arc(80, 380, 120, 420, 100, 380, 80, 400);
    c.line(100, 380, 220, 380);
    c.arc(200, 340, 240, 380, 220, 380, 240, 360);
    c.line(240, 360, 240, 200);
    c.arc(200, 180, 240, 220, 240, 200, 220, 180);
    c.line(220, 180, 100, 180);
    c.arc(90, 160, 110, 180, 80, 170, 100, 180);
    c.line(90, 170, 90, 120);
    c.arc(90, 110, 110, 130, 100, 110, 90, 120);
    c.line(100, 110, 280, 110);
    c.arc(240, 110, 320, 190, 320, 150, 280, 110);
    c.line(320, 150, 320, 440);
    c.rectangle(320, 420, 460, 440);
}

void paintParts(tk::Canvas& c)
{
    // The indenter in its mount
    c.setBrushColor(tk::colours::indenterGrey);
    c.rectangle(125, 180, 175, 190);
    c.setBrushColor(tk::colours::grey);
    c.rectangle(120, 190, 180, 205);
    c.setBrushColor(tk::colours::indenterGrey);
    c.polygon({{125, 205}, {130, 215}, {170, 215}, {175, 205}, {125, 205}});
    c.polygon({{130, 215}, {135, 220}, {165, 220}, {170, 215}, {130, 215}});
    c.rectangle(142, 220, 158, 230);
    c.setBrushColor(Qt::black);
    c.rectangle(148, 230, 152, 233);

    // The adjustable table with its anvil, and the screen that shows the
    // impression enlarged
    c.rectangle(120, 280, 180, 290);
    c.rectangle(135, 270, 165, 280);
    c.rectangle(85, 120, 90, 170);

    // The column on which the test force is set, and the release lever
    c.setBrushColor(tk::colours::silver);
    c.rectangle(267, 180, 292, 370);
    c.rectangle(120, 400, 210, 404);
    c.ellipse(200, 392, 220, 412);
    c.setBrushColor(Qt::black);
    for (int k = 0; k <= 7; ++k)
        c.ellipse(274, 200 + 20 * k, 284, 210 + 20 * k);
    c.ellipse(115, 397, 125, 407);

    // The spindle under the table, and the specimen on the anvil
    c.setBrushColor(tk::colours::grey);
    c.rectangle(135, 290, 165, 380);
    c.setBrushColor(tk::colours::red);
    c.rectangle(145, 265, 155, 270);
}

void paintLabels(tk::Canvas& c)
{
    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontHeight(18);
    tk::drawTexts(c, {
                         {110, 250, "Probe"},
                         {40, 280, "verstellbarer"},
                         {40, 295, "Auflagetisch"},
                         {47, 220, "Eindringkörper"},
                         {47, 80, "Scheibe für die vergrößerte Abbildung des Eindrucks"},
                     });
    c.line(60, 95, 82, 150);
    tk::drawTexts(c, {{330, 220, "Einstellen der "}, {330, 240, "Prüfkraft "}});
    c.line(326, 240, 286, 250);
    tk::drawTexts(c, {{130, 417, "Auslösehebel "}});

    c.setFontHeight(22);
    tk::drawTexts(c, {{30, 25, "Schematische Darstellung einer Härteprüfmaschine"}});
}

}

void paintHardnessTester(tk::Canvas& c, int windowWidth)
{
    const int left = 20, top = 20, right = c.width() - 20, bottom = c.height() - 20;

    tk::drawStripes(c, windowWidth);

    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(tk::colours::almostBlack);
    c.setBrushColor(tk::colours::paleCyan);
    c.rectangle(left, top, right, bottom);

    // The base the machine stands on
    c.setBrushColor(tk::colours::green);
    c.polygon({{left + 20, bottom - 20},
               {right - 20, bottom - 20},
               {right - 40, bottom - 40},
               {left + 40, bottom - 40},
               {left + 20, bottom - 20}});

    paintBody(c);
    paintParts(c);
    paintLabels(c);
}

}
