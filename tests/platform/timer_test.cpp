#include "platform/timer.h"
#include "platform/virtual_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::Timer;
using host::VirtualScheduler;

namespace {

// Ticks are recorded as virtual milliseconds since the scheduler started.
struct Recorder {
    VirtualScheduler& vt;
    std::vector<std::string> log;
    void tick(const char* name) { log.push_back(std::string(name) + "@" + std::to_string(vt.elapsed())); }
};

struct Step {
    const char* what;
    uint64_t at;  // elapsed ms at which the action runs
    std::function<void(Timer&)> action;
};

struct Case {
    const char* name;
    int32_t interval;
    std::vector<Step> steps;
    uint64_t runUntil;
    std::vector<std::string> expected;
};

class TimerSemantics : public ::testing::TestWithParam<Case> {};

TEST_P(TimerSemantics, TicksWhenExpected) {
    const Case& c = GetParam();
    VirtualScheduler vt;
    Recorder rec{vt, {}};
    Timer t(nullptr, c.interval, [&] { rec.tick("t"); });
    for (const Step& s : c.steps) vt.at(vt.now() + s.at, [&t, &s] { s.action(t); });
    vt.advance(c.runUntil);
    EXPECT_EQ(rec.log, c.expected) << c.name;
}

auto enable = [](Timer& t) { t.setEnabled(true); };
auto disable = [](Timer& t) { t.setEnabled(false); };
auto interval = [](int32_t ms) { return [ms](Timer& t) { t.setInterval(ms); }; };

INSTANTIATE_TEST_SUITE_P(
    Cases, TimerSemantics,
    ::testing::Values(
        Case{"created disabled", 100, {}, 500, {}},
        Case{"enabling starts a full interval", 100, {{"on", 30, enable}}, 350, {"t@130", "t@230", "t@330"}},
        Case{"a different interval restarts the countdown",
             100,
             {{"on", 0, enable}, {"200", 80, interval(200)}},
             500,
             {"t@280", "t@480"}},
        Case{"the same interval does not restart it",
             1200,
             {{"on", 0, enable}, {"same", 1000, interval(1200)}, {"same", 1100, interval(1200)}},
             2500,
             {"t@1200", "t@2400"}},
        Case{"disabling cancels the countdown", 100, {{"on", 0, enable}, {"off", 150, disable}}, 500, {"t@100"}},
        Case{"re-enabling starts afresh",
             100,
             {{"on", 0, enable}, {"off", 150, disable}, {"on", 170, enable}},
             400,
             {"t@100", "t@270", "t@370"}},
        Case{"interval 0 never ticks", 0, {{"on", 0, enable}}, 500, {}},
        Case{"setting an interval on a disabled timer does not start it", 100, {{"50", 10, interval(50)}}, 300, {}}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(TimerOrder, TimersDueTogetherTickInTheOrderTheirCountdownsStarted) {
    VirtualScheduler vt;
    std::vector<std::string> log;
    Timer b(nullptr, 100, [&] { log.push_back("b"); });
    Timer a(nullptr, 100, [&] { log.push_back("a"); });
    b.setEnabled(true);
    a.setEnabled(true);
    vt.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
}

TEST(TimerOrder, ATickHandlerIsNotReenteredButOtherTimersTickInsideItsWait) {
    VirtualScheduler vt;
    std::vector<std::string> log;
    int depth = 0, maxDepth = 0;
    Timer other(nullptr, 100, [&] { log.push_back("other@" + std::to_string(vt.elapsed())); });
    Timer slow(nullptr, 100, [&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        log.push_back("slow@" + std::to_string(vt.elapsed()));
        if (log.size() == 1) vt.sleepUntil(vt.now() + 350);  // a wait inside the handler
        --depth;
    });
    slow.setEnabled(true);
    other.setEnabled(true);
    vt.advance(600);
    EXPECT_EQ(maxDepth, 1);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "slow@100");
    EXPECT_EQ(log[1], "other@100");  // due together with slow, ticks inside slow's wait
    EXPECT_EQ(log[2], "other@200");
    EXPECT_EQ(log[3], "other@300");
}

TEST(TimerOrder, AHandlerMayDestroyItsOwnTimer) {
    VirtualScheduler vt;
    int ticks = 0;
    auto* t = new Timer(nullptr, 50);
    t->setOnTick([&] {
        ++ticks;
        delete t;
    });
    t->setEnabled(true);
    vt.advance(300);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerOwner, DisablingAllOwnedTimers) {
    VirtualScheduler vt;
    QObject owner;
    int ticks = 0;
    auto* t1 = new Timer(&owner, 10, [&] { ++ticks; });
    auto* t2 = new Timer(&owner, 10, [&] { ++ticks; });
    t1->setEnabled(true);
    t2->setEnabled(true);
    Timer::disableAllOwnedBy(&owner);
    vt.advance(100);
    EXPECT_EQ(ticks, 0);
}

}  // namespace

TEST(TimerHeld, AHeldTimerTicksOnlyWhenTickedAndThenCountsFromThere) {
    VirtualScheduler vt;
    std::vector<std::string> log;
    Timer held(nullptr, 100, [&] { log.push_back("held@" + std::to_string(vt.elapsed())); });
    Timer free(nullptr, 100, [&] { log.push_back("free@" + std::to_string(vt.elapsed())); });
    held.setEnabled(true);
    free.setEnabled(true);
    held.setHeld(true);
    vt.advance(250);
    EXPECT_TRUE(held.tickNow());
    EXPECT_EQ(held.deadline(), vt.now() + 100) << "re-armed from the tick";
    held.setEnabled(false);
    EXPECT_FALSE(held.tickNow()) << "a stopped timer does not tick";
    held.setEnabled(true);
    held.setHeld(false);
    vt.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"free@100", "free@200", "held@250", "free@300", "held@350"}));
}

TEST(TimerLoad, ALoadedClockTicksLateAndFoldsAShortTimersTicks) {
    // Every wake-up 25 ms late: a 10 ms timer ticks once per wake-up, from
    // where it woke.
    VirtualScheduler vt;
    vt.setLoad(VirtualScheduler::Load{[] { return uint64_t{25}; }, {}});
    std::vector<uint64_t> at;
    Timer t(nullptr, 10, [&] { at.push_back(vt.elapsed()); });
    t.setEnabled(true);
    vt.advance(120);
    EXPECT_EQ(at, (std::vector<uint64_t>{35, 70, 105}));
}
