#pragma once

#include "canvas.h"
#include "export.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace tk {

// A drawing surface in a window. Its paint handler draws the static picture
// when the window asks for a repaint (first showing, each new showing, a
// command that repaints); timers draw on the same surface in between, and
// what they drew stays until the next repaint. Covering and uncovering the
// window only shows the surface again: nothing is lost.
//
// Paint boxes that lie exactly over each other share one surface: what one
// draws the other shows. Each keeps its own canvas (pen, brush, font).
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, const QString& name, int left, int top, int width, int height);
    // A box exactly over `under`, drawing on its surface.
    PaintBox(QWidget* parent, const QString& name, PaintBox* under);
    ~PaintBox() override;

    Canvas& canvas() { return m_canvas; }

    // What a screen reader says of the drawing: its name and what it shows.
    void describe(const QString& name, const QString& description);
    // Tells a screen reader what the drawing shows now (the end of a run,
    // a formula block that appeared).
    void announce(const QString& state);
    void setOnPaint(std::function<void()> handler) { m_onPaint = std::move(handler); }
    // A box with a click handler is also a Tab stop: Space or Return does
    // what a click does, and a focus mark shows while the keyboard is on it.
    void setOnClick(std::function<void()> handler);
    bool clickable() const { return bool(m_onClick); }
    // A mouse button pressed over the box, at a position in its coordinates.
    using MouseDownHandler = std::function<void(Qt::MouseButton button, QPoint position)>;
    void setOnMouseDown(MouseDownHandler handler) { m_onMouseDown = std::move(handler); }

    void setBounds(int left, int top, int width, int height);

    // Marks the surface for repainting by the paint handlers at the next
    // showing; repaintNow runs them at once.
    void invalidate();
    void repaintNow();
    // Runs the paint handlers if the surface is marked.
    void ensurePainted();
    // Gives the surface's memory back while the window is closed: the next
    // showing repaints it from the paint handlers, as every showing does.
    void releaseSurface();
    // Shows what was drawn on the surface since it was last shown: only that
    // part of the box (and of the boxes sharing its surface) is painted again.
    void showDrawn();

    // The picture as the box shows it, at the screen's resolution, and the
    // same put on the clipboard (the box's context menu "Bild kopieren").
    QImage picture();
    void copyPicture();

    // A diagram keeps its drawing as lines, shapes and texts too, so that it
    // can be saved and printed as such ("Bild speichern …", "Drucken …").
    void setKeepsVectors(bool keeps) { m_canvas.surface().setKeepsVectors(keeps); }
    // The drawing as it stands, with its window's caption.
    ExportedDrawing exportedDrawing();

signals:
    // The drawing has told a screen reader what it shows now.
    void announced(const QString& state);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent*) override;

private:
    PaintBox* owner() { return m_under ? m_under : this; }
    void paintSurface();

    Canvas m_canvas;
    PaintBox* m_under = nullptr;           // set for a box over another
    std::vector<PaintBox*> m_sharers;      // boxes over this one, in z-order
    bool m_dirty = true;
    bool m_focusMark = false;              // reached by the keyboard
    std::function<void()> m_onPaint;
    std::function<void()> m_onClick;
    MouseDownHandler m_onMouseDown;
};

}
