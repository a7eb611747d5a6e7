#include "asset_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "vantrax-assets: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

namespace {
uint32_t crc32(const char* data, size_t size, uint32_t crc = 0) {
    static const auto table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ static_cast<uint8_t>(data[i])) & 0xff] ^ (crc >> 8);
    return ~crc;
}

void putU32(QByteArray& b, uint32_t v) {
    for (int i = 3; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

void chunk(QByteArray& png, const char type[5], const QByteArray& data) {
    putU32(png, static_cast<uint32_t>(data.size()));
    QByteArray body(type, 4);
    body += data;
    png += body;
    putU32(png, crc32(body.constData(), static_cast<size_t>(body.size())));
}

uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : (pb <= pc ? b : c));
}

// One row through PNG filter F, into `out`; gives the sum of the filtered
// bytes taken as signed, the usual measure of how well a row will deflate.
template <int F>
long filterRow(const uint8_t* cur, const uint8_t* up, int stride, int bpp, uint8_t* out) {
    long cost = 0;
    for (int x = 0; x < stride; ++x) {
        const int a = x >= bpp ? cur[x - bpp] : 0, b = up[x];
        int pred = 0;
        if constexpr (F == 1) pred = a;
        if constexpr (F == 2) pred = b;
        if constexpr (F == 3) pred = (a + b) / 2;
        if constexpr (F == 4) pred = paeth(a, b, x >= bpp ? up[x - bpp] : 0);
        const auto v = static_cast<uint8_t>(cur[x] - pred);
        out[x] = v;
        cost += v < 128 ? v : 256 - v;
    }
    return cost;
}

// The rows of `raw` (`stride` bytes of `bpp`-byte pixels each), each behind
// the PNG filter that leaves the smallest sum of differences: smooth skies and
// gradients become runs that deflate well.
QByteArray filteredRows(const QByteArray& raw, int rows, int stride, int bpp) {
    QByteArray out;
    out.reserve(rows * (stride + 1));
    std::vector<uint8_t> zero(static_cast<size_t>(stride), 0);
    std::array<std::vector<uint8_t>, 5> trial;
    for (auto& t : trial) t.resize(static_cast<size_t>(stride));
    using Filter = long (*)(const uint8_t*, const uint8_t*, int, int, uint8_t*);
    static constexpr std::array<Filter, 5> filters{filterRow<0>, filterRow<1>, filterRow<2>, filterRow<3>,
                                                   filterRow<4>};
    for (int y = 0; y < rows; ++y) {
        const auto* cur = reinterpret_cast<const uint8_t*>(raw.constData()) + static_cast<size_t>(y) * stride;
        const uint8_t* up = y > 0 ? cur - stride : zero.data();
        long best = -1;
        size_t chosen = 0;
        for (size_t f = 0; f < filters.size(); ++f) {
            const long cost = filters[f](cur, up, stride, bpp, trial[f].data());
            if (best < 0 || cost < best) {
                best = cost;
                chosen = f;
            }
        }
        out.append(static_cast<char>(chosen));
        out.append(reinterpret_cast<const char*>(trial[chosen].data()), stride);
    }
    return out;
}
}  // namespace

QByteArray EncodePng(const QImage& image) {
    // The toolkit's PNG writer leaves every row unfiltered, which makes the
    // smooth pictures up to ten times larger than they need be; this one
    // filters, and writes nothing that could vary between runs (no time, no
    // text, no gamma).
    const bool alpha = image.hasAlphaChannel();
    const QImage img = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int bpp = alpha ? 4 : 3;
    const int stride = img.width() * bpp;
    QByteArray raw;
    raw.reserve(stride * img.height());
    for (int y = 0; y < img.height(); ++y) raw.append(reinterpret_cast<const char*>(img.constScanLine(y)), stride);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putU32(header, static_cast<uint32_t>(img.width()));
    putU32(header, static_cast<uint32_t>(img.height()));
    header.append(char(8));                                  // bits per channel
    header.append(char(alpha ? 6 : 2));                      // RGBA or RGB
    header.append(char(0)).append(char(0)).append(char(0));  // deflate, adaptive filters, no interlace
    chunk(png, "IHDR", header);
    QByteArray density;  // 96 dots per inch, as the pictures were always written
    putU32(density, 3780);
    putU32(density, 3780);
    density.append(char(1));
    chunk(png, "pHYs", density);
    // qCompress gives a zlib stream behind a four-byte length of its own.
    chunk(png, "IDAT", qCompress(filteredRows(raw, img.height(), stride, bpp), 5).mid(4));
    chunk(png, "IEND", QByteArray());
    return png;
}

void WritePng(const QString& path, const QImage& image) {
    if (image.isNull()) {
        std::fprintf(stderr, "vantrax-assets: cannot encode %s\n", qPrintable(path));
        std::exit(1);
    }
    WriteBytes(path, EncodePng(image));
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
