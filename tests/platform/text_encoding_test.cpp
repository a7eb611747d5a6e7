#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, RoundTripsIncludingExtensionCharacters) {
    // Plain kana and kanji, half-width katakana, an NEC extension (circled one)
    // and an IBM extension kanji.
    for (const QString& s : {QStringLiteral("公認記録"), QStringLiteral("ｱﾎ"), QStringLiteral("①"),
                             QStringLiteral("髙"), QStringLiteral("Vantrax の世界")}) {
        auto bytes = host::ToCp932(s);
        ASSERT_TRUE(bytes.has_value()) << qPrintable(s);
        auto back = host::FromCp932(*bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, s);
    }
}

TEST(Cp932, KnownBytes) {
    EXPECT_EQ(*host::ToCp932(QStringLiteral("ｱ")), QByteArray("\xb1"));
    EXPECT_EQ(*host::ToCp932(QStringLiteral("公")), QByteArray("\x8c\xf6"));
    EXPECT_EQ(*host::ToCp932(QStringLiteral("①")), QByteArray("\x87\x40"));
}

TEST(Cp932, RefusesWhatItCannotRepresent) {
    EXPECT_FALSE(host::ToCp932(QStringLiteral("한국어")).has_value());
    EXPECT_FALSE(host::ToCp932(QStringLiteral("😀")).has_value());
    // A lone surrogate would otherwise reach the converter as "?".
    EXPECT_FALSE(host::ToCp932(QString(QChar(0xD82C))).has_value());
    EXPECT_FALSE(host::ToCp932(QStringLiteral("a") + QChar(0xDC00)).has_value());
    EXPECT_FALSE(host::FromCp932(QByteArray("\x81", 1)).has_value());
}

}  // namespace
