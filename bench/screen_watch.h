#pragma once

// First pixels on an X screen, seen from outside the process that paints
// them: the X server's DAMAGE extension reports each area of the screen that
// drawing changed. A program has painted its window when an area of a given
// size has been drawn in one piece; the window manager's frame and a cursor
// are far smaller.
#include <QSize>
#include <memory>

namespace bench {

class ScreenWatch {
public:
    ScreenWatch(); // connects to $DISPLAY
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // Whether an X server with the DAMAGE extension is watched.
    bool watching() const;
    QSize screenSize() const;
    // Discards the reports until none has come for `quietMs`.
    void settle(int quietMs);
    // Waits for an area of at least `pixels` drawn in one piece and returns
    // the time it was reported (measure.h's clock), or -1 after `timeoutMs`.
    double waitForArea(long pixels, int timeoutMs);

private:
    struct Connection;
    std::unique_ptr<Connection> m_x;
};

}
