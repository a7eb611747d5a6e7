#include "asset_io.h"
#include "media/data_files.h"

void GenerateHelp(const AssetContext& ctx) {
    WriteBytes(ctx.out(kHelpFile), QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
                                                  "<title>Vantrax ヘルプ</title></head><body><h1>Vantrax</h1></body></html>\n")
                                       .toUtf8());
}
