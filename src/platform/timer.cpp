#include "platform/timer.h"

#include "platform/scheduler.h"

#include <algorithm>

namespace host {

Timer::Timer(QObject* owner, int32_t intervalMs, std::function<void()> onTick)
    : QObject(owner), onTick_(std::move(onTick)), interval_(std::max<int32_t>(0, intervalMs)) {}

Timer::~Timer() {
    *alive_ = false;
    disarm();
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on)
        arm();
    else
        disarm();
}

void Timer::setInterval(int32_t ms) {
    ms = std::max<int32_t>(0, ms);
    if (ms == interval_) return;  // the same interval must not restart a running countdown
    interval_ = ms;
    if (enabled_) arm();
}

void Timer::arm() {
    Scheduler& s = sched();
    if (interval_ <= 0) {
        disarm();
        return;
    }
    if (!armed_) s.queue().add(this);
    armed_ = true;
    deadline_ = s.now() + static_cast<uint64_t>(interval_);
    seq_ = s.queue().nextSeq();
    s.timersChanged();
}

void Timer::disarm() {
    if (!armed_) return;
    armed_ = false;
    Scheduler& s = sched();
    s.queue().remove(this);
    s.timersChanged();
}

void Timer::setHeld(bool on) {
    held_ = on;
    if (armed_) sched().timersChanged();
}

bool Timer::tickNow() {
    if (!armed_ || inTick_) return false;
    Scheduler& s = sched();
    s.queue().fire(this, s.now());
    s.timersChanged();
    return true;
}

void Timer::disableAllOwnedBy(QObject* owner) {
    if (!owner) return;
    for (Timer* t : owner->findChildren<Timer*>()) t->setEnabled(false);
}

void TimerQueue::add(Timer* t) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) timers_.push_back(t);
}

void TimerQueue::remove(Timer* t) {
    std::erase(timers_, t);
}

Timer* TimerQueue::nextDue() const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (t->inTick_ || t->held_) continue;
        if (!best || t->deadline_ < best->deadline_ || (t->deadline_ == best->deadline_ && t->seq_ < best->seq_))
            best = t;
    }
    return best;
}

int TimerQueue::fireDue(uint64_t now) {
    int fired = 0;
    for (;;) {
        Timer* t = nextDue();
        if (!t || t->deadline_ > now) break;
        fire(t, now);
        ++fired;
    }
    return fired;
}

void TimerQueue::fire(Timer* t, uint64_t now) {
    // The next countdown starts as this tick begins, as a window timer's does.
    t->deadline_ = now + static_cast<uint64_t>(t->interval_);
    t->seq_ = nextSeq();
    std::shared_ptr<bool> alive = t->alive_;
    t->inTick_ = true;
    if (t->onTick_) {
        auto tick = t->onTick_;  // the handler may replace or destroy the timer
        tick();
    }
    if (*alive) t->inTick_ = false;
}

}  // namespace host
