// The duel on the real event loop, on a real display (bench/duel_realtime.sh
// runs it under Xvfb):
// With VANTRAX_AUDIO=null the game plays to the null output; otherwise it
// must find a sound device (the script starts a private sound server), or the
// music figures would not be a player's.
//   --measure: duel_cpu_percent, the process's CPU time (all threads) over
//     20 s of a practice duel with nobody at the keys, from just after the
//     window shows: the countdown and then the opponent playing alone, with
//     music and effects on, as a player hears it; then key_to_card_ms, from a
//     key release to the card it draws being painted, the median of 31 draws.
//   --measure --music-off: duel_cpu_percent_music_off, the same 20 s with
//     music and effects off: the duel's own cost.
//   --rss: duel_rss_mb, the peak resident memory of the whole game, started
//     as at start-up (main window, backdrop, the opening, clicked away after
//     two seconds, then the title) and taken into a practice duel the way a
//     player goes: the practice window over the title, its second level, the
//     guide's greeting clicked away, then 20 s of the duel with music and
//     effects.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/startup.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "campaign/roster.h"
#include "duel/vantra_form.h"
#include "kit/duel_hands.h"
#include "platform/audio_output.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "scenes/opening_form.h"
#include "shell/p_main_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double PeakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;  // kilobytes on Linux
}
}  // namespace

// Provided by the shell: the windows the game opens at start-up.
StartupWindows GameStartupWindows();

int main(int argc, char** argv) {
    const bool measure = argc >= 2 && std::strcmp(argv[1], "--measure") == 0;
    const bool rss = argc >= 2 && std::strcmp(argv[1], "--rss") == 0;
    if (!measure && !rss) {
        std::fprintf(stderr, "# duel_realtime measures through bench/duel_realtime.sh, on a display\n");
        return 0;
    }
    const bool music = !(argc >= 3 && std::strcmp(argv[2], "--music-off") == 0);
    QApplication app(argc, argv);
    QTemporaryDir config;
    host::setSettingsPath(config.filePath(QStringLiteral("settings.ini")));
    host::setProgramFolder(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR));
    PlayKeys = {83, 68, 90, 88, 67, 86};
    InputDevice = 1;
    if (rss) {
        // Start as the game does, then take a player's way into a duel.
        if (!Main(GameStartupWindows())) {
            std::fprintf(stderr, "# the game did not start\n");
            return 1;
        }
        SoundOn = MusicOn = true;
        // The opening plays from its preloaded pictures; a player who has
        // seen it clicks it away and comes to the title, which unloads it.
        RunFor(2000);
        if (OpeningForm* o = Forms::Find<OpeningForm>()) o->Skip();
        RunFor(1000);
        // The practice window over the title, then its second level: the
        // guide's greeting waits for a click, as a player gives it.
        ShowPractice();
        RunFor(1000);
        QTimer::singleShot(1500, [] {
            if (MesForm* m = Forms::Find<MesForm>()) m->Form_Click();
        });
        Forms::Find<p_MainForm>()->Image1_Click(1);
    } else {
        SoundOn = music;
        MusicOn = music;
        GameMode = 0;
        StartDuel(GuideLine(), 28, 50, 50, 50, 3);
    }
    VantraForm* f = Forms::Find<VantraForm>();
    RunFor(300);  // mapped and painted once
    if (music) {
        std::fprintf(stderr, "# output: %s\n", audio::OutputDescription().c_str());
        if (qgetenv("VANTRAX_AUDIO") != "null" && audio::CurrentOutput() != audio::OutputKind::Device) {
            std::fprintf(stderr, "# no sound device: the figures would be the null output's\n");
            return 1;
        }
    }

    const double cpu0 = CpuSeconds();
    const auto t0 = Clock::now();
    RunFor(20000);
    const double cpu1 = CpuSeconds();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    if (rss) {
        std::printf("duel_rss_mb %.1f MB\n", PeakRssMb());
        return 0;
    }
    std::printf("%s %.2f %%\n", music ? "duel_cpu_percent" : "duel_cpu_percent_music_off",
                100.0 * (cpu1 - cpu0) / wall);
    std::fflush(stdout);
    if (!music) return 0;

    // Key to card: the opponent and the stall watch rest, place 1 is emptied
    // before each draw and the deck is never allowed to run out.
    f->eAvTimer.setEnabled(false);
    f->eHeadTimer.setEnabled(false);
    f->AgainTimer.setEnabled(false);
    CardImage* card = f->Image1[1];
    std::vector<double> ms;
    for (int i = 0; i < 32; ++i) {
        f->SetSlot(1, 0);
        f->MyCount = 26;
        RunFor(30);
        const uint64_t paintsBefore = card->paints();
        const auto k0 = Clock::now();
        duel_hands::ReleaseKey(PlayKeys[2]);
        while (card->paints() == paintsBefore && Clock::now() - k0 < std::chrono::seconds(2))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto k1 = Clock::now();
        if (card->paints() == paintsBefore || card->picture().isNull()) {
            std::fprintf(stderr, "# the drawn card was never painted\n");
            return 1;
        }
        if (i > 0) ms.push_back(std::chrono::duration<double, std::milli>(k1 - k0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("key_to_card_ms %.2f ms\n", ms[ms.size() / 2]);
    return 0;
}
