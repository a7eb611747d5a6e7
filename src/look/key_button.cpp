#include "look/key_button.h"

#include "look/look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

KeyButton::KeyButton(QWidget* parent) : QWidget(parent) {
    setCursor(HandCursorShape());
    look::keys::FollowOption(*this);
}

// Taking the press makes this widget the one that hears the release: on a
// scaled screen the graphics view hands the release to whoever took the press.
void KeyButton::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void KeyButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
}

void KeyButton::keyPressEvent(QKeyEvent* e) {
    if (look::keys::ButtonKey(*this, e)) Q_EMIT clicked();
}

void KeyButton::keyReleaseEvent(QKeyEvent* e) {
    if (look::keys::ButtonKey(*this, e)) Q_EMIT clicked();
}

void KeyButton::focusInEvent(QFocusEvent*) {
    update();
}

void KeyButton::focusOutEvent(QFocusEvent*) {
    setProperty("vantraxKeyDown", false);
    update();
}

SheetButton::SheetButton(QWidget* parent) : KeyButton(parent) {}

void SheetButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    setFixedSize(picture.deviceIndependentSize().toSize());
    update();
}

void SheetButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) p.drawPixmap(0, 0, picture_);
    if (hasFocus()) look::keys::PaintFocus(p, QRectF(rect()));
}
