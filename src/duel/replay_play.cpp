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
    }
}
}  // namespace

ReplayRun PlayReplay(const Replay& replay, bool wallClockPace) {
    host::VirtualScheduler time;
    time.setRealPace(wallClockPace);
    auto previousDraws = host::installRandomSource(std::make_unique<host::SeededRandom>(replay.seed, replay.reseeds));

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
    // An input goes in at its moment, after as many of the duel's ticks as it
    // came after: several timers and an input can share a millisecond. Should
    // the ticks not come as counted (a duel recorded in real time, whose
    // timers ticked late), it goes in at the latest when its millisecond has
    // passed, so no input is lost.
    size_t next = 0;
    auto handDue = [&] {
        const uint32_t now = host::Clock() - ReplayClockStart();
        while (next < replay.events.size() &&
               (replay.events[next].t < now ||
                (replay.events[next].t == now && replay.events[next].ticks <= ReplayTicks())))
            Hand(replay.events[next++]);
    };
    SetReplayTickHook(handDue);
    for (const ReplayEvent& e : replay.events) {
        time.at(start + e.t, handDue);
        time.at(start + e.t + 1, handDue);
    }
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

    run.recording = LastReplay;
    if (const ReplayRead again = ParseReplay(LastReplay); again.replay && again.replay->end)
        run.end = *again.replay->end;
    run.matches = run.finished && (!replay.end || *replay.end == run.end);
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
    if (!run.matches) {
        std::printf("note: the file recorded another end (%s, %d)\n", read.replay->end->won ? "won" : "lost",
                    read.replay->end->score);
    }
    return 0;
}
