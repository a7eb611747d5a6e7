// The save-data codec. Symbols are single-byte characters of code page 932
// (ASCII letters and digits, half-width katakana), so an encoded text is the
// same in the settings file, in a CP932 text file and on a printed sheet.
#include "records/codec.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>

#include "platform/random.h"
#include "platform/text_encoding.h"

namespace records {

namespace {

// Letters and digits without "l" and "O", which a person copying a printed
// block by hand would mix up with "1" and "0", and half-width katakana without
// the voiced marks (a mail program may fold them into the kana before them) and
// without the two characters of the empty-text marker. No quote (the export
// line is quoted), no blank, nothing an INI file or a text file would touch.
constexpr char16_t kTable[] =
    u"ckqｮtｴｯﾁPﾆｶﾕWsﾂKｺU2｣"
    u"5ﾅYｨｼｪV7ﾚdJvxﾐｲ8HjuNｭｽbﾑｷﾉ､ﾜmn4C｢0ｹﾊｩXyTｬｧ9ｿg3aｫﾘAﾔﾛ｡ﾋQMｦpﾖﾃ･BﾒzfｳｾﾍｵIﾓRﾇﾏoｰﾌﾀewLﾄ1hEGｸ6SﾝZﾙｻrDiFﾗﾈ";
constexpr int kSymbols = kZeroSymbols + kPairSymbols;
static_assert(sizeof(kTable) / sizeof(kTable[0]) == kSymbols + 1);

// The odd-length flag is the ninth zero symbol, the even-length flag the pair
// symbol for 47.
constexpr int kOddFlagIndex = 8;
constexpr int kEvenFlagIndex = kZeroSymbols + 47 - 1;

constexpr char16_t kMarker[] = u"ｱﾎ";
constexpr char16_t kCorrupt[] = u"<<暗号データが異常です。変換できません。>>";

// Symbol -> table index, for the characters a symbol can be (all below U+FFA0).
struct Lookup {
    std::array<int8_t, 0x10000> index{};
    Lookup() {
        index.fill(-1);
        for (int i = 0; i < kSymbols; ++i) index[kTable[i]] = static_cast<int8_t>(i);
    }
};
const Lookup& lookup() {
    static const Lookup l;
    return l;
}

int symbolIndex(QChar c) {
    return lookup().index[c.unicode()];
}

// The pair a symbol stands for, or -1 for a character that is no symbol.
int pairValue(QChar c) {
    int i = symbolIndex(c);
    if (i < 0) return -1;
    return i < kZeroSymbols ? 0 : i - kZeroSymbols + 1;
}

// Appends the two digits a symbol stands for; false for a character that is
// no symbol.
bool appendPair(QChar c, QString& out) {
    int v = pairValue(c);
    if (v < 0) return false;
    out += QChar(u'0' + v / 10);
    out += QChar(u'0' + v % 10);
    return true;
}

// The digits of a three-symbol number in their stored order: the last symbol
// holds the leading pair. A short or unknown symbol adds no digits.
struct NumDigits {
    int count = 0;
    int32_t value = 0;
};
NumDigits numDigits(QStringView s) {
    NumDigits d;
    for (qsizetype at : {2, 0, 1}) {
        if (at >= s.size()) continue;
        int v = pairValue(s[at]);
        if (v < 0) continue;
        d.count += 2;
        d.value = d.value * 100 + v;
    }
    return d;
}

// The symbol of a pair 0..99; the pair "00" gets one of its symbols at random.
QChar pairSymbol(int v) {
    if (v == 0) {
        // The integer part of random * 20; the clamp only guards a source
        // that would hand out exactly 1.
        int i = static_cast<int>(host::Rnd() * kZeroSymbols);
        return QChar(kTable[std::clamp(i, 0, kZeroSymbols - 1)]);
    }
    return QChar(kTable[kZeroSymbols + v - 1]);
}

void appendNum(int32_t v, QString& out) {
    // The middle pair first, then the last, then the leading one.
    out += pairSymbol(v / 100 % 100);
    out += pairSymbol(v % 100);
    out += pairSymbol(v / 10000);
}

// Single-byte characters of code page 932 map one to one onto these code
// points; only double-byte characters need the converter.
bool isSingleByte(int code) {
    return (code >= 0 && code <= 0x7F) || (code >= 0xA1 && code <= 0xDF);
}
QChar singleByteChar(int code) {
    return code <= 0x7F ? QChar(code) : QChar(0xFF61 + code - 0xA1);
}
int singleByteCode(QChar c) {
    char16_t u = c.unicode();
    if (u <= 0x7F) return u;
    if (u >= 0xFF61 && u <= 0xFF9F) return u - 0xFF61 + 0xA1;
    return -1;
}
bool isLeadByte(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(int b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

}  // namespace

QString CodeTable() {
    return QString::fromUtf16(kTable, kSymbols);
}
QString OddFlag() {
    return QString(QChar(kTable[kOddFlagIndex]));
}
QString EvenFlag() {
    return QString(QChar(kTable[kEvenFlagIndex]));
}
QString EmptyTextMarker() {
    return QString::fromUtf16(kMarker);
}
QString CorruptText() {
    return QString::fromUtf16(kCorrupt);
}

}  // namespace records

using namespace records;

QString EncPair(int32_t v) {
    if (v >= 0 && v <= kPairSymbols) return QString(pairSymbol(v));
    return {};
}

QString DecPair(const QString& c) {
    QString out;
    if (c.size() == 1) appendPair(c[0], out);
    return out;
}

QString EncNum(int32_t v) {
    // Six digits hold 0..999999; anything else has no encoding.
    if (v < 0 || v > 999999) return {};
    QString out;
    appendNum(v, out);
    return out;
}

int32_t DecNum(const QString& s) {
    return numDigits(s).value;
}

std::optional<QString> EncText(const QString& t) {
    if (t.isEmpty()) return EmptyTextMarker();
    // Most texts (records, digit strings, a roman name) are single-byte
    // throughout and need no converter.
    QByteArray bytes;
    bool single = true;
    for (QChar c : t) single = single && singleByteCode(c) >= 0;
    if (single) {
        bytes.resize(t.size());
        char* b = bytes.data();
        for (QChar c : t) *b++ = static_cast<char>(singleByteCode(c));
    } else {
        auto converted = host::ToCp932(t);
        if (!converted) return std::nullopt;
        bytes = std::move(*converted);
    }
    QString out;
    out.reserve(bytes.size() * 3);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        int b = static_cast<uint8_t>(bytes[i]);
        // Drawn for every character, whether it needs it or not; the clamp
        // only guards a source that would hand out exactly 1.
        int r = std::clamp(static_cast<int>(host::Rnd() * 9) + 1, 1, 9);
        int32_t a = b;
        if (isLeadByte(b) && i + 1 < bytes.size()) {
            // A double-byte character read as a 16-bit signed code is negative;
            // its magnitude (below 32769) goes into the low five digits and
            // the random digit on top of them.
            int code = b * 256 + static_cast<uint8_t>(bytes[++i]);
            a = (65536 - code) + r * 100000;
        }
        appendNum(a, out);
    }
    return out;
}

QString DecText(const QString& s) {
    if (s.isEmpty()) return {};
    // The marker of an empty text is two symbols long and can be no encoded
    // character, so it stands for the empty text it was made from.
    if (QStringView(s) == QStringView(kMarker)) return {};
    // Three symbols per character, the length rounded to the nearest whole.
    const qsizetype n = (s.size() + 1) / 3;
    QVarLengthArray<char, 128> bytes;
    bytes.reserve(n * 2);
    bool single = true;
    for (qsizetype i = 0; i < n; ++i) {
        NumDigits digits = numDigits(QStringView(s).mid(i * 3, 3));
        if (digits.count == 0) return CorruptText();
        int32_t v = digits.value;
        if (v >= 100000) {
            int magnitude = v % 100000;
            if (magnitude == 0 || magnitude > 32768) return CorruptText();
            int code = 65536 - magnitude;
            int lead = code >> 8, trail = code & 0xFF;
            if (!isLeadByte(lead) || !isTrailByte(trail)) return CorruptText();
            bytes.append(static_cast<char>(lead));
            bytes.append(static_cast<char>(trail));
            single = false;
        } else {
            if (!isSingleByte(v)) return CorruptText();
            bytes.append(static_cast<char>(v));
        }
    }
    if (single) {
        QString out(bytes.size(), Qt::Uninitialized);
        QChar* o = out.data();
        for (char b : bytes) *o++ = singleByteChar(static_cast<uint8_t>(b));
        return out;
    }
    // A lead and trail byte in range may still be a hole in the code page.
    auto text = host::FromCp932(QByteArray(bytes.data(), bytes.size()));
    return text ? *text : CorruptText();
}

QString EncDigits(const QString& d) {
    const bool odd = d.size() % 2 != 0;
    const QString s = odd ? QStringLiteral("0") + d : d;
    QString out;
    out.reserve(1 + s.size() / 2);
    out += QChar(kTable[odd ? kOddFlagIndex : kEvenFlagIndex]);
    for (qsizetype i = 0; i + 1 < s.size(); i += 2) {
        int hi = s[i].unicode() - u'0', lo = s[i + 1].unicode() - u'0';
        // Only digits have an encoding; a caller never hands anything else.
        if (hi < 0 || hi > 9 || lo < 0 || lo > 9) continue;
        out += pairSymbol(hi * 10 + lo);
    }
    return out;
}

QString DecDigits(const QString& s) {
    QString digits;
    digits.reserve(s.size() * 2);
    for (qsizetype i = 1; i < s.size(); ++i) appendPair(s[i], digits);
    // Any first character other than the odd flag counts as the even flag.
    if (!s.isEmpty() && s[0] == kTable[kOddFlagIndex]) digits.remove(0, 1);
    return digits;
}
