#include "media/effects.h"

#include "app/data_files.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "app/wait.h"
#include "platform/audio_engine.h"
#include "platform/audio_output.h"
#include "platform/program_folder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// Enough for the longest sound the decoder keeps at any rate and format; a
// larger file (or a link to a device that never ends) is read only this far.
constexpr qint64 kMaxWaveFileBytes = 64 << 20;
// The sounds that come back again and again (cards, buttons) last well under
// half a second; longer ones accompany a scene once. Decoded they take 8
// bytes a frame, so a long one is not kept: decoding it again is quick.
constexpr size_t kLongestKeptFrames = audio::kSampleRate / 2;

struct CachedWave {
    QDateTime modified;
    qint64 size = -1;
    std::shared_ptr<const audio::Wave> wave;
};

// The same few effects sound again and again; decoding each once keeps the
// time from the call to the first sample short.
std::shared_ptr<const audio::Wave> loadWave(const QString& file) {
    static QHash<QString, CachedWave> cache;
    QFileInfo info(file);
    if (!info.isFile()) return nullptr;
    QString key = info.absoluteFilePath();
    auto it = cache.find(key);
    if (it != cache.end() && it->modified == info.lastModified() && it->size == info.size()) return it->wave;
    QFile f(key);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    // Read as much as there is: read(n) would first reserve n bytes.
    QByteArray bytes = f.read(std::min(f.size(), kMaxWaveFileBytes));
    CachedWave entry{
        info.lastModified(), info.size(),
        audio::DecodeWave(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()))};
    if (!entry.wave || entry.wave->frames() > kLongestKeptFrames) return entry.wave;
    if (cache.size() > 64) cache.clear();
    cache.insert(key, entry);
    return entry.wave;
}

}  // namespace

bool SndPlaySound(const QString& file, uint32_t flags) {
    audio::AudioEngine& engine = audio::AudioEngine::instance();
    if (file.isEmpty()) {
        engine.stopWave();
        return true;
    }
    audio::EnsureOutput();
    const bool async = flags & SND_ASYNC;
    const bool loop = flags & SND_LOOP;
    if (loop && !async) return false;
    std::shared_ptr<const audio::Wave> wave = loadWave(file);
    if (!wave) {
        if (flags & SND_NODEFAULT) {
            engine.stopWave();
            return false;
        }
        wave = audio::DefaultSound();
    }
    engine.playWave(wave, loop);
    if (!async) WaitMs(static_cast<int32_t>(wave->lengthMs()));
    return true;
}

void PlayEffect(int32_t n) {
    if (!SoundOn) return;
    host::ChDirProgram();
    SndPlaySound(DataFileName("bData", n), SND_ASYNC);
}
