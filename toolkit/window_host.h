#pragma once

#include "fonts.h"

#include <functional>

class QObject;

namespace tk {

// What a window offers the controls, paint boxes and timers inside it: it
// runs their handlers (guarded, then its bindings refreshed) and gives its
// drawings their font. The window (tk::Form) implements it; the parts inside
// know only this, so they do not depend on the window's class.
class WindowHost {
public:
    virtual void runHandler(const std::function<void()>& handler) = 0;
    virtual const Font& windowFont() const = 0;

    // The host that `object` is, or null.
    static WindowHost* of(QObject* object);
    static const WindowHost* of(const QObject* object);

protected:
    ~WindowHost() = default;
};

// Runs a handler of the window that `inside` belongs to through that window's
// runHandler; outside any window, only guarded.
void runWindowHandler(const QObject* inside, const std::function<void()>& handler);

}
