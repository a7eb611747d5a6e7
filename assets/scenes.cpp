#include "asset_io.h"
#include "media/data_files.h"
#include "paint_util.h"

namespace {
void series(const AssetContext& ctx, const char* prefix, int count, int w, int h) {
    for (int n = 1; n <= count; ++n)
        WritePng(ctx.out(DataFileName(prefix, n)),
                 LabelledPanel(w, h, QColor::fromHsv((n * 23) % 360, 90, 70), QStringLiteral("%1 %2").arg(QLatin1String(prefix)).arg(n)));
}
}  // namespace

void GenerateScenes(const AssetContext& ctx) {
    series(ctx, "aData", 18, 375, 258);
    series(ctx, "dData", 20, 480, 240);
    series(ctx, "eData", 4, 500, 400);
    series(ctx, "fData", 12, 500, 300);
    series(ctx, "gData", 5, 375, 330);
    series(ctx, "hData", 38, 375, 258);
}
