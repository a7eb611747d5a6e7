// Throws arbitrary input at the codec's decoders, which read whatever sits in
// a settings file or an export file. Besides sanitizer findings it checks that
// every answer has its promised shape and that whatever DecText accepts encodes
// back to a string that decodes to the same text.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/text_encoding.h"
#include "records/codec.h"

namespace host {
// The encoders draw their random choices from the input's tail, so the fuzzer
// steers them too.
namespace {
const uint8_t* drawData = nullptr;
size_t drawSize = 0, drawPos = 0;
}  // namespace
double Rnd() {
    if (drawSize == 0) return 0.5;
    uint8_t b = drawData[drawPos++ % drawSize];
    return b / 256.0;
}
}  // namespace host

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "codec property broken: %s\n", what);
        abort();
    }
}

bool allDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

QString inputText(const uint8_t* data, size_t size) {
    // The first byte chooses how the rest becomes a text: as UTF-8 (what a
    // settings file holds), as raw UTF-16 (every code unit, lone surrogates
    // too), or over the symbol table (so most input is made of real symbols).
    if (size == 0) return {};
    const uint8_t mode = data[0] % 3;
    ++data;
    --size;
    if (mode == 0) return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (mode == 1) {
        QString s;
        for (size_t i = 0; i + 1 < size; i += 2) s += QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
        return s;
    }
    const QString table = records::CodeTable();
    QString s;
    for (size_t i = 0; i < size; ++i) s += data[i] < table.size() ? table[data[i]] : QChar(u'ｱ' + (data[i] & 7) - 4);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    host::drawData = data;
    host::drawSize = size;
    host::drawPos = 0;
    const QString s = inputText(data, size);

    QString pair = DecPair(s.left(1));
    check(pair.isEmpty() || (pair.size() == 2 && allDigits(pair)), "DecPair gives two digits or nothing");
    check(DecPair(s).size() <= 2, "DecPair of a longer string");

    int32_t n = DecNum(s);
    check(n >= 0 && n <= 999999, "DecNum stays within six digits");

    QString digits = DecDigits(s);
    check(allDigits(digits), "DecDigits gives digits only");
    check(DecDigits(EncDigits(digits)) == digits, "digit strings round-trip");

    QString text = DecText(s);
    if (text != records::CorruptText()) {
        auto again = EncText(text);
        check(again.has_value(), "an accepted text can be encoded again");
        check(DecText(*again) == text, "an accepted text round-trips");
    }
    // Encoding arbitrary text either refuses it or gives back what code page
    // 932 itself makes of it (a few characters, such as the wave dash U+301C,
    // have one-way mappings onto their Windows look-alikes).
    if (auto enc = EncText(s)) {
        auto viaCodePage = host::FromCp932(host::ToCp932(s).value_or(QByteArray()));
        check(viaCodePage.has_value(), "an encodable text is in the code page");
        check(DecText(*enc) == (s.isEmpty() ? s : *viaCodePage), "an encodable text round-trips");
    }
    return 0;
}
