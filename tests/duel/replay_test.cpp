// A duel's replay: recorded while it is played, played again to the same
// table, result and score, and refused when it is newer or damaged.
#include "duel/replay_format.h"
#include "duel/replay_play.h"
#include "duel_fixture.h"
#include "kit/auto_player.h"
#include "platform/random.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <random>

namespace {

// Plays a replay in a shown window in virtual time, as `--replay` does on screen.
ReplayRun PlayInAWindow(const Replay& replay) {
    QWidget stage;
    stage.resize(640, 480);
    Forms::setHost(&stage);
    stage.show();
    const ReplayRun run = PlayReplay(replay, false);
    Forms::setHost(nullptr);
    return run;
}

struct Player {
    const char* name;
    bool keyboard;
    int32_t thinkMs, hitMs;
    int16_t stage;  // beyond stage 10 the opponent may power up
    int a, b, c;
};

// The same duel in the present format: the ticks and the clock readings too.
QByteArray SoundWithTicks() {
    return "vantrax-replay 2\n"
           "seed 77 0\n"
           "mode 255 1\n"
           "foe 28 50 50 50 3 案内人 ミラ\n"
           "device 1\n"
           "keys 83 68 90 88 67 86\n"
           "tick 2000 0\n"
           "tick 4000 0\n"
           "clock 4001\n"
           "key 5000 2 90 0\n"
           "tick 5000 2\n"
           "end 0 100 20 0 0 0 0 0 0 0 0 0 0 0\n";
}

// What a version 1 file held of a recording: the inputs alone.
Replay InputsOnly(Replay r) {
    r.version = 1;
    std::erase_if(r.events,
                  [](const ReplayEvent& e) { return e.kind == ReplayInput::Tick || e.kind == ReplayInput::Clock; });
    return r;
}

// A small version 1 replay the refusals below start from.
QByteArray Sound() {
    return "vantrax-replay 1\n"
           "seed 77 0\n"
           "mode 255 1\n"
           "foe 28 50 50 50 3 案内人 ミラ\n"
           "device 1\n"
           "keys 83 68 90 88 67 86\n"
           "key 5000 40 90 0\n"
           "key 5300 44 83 0\n"
           "end 0 100 20 0 0 0 0 0 0 0 0 0 0 0\n";
}

class ReplayTest : public DuelTest, public ::testing::WithParamInterface<Player> {
protected:
    // Plays a whole duel with the scripted player and the game's own clock
    // draws, as a player would, and returns its replay.
    QByteArray playAndRecord(const Player& p) {
        host::installRandomSource(nullptr);
        InputDevice = p.keyboard ? 1 : 0;
        StageNo = p.stage;
        GameMode = 0;  // nobody to hand back to
        StartDuel(QStringLiteral("試合相手"), 3, p.a, p.b, p.c, 3);
        VantraForm* f = Forms::Find<VantraForm>();
        EXPECT_NE(f, nullptr);
        AutoPlayer player(*f, AutoPlayer::Style{p.keyboard, p.thinkMs, p.hitMs});
        time->waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
        advance(10);
        EXPECT_TRUE(player.sawResult);
        return LastReplay;
    }
};

TEST_P(ReplayTest, PlaysBackToTheSameTableResultAndScoreHeadlessAndInAWindow) {
    const QByteArray recorded = playAndRecord(GetParam());
    const DuelOutcome outcome = LastDuelOutcome();
    const ReplayRead read = ParseReplay(recorded);
    ASSERT_TRUE(read.replay) << qPrintable(read.error) << "\n" << recorded.constData();
    ASSERT_TRUE(read.replay->end);
    EXPECT_EQ(read.replay->end->won, outcome.won);
    EXPECT_EQ(read.replay->end->score, outcome.score);
    EXPECT_GT(read.replay->events.size(), 10u) << "the player's inputs are in it";

    // The options and the draws the player had are not the replay's business.
    InputDevice = 1 - InputDevice;
    PlayKeys = {65, 66, 67, 68, 69, 70};
    host::installRandomSource(std::make_unique<host::SeededRandom>(999));

    const ReplayRun headless = PlayReplay(*read.replay, false);
    EXPECT_TRUE(headless.matches);
    EXPECT_EQ(headless.end, *read.replay->end);
    // Played again, the duel records the very same inputs at the same moments.
    EXPECT_EQ(headless.recording, recorded);

    const ReplayRun windowed = PlayInAWindow(*read.replay);
    EXPECT_TRUE(windowed.matches);
    EXPECT_EQ(windowed.recording, recorded);
}

TEST_F(ReplayTest, AnOldFileLosesNoInputWhenTheTicksDoNotComeAsCounted) {
    // A version 1 file of a duel played in real time: the host's timers
    // ticked late, so its inputs cannot all find their recorded place among
    // the ticks again.
    const ReplayRead read = ParseReplay(playAndRecord(Player{"keys", true, 250, 70, 1, 50, 50, 50}));
    ASSERT_TRUE(read.replay);
    Replay late = InputsOnly(*read.replay);
    for (ReplayEvent& e : late.events) e.ticks += 1000000;
    const ReplayRun run = PlayReplay(late, false);
    const ReplayRead again = ParseReplay(run.recording);
    ASSERT_TRUE(again.replay);
    size_t handed = 0;
    for (const ReplayEvent& e : again.replay->events)
        handed += e.kind != ReplayInput::Tick && e.kind != ReplayInput::Clock && e.t <= late.events.back().t + 1;
    EXPECT_EQ(handed, late.events.size());
}

// A busy machine: the timers' wake-ups come late by varying amounts (a few
// ms mostly, now and then a stall of up to a tenth of a second, in which a
// short timer's ticks fold into one), and the clock moves on while a handler
// works. Seeded, so the duel as played is the same on every run.
class LateClockTest : public ReplayTest {
protected:
    QByteArray playLoaded(uint32_t seed) {
        auto rng = std::make_shared<std::mt19937>(seed);
        time->setLoad(host::VirtualScheduler::Load{[rng] {
                                                       const uint32_t r = (*rng)() % 100;
                                                       return r < 80   ? uint64_t{r % 4}
                                                              : r < 95 ? uint64_t{5 + r % 20}
                                                                       : uint64_t{40 + (*rng)() % 80};
                                                   },
                                                   [rng] { return uint64_t{(*rng)() % 8 == 0 ? 1u : 0u}; }});
        const QByteArray recorded = playAndRecord(Player{"keys", true, 250, 70, 1, 50, 50, 50});
        time->setLoad({});
        return recorded;
    }
};

TEST_F(LateClockTest, ADuelPlayedOnABusyMachineReplaysToTheSameEndHeadlessAndInAWindow) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const QByteArray recorded = playLoaded(seed);
        const DuelOutcome outcome = LastDuelOutcome();
        const ReplayRead read = ParseReplay(recorded);
        ASSERT_TRUE(read.replay) << qPrintable(read.error);
        ASSERT_TRUE(read.replay->end);
        EXPECT_EQ(read.replay->end->score, outcome.score);

