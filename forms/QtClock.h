#pragma once
// Clock on Qt's event loop: one precise QTimer per schedule, so a 200 ms
// tick arrives within a millisecond or two of its time.

#include "forms/Clock.h"

#include <map>
#include <memory>

class QTimer;

namespace forms {

class QtClock final : public Clock
{
public:
    QtClock();
    ~QtClock() override;
    Handle startRepeating(int intervalMs, std::function<void()> tick) override;
    void stop(Handle handle) override;

    // The Qt timer behind a running schedule; null for a stopped or unknown
    // handle. Read-only, for tests.
    const QTimer *timer(Handle handle) const;

private:
    Handle next_ = 1;
    std::map<Handle, QTimer *> timers_;
};

} // namespace forms
