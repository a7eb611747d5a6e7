#include "app/startup.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

// Provided by the shell: the main window, the backdrop and what follows them.
StartupWindows GameStartupWindows();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrax"));
    QApplication::setOrganizationName(QStringLiteral("Nimbrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.nimbrel.Vantrax"));
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