        const ReplayRun headless = PlayReplay(*read.replay, false);
        EXPECT_TRUE(headless.asRecorded);
        EXPECT_TRUE(headless.matches);
        EXPECT_EQ(headless.end, *read.replay->end);
        EXPECT_EQ(headless.recording, recorded) << "every tick, input and reading again, as it came";

        const ReplayRun windowed = PlayInAWindow(*read.replay);
        EXPECT_TRUE(windowed.matches);
        EXPECT_EQ(windowed.recording, recorded);
    }
}

TEST_F(LateClockTest, TheInputsAloneDoNotBringSuchADuelBack) {
    // Why the ticks are recorded: with its timers at their ideal moments the
    // same inputs play another duel.
    int differ = 0;
    for (uint32_t seed : {1u, 2u, 3u}) {
        const ReplayRead read = ParseReplay(playLoaded(seed));
        ASSERT_TRUE(read.replay);
        const ReplayRun old = PlayReplay(InputsOnly(*read.replay), false);
        differ += !old.matches || old.end.table != read.replay->end->table;
    }
    EXPECT_GT(differ, 0);
}

INSTANTIATE_TEST_SUITE_P(Players, ReplayTest,
                         ::testing::Values(Player{"keys", true, 250, 70, 1, 50, 50, 50},
                                           Player{"mouse", false, 300, 100, 3, 60, 40, 70},
                                           Player{"late_stage_keys", true, 180, 60, 14, 90, 90, 90}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReplayTest, AReplayWhoseDuelNeverEndsIsGivenUpNotCrashedOn) {
    // A sound file of a player who never touched a card: the opponent alone
    // cannot end the duel.
    QByteArray idle = Sound();
    idle.replace("key 5000 40 90 0\nkey 5300 44 83 0\n", "");
    const ReplayRead read = ParseReplay(idle);
    ASSERT_TRUE(read.replay) << qPrintable(read.error);
    const ReplayRun run = PlayReplay(*read.replay, false);
    EXPECT_FALSE(run.finished);
    EXPECT_FALSE(run.matches);
    EXPECT_FALSE(Forms::IsLoaded<VantraForm>());
}

TEST(ReplayFormat, WritesWhatItReads) {
    const ReplayRead read = ParseReplay(Sound());
    ASSERT_TRUE(read.replay) << qPrintable(read.error);
    EXPECT_EQ(read.replay->foeName, QStringLiteral("案内人 ミラ"));
    EXPECT_EQ(read.replay->version, 1);
    EXPECT_EQ(WriteReplay(*read.replay), Sound()) << "an old file stays in its own format";
    const ReplayRead ticks = ParseReplay(SoundWithTicks());
    ASSERT_TRUE(ticks.replay) << qPrintable(ticks.error);
    ASSERT_EQ(ticks.replay->events.size(), 5u);
    EXPECT_EQ(ticks.replay->events[1], (ReplayEvent{4000, 0, ReplayInput::Tick, 0, 0}));
    EXPECT_EQ(ticks.replay->events[2], (ReplayEvent{4001, 0, ReplayInput::Clock, 0, 0}));
    EXPECT_EQ(WriteReplay(*ticks.replay), SoundWithTicks());
    QByteArray crlf = Sound();
    crlf.replace("\n", "\r\n");
    EXPECT_TRUE(ParseReplay(crlf).replay) << "a file that went through another system's editor";
}

TEST(ReplayFormat, RefusesNewerDamagedAndForeignFiles) {
    struct Case {
        const char* what;
        QByteArray from, to;  // `to` replaces `from` in the sound file; with no `from`, `to` is the whole file
        const char* message;
    };
    const Case cases[] = {
        {"newer format", "vantrax-replay 1", "vantrax-replay 3", "新しい版"},
        {"a tick in a version 1 file", "key 5000 40 90 0", "tick 5000 2", "7 行目"},
        {"empty file", "", "", "リプレイファイルではありません"},
        {"another file", "", "[nr_vantra\\option]\nmestime=3\n", "リプレイファイルではありません"},
        {"a line missing", "keys 83 68 90 88 67 86\n", "", "壊れて"},
        {"unknown line", "key 5000 40 90 0", "jump 5000", "7 行目"},
        {"time runs back", "key 5300", "key 4000", "8 行目"},
        {"negative time", "key 5000", "key -1", "7 行目"},
        {"ticks run back", "key 5300 44", "key 5300 39", "8 行目"},
        {"card image out of range", "key 5000 40 90 0", "drop 5000 40 11 1", "7 行目"},
        {"face out of range", "foe 28", "foe 29", "4 行目"},
        {"parameter beyond a byte", "foe 28 50", "foe 28 256", "4 行目"},
        {"key line twice", "device 1\n", "device 1\ndevice 0\n", "6 行目"},
        {"text in a number", "seed 77 0", "seed 7x7 0", "2 行目"},
        {"overflowing seed", "seed 77 0", "seed 99999999999999999999 0", "2 行目"},
        {"input after the end", "0 0 0 0\n", "0 0 0 0\nkey 6000 50 90 0\n", "10 行目"},
        {"table card beyond the deck", "end 0 100 20 0 0", "end 0 100 20 0 53", "9 行目"},
        {"name not UTF-8", "案内人", QByteArray("\xff\xfe", 2), "4 行目"},
    };
    for (const Case& c : cases) {
        QByteArray bytes = Sound();
        if (c.from.isEmpty())
            bytes = c.to;
        else
            bytes.replace(c.from, c.to);
        ASSERT_NE(bytes, Sound()) << c.what << ": the case changes nothing";
        const ReplayRead read = ParseReplay(bytes);
        EXPECT_FALSE(read.replay) << c.what;
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.message))) << c.what << ": " << qPrintable(read.error);
    }
    const Case withTicks[] = {
        {"newer format", "vantrax-replay 2", "vantrax-replay 3", "新しい版"},
        {"no such timer", "tick 5000 2", "tick 5000 10", "11 行目"},
        {"a tick without its timer", "tick 5000 2", "tick 5000", "11 行目"},
        {"a tick before the input it followed", "tick 5000 2", "tick 4999 2", "11 行目"},
        {"a reading that runs back", "clock 4001", "clock 3999", "9 行目"},
        {"a reading with a timer", "clock 4001", "clock 4001 2", "9 行目"},
    };
    for (const Case& c : withTicks) {
        QByteArray bytes = SoundWithTicks();
        bytes.replace(c.from, c.to);
        ASSERT_NE(bytes, SoundWithTicks()) << c.what << ": the case changes nothing";
        const ReplayRead read = ParseReplay(bytes);
        EXPECT_FALSE(read.replay) << c.what;
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.message))) << c.what << ": " << qPrintable(read.error);
    }
}

