#pragma once
#include "app/forms.h"

#include <array>
#include <cstdint>
#include <functional>

#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;

// The program's frame: the menu bar, and a client area that hosts every
// screen. It remembers its placement between runs, and every way of closing it
// asks first whether the player really wants to quit.
class MeinForm : public GameForm {
    Q_OBJECT
public:
    MeinForm();
    ~MeinForm() override;
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize();
    // The frame itself is never drawn inside a client area.
    bool scalesWithHost() const override { return false; }

    QMenuBar* MenuBar = nullptr;
    QWidget* Client;  // the client area every screen is a child of

    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuSave = nullptr;
    QMenu* mnuPractice = nullptr;
    std::array<QAction*, 4> mnuLevel{};  // practice levels 0..3
    QAction* mnuSaveReplay = nullptr;    // offered while the last duel's replay can be saved
    QAction* mnuEnd = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpShow = nullptr;
    QAction* mnuVersion = nullptr;
    QAction* mnuMakerPage = nullptr;
    QAction* mnuVantraxPage = nullptr;
    // The screens' size and full screen.
    QMenu* mnuView = nullptr;
    QAction* mnuScaleFit = nullptr;
    std::array<QAction*, 4> mnuScale{};  // 1x, 1.5x, 2x, 3x
    QAction* mnuFullScreen = nullptr;

    void mnuNew_Click();
    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuLevel_Click(int level);
    void mnuEnd_Click();
    void mnuHelpShow_Click();
    void mnuVersion_Click();
    void mnuMakerPage_Click();
    void mnuVantraxPage_Click();
    // Chooses the screens' size (a percent step, or 0 to fit) and keeps it.
    void mnuScale_Click(int16_t choice);
    void mnuFullScreen_Click();
    // Draws the screens at the size the choice gives in the client area now.
    void ApplyScale();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void createMenus();
    void ReturnFocusFromMenus();
    void MinimiseOnceShown();
    QPointer<QWidget> focusBeforeMenu_;
    bool minimiseWhenExposed_ = false;
};

inline const QString kMakerHomePage = QStringLiteral("https://nimbrel.example/");
inline const QString kVantraxHomePage = QStringLiteral("https://nimbrel.example/vantrax/");

// How the program ends once quitting is confirmed: every window is discarded
// without its own closing steps and the application leaves its event loop.
// Tests put a recorder in its place.
using ProgramEndHandler = std::function<void()>;
ProgramEndHandler SetProgramEnd(ProgramEndHandler end);
