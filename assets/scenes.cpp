#include "scenes.h"

#include "app/data_files.h"
#include "asset_io.h"

namespace {
void writeSeries(const AssetContext& ctx, const char* prefix, const std::vector<QImage>& frames) {
    for (size_t i = 0; i < frames.size(); ++i)
        WritePng(ctx.out(DataFileName(prefix, static_cast<int>(i) + 1)),
                 frames[i].convertToFormat(QImage::Format_RGB32));
}
}  // namespace

void GenerateScenes(const AssetContext& ctx) {
    writeSeries(ctx, "dData", LogoFrames());
    writeSeries(ctx, "fData", PrologueFrames());
    writeSeries(ctx, "aData", PassageFrames());
    writeSeries(ctx, "hData", EndingFrames());
    writeSeries(ctx, "eData", StaffFrames());
    writeSeries(ctx, "gData", MakingFrames());
}
