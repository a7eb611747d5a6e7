// Drawing the campaign's set-up windows.
#include "campaign/panel_look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace panel {

QFont Gothic(double px, bool bold) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(static_cast<int>(px));
    f.setBold(bold);
    return f;
}

void PaintPanel(QPainter& p, const QRect& r, const QString& title) {
    p.save();
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, kNight);
    body.setColorAt(1, kNightDeep);
    p.fillRect(r, body);
    const QRect strip(r.left(), r.top(), r.width(), kCaptionHeight);
    QLinearGradient cap(strip.topLeft(), strip.bottomLeft());
    cap.setColorAt(0, QColor(0x6a, 0x14, 0x1e));
    cap.setColorAt(1, QColor(0x3a, 0x08, 0x10));
    p.fillRect(strip, cap);
    p.setPen(QPen(kGold, 1));
    p.drawLine(strip.bottomLeft(), strip.bottomRight());
    p.setFont(Gothic(13, true));
    p.setPen(kGoldLight);
    p.drawText(strip.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    p.restore();
}

void PaintFrame(QPainter& p, const QRect& r, const QString& caption) {
    p.save();
    const QFont f = Gothic(12);
    const QFontMetrics fm(f);
    const int textWidth = fm.horizontalAdvance(caption);
    p.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    if (caption.isEmpty()) {
        p.restore();
        return;
    }
    const QRect textRect(r.left() + 10, r.top() - fm.height() / 2, textWidth + 8, fm.height());
    p.fillRect(textRect, kNight);
    p.setFont(f);
    p.setPen(kGoldLight);
    p.drawText(textRect, Qt::AlignCenter, caption);
    p.restore();
}

void StyleLabel(QLabel* l, double px, const QColor& colour, bool bold) {
    l->setFont(Gothic(px, bold));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
}

}  // namespace panel
