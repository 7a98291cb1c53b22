#include "window_host.h"

#include "errors.h"

#include <QObject>

namespace tk {

WindowHost* WindowHost::of(QObject* object) { return dynamic_cast<WindowHost*>(object); }

const WindowHost* WindowHost::of(const QObject* object) { return dynamic_cast<const WindowHost*>(object); }

void runWindowHandler(const QObject* inside, const std::function<void()>& handler)
{
    for (QObject* o = const_cast<QObject*>(inside); o; o = o->parent())
        if (WindowHost* host = WindowHost::of(o)) {
            host->runHandler(handler);
            return;
        }
    runGuarded(handler);
}

}
