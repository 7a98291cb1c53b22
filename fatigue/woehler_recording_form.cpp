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
               QStringLiteral("Aufnahme einer Wöhlerlinie einer weichgeglühten und kugelgestrahlten "
                              "Aluminiumlegierung AlMg4,5Mn"))
{
    setBorder(Border::SizeableToolWindow);
    setTakesChosenColour(true);
    setColor(tk::colours::windowGreen);
    setWindowFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), 10));

    addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { Ende1Click(); });
    addEscapeItem(QStringLiteral("ESC1"), [this] { ESC1Click(); });
    m_softMenu = addMenu(QStringLiteral("&Weichgeglüht"), QStringLiteral("SpannampWeich"));
    m_shotMenu = addMenu(QStringLiteral("&Kugelgestrahlt"), QStringLiteral("SpannampKugel"));
    for (std::size_t i = 0; i < fatigue::loadSeries().size(); ++i) {
        const LoadSeries& series = fatigue::loadSeries()[i];
        m_seriesItems[i] = addMenuItem(QStringLiteral("Spannungsamplitude %1 N/qmm").arg(series.stressAmplitude),
                                       QString::fromLatin1(series.item), [this, i] { SeriesItemClick(int(i)); },
                                       series.treatment == Treatment::SoftAnnealed ? m_softMenu : m_shotMenu);
    }
    m_fullScreenItem = addMenuItem(QStringLiteral("&Vollbild"), QStringLiteral("Vollbild"), [this] { VollbildClick(); });
    m_probabilityMenu = addMenu(QStringLiteral("&Bruchwahrscheinlichkeit"), QStringLiteral("Wahrscheinlichkeiten"));
    // The menu pairs the states per probability; the lines are numbered in
    // their drawing order, all soft-annealed lines first.
    for (int line : {0, 3, 1, 4, 2, 5}) {
        const ProbabilityLine& l = fatigue::probabilityLines()[line];
        const QString state = l.treatment == Treatment::SoftAnnealed ? QStringLiteral("Weichgeglüht")
                                                                      : QStringLiteral("Kugelgestrahlt");
        m_probabilityItems[line] = addMenuItem(QStringLiteral("%1 %2%").arg(state).arg(l.percent),
                                               QString::fromLatin1(l.item), [this, line] { ProbabilityItemClick(line); },
                                               m_probabilityMenu);
    }
    addMenuItem(QStringLiteral("&Neu Zeichnen"), QStringLiteral("NeuZeichnen1"), [this] { NeuZeichnen1Click(); });

    m_paintBoxHaupt = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 2, 10, 788, 510);
    m_paintBoxHaupt->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxHaupt->describe(QStringLiteral("Spannungs-Zeit-Verlauf der Laststufe"), QString());
    m_paintBoxHaupt->setOnPaint([this] { PaintBoxHauptPaint(); });
    m_paintBoxWoehler = new tk::PaintBox(client(), QStringLiteral("PaintBoxWoehler"), 250, 50, 530, 440);
    m_paintBoxWoehler->setKeepsVectors(true); // a diagram: saved and printed as vectors
    m_paintBoxWoehler->describe(QStringLiteral("Wöhlerdiagramm"),
                                QStringLiteral("Bruchpunkte der Laststufen, Spannungsamplitude über der Bruchzyklenzahl"));
    m_paintBoxWoehler->setOnPaint([this] { PaintBoxWoehlerPaint(); });
    setStatusText(QStringLiteral("ESC = Abbruch"));

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
            return tr("Laststufe %1 N/mm², %2: die Proben schwingen bis zum Bruch")
                .arg(series.stressAmplitude)
                .arg(series.treatment == Treatment::SoftAnnealed ? tr("weichgeglüht") : tr("kugelgestrahlt"));
        }
        if (m_scene.allSeriesDone())
            return QStringLiteral("Bruchpunkte aller zehn Laststufen eingetragen");
        if (last >= 0 && m_scene.seriesDone(last))
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
