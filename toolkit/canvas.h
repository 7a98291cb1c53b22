#pragma once

#include "fonts.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QPainter;
class QPicture;

namespace tk {

// A persistent picture that one or more canvases draw on. It keeps a single
// painter open between drawing operations (so a timer tick costs only the
// strokes it draws) and closes it before anyone reads or shows the pixels.
// Its pixels are allocated when they are first drawn or read, so windows that
// are never opened cost no picture memory.
class Surface {
public:
    explicit Surface(int width = 0, int height = 0, qreal devicePixelRatio = 1.0);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Logical size; the image may have more pixels on a high-density screen.
    int width() const { return m_width; }
    int height() const { return m_height; }
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    void resize(int width, int height, qreal devicePixelRatio);
    // Gives the pixels and the recorded vectors back; drawing afterwards
    // starts on a fresh white surface of the same size.
    void release();
    bool holdsPixels() const { return !m_image.isNull(); }

    QPainter& painter();           // opens the painter if needed
    const QImage& image();         // closes the painter; the pixels as they are
    QRgb pixel(int x, int y);      // logical coordinates, RGB without alpha
    void fill(const QColor& colour);

    // The part drawn on since it was last taken, so a tick shows only what
    // it changed.
    void markDrawn(const QRect& area) { m_drawn |= area; }
    QRect takeDrawn();

    // Vectors: a surface that keeps them records what is drawn on it since
    // it was last filled as painter commands too, so that a diagram can be
    // saved or printed as lines and texts rather than pixels. A drawing that
    // only pixels can show (not-xor) gives them up until the next fill.
    void setKeepsVectors(bool keeps);
    bool keepsVectors() const { return m_keepsVectors; }
    // The painter that records, or null while nothing is recorded.
    QPainter* vectorPainter();
    void loseVectors();
    // The drawing as it stands, oldest commands first; empty where the
    // surface keeps no vectors or has lost them. Recording goes on after it.
    std::vector<QPicture> vectors();

private:
    struct VectorRecording;
    void endPainting();
    void restartVectors(const QColor& background);
    QImage& pixels(); // allocates them, white, on first use

    int m_width = 0;
    int m_height = 0;
    qreal m_devicePixelRatio = 1.0;
    QImage m_image;
    QRect m_drawn;
    std::unique_ptr<QPainter> m_painter;
    bool m_keepsVectors = false;
    std::unique_ptr<VectorRecording> m_vectors; // null while none are valid
};

// What the canvases draw, for checking layouts: with a recorder installed,
// every text is reported with its cell and font, and every line, outline and
// fill that can bound or cover a text. Not-xor drawings (marks that a second
// drawing removes) are not reported.
struct Drawing {
    enum Kind { Text, Line, Frame, Fill } kind;
    const Surface* surface = nullptr;
    QRect bounds;         // the text's cell, a frame's or a fill's pixels
    QLine line{};         // a line's ends
    bool solidPen = true; // a line or frame drawn with a solid pen
    int penWidth = 1;
    QFont font{};         // a text's font, its shown text and baseline
    QString text{};
    int baseline = 0;
};
using DrawingRecorder = std::function<void(const Drawing&)>;
void setDrawingRecorder(DrawingRecorder recorder);

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

// The drawing semantics of the classic Windows canvas on a Surface:
// aliased shapes; rectangles and ellipses by left, top, right, bottom with the
// right and bottom edges excluded; polygons closed; arcs and pies
// counter-clockwise; text by the top-left of its cell, on the brush colour
// unless the brush is clear; a pen mode not-xor under which drawing a shape
// twice restores every pixel. A pen wider than one pixel draws solid whatever
// its style, and a line of no length with it is a round dot. The pen stays in
// force until it is changed, also from one paint to the next; brush and font
// start each paint afresh (startPaint).
class Canvas {
public:
    explicit Canvas(std::shared_ptr<Surface> surface = {});

    Surface& surface() const { return *m_surface; }
    const std::shared_ptr<Surface>& sharedSurface() const { return m_surface; }
    int width() const { return m_surface->width(); }
    int height() const { return m_surface->height(); }
    QRgb pixel(int x, int y) const { return m_surface->pixel(x, y); }

    // What a paint box does before its paint handler runs: the font becomes
    // the box's font and the brush a solid brush of the box's colour. The pen
    // (colour, width, style, mode) is left as the last drawing left it.
    void startPaint(const Font& font, const QColor& colour);

    // Pen
    void setPenColor(const QColor& c) { m_penColor = c; }
    void setPenWidth(int w) { m_penWidth = w; }
    void setPenStyle(PenStyle s) { m_penStyle = s; }
    void setPenMode(PenMode m) { m_penMode = m; }
    QColor penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }

    // Brush: setting a colour turns a clear brush solid.
    void setBrushColor(const QColor& c);
    void setBrushStyle(BrushStyle s) { m_brushStyle = s; }
    QColor brushColor() const { return m_brushColor; }
    BrushStyle brushStyle() const { return m_brushStyle; }

    // Font
    void setFont(const Font& f) { m_font = f; }
    const Font& font() const { return m_font; }
    void setFontName(const QString& name) { m_font.name = name; }
    void setFontHeight(int cellHeight) { m_font.height = cellHeight; }
    void setFontColor(const QColor& c) { m_font.color = c; }

    // Pen position
    void moveTo(int x, int y) { m_pos = QPoint(x, y); }
    void lineTo(int x, int y);
    QPoint penPos() const { return m_pos; }
    void line(int x1, int y1, int x2, int y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }

    // Shapes
    void rectangle(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom); // brush only, no outline
    void ellipse(int left, int top, int right, int bottom);
    void polygon(const std::vector<QPoint>& points);
    void polygon(std::initializer_list<QPoint> points) { polygon(std::vector<QPoint>(points)); }
    void polyline(const std::vector<QPoint>& points);
    void polyline(std::initializer_list<QPoint> points) { polyline(std::vector<QPoint>(points)); }
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    void pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    void setPixel(int x, int y, const QColor& c);

    // Text
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

private:
    void drawShape(const QRect& bounds, bool usesBrush, const std::function<void(QPainter&)>& draw);
    // Draws on the pixels and, where the surface keeps them, on its vectors.
    void drawOnSurface(const std::function<void(QPainter&)>& draw);
    void preparePainter(QPainter& p, bool usesBrush) const;
    void strokeLine(QPainter& p, const QPoint& from, const QPoint& to) const;
    QString visibleText(const QString& text) const;
    void record(Drawing::Kind kind, const QRect& bounds, const QLine& line = {}) const;

    std::shared_ptr<Surface> m_surface;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    PenMode m_penMode = PenMode::Copy;
    QColor m_brushColor = Qt::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    Font m_font;
    QPoint m_pos;
};

}
