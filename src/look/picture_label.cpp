#include "look/picture_label.h"

#include <QPainter>
#include <QStyle>

void PictureLabel::paintEvent(QPaintEvent* e) {
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QRect area = contentsRect();
    if (hasScaledContents()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(area, picture);
        return;
    }
    const QSize size = picture.deviceIndependentSize().toSize();
    p.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment(), size, area).topLeft(), picture);
}
