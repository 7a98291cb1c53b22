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

// The explanation beside the machine, broken by hand into the memo's lines.
//: Explanation memo of the tensile machine window: 280 pixels wide, about 36
//: characters a line, 25 lines; break the lines by hand with \n.
const char* const machineExplanation = QT_TRANSLATE_NOOP("TFormZugma",
    " Der Zugversuch nach DIN EN 10002 \n"
    " (früher DIN 50145) ist ein Prüfverfahren \n"
    " zur Ermittlung der Festigkeit eines \n"
    " Werkstoffes unter Zugbeanspruchung.\n"
    "\n"
    " Hierbei kann das Verhalten eines Werk-\n"
    " stoffs bei stetig zunehmender einachs-\n"
    " iger Zugbeanspruchung, die gleichmäßig \n"
    " über den gesamten Probenquerschnitt \n"
    " verteilt ist beobachtet werden.\n"
    " \n"
    " Eine genormte Zugprobe wird während\n"
    " der Versuchsdurchführung in einer\n"
    " Prüfmaschine bis zum Bruch gedehnt,\n"
    " wobei dabei die Kraft und Zunahme\n"
    " der Messlänge (Weg) aufgezeichnet\n"
    " werden.\n"
    " \n"
    " Die Kraft bezogen auf den Ausgangs-\n"
    " querschnitt ergibt die Zugspannung\n"
    " und die prozentuale Zunahne der \n"
    " Messlänge die Dehnung.\n"
    " \n"
    "\n");

}

TFormZugma::TFormZugma()
    : tk::Form(QStringLiteral("TFormZugma"),
               //: Window title
               tr("Zugversuch nach DIN EN 10002: Zugprüfmaschine (schematisch)"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item: the moving crosshead starts to pull the specimen; access key after &
    m_start = addMenuItem(tr("&Start bewegliches Querhaupt"), QStringLiteral("Start"),
                          [this] { StartClick(); });
    //: Menu item: puts a new specimen into the machine; access key after &
    m_neu = addMenuItem(tr("&Neu"), QStringLiteral("Neu"), [this] { NeuClick(); });

    // The moving parts are drawn on a box lying over the static machine.
    m_haupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 285, 5, 510, 500);
    //: Accessible name of the machine drawing
    m_haupt->describe(tr("Zugprüfmaschine (schematisch)"),
                      //: Accessible description of the machine drawing
                      tr("Maschinenrahmen, Gewindestangen, bewegliches Querhaupt und Probe in den Spannbacken"));
    m_haupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_bew = new tk::PaintBox(client(), QStringLiteral("PaintBoxBew"), m_haupt);
    m_bew->describe(tr("Zugprüfmaschine (schematisch)"), QString());

    m_memo = new tk::Memo(client(), QStringLiteral("MemoErlaeuterung"), 5, 5, 280, 502, tk::colours::lightYellow);
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setFixedLines(tr(machineExplanation).split(u'\n'), tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));
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
        //: Announced to screen readers when the specimen has broken
        return m_scene.newEnabled() ? tr("Probe gerissen") : QString();
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
