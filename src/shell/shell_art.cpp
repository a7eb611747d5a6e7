#include "shell/shell_art.h"

#include "media/pictures.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace look {

namespace {
QFont face(const char* family, double px, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Suits as shapes rather than glyphs, so they look the same whatever fonts
// are installed. 0 spade, 1 heart, 2 club, 3 diamond, centred on c.
QPainterPath suitPath(int suit, QPointF c, double s) {
    QPainterPath path;
    const double h = s / 2;
    switch (suit) {
        case 1: {  // heart
            path.moveTo(c.x(), c.y() + h);
            path.cubicTo(c.x() - h * 1.1, c.y() + h * 0.1, c.x() - h * 1.0, c.y() - h * 1.0, c.x(), c.y() - h * 0.45);
            path.cubicTo(c.x() + h * 1.0, c.y() - h * 1.0, c.x() + h * 1.1, c.y() + h * 0.1, c.x(), c.y() + h);
            break;
        }
        case 3:  // diamond
            path.moveTo(c.x(), c.y() - h);
            path.lineTo(c.x() + h * 0.72, c.y());
            path.lineTo(c.x(), c.y() + h);
            path.lineTo(c.x() - h * 0.72, c.y());
            path.closeSubpath();
            break;
        case 2: {  // club
            const double r = h * 0.42;
            path.addEllipse(QPointF(c.x(), c.y() - h * 0.5), r, r);
            path.addEllipse(QPointF(c.x() - h * 0.48, c.y() + h * 0.05), r, r);
            path.addEllipse(QPointF(c.x() + h * 0.48, c.y() + h * 0.05), r, r);
            QPainterPath stem;
            stem.moveTo(c.x() - h * 0.12, c.y());
            stem.lineTo(c.x() - h * 0.35, c.y() + h);
            stem.lineTo(c.x() + h * 0.35, c.y() + h);
            stem.lineTo(c.x() + h * 0.12, c.y());
            stem.closeSubpath();
            path = path.united(stem);
            break;
        }
        default: {  // spade
            path.moveTo(c.x(), c.y() - h);
            path.cubicTo(c.x() + h * 1.1, c.y() - h * 0.2, c.x() + h * 0.9, c.y() + h * 0.75, c.x(), c.y() + h * 0.25);
            path.cubicTo(c.x() - h * 0.9, c.y() + h * 0.75, c.x() - h * 1.1, c.y() - h * 0.2, c.x(), c.y() - h);
            QPainterPath stem;
            stem.moveTo(c.x() - h * 0.1, c.y() + h * 0.1);
            stem.lineTo(c.x() - h * 0.38, c.y() + h);
            stem.lineTo(c.x() + h * 0.38, c.y() + h);
            stem.lineTo(c.x() + h * 0.1, c.y() + h * 0.1);
            stem.closeSubpath();
            path = path.united(stem);
            break;
        }
    }
    return path;
}

QColor suitColor(int suit) {
    return (suit == 1 || suit == 3) ? QColor(0xc4, 0x12, 0x2c) : QColor(0x18, 0x16, 0x1c);
}

void paintCard(QPainter& p, const QRectF& r, int suit, const QString& rank) {
    QPainterPath body;
    body.addRoundedRect(r, r.width() * 0.1, r.width() * 0.1);
    p.fillPath(body.translated(3, 4), QColor(0, 0, 0, 90));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xff, 0xfe, 0xfa));
    g.setColorAt(1, QColor(0xf1, 0xed, 0xe2));
    p.fillPath(body, g);
    p.setPen(QPen(kInk, 1.4));
    p.drawPath(body);
    p.setPen(QPen(kGold, 1.0));
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), r.width() * 0.06, r.width() * 0.06);
    p.fillPath(suitPath(suit, r.center() + QPointF(0, 4), r.width() * 0.42), suitColor(suit));
    p.setFont(face("Liberation Serif", r.width() * 0.26, true));
    p.setPen(suitColor(suit));
    p.drawText(QRectF(r.left() + 6, r.top() + 4, r.width() * 0.4, r.height() * 0.24), Qt::AlignLeft | Qt::AlignTop,
               rank);
}
}  // namespace

QFont Gothic(double px, bool bold) {
    return face("IPAPGothic", px, bold);
}
QFont Mincho(double px, bool bold) {
    return face("IPAPMincho", px, bold);
}
QFont Serif(double px, bool bold) {
    return face("Liberation Serif", px, bold);
}

