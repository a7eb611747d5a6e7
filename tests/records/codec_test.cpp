// The save-data codec: every layer round-trips, the table and one encoding
// are pinned (saved games depend on them), and broken input never escapes as
// anything but the fixed error text.
#include "records/codec.h"

#include <gtest/gtest.h>

#include <QSet>

#include "platform/random.h"
#include "platform/text_encoding.h"

using namespace records;

namespace {

class CodecTest : public ::testing::Test {
protected:
    void SetUp() override { old = host::installRandomSource(std::make_unique<host::SeededRandom>(7)); }
    void TearDown() override { host::installRandomSource(std::move(old)); }
    // Makes the next random draws return exactly these values.
    void script(std::vector<double> values) {
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::move(values)));
    }
    std::unique_ptr<host::RandomSource> old;
};

QString zeroSymbols() {
    return CodeTable().left(kZeroSymbols);
}

TEST_F(CodecTest, TheTableIsPinned) {
    // Saved games and records are written with this table; changing a single
    // symbol would make every one of them unreadable.
    EXPECT_EQ(
        CodeTable(),
        QStringLiteral(
            "ckqｮtｴｯﾁPﾆｶﾕWsﾂKｺU2｣"
            "5ﾅYｨｼｪV7ﾚdJvxﾐｲ8HjuNｭｽbﾑｷﾉ､ﾜmn4C｢0ｹﾊｩXyTｬｧ9ｿg3aｫﾘAﾔﾛ｡ﾋQMｦpﾖﾃ･BﾒzfｳｾﾍｵIﾓRﾇﾏoｰﾌﾀewLﾄ1hEGｸ6SﾝZﾙｻrDiFﾗﾈ"));
    EXPECT_EQ(OddFlag(), QStringLiteral("P"));
    EXPECT_EQ(EvenFlag(), QStringLiteral("a"));
    EXPECT_EQ(EmptyTextMarker(), QStringLiteral("ｱﾎ"));
}

TEST_F(CodecTest, TheTableSurvivesTheStoreAFileAndAPrintedSheet) {
    const QString table = CodeTable();
    ASSERT_EQ(table.size(), 119);
    EXPECT_EQ(QSet<QChar>(table.begin(), table.end()).size(), 119) << "symbols must be distinct";
    auto bytes = host::ToCp932(table);
    ASSERT_TRUE(bytes) << "every symbol is a CP932 character";
    EXPECT_EQ(bytes->size(), 119) << "every symbol is single-byte";
    for (QChar c : table) {
        EXPECT_FALSE(QStringLiteral("\"\\=;%#[] \t'`~").contains(c)) << "unsafe symbol " << QString(c).toStdString();
        EXPECT_FALSE(EmptyTextMarker().contains(c)) << "the marker must not decode as a symbol";
    }
    EXPECT_TRUE(zeroSymbols().contains(OddFlag()));
    EXPECT_FALSE(zeroSymbols().contains(EvenFlag()));
}

