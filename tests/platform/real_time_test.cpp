// The real scheduler on Qt's event loop: the waits a handler enters must still
// let the other timers tick, as they do in virtual time. These run in real
// milliseconds, so they use short intervals and check order, never duration.
#include "app/wait.h"
#include "platform/scheduler.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

using host::Timer;

namespace {

struct WaitCase {
    const char* name;
    // Waits inside the opener's tick; `modal` is the window a modal wait shows.
    std::function<void(QWidget& modal)> wait;
};

class RealTimeNestedWait : public ::testing::TestWithParam<WaitCase> {};

TEST_P(RealTimeNestedWait, OtherTimersTickInsideAWaitEnteredFromATick) {
    QWidget modal;
    bool waited = false;
    bool closerTicked = false;
    // Enabled inside the opener's tick, the worst case for planning the wake-up.
    Timer closer(nullptr, 20, [&] {
        closer.setEnabled(false);
        closerTicked = true;
        modal.hide();
    });
    Timer opener(nullptr, 5, [&] {
        opener.setEnabled(false);
        closer.setEnabled(true);
        GetParam().wait(modal);
        waited = true;
    });
    // Should the closer never tick, this ends the wait so that the test fails instead of hanging.
    QTimer::singleShot(10000, &modal, [&] { modal.hide(); });
    opener.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return waited; }, 20000));
    EXPECT_TRUE(closerTicked);
}

INSTANTIATE_TEST_SUITE_P(Waits, RealTimeNestedWait,
                         ::testing::Values(WaitCase{"ModalWindow", [](QWidget& w) { host::RunModal(&w); }},
                                           WaitCase{"WaitMs", [](QWidget&) { WaitMs(60); }}),
                         [](const auto& info) { return std::string(info.param.name); });

// As in virtual time, a call deferred inside a wait keeps until the wait and
// the handler around it have returned to the event loop.
TEST(RealTime, ADeferredCallRunsOnceTheWaitAndItsHandlerHaveReturned) {
    std::vector<std::string> log;
    Timer inner(nullptr, 5, [&] {
        inner.setEnabled(false);
        host::Defer([&] { log.push_back("deferred"); });
    });
    Timer outer(nullptr, 5, [&] {
        outer.setEnabled(false);
        inner.setEnabled(true);
        WaitMs(40);
        log.push_back("wait over");
        host::DoEvents();
        log.push_back("handler ends");
    });
    outer.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 3; }, 10000));
    const std::vector<std::string> expected{"wait over", "handler ends", "deferred"};
    EXPECT_EQ(log, expected);
}

}  // namespace
