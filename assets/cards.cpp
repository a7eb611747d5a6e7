// Card faces 11..62: value v (1..52) is resource v + 10. A face is 70 x 90 and
// must read at a glance in the middle of a fast duel, so the corner indices are
// large and the pip layouts are the classic ones players know by shape.
#include "asset_io.h"
#include "card_courts.h"
#include "look/suits.h"
#include "paint_util.h"
#include "palette.h"

#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr double kW = 70, kH = 90;
// The pip field between the corner indices.
constexpr double kPipLeft = 24.5, kPipCentre = 35, kPipRight = 45.5;
constexpr double kPipTop = 15, kPipBottom = 75;
// Small enough that the centre column clears the side columns in the 9 and
// the 10, and the left column clears the corner index.
constexpr double kPipW = 10.8, kPipH = 11.8;

const char* const kRankText[14] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void drawBlank(QPainter& p) {
    QRectF face(0.5, 0.5, kW - 1, kH - 1);
    QLinearGradient g(0, 0, kW * 0.4, kH);
    g.setColorAt(0, pal::kCardFace);
    g.setColorAt(1, pal::kCardFaceShade);
    p.setPen(QPen(QColor(0x6a, 0x62, 0x70), 1));
    p.setBrush(g);
    p.drawRoundedRect(face, 5.5, 5.5);
}

// Rank above suit in the top left corner; the painter is turned half round for
// the bottom right copy.
void drawIndex(QPainter& p, int rank, Suit suit) {
    QColor ink = SuitColour(suit);
    QString text = QString::fromLatin1(kRankText[rank]);
    // "10" needs the narrow face to fit the same column as the single letters.
    QFont f = rank == 10 ? pal::Narrow(19, true) : pal::Font("Liberation Sans", 18, true);
    if (rank == 10) f.setLetterSpacing(QFont::AbsoluteSpacing, -1.2);
    QPainterPath t = TextPath(text, f, QRectF(1, 0, 17, 20), Qt::AlignHCenter | Qt::AlignTop);
    // Snap the glyphs to the column so every rank sits the same.
    QRectF b = t.boundingRect();
    t.translate(9.5 - b.center().x(), 3.0 - b.top());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(t);
    p.drawPath(SuitPath(suit, QRectF(3.6, 19.5, 11.8, 12.8)));
}

void drawPip(QPainter& p, Suit suit, double cx, double cy, bool upsideDown, double w = kPipW, double h = kPipH) {
    p.save();
    p.translate(cx, cy);
    if (upsideDown) p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(-w / 2, -h / 2, w, h)));
    p.restore();
}

// The classic layouts: columns left, centre, right and rows as a fraction of
// the pip field; pips below the middle stand on their heads as on real cards.
void drawPips(QPainter& p, int rank, Suit suit) {
    struct Pip {
        double col;  // 0 left, 1 centre, 2 right
        double row;  // 0 top .. 1 bottom
    };
    static const std::vector<Pip> layouts[11] = {
        {},
        {},
        {{1, 0}, {1, 1}},
        {{1, 0}, {1, 0.5}, {1, 1}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 1.0 / 3}, {2, 1.0 / 3}, {1, 0.5}, {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1}, {2, 1}},
        {{0, 0},
         {2, 0},
         {1, 1.0 / 6},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {1, 5.0 / 6},
         {0, 1},
         {2, 1}},
    };
    const double cols[3] = {kPipLeft, kPipCentre, kPipRight};
    for (const Pip& pip : layouts[rank]) {
        double y = kPipTop + (kPipBottom - kPipTop) * pip.row;
        drawPip(p, suit, cols[static_cast<int>(pip.col)], y, pip.row > 0.51);
    }
}

// The Ace: one large sign inside a fine gold ring with flourishes, the spade
// grandest of all as tradition has it.
void drawAce(QPainter& p, Suit suit) {
    const QPointF c(35, 45);
    QColor ink = SuitColour(suit);
    p.save();
    // Ring with a soft glow of the suit colour.
    QRadialGradient glow(c, 27);
    glow.setColorAt(0, WithAlpha(Mix(ink, Qt::white, 0.75), 90));
    glow.setColorAt(1, WithAlpha(Mix(ink, Qt::white, 0.9), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 27, 27);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kGold, 1.0));
    p.drawEllipse(c, 23.5, 23.5);
    p.setPen(QPen(pal::kGoldDark, 0.5));
    p.drawEllipse(c, 22, 22);
    // Four little flourishes on the ring.
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(45 + 90 * i);
        QPainterPath leaf;
        leaf.moveTo(0, -21);
        leaf.cubicTo(3, -24, 3, -27, 0, -29);
        leaf.cubicTo(-3, -27, -3, -24, 0, -21);
        p.setPen(QPen(pal::kGoldDark, 0.5));
        p.setBrush(pal::kGold);
        p.drawPath(leaf);
        p.restore();
    }
    double w = suit == Suit::Spade ? 32 : 28, h = suit == Suit::Spade ? 35 : 31;
    QPainterPath big = SuitPath(suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
    QLinearGradient fill(c.x() - w / 2, c.y() - h / 2, c.x() + w / 2, c.y() + h / 2);
    fill.setColorAt(0, Mix(ink, Qt::white, 0.25));
    fill.setColorAt(1, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(big);
    // An inner line echoes the outline, the engraved look of a card's Ace.
    QTransform in;
    in.translate(c.x(), c.y() - 1);
    in.scale(0.72, 0.72);
    in.translate(-c.x(), -c.y());
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(in.map(big));
    if (suit == Suit::Spade) {
        // A small crown above the spade.
        QPainterPath crown;
        crown.moveTo(29, 22);
        crown.lineTo(30, 15);
        crown.lineTo(32.5, 19);
        crown.lineTo(35, 13.5);
        crown.lineTo(37.5, 19);
        crown.lineTo(40, 15);
        crown.lineTo(41, 22);
        crown.closeSubpath();
        p.setPen(QPen(pal::kGoldDark, 0.6));
        p.setBrush(pal::kGold);
        p.drawPath(crown);
    }
    p.restore();
}

QImage cardFace(int value, int scale) {
    const Suit suit = SuitOfValue(value);
    const int rank = (value - 1) % 13 + 1;  // 1 Ace .. 13 King
    QImage img = Canvas(70, 90, scale);
    QPainter p;
    BeginPaint(p, img, scale);
    drawBlank(p);
    if (rank == 1) {
        drawAce(p, suit);
    } else if (rank <= 10) {
        drawPips(p, rank, suit);
    } else {
        DrawCourt(p, rank, suit, QRectF(17.5, 6.5, 35, 77));
    }
    drawIndex(p, rank, suit);
    p.save();
    p.translate(kW, kH);
    p.rotate(180);
    drawIndex(p, rank, suit);
    p.restore();
    p.end();
    return img;
}
}  // namespace

QImage CardFace(int value, int scale) {
    return cardFace(value, scale);
}

void GenerateCards(const AssetContext& ctx) {
    for (int v = 1; v <= 52; ++v) {
        WritePng(ctx.res(QStringLiteral("%1.png").arg(v + 10)), cardFace(v, 1));
        WritePng(ctx.res(QStringLiteral("%1@2x.png").arg(v + 10)), cardFace(v, 2));
    }
}