void PaintLogo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(r.topLeft());
    p.scale(r.width() / kLogoWidth, r.height() / kLogoHeight);

    // A fan of five cards rising behind the name: the race of the duel.
    static const std::array<int, 5> suits{0, 1, 2, 3, 0};
    static const std::array<const char*, 5> ranks{"K", "Q", "A", "J", "10"};
    const QPointF pivot(329, 168);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-34 + 17 * i);
        paintCard(p, QRectF(-33, -150, 66, 92), suits[static_cast<size_t>(i)],
                  QLatin1String(ranks[static_cast<size_t>(i)]));
        p.restore();
    }

    QFont title = Serif(104, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    QPainterPath name;
    name.addText(0, 0, title, QStringLiteral("VANTRAX"));
    const QRectF nb = name.boundingRect();
    name.translate(329 - nb.center().x(), 126 - nb.center().y());
    const QRectF box = name.boundingRect();

    p.fillPath(name.translated(4, 6), QColor(0, 0, 0, 150));
    p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, kGoldLight);
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(0.55, kGoldDark);
    gold.setColorAt(1.0, kGold);
    p.fillPath(name, gold);
    p.setPen(QPen(QColor(255, 250, 220, 170), 1.0));
    p.drawPath(name);

    // The line under the name: two gold rules with a diamond between.
    // The same line as on the game's other logos.
    QFont sub = Mincho(19, true);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    const QString subtitle = QStringLiteral("カード・デュエル・ファンタジー");
    const double y = 196;
    const double tw = QFontMetricsF(sub).horizontalAdvance(subtitle);
    p.setPen(QPen(kGold, 1.6));
    p.drawLine(QPointF(329 - tw / 2 - 120, y), QPointF(329 - tw / 2 - 14, y));
    p.drawLine(QPointF(329 + tw / 2 + 14, y), QPointF(329 + tw / 2 + 120, y));
    p.fillPath(suitPath(3, QPointF(329 - tw / 2 - 126, y), 10), kCrimson);
    p.fillPath(suitPath(3, QPointF(329 + tw / 2 + 126, y), 10), kCrimson);
    p.setFont(sub);
    p.setPen(kGoldLight);
    p.drawText(QRectF(329 - tw / 2 - 10, y - 14, tw + 20, 28), Qt::AlignCenter, subtitle);
    p.restore();
}

void PaintNight(QPainter& p, const QRectF& r) {
    p.save();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, kNightDeep);
    sky.setColorAt(0.7, kNight);
    sky.setColorAt(1, QColor(0x2a, 0x22, 0x46));
    p.fillRect(r, sky);
    // Fixed stars: the same sky every time the window is drawn.
    p.setRenderHint(QPainter::Antialiasing);
    uint32_t s = 0x2545f491u;
    for (int i = 0; i < 90; ++i) {
        s = s * 1664525u + 1013904223u;
        const double x = r.left() + (s >> 8) % 10000 / 10000.0 * r.width();
        s = s * 1664525u + 1013904223u;
        const double yy = r.top() + (s >> 8) % 10000 / 10000.0 * r.height() * 0.75;
        s = s * 1664525u + 1013904223u;
        const int a = 60 + static_cast<int>((s >> 8) % 160);
        const double rad = 0.5 + ((s >> 20) % 3) * 0.35;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 248, 220, a));
        p.drawEllipse(QPointF(x, yy), rad, rad);
    }
    p.restore();
}

void PaintGoldFrame(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldDark, 3));
    p.drawRect(r.adjusted(3, 3, -3, -3));
    p.setPen(QPen(kGold, 1));
    p.drawRect(r.adjusted(8.5, 8.5, -8.5, -8.5));
    p.restore();
}

QFont PlaqueFont(double height) {
    return Gothic(height * 0.5, true);
}

void PaintPlaque(QPainter& p, const QRectF& r, const QString& caption, int suit, bool hot) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double radius = r.height() * 0.28;
    QRectF body = r.adjusted(1.5, 1.5, -2.5, -2.5);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    p.fillPath(shape.translated(1.5, 2), QColor(0, 0, 0, 110));
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, hot ? QColor(0xff, 0xf6, 0xdc) : kParchment);
    fill.setColorAt(1, hot ? QColor(0xf0, 0xd8, 0xa0) : kParchmentDark);
    p.fillPath(shape, fill);
    p.setPen(QPen(hot ? kCrimson : kGoldDark, hot ? 2.2 : 1.6));
    p.drawPath(shape);
    p.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 200), 1));
    p.drawRoundedRect(body.adjusted(3, 3, -3, -3), radius * 0.7, radius * 0.7);
    if (suit >= 0) {
        const double s = r.height() * 0.46;
        const QPointF c(body.left() + r.height() * 0.55, body.center().y());
        p.fillPath(suitPath(suit, c, s), suitColor(suit));
        p.fillPath(suitPath(suit, QPointF(body.right() - r.height() * 0.55, body.center().y()), s), suitColor(suit));
    }
    p.setFont(PlaqueFont(r.height()));
    p.setPen(hot ? kCrimson : kInk);
    p.drawText(body, Qt::AlignCenter, caption);
    p.restore();
}

}  // namespace look

PlaqueButton::PlaqueButton(const QString& caption, int suit, QWidget* parent)
    : QWidget(parent), caption_(caption), suit_(suit) {
    setCursor(HandCursorShape());
    setAttribute(Qt::WA_Hover);
}

void PlaqueButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    look::PaintPlaque(p, QRectF(rect()), caption_, suit_, hot_);
}

void PlaqueButton::enterEvent(QEnterEvent*) {
    hot_ = true;
    update();
}

void PlaqueButton::leaveEvent(QEvent*) {
    hot_ = false;
    update();
}

void PlaqueButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
}