TEST_F(CodecTest, EveryPairRoundTrips) {
    for (int v = 0; v <= 99; ++v) {
        QString c = EncPair(v);
        ASSERT_EQ(c.size(), 1) << v;
        EXPECT_EQ(DecPair(c), QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'))) << v;
    }
}

TEST_F(CodecTest, PairsOutsideTheirRangeHaveNoSymbol) {
    for (int32_t v : {-1, 100, 12345, INT32_MIN, INT32_MAX}) EXPECT_EQ(EncPair(v), QString()) << v;
    for (const char16_t* c : {u"", u"\"", u"ｱ", u"あ", u"cc", u"l"})
        EXPECT_EQ(DecPair(QString::fromUtf16(c)), QString());
}

TEST_F(CodecTest, ZeroGetsEveryZeroSymbolAndDecodesFromAnyOfThem) {
    // The integer part of random * 20 picks the symbol, so the ends of [0, 1)
    // give the first and the last.
    script({0.0, 0.999999, 0.5});
    EXPECT_EQ(EncPair(0), zeroSymbols().left(1));
    EXPECT_EQ(EncPair(0), zeroSymbols().right(1));
    EXPECT_EQ(EncPair(0), zeroSymbols().mid(10, 1));
    QSet<QString> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(EncPair(0));
    EXPECT_EQ(seen.size(), kZeroSymbols);
    for (QChar z : zeroSymbols()) EXPECT_EQ(DecPair(QString(z)), QStringLiteral("00"));
}

TEST_F(CodecTest, NumbersRoundTripWithTheMiddlePairFirst) {
    // 123456: pairs 12 34 56, stored as 34, 56, 12.
    QString s = EncNum(123456);
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(DecPair(s.mid(0, 1)), QStringLiteral("34"));
    EXPECT_EQ(DecPair(s.mid(1, 1)), QStringLiteral("56"));
    EXPECT_EQ(DecPair(s.mid(2, 1)), QStringLiteral("12"));
    for (int32_t v : {0, 1, 99, 100, 9999, 10000, 65535, 100000, 932768, 999999}) {
        QString e = EncNum(v);
        ASSERT_EQ(e.size(), 3) << v;
        EXPECT_EQ(DecNum(e), v) << v;
    }
    QString zero = EncNum(0);
    for (QChar c : zero) EXPECT_TRUE(zeroSymbols().contains(c));
    EXPECT_EQ(EncNum(-1), QString());
    EXPECT_EQ(EncNum(1000000), QString());
}

TEST_F(CodecTest, ShortOrUnknownNumbersDecodeWhatTheyCan) {
    const QString p12 = EncPair(12), p34 = EncPair(34);
    EXPECT_EQ(DecNum(QString()), 0);
    EXPECT_EQ(DecNum(p34), 34);                 // only the middle pair
    EXPECT_EQ(DecNum(p34 + "\"" + p12), 1234);  // the unknown symbol adds nothing
}

TEST_F(CodecTest, TextsRoundTrip) {
    const char16_t* texts[] = {
        u"a",    u"001234abc",         u"123456",    u"-98765", u"ｱﾎ", u"ﾃﾞｰﾀ", u"名前", u"あいうえお", u"Ａ１ー～",
        u"①Ⅱ髙", u"mixed 漢字 and ｶﾅ", u"\"quoted\""};
    for (const char16_t* t : texts) {
        QString text = QString::fromUtf16(t);
        auto e = EncText(text);
        ASSERT_TRUE(e) << text.toStdString();
        auto bytes = host::ToCp932(text);
        ASSERT_TRUE(bytes);
        int characters = 0;
        for (qsizetype i = 0; i < bytes->size(); ++i, ++characters)
            if ((uint8_t((*bytes)[i]) >= 0x81 && uint8_t((*bytes)[i]) <= 0x9F) || uint8_t((*bytes)[i]) >= 0xE0) ++i;
        EXPECT_EQ(e->size(), 3 * characters) << text.toStdString();
        EXPECT_EQ(DecText(*e), text) << text.toStdString();
    }
}

TEST_F(CodecTest, DoubleByteCharactersRoundTripWhateverTheRandomDigit) {
    // "漢" is 0x8ABF in CP932: code -30017 as a signed 16-bit value.
    for (int r = 1; r <= 9; ++r) {
        // First the random digit of the character, then three zero-symbol draws
        // are not needed (no pair is 00 here).
        script({(r - 1) / 9.0 + 0.01});
        auto e = EncText(QStringLiteral("漢"));
        ASSERT_TRUE(e);
        EXPECT_EQ(DecNum(*e), r * 100000 + 30017) << r;
        EXPECT_EQ(DecText(*e), QStringLiteral("漢")) << r;
    }
}

TEST_F(CodecTest, OneKnownEncodingWithASeededSource) {
    host::installRandomSource(std::make_unique<host::SeededRandom>(1997));
    auto e = EncText(QStringLiteral("001234ab漢"));
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, QStringLiteral("PｫｺｺｫPｶﾘｺWAｴﾁﾔ2ﾕﾛKUFPPﾗﾂﾂH9"));
    EXPECT_EQ(DecText(*e), QStringLiteral("001234ab漢"));
}

