#pragma once

// The Wöhler diagram of a fatigue series as the evaluation window and the
// report draw it: double-logarithmic like the teaching windows' diagrams
// (decades of the cycles labelled as powers of ten, a grid for the values 2
// to 9 of each decade), with the specimens (run-outs as rings with an arrow
// to the right), the finite-life line for 50 % probability of failure and
// the lines for 10 % and 90 % beside it, the endurance limit from the
// staircase series and the knee point where they meet.
#include "diagram_axes.h"
#include "evaluation/fatigue_evaluation.h"
#include "evaluation/fatigue_series.h"

#include <QFont>
#include <QRectF>
#include <QWidget>
#include <vector>

class QPainter;

namespace evaluation::windows {

struct WoehlerDiagramContent {
    std::vector<evaluation::FatigueSpecimen> specimens;
    evaluation::FatigueEvaluation evaluation;
};

struct WoehlerLayout {
    QRectF plot;
    DecadeAxis cycles;
    LogTicks stress;

    QPointF pixelAt(double cycles, double stressAmplitude) const;
};
WoehlerLayout woehlerLayout(const WoehlerDiagramContent& content, const QRectF& area, const QFont& font,
                            QPaintDevice* device);

// The stretch of a line of equal probability of failure the diagram draws:
// from the highest fracture amplitude of the line's specimens down to the
// endurance limit where that lies below it, else to the lowest one.
struct WoehlerLineSpan {
    double upperStress = 0;
    double lowerStress = 0;
};
std::optional<WoehlerLineSpan> woehlerLineSpan(const WoehlerDiagramContent& content);

void paintWoehlerDiagram(QPainter& painter, const QRectF& area, const WoehlerDiagramContent& content,
                         const QFont& font);

class WoehlerDiagram : public QWidget {
    Q_OBJECT
public:
    explicit WoehlerDiagram(QWidget* parent = nullptr);

    void setContent(WoehlerDiagramContent content);
    const WoehlerDiagramContent& content() const { return m_content; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WoehlerDiagramContent m_content;
};

}
