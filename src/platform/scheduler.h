#pragma once
// The one place where time passes. Game code never touches QTimer, chrono clocks
// or sleep: it uses host::Timer, Clock(), DoEvents(), waits and modal windows,
// which all go through the installed scheduler. The real scheduler runs on Qt's
// event loop; the virtual one (virtual_time.h) lets tests play whole duels in
// milliseconds.
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace host {

class Timer;

// Keeps the armed timers in due order. Both schedulers share it, so the
// ordering and re-entry rules are the same in real and virtual time.
class TimerQueue {
public:
    void add(Timer* t);
    void remove(Timer* t);
    // The armed timer due first that may tick now (not inside its own tick, not
    // held), or null.
    Timer* nextDue() const;
    // Ticks every timer due at or before `now`, in order, re-arming each from `now`.
    // Returns the number of ticks handled.
    int fireDue(uint64_t now);
    // Ticks one timer now and re-arms it from `now`.
    void fire(Timer* t, uint64_t now);
    uint64_t nextSeq() { return ++seq_; }
    bool empty() const { return timers_.empty(); }

private:
    std::vector<Timer*> timers_;
    uint64_t seq_ = 0;
};

class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Milliseconds on a 64-bit base; Clock() is the low 32 bits of it.
    virtual uint64_t now() const = 0;
    // Handles what is pending once. In virtual time at least 1 ms passes.
    virtual void doEvents() = 0;
    // Handles events (at least once) until the clock has passed `target`.
    virtual void sleepUntil(uint64_t target) = 0;
    // Handles events and timers until `done` is true.
    virtual void waitUntil(const std::function<bool()>& done) = 0;
    // Called when a timer's countdown changed, so the wake-up can be re-planned.
    virtual void timersChanged() {}

    // Runs `fn` once every handler and every wait running now has returned, at
    // the outermost level of the event loop. Calls run in the order given.
    void defer(std::function<void()> fn) {
        deferred_.push_back(std::move(fn));
        deferAdded();
    }
    // Forgets the calls not run yet (the program is ending).
    void dropDeferred() { deferred_.clear(); }
    bool hasDeferred() const { return !deferred_.empty(); }

    TimerQueue& queue() { return queue_; }

protected:
    // A call was deferred: make sure the outermost level will run it.
    virtual void deferAdded() {}
    // Runs the deferred calls, including those they defer in turn.
    void runDeferred();

    TimerQueue queue_;

private:
    std::vector<std::function<void()>> deferred_;
};

// The installed scheduler; the real one unless a test installed a virtual one.
Scheduler& sched();
// Installs a scheduler and returns the previous one (null for the default).
Scheduler* installScheduler(Scheduler* s);

// The host's multimedia millisecond clock: 32 bits, wrapping.
uint32_t Clock();
// Handles pending window events once.
void DoEvents();
// Runs `fn` once the handler that calls this, whoever called that handler and
// every wait now running have returned (Scheduler::defer).
void Defer(std::function<void()> fn);
// Shows a window modally: the caller waits until it is hidden or destroyed,
// while timers of other windows keep running.
void RunModal(QWidget* w);

}  // namespace host