TEST(ReplayFormat, RefusesWhatIsNoFileOrTooLarge) {
    QTemporaryDir dir;
    EXPECT_FALSE(ReadReplayFile(dir.path()).replay) << "a folder";
    EXPECT_FALSE(ReadReplayFile(dir.filePath(QStringLiteral("none.txt"))).replay) << "a missing file";
    QFile big(dir.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(Sound());
    big.write(QByteArray(kReplayMaxBytes, '\n'));
    big.close();
    const ReplayRead read = ReadReplayFile(big.fileName());
    EXPECT_FALSE(read.replay);
    EXPECT_TRUE(read.error.contains(QStringLiteral("大きすぎます")));
}

// The program itself: a recorded duel played headless prints the result and
// the score it was recorded with; a damaged file is refused, not crashed on.
class ReplayCommandTest : public DuelTest {};

TEST_F(ReplayCommandTest, PlaysARecordedDuelHeadlessAndRefusesADamagedOne) {
    host::installRandomSource(nullptr);
    GameMode = 0;
    StartDuel(QStringLiteral("試合相手"), 5, 40, 40, 40, 3);
    AutoPlayer player(*Forms::Find<VantraForm>(), AutoPlayer::Style{true, 250, 70});
    time->waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
    advance(10);
    const DuelOutcome outcome = LastDuelOutcome();

    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("duel.txt"));
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    QFile g(good), b(bad);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
    g.write(LastReplay);
    b.write(LastReplay.left(LastReplay.size() / 2) + "\x01\x02 garbage\n");
    g.close();
    b.close();

    const QString program = QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/vantrax");
    auto run = [&](const QString& file) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(program, {QStringLiteral("--replay"), file, QStringLiteral("--headless")});
        EXPECT_TRUE(p.waitForFinished(60000));
        return std::make_tuple(p.exitStatus(), p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                               QString::fromUtf8(p.readAllStandardError()));
    };
    // Named from the folder it is in, as a player types it in a shell.
    const auto [goodStatus, goodCode, goodOut, goodErr] = run(QStringLiteral("duel.txt"));
    EXPECT_EQ(goodStatus, QProcess::NormalExit);
    EXPECT_EQ(goodCode, 0) << qPrintable(goodErr);
    EXPECT_EQ(goodOut, QStringLiteral("result: %1\nscore: %2\n")
                           .arg(outcome.won ? QStringLiteral("won") : QStringLiteral("lost"))
                           .arg(outcome.score));

    const auto [badStatus, badCode, badOut, badErr] = run(bad);
    EXPECT_EQ(badStatus, QProcess::NormalExit) << "refused, not crashed";
    EXPECT_EQ(badCode, 1);
    EXPECT_TRUE(badErr.contains(QStringLiteral("壊れている"))) << qPrintable(badErr);
}

}  // namespace
