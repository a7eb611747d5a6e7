// Provisional until the main window exists: a plain frame shows that the game
// has started.
#include "app/startup.h"
#include "shell/menu.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"

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

OpenForm::OpenForm() { resize(400, 300); }
void OpenForm::Form_Load() {}
void OpenForm::Form_Unload(bool&) {}
void OpenBot1() {}
void OpenBot2() {}

p_MainForm::p_MainForm() { resize(400, 300); }
void p_MainForm::Form_Load() {}
void p_MainForm::Form_Unload(bool&) {}
void Bot(int16_t) {}
