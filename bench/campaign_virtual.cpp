// campaign_virtual_s: the real seconds it takes to play one whole campaign in
// virtual time: a new game at ノーマル through both castles and the passage to
// the ending, with the scripted player on the keyboard and the roulette spun
// at every group, exactly as the end-to-end test plays it.
#include "app/state.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/virtual_time.h"
#include "support/campaign_run.h"

#include <QApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform complains at every window raised; only the
    // metric belongs on the output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    QTemporaryDir config;
    host::setSettingsPath(config.filePath(QStringLiteral("settings.ini")));
    host::setProgramFolder(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR));
    host::VirtualScheduler time;
    // The seed the end-to-end test plays with, whose run reaches the ending.
    host::installRandomSource(std::make_unique<host::SeededRandom>(12345));
    MesSheetPicture = LoadPicture(DataFileName("Data", 5));
    HandCursor = LoadPicture(DataFileName("Data", 11));
    PlayKeys = {83, 68, 90, 88, 67, 86};
    InputDevice = 1;
    MesTime = 3;
    SoundOn = true;
    MusicOn = false;

    const auto t0 = std::chrono::steady_clock::now();
    campaign_run::NewGame(1, 0);
    const campaign_run::Run run = campaign_run::Play(time, AutoPlayer::Style{true, 250, 40});
    const auto t1 = std::chrono::steady_clock::now();
    std::fprintf(stderr, "# %zu duels, %s at stage %d with %d points, %.0f virtual minutes\n", run.steps.size(),
                 StageNo == 17 ? "ending" : "game over", StageNo, TotalPoint, time.elapsed() / 60000.0);
    std::printf("campaign_virtual_s %.2f s\n", std::chrono::duration<double>(t1 - t0).count());
    return StageNo == 17 ? 0 : 1;
}
