#pragma once
#include "platform/scheduler.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace host {

// Time on Qt's event loop: one precise single-shot QTimer is kept armed for the
// earliest due game timer, so an idle game does not wake up at all.
class RealScheduler : public QObject, public Scheduler {
    Q_OBJECT
public:
    RealScheduler();
    uint64_t now() const override;
    void doEvents() override;
    void sleepUntil(uint64_t target) override;
    void waitUntil(const std::function<bool()>& done) override;
    void timersChanged() override;

protected:
    void deferAdded() override;

private:
    void wake();
    // Runs the deferred calls from the event loop once no wait is running.
    void postFlush();
    // Counts a wait of the game's for as long as it runs.
    void enterWait() { ++waits_; }
    void leaveWait();
    int waits_ = 0;
    bool flushPosted_ = false;
    // Runs a nested wait with the wake-up armed for the timers due during it.
    void waitNested(const std::function<void()>& loop);
    QTimer wake_;
    std::chrono::steady_clock::time_point start_;
    bool planning_ = false;
};

}  // namespace host
