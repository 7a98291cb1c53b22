#pragma once

#include "woehler_grid.h"
#include "woehler_series.h"

#include <QSize>
#include <array>

namespace tk {
class Canvas;
}

namespace fatigue {

// The recording of the Wöhler lines: the stress-time oscillation of the
// running load series on the panel, the fracture points of the finished
// series and the chosen lines of equal fracture probability in the Wöhler
// diagram, and which commands the window offers at each stage.
class WoehlerRecordingScene {
public:
    static constexpr int startCounter = 72;
    static constexpr int pointsCounter = 210; // the fracture points appear from here
    static constexpr int endCounter = 218;
    static constexpr int counterStep = 2;

    WoehlerRecordingScene();

    // The static oscillation panel; `size` is that of its paint box.
    void paintPanel(tk::Canvas& canvas, QSize size);
    // The Wöhler diagram with the finished series and the chosen lines; its
    // white ground is as large as the oscillation panel (`panelSize`).
    void paintDiagram(tk::Canvas& canvas, QSize panelSize);
    // The diagram is drawn at full size in the full-screen view, reduced to
    // 0.67 x 0.85 otherwise.
    void updateDiagramFactors();

    // Starts a load series; the caller repaints the window first.
    void startSeries(int series);
    // One step of the oscillation, and the fracture points of the running
    // series shortly before its end.
    void tick(tk::Canvas& panel, tk::Canvas& diagram);
    void enterFullScreen();
    void showProbabilityLine(int line);
    void reset();

    // Run state
    int counter() const { return m_counter; }
    int amplitude(Treatment t) const { return t == Treatment::SoftAnnealed ? m_softAmplitude : m_shotAmplitude; }
    bool seriesDone(int series) const { return m_seriesDone[series]; }
    // The series started last, -1 before the first one.
    int lastSeries() const { return m_lastSeries; }
    int seriesDoneCount() const;
    bool allSeriesDone() const;
    bool fullScreen() const { return m_fullScreen; }
    const ScaleFactors& baseFactors() const { return m_base; }
    const ScaleFactors& diagramFactors() const { return m_diagram; }

    // What the window offers
    bool running() const { return m_running; }
    bool seriesMenusEnabled() const { return m_seriesMenusEnabled; }
    bool seriesItemEnabled(int series) const { return m_seriesItemEnabled[series]; }
    bool fullScreenItemEnabled() const { return m_fullScreenItemEnabled; }
    bool probabilityMenuEnabled() const { return m_probabilityMenuEnabled; }
    bool probabilityItemEnabled(int line) const { return m_probabilityItemEnabled[line]; }

private:
    void oscillate(tk::Canvas& panel, Treatment treatment, int& amplitude);
    void drawFracturePoints(tk::Canvas& diagram, const LoadSeries& series) const;
    void drawProbabilityLine(tk::Canvas& diagram, const ProbabilityLine& line) const;
    int fontHeight(int height) const;

    int m_counter = startCounter;
    float m_lastDeflection = 0.0f; // pixels, positive downwards
    int m_softAmplitude = 0;       // pixels; 0 while no soft-annealed series runs
    int m_shotAmplitude = 0;
    int m_phaseStep = 15;          // degrees per counter unit
    std::array<bool, 10> m_seriesDone{};
    int m_lastSeries = -1;
    std::array<bool, 6> m_probabilityShown{};
    bool m_fullScreen = false;
    ScaleFactors m_base;
    ScaleFactors m_diagram{0.67, 0.85};

    bool m_running = false;
    bool m_seriesMenusEnabled = true;
    std::array<bool, 10> m_seriesItemEnabled{};
    bool m_fullScreenItemEnabled = false;
    bool m_probabilityMenuEnabled = false;
    std::array<bool, 6> m_probabilityItemEnabled{};
};

// Stress deflection of the oscillation in pixels, positive downwards, at a
// counter value: -amplitude * sin(phaseStep * counter degrees), evaluated in
// extended precision and kept in single precision.
float oscillationDeflection(int amplitude, int phaseStep, int counter);

}
