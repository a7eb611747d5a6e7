#include "look/look.h"

#include "app/state.h"
#include "look/suits.h"
#include "media/pictures.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace look {

namespace {
// Plaques number their suits in the order the title's buttons cycle through.
constexpr std::array<Suit, 4> kPlaqueSuits{Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};

// The suit sign of plaque suit `suit`, `s` high and centred on `c`.
void fillSuit(QPainter& p, int suit, QPointF c, double s) {
    const Suit shape = kPlaqueSuits[static_cast<size_t>(suit)];
    p.fillPath(SuitPath(shape, QRectF(c.x() - s * 0.45, c.y() - s / 2, s * 0.9, s)), SuitColour(shape));
}
}  // namespace

void PaintLogo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap logo = LoadBuiltInPicture(QStringLiteral("backdrop_logo"));
    p.drawPixmap(r, logo, QRectF(logo.rect()));
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
    if (suit >= 0 && suit < static_cast<int>(kPlaqueSuits.size())) {
        const double s = r.height() * 0.46;
        fillSuit(p, suit, QPointF(body.left() + r.height() * 0.55, body.center().y()), s);
        fillSuit(p, suit, QPointF(body.right() - r.height() * 0.55, body.center().y()), s);
    }
    p.setFont(PlaqueFont(r.height()));
    p.setPen(hot ? kCrimson : kInk);
    p.drawText(body, Qt::AlignCenter, caption);
    p.restore();
}

}  // namespace look

QCursor HandCursorShape() {
    if (HandCursor.isNull()) return QCursor(Qt::PointingHandCursor);
    // The hand's fingertip is near the top left of the picture.
    return QCursor(HandCursor.get(), HandCursor.width() / 4, 1);
}

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
