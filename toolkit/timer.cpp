#include "timer.h"

#include "window_host.h"

namespace tk {

Timer::Timer(QObject* parent, const QString& name, int interval, std::function<void()> onTimer)
    : QTimer(parent), m_onTimer(std::move(onTimer))
{
    setObjectName(name);
    setTimerType(Qt::PreciseTimer);
    setInterval(interval);
    connect(this, &QTimer::timeout, this, &Timer::fire);
}

void Timer::fire() { runWindowHandler(this, m_onTimer); }

}
