#pragma once

// The transition curve of an impact series as the evaluation window and the
// report draw it: the measured points, the fitted curve, the three regions
// (lower shelf, the transition between T_m − 2C and T_m + 2C, upper shelf)
// with their shelves, and the temperatures read off the curve (T27J, T50%US,
// FATT50) marked on it, in the style of the teaching window's
// energy–temperature diagram. Without a curve the points stand alone with the
// reason why there is none; a curve is never drawn that the fit did not give.
#include "diagram_axes.h"
#include "evaluation/estimate.h"
#include "evaluation/outcome.h"
#include "evaluation/transition_curve.h"

#include <QFont>
#include <QRectF>
#include <QWidget>
#include <vector>

class QPainter;

namespace evaluation::windows {

// A temperature read off the curve where it reaches a value.
struct TransitionMark {
    double value = 0;  // 27 J, half the upper shelf, 50 % shear
    evaluation::Outcome<evaluation::Estimate> temperature;
    QString symbol;    // "T27J"
};

struct TransitionDiagramContent {
    std::vector<evaluation::TransitionPoint> points;
    // The fit, or why there is none (also the message of a series without
    // enough points). Undecided: nothing typed yet.
    evaluation::Outcome<evaluation::TransitionCurve> curve;
    std::vector<TransitionMark> marks;
    QString valueTitle;          // "Kerbschlagarbeit KV2 in J"
    QString unit;                // "J" or "%"
    std::optional<double> valueCeiling;  // 100 for shear fractions
};

// Where things lie in a diagram of a given size: the plot area and the
// scales, shared by the drawing and its tests.
struct TransitionLayout {
    QRectF plot;
    LinearTicks temperatureTicks;
    LinearTicks valueTicks;

    QPointF pixelAt(double temperature, double value) const;
};
TransitionLayout transitionLayout(const TransitionDiagramContent& content, const QRectF& area, const QFont& font,
                                  QPaintDevice* device);

// Draws the whole diagram into area; font sets the size of every text and
// with it the widths of lines and points.
void paintTransitionDiagram(QPainter& painter, const QRectF& area, const TransitionDiagramContent& content,
                            const QFont& font);

class TransitionDiagram : public QWidget {
    Q_OBJECT
public:
    explicit TransitionDiagram(QWidget* parent = nullptr);

    void setContent(TransitionDiagramContent content);
    const TransitionDiagramContent& content() const { return m_content; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TransitionDiagramContent m_content;
};

}
