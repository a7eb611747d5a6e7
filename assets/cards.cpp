#include "asset_io.h"
#include "paint_util.h"

#include <QPainter>

namespace {
const char* const kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char* const kSuits[4] = {"♠", "♣", "♥", "♦"};

QImage cardFace(int value, int scale) {
    int suit = (value - 1) / 13, rank = (value - 1) % 13;
    QImage img(70 * scale, 90 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 69, 89), 6, 6);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(22);
    p.setFont(f);
    p.setPen(suit < 2 ? Qt::black : QColor(200, 0, 0));
    p.drawText(QRect(0, 0, 70, 90), Qt::AlignCenter,
               QString::fromUtf8(kRanks[rank]) + QLatin1Char('\n') + QString::fromUtf8(kSuits[suit]));
    return img;
}
}  // namespace

void GenerateCards(const AssetContext& ctx) {
    for (int v = 1; v <= 52; ++v) {
        WritePng(ctx.res(QStringLiteral("%1.png").arg(v + 10)), cardFace(v, 1));
        WritePng(ctx.res(QStringLiteral("%1@2x.png").arg(v + 10)), cardFace(v, 2));
    }
}
