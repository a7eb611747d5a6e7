#include "card_courts.h"

#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>

namespace {
struct Robe {
    QColor main, accent, trim;
};

// Each suit dresses its court in its own colours, so that two Kings side by
// side are told apart by colour before the index is read.
Robe robeOf(Suit suit) {
    switch (suit) {
        case Suit::Spade:
            return {QColor(0x24, 0x3c, 0x8a), QColor(0x1a, 0x1a, 0x22), pal::kGold};
        case Suit::Club:
            return {QColor(0x2c, 0x6a, 0x3a), QColor(0x1a, 0x1a, 0x22), pal::kGold};
        case Suit::Heart:
            return {QColor(0xb4, 0x1c, 0x2a), QColor(0x24, 0x3c, 0x8a), pal::kGold};
        case Suit::Diamond:
            return {QColor(0xd8, 0x74, 0x1c), QColor(0xb4, 0x1c, 0x2a), pal::kGold};
    }
    return {};
}

const QColor kSkin(0xf6, 0xd6, 0xb4);

void face(QPainter& p, double cx, double cy, bool beard, const QColor& hair) {
    p.setPen(QPen(pal::kInk, 0.6));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx, cy), 5.0, 6.0);
    if (beard) {
        QPainterPath b;
        b.moveTo(cx - 5, cy);
        b.cubicTo(cx - 5, cy + 8, cx - 2, cy + 10, cx, cy + 11);
        b.cubicTo(cx + 2, cy + 10, cx + 5, cy + 8, cx + 5, cy);
        b.cubicTo(cx + 3, cy + 3, cx - 3, cy + 3, cx - 5, cy);
        p.setBrush(hair);
        p.drawPath(b);
        p.setPen(QPen(Mix(hair, pal::kInk, 0.5), 0.4));
        p.drawLine(QPointF(cx - 2, cy + 3.5), QPointF(cx - 1.5, cy + 8));
        p.drawLine(QPointF(cx + 2, cy + 3.5), QPointF(cx + 1.5, cy + 8));
    }
    // Eyes, brows and mouth: tiny, but they make it a face.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kInk);
    p.drawEllipse(QPointF(cx - 1.9, cy - 0.6), 0.65, 0.75);
    p.drawEllipse(QPointF(cx + 1.9, cy - 0.6), 0.65, 0.75);
    p.setPen(QPen(pal::kInk, 0.45));
    p.drawLine(QPointF(cx - 3, cy - 2.3), QPointF(cx - 0.9, cy - 2.0));
    p.drawLine(QPointF(cx + 3, cy - 2.3), QPointF(cx + 0.9, cy - 2.0));
    if (!beard) {
        p.setPen(QPen(pal::kCardRed, 0.6));
        p.drawLine(QPointF(cx - 1.1, cy + 3), QPointF(cx + 1.1, cy + 3));
    } else {
        p.setPen(QPen(pal::kInk, 0.5));
        p.drawLine(QPointF(cx - 1.4, cy + 2.6), QPointF(cx + 1.4, cy + 2.6));
    }
}

// An arm in its sleeve, from the shoulder to the hand that holds the item.
void sleeve(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    QPainterPath arm;
    arm.moveTo(from);
    arm.quadTo(QPointF(from.x(), to.y()), to);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kInk, 5.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(colour, 3.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.restore();
}

void hand(QPainter& p, double x, double y) {
    p.setPen(QPen(pal::kInk, 0.45));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(x, y), 1.7, 1.5);
}

