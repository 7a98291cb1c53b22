#include "canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace tk {

// ---------------------------------------------------------------- Recording

namespace {
DrawingRecorder& recorder()
{
    static DrawingRecorder r;
    return r;
}
}

void setDrawingRecorder(DrawingRecorder r) { recorder() = std::move(r); }

// ---------------------------------------------------------------- Surface

// The recording runs in parts: taking the drawing as it stands closes the
// part being recorded (a picture's commands are readable only once its
// painter has ended), and the next drawing opens a new one.
struct Surface::VectorRecording {
    // A drawing that changes for good on every tick (a run of thousands of
    // ticks) would grow without end; beyond this many commands it is kept as
    // pixels only.
    static constexpr int maxCommands = 200000;

    std::vector<QPicture> done;
    std::unique_ptr<QPicture> open;
    std::unique_ptr<QPainter> painter;
    int commands = 0;

    QPainter& begin()
    {
        if (!painter) {
            open = std::make_unique<QPicture>();
            painter = std::make_unique<QPainter>(open.get());
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setRenderHint(QPainter::TextAntialiasing, false);
        }
        return *painter;
    }
    void close()
    {
        if (!painter)
            return;
        painter->end();
        painter.reset();
        done.push_back(*open);
        open.reset();
    }
};

Surface::Surface(int width, int height, qreal devicePixelRatio)
{
    resize(width, height, devicePixelRatio);
}

Surface::~Surface() = default;

void Surface::resize(int width, int height, qreal devicePixelRatio)
{
    endPainting();
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_devicePixelRatio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    m_image = QImage();
    m_vectors.reset();
}

void Surface::release()
{
    resize(m_width, m_height, m_devicePixelRatio);
    m_drawn = QRect();
}

QImage& Surface::pixels()
{
    if (m_image.isNull()) {
        const qreal dpr = m_devicePixelRatio;
        m_image = QImage(std::max(1, int(std::ceil(m_width * dpr))), std::max(1, int(std::ceil(m_height * dpr))),
                         QImage::Format_RGB32);
        m_image.setDevicePixelRatio(dpr);
        m_image.fill(Qt::white);
        restartVectors(Qt::white);
    }
    return m_image;
}

void Surface::setKeepsVectors(bool keeps)
{
    m_keepsVectors = keeps;
    // What was drawn before is not recorded: vectors start with the next fill.
    m_vectors.reset();
}

void Surface::restartVectors(const QColor& background)
{
    m_vectors.reset();
    if (!m_keepsVectors)
        return;
    m_vectors = std::make_unique<VectorRecording>();
    m_vectors->begin().fillRect(QRect(0, 0, m_width, m_height), background);
}

QPainter* Surface::vectorPainter()
{
    if (!m_vectors)
        return nullptr;
    if (++m_vectors->commands > VectorRecording::maxCommands) {
        m_vectors.reset();
        return nullptr;
    }
    return &m_vectors->begin();
}

void Surface::loseVectors() { m_vectors.reset(); }

std::vector<QPicture> Surface::vectors()
{
    if (!m_vectors)
        return {};
    m_vectors->close();
    return m_vectors->done;
}

QPainter& Surface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&pixels());
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *m_painter;
}

void Surface::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

const QImage& Surface::image()
{
    endPainting();
    return pixels();
}

QRgb Surface::pixel(int x, int y)
{
    endPainting();
    pixels();
    const qreal dpr = m_devicePixelRatio;
    const int px = int(x * dpr);
    const int py = int(y * dpr);
    if (x < 0 || y < 0 || px >= m_image.width() || py >= m_image.height())
        return 0;
    return m_image.pixel(px, py) & 0xFFFFFF;
}

QRect Surface::takeDrawn()
{
    const QRect drawn = m_drawn & QRect(0, 0, m_width, m_height);
    m_drawn = QRect();
    return drawn;
}

void Surface::fill(const QColor& colour)
{
    endPainting();
    pixels().fill(colour);
    restartVectors(colour);
    m_drawn = QRect(0, 0, m_width, m_height);
    if (recorder())
        recorder()({Drawing::Fill, this, QRect(0, 0, m_width, m_height)});
}

