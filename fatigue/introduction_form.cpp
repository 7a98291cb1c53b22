#include "introduction_form.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QLabel>

TFormDauerTExt* FormDauerTExt = nullptr;

namespace {

constexpr int sheetWidth = 750;
constexpr int sheetHeight = 450;

// Three paragraphs, a blank row between them.
constexpr tk::PlacedText lines[] = {
    {20, 20, "Zeitlich verändernde  und wiederholende Beanspruchungen führen in vielen"},
    {20, 50, "Fällen, auch wenn die Belastungen unterhalb der Streckgrenze liegen, zu einer"},
    {20, 80, "Werkstoffschädigung oft bis zum Dauerbruch (Ermüdungsbruch)."},
    {20, 110, "Der Dauerschwingversuch liefert Kennwerte, die das mechanische Verhalten von"},
    {20, 140, "Bauteilen unter zyklischer Belastung (schwellend oder wechselnd) beschreiben."},
    {20, 190, "Beim Dauerschwingversuch wird meist bei unterschiedlichem Spannungsniveau ein"},
    {20, 220, "sinusförmiger Belastungsverlauf mit konstanter Spannungsamplitude bis zum Bruch der"},
    {20, 250, "Probe aufgebracht und die Bruchzyklenzahl registriert. Als geeignete grafische"},
    {20, 280, "Darstellung hat sich das Wöhler-Diagramm bewährt."},
    {20, 330, "Für Dauerschwingversuche werden Zug/Druck-, Umlaufbiege-, Wechselbiege- "},
    {20, 360, "und Torsionswechsel-Prüfmaschinen eingesetzt."},
};

}

TFormDauerTExt::TFormDauerTExt()
    : tk::Form(QStringLiteral("TFormDauerTExt"), QStringLiteral("Ermittlung der Dauerfestigkeit"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESCAPE"), [this] { ESCAPEClick(); })->setText(QStringLiteral("ESCAPE"));

    m_paintBoxText = new tk::PaintBox(client(), QStringLiteral("PaintBoxText"), 20, 40, sheetWidth, sheetHeight);
    m_paintBoxText->describe(QStringLiteral("Ermittlung der Dauerfestigkeit"),
                             QStringLiteral("Einführungstext zum Dauerschwingversuch"));
    m_paintBoxText->setOnPaint([this] { PaintBoxTextPaint(); });

    setStatusText(QStringLiteral("ESC = Abbruch"), QStringLiteral("StatusBarHint"));
    QPalette p = statusBar()->palette();
    p.setColor(QPalette::Window, tk::colours::silver);
    statusBar()->setPalette(p);
    statusBar()->setFont(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 13, true)));
}

void TFormDauerTExt::formCreate()
{
    FormDauerTExt->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    // The sheet stands centred in the 800 x 600 window, above the button row.
    FormDauerTExt->m_paintBoxText->setBounds((800 - sheetWidth - 10) / 2, (600 - sheetHeight - 70) / 2, sheetWidth,
                                             sheetHeight);
}

void TFormDauerTExt::PaintBoxTextPaint()
{
    tk::Canvas& c = m_paintBoxText->canvas();
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::lightYellow);
    c.rectangle(0, 0, m_paintBoxText->width(), m_paintBoxText->height());
    c.setFontHeight(24);
    c.setFontColor(Qt::black);
    tk::drawTexts(c, lines);
}

void TFormDauerTExt::EndeClick() { close(); }

void TFormDauerTExt::ESCAPEClick() { close(); }
