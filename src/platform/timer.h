#pragma once
// Window timers as the game knows them. Every phase of the game is one of these,
// so they behave identically on the real event loop and in virtual time:
//  - created disabled; enabling starts a full interval;
//  - a different interval on an enabled timer restarts its countdown, the same
//    interval changes nothing (the opponent relies on that for slow paces);
//  - disabling cancels the countdown; an interval of 0 never ticks;
//  - a tick handler is never re-entered by its own timer, but other timers do
//    tick inside a nested wait;
//  - timers due at the same moment tick in the order their countdowns started.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

namespace host {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* owner = nullptr, int32_t intervalMs = 0, std::function<void()> onTick = {});
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    int32_t interval() const { return interval_; }
    void setInterval(int32_t ms);

    // True while the countdown is running (enabled with a non-zero interval).
    bool counting() const { return armed_; }
    // Milliseconds of the scheduler's 64-bit time base at which the next tick is due.
    uint64_t deadline() const { return deadline_; }

    // Disables every timer owned (directly or further down) by the given object.
    static void disableAllOwnedBy(QObject* owner);

    // A held timer keeps its countdown but never ticks by itself: whoever holds
    // it ticks it with tickNow() (a replay ticks the duel's timers exactly where
    // they ticked when it was recorded).
    void setHeld(bool on);
    bool held() const { return held_; }
    // Ticks at once, as if due now, and re-arms from now. Nothing happens when
    // the timer is not counting or is inside its own tick. True if it ticked.
    bool tickNow();

private:
    friend class TimerQueue;
    void arm();
    void disarm();

    std::function<void()> onTick_;
    bool enabled_ = false;
    int32_t interval_ = 0;
    bool armed_ = false;
    bool inTick_ = false;
    bool held_ = false;
    uint64_t deadline_ = 0;
    uint64_t seq_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace host