// ---------------------------------------------------------------- Canvas

namespace {

Qt::BrushStyle qtBrushStyle(BrushStyle s)
{
    switch (s) {
    case BrushStyle::Solid: return Qt::SolidPattern;
    case BrushStyle::Clear: return Qt::NoBrush;
    case BrushStyle::Horizontal: return Qt::HorPattern;
    case BrushStyle::Vertical: return Qt::VerPattern;
    case BrushStyle::FDiagonal: return Qt::FDiagPattern;
    case BrushStyle::BDiagonal: return Qt::BDiagPattern;
    case BrushStyle::Cross: return Qt::CrossPattern;
    case BrushStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// Dash patterns of the classic cosmetic pens, in pixels.
QList<qreal> dashPattern(PenStyle s)
{
    switch (s) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// Angle in degrees (counter-clockwise, y up) of the radial from c through p.
qreal radialAngle(QPointF c, QPoint p)
{
    return std::atan2(c.y() - p.y(), p.x() - c.x()) * 180.0 / M_PI;
}

// Start and span, in sixteenths of a degree, of the counter-clockwise arc
// from the radial through p3 to the radial through p4; equal radials give the
// whole ellipse.
std::pair<int, int> arcAngles(const QRect& box, QPoint p3, QPoint p4)
{
    const QPointF c((box.left() + box.right() + 1) / 2.0, (box.top() + box.bottom() + 1) / 2.0);
    const qreal a3 = radialAngle(c, p3);
    qreal span = radialAngle(c, p4) - a3;
    while (span <= 0)
        span += 360;
    while (span > 360)
        span -= 360;
    return {int(std::lround(a3 * 16)), int(std::lround(span * 16))};
}

QRect boxOf(int left, int top, int right, int bottom)
{
    return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                 QPoint(std::max(left, right), std::max(top, bottom)));
}

// The rectangle a shape with the given corners is traced on: right and
// bottom edges excluded.
QRect tracedRect(int left, int top, int right, int bottom)
{
    const QRect b = boxOf(left, top, right, bottom);
    return QRect(b.left(), b.top(), b.width() - 2, b.height() - 2);
}

}

Canvas::Canvas(std::shared_ptr<Surface> surface)
    : m_surface(surface ? std::move(surface) : std::make_shared<Surface>())
{
}

void Canvas::startPaint(const Font& font, const QColor& colour)
{
    m_font = font;
    m_brushColor = colour;
    m_brushStyle = BrushStyle::Solid;
}

void Canvas::setBrushColor(const QColor& c)
{
    m_brushColor = c;
    if (m_brushStyle == BrushStyle::Clear)
        m_brushStyle = BrushStyle::Solid;
}

void Canvas::preparePainter(QPainter& p, bool usesBrush) const
{
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_penStyle == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen pen(m_penColor);
        const int width = std::max(1, m_penWidth);
        pen.setWidth(width);
        if (width == 1) {
            // A thin pen leaves out the last pixel of each line, as the
            // classic canvas does, so lines drawn end to end meet exactly.
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            if (m_penStyle != PenStyle::Solid)
                pen.setDashPattern(dashPattern(m_penStyle));
        } else {
            // Wide pens are always solid, with round ends and joins.
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        p.setPen(pen);
    }
    if (usesBrush && m_brushStyle != BrushStyle::Clear)
        p.setBrush(QBrush(m_brushColor, qtBrushStyle(m_brushStyle)));
    else
        p.setBrush(Qt::NoBrush);
}

void Canvas::drawShape(const QRect& bounds, bool usesBrush, const std::function<void(QPainter&)>& draw)
{
    const int reach = std::max(1, m_penWidth) + 2;
    m_surface->markDrawn(bounds.adjusted(-reach, -reach, reach, reach));
    if (m_penMode == PenMode::Copy) {
        drawOnSurface([&](QPainter& p) {
            preparePainter(p, usesBrush);
            draw(p);
        });
        return;
    }
    m_surface->loseVectors();

    // Not-xor: the shape is drawn once, pen over brush, on a white scratch
    // image (white leaves the destination unchanged under not-xor) and then
    // combined with the surface, so every pixel under pen or brush is
    // combined exactly once and a second drawing restores it.
    const int margin = std::max(1, m_penWidth) + 2;
    const QRect area =
        bounds.adjusted(-margin, -margin, margin, margin).intersected(QRect(0, 0, width(), height()));
    if (area.isEmpty())
        return;
    const qreal dpr = m_surface->devicePixelRatio();
    QImage scratch(int(std::ceil(area.width() * dpr)), int(std::ceil(area.height() * dpr)), QImage::Format_RGB32);
    scratch.setDevicePixelRatio(dpr);
    scratch.fill(Qt::white);
    {
        QPainter sp(&scratch);
        sp.setRenderHint(QPainter::Antialiasing, false);
        sp.translate(-area.topLeft());
        preparePainter(sp, usesBrush);
        draw(sp);
    }
    QPainter& p = m_surface->painter();
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.drawImage(area.topLeft(), scratch);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::drawOnSurface(const std::function<void(QPainter&)>& draw)
{
    draw(m_surface->painter());
    if (QPainter* vectors = m_surface->vectorPainter())
        draw(*vectors);
}

void Canvas::strokeLine(QPainter& p, const QPoint& from, const QPoint& to) const
{
    // The gaps of a dotted thin pen show the brush colour when the brush is
    // solid, and the background when it is not.
    if (m_penStyle != PenStyle::Solid && m_penStyle != PenStyle::Clear && m_penWidth <= 1 &&
        m_brushStyle == BrushStyle::Solid) {
        const QPen styled = p.pen();
        QPen gaps(m_brushColor);
        gaps.setWidth(1);
        gaps.setCapStyle(Qt::FlatCap);
        p.setPen(gaps);
        p.drawLine(from, to);
        p.setPen(styled);
    }
    p.drawLine(from, to);
}

void Canvas::record(Drawing::Kind kind, const QRect& bounds, const QLine& line) const
{
    if (!recorder() || m_penMode != PenMode::Copy)
        return;
    Drawing d{kind, m_surface.get(), bounds, line};
    d.solidPen = m_penStyle == PenStyle::Solid || m_penWidth > 1;
    d.penWidth = m_penWidth;
    recorder()(d);
}

void Canvas::lineTo(int x, int y)
{
    const QPoint from = m_pos;
    const QPoint to(x, y);
    m_pos = to;
    if (from == to) {
        // A thin pen leaves out the last pixel, which is all a line of no
        // length has; a wide pen draws it as a round dot of its width.
        if (m_penWidth <= 1 || m_penStyle == PenStyle::Clear)
            return;
        const int w = m_penWidth;
        const QRect dot(x - w / 2, y - w / 2, w, w);
        drawShape(dot, false, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(m_penColor);
            p.drawEllipse(dot);
        });
        return;
    }
    drawShape(QRect(from, to).normalized(), false, [&](QPainter& p) { strokeLine(p, from, to); });
    if (m_penStyle != PenStyle::Clear)
        record(Drawing::Line, QRect(from, to).normalized(), QLine(from, to));
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    drawShape(boxOf(left, top, right, bottom), true,
              [&](QPainter& p) { p.drawRect(tracedRect(left, top, right, bottom)); });
    const QRect traced = tracedRect(left, top, right, bottom).adjusted(0, 0, 1, 1);
    if (m_brushStyle == BrushStyle::Solid)
        record(Drawing::Fill, traced);
    // An outline in the brush's own colour only fills.
    if (m_penStyle != PenStyle::Clear && !(m_brushStyle == BrushStyle::Solid && m_penColor == m_brushColor))
        record(Drawing::Frame, traced);
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    if (m_brushStyle == BrushStyle::Clear)
        return;
    const QRect b = boxOf(left, top, right, bottom);
    drawOnSurface([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillRect(QRect(b.left(), b.top(), b.width() - 1, b.height() - 1),
                   QBrush(m_brushColor, qtBrushStyle(m_brushStyle)));
    });
    m_surface->markDrawn(b);
    if (m_brushStyle == BrushStyle::Solid)
        record(Drawing::Fill, QRect(b.left(), b.top(), b.width() - 1, b.height() - 1));
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    drawShape(boxOf(left, top, right, bottom), true,
              [&](QPainter& p) { p.drawEllipse(tracedRect(left, top, right, bottom)); });
}

void Canvas::polygon(const std::vector<QPoint>& points)
{
    if (points.empty())
        return;
    const QPolygon poly(QList<QPoint>(points.begin(), points.end()));
    drawShape(poly.boundingRect(), true, [&](QPainter& p) { p.drawPolygon(poly); });
}

void Canvas::polyline(const std::vector<QPoint>& points)
{
    if (points.empty())
        return;
    const QPolygon poly(QList<QPoint>(points.begin(), points.end()));
    drawShape(poly.boundingRect(), false, [&](QPainter& p) {
        for (qsizetype i = 1; i < poly.size(); ++i)
            strokeLine(p, poly[i - 1], poly[i]);
    });
    if (m_penStyle != PenStyle::Clear)
        for (qsizetype k = 1; k < poly.size(); ++k)
            record(Drawing::Line, QRect(poly[k - 1], poly[k]).normalized(), QLine(poly[k - 1], poly[k]));
    m_pos = points.back();
}

void Canvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    const QRect traced = tracedRect(left, top, right, bottom);
    // Plain variables, not a structured binding: clang 14 cannot capture those in a lambda.
    const auto [startAngle, spanAngle] = arcAngles(traced, {x3, y3}, {x4, y4});
    const int start = startAngle, span = spanAngle;
    drawShape(boxOf(left, top, right, bottom), false, [&](QPainter& p) { p.drawArc(traced, start, span); });
}

void Canvas::pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    const QRect traced = tracedRect(left, top, right, bottom);
    // Plain variables, not a structured binding: clang 14 cannot capture those in a lambda.
    const auto [startAngle, spanAngle] = arcAngles(traced, {x3, y3}, {x4, y4});
    const int start = startAngle, span = spanAngle;
    drawShape(boxOf(left, top, right, bottom), true, [&](QPainter& p) { p.drawPie(traced, start, span); });
}

