#include "standard_specimen_form.h"

#include "toolkit/colours.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>

using tensile::StandardSpecimenScene;

TFormZugAnniHoch* FormZugAnniHoch = nullptr;

TFormZugAnniHoch::TFormZugAnniHoch()
    : tk::Form(QStringLiteral("TFormZugAnniHoch"),
               //: Window title
               tr("Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve mit Standardprobe"))
{
    setTakesChosenColour(true);
    setColor(tk::colours::specimenWindowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende"), [this] { EndeClick(); });
    addEscapeItem(QStringLiteral("ESC"), [this] { ESCClick(); });
    //: Menu item that starts the tensile test; access key after &
    m_startZug = addMenuItem(tr("&Start Zugversuch"), QStringLiteral("StartZug"), [this] { StartZugClick(); });

    m_haupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 225, 5, 570, 500);
    m_haupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_haupt->describe(tr("Spannungs-Dehnungs-Diagramm"),
                      tr("Kurve mit oberer und unterer Streckgrenze"));
    m_haupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_ani = new tk::PaintBox(client(), QStringLiteral("PaintBoxAni"), 5, 5, 220, 500);
    m_ani->describe(tr("Normprobe (Zugstab)"), tr("Zugstab zwischen den Zugkräften"));
    m_ani->setOnPaint([this] { PaintBoxAniPaint(); });

    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timerKurve =
        addTimer(QStringLiteral("TimerKurve"), StandardSpecimenScene::curveInterval, [this] { TimerKurveTimer(); });
    m_timerAni =
        addTimer(QStringLiteral("TimerAni"), StandardSpecimenScene::layoutSpecimenInterval, [this] { TimerAniTimer(); });

    // The two timers run side by side; the specimen sets its own pace.
    bindInput([this] { return m_scene.inputEnabled(); });
    bindEnabled(m_startZug, [this] { return m_scene.startEnabled(); });
    bindTimer(m_timerKurve, [this] { return m_scene.curveRunning(); });
    bindTimer(m_timerAni, [this] { return m_scene.specimenRunning(); }, [this] { return m_scene.specimenInterval(); });
    bindAnnouncement(m_haupt, [this] {
        switch (m_scene.stage()) {
        case StandardSpecimenScene::Stage::NotStarted: break;
        case StandardSpecimenScene::Stage::Elastic: return tr("Hookesche Gerade: die Probe dehnt sich elastisch");
        case StandardSpecimenScene::Stage::Yielding:
            return tr("Streckgrenze erreicht: die Probe fließt, die Spannung fällt von ReH auf ReL");
        case StandardSpecimenScene::Stage::Hardening:
            return tr("Verfestigung bis zur Zugfestigkeit Rm: die Probe wird gleichmäßig länger und dünner");
        case StandardSpecimenScene::Stage::Necking:
            return tr("Zugfestigkeit Rm überschritten: die Probe schnürt sich ein");
        case StandardSpecimenScene::Stage::Broken:
            return tr("Kurve bis zum Bruch gezeichnet, Probe eingeschnürt und gebrochen");
        }
        return QString();
    });
}

void TFormZugAnniHoch::formCreate()
{
    FormZugAnniHoch->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    FormZugAnniHoch->m_haupt->setBounds(225, 5, 570, 500);
    FormZugAnniHoch->m_ani->setBounds(5, 5, 220, 500);
}

void TFormZugAnniHoch::PaintBoxHauptPaint() { m_scene.paintDiagram(m_haupt->canvas(), formWidth()); }

void TFormZugAnniHoch::PaintBoxAniPaint() { m_scene.paintSpecimen(m_ani->canvas()); }

void TFormZugAnniHoch::StartZugClick()
{
    // Both start from the pictures as painted, never from stale surfaces.
    m_haupt->ensurePainted();
    m_ani->ensurePainted();
    m_scene.start(m_haupt->canvas());
}

void TFormZugAnniHoch::TimerKurveTimer()
{
    m_haupt->ensurePainted();
    m_scene.curveTick(m_haupt->canvas());
    m_haupt->showDrawn();
}

void TFormZugAnniHoch::TimerAniTimer()
{
    m_ani->ensurePainted();
    m_scene.specimenTick(m_ani->canvas());
    m_ani->showDrawn();
}

void TFormZugAnniHoch::EndeClick() { close(); }

void TFormZugAnniHoch::ESCClick() { close(); }

void TFormZugAnniHoch::formClose() { m_scene.close(m_haupt->canvas()); }
