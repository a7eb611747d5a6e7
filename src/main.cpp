#include "app/startup.h"

#include <QApplication>

// Provided by the shell: the main window, the backdrop and what follows them.
StartupWindows GameStartupWindows();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrax"));
    QApplication::setOrganizationName(QStringLiteral("Nimbrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.nimbrel.Vantrax"));
    if (!Main(GameStartupWindows())) return 0;
    return app.exec();
}
