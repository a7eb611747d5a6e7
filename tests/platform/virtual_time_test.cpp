#include "platform/virtual_time.h"
#include "app/forms.h"
#include "app/wait.h"
#include "platform/scheduler.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

using host::Timer;
using host::VirtualScheduler;

namespace {

TEST(VirtualTime, ClockIs32BitAndWraps) {
    VirtualScheduler vt((1ull << 32) - 10);
    EXPECT_EQ(host::Clock(), 0xFFFFFFF6u);
    vt.advance(20);
    EXPECT_EQ(host::Clock(), 10u);
}

TEST(VirtualTime, WaitMsLetsTimeAndTimersPass) {
    VirtualScheduler vt;
    int ticks = 0;
    Timer t(nullptr, 100, [&] { ++ticks; });
    t.setEnabled(true);
    uint64_t before = vt.now();
    WaitMs(1000);
    EXPECT_GT(vt.now(), before + 1000);
    EXPECT_EQ(ticks, 10);
}

TEST(VirtualTime, WaitMsZeroHandlesEventsOnce) {
    VirtualScheduler vt;
    QWidget w;
    bool handled = false;
    QObject::connect(
        &w, &QObject::objectNameChanged, &w, [&] { handled = true; }, Qt::QueuedConnection);
    w.setObjectName(QStringLiteral("x"));
    EXPECT_FALSE(handled);
    WaitMs(0);
    EXPECT_TRUE(handled);
}

TEST(VirtualTime, DoEventsLetsAtLeastOneMillisecondPass) {
    VirtualScheduler vt;
    uint64_t before = vt.now();
    host::DoEvents();
    EXPECT_GE(vt.now(), before + 1);
}

// A modal window opened from a timer tick: the tick waits for it while another
// timer keeps ticking, and scheduled input closes it.
class ModalProbe : public GameForm {
public:
    bool isDialog() const override { return true; }
};

TEST(VirtualTime, ModalWindowFromATimerTickWithScheduledInput) {
    VirtualScheduler vt;
    int otherTicks = 0;
    uint64_t closedAt = 0, returnedAt = 0;
    Timer other(nullptr, 100, [&] { ++otherTicks; });
    Timer opener(nullptr, 500, [&] {
        opener.setEnabled(false);
        vt.after(750, [&] {
            closedAt = vt.elapsed();
            Forms::Find<ModalProbe>()->Unload();
        });
        Forms::Get<ModalProbe>().ShowModal();
        returnedAt = vt.elapsed();
    });
    other.setEnabled(true);
    opener.setEnabled(true);
    vt.advance(2000);
    EXPECT_EQ(closedAt, 1250u);
    EXPECT_EQ(returnedAt, 1250u);
    EXPECT_EQ(otherTicks, 20);
    EXPECT_FALSE(Forms::IsLoaded<ModalProbe>());
}

TEST(VirtualTime, NestedWaitsInsideAHandlerThatOtherTimersInterrupt) {
    VirtualScheduler vt;
    std::vector<std::string> log;
    Timer fast(nullptr, 100, [&] { log.push_back("fast@" + std::to_string(vt.elapsed())); });
    Timer outer(nullptr, 250, [&] {
        outer.setEnabled(false);
        log.push_back("outer-in@" + std::to_string(vt.elapsed()));
        WaitMs(300);
        log.push_back("outer-out@" + std::to_string(vt.elapsed()));
    });
    fast.setEnabled(true);
    outer.setEnabled(true);
    vt.advance(700);
    std::vector<std::string> expected{"fast@100", "fast@200",      "outer-in@250", "fast@300", "fast@400",
                                      "fast@500", "outer-out@551", "fast@600",     "fast@700"};
    EXPECT_EQ(log, expected);
}

// A handler that unloads its own window and then waits must still be able to
// touch the window afterwards, even when a test called it directly.
class SelfUnloading : public GameForm {
public:
    bool stillAliveAfterWait = false;
    void closeAndWait() {
        QPointer<SelfUnloading> self(this);
        Unload();
        host::DoEvents();
        WaitMs(10);
        stillAliveAfterWait = !self.isNull();
        lastResult = stillAliveAfterWait;
    }
    static inline bool lastResult = false;
};

TEST(VirtualTime, AWindowUnloadedInsideAHandlerLivesUntilTheHandlerHasReturned) {
    VirtualScheduler vt;
    QPointer<SelfUnloading> w = &Forms::Get<SelfUnloading>();
    w->closeAndWait();
    EXPECT_TRUE(SelfUnloading::lastResult);
    EXPECT_FALSE(Forms::IsLoaded<SelfUnloading>());
    vt.advance(1);
    EXPECT_TRUE(w.isNull());
}

// A call deferred from inside a wait runs once the wait and the handler that
// entered it have returned, after the window that handler unloaded is gone.
TEST(VirtualTime, ADeferredCallWaitsForTheWaitsAndHandlersAroundIt) {
    VirtualScheduler vt;
    std::vector<std::string> log;
    QPointer<SelfUnloading> w = &Forms::Get<SelfUnloading>();
    Timer inner(nullptr, 10, [&] {
        inner.setEnabled(false);
        host::Defer([&] {
            log.push_back(w.isNull() ? "deferred, window gone" : "deferred, window still there");
            host::Defer([&] { log.push_back("deferred by a deferred call"); });
        });
    });
    Timer outer(nullptr, 5, [&] {
        outer.setEnabled(false);
        inner.setEnabled(true);
        WaitMs(50);
        log.push_back("wait over");
        w->Unload();
        log.push_back("handler ends");
    });
    outer.setEnabled(true);
    vt.advance(100);
    const std::vector<std::string> expected{"wait over", "handler ends", "deferred, window gone",
                                            "deferred by a deferred call"};
    EXPECT_EQ(log, expected);
}

TEST(VirtualTime, ScheduledKeyInputReachesTheWidget) {
    VirtualScheduler vt;
    struct KeyProbe : QWidget {
        std::vector<std::pair<uint64_t, int>> released;
        VirtualScheduler* vt = nullptr;
        void keyReleaseEvent(QKeyEvent* e) override { released.emplace_back(vt->elapsed(), e->key()); }
    } w;
    w.vt = &vt;
    w.show();
    vt.at(vt.now() + 8500, [&] { QTest::keyRelease(&w, Qt::Key_Z); });
    vt.advance(9000);
    ASSERT_EQ(w.released.size(), 1u);
    EXPECT_EQ(w.released[0].first, 8500u);
    EXPECT_EQ(w.released[0].second, Qt::Key_Z);
}

}  // namespace
