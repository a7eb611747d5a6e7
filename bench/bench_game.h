#pragma once
// The game a benchmark plays: its settings in `config` (a temporary folder, so
// no player's own are touched), the built data files as its program folder,
// made current, the keyboard as the duel's input on S D Z X C V, and sound
// and music off.
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QTemporaryDir>

inline void SetUpBenchGame(const QTemporaryDir& config) {
    host::setSettingsPath(config.filePath(QStringLiteral("settings.ini")));
    host::setProgramFolder(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR));
    host::ChDirProgram();
    PlayKeys = {83, 68, 90, 88, 67, 86};
    InputDevice = 1;
    SoundOn = false;
    MusicOn = false;
}
