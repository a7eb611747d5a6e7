#include "look/look.h"

#include "app/state.h"
#include "look/suits.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
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

void PaintLogo(QPainter& p, const QRectF& r, const QPixmap& logo) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
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
    // The hot spot is in the picture's logical pixels, whatever its density.
    return QCursor(HandCursor.get(), HandCursor->deviceIndependentSize().toSize().width() / 4, 1);
}

namespace look::keys {

namespace {
const char kFollows[] = "vantraxKeyButton";
const char kPressed[] = "vantraxKeyDown";
const char kCancel[] = "vantraxCancel";

// The cancel button among `button` and its siblings, if one is shown.
QWidget* cancelBeside(QWidget& button) {
    QWidget* screen = button.parentWidget();
    if (!screen) return nullptr;
    for (QWidget* w : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->property(kCancel).toBool() && w->isVisible() && w->isEnabled()) return w;
    return nullptr;
}
}  // namespace

void FollowOption(QWidget& button) {
    button.setProperty(kFollows, true);
    button.setFocusPolicy(KeyboardAccess ? Qt::StrongFocus : Qt::NoFocus);
    if (!KeyboardAccess && button.hasFocus()) button.clearFocus();
}

void ApplyOption() {
    for (QWidget* w : QApplication::allWidgets())
        if (w->property(kFollows).toBool()) FollowOption(*w);
}

void FocusNext(QWidget& from, bool forward) {
    // The next button in the window's Tab order, as Tab itself goes.
    QWidget* next = forward ? from.nextInFocusChain() : from.previousInFocusChain();
    while (next && next != &from &&
           !(next->property(kFollows).toBool() && next->focusPolicy() != Qt::NoFocus &&
             next->isVisibleTo(from.window()) && next->isEnabled()))
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    if (next && next != &from) next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void Offer(QWidget& button) {
    if (KeyboardAccess && button.focusPolicy() != Qt::NoFocus && button.isVisibleTo(button.window()) &&
        button.isEnabled())
        button.setFocus(Qt::OtherFocusReason);
}

bool ButtonKey(QWidget& button, QKeyEvent* e) {
    if (!KeyboardAccess || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        e->ignore();
        return false;
    }
    const bool press = e->type() == QEvent::KeyPress;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (press) FocusNext(button, e->key() == Qt::Key_Right || e->key() == Qt::Key_Down);
            e->accept();
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            e->accept();
            if (e->isAutoRepeat()) return false;
            // Pressed on release, like the dialogs' buttons: a window the button
            // opens must not catch this very key. And only when the key went down
            // here: the release of an Enter that closed a dialog is not a press.
            if (press) {
                button.setProperty(kPressed, true);
                return false;
            }
            if (!button.property(kPressed).toBool()) return false;
            button.setProperty(kPressed, false);
            return true;
        case Qt::Key_Escape:
            if (QWidget* cancel = cancelBeside(button)) {
                e->accept();
                if (press && !e->isAutoRepeat()) QMetaObject::invokeMethod(cancel, "clicked");
                return false;
            }
            e->ignore();
            return false;
        default:
            e->ignore();
            return false;
    }
}

void SetCancel(QWidget& button) {
    button.setProperty(kCancel, true);
}

void PaintFocus(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look::kCrimson, 2, Qt::DashLine));
    const double radius = std::min(r.width(), r.height()) * 0.2;
    p.drawRoundedRect(r.adjusted(4, 4, -5, -5), radius, radius);
    p.restore();
}

}  // namespace look::keys

PlaqueButton::PlaqueButton(const QString& caption, int suit, QWidget* parent)
    : KeyButton(parent), caption_(caption), suit_(suit) {
    setAttribute(Qt::WA_Hover);
    setAccessibleName(caption);
}

void PlaqueButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    look::PaintPlaque(p, QRectF(rect()), caption_, suit_, hot_ || hasFocus());
    if (hasFocus()) look::keys::PaintFocus(p, QRectF(rect()));
}

void PlaqueButton::enterEvent(QEnterEvent*) {
    hot_ = true;
    update();
}

void PlaqueButton::leaveEvent(QEvent*) {
    hot_ = false;
    update();
}
