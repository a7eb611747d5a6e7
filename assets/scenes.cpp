#include "scenes.h"

#include "app/data_files.h"
#include "asset_io.h"
#include "paint_util.h"

namespace {
void writeSeries(const AssetContext& ctx, const char* prefix, const std::vector<QImage>& frames) {
    for (size_t i = 0; i < frames.size(); ++i) {
        const QString name = DataFileName(prefix, static_cast<int>(i) + 1);
        WritePng(ctx.out(PictureDensity() == 1 ? name : HighDensityName(name)),
                 frames[i].convertToFormat(QImage::Format_RGB32));
    }
}
}  // namespace

void GenerateScenes(const AssetContext& ctx) {
    // Every frame at 1x, then drawn anew at 2x for its twin.
    for (int density : {1, 2}) {
        DrawingDensity at(density);
        writeSeries(ctx, "dData", LogoFrames());
        writeSeries(ctx, "fData", PrologueFrames());
        writeSeries(ctx, "aData", PassageFrames());
        writeSeries(ctx, "hData", EndingFrames());
        writeSeries(ctx, "eData", StaffFrames());
        writeSeries(ctx, "gData", MakingFrames());
    }
}