void robe(QPainter& p, double w, double top, double bottom, const Robe& r, bool ermine) {
    // Square shoulders falling straight to the fold of the card.
    QPainterPath body;
    body.moveTo(w / 2 - 5, top);
    body.quadTo(w / 2 - 13, top + 1.5, 2.5, top + 6);
    body.lineTo(1.5, bottom);
    body.lineTo(w - 1.5, bottom);
    body.lineTo(w - 2.5, top + 6);
    body.quadTo(w / 2 + 13, top + 1.5, w / 2 + 5, top);
    body.closeSubpath();
    QLinearGradient g(0, top, w, bottom);
    g.setColorAt(0, r.main.lighter(125));
    g.setColorAt(1, r.main.darker(115));
    p.setPen(QPen(pal::kInk, 0.7));
    p.setBrush(g);
    p.drawPath(body);
    // A centre panel in the accent colour with a gold edge.
    QPainterPath panel;
    panel.moveTo(w / 2 - 3, top + 1);
    panel.lineTo(w / 2 - 6, bottom);
    panel.lineTo(w / 2 + 6, bottom);
    panel.lineTo(w / 2 + 3, top + 1);
    panel.closeSubpath();
    p.setBrush(r.accent);
    p.setPen(QPen(r.trim, 0.7));
    p.drawPath(panel);
    // Collar: ermine for the King, gold for the others.
    QPainterPath collar;
    collar.moveTo(w / 2 - 9, top + 1.5);
    collar.cubicTo(w / 2 - 5, top + 6, w / 2 + 5, top + 6, w / 2 + 9, top + 1.5);
    collar.cubicTo(w / 2 + 5, top - 1, w / 2 - 5, top - 1, w / 2 - 9, top + 1.5);
    p.setPen(QPen(pal::kInk, 0.5));
    p.setBrush(ermine ? QColor(0xfa, 0xf8, 0xf0) : pal::kGold);
    p.drawPath(collar);
    if (ermine) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal::kInk);
        for (double x : {-5.5, -1.0, 3.5}) p.drawRect(QRectF(w / 2 + x, top + 1.6, 0.8, 1.4));
    }
}

void crown(QPainter& p, double cx, double top, double width, int points) {
    QPainterPath c;
    double base = top + 6;
    c.moveTo(cx - width / 2, base);
    for (int i = 0; i <= points * 2; ++i) {
        double x = cx - width / 2 + width * i / (points * 2);
        c.lineTo(x, i % 2 == 0 ? top : top + 3.2);
    }
    c.lineTo(cx + width / 2, base);
    c.closeSubpath();
    p.setPen(QPen(pal::kGoldDark, 0.55));
    p.setBrush(pal::kGold);
    p.drawPath(c);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kCardRed);
    p.drawEllipse(QPointF(cx, base - 1.6), 0.9, 0.9);
}

