#pragma once
// Virtual time for tests and headless play. Nothing sleeps: waits and modal
// windows move the virtual clock forward themselves, timers fire in time order,
// and tests schedule input at chosen moments ("at 8 500 ms, release key Z").
#include "platform/scheduler.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace host {

class VirtualScheduler : public Scheduler {
public:
    // `start` is the clock's starting value (tests of wrapping start near 2^32).
    explicit VirtualScheduler(uint64_t start = 1'000'000);
    ~VirtualScheduler() override;

    uint64_t now() const override;
    void doEvents() override;
    void sleepUntil(uint64_t target) override;
    void waitUntil(const std::function<bool()>& done) override;

    // Lets at least `ms` milliseconds pass, ticking timers and running scheduled
    // actions in order, with window events handled between them.
    void advance(uint64_t ms);
    // Runs `action` when the clock reaches `at` (absolute) or after `ms`.
    void at(uint64_t at, std::function<void()> action);
    void after(uint64_t ms, std::function<void()> action) { at(now_ + ms, std::move(action)); }
    // Milliseconds since this scheduler was installed.
    uint64_t elapsed() const { return now_ - start_; }
    // A wait that sees nothing left to happen, or runs longer than this, is a
    // fault in the test or the game; it stops the process with a message
    // instead of hanging.
    void setWaitLimit(uint64_t ms) { waitLimit_ = ms; }
    // Keeps the virtual clock from running ahead of the wall clock: a replay
    // watched in a window plays at the speed it was played, while its timers
    // still tick at the very moments they tick headless.
    void setRealPace(bool on);

    // A loaded machine, for tests of what real time does to the game: every
    // wake-up for a due timer comes `lateMs()` late (the timers due by then
    // tick once each, so a short timer loses ticks, as on the host), and every
    // read of the clock inside a tick or an action sees `readMs()` more pass,
    // as a handler that works for a while would. Empty functions: no load.
    struct Load {
        std::function<uint64_t()> lateMs;
        std::function<uint64_t()> readMs;
    };
    void setLoad(Load load) { load_ = std::move(load); }

private:
    struct Action {
        uint64_t at;
        uint64_t seq;
        std::function<void()> fn;
    };
    void pumpEvents();
    // Moves to the next due timer or action at or before `limit`; false if none.
    bool step(uint64_t limit);
    // Handles events and due timers until the clock has passed `target`.
    void run(uint64_t target);
    void waitForWallClock(uint64_t virtualMs);

    uint64_t start_;
    mutable uint64_t now_;  // a loaded clock moves as it is read
    std::vector<Action> actions_;
    uint64_t waitLimit_ = 6ull * 3600 * 1000;
    int depth_ = 0;      // timer ticks and scheduled actions running now
    int gameWaits_ = 0;  // waits entered by game code (DoEvents, WaitMs, modal windows)
    Scheduler* previous_ = nullptr;
    bool realPace_ = false;
    uint64_t paceFrom_ = 0;      // the virtual time the pace started at
    uint64_t paceWallFrom_ = 0;  // and the wall clock's, in ms
    Load load_;
    uint64_t lateDeadline_ = UINT64_MAX;  // the timers' deadline the late wake-up is for
    uint64_t lateWake_ = 0;               // and when it comes
};

}  // namespace host
