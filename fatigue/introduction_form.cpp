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

// Three paragraphs, their lines broken at \n and 30 pixels apart, a blank
// row between the paragraphs.
struct Paragraph {
    int top;
    const char* text;
};

constexpr int lineStep = 30;

const Paragraph paragraphs[] = {
    //: Introduction to fatigue testing, first paragraph: 5 lines of about 80 characters (font of 24
    //: pixels on a sheet 750 pixels wide), broken with \n
    {20, QT_TRANSLATE_NOOP("TFormDauerTExt",
                           "Zeitlich verändernde  und wiederholende Beanspruchungen führen in vielen\n"
                           "Fällen, auch wenn die Belastungen unterhalb der Streckgrenze liegen, zu einer\n"
                           "Werkstoffschädigung oft bis zum Dauerbruch (Ermüdungsbruch).\n"
                           "Der Dauerschwingversuch liefert Kennwerte, die das mechanische Verhalten von\n"
                           "Bauteilen unter zyklischer Belastung (schwellend oder wechselnd) beschreiben.")},
    //: Second paragraph: 4 lines of about 80 characters, broken with \n
    {190, QT_TRANSLATE_NOOP("TFormDauerTExt",
                            "Beim Dauerschwingversuch wird meist bei unterschiedlichem Spannungsniveau ein\n"
                            "sinusförmiger Belastungsverlauf mit konstanter Spannungsamplitude bis zum Bruch der\n"
                            "Probe aufgebracht und die Bruchzyklenzahl registriert. Als geeignete grafische\n"
                            "Darstellung hat sich das Wöhler-Diagramm bewährt.")},
    //: Third paragraph: 2 lines of about 80 characters, broken with \n
    {330, QT_TRANSLATE_NOOP("TFormDauerTExt",
                            "Für Dauerschwingversuche werden Zug/Druck-, Umlaufbiege-, Wechselbiege- \n"
                            "und Torsionswechsel-Prüfmaschinen eingesetzt.")},
};

}

TFormDauerTExt::TFormDauerTExt()
    : tk::Form(QStringLiteral("TFormDauerTExt"),
               //: Window title
               tr("Ermittlung der Dauerfestigkeit"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESCAPE"), [this] { ESCAPEClick(); })->setText(QStringLiteral("ESCAPE"));

    m_paintBoxText = new tk::PaintBox(client(), QStringLiteral("PaintBoxText"), 20, 40, sheetWidth, sheetHeight);
    m_paintBoxText->describe(tr("Ermittlung der Dauerfestigkeit"),
                             tr("Einführungstext zum Dauerschwingversuch"));
    m_paintBoxText->setOnPaint([this] { PaintBoxTextPaint(); });

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"), QStringLiteral("StatusBarHint"));
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
    for (const Paragraph& paragraph : paragraphs) {
        const QStringList lines = tr(paragraph.text).split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            c.textOut(20, paragraph.top + i * lineStep, lines[i]);
    }
}

void TFormDauerTExt::EndeClick() { close(); }

void TFormDauerTExt::ESCAPEClick() { close(); }
