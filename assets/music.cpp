#include "asset_io.h"
#include "media/data_files.h"

namespace {
void be32(QByteArray& b, uint32_t v) {
    for (int i = 3; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

QByteArray scaleTrack(int track) {
    QByteArray ev;
    auto note = [&ev](int delta, uint8_t status, uint8_t a, uint8_t b) {
        ev.append(static_cast<char>(delta));
        ev.append(static_cast<char>(status));
        ev.append(static_cast<char>(a));
        ev.append(static_cast<char>(b));
    };
    for (int i = 0; i < 8; ++i) {
        uint8_t k = static_cast<uint8_t>(60 + (track + i * 2) % 12);
        note(0, 0x90, k, 90);
        note(96, 0x80, k, 0);
    }
    ev.append("\x00\xff\x2f\x00", 4);
    QByteArray smf("MThd");
    be32(smf, 6);
    smf.append("\x00\x00\x00\x01\x00\x60", 6);
    smf.append("MTrk");
    be32(smf, static_cast<uint32_t>(ev.size()));
    smf.append(ev);
    return smf;
}
}  // namespace

void GenerateMusic(const AssetContext& ctx) {
    for (int n = 1; n <= 19; ++n) WriteBytes(ctx.out(DataFileName("cData", n)), scaleTrack(n));
}
