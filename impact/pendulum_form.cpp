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

const QStringList explanation = {
    QStringLiteral(" Der Kerbschlagbiegeversuch ist ein "),
    QStringLiteral(" Prüfverfahren zur qualitativen Ermitt-"),
    QStringLiteral(" lung des Zähigkeitsverhaltens eines"),
    QStringLiteral(" Werkstückes."),
    QStringLiteral(" "),
    QStringLiteral(" Der Pendelhammer des Schlag-"),
    QStringLiteral(" werks fällt auf die in einem "),
    QStringLiteral(" Widerlager ruhende gekerbte "),
    QStringLiteral(" Probe. "),
    QStringLiteral(" Die Hammerfinne durchschlägt die "),
    QStringLiteral(" Probe. "),
    QStringLiteral(" In diesem Versuch wird die Verform-"),
    QStringLiteral(" ungsarbeit bis zum Bruch gemessen, "),
    QStringLiteral(" wobei der Probenquerschnitt (Ao) "),
    QStringLiteral(" einem dreiachsigen Spannungs-"),
    QStringLiteral(" zustand ausgesetzt wird."),
    QStringLiteral(" "),
    QStringLiteral(" Wird eine Versuchsreihe mit Proben"),
    QStringLiteral(" des gleichen Werkstoffes bei ver-"),
    QStringLiteral(" schiedenen Temperaturen durchge-"),
    QStringLiteral(" führt, so erhält man eine "),
    QStringLiteral(" "),
    QString(),
};

}

TFormKerbHa::TFormKerbHa()
    : tk::Form(QStringLiteral("TFormKerbHa"),
               QStringLiteral("Kerbschlagbiegeversuch (DIN 50115, DIN EN 10045-1): Pendelschlagwerk (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    m_start = addMenuItem(QStringLiteral("&Start"), QStringLiteral("Start"), [this] { StartClick(); });
    m_neu = addMenuItem(QStringLiteral("&Löschen/neu"), QStringLiteral("Neu"), [this] { NeuClick(); });

    // Created in painting order: the later boxes lie over the lower edge of
    // the machine scene.
    m_haupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 260, 5, 520, 450);
    m_haupt->describe(QStringLiteral("Pendelschlagwerk (schematisch)"),
                      QStringLiteral("Pendelhammer in Ausgangsstellung über der Probe im Widerlager"));
    m_haupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_probe = new tk::PaintBox(client(), QStringLiteral("PaintBoxProbe"), 420, 430, 360, 80);
    m_probe->describe(QStringLiteral("Formel der Kerbschlagzähigkeit"),
                      QStringLiteral("Kerbschlagzähigkeit gleich Kerbschlagarbeit durch Restquerschnitt"));
    m_probe->setOnPaint([this] { PaintBoxProbePaint(); });
    m_3achsig = new tk::PaintBox(client(), QStringLiteral("PaintBox3achsig"), 8, 390, 400, 120);
    m_3achsig->describe(QStringLiteral("Gekerbte Probe"),
                        QStringLiteral("Probe mit Kerb unter der Hammerfinne, dreiachsiger Spannungszustand"));
    m_3achsig->setOnPaint([this] { PaintBox3achsigPaint(); });
    m_avt = new tk::PaintBox(client(), QStringLiteral("PaintBoxAvT"), 8, 348, 230, 25);
    m_avt->describe(QStringLiteral("Kerbschlagarbeit-Temperatur-Kurve öffnen"), QString());
    m_avt->setOnPaint([this] { PaintBoxAvTPaint(); });
    m_avt->setOnClick([this] { PaintBoxAvTClick(); });
    m_avt->setCursor(Qt::PointingHandCursor);

    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 8, 3, 230, 345, tk::colours::lightYellow);
    m_memo->setFixedLines(explanation, tk::Font::cell(windowFont().name, 18));

    setStatusText(QStringLiteral("ESC = Abbruch"));

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
        return m_scene.newEnabled() ? QStringLiteral("Probe durchschlagen, Pendel ausgeschwungen") : QString();
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
