#pragma once

// The stress–strain diagram of a tensile series: every specimen switched on
// in a colour of its own, each determined value marked on its curve with its
// symbol. A curve of a million points draws at once: per pixel column only
// the lowest and the highest point are drawn, in the order of the curve.
#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QPainter;

namespace evaluation::windows {

struct PlotMark {
    QString symbol;  // "ReH", "Rm"
    double strain = 0, stress = 0;
};

struct PlotCurve {
    QString name;
    QColor colour;
    std::shared_ptr<const std::vector<double>> strain;  // %
    std::shared_ptr<const std::vector<double>> stress;  // MPa
    std::vector<PlotMark> marks;
};

// The colour of the n-th specimen of a series.
QColor specimenColour(size_t index);

// The points of a polyline through the curve that draws it as it looks at
// `columns` pixel columns across [0, strainRange]: per column the first, the
// lowest, the highest and the last point. Fewer points than that are kept
// as they are. Returned in plot units (strain, stress).
std::vector<std::pair<double, double>> columnEnvelope(const std::vector<double>& strain,
                                                      const std::vector<double>& stress, double strainRange,
                                                      int columns);

class StressStrainPlot : public QWidget {
    Q_OBJECT
public:
    explicit StressStrainPlot(QWidget* parent = nullptr);

    void setCurves(std::vector<PlotCurve> curves);
    const std::vector<PlotCurve>& curves() const { return m_curves; }

    // Draws the diagram into a rectangle of any painter (the PDF report).
    void paintDiagram(QPainter& painter, const QRect& area) const;

    QSize sizeHint() const override { return {640, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PlotCurve> m_curves;
};

}