// One half of the figure, in a box `w` wide and `h` high; the head near the top.
void halfFigure(QPainter& p, int rank, Suit suit, double w, double h) {
    const Robe r = robeOf(suit);
    const double cx = w / 2, cy = 14.5;
    const bool black = suit == Suit::Spade || suit == Suit::Club;
    if (rank == 13) {  // King: crown, beard, ermine, a sword or sceptre
        robe(p, w, 21, h, r, true);
        // Sword held upright at his side.
        p.setPen(QPen(pal::kInk, 0.5));
        p.setBrush(pal::kSteel);
        p.drawRect(QRectF(4.2, 11, 1.6, 17));
        p.setBrush(pal::kGold);
        p.drawRect(QRectF(2.2, 27, 5.6, 1.4));
        sleeve(p, QPointF(w / 2 - 9, 25), QPointF(6.5, 30), r.main.darker(115));
        hand(p, 5, 30);
        QColor hair = black ? QColor(0x7a, 0x72, 0x6e) : QColor(0x8a, 0x5a, 0x2a);
        p.setPen(QPen(pal::kInk, 0.5));
        p.setBrush(hair);
        p.drawEllipse(QPointF(cx, cy - 1), 6.6, 6.0);
        face(p, cx, cy, true, hair);
        crown(p, cx, 1.5, 13, 3);
    } else if (rank == 12) {  // Queen: long hair, tiara, a flower
        QColor hair = black ? QColor(0x3a, 0x2a, 0x22) : QColor(0xd8, 0xa8, 0x3c);
        QPainterPath locks;
        locks.moveTo(cx - 6.5, cy - 2);
        locks.cubicTo(cx - 9, cy + 6, cx - 9, cy + 10, cx - 7, cy + 13);
        locks.lineTo(cx + 7, cy + 13);
        locks.cubicTo(cx + 9, cy + 10, cx + 9, cy + 6, cx + 6.5, cy - 2);
        locks.closeSubpath();
        p.setPen(QPen(pal::kInk, 0.5));
        p.setBrush(hair);
        p.drawPath(locks);
        robe(p, w, 22, h, r, false);
        p.setBrush(hair);
        p.drawEllipse(QPointF(cx, cy - 1.5), 6.2, 5.5);
        face(p, cx, cy, false, hair);
        crown(p, cx, 3.2, 10, 2);
        // The flower she holds.
        p.setPen(QPen(QColor(0x2e, 0x6a, 0x2e), 0.7));
        p.drawLine(QPointF(w - 6, 31), QPointF(w - 8.5, 21));
        p.setPen(QPen(pal::kInk, 0.4));
        p.setBrush(suit == Suit::Heart ? QColor(0xf0, 0xd0, 0x40) : pal::kCardRed);
        for (int i = 0; i < 5; ++i) {
            double a = i * 72 * 3.14159265 / 180;
            p.drawEllipse(QPointF(w - 8.5 + 1.6 * std::sin(a), 20 - 1.6 * std::cos(a)), 1.2, 1.2);
        }
        p.setBrush(pal::kGoldLight);
        p.drawEllipse(QPointF(w - 8.5, 20), 0.9, 0.9);
        sleeve(p, QPointF(w / 2 + 8, 26), QPointF(w - 8.5, 29), r.main.darker(115));
        hand(p, w - 7, 29);
    } else {  // Jack: young, feathered cap, halberd
        QColor hair = black ? QColor(0x4a, 0x32, 0x20) : QColor(0xb8, 0x6a, 0x2a);
        robe(p, w, 21, h, r, false);
        // Halberd over his shoulder.
        p.setPen(QPen(QColor(0x6a, 0x4a, 0x2a), 1.0));
        p.drawLine(QPointF(w - 5, h), QPointF(w - 5, 3));
        p.setPen(QPen(pal::kInk, 0.45));
        p.setBrush(pal::kSteel);
        QPainterPath blade;
        blade.moveTo(w - 5, 2);
        blade.lineTo(w - 1.5, 5);
        blade.lineTo(w - 1.5, 9);
        blade.lineTo(w - 5, 8);
        blade.closeSubpath();
        p.drawPath(blade);
        sleeve(p, QPointF(w / 2 + 8, 25), QPointF(w - 6.5, 30), r.main.darker(115));
        hand(p, w - 5, 30);
        p.setPen(QPen(pal::kInk, 0.5));
        p.setBrush(hair);
        p.drawEllipse(QPointF(cx, cy), 6.3, 6.3);
        face(p, cx, cy + 0.5, false, hair);
        // Cap with a feather.
        QPainterPath cap;
        cap.moveTo(cx - 7.5, cy - 3.5);
        cap.cubicTo(cx - 6, cy - 11, cx + 6, cy - 11, cx + 7.5, cy - 3.5);
        cap.closeSubpath();
        p.setBrush(r.accent == QColor(0x1a, 0x1a, 0x22) ? pal::kCrimson : r.accent);
        p.drawPath(cap);
        p.setPen(QPen(pal::kGold, 0.8));
        p.drawLine(QPointF(cx - 7, cy - 4), QPointF(cx + 7, cy - 4));
        QPainterPath feather;
        feather.moveTo(cx + 4, cy - 8);
        feather.cubicTo(cx + 9, cy - 14, cx + 13, cy - 12, cx + 14, cy - 10);
        feather.cubicTo(cx + 10, cy - 10, cx + 7, cy - 8, cx + 4, cy - 8);
        p.setPen(QPen(pal::kInk, 0.4));
        p.setBrush(QColor(0xf4, 0xf0, 0xe6));
        p.drawPath(feather);
    }
    // The suit sign on the chest.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kGoldLight);
    p.drawPath(SuitPath(suit, QRectF(cx - 2.2, h - 9, 4.4, 4.8)));
}
}  // namespace

void DrawCourt(QPainter& p, int rank, Suit suit, const QRectF& frame) {
    p.save();
    QLinearGradient bg(frame.topLeft(), frame.bottomRight());
    bg.setColorAt(0, QColor(0xfb, 0xf3, 0xdc));
    bg.setColorAt(1, QColor(0xf0, 0xe2, 0xbc));
    p.setPen(QPen(pal::kInk, 0.7));
    p.setBrush(bg);
    p.drawRect(frame);
    const double halfH = frame.height() / 2;
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.setClipRect(half == 0 ? QRectF(frame.left(), frame.top(), frame.width(), halfH)
                                : QRectF(frame.left(), frame.top() + halfH, frame.width(), halfH));
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.topLeft());
        halfFigure(p, rank, suit, frame.width(), halfH);
        // The small suit sign in the frame's corner, as classic courts carry it.
        p.setPen(Qt::NoPen);
        p.setBrush(SuitColour(suit));
        p.drawPath(SuitPath(suit, QRectF(1.8, 1.5, 6, 6.5)));
        p.restore();
    }
    p.setPen(QPen(pal::kGoldDark, 0.6));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SuitColour(suit), 0.9));
    p.drawRect(frame);
    p.restore();
}
