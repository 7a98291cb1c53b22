#include "paintbox.h"
#include "clipboard.h"
#include "errors.h"
#include "window_host.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace tk {

PaintBox::PaintBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
    : QWidget(parent),
      m_canvas(std::make_shared<Surface>(width, height, qGuiApp->devicePixelRatio()))
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(left, top, width, height);
    offerCopy(this, [this] { return picture(); });
    offerExport(this, [this] { return exportedDrawing(); });
    // Until the window names it, a drawing is named after its window.
    setAccessibleName(parent ? parent->window()->windowTitle() : QString());
}

PaintBox::PaintBox(QWidget* parent, const QString& name, PaintBox* under)
    : QWidget(parent), m_canvas(under->m_canvas.sharedSurface()), m_under(under)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(under->geometry());
    under->m_sharers.push_back(this);
    offerCopy(this, [this] { return picture(); });
    offerExport(this, [this] { return exportedDrawing(); });
}

void PaintBox::describe(const QString& name, const QString& description)
{
    setAccessibleName(name);
    setAccessibleDescription(description);
}

void PaintBox::announce(const QString& state)
{
    // A new description reaches a screen reader as one change event, which
    // Qt sends itself; the same words said again need it sent here.
    if (accessibleDescription() == state) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    } else {
        setAccessibleDescription(state);
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit announced(state);
}

QImage PaintBox::picture()
{
    ensurePainted();
    return m_canvas.surface().image().copy();
}

void PaintBox::copyPicture() { copyImage(picture()); }

ExportedDrawing PaintBox::exportedDrawing()
{
    ExportedDrawing drawing{window()->windowTitle(), picture(), {}};
    std::vector<QPicture> parts = m_canvas.surface().vectors();
    if (!parts.empty())
        drawing.vectors = [parts = std::move(parts)](QPainter& p) {
            for (const QPicture& part : parts)
                replayPicture(p, part);
        };
    return drawing;
}

PaintBox::~PaintBox()
{
    if (m_under)
        std::erase(m_under->m_sharers, this);
    for (PaintBox* s : m_sharers)
        s->m_under = nullptr;
}

void PaintBox::setBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    for (PaintBox* s : m_sharers)
        s->setGeometry(left, top, width, height);
}

void PaintBox::resizeEvent(QResizeEvent*)
{
    if (m_under)
        return;
    Surface& s = m_canvas.surface();
    if (s.width() != width() || s.height() != height()) {
        s.resize(width(), height(), qGuiApp->devicePixelRatio());
        invalidate();
    }
}

void PaintBox::invalidate()
{
    owner()->m_dirty = true;
    owner()->update();
    for (PaintBox* s : owner()->m_sharers)
        s->update();
}

void PaintBox::repaintNow()
{
    owner()->m_dirty = true;
    ensurePainted();
    owner()->update();
    for (PaintBox* s : owner()->m_sharers)
        s->update();
}

void PaintBox::showDrawn()
{
    const QRect drawn = m_canvas.surface().takeDrawn();
    if (drawn.isEmpty())
        return;
    owner()->update(drawn);
    for (PaintBox* s : owner()->m_sharers)
        s->update(drawn);
}

void PaintBox::ensurePainted()
{
    if (owner()->m_dirty)
        owner()->paintSurface();
}

void PaintBox::releaseSurface()
{
    owner()->m_canvas.surface().release();
    owner()->m_dirty = true;
}

void PaintBox::paintSurface()
{
    m_dirty = false;
    // A fresh surface shows the window's background, as the window erases
    // itself before its drawing surfaces paint.
    const QColor background = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : Qt::white;
    m_canvas.surface().fill(background);
    const WindowHost* host = WindowHost::of(window());
    const Font font = host ? host->windowFont() : Font();
    auto paintOne = [&](PaintBox* box) {
        if (!box->m_onPaint)
            return;
        box->m_canvas.startPaint(font, background);
        runGuarded(box->m_onPaint);
    };
    paintOne(this);
    for (PaintBox* s : m_sharers)
        paintOne(s);
}

void PaintBox::paintEvent(QPaintEvent* e)
{
    ensurePainted();
    QPainter p(this);
    const QRect area = e->rect();
    const QImage& image = m_canvas.surface().image();
    const qreal dpr = image.devicePixelRatio();
    p.drawImage(area, image,
                QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
    // The focus mark, a dotted frame that inverts what lies under it so that
    // it shows on any colour, lies over the picture on the screen only: the
    // surface, and so the copied picture, stays as drawn.
    if (m_focusMark && hasFocus()) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PaintBox::setOnClick(std::function<void()> handler)
{
    m_onClick = std::move(handler);
    setFocusPolicy(m_onClick ? Qt::TabFocus : Qt::NoFocus);
}

void PaintBox::keyPressEvent(QKeyEvent* e)
{
    const bool activates = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (activates && m_onClick && m_focusMark && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat())
            runWindowHandler(this, m_onClick);
        return;
    }
    QWidget::keyPressEvent(e);
}

void PaintBox::focusInEvent(QFocusEvent* e)
{
    // Only a box that the keyboard moved to shows the mark and takes keys: a
    // window that gives its first Tab stop the focus on opening leaves the
    // picture untouched.
    m_focusMark = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason ||
                  e->reason() == Qt::ShortcutFocusReason;
    update();
    QWidget::focusInEvent(e);
}

bool PaintBox::focusNextPrevChild(bool next)
{
    const bool moved = QWidget::focusNextPrevChild(next);
    // The window's only Tab stop keeps the focus, and now shows it.
    if (hasFocus() && !m_focusMark) {
        m_focusMark = true;
        update();
    }
    return moved;
}

void PaintBox::focusOutEvent(QFocusEvent* e)
{
    m_focusMark = false;
    update();
    QWidget::focusOutEvent(e);
}

void PaintBox::mousePressEvent(QMouseEvent* e)
{
    if (m_onMouseDown) {
        const QPoint at = e->position().toPoint();
        runWindowHandler(this, [this, button = e->button(), at] { m_onMouseDown(button, at); });
    }
}

void PaintBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && m_onClick)
        runWindowHandler(this, m_onClick);
}

}
