// replay_headless_ms: the real milliseconds it takes to play one whole recorded
// duel back headless (read from its text, played in virtual time, the result
// and the score known). The duel is recorded first with the scripted player on
// the keyboard against practice level 2. The median of 9 playbacks.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "bench_game.h"
#include "duel/replay_format.h"
#include "duel/replay_play.h"
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/virtual_time.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VANTRAX_AUDIO", "null");
    QApplication app(argc, argv);
    QTemporaryDir config;
    SetUpBenchGame(config);
    GameMode = 0;  // nobody to hand back to: the duel ends with its window

    QByteArray recorded;
    {
        host::VirtualScheduler time;
        StartDuel(QStringLiteral("試合相手"), 28, 50, 50, 50, 3);
        AutoPlayer player(*Forms::Find<VantraForm>(), AutoPlayer::Style{true, 250, 40});
        time.waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
        time.advance(0);
        recorded = LastReplay;
    }

    std::vector<double> ms;
    for (int run = 0; run < 10; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        const ReplayRead read = ParseReplay(recorded);
        if (!read.replay) {
            std::fprintf(stderr, "the recorded duel does not read back: %s\n", qUtf8Printable(read.error));
            return 1;
        }
        const ReplayRun played = PlayReplay(*read.replay, false);
        const auto t1 = std::chrono::steady_clock::now();
        if (!played.matches) {
            std::fprintf(stderr, "the replay did not reach the recorded end\n");
            return 1;
        }
        if (run > 0) ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());  // the first warms up
        if (run == 0)
            std::fprintf(stderr, "# %zu events (inputs, ticks, clock readings), %s, score %d\n",
                         read.replay->events.size(), played.end.won ? "won" : "lost", played.end.score);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("replay_headless_ms %.1f ms\n", ms[ms.size() / 2]);
    return 0;
}
