#include "asset_io.h"
#include "paint_util.h"

#include <QPainter>

void GeneratePortraits(const AssetContext& ctx) {
    for (int face = 0; face <= 28; ++face) {
        QColor fill = QColor::fromHsv((face * 37) % 360, 120, 140);
        for (int scale : {1, 2}) {
            QImage img = LabelledPanel(85 * scale, 100 * scale, fill, QString::number(face), 20 * scale);
            QString name = scale == 1 ? QStringLiteral("%1.png") : QStringLiteral("%1@2x.png");
            WritePng(ctx.res(name.arg(face + 63)), img);
        }
    }
}
