#include "asset_io.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "vantrax-assets: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void WritePng(const QString& path, const QImage& image) {
    QImage img = image;
    img.setText(QString(), QString());
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.setCompression(9);
    if (!w.write(img)) {
        std::fprintf(stderr, "vantrax-assets: cannot encode %s\n", qPrintable(path));
        std::exit(1);
    }
    WriteBytes(path, bytes);
}

void WriteWav(const QString& path, const std::vector<float>& samples, int rate) {
    QByteArray b;
    auto u32 = [&b](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&b](uint16_t v) {
        b.append(static_cast<char>(v & 0xff));
        b.append(static_cast<char>(v >> 8));
    };
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    b.append("RIFF");
    u32(36 + dataBytes);
    b.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate * 2));
    u16(2);
    u16(16);
    b.append("data");
    u32(dataBytes);
    for (float s : samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        u16(static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    WriteBytes(path, b);
}
