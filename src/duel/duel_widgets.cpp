#include "duel/duel_widgets.h"

#include "media/pictures.h"

#include <QMouseEvent>
#include <QPaintEvent>
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
    feltCache_ = QPixmap();
    update();
}

void Panel::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (!felt_) {
        p.fillRect(e->rect(), back_);
        return;
    }
    // Cards and labels over the felt repaint it often; the shading is drawn
    // once and copied from then on.
    const qreal dpr = ScreenPictureRatio();
    const QSize px = (QSizeF(size()) * dpr).toSize();
    if (feltCache_.size() != px || feltCache_.devicePixelRatio() != dpr) {
        feltCache_ = QPixmap(px);
        feltCache_.setDevicePixelRatio(dpr);
        QPainter c(&feltCache_);
        QRadialGradient g(rect().center(), std::max(width(), height()) * 0.75);
        g.setColorAt(0, back_.lighter(150));
        g.setColorAt(1, back_.darker(160));
        c.fillRect(rect(), g);
        c.setPen(QPen(back_.darker(250), 2));
        c.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    p.drawPixmap(e->rect(), feltCache_, QRectF(QPointF(e->rect().topLeft()) * dpr, QSizeF(e->rect().size()) * dpr));
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
        const int b = borderWidth_, w = width(), h = height();
        p.fillRect(0, 0, w, b, border_);
        p.fillRect(0, h - b, w, b, border_);
        p.fillRect(0, b, b, h - 2 * b, border_);
        p.fillRect(w - b, b, b, h - 2 * b, border_);
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
    if (dragging_ && onDragMove) onDragMove(e->position());
}

void CardImage::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (dragging_) {
        dragging_ = false;
        setCursor(draggable_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
        if (onDragEnd) onDragEnd(e->position());
        return;
    }
    // A click is a press and a release on the same image.
    if (rect().contains(e->position().toPoint()) && onClick) onClick(index_);
}

QFont NarrowFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

void BannerLabel::paintEvent(QPaintEvent*) {
    const qreal dpr = ScreenPictureRatio();
    // The text is drawn once into a mask, which every frame of the banner's
    // slide and blink then only tints and copies.
    if (maskText_ != text() || mask_.size() != (QSizeF(size()) * dpr).toSize()) {
        mask_ = QImage((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        mask_.setDevicePixelRatio(dpr);
        mask_.fill(Qt::transparent);
        QPainter m(&mask_);
        m.setFont(font());
        m.setPen(Qt::white);
        m.drawText(rect(), static_cast<int>(alignment()), text());
        maskText_ = text();
        tint_ = QColor();
    }
    const QColor colour = palette().color(QPalette::WindowText);
    if (colour != tint_) {
        if (tinted_.size() != mask_.size()) {
            tinted_ = QImage(mask_.size(), QImage::Format_ARGB32_Premultiplied);
            tinted_.setDevicePixelRatio(dpr);
        }
        QPainter t(&tinted_);
        t.setCompositionMode(QPainter::CompositionMode_Source);
        t.drawImage(0, 0, mask_);
        t.setCompositionMode(QPainter::CompositionMode_SourceIn);
        t.fillRect(rect(), colour);
        tint_ = colour;
    }
    QPainter p(this);
    p.drawImage(0, 0, tinted_);
}

// A banner is up for a few seconds of a duel; hidden, it keeps no pictures
// (at 2x the two of them are 0.8 MB).
void BannerLabel::hideEvent(QHideEvent* e) {
    QLabel::hideEvent(e);
    mask_ = tinted_ = QImage();
    maskText_.clear();
    tint_ = QColor();
}

CoverBox::CoverBox(QWidget* parent) : QWidget(parent) {}

void CoverBox::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void CoverBox::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}
