#include "media/music.h"

#include "app/state.h"
#include "media/mci.h"
#include "platform/audio_engine.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

void PlayMusic(int16_t n) {
    if (!MusicOn) return;
    host::ChDirProgram();
    const QString num = QString::number(n);
    // The two blanks before "type" and "alias" are how the game has always
    // written this command.
    MciSend(QStringLiteral("open cData") + num + QStringLiteral("._vx  type sequencer  alias CX") + num, false);
    MciPlay(QStringLiteral("CX") + num, false, QStringLiteral("0"), QString(), true);
}

void StopMusic(int16_t n) {
    if (!MusicOn) return;
    MciClose(QStringLiteral("CX") + QString::number(n), false);
}

void ApplySoundFontOption() {
    QString path = host::GetSetting(kAppName, QStringLiteral("Option"), kSoundFontKey);
    audio::AudioEngine::instance().setSoundFontPath(path.toStdString());
}
