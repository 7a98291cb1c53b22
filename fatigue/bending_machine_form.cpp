#include "bending_machine_form.h"

#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QLabel>

TFormDauerWBM* FormDauerWBM = nullptr;

TFormDauerWBM::TFormDauerWBM()
    : tk::Form(QStringLiteral("TFormDauerWBM"),
               //: Window title
               tr("Wechselbiegemaschine (schematisch)"))
{
    setBorder(Border::SizeableToolWindow);
    setColor(Qt::white);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    //: Menu item; access key after &
    addMenuItem(tr("Start"), QStringLiteral("Start1"), [this] { Start1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    //: Menu item; access key after &
    addMenuItem(tr("Stopp"), QStringLiteral("Stopp1"), [this] { Stopp1Click(); });
    //: Menu item; access key after &
    addMenuItem(tr("&Neu Starten"), QStringLiteral("NeuStarten1"), [this] { NeuStarten1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 0, 0, 1, 1);
    m_paintBoxHaupt->describe(tr("Wechselbiegemaschine (schematisch)"),
                              tr("Exzenter, Pleuel und eingespannte Probe mit den Formeln der Biegespannung"));
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timerRot = addTimer(QStringLiteral("TimerRot"), fatigue::BendingMachineScene::tickInterval,
                          [this] { TimerRotTimer(); });
    bindTimer(m_timerRot, [this] { return m_scene.running(); });
}

void TFormDauerWBM::formCreate()
{
    FormDauerWBM->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    FormDauerWBM->clientResized();
}

void TFormDauerWBM::clientResized()
{
    // The machine fills the client area above the status bar, also when the
    // user changes the size of the window.
    m_paintBoxHaupt->setBounds(0, 0, clientWidth(), clientHeight() - statusBar()->height());
}

void TFormDauerWBM::PaintBoxHauptPaint() { m_scene.paint(m_paintBoxHaupt->canvas(), m_paintBoxHaupt->size()); }

void TFormDauerWBM::Start1Click() { m_scene.start(); }

void TFormDauerWBM::Stopp1Click() { m_scene.stop(); }

void TFormDauerWBM::NeuStarten1Click()
{
    m_scene.stop();
    repaintAll();
    m_scene.rest();
}

void TFormDauerWBM::TimerRotTimer()
{
    // A repaint that is due comes first, so the tick erases the parts where
    // the picture shows them.
    m_paintBoxHaupt->ensurePainted();
    m_scene.tick(m_paintBoxHaupt->canvas());
    m_paintBoxHaupt->showDrawn();
}

void TFormDauerWBM::Ende1Click() { close(); }

void TFormDauerWBM::ESC1Click() { close(); }

void TFormDauerWBM::formClose()
{
    m_scene.stop();
    m_scene.rest();
}
