// From PlayEffect to the first non-zero sample leaving the mixer, through the
// output the game itself would use here: the sound card's QAudioSink with its
// buffer settings when a device exists, else the null output.
//   effect_latency_ms: median of 30 effects
//   effect_latency_max_ms: the slowest of them
#include "app/shared_procedures.h"
#include "app/state.h"
#include "platform/audio_engine.h"
#include "platform/audio_output.h"
#include "platform/program_folder.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    // The measurement is about the real output, whatever the caller asked for.
    qunsetenv("VANTRAX_AUDIO");
    QCoreApplication app(argc, argv);
    host::setProgramFolder(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR));
    SoundOn = true;

    std::atomic<bool> armed{false};
    std::atomic<int64_t> heardAt{0};
    audio::AudioEngine::instance().setRenderTap([&](const float* out, int frames) {
        if (!armed.load()) return;
        for (int i = 0; i < frames * 2; ++i)
            if (out[i] != 0.0f) {
                heardAt = Clock::now().time_since_epoch().count();
                armed = false;
                return;
            }
    });
    audio::EnsureOutput();
    std::fprintf(stderr, "# output: %s\n", audio::OutputDescription().c_str());

    std::mt19937 gen(7);
    std::uniform_int_distribution<int> pause(60, 180);
    std::vector<double> ms;
    for (int i = 0; i < 31; ++i) {
        audio::AudioEngine::instance().stopWave();
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(gen)));
        heardAt = 0;
        armed = true;
        auto t0 = Clock::now();
        PlayEffect(1 + i % 15);
        while (armed && Clock::now() - t0 < std::chrono::seconds(2))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (armed) {
            std::fprintf(stderr, "no sound reached the mixer\n");
            return 1;
        }
        if (i == 0) continue;  // the first one also reads the file
        ms.push_back(
            std::chrono::duration<double, std::milli>(Clock::duration(heardAt.load()) - t0.time_since_epoch()).count());
    }
    audio::StopOutput();
    std::sort(ms.begin(), ms.end());
    std::printf("effect_latency_ms %.1f ms\n", ms[ms.size() / 2]);
    std::printf("effect_latency_max_ms %.1f ms\n", ms.back());
    return 0;
}
