#include "app/startup.h"
#include "duel/replay_play.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

#include <cstdio>
#include <optional>

// Provided by the shell: the main window, the backdrop and what follows them.
StartupWindows GameStartupWindows();

namespace {
// `--replay FILE` plays a recorded duel; `--headless` adds: off screen and silent.
struct ReplayArgs {
    QString file;
    bool headless = false;
};
std::optional<ReplayArgs> ReplayArguments(int argc, char** argv) {
    std::optional<ReplayArgs> args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--replay" && i + 1 < argc) {
            if (!args) args.emplace();
            // The start makes the program folder the current one: a file named
            // from the shell's folder is found from there.
            const QString file = QString::fromLocal8Bit(argv[++i]);
            args->file = file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
        } else if (a == "--headless") {
            if (!args) args.emplace();
            args->headless = true;
        }
    }
    return args;
}
}  // namespace

int main(int argc, char** argv) {
    const std::optional<ReplayArgs> replay = ReplayArguments(argc, argv);
    if (replay && replay->headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("VANTRAX_AUDIO", "null");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrax"));
    QApplication::setOrganizationName(QStringLiteral("Nimbrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.nimbrel.Vantrax"));
    if (replay) {
        if (replay->file.isEmpty()) {
            std::fprintf(stderr, "usage: vantrax --replay FILE [--headless]\n");
            return 2;
        }
        // The same checks as a normal start (options, program folder, data
        // files), but no window of the game opens.
        if (!Main(StartupWindows{})) return 1;
        return ReplayCommand(replay->file, replay->headless);
    }
    if (!Main(GameStartupWindows())) return 0;
    // Checking an installed copy: once the first windows are open, name them
    // and leave. A copy that cannot find its data never gets here; it stops at
    // the integrity message instead.
    if (qEnvironmentVariableIsSet("VANTRAX_QUIT_AFTER_START")) {
        QApplication::processEvents();
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            std::printf("window: %s\n", qUtf8Printable(w->windowTitle()));
            ++shown;
        }
        return shown > 0 ? 0 : 1;
    }
    return app.exec();
}
