// The real clock on Qt's event loop: every schedule runs on a precise,
// repeating Qt timer of exactly the interval asked for, stops for good, and
// in real time never ticks before its interval has passed. The real-time
// checks bound only what load cannot break: a tick may come late, never
// early, and a stopped schedule never ticks again.

#include "forms/QtClock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

// Runs the event loop until `done` holds or `limitMs` have passed.
void runUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
}

QPointer<QTimer> watch(const QTimer *timer)
{
    return QPointer<QTimer>(const_cast<QTimer *>(timer));
}

} // namespace

TEST(QtClock, EveryScheduleRunsOnAPreciseRepeatingTimerOfTheIntervalGiven)
{
    forms::QtClock clock;
    for (int interval : { 1, 200, 400, 1000, 60000 }) {
        SCOPED_TRACE(interval);
        const forms::Clock::Handle handle = clock.startRepeating(interval, [] {});
        const QTimer *timer = clock.timer(handle);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_FALSE(timer->isSingleShot());
        EXPECT_TRUE(timer->isActive());
    }
}

TEST(QtClock, StoppingEndsTheScheduleAndTheClockLeavesNoTimerBehind)
{
    QPointer<QTimer> stopped;
    QPointer<QTimer> running;
    {
        forms::QtClock clock;
        const forms::Clock::Handle a = clock.startRepeating(200, [] {});
        const forms::Clock::Handle b = clock.startRepeating(200, [] {});
        EXPECT_NE(a, b);
        stopped = watch(clock.timer(a));
        running = watch(clock.timer(b));

        clock.stop(a);
        EXPECT_EQ(clock.timer(a), nullptr);
        ASSERT_FALSE(stopped.isNull());
        EXPECT_FALSE(stopped->isActive());
        // Stopping again, or a handle never given, changes nothing.
        clock.stop(a);
        clock.stop(0);
        clock.stop(b + 100);
        EXPECT_NE(clock.timer(b), nullptr);
        EXPECT_TRUE(running->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(stopped.isNull());
    }
    EXPECT_TRUE(running.isNull());
}

TEST(QtClock, InRealTimeTicksComeNoEarlierThanTheirIntervalAndStopForGood)
{
    constexpr int kInterval = 100;
    forms::QtClock clock;
    QElapsedTimer since;
    std::vector<qint64> at; // nanoseconds from just before the start
    forms::Clock::Handle handle = 0;
    since.start();
    handle = clock.startRepeating(kInterval, [&] {
        at.push_back(since.nsecsElapsed());
        // Stopped from inside its own third tick.
        if (at.size() == 3)
            clock.stop(handle);
    });
    runUntil([&] { return at.size() >= 3; }, 10000);
    ASSERT_EQ(at.size(), 3u) << "the schedule did not tick three times within 10 s";
    for (size_t k = 0; k < at.size(); ++k) {
        // The k-th tick is due (k + 1) intervals after the start; allow one
        // millisecond for the two clocks' rounding.
        const qint64 due = static_cast<qint64>(k + 1) * kInterval * 1000000;
        EXPECT_GE(at[k], due - 1000000) << "tick " << k + 1 << " came " << (due - at[k]) / 1e6 << " ms early";
    }
    // Stopped: nothing more, however long it waits.
    runUntil([] { return false; }, 3 * kInterval);
    EXPECT_EQ(at.size(), 3u);
    EXPECT_EQ(clock.timer(handle), nullptr);
}
