#include "woehler_recording_form.h"

#include "toolkit/colours.h"
#include "toolkit/errors.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QMenu>

using fatigue::LoadSeries;
using fatigue::ProbabilityLine;
using fatigue::Treatment;

TFormDauerWoehler* FormDauerWoehler = nullptr;

TFormDauerWoehler::TFormDauerWoehler()
    : tk::Form(QStringLiteral("TFormDauerWoehler"),
               //: Window title
               tr("Aufnahme einer Wöhlerlinie einer weichgeglühten und kugelgestrahlten "
                  "Aluminiumlegierung AlMg4,5Mn"))
{
    setBorder(Border::SizeableToolWindow);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    //: Menu item that closes the window; access key after &
    addMenuItem(tr("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    //: Menu of the load series of the soft-annealed specimens; access key after &
    m_softMenu = addMenu(tr("&Weichgeglüht"), QStringLiteral("SpannampWeich"));
    //: Menu of the load series of the shot-peened specimens; access key after &
    m_shotMenu = addMenu(tr("&Kugelgestrahlt"), QStringLiteral("SpannampKugel"));
    for (std::size_t i = 0; i < fatigue::loadSeries().size(); ++i) {
        const LoadSeries& series = fatigue::loadSeries()[i];
        //: Menu item that runs a load series; %1 is the stress amplitude in N/mm²
        m_seriesItems[i] = addMenuItem(tr("Spannungsamplitude %1 N/qmm").arg(series.stressAmplitude),
                                       QString::fromLatin1(series.item), [this, i] { SeriesItemClick(int(i)); },
                                       series.treatment == Treatment::SoftAnnealed ? m_softMenu : m_shotMenu);
    }
    //: Menu item that enlarges the Wöhler diagram to the whole window; access key after &
    m_fullScreenItem = addMenuItem(tr("&Vollbild"), QStringLiteral("Vollbild"), [this] { VollbildClick(); });
    //: Menu of the lines of equal probability of fracture; access key after &
    m_probabilityMenu = addMenu(tr("&Bruchwahrscheinlichkeit"), QStringLiteral("Wahrscheinlichkeiten"));
    // The menu pairs the states per probability; the lines are numbered in
    // their drawing order, all soft-annealed lines first.
    for (int line : {0, 3, 1, 4, 2, 5}) {
        const ProbabilityLine& l = fatigue::probabilityLines()[line];
        //: State of the specimens in the menu of fracture probabilities: soft-annealed
        const QString state = l.treatment == Treatment::SoftAnnealed ? tr("Weichgeglüht")
                                                                      //: State of the specimens: shot-peened
                                                                      : tr("Kugelgestrahlt");
        //: Menu item of a line of equal fracture probability: %1 is the state, %2 the probability in per cent
        m_probabilityItems[line] = addMenuItem(tr("%1 %2%").arg(state).arg(l.percent),
                                               QString::fromLatin1(l.item), [this, line] { ProbabilityItemClick(line); },
                                               m_probabilityMenu);
    }
    //: Menu item that clears the diagrams; access key after &
    addMenuItem(tr("&Neu Zeichnen"), QStringLiteral("NeuZeichnen1"), [this] { NeuZeichnen1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 2, 10, 788, 510);
    m_paintBoxHaupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxHaupt->describe(tr("Spannungs-Zeit-Verlauf der Laststufe"), QString());
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxWoehler = new tk::PaintBox(client(), QStringLiteral("PaintBoxWoehler"), 250, 50, 530, 440);
    m_paintBoxWoehler->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxWoehler->describe(tr("Wöhlerdiagramm"),
                                tr("Bruchpunkte der Laststufen, Spannungsamplitude über der Bruchzyklenzahl"));
    m_paintBoxWoehler->setOnPaint([this] { PaintBoxWoehlerPaint(); });
    //: Status bar: Escape closes the window
    setStatusText(tr("ESC = Abbruch"));

    m_timerSchwing = addTimer(QStringLiteral("TimerSchwing"), 50, [this] { TimerSchwingTimer(); });

    bindEnabled(m_softMenu->menuAction(), [this] { return m_scene.seriesMenusEnabled(); });
    bindEnabled(m_shotMenu->menuAction(), [this] { return m_scene.seriesMenusEnabled(); });
    for (std::size_t i = 0; i < m_seriesItems.size(); ++i)
        bindEnabled(m_seriesItems[i], [this, i] { return m_scene.seriesItemEnabled(int(i)); });
    bindEnabled(m_fullScreenItem, [this] { return m_scene.fullScreenItemEnabled(); });
    bindEnabled(m_probabilityMenu->menuAction(), [this] { return m_scene.probabilityMenuEnabled(); });
    for (std::size_t i = 0; i < m_probabilityItems.size(); ++i)
        bindEnabled(m_probabilityItems[i], [this, i] { return m_scene.probabilityItemEnabled(int(i)); });
    // The full-screen view enlarges the diagram over the oscillation panel.
    bind([this] {
        const fatigue::ScaleFactors& base = m_scene.baseFactors();
        if (m_scene.fullScreen())
            m_paintBoxWoehler->setBounds(base.x(2), base.y(10), base.x(788), base.y(510));
        else
            m_paintBoxWoehler->setBounds(base.x(250), base.y(50), base.x(530), base.y(440));
    });
    bindVisible(m_paintBoxHaupt, [this] { return !m_scene.fullScreen(); });
    bindTimer(m_timerSchwing, [this] { return m_scene.running(); });
    bindAnnouncement(m_paintBoxWoehler, [this] {
        // The fracture points appear in the last few ticks of a series: they
        // are told with its end rather than a moment before it.
        const int last = m_scene.lastSeries();
        if (m_scene.running()) {
            const LoadSeries& series = fatigue::loadSeries()[last];
            //: Announced to screen readers: %1 is the stress amplitude, %2 the state (soft-annealed or shot-peened)
            return tr("Laststufe %1 N/mm², %2: die Proben schwingen bis zum Bruch")
                .arg(series.stressAmplitude)
                .arg(series.treatment == Treatment::SoftAnnealed ? tr("weichgeglüht") : tr("kugelgestrahlt"));
        }
        if (m_scene.allSeriesDone())
            //: Announced to screen readers when all ten load series have run
            return tr("Bruchpunkte aller zehn Laststufen eingetragen");
        if (last >= 0 && m_scene.seriesDone(last))
            //: Announced to screen readers: %1 is the number of load series done
            return tr("Proben gebrochen, ihre Bruchpunkte eingetragen: %1 von 10 Laststufen")
                .arg(m_scene.seriesDoneCount());
        return QString();
    });
}

void TFormDauerWoehler::formCreate()
{
    FormDauerWoehler->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    const fatigue::ScaleFactors& base = m_scene.baseFactors();
    FormDauerWoehler->m_paintBoxHaupt->setBounds(base.x(2), base.y(10), base.x(788), base.y(510));
}

void TFormDauerWoehler::Ende1Click() { close(); }

void TFormDauerWoehler::ESC1Click() { close(); }

void TFormDauerWoehler::formClose() { reset(); }

void TFormDauerWoehler::SeriesItemClick(int series)
{
    // Only one series runs at a time, and each runs once until the reset.
    if (m_scene.running() || !m_scene.seriesItemEnabled(series))
        return;
    repaintAll();
    m_scene.startSeries(series);
}

void TFormDauerWoehler::VollbildClick()
{
    repaintAll();
    m_scene.enterFullScreen();
    refreshBindings();
    // The enlarged box draws the diagram at full size.
    m_paintBoxWoehler->repaintNow();
}

void TFormDauerWoehler::ProbabilityItemClick(int line)
{
    m_scene.showProbabilityLine(line);
    repaintAll();
}

void TFormDauerWoehler::NeuZeichnen1Click() { reset(); }

void TFormDauerWoehler::TimerSchwingTimer()
{
    m_scene.tick(m_paintBoxHaupt->canvas(), m_paintBoxWoehler->canvas());
    m_paintBoxHaupt->showDrawn();
    m_paintBoxWoehler->showDrawn();
}

void TFormDauerWoehler::FormPaint() { m_scene.updateDiagramFactors(); }

void TFormDauerWoehler::PaintBoxHauptPaint()
{
    FormPaint();
    m_scene.paintPanel(m_paintBoxHaupt->canvas(), m_paintBoxHaupt->size());
}

void TFormDauerWoehler::PaintBoxWoehlerPaint()
{
    FormPaint();
    m_scene.paintDiagram(m_paintBoxWoehler->canvas(), m_paintBoxHaupt->size());
}

void TFormDauerWoehler::reset()
{
    m_scene.reset();
    refreshBindings();
    repaintAll();
}
