#include "woehler_influence_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <algorithm>

namespace fatigue {

namespace {

// The exponents stand to the right of their "10", the axis title under the
// title band.
constexpr WoehlerGridLayout layout{750, 29, 57};

}

WoehlerInfluenceScene::WoehlerInfluenceScene(QString title, std::vector<const WoehlerCurve*> curves)
    : m_title(std::move(title)), m_curves(std::move(curves)), m_pens(m_curves.size())
{
}

void WoehlerInfluenceScene::paint(tk::Canvas& c, QSize size) const
{
    const ScaleFactors& s = m_scale;
    const double fontFactor = s.horizontal;
    drawWoehlerAxes(c, size, layout, s, fontFactor);
    // The index B of N_B, lowered right after the N of the axis title (at
    // 435 in the layout's own font, which ends the N a little further right).
    // A translated title moves that limit by the difference of its width.
    const QString germanTitle = QStringLiteral(" Bruchzyklenzahl N");
    const QString title = cyclesAxisTitle().trimmed().prepend(u' ');
    const int afterN = s.x(320) + c.textWidth(title);
    const int limit = s.x(435) + c.textWidth(title) - c.textWidth(germanTitle);
    c.textOut(std::min(limit, afterN), s.y(482), QStringLiteral("B"));
    drawWoehlerGridLines(c, s);

    c.setBrushColor(tk::colours::silver);
    c.setFontHeight(int(tk::roundHalfEven(24 * fontFactor)));
    c.rectangle(0, 0, size.width(), s.y(27));
    c.setFontColor(Qt::black);
    c.textOut(s.x(20), s.y(1), m_title);
}

void WoehlerInfluenceScene::start(int curve)
{
    stopAll();
    m_pens[curve].begin();
}

void WoehlerInfluenceScene::stopAll()
{
    for (CurveAnimator& pen : m_pens)
        pen.stop();
}

void WoehlerInfluenceScene::tick(int curve, tk::Canvas& canvas)
{
    m_pens[curve].tick(canvas, *m_curves[curve], m_scale);
}

}
