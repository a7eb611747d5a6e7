#include "media/sound_font.h"

#include "app/state.h"
#include "platform/audio_engine.h"
#include "platform/settings_store.h"

void ApplySoundFontOption() {
    QString path = host::GetSetting(kAppName, QStringLiteral("Option"), kSoundFontKey);
    audio::AudioEngine::instance().setSoundFontPath(path.toStdString());
}
