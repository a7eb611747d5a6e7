#include "duel/duel_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

QColor BgrColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Panel::Panel(QWidget* parent, QColor back, bool felt) : QWidget(parent), back_(back), felt_(felt) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Panel::setBackColor(QColor c) {
    if (c == back_) return;
    back_ = c;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!felt_) {
        p.fillRect(rect(), back_);
        return;
    }
    QRadialGradient g(rect().center(), std::max(width(), height()) * 0.75);
    g.setColorAt(0, back_.lighter(150));
    g.setColorAt(1, back_.darker(160));
    p.fillRect(rect(), g);
    p.setPen(QPen(back_.darker(250), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void Panel::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp) onMouseUp(e);
    e->accept();
}

ShapeBox::ShapeBox(QWidget* parent, QColor fill, QColor border, int borderWidth)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::setFillColor(QColor c) {
    if (c == fill_) return;
    fill_ = c;
    update();
}

void ShapeBox::setShapeWidth(int px) {
    if (px != width()) resize(px, height());
}

void ShapeBox::setShapeHeight(int px) {
    if (px != height()) resize(width(), px);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.isValid()) p.fillRect(rect(), fill_);
    if (border_.isValid() && borderWidth_ > 0) {
        p.setPen(QPen(border_, borderWidth_));
        p.setBrush(Qt::NoBrush);
        const int h = borderWidth_ / 2;
        p.drawRect(rect().adjusted(h, h, -h - (borderWidth_ % 2 ? 1 : 0), -h - (borderWidth_ % 2 ? 1 : 0)));
    }
}

BarBox::BarBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarBox::setBar(int value, int maximum, QColor colour) {
    if (value == value_ && maximum == maximum_ && colour == colour_) return;
    value_ = value;
    maximum_ = std::max(1, maximum);
    colour_ = colour;
    update();
}

int BarBox::filledWidth() const {
    return width() * value_ / maximum_;
}

void BarBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(18, 22, 28));
    const int w = filledWidth();
    if (w > 0) {
        QLinearGradient g(0, 0, 0, 17);
        g.setColorAt(0, colour_.lighter(140));
        g.setColorAt(0.5, colour_);
        g.setColorAt(1, colour_.darker(140));
        p.fillRect(QRect(0, 0, w, 17), g);
    }
    p.setPen(QColor(90, 100, 115));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

CardImage::CardImage(QWidget* parent, int index) : QWidget(parent), index_(index) {}

void CardImage::setPicture(const QPixmap& pic) {
    picture_ = pic;
    update();
}

void CardImage::setDraggable(bool on) {
    draggable_ = on;
    setCursor(on ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void CardImage::paintEvent(QPaintEvent*) {
    ++paints_;
    if (picture_.isNull()) return;
    QPainter p(this);
    const QSizeF s = picture_.deviceIndependentSize();
    p.drawPixmap(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), picture_);
}

void CardImage::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton) return;
    pressed_ = true;
    if (draggable_) {
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
        if (onDragStart) onDragStart(index_, e->position().toPoint());
    }
}

void CardImage::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (dragging_ && onDragMove) onDragMove(e->globalPosition());
}

void CardImage::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (dragging_) {
        dragging_ = false;
        setCursor(draggable_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
        if (onDragEnd) onDragEnd(e->globalPosition());
        return;
    }
    // A click is a press and a release on the same image.
    if (rect().contains(e->position().toPoint()) && onClick) onClick(index_);
}

CoverBox::CoverBox(QWidget* parent) : QWidget(parent) {}

void CoverBox::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void CoverBox::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}
