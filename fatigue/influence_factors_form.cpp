#include "influence_factors_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

TFormDauerEinfluss* FormDauerEinfluss = nullptr;

namespace {

// Scale of the layout; every position, size, line and font height below is
// a design value multiplied by it and rounded.
const tk::ScaleFactors scale{1.0, 1.0};

// The paint box lies 20 right of and 10 below the client's origin.
constexpr int boxLeft = 20;
constexpr int boxTop = 10;

struct PanelSpec {
    const char* name;
    const char* caption;
    int top;
    QColor colour;
    bool group;
};

//: Panels of the tree of factors that influence the fatigue strength: a group
//: panel (Werkstoff, Bauteilform, Belastung, Umgebung) holds about 14 characters,
//: a factor panel about 30, in a bold font of 20 pixels
const PanelSpec panels[] = {
    {"PanelWerk", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Werkstoff"), 65, tk::colours::lightYellow, true},
    {"PanelKris", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Kristallgitter"), 30, tk::colours::lightYellow, false},
    {"PanelBeha", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Wärmebehandlung"), 70, tk::colours::lightYellow, false},
    {"PanelEige", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Eigenspannungen"), 110, tk::colours::lightYellow, false},
    {"PanelForm", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Bauteilform"), 195, tk::colours::orange, true},
    {"PanelKerb", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Kerbeinfluss"), 160, tk::colours::orange, false},
    {"PanelOber", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Oberflächenzustand"), 200, tk::colours::orange, false},
    {"PanelAbme", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Bauteilabmessungen"), 240, tk::colours::orange, false},
    {"PanelBela", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Belastung"), 325, tk::colours::lime, true},
    {"PanelBear", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Belastungsart"), 290, tk::colours::lime, false},
    {"PanelMitt", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Mittelspannung"), 330, tk::colours::lime, false},
    {"PanelSpFr", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Spannungen und Frequenz"), 370, tk::colours::lime, false},
    {"PanelUmge", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Umgebung"), 435, tk::colours::lightCyan, true},
    {"PanelTemp", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Temperatur"), 420, tk::colours::lightCyan, false},
    {"PanelMedi", QT_TRANSLATE_NOOP("TFormDauerEinfluss", "Umgebungsmedium"), 460, tk::colours::lightCyan, false},
};

// The group panels sit left, their factors right.
constexpr QRect groupPanel{50, 0, 180, 40};
constexpr QRect factorPanel{350, 0, 380, 30};

// A group's connector, in paint-box pixels: the line from the group panel to
// the bus at x 300 (on to x 400 where it meets the middle factor itself),
// the bus, and the branches from the bus to the other factors. Every line
// ends under a panel.
struct Connector {
    int groupRow;
    int groupLineEnd;
    int busTop, busBottom;
    std::initializer_list<int> branches;
};

const Connector connectors[] = {
    {75, 300, 35, 115, {35, 75, 115}},
    {205, 400, 165, 245, {165, 245}},
    {335, 400, 295, 375, {295, 375}},
    {445, 300, 425, 465, {425, 465}},
};

int fontHeight(int height) { return int(tk::roundHalfEven(height * scale.horizontal)); }

}

TFormDauerEinfluss::TFormDauerEinfluss()
    : tk::Form(QStringLiteral("TFormDauerEinfluss"),
               //: Window title
               tr("Einflussgrößen auf die Dauerfestigkeit von Bauteilen"))
{
    setBorder(Border::SizeableToolWindow);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });

    // Created before the panels, which lie over it.
    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), boxLeft, boxTop, 750, 500);
    m_paintBoxHaupt->describe(tr("Einflussgrößen auf die Dauerfestigkeit"),
                              tr("Baum der Einflussgrößen: Werkstoff, Bauteilform, Belastung, Umgebung"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    for (const PanelSpec& p : panels) {
        const QRect& shape = p.group ? groupPanel : factorPanel;
        auto* panel = new tk::Panel(client(), QString::fromLatin1(p.name), scale.x(shape.left()), scale.y(p.top),
                                    scale.x(shape.width()), scale.y(shape.height()), p.colour);
        panel->setCaption(tr(p.caption),
                          tk::Font::cell(QStringLiteral("MS Sans Serif"), fontHeight(p.group ? 30 : 20), true));
    }
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));
}

void TFormDauerEinfluss::formCreate()
{
    FormDauerEinfluss->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    FormDauerEinfluss->m_paintBoxHaupt->setBounds(scale.x(boxLeft), scale.y(boxTop), scale.x(750), scale.y(500));
}

void TFormDauerEinfluss::PaintBoxHauptPaint()
{
    tk::Canvas& c = m_paintBoxHaupt->canvas();
    const tk::ScaleFactors& s = scale;
    c.setPenColor(Qt::black);
    c.setPenWidth(s.x(3));
    c.setBrushColor(Qt::white);
    c.rectangle(0, 0, m_paintBoxHaupt->width(), m_paintBoxHaupt->height());
    for (const Connector& k : connectors) {
        c.line(s.x(200), s.y(k.groupRow), s.x(k.groupLineEnd), s.y(k.groupRow));
        c.line(s.x(300), s.y(k.busTop), s.x(300), s.y(k.busBottom));
        for (int row : k.branches)
            c.line(s.x(300), s.y(row), s.x(400), s.y(row));
    }
}

void TFormDauerEinfluss::Ende1Click() { close(); }

void TFormDauerEinfluss::ESC1Click() { close(); }
