#pragma once

#include <QTimer>
#include <functional>

namespace tk {

// An animation timer. It fires precisely (Qt's default coarse timers end
// long intervals up to 5 % early, which stretches or shrinks a run's
// timeline), its handler runs guarded like every other handler (an error
// ends the tick and reaches the error box; the timer goes on), and after
// each tick the window's bindings are refreshed, so its items, timers and
// input follow the state the tick left.
class Timer : public QTimer {
    Q_OBJECT
public:
    Timer(QObject* parent, const QString& name, int interval, std::function<void()> onTimer);

    // Runs one tick now, as the event loop would: guarded, then refreshing.
    void fire();

private:
    std::function<void()> m_onTimer;
};

}
