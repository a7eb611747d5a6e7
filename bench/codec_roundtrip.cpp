// codec_roundtrip_per_s: how many times per second the codec encodes and
// decodes a whole save-slot state (30 digits) plus a 9-character record block,
// as the save slots and the export do. The _kanji variant has a record block
// with a Japanese name, which goes through the code-page converter.
#include <QCoreApplication>
#include <cstdio>
#include <ctime>

#include "app/shared_procedures.h"

namespace {

// The machine is shared with builds, so the rate is per second of this
// thread's own processor time rather than of the wall clock.
double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

double roundTripsPerSecond(const QString& digits, const QString& text) {
    int checksum = 0;
    long long rounds = 0;
    const double start = threadSeconds();
    // At least half a second, in batches so that reading the clock costs nothing.
    while (threadSeconds() - start < 0.5) {
        for (int i = 0; i < 10'000; ++i) {
            QString slot = DecDigits(EncDigits(digits));
            QString block = DecText(EncText(text).value_or(QString()));
            checksum += static_cast<int>(slot.size() + block.size());
        }
        rounds += 10'000;
    }
    double seconds = threadSeconds() - start;
    if (checksum != rounds * (digits.size() + text.size())) std::fprintf(stderr, "codec round trip lost data\n");
    return static_cast<double>(rounds) / seconds;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString slot = QStringLiteral("011203000450012345678901001000");
    std::printf("codec_roundtrip_per_s %.0f per_s\n", roundTripsPerSecond(slot, QStringLiteral("001234abc")));
    std::printf("codec_roundtrip_kanji_per_s %.0f per_s\n", roundTripsPerSecond(slot, QStringLiteral("001234名前あ")));
    return 0;
}
