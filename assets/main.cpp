// vantrax-assets <program folder> <resource folder>
// Draws every picture, synthesises every sound and writes every MIDI track.
#include "asset_io.h"

#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
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
