#pragma once

#include "woehler_curve.h"
#include "woehler_grid.h"

#include <QSize>
#include <QString>
#include <vector>

namespace tk {
class Canvas;
}

namespace fatigue {

// A Wöhler diagram in which the curves of one influence are drawn: the
// static diagram with its title, and one curve pen per curve, each moved by
// its own timer. Starting a curve stops the others; what they drew stays
// until the diagram is painted again.
class WoehlerInfluenceScene {
public:
    WoehlerInfluenceScene(QString title, std::vector<const WoehlerCurve*> curves);

    // The empty diagram; `size` is that of its paint box.
    void paint(tk::Canvas& canvas, QSize size) const;

    void start(int curve);
    void stopAll();
    // One step of a curve's pen, if that curve runs.
    void tick(int curve, tk::Canvas& canvas);

    int curveCount() const { return int(m_curves.size()); }
    const WoehlerCurve& curve(int curve) const { return *m_curves[curve]; }
    bool running(int curve) const { return m_pens[curve].running(); }
    QPoint position(int curve) const { return m_pens[curve].position(); }
    const QString& title() const { return m_title; }
    const ScaleFactors& scale() const { return m_scale; }

private:
    QString m_title;
    std::vector<const WoehlerCurve*> m_curves;
    std::vector<CurveAnimator> m_pens;
    ScaleFactors m_scale;
};

}
