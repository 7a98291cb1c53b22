#include "pendulum_form.h"

#include "impact/energy_temperature_form.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>

using impact::PendulumScene;

TFormKerbHa* FormKerbHa = nullptr;

namespace {

// The window the link panel opens: the impact energy-temperature curve.
tk::Form* energyTemperatureCurve() { return FormAvT; }

//: Explanation memo of the pendulum impact tester: 230 pixels wide, about 32
//: characters a line, 19 lines; break the lines by hand with \n. The text
//: leads on to the curve named in the link below the memo.
const char* const explanation = QT_TRANSLATE_NOOP("TFormKerbHa",
    " Der Kerbschlagbiegeversuch ist ein \n"
    " Prüfverfahren zur qualitativen Ermitt-\n"
    " lung des Zähigkeitsverhaltens eines\n"
    " Werkstückes.\n"
    " \n"
    " Der Pendelhammer des Schlag-\n"
    " werks fällt auf die in einem \n"
    " Widerlager ruhende gekerbte \n"
    " Probe. \n"
    " Die Hammerfinne durchschlägt die \n"
    " Probe. \n"
    " In diesem Versuch wird die Verform-\n"
    " ungsarbeit bis zum Bruch gemessen, \n"
    " wobei der Probenquerschnitt (Ao) \n"
    " einem dreiachsigen Spannungs-\n"
    " zustand ausgesetzt wird.\n"
    " \n"
    " Wird eine Versuchsreihe mit Proben\n"
    " des gleichen Werkstoffes bei ver-\n"
    " schiedenen Temperaturen durchge-\n"
    " führt, so erhält man eine \n"
    " \n"
    "");

}

TFormKerbHa::TFormKerbHa()
    : tk::Form(QStringLiteral("TFormKerbHa"),
               //: Window title
               tr("Kerbschlagbiegeversuch (DIN 50115, DIN EN 10045-1): Pendelschlagwerk (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item that releases the pendulum hammer; access key after &
    m_start = addMenuItem(tr("&Start"), QStringLiteral("Start"), [this] { StartClick(); });
    //: Menu item that clears the picture and raises the hammer again; access key after &
    m_neu = addMenuItem(tr("&Löschen/neu"), QStringLiteral("Neu"), [this] { NeuClick(); });

    // Created in painting order: the later boxes lie over the lower edge of
    // the machine scene.
    m_haupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 260, 5, 520, 450);
    m_haupt->describe(tr("Pendelschlagwerk (schematisch)"),
                      tr("Pendelhammer in Ausgangsstellung über der Probe im Widerlager"));
    m_haupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_probe = new tk::PaintBox(client(), QStringLiteral("PaintBoxProbe"), 420, 430, 360, 80);
    m_probe->describe(tr("Formel der Kerbschlagzähigkeit"),
                      tr("Kerbschlagzähigkeit gleich Kerbschlagarbeit durch Restquerschnitt"));
    m_probe->setOnPaint([this] { PaintBoxProbePaint(); });
    m_3achsig = new tk::PaintBox(client(), QStringLiteral("PaintBox3achsig"), 8, 390, 400, 120);
    m_3achsig->describe(tr("Gekerbte Probe"),
                        tr("Probe mit Kerb unter der Hammerfinne, dreiachsiger Spannungszustand"));
    m_3achsig->setOnPaint([this] { PaintBox3achsigPaint(); });
    m_avt = new tk::PaintBox(client(), QStringLiteral("PaintBoxAvT"), 8, 348, 230, 25);
    //: Accessible name of the link that opens the impact energy-temperature curve
    m_avt->describe(tr("Kerbschlagarbeit-Temperatur-Kurve öffnen"), QString());
    m_avt->setOnPaint([this] { PaintBoxAvTPaint(); });
    m_avt->setOnClick([this] { PaintBoxAvTClick(); });
    m_avt->setCursor(Qt::PointingHandCursor);

    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 8, 3, 230, 345, tk::colours::lightYellow);
    m_memo->setFixedLines(tr(explanation).split(u'\n'), tk::Font::cell(windowFont().name, 18));

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timer = addTimer(QStringLiteral("TimerHammer1"), PendulumScene::tickInterval, [this] { TimerHammer1Timer(); });

    bindEnabled(m_start, [this] { return m_scene.startEnabled(); });
    bindEnabled(m_neu, [this] { return m_scene.newEnabled(); });
    bind([this] { m_avt->setEnabled(m_scene.linkEnabled() && energyTemperatureCurve()); });
    bindTimer(m_timer, [this] { return m_scene.running(); });
    bindAnnouncement(m_haupt, [this] {
        if (m_scene.running())
            return m_scene.angle() <= PendulumScene::breakAngle
                       ? tr("Pendelhammer fällt aus der Fallhöhe H auf die Probe")
                       : tr("Probe durchschlagen: der Pendelhammer steigt auf die Steighöhe h");
        //: Announced to screen readers when the swing has ended
        return m_scene.newEnabled() ? tr("Probe durchschlagen, Pendel ausgeschwungen") : QString();
    });
}

void TFormKerbHa::formCreate()
{
    FormKerbHa->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    FormKerbHa->m_scene = PendulumScene(FormKerbHa->formWidth());
    const QRect scene(260, 5, 520, 450);
    FormKerbHa->m_haupt->setBounds(scene.left(), scene.top(), scene.width(), scene.height());
    FormKerbHa->m_probe->setBounds(420, scene.height() - 20, 360, 80);
    FormKerbHa->m_3achsig->setBounds(scene.left() - 252, 390, 400, 120);
    const int memoHeight = scene.height() - 105;
    FormKerbHa->m_memo->setGeometry(8, scene.top() - 2, 230, memoHeight);
    FormKerbHa->m_avt->setBounds(8, memoHeight + scene.top() - 2, 230, 25);
}

void TFormKerbHa::PaintBoxHauptPaint() { m_scene.paintMachine(m_haupt->canvas()); }

void TFormKerbHa::PaintBoxProbePaint() { PendulumScene::paintFormula(m_probe->canvas()); }

void TFormKerbHa::PaintBox3achsigPaint() { PendulumScene::paintSpecimen(m_3achsig->canvas()); }

void TFormKerbHa::PaintBoxAvTPaint() { PendulumScene::paintLink(m_avt->canvas()); }

void TFormKerbHa::PaintBoxAvTClick()
{
    if (tk::Form* avt = energyTemperatureCurve())
        avt->showModal();
}

void TFormKerbHa::StartClick() { m_scene.start(); }

void TFormKerbHa::TimerHammer1Timer()
{
    // A repaint that is due (a new background colour, a first showing) comes
    // before the tick, so the hammer is erased on the picture it was drawn on.
    m_haupt->ensurePainted();
    m_scene.tick(m_haupt->canvas());
    m_haupt->showDrawn();
}

void TFormKerbHa::NeuClick() { resetScene(); }

void TFormKerbHa::EndeClick() { close(); }

void TFormKerbHa::ESCClick() { close(); }

void TFormKerbHa::formClose()
{
    // Also makes the link usable again when the window is closed during a
    // swing, so the next opening starts fully in the ready state.
    resetScene();
}

void TFormKerbHa::readyForNextSwing()
{
    runHandler([this] { resetScene(); });
}

void TFormKerbHa::resetScene()
{
    m_haupt->repaintNow();
    m_probe->repaintNow();
    m_scene.reset();
}
