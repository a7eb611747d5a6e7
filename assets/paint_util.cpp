#include "paint_util.h"

#include <QFont>
#include <QPainter>

QImage LabelledPanel(int w, int h, const QColor& fill, const QString& caption, int pixelSize) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(fill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.lighter(160), 2));
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixelSize);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter | Qt::TextWordWrap, caption);
    return img;
}
