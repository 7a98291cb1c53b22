#include "diagram_drawing.h"

#include "toolkit/colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace evaluation::windows {

DiagramPens::DiagramPens(const QFont& font, QPaintDevice* device)
{
    lineHeight = QFontMetricsF(font, device).height();
    lineWidth = std::max(1.5, lineHeight / 8);
    pointRadius = std::max(3.0, lineHeight / 4);
}

QPen DiagramPens::solid(const QColor& colour, double factor) const
{
    QPen pen(colour, lineWidth * factor);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPen DiagramPens::dashed(const QColor& colour) const
{
    QPen pen(colour, lineWidth * 0.75, Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen DiagramPens::dotted(const QColor& colour) const
{
    return QPen(colour, std::max(1.0, lineWidth * 0.4), Qt::DotLine);
}

void drawLinearGrid(QPainter& p, const DiagramPens& pens, const QRectF& plot, const LinearTicks& x,
                    const LinearTicks& y)
{
    p.setPen(pens.dotted(tk::colours::grey));
    for (double v : x.values) {
        const double px = mapToPixels(v, x.range, plot.left(), plot.right());
        if (px > plot.left() + 0.5 && px < plot.right() - 0.5)
            p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    }
    for (double v : y.values) {
        const double py = mapToPixels(v, y.range, plot.bottom(), plot.top());
        if (py > plot.top() + 0.5 && py < plot.bottom() - 0.5)
            p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
    }
}

void drawTickLabelsBelow(QPainter& p, const QRectF& plot, const LinearTicks& x)
{
    const QFontMetricsF fm(p.font(), p.device());
    p.setPen(Qt::black);
    for (double v : x.values) {
        const double px = mapToPixels(v, x.range, plot.left(), plot.right());
        const QString text = tickText(v, x.step);
        const double w = fm.horizontalAdvance(text);
        p.drawText(QRectF(px - w, plot.bottom() + 0.2 * fm.height(), 2 * w, fm.height()), Qt::AlignCenter, text);
    }
}

void drawTickLabelsLeft(QPainter& p, const QRectF& plot, const LinearTicks& y)
{
    const QFontMetricsF fm(p.font(), p.device());
    p.setPen(Qt::black);
    for (double v : y.values) {
        const double py = mapToPixels(v, y.range, plot.bottom(), plot.top());
        const QString text = tickText(v, y.step);
        p.drawText(QRectF(plot.left() - fm.horizontalAdvance(text) - 0.4 * fm.height(), py - fm.height() / 2,
                          fm.horizontalAdvance(text), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void drawAxisTitles(QPainter& p, const QRectF& area, const QRectF& plot, const QString& xTitle,
                    const QString& yTitle)
{
    const QFontMetricsF fm(p.font(), p.device());
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * fm.height(), plot.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, xTitle);
    p.save();
    p.translate(area.left() + 0.2 * fm.height(), plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignHCenter | Qt::AlignTop, yTitle);
    p.restore();
}

namespace {

void drawBoxedText(QPainter& p, const QRectF& box, const QString& text, const QColor& fill, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(box);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
}

}

void drawLabelInside(QPainter& p, const DiagramPens& pens, const QRectF& region, const QString& text,
                     const QColor& box, const QColor& ink)
{
    const QFontMetricsF fm(p.font(), p.device());
    const double w = fm.horizontalAdvance(text);
    if (w > region.width())
        return;
    drawBoxedText(p, QRectF(region.center().x() - w / 2, region.top() + 0.3 * pens.lineHeight, w, fm.height()), text,
                  box, ink);
}

void drawLabelBeside(QPainter& p, const DiagramPens& pens, const QPointF& anchor, Qt::Alignment side,
                     const QString& text, const QColor& box, const QColor& ink, const QRectF& bounds)
{
    const QFontMetricsF fm(p.font(), p.device());
    const double w = fm.horizontalAdvance(text), h = fm.height(), gap = 0.4 * pens.lineHeight;
    QRectF r(anchor.x() - w / 2, anchor.y() - h - gap, w, h);
    if (side & Qt::AlignLeft)
        r.moveTopRight(QPointF(anchor.x() - gap, anchor.y() - h / 2));
    else if (side & Qt::AlignRight)
        r.moveTopLeft(QPointF(anchor.x() + gap, anchor.y() - h / 2));
    r.moveLeft(std::clamp(r.left(), bounds.left(), std::max(bounds.left(), bounds.right() - w)));
    r.moveTop(std::clamp(r.top(), bounds.top(), std::max(bounds.top(), bounds.bottom() - h)));
    drawBoxedText(p, r, text, box, ink);
}

void drawPoint(QPainter& p, const DiagramPens& pens, const QPointF& at, const QColor& fill)
{
    p.setPen(QPen(Qt::black, std::max(1.0, pens.lineWidth * 0.4)));
    p.setBrush(fill);
    p.drawEllipse(at, pens.pointRadius, pens.pointRadius);
}

void drawMessage(QPainter& p, const DiagramPens& pens, const QRectF& plot, const QString& title,
                 const QString& text)
{
    const double pad = 0.6 * pens.lineHeight;
    const double width = std::min(plot.width() - 2 * pad, 28.0 * pens.lineHeight);
    QFont bold = p.font();
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold, p.device());
    const QFontMetricsF fm(p.font(), p.device());
    const QRectF textBounds = fm.boundingRect(QRectF(0, 0, width - 2 * pad, 1e6), Qt::TextWordWrap, text);
    const double height = 2 * pad + boldMetrics.height() + (text.isEmpty() ? 0 : 0.3 * pens.lineHeight + textBounds.height());
    const QRectF box(plot.center().x() - width / 2, plot.top() + 2.2 * pens.lineHeight, width, height);
    p.setPen(QPen(tk::colours::grey, std::max(1.0, pens.lineWidth * 0.5)));
    QColor ground(Qt::white);
    ground.setAlpha(225);
    p.setBrush(ground);
    p.drawRect(box);
    p.setPen(Qt::black);
    const QFont plain = p.font();
    p.setFont(bold);
    p.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignHCenter | Qt::AlignTop, title);
    p.setFont(plain);
    p.drawText(box.adjusted(pad, pad + boldMetrics.height() + 0.3 * pens.lineHeight, -pad, -pad),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

}
