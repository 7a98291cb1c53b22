#include "load_range_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QCoreApplication>
#include <QPushButton>

TFormDauer1* FormDauer1 = nullptr;

TFormDauer1::TFormDauer1()
    : tk::Form(QStringLiteral("TFormDauer1"),
               //: Window title
               tr("Bereiche der Dauerschwingbeanspruchung"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    //: Menu item that clears the diagram; access key after &
    addMenuItem(tr("&Neu Zeichnen"), QStringLiteral("NeuZeichnen1"), [this] { NeuZeichnen1Click(); });

    // The edit fields and the button lie on the header band of the diagram.
    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 20, 10, 750, 500);
    m_paintBoxHaupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxHaupt->describe(tr("Spannungs-Zeit-Diagramm"),
                              tr("Spannung über der Zeit für die eingegebene Spannungsamplitude und Mittelspannung"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_editAmpli = new tk::Edit(client(), QStringLiteral("EditAmpli"), 350, 13, 50, 20, QStringLiteral("0"));
    m_editMitte = new tk::Edit(client(), QStringLiteral("EditMitte"), 550, 13, 50, 20, QStringLiteral("0"));
    // Named as the header band labels them in the drawing.
    m_editAmpli->setAccessibleName(QCoreApplication::translate("fatigue::LoadRangeScene", "Spannungsamplitude"));
    m_editMitte->setAccessibleName(QCoreApplication::translate("fatigue::LoadRangeScene", "Mittelspannung"));
    m_buttonStart = tk::makeButton(client(), QStringLiteral("ButtonStart"), 610, 15, 150, 22,
                                   //: Button that starts the loading: 150 pixels, about 22 characters in bold
                                   tr("Start der Beanspruchung"), [this] { ButtonStartClick(); });
    m_buttonStart->setFont(tk::qtFont(tk::Font::character(QStringLiteral("MS Sans Serif"), 11, true)));
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timerSchwing = addTimer(QStringLiteral("TimerSchwing"), 50, [this] { TimerSchwingTimer(); });
    bindTimer(m_timerSchwing, [this] { return m_scene.running(); });
    // The range is named while its curve grows: a Start during a run with
    // another load changes it, and says so.
    bindAnnouncement(m_paintBoxHaupt, [this] {
        if (m_scene.running() && m_scene.shownRange())
            //: Announced to screen readers; %1 names the load range
            return tr("Spannungsverlauf wird gezeichnet: %1")
                .arg(fatigue::loadRangeText(*m_scene.shownRange()).trimmed());
        //: Announced to screen readers when the stress curve is complete
        return m_scene.curveComplete() ? tr("Spannungsverlauf gezeichnet") : QString();
    });
}

void TFormDauer1::formCreate()
{
    FormDauer1->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    const fatigue::ScaleFactors& s = FormDauer1->m_scene.scale();
    FormDauer1->m_paintBoxHaupt->setBounds(s.x(20), s.y(10), s.x(750), s.y(500));
    FormDauer1->m_editAmpli->setGeometry(s.x(350), s.y(13), s.x(50), s.y(20));
    FormDauer1->m_editMitte->setGeometry(s.x(550), s.y(13), s.x(50), s.y(20));
    FormDauer1->m_buttonStart->setGeometry(s.x(610), s.y(15), s.x(150), s.y(22));
}

void TFormDauer1::PaintBoxHauptPaint() { m_scene.paint(m_paintBoxHaupt->canvas(), m_paintBoxHaupt->size()); }

void TFormDauer1::ButtonStartClick()
{
    // A text that is no whole number ends the handler here with the
    // toolkit's message, and a load beyond the diagram is ignored; either way
    // the stored load, and a curve still being drawn with it, stay as they are.
    const int amplitude = tk::strToInt(m_editAmpli->text());
    const int mean = tk::strToInt(m_editMitte->text());
    if (!m_scene.setLoad(amplitude, mean))
        return;
    // A finished curve makes room for the new one on an empty diagram.
    if (m_scene.curveComplete())
        m_paintBoxHaupt->repaintNow();
    else
        m_paintBoxHaupt->ensurePainted();
    m_scene.start(m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->showDrawn();
}

void TFormDauer1::TimerSchwingTimer()
{
    m_paintBoxHaupt->ensurePainted();
    m_scene.tick(m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->showDrawn();
}

void TFormDauer1::NeuZeichnen1Click()
{
    repaintAll();
    reset();
}

void TFormDauer1::Ende1Click() { close(); }

void TFormDauer1::ESC1Click() { close(); }

void TFormDauer1::formClose() { reset(); }

void TFormDauer1::reset()
{
    m_scene.reset();
    m_editAmpli->setText(QStringLiteral("0"));
    m_editMitte->setText(QStringLiteral("0"));
}
