#pragma once

// The end of a window's painting, seen from inside its process: the moment
// its widgets have painted and the result has gone to the window system,
// which is when the exposure or update request that made them paint returns.
// The bare window and the program are timed by the same watcher.
#include "measure.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace bench {

class PaintEnd : public QObject {
public:
    // Calls `painted` with the time each painting of `window` ends, until
    // the watcher is deleted.
    PaintEnd(QWidget* window, std::function<void(double)> painted)
        : PaintEnd([w = QPointer<QWidget>(window)](const QWidget* top) { return top == w; }, std::move(painted))
    {
    }
    // The same for every window for which `watched` holds.
    PaintEnd(std::function<bool(const QWidget*)> watched, std::function<void(double)> painted)
        : m_watched(std::move(watched)), m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            if (auto* w = qobject_cast<QWidget*>(watched); w && m_inside && m_watched(w->window()))
                m_sawPaint = true;
            return false;
        }
        if ((e->type() != QEvent::Expose && e->type() != QEvent::UpdateRequest) || m_inside)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isTopLevel() || !m_watched(widgetOf(window)))
            return false;
        // Delivered here, so that the time after it can be taken.
        m_inside = true;
        m_sawPaint = false;
        static_cast<QObject*>(watched)->event(e);
        m_inside = false;
        if (m_sawPaint)
            m_painted(now());
        return true;
    }

private:
    static const QWidget* widgetOf(const QWindow* window)
    {
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window)
                return w;
        return nullptr;
    }

    std::function<bool(const QWidget*)> m_watched;
    std::function<void(double)> m_painted;
    bool m_inside = false;
    bool m_sawPaint = false;
};

}
