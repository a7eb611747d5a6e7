#include "duel/replay_play.h"

#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "duel/replay_record.h"
#include "duel/vantra_form.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/virtual_time.h"

#include <QWidget>
#include <cstdio>
#include <memory>
#include <optional>

namespace {
void Hand(const ReplayEvent& e) {
    VantraForm* f = Forms::Find<VantraForm>();
    if (!f) return;
    switch (e.kind) {
        case ReplayInput::Key:
            f->Form_KeyUp(static_cast<int16_t>(e.a), static_cast<int16_t>(e.b));
            break;
        case ReplayInput::Click:
            f->Image1_Click(e.a);
            break;
        case ReplayInput::Drop:
            f->Image1_DragDrop(e.a, e.b);
            break;
        case ReplayInput::Hit:
            f->Picture5_MouseUp(e.a, 0, 0, 0);
            break;
        case ReplayInput::Tick:
        case ReplayInput::Clock:
            break;  // not the player's
    }
}

// Version 2: every event at its recorded moment and in its recorded order. The
// duel's timers are held, so none ticks but where the recording ticked it.
// One event is scheduled at a time, the next once it has run: events of the
// same millisecond keep their order, and the scheduler's list stays short.
class AsRecorded {
public:
    AsRecorded(host::VirtualScheduler& time, const Replay& replay, uint64_t start)
        : time_(time), replay_(replay), start_(start) {
        if (VantraForm* f = Forms::Find<VantraForm>())
            for (int n = 0; n < kReplayTimers; ++n) f->duelTimer(n)->setHeld(true);
        scheduleNext();
    }
    // A recorded tick whose timer was not counting: the duel went another way.
    bool diverged = false;

private:
    void scheduleNext() {
        while (next_ < replay_.events.size() && replay_.events[next_].kind == ReplayInput::Clock) ++next_;
        if (next_ < replay_.events.size()) time_.at(start_ + replay_.events[next_].t, [this] { playNext(); });
    }
    void playNext() {
        const ReplayEvent& e = replay_.events[next_++];
        if (e.kind == ReplayInput::Tick) {
            VantraForm* f = Forms::Find<VantraForm>();
            host::Timer* t = f ? f->duelTimer(e.a) : nullptr;
            if (!t || !t->tickNow()) diverged = true;
        } else {
            Hand(e);
        }
        scheduleNext();
    }

    host::VirtualScheduler& time_;
    const Replay& replay_;
    uint64_t start_;
    size_t next_ = 0;
};

// Version 1 holds the inputs only: the timers tick at their ideal moments
// and an input goes in at its moment, after as many of the duel's ticks as it
// came after (several timers and an input can share a millisecond). Should
// the ticks not come as counted (a duel recorded in real time, whose timers
// ticked late), it goes in at the latest when its millisecond has passed, so
// no input is lost.
void PlayInputsOnly(host::VirtualScheduler& time, const Replay& replay, uint64_t start) {
    auto next = std::make_shared<size_t>(0);
    auto handDue = [&replay, next] {
        const uint32_t now = host::Clock() - ReplayClockStart();
        while (*next < replay.events.size() &&
               (replay.events[*next].t < now ||
                (replay.events[*next].t == now && replay.events[*next].ticks <= ReplayTicks())))
            Hand(replay.events[(*next)++]);
    };
    SetReplayTickHook(handDue);
    for (const ReplayEvent& e : replay.events) {
        time.at(start + e.t, handDue);
        time.at(start + e.t + 1, handDue);
    }
}
}  // namespace

ReplayRun PlayReplay(const Replay& replay, bool wallClockPace) {
    host::VirtualScheduler time;
    time.setRealPace(wallClockPace);
    auto previousDraws = host::installRandomSource(std::make_unique<host::SeededRandom>(replay.seed, replay.reseeds));
    const bool asRecorded = replay.version >= 2;
    if (asRecorded) {
        std::vector<uint32_t> reads;
        for (const ReplayEvent& e : replay.events)
            if (e.kind == ReplayInput::Clock) reads.push_back(e.t);
        SetReplayClockReads(std::move(reads));
    }

    InputDevice = static_cast<int16_t>(replay.inputDevice);
    for (size_t i = 0; i < replay.keys.size(); ++i) PlayKeys[i] = static_cast<int16_t>(replay.keys[i]);
    StageNo = static_cast<int16_t>(replay.stageNo);
    GameMode = static_cast<uint8_t>(replay.gameMode);
    StartDuel(replay.foeName, static_cast<int16_t>(replay.face), replay.paramA, replay.paramB, replay.paramC,
              static_cast<int16_t>(replay.music));
    // The mode chose the portrait; the hand-back must go nowhere, or a
    // campaign duel's replay would open the map.
    GameMode = 0;
    const uint64_t start = time.now() - static_cast<uint32_t>(host::Clock() - ReplayClockStart());
    std::optional<AsRecorded> recorded;
    if (asRecorded)
        recorded.emplace(time, replay, start);
    else
        PlayInputsOnly(time, replay, start);
    // A player who stops playing can leave a duel that never ends; a file
    // that holds no more than that is played for an hour and then given up.
    const uint64_t giveUp = time.now() + kReplayGiveUpMs;
    while (Forms::IsLoaded<VantraForm>() && time.now() < giveUp) time.advance(1000);
    SetReplayTickHook({});
    ReplayRun run;
    if (VantraForm* f = Forms::Find<VantraForm>()) {
        run.finished = false;
        f->Unload();
    }
    time.advance(0);  // the hand-back
    SetReplayClockReads(std::nullopt);

    run.recording = LastReplay;
    if (const ReplayRead again = ParseReplay(LastReplay); again.replay && again.replay->end)
        run.end = *again.replay->end;
    run.asRecorded = !recorded || !recorded->diverged;
    run.matches = run.finished && run.asRecorded && (!replay.end || *replay.end == run.end);
    host::installRandomSource(std::move(previousDraws));
    return run;
}

int ReplayCommand(const QString& path, bool headless) {
    const ReplayRead read = ReadReplayFile(path);
    if (!read.replay) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(read.error));
        if (!headless) host::ShowMessageBox(read.error, QStringLiteral("Vantrax リプレイ"), host::MsgIcon::Critical);
        return 1;
    }
    // Watched, the duel sits in a window of its own size; headless, nothing is
    // on any screen.
    std::unique_ptr<QWidget> stage;
    if (!headless) {
        stage = std::make_unique<QWidget>();
        stage->setWindowTitle(QStringLiteral("Vantrax リプレイ - %1").arg(read.replay->foeName));
        stage->setFixedSize(640, 480);
        stage->setStyleSheet(QStringLiteral("background: black"));
        Forms::setHost(stage.get());
        stage->show();
    }
    const ReplayRun run = PlayReplay(*read.replay, !headless);
    Forms::setHost(nullptr);
    if (!run.finished) {
        std::printf("result: unfinished (no end within an hour)\n");
        return 1;
    }
    std::printf("result: %s\nscore: %d\n", run.end.won ? "won" : "lost", run.end.score);
    if (!run.asRecorded) std::printf("note: the duel did not go as recorded (a tick came to a stopped timer)\n");
    if (!run.matches && read.replay->end) {
        std::printf("note: the file recorded another end (%s, %d)\n", read.replay->end->won ? "won" : "lost",
                    read.replay->end->score);
    }
    return 0;
}
