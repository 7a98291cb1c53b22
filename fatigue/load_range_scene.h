#pragma once

#include "toolkit/diagram.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace tk {
class Canvas;
}

namespace fatigue {

using tk::ScaleFactors;

// The ranges of fatigue loading, by the stresses a load cycle reaches.
enum class LoadRange {
    PulsatingTension,     // the lower stress is not below zero
    PulsatingCompression, // the upper stress is not above zero
    Alternating,          // from compression to tension
    PurelyAlternating,    // about a mean stress of zero
};

// The range of a load of amplitude `a` about the mean stress `m`: a negative
// amplitude is the same load half a cycle later.
LoadRange loadRange(std::int64_t a, std::int64_t m);

// The text the diagram shows for a range.
QString loadRangeText(LoadRange range);

// The load ranges diagram: stress over time, 2 N/mm² per pixel with zero at
// row 250, and the sine of an entered load growing along the time axis, one
// segment of two pixels per tick.
class LoadRangeScene {
public:
    static constexpr int startPosition = 72;
    static constexpr int endPosition = 740;
    static constexpr int positionStep = 2;
    static constexpr int phaseStep = 15;  // degrees per unit of the position
    static constexpr int diagramReach = 200; // pixels above and below the zero row

    // The static diagram; `size` is that of its paint box.
    void paint(tk::Canvas& canvas, QSize size) const;

    // Takes the entered stresses in N/mm² when the whole curve of the load
    // lies within the diagram, which keeps half of each, truncated toward
    // zero. A load that does not fit is ignored: the stored one, and a curve
    // being drawn with it, stay as they are. Returns whether it was taken.
    bool setLoad(int amplitudeStress, int meanStress);
    // Starts drawing the stored load and writes its range below the diagram.
    // A curve already complete gives way to a new one: the caller paints the
    // diagram afresh first.
    void start(tk::Canvas& canvas);
    void tick(tk::Canvas& canvas);
    void reset();

    bool running() const { return m_running; }
    bool curveComplete() const { return m_position >= endPosition; }
    int amplitude() const { return m_amplitude; }
    int mean() const { return m_mean; }
    int position() const { return m_position; }
    std::optional<LoadRange> shownRange() const { return m_shownRange; }
    const ScaleFactors& scale() const { return m_scale; }

private:
    int m_amplitude = 0; // pixels
    int m_mean = 0;      // pixels
    int m_position = startPosition;
    float m_deflection = 0.0f; // pixels, positive downwards
    bool m_running = false;
    std::optional<LoadRange> m_shownRange;
    ScaleFactors m_scale;
};

}
