#include "platform/virtual_time.h"

#include "platform/timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace host {

VirtualScheduler::VirtualScheduler(uint64_t start) : start_(start), now_(start) {
    previous_ = installScheduler(this);
}

VirtualScheduler::~VirtualScheduler() {
    installScheduler(previous_);
}

void VirtualScheduler::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Unloaded windows are destroyed only when the test itself lets time pass:
    // any wait of the game's may still be running inside one of their handlers,
    // even one a test called directly.
    if (depth_ != 0 || gameWaits_ != 0) return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Deferred calls run here too, after the windows unloaded before them are gone.
    if (hasDeferred()) {
        ++depth_;
        runDeferred();
        --depth_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

uint64_t VirtualScheduler::now() const {
    if (load_.readMs && depth_ > 0) now_ += load_.readMs();
    return now_;
}

bool VirtualScheduler::step(uint64_t limit) {
    Timer* t = queue_.nextDue();
    uint64_t tAt = t ? t->deadline() : UINT64_MAX;
    if (t && load_.lateMs) {
        // One late wake-up per due moment, kept while other steps come first.
        if (lateDeadline_ != tAt) {
            lateDeadline_ = tAt;
            lateWake_ = std::max(now_, tAt + load_.lateMs());
        }
        tAt = lateWake_;
    }
    auto a = std::min_element(actions_.begin(), actions_.end(), [](const Action& x, const Action& y) {
        return x.at < y.at || (x.at == y.at && x.seq < y.seq);
    });
    uint64_t aAt = a != actions_.end() ? a->at : UINT64_MAX;
    uint64_t next = std::min(tAt, aAt);
    if (next == UINT64_MAX || next > limit) return false;
    if (realPace_) waitForWallClock(next);
    now_ = std::max(now_, next);
    if (aAt <= tAt && a != actions_.end()) {
        auto fn = std::move(a->fn);
        actions_.erase(a);
        ++depth_;
        fn();
        --depth_;
    } else {
        ++depth_;
        queue_.fireDue(now_);
        --depth_;
    }
    pumpEvents();
    return true;
}

namespace {
uint64_t WallMs() {
    static QElapsedTimer wall = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<uint64_t>(wall.elapsed());
}
}  // namespace

void VirtualScheduler::setRealPace(bool on) {
    realPace_ = on;
    paceFrom_ = now_;
    paceWallFrom_ = WallMs();
}

void VirtualScheduler::waitForWallClock(uint64_t virtualMs) {
    if (virtualMs <= paceFrom_) return;
    const uint64_t due = paceWallFrom_ + (virtualMs - paceFrom_);
    for (uint64_t wall = WallMs(); wall < due; wall = WallMs()) {
        // Sleeps in Qt's loop, so the window is painted and moved meanwhile.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::min<uint64_t>(due - wall, 50)), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

void VirtualScheduler::doEvents() {
    ++gameWaits_;
    pumpEvents();
    uint64_t target = now_ + 1;
    while (step(target)) {
    }
    now_ = std::max(now_, target);
    --gameWaits_;
}

void VirtualScheduler::run(uint64_t target) {
    pumpEvents();
    while (step(target + 1)) {
    }
    now_ = std::max(now_, target + 1);
    pumpEvents();
}

void VirtualScheduler::sleepUntil(uint64_t target) {
    ++gameWaits_;
    run(target);
    --gameWaits_;
}

void VirtualScheduler::advance(uint64_t ms) {
    if (ms == 0)
        pumpEvents();
    else
        run(now_ + ms - 1);
}

void VirtualScheduler::waitUntil(const std::function<bool()>& done) {
    const uint64_t limit = now_ + waitLimit_;
    ++gameWaits_;
    pumpEvents();
    while (!done()) {
        if (!step(limit)) {
            std::fprintf(stderr, "virtual time: a wait can never end (nothing is scheduled, or %llu ms passed)\n",
                         static_cast<unsigned long long>(waitLimit_));
            std::abort();
        }
    }
    --gameWaits_;
}

void VirtualScheduler::at(uint64_t when, std::function<void()> action) {
    actions_.push_back(Action{std::max(when, now_), queue_.nextSeq(), std::move(action)});
}

}  // namespace host
