#include "tensile_machine_form.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>

using tensile::TensileMachineScene;

TFormZugma* FormZugma = nullptr;

namespace {

const QStringList machineExplanation = {
    QStringLiteral(" Der Zugversuch nach DIN EN 10002 "),
    QStringLiteral(" (früher DIN 50145) ist ein Prüfverfahren "),
    QStringLiteral(" zur Ermittlung der Festigkeit eines "),
    QStringLiteral(" Werkstoffes unter Zugbeanspruchung."),
    QString(),
    QStringLiteral(" Hierbei kann das Verhalten eines Werk-"),
    QStringLiteral(" stoffs bei stetig zunehmender einachs-"),
    QStringLiteral(" iger Zugbeanspruchung, die gleichmäßig "),
    QStringLiteral(" über den gesamten Probenquerschnitt "),
    QStringLiteral(" verteilt ist beobachtet werden."),
    QStringLiteral(" "),
    QStringLiteral(" Eine genormte Zugprobe wird während"),
    QStringLiteral(" der Versuchsdurchführung in einer"),
    QStringLiteral(" Prüfmaschine bis zum Bruch gedehnt,"),
    QStringLiteral(" wobei dabei die Kraft und Zunahme"),
    QStringLiteral(" der Messlänge (Weg) aufgezeichnet"),
    QStringLiteral(" werden."),
    QStringLiteral(" "),
    QStringLiteral(" Die Kraft bezogen auf den Ausgangs-"),
    QStringLiteral(" querschnitt ergibt die Zugspannung"),
    QStringLiteral(" und die prozentuale Zunahne der "),
    QStringLiteral(" Messlänge die Dehnung."),
    QStringLiteral(" "),
    QString(),
    QString(),
};

}

TFormZugma::TFormZugma()
    : tk::Form(QStringLiteral("TFormZugma"),
               QStringLiteral("Zugversuch nach DIN EN 10002: Zugprüfmaschine (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    m_start = addMenuItem(QStringLiteral("&Start bewegliches Querhaupt"), QStringLiteral("Start"),
                          [this] { StartClick(); });
    m_neu = addMenuItem(QStringLiteral("&Neu"), QStringLiteral("Neu"), [this] { NeuClick(); });

    // The moving parts are drawn on a box lying over the static machine.
    m_haupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 285, 5, 510, 500);
    m_haupt->describe(QStringLiteral("Zugprüfmaschine (schematisch)"),
                      QStringLiteral("Maschinenrahmen, Gewindestangen, bewegliches Querhaupt und Probe in den Spannbacken"));
    m_haupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_bew = new tk::PaintBox(client(), QStringLiteral("PaintBoxBew"), m_haupt);
    m_bew->describe(QStringLiteral("Zugprüfmaschine (schematisch)"), QString());

    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 5, 5, 280, 502, tk::colours::lightYellow);
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setFixedLines(machineExplanation, tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));

    setStatusText(QStringLiteral("ESC = Abbruch"));
    statusBar()->setFont(tk::qtFont(tk::Font::character(QStringLiteral("MS Sans Serif"), 15, true)));

    m_timer = addTimer(QStringLiteral("TimerBew"), TensileMachineScene::layoutInterval, [this] { TimerBewTimer(); });

    // Until the specimen has broken the window takes no input: neither the
    // menu nor Escape can interrupt the run.
    bindInput([this] { return !m_scene.running(); });
    bindEnabled(m_start, [this] { return m_scene.startEnabled(); });
    bindEnabled(m_neu, [this] { return m_scene.newEnabled(); });
    bindTimer(m_timer, [this] { return m_scene.running(); }, [this] { return m_scene.interval(); });
    bindAnnouncement(m_haupt, [this] {
        if (m_scene.running())
            return m_scene.phase() == TensileMachineScene::restPosition
                       ? tr("Querhaupt fährt hoch und führt die Probe in die obere Einspannung")
                       : tr("Probe eingespannt: das Querhaupt fährt abwärts und zieht die Probe in die Länge");
        return m_scene.newEnabled() ? QStringLiteral("Probe gerissen") : QString();
    });
}

void TFormZugma::formCreate()
{
    FormZugma->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    tk::PaintBox* haupt = FormZugma->m_haupt;
    haupt->setBounds(285, 5, 510, 500);
    FormZugma->m_memo->setGeometry(haupt->x() - 280, haupt->y(), 280, haupt->height() + 2);
}

void TFormZugma::PaintBoxHauptPaint() { m_scene.paintMachine(m_haupt->canvas(), formWidth()); }

void TFormZugma::StartClick()
{
    // The run starts from the machine as painted, never from a stale surface.
    m_haupt->ensurePainted();
    m_scene.start(m_bew->canvas());
}

void TFormZugma::TimerBewTimer()
{
    m_haupt->ensurePainted();
    m_scene.tick(m_bew->canvas());
    m_bew->showDrawn();
}

void TFormZugma::NeuClick()
{
    m_scene.renew();
    repaintAll();
}

void TFormZugma::EndeClick() { close(); }

void TFormZugma::ESCClick() { close(); }

void TFormZugma::formClose() { m_scene.close(); }
