#include "app/data_files.h"
#include "asset_io.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

void GenerateHelp(const AssetContext& ctx) {
    QFile document(QStringLiteral(":/help/vantra_help.html"));
    if (!document.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vantrax-assets: the help document is not built in\n");
        std::exit(1);
    }
    WriteBytes(ctx.out(kHelpFile), document.readAll());
}
