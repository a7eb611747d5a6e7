#include "platform/real_time.h"

#include "platform/timer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>
#include <algorithm>

namespace host {

namespace {
// Offset the clock so that it does not start at zero: code that reads it must
// not rely on small values, just as with the host's clock after a long uptime.
constexpr uint64_t kClockBase = 1'000'000;
}  // namespace

RealScheduler::RealScheduler() : start_(std::chrono::steady_clock::now()) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, this, [this] { wake(); });
}

uint64_t RealScheduler::now() const {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
    return kClockBase + static_cast<uint64_t>(ms.count());
}

void RealScheduler::wake() {
    // While timers tick, their handlers may re-time many timers; the wake-up is
    // planned once afterwards. A wait inside a handler plans for itself.
    const bool outer = planning_;
    planning_ = true;
    queue_.fireDue(now());
    planning_ = outer;
    if (!outer) timersChanged();
}

void RealScheduler::timersChanged() {
    if (planning_) return;
    Timer* next = queue_.nextDue();
    if (!next) {
        wake_.stop();
        return;
    }
    uint64_t t = now();
    int delay = next->deadline() > t ? static_cast<int>(std::min<uint64_t>(next->deadline() - t, 1u << 30)) : 0;
    wake_.start(delay);
}

void RealScheduler::deferAdded() {
    postFlush();
}

void RealScheduler::postFlush() {
    if (flushPosted_) return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushPosted_ = false;
            // Inside a wait the calls keep: the wait's end posts the flush again.
            if (waits_ == 0) runDeferred();
        },
        Qt::QueuedConnection);
}

void RealScheduler::leaveWait() {
    if (--waits_ == 0 && hasDeferred()) postFlush();
}

void RealScheduler::waitNested(const std::function<void()>& loop) {
    // A wait entered from a timer's tick must still let the other timers tick,
    // so the wake-up is armed now instead of after the tick.
    const bool outer = planning_;
    planning_ = false;
    timersChanged();
    enterWait();
    loop();
    leaveWait();
    planning_ = outer;
}

void RealScheduler::doEvents() {
    enterWait();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    wake();
    leaveWait();
}

void RealScheduler::sleepUntil(uint64_t target) {
    waitNested([&] {
        doEvents();
        for (uint64_t t = now(); t <= target; t = now()) {
            // Sleep in the event loop until something happens or the wait is over.
            QTimer deadline;
            deadline.setSingleShot(true);
            deadline.setTimerType(Qt::PreciseTimer);
            deadline.start(static_cast<int>(std::min<uint64_t>(target + 1 - t, 1u << 30)));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            wake();
        }
    });
}

void RealScheduler::waitUntil(const std::function<bool()>& done) {
    waitNested([&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
}

}  // namespace host
