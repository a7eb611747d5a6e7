// A practice duel recorded on the real event loop, for checking by hand that
// a duel played in real time (late ticks and all, on a busy machine) replays
// to the same end:
//   bench_replay_realtime --record FILE [KEYBOARD_THINK_MS HIT_MS]
// plays the duel with the scripted player on the keys, writes its replay to
// FILE and prints its result and score; `vantrax --replay FILE [--headless]`
// then plays it back. Without arguments it does nothing (scripts/bench).
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "bench_game.h"
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "--record") != 0) {
        std::fprintf(stderr, "# replay_realtime records a duel with --record FILE, for a check by hand\n");
        return 0;
    }
    QApplication app(argc, argv);
    QTemporaryDir config;
    SetUpBenchGame(config);
    GameMode = 0;  // nobody to hand back to: the duel ends with its window
    const int think = argc >= 5 ? std::atoi(argv[3]) : 250;
    const int hit = argc >= 5 ? std::atoi(argv[4]) : 70;

    StartDuel(QStringLiteral("試合相手"), 28, 50, 50, 50, 3);
    VantraForm* f = Forms::Find<VantraForm>();
    if (!f) return 1;
    AutoPlayer player(*f, AutoPlayer::Style{true, think, hit});
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop] {
        if (!Forms::IsLoaded<VantraForm>()) loop.quit();
    });
    poll.start(100);
    loop.exec();
    // The hand-back runs deferred, once no wait is running.
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();

    const DuelOutcome outcome = LastDuelOutcome();
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (LastReplay.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(LastReplay) != LastReplay.size()) {
        std::fprintf(stderr, "# the replay could not be written\n");
        return 1;
    }
    std::printf("result: %s\nscore: %d\n", outcome.won ? "won" : "lost", outcome.score);
    return 0;
}
