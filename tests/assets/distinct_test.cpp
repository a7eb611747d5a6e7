// Cards and faces must be told apart at a glance: by the whole picture, and
// for cards by the corner index alone, which is what a player reads
// in the middle of a fast duel.
#include "media/pictures.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace {

struct Closest {
    double nearest = 1e9;
    int a = 0, b = 0;
};

// The two pictures among resources first..last that differ the least.
Closest closestPair(int first, int last) {
    std::vector<QImage> pictures;
    for (int r = first; r <= last; ++r) pictures.push_back(ResPicture(r));
    Closest c;
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            double d = VisibleShare(pictures[i], pictures[j]);
            if (d < c.nearest) c = {d, first + static_cast<int>(i), first + static_cast<int>(j)};
        }
    return c;
}

TEST(Distinct, EveryTwoCardsVisiblyDiffer) {
    // Two of a rank in suits of one colour differ only in their pips' shape;
    // that must still change a good part of the card.
    Closest c = closestPair(11, 62);
    EXPECT_GT(c.nearest, 0.015) << "resources " << c.a << " and " << c.b;
}

TEST(Distinct, EveryTwoFacesVisiblyDiffer) {
    // The footmen share a uniform; their faces must still set them apart.
    Closest c = closestPair(63, 91);
    EXPECT_GT(c.nearest, 0.04) << "resources " << c.a << " and " << c.b;
}

// The top left corner of a card: its rank above its suit.
const QRect kRank(1, 1, 18, 18), kSuit(1, 19, 18, 14);

// The least share of a corner region that changes between two cards that
// differ in what the region shows (rank or suit).
double closestIndex(const QRect& region, bool byRank, int* worstA, int* worstB) {
    double nearest = 1e9;
    for (int a = 1; a <= 52; ++a)
        for (int b = a + 1; b <= 52; ++b) {
            const bool differ = byRank ? (a - 1) % 13 != (b - 1) % 13 : (a - 1) / 13 != (b - 1) / 13;
            if (!differ) continue;
            double d = VisibleShare(ResPicture(a + 10).copy(region), ResPicture(b + 10).copy(region));
            if (d < nearest) nearest = d, *worstA = a, *worstB = b;
        }
    return nearest;
}

TEST(Distinct, TheCornerIndexShowsRankAndSuitApart) {
    int a = 0, b = 0;
    EXPECT_GT(closestIndex(kRank, true, &a, &b), 0.07) << "ranks of card values " << a << " and " << b;
    EXPECT_GT(closestIndex(kSuit, false, &a, &b), 0.09) << "suits of card values " << a << " and " << b;
}

// The duel's play area, 5835 x 4815 twips, with a card at every place.
struct Place {
    int left, top;  // twips
};
const Place kPlaces[10] = {{180, 3240},  {1380, 3240}, {2580, 3240}, {3780, 3240}, {1380, 1680},
                           {2580, 1680}, {180, 120},   {1380, 120},  {2580, 120},  {3780, 120}};

TEST(Distinct, AFullDuelTableReadsCardByCard) {
    // Ten cards chosen to be easy to confuse: same ranks in other suits,
    // neighbouring ranks and all the courts.
    const int values[10] = {13, 26, 39, 52, 12, 25, 38, 51, 6, 9};
    QImage table(389, 321, QImage::Format_RGB32);
    {
        QPainter p(&table);
        p.fillRect(table.rect(), Qt::black);  // the duel's table
        for (int i = 0; i < 10; ++i) {
            QPixmap card = CardPicture(values[i]);
            ASSERT_FALSE(card.isNull());
            p.drawPixmap(kPlaces[i].left / 15, kPlaces[i].top / 15, card);
        }
    }
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(testing::Message() << "place " << i + 1);
        const QPoint at(kPlaces[i].left / 15, kPlaces[i].top / 15);
        const QRect cardRect(at, QSize(70, 90));
        // No card covers another's place.
        for (int j = 0; j < 10; ++j) {
            if (j != i) {
                EXPECT_FALSE(
                    cardRect.intersects(QRect(QPoint(kPlaces[j].left / 15, kPlaces[j].top / 15), QSize(70, 90))));
            }
        }
        ASSERT_TRUE(table.rect().contains(cardRect));
        // Read rank and suit off the table and name the card from them.
        const QImage seen = table.copy(cardRect);
        std::vector<std::pair<double, int>> ranked;
        for (int v = 1; v <= 52; ++v) {
            const QImage known = ResPicture(v + 10);
            ranked.push_back(
                {VisibleShare(seen.copy(kRank), known.copy(kRank)) + VisibleShare(seen.copy(kSuit), known.copy(kSuit)),
                 v});
        }
        std::sort(ranked.begin(), ranked.end());
        EXPECT_EQ(ranked[0].second, values[i]);
        EXPECT_LT(ranked[0].first, 0.03);
        EXPECT_GT(ranked[1].first, 0.1) << "runner-up " << ranked[1].second;
    }
}

}  // namespace