void Canvas::setPixel(int x, int y, const QColor& c)
{
    drawOnSurface([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillRect(QRect(x, y, 1, 1), c);
    });
    m_surface->markDrawn(QRect(x, y, 1, 1));
}

QString Canvas::visibleText(const QString& text) const
{
    return isSymbolFont(m_font.name) ? symbolToUnicode(text) : text;
}

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFont f = qtFont(m_font, true);
    const TextCell cell = textCell(m_font);
    const QString shown = visibleText(text);
    const int w = QFontMetrics(f).horizontalAdvance(shown);
    drawOnSurface([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (m_brushStyle == BrushStyle::Solid)
            p.fillRect(QRect(x, y, w, cell.height), m_brushColor);
        p.setFont(f);
        p.setPen(m_font.color);
        p.drawText(x, y + cell.ascent, shown);
    });
    // Letters may reach a little beyond their cell.
    const int overhang = cell.height / 4 + 2;
    m_surface->markDrawn(QRect(x - overhang, y - overhang, w + 2 * overhang, cell.height + 2 * overhang));
    m_pos = QPoint(x + w, y);
    if (recorder()) {
        Drawing d{Drawing::Text, m_surface.get(), QRect(x, y, w, cell.height)};
        d.font = f;
        d.text = shown;
        d.baseline = y + cell.ascent;
        recorder()(d);
    }
}

int Canvas::textWidth(const QString& text) const
{
    return QFontMetrics(qtFont(m_font, true)).horizontalAdvance(visibleText(text));
}

int Canvas::textHeight(const QString&) const
{
    return textCell(m_font).height;
}

}
