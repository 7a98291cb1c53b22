#include "tester_schematic_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/diagram.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QCoreApplication>

#include <algorithm>

TFormHaerte* FormHaerte = nullptr;

QStringList TFormHaerte::explanation()
{
    // One text, so a translation chooses its own line breaks.
    //: Explanation box of the hardness tester window: one line per \n, lines of at most about 38 characters; the box scrolls
    return tr(
        " Definition der Härte:\n"
        " Die Härte ist der Widerstand eines\n"
        " Werkstoffes gegen das Eindringen\n"
        " eines härteren Körpers.\n"
        "\n"
        " Die Härte eines Werkstoffes erlaubt \n"
        " Aussagen über die Festigkeit.\n"
        " Sie wird mit unterschiedlichen Mess-\n"
        " verfahren ermittelt.\n"
        " Bei allen genormten Messverfahren\n"
        " dringt ein Eindringkörper mit einer\n"
        " definierten Kraft in das Werkstück ein.\n"
        " Der durch das Einsenken entstandene\n"
        " Eindruck wird ausgemessen und aus \n"
        " der Höhe der Kraft und Geometrie des\n"
        " Eindrucks der Härtewert berechnet.\n"
        " Die Grafik zeigt schematisch ein Härte-\n"
        " prüfgerät, das sich zur Messung der \n"
        " Härte mit unterschielichen Eindring-\n"
        " körpern eignet.\n"
        "\n"
        " Die drei hier vorgestellten statischen\n"
        " Messverfahren,\n"
        "   - Brinell (EN ISO 6506-1) \n"
        "     früher (DIN 50351)\n"
        "   - Rockwell (EN ISO 6508-1)\n"
        "     früher (DIN 50103)\n"
        "   - Vickers (EN ISO 6507-1)\n"
        "     früher (DIN 50133)\n"
        " unterscheiden sich hinsichtlich der \n"
        " geometrischen Form des Eindring-\n"
        " körpers der Höhe der Prüfkraft und \n"
        " der Errechnung des jeweiligen \n"
        " Härtewertes.").split(QChar('\n'));
}

TFormHaerte::TFormHaerte()
    //: Caption of the hardness tester window
    : tk::Form(QStringLiteral("TFormHaerte"), tr("Härteprüfmaschine (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 270, 5, 520, 500);
    //: Screen reader: description of the drawing
    m_paintBoxHaupt->describe(tr("Härteprüfmaschine (schematisch)"),
                              tr("Beschriftete Schemazeichnung einer Härteprüfmaschine mit ihren Bauteilen"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });

    // Along the left edge of the drawing, two pixels higher than it.
    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 270 - 265, 5, 265, 500 + 2,
                          tk::colours::lightYellow);
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setScrollBars(true, true);
    m_memo->setFixedLines(explanation(), tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));

    //: Status bar of the hardness tester window
    setStatusText(tr("ESC = Abbruch"));
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
    static constexpr const char* context = "hardness::HardnessTester";
    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontHeight(18);
    // The specimen's label ends left of the specimen (from x = 145): a
    // longer word starts further left.
    //: Label of the specimen on the anvil; a long word moves to the left
    const QString specimen = QCoreApplication::translate("hardness::HardnessTester", "Probe");
    c.textOut(std::min(110, 145 - c.textWidth(specimen)), 250, specimen);
    tk::drawTexts(c, context,
                  {
                      //: Label of the indenter, left of the machine, room for about 14 characters
                      {47, 220, QT_TRANSLATE_NOOP("hardness::HardnessTester", "Eindringkörper")},
                      //: Label of the screen at the top of the machine, room for about 50 characters
                      {47, 80, QT_TRANSLATE_NOOP("hardness::HardnessTester",
                                                 "Scheibe für die vergrößerte Abbildung des Eindrucks")},
                  });
    //: Label of the table, drawn on two lines split at |, about 13 characters each
    tk::drawPieces(c, QCoreApplication::translate("hardness::HardnessTester", "verstellbarer|Auflagetisch"),
                   {{40, 280}, {40, 295}});
    c.line(60, 95, 82, 150);
    //: Label right of the machine, drawn on two lines split at |, about 14 characters each
    tk::drawPieces(c, QCoreApplication::translate("hardness::HardnessTester", "Einstellen der |Prüfkraft "),
                   {{330, 220}, {330, 240}});
    c.line(326, 240, 286, 250);
    //: Label of the lever at the machine's foot, room for about 14 characters
    tk::drawTexts(c, context, {{130, 417, QT_TRANSLATE_NOOP("hardness::HardnessTester", "Auslösehebel ")}});

    c.setFontHeight(22);
    //: Heading of the drawing, room for about 48 characters
    tk::drawTexts(c, context,
                  {{30, 25, QT_TRANSLATE_NOOP("hardness::HardnessTester",
                                              "Schematische Darstellung einer Härteprüfmaschine")}});
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
