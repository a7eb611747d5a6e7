// duel_virtual_ms: the real milliseconds it takes to play one whole duel in
// virtual time, from StartDuel until the window has closed, with the scripted
// player on the keyboard against practice level 2. The median of 7 duels.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "bench_game.h"
#include "campaign/roster.h"
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
#include <ctime>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir config;
    SetUpBenchGame(config);
    GameMode = 0;  // nobody to hand back to: the duel ends with its window

    std::vector<double> ms;
    const int runs = qEnvironmentVariableIsSet("DUEL_RUNS") ? qEnvironmentVariableIntValue("DUEL_RUNS") : 8;
    for (int run = 0; run < runs; ++run) {
        host::VirtualScheduler time;
        host::installRandomSource(std::make_unique<host::SeededRandom>(100 + run));
        const auto t0 = std::chrono::steady_clock::now();
        const std::clock_t c0 = std::clock();
        StartDuel(GuideLine(), 28, 50, 50, 50, 3);
        VantraForm* f = Forms::Find<VantraForm>();
        AutoPlayer player(*f, AutoPlayer::Style{true, 250, 40});
        time.waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
        time.advance(0);
        const auto t1 = std::chrono::steady_clock::now();
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
        if (run > 0) ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());  // the first warms up
        std::fprintf(stderr, "# duel %d: %s in %.0f virtual s, %.1f ms (%.1f ms of CPU)\n", run,
                     LastDuelOutcome().won ? "won" : "lost", time.elapsed() / 1000.0,
                     std::chrono::duration<double, std::milli>(t1 - t0).count(), cpuMs);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("duel_virtual_ms %.1f ms\n", ms[ms.size() / 2]);
    return 0;
}
