// Provisional until the main window exists: a plain frame shows that the game
// has started.
#include "app/startup.h"
#include "shell/menu.h"

#include <QMainWindow>

void SetMenu(int16_t) {}

StartupWindows GameStartupWindows() {
    StartupWindows w;
    w.showMainWindow = [] {
        auto* frame = new QMainWindow;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowTitle(QStringLiteral("Vantrax"));
        frame->resize(800, 600);
        frame->show();
    };
    return w;
}
