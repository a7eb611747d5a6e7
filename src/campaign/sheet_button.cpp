// Picture buttons cut from the button sheets.
#include "campaign/sheet_button.h"

#include "look/look.h"
#include "media/pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

SheetButton::SheetButton(QWidget* parent) : QWidget(parent) {
    setCursor(HandCursorShape());
    look::keys::FollowOption(*this);
}

void SheetButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    setFixedSize(picture.deviceIndependentSize().toSize());
    update();
}

void SheetButton::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    if (hasFocus()) look::keys::PaintFocus(p, QRectF(rect()));
}

void SheetButton::keyPressEvent(QKeyEvent* e) {
    if (look::keys::ButtonKey(*this, e)) Q_EMIT clicked();
}

void SheetButton::keyReleaseEvent(QKeyEvent* e) {
    if (look::keys::ButtonKey(*this, e)) Q_EMIT clicked();
}

void SheetButton::focusInEvent(QFocusEvent*) {
    update();
}

void SheetButton::focusOutEvent(QFocusEvent*) {
    update();
}

// Taking the press makes this widget the one that hears the release: on a
// scaled screen the graphics view hands the release to whoever took the press.
void SheetButton::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void SheetButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
}

QPixmap SheetCell(const QPixmap& sheet, int left, int top, int width, int height) {
    // The cell is given in the layouts' numbers, whatever the sheet's density.
    const QSize size = PictureSize(sheet);
    if (!sheet.isNull() && left + width <= size.width() && top + height <= size.height())
        return CutPicture(sheet, QRect(left, top, width, height));
    QPixmap blank(width, height);
    blank.fill(Qt::transparent);
    return blank;
}
