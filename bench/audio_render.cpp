// How fast the mixer renders compared with real time, with the duel tracks
// and the maps' looping effect playing.
//   audio_render_realtime_factor: seconds of stereo audio per second of CPU
#include "app/data_files.h"
#include "platform/audio_engine.h"
#include "platform/audio_wave.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

std::vector<uint8_t> dataFile(const char* prefix, int n) {
    QFile f(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR "/") + DataFileName(prefix, n));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray b = f.readAll();
    return std::vector<uint8_t>(b.begin(), b.end());
}

double cpuSeconds() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    audio::AudioEngine engine;
    engine.startLoading();
    if (!engine.waitForSoundFont()) {
        std::fprintf(stderr, "no SoundFont\n");
        return 1;
    }
    auto wave = audio::DecodeWave(dataFile("bData", 2));
    if (!wave) {
        std::fprintf(stderr, "data files missing\n");
        return 1;
    }
    // Every duel track of the campaign in turn, 20 seconds each, under the
    // maps' looping count-up sound; 1 024 frames a call, about what the
    // sound card asks for at a time.
    const int tracks[] = {4, 13, 5, 6, 7, 8, 14, 15, 18, 19, 16, 17, 12};
    const int block = 1024;
    std::vector<float> out(block * 2);
    double rendered = 0, cpu = 0;
    for (int track : tracks) {
        std::vector<uint8_t> midi = dataFile("cData", track);
        auto info = audio::ReadMidiInfo(midi);
        if (!info) {
            std::fprintf(stderr, "cData%d missing\n", track);
            return 1;
        }
        engine.openSequence("music", midi, *info);
        engine.playSequence("music", 0.0, std::nullopt);
        engine.playWave(wave, true);
        const int calls = static_cast<int>(std::min(20.0, info->lengthMs() / 1000.0) * audio::kSampleRate / block);
        double t0 = cpuSeconds();
        for (int i = 0; i < calls; ++i) engine.render(out.data(), block);
        double spent = cpuSeconds() - t0;
        double seconds = static_cast<double>(calls) * block / audio::kSampleRate;
        std::fprintf(stderr, "# cData%d %.1f x\n", track, seconds / spent);
        rendered += seconds;
        cpu += spent;
        engine.closeSequence("music");
    }
    std::printf("audio_render_realtime_factor %.1f x\n", rendered / cpu);
    return 0;
}