TEST_F(CodecTest, TheEmptyTextRoundTripsThroughItsMarker) {
    EXPECT_EQ(EncText(QString()), QStringLiteral("ｱﾎ"));
    EXPECT_EQ(DecText(QStringLiteral("ｱﾎ")), QString());
    EXPECT_EQ(DecText(QString()), QString());
}

TEST_F(CodecTest, TextsCodePage932CannotHoldAreRefused) {
    for (const char16_t* t : {u"😀", u"name😀", u"ü", u"€", u"한국어", u"\uFFFD"})
        EXPECT_FALSE(EncText(QString::fromUtf16(t))) << QString::fromUtf16(t).toStdString();
}

TEST_F(CodecTest, BrokenTextsGiveTheErrorText) {
    const QString corrupt = QStringLiteral("<<暗号データが異常です。変換できません。>>");
    EXPECT_EQ(CorruptText(), corrupt);
    auto enc = [](int32_t v) { return EncNum(v); };
    const struct {
        const char* why;
        QString input;
    } cases[] = {
        {"unknown symbols", QStringLiteral("\"\"\"")},
        {"a chunk of unknown symbols among good ones", *EncText("ab") + "###"},
        {"a code above the single bytes", enc(256)},
        {"a lone lead byte", enc(0x81)},
        {"a byte code page 932 lacks", enc(0xA0)},
        {"a double-byte magnitude of zero", enc(500000)},
        {"a double-byte magnitude beyond 16 bits", enc(140000)},
        {"a bad trail byte", enc(100000 + (65536 - 0x8820))},
        {"a hole in the code page", enc(100000 + (65536 - 0x85A0))},
        {"an empty-text marker inside a longer text", *EncText("a") + "ｱﾎ"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecText(c.input), corrupt) << c.why;
}

TEST_F(CodecTest, TheLengthOfATextRoundsToWholeCharacters) {
    const QString abc = *EncText(QStringLiteral("abc"));
    EXPECT_EQ(DecText(abc + "c"), QStringLiteral("abc")) << "one symbol too many is ignored";
    // Two symbols too many make a short last chunk: its two pairs still decode
    // (as the middle and last pair of the number).
    EXPECT_EQ(DecText(abc + EncPair(0) + EncPair(65)), QStringLiteral("abcA"));
}

TEST_F(CodecTest, DigitStringsRoundTripWithTheirLengthFlag) {
    const QString thirty = QStringLiteral("000123456789012345678901234500");
    const QString thirtyOne = QStringLiteral("0") + thirty;
    QString even = EncDigits(thirty);
    ASSERT_EQ(even.size(), 16);
    EXPECT_EQ(even.left(1), EvenFlag());
    EXPECT_EQ(DecDigits(even), thirty);
    QString odd = EncDigits(thirtyOne);
    ASSERT_EQ(odd.size(), 17);
    EXPECT_EQ(odd.left(1), OddFlag());
    EXPECT_EQ(DecDigits(odd), thirtyOne);
    for (const char* d : {"", "0", "7", "00", "09", "123", "0000000"})
        EXPECT_EQ(DecDigits(EncDigits(QString::fromLatin1(d))), QString::fromLatin1(d)) << d;
}

TEST_F(CodecTest, DigitStringsTakeAnyFirstCharacterAsTheEvenFlag) {
    const QString body = EncPair(12) + EncPair(0);
    EXPECT_EQ(DecDigits("x" + body), QStringLiteral("1200"));
    EXPECT_EQ(DecDigits(OddFlag() + body), QStringLiteral("200"));
    EXPECT_EQ(DecDigits(QString()), QString());
    EXPECT_EQ(DecDigits(OddFlag()), QString());
}

}  // namespace
