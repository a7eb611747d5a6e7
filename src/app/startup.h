#pragma once
#include <QString>
#include <functional>

class QWidget;

// The windows Main opens once the checks pass: the main window, the loading
// backdrop and the opening scene, in that order.
struct StartupWindows {
    std::function<void()> showMainWindow;
    std::function<void()> showBackdrop;
    std::function<void()> showOpening;
    // Puts a dialog of start-up (the re-setup window) into the game's look.
    std::function<void(QWidget&)> dressDialog;
};

// The program's entry. Returns true when the first windows are open; false
// after the integrity failure and the re-setup window, when the program ends.
bool Main(const StartupWindows& windows);

// Tests that every data file and the help file exist in the current folder, in
// check order, then loads the three shared pictures. False at the first fault.
bool IntegrityCheck();

extern const QString kIntegrityTitle;
extern const QString kIntegrityText;
