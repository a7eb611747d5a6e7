// vantrax-assets <program folder> <resource folder>
// Draws every picture, synthesises every sound and writes every MIDI track.
// vantrax-assets --contact-sheet <program folder> <resource folder> <out.png>
// lays every generated picture out on one sheet for review.
// vantrax-assets --icons <folder> <name> writes the desktop icon set.
#include "asset_io.h"
#include "contact_sheet.h"
#include "icons.h"

#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--contact-sheet")
        return WriteContactSheet(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                                 QString::fromLocal8Bit(argv[4]));
    if (argc == 4 && QByteArray(argv[1]) == "--icons")
        return GenerateIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    if (argc != 3) {
        std::fprintf(stderr, "usage: vantrax-assets <program folder> <resource folder>\n");
        return 2;
    }
    AssetContext ctx{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    // Sound and music need no painter: they run beside the pictures on a second core.
    std::thread audio([&ctx] {
        GenerateSounds(ctx);
        GenerateMusic(ctx);
    });
    GenerateCards(ctx);
    GeneratePortraits(ctx);
    GenerateScreens(ctx);
    GenerateScenes(ctx);
    GenerateHelp(ctx);
    audio.join();
    return 0;
}
