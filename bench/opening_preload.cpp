// opening_preload_ms: the median time the opening takes to preload its 32
// pictures (20 logo frames, 12 prologue frames) with events handled after
// each, as the player waits for it behind the loading bar;
// opening_preload_cpu_ms: the processor time of the same, which a busy
// machine does not inflate.
#include "platform/program_folder.h"
#include "scenes/scene_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
struct Probe : SceneForm {};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    host::setProgramFolder(QStringLiteral(VANTRAX_BENCH_PROGRAM_DIR));
    std::vector<double> ms, cpu;
    auto cpuMs = [] {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
    };
    for (int run = 0; run < 15; ++run) {
        Probe probe;
        SceneForm::Cache logo, story;
        QElapsedTimer t;
        const double cpu0 = cpuMs();
        t.start();
        const bool done = probe.Preload(logo, "dData", 20) && probe.Preload(story, "fData", 12);
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMs() - cpu0);
        if (!done || logo.picture(20).isNull() || story.picture(12).isNull()) {
            std::fprintf(stderr, "opening_preload: the pictures did not load\n");
            return 1;
        }
    }
    auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    std::printf("opening_preload_ms %.1f ms\n", median(ms));
    std::printf("opening_preload_cpu_ms %.1f ms\n", median(cpu));
    return 0;
}
