#include "app/shared_procedures.h"

#include <gtest/gtest.h>

namespace {

TEST(FoeLine, EveryOpponentHasItsThreeLines) {
    for (int face = 1; face <= 27; ++face) {
        const QString challenge = FoeLine(face, 0), lost = FoeLine(face, 1), won = FoeLine(face, 2);
        for (const QString& s : {challenge, lost, won}) {
            EXPECT_FALSE(s.isEmpty()) << "face " << face;
            EXPECT_LE(s.size(), 40) << "face " << face;
        }
        EXPECT_NE(challenge, lost) << "face " << face;
        EXPECT_NE(challenge, won) << "face " << face;
        if (face == 14 || face == 16)
            EXPECT_EQ(lost, won) << "face " << face << " says the same either way";
        else
            EXPECT_NE(lost, won) << "face " << face;
    }
}

TEST(FoeLine, OutsideTheTableIsEmpty) {
    for (int s = -1; s <= 3; ++s) {
        EXPECT_TRUE(FoeLine(0, s).isEmpty());
        EXPECT_TRUE(FoeLine(28, s).isEmpty());
    }
    EXPECT_TRUE(FoeLine(5, -1).isEmpty());
    EXPECT_TRUE(FoeLine(5, 3).isEmpty());
}

TEST(FoeLine, KnownLines) {
    EXPECT_EQ(FoeLine(1, 0), QStringLiteral("待っていたぞ。キミの健闘もここまでだ。さぁ、こい！"));
    EXPECT_EQ(FoeLine(14, 2), QStringLiteral("〆≦♀⊿ΩηξαΜΘδΤЙМйжедв （読解不可能）"));
    EXPECT_EQ(FoeLine(27, 1), QStringLiteral("朝、変な曲を聞いてきたのが悪かったかなぁ。"));
}

}  // namespace
