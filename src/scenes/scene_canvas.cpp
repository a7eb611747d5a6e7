#include "scenes/scene_canvas.h"

#include "media/pictures.h"
#include "platform/rounding.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

int ScenePixelSize(double points) {
    return host::CInt(points * 96.0 / 72.0);
}

QFont SceneMincho(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")});
    f.setPixelSize(ScenePixelSize(points));
    f.setBold(bold);
    f.setItalic(false);
    return f;
}

QFont SceneArial(double points, bool italic) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(ScenePixelSize(points));
    f.setItalic(italic);
    return f;
}

SceneCanvas::SceneCanvas(QWidget* parent, int width, int height)
    : QWidget(parent), ratio_(ScreenPictureRatio() > 1.0 ? 2.0 : 1.0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCanvasSize(width, height);
}

void SceneCanvas::setCanvasSize(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    const QSize pixels(host::CInt(width * ratio_), host::CInt(height * ratio_));
    if (image_.size() != pixels) {
        QImage grown(pixels, QImage::Format_RGB32);
        grown.setDevicePixelRatio(ratio_);
        grown.fill(Qt::black);
        if (!image_.isNull()) {
            QPainter p(&grown);
            p.drawImage(0, 0, image_);
        }
        image_ = std::move(grown);
    }
    resize(width, height);
    update();
}

void SceneCanvas::ShowPicture(const QPixmap& picture) {
    if (autoSize_ && !picture.isNull()) setCanvasSize(PictureSize(picture).width(), PictureSize(picture).height());
    image_.fill(Qt::black);
    PaintPicture(picture, 0, 0);
}

void SceneCanvas::PaintPicture(const QPixmap& picture, int x, int y, int width, int height) {
    if (picture.isNull()) return;
    QPainter p(&image_);
    // A 1x picture standing in for a missing 2x one is enlarged smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (width < 0 || height < 0)
        p.drawPixmap(x, y, picture);
    else
        p.drawPixmap(QRect(x, y, width, height), picture);
    update();
}

void SceneCanvas::Clear() {
    image_.fill(Qt::black);
    update();
}

void SceneCanvas::CopyColumn(const QPixmap& picture, int x, int height) {
    if (picture.isNull()) return;
    QPainter p(&image_);
    // The source is in the picture's own pixels.
    const qreal r = picture.devicePixelRatio();
    p.drawPixmap(QRectF(x, 0, 1, height), picture, QRectF(x * r, 0, r, height * r));
    update(x, 0, 1, height);
}

void SceneCanvas::Line(int x1, int y1, int x2, int y2, const QColor& colour) {
    QPainter p(&image_);
    p.setPen(QPen(colour, 1));
    p.drawLine(x1, y1, x2, y2);
    update();
}

void SceneCanvas::Print(const QString& text) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font_);
    p.setPen(fore_);
    const QFontMetrics m(font_);
    p.drawText(CurrentX, CurrentY + m.ascent(), text);
    // Like any print, the next line starts below this one at the left edge.
    CurrentX = 0;
    CurrentY += m.height();
    update();
}

int SceneCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

void SceneCanvas::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    p.drawImage(QRectF(r), image_, QRectF(QPointF(r.topLeft()) * ratio_, QSizeF(r.size()) * ratio_));
}

void SceneCanvas::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void SceneCanvas::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (rect().contains(e->position().toPoint())) Q_EMIT clicked();
}
