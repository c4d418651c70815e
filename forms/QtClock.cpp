// Schedules on precise Qt timers.

#include "forms/QtClock.h"

#include <QTimer>

namespace forms {

QtClock::QtClock() = default;

QtClock::~QtClock()
{
    for (auto &[handle, timer] : timers_)
        delete timer;
}

Clock::Handle QtClock::startRepeating(int intervalMs, std::function<void()> tick)
{
    auto *timer = new QTimer;
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, std::move(tick));
    const Handle handle = next_++;
    timers_[handle] = timer;
    timer->start();
    return handle;
}

const QTimer *QtClock::timer(Handle handle) const
{
    const auto it = timers_.find(handle);
    return it == timers_.end() ? nullptr : it->second;
}

void QtClock::stop(Handle handle)
{
    const auto it = timers_.find(handle);
    if (it == timers_.end())
        return;
    QTimer *timer = it->second;
    timers_.erase(it);
    timer->stop();
    // The schedule may be stopped from inside its own timeout.
    timer->deleteLater();
}

} // namespace forms
