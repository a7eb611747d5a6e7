#include "shell/mein_form.h"

#include "app/screen_scale.h"
#include "app/settings_report.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/look.h"
#include "media/mci.h"
#include "platform/launcher.h"
#include "platform/scheduler.h"
#include "shell/about_form.h"
#include "shell/back_form.h"
#include "shell/help_form.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"
#include "shell/placement.h"
#include "shell/replay_save.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {
ProgramEndHandler& programEnd() {
    static ProgramEndHandler end = [] {
        Forms::discardAll();
        QCoreApplication::quit();
    };
    return end;
}

// Which file-menu commands each menu mode leaves usable; help is always on.
struct MenuModeRow {
    bool newGame, load, save, practice, quit;
};
MenuModeRow menuModeRow(int16_t mode) {
    switch (mode) {
        case 0:
            return {false, false, false, false, true};  // duel and scenes
        case 1:
            return {true, true, false, true, true};  // title
        case 2:
            return {false, true, true, false, true};  // castle maps
        default:
            return {true, true, true, true, true};
    }
}
}  // namespace

ProgramEndHandler SetProgramEnd(ProgramEndHandler end) {
    ProgramEndHandler old = std::move(programEnd());
    programEnd() = std::move(end);
    return old;
}

void SetMenu(int16_t mode) {
    // Only a main window that exists has menus to set; asking must not open one.
    // Form_Load sets mode 0 itself once the menus exist.
    MeinForm* m = Forms::Find<MeinForm>();
    if (!m || !m->mnuNew) return;
    const MenuModeRow row = menuModeRow(mode);
    m->mnuNew->setEnabled(row.newGame);
    m->mnuLoad->setEnabled(row.load);
    m->mnuSave->setEnabled(row.save);
    m->mnuPractice->menuAction()->setEnabled(row.practice);
    m->mnuEnd->setEnabled(row.quit);
}

MeinForm::MeinForm() {
    setWindowTitle(QStringLiteral("Vantrax"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Client = new QWidget(this);
    Client->setAutoFillBackground(true);
    QPalette pal = Client->palette();
    pal.setColor(QPalette::Window, look::kNightDeep);
    Client->setPalette(pal);
    Client->installEventFilter(this);
    // The layout makes this, with the menu bar, the frame's own minimum.
    Client->setMinimumSize(kMinClientSize);
    layout->addWidget(Client, 1);
}

void MeinForm::createMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setFont(look::Gothic(13));
    layout()->setMenuBar(MenuBar);

    auto item = [this](QMenu* menu, const QString& caption, const QKeySequence& key, void (MeinForm::*handler)()) {
        QAction* a = menu->addAction(caption);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            // Also on the window itself, so the shortcut works with the menu closed.
            addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };

    mnuFile = MenuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuNew = item(mnuFile, QStringLiteral("新しく始める"), QKeySequence(Qt::CTRL | Qt::Key_N), &MeinForm::mnuNew_Click);
    mnuLoad = item(mnuFile, QStringLiteral("ロードする"), QKeySequence(Qt::CTRL | Qt::Key_O), &MeinForm::mnuLoad_Click);
    mnuSave = item(mnuFile, QStringLiteral("セーブする"), QKeySequence(Qt::CTRL | Qt::Key_S), &MeinForm::mnuSave_Click);
    mnuPractice = mnuFile->addMenu(QStringLiteral("練習モード"));
    const std::array<QString, 4> levels{QStringLiteral("とても簡単"), QStringLiteral("簡単"),
                                        QStringLiteral("標準レベル"), QStringLiteral("やや難しい")};
    for (int i = 0; i < 4; ++i) {
        mnuLevel[static_cast<size_t>(i)] = mnuPractice->addAction(levels[static_cast<size_t>(i)]);
        connect(mnuLevel[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] { mnuLevel_Click(i); });
    }
    // Modes 1 and 2 (the title, a map): no duel or scene is running.
    mnuSaveReplay = AddSaveReplayCommand(mnuFile, this, [this] { return mnuNew->isEnabled() || mnuSave->isEnabled(); });
    mnuFile->addSeparator();
    mnuEnd = item(mnuFile, QStringLiteral("終了"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MeinForm::mnuEnd_Click);

    mnuHelp = MenuBar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuView = MenuBar->addMenu(QStringLiteral("表示(&V)"));
    for (QMenu* menu : {mnuFile, mnuPractice, mnuHelp, mnuView}) menu->setFont(MenuBar->font());
    mnuHelpShow = item(mnuHelp, QStringLiteral("ヘルプの表示"), {}, &MeinForm::mnuHelpShow_Click);
    mnuVersion = item(mnuHelp, QStringLiteral("バージョン情報"), {}, &MeinForm::mnuVersion_Click);
    mnuMakerPage = item(mnuHelp, QStringLiteral("Nimbrelホームページ"), {}, &MeinForm::mnuMakerPage_Click);
    mnuVantraxPage = item(mnuHelp, QStringLiteral("Vantrax のホームページ"), {}, &MeinForm::mnuVantraxPage_Click);
    auto* sizes = new QActionGroup(this);
    auto sizeItem = [this, sizes](const QString& caption, int16_t choice) {
        QAction* a = mnuView->addAction(caption);
        a->setCheckable(true);
        a->setChecked(ScreenScale == choice);
        sizes->addAction(a);
        connect(a, &QAction::triggered, this, [this, choice] { mnuScale_Click(choice); });
        return a;
    };
    mnuScaleFit = sizeItem(QStringLiteral("ウィンドウに合わせる"), kScaleFit);
    const std::array<QString, 4> scaleCaptions{QStringLiteral("等倍"), QStringLiteral("1.5倍"), QStringLiteral("2倍"),
                                               QStringLiteral("3倍")};
    for (size_t i = 0; i < kScaleSteps.size(); ++i) mnuScale[i] = sizeItem(scaleCaptions[i], kScaleSteps[i]);
    mnuView->addSeparator();
    mnuFullScreen =
        item(mnuView, QStringLiteral("全画面表示"), QKeySequence(Qt::Key_F11), &MeinForm::mnuFullScreen_Click);
    mnuFullScreen->setCheckable(true);
    mnuFullScreen->setChecked(isFullScreen());
    // A menu closed with Escape leaves the menu bar holding the keyboard, and
    // a duel under it would stop hearing its keys with nothing to show why:
    // give the keyboard back to the window that had it.
    for (QMenu* menu : {mnuFile, mnuHelp, mnuView}) {
        connect(menu, &QMenu::aboutToShow, this, [this] {
            QWidget* w = QApplication::focusWidget();
            if (w != MenuBar) focusBeforeMenu_ = w;
        });
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QMetaObject::invokeMethod(
                this, [this] { ReturnFocusFromMenus(); }, Qt::QueuedConnection);
        });
    }
    MenuBar->show();
}

void MeinForm::ReturnFocusFromMenus() {
    if (!MenuBar->hasFocus()) return;
    // Moving from one menu to the next with the arrow keys keeps the bar.
    if (QAction* a = MenuBar->activeAction(); a && a->menu() && a->menu()->isVisible()) return;
    if (focusBeforeMenu_ && focusBeforeMenu_->isVisible()) focusBeforeMenu_->setFocus(Qt::PopupFocusReason);
}

MeinForm::~MeinForm() {
    if (Forms::host() == Client) Forms::setHost(nullptr);
}

void MeinForm::Form_Load() {
    if (parentWidget()) setParent(nullptr, Qt::Window);
    // Only now: while the registry attaches this window there must be no host
    // yet, or the frame would be put inside a client area.
    Forms::setHost(Client);
    Forms::setScreensChanged([] {
        if (BackForm* back = Forms::Find<BackForm>()) back->FollowScreens();
    });
    ReadScaleChoice();
    const WindowPlacement placement = ReadPlacement();
    // The placement is given before the window is first shown. The stored left
    // and top are those of the frame, and only a window not yet shown is placed
    // by its frame: moved once shown, before the window manager has said how
    // large its frame is, the window would be placed by its client area and
    // creep up by a title bar on every start.
    if (placement.state == kWinNormal) {
        std::vector<QRect> areas;
        for (QScreen* s : QGuiApplication::screens()) areas.push_back(s->availableGeometry());
        QScreen* primary = QGuiApplication::primaryScreen();
        move(ReachablePosition(placement.geometry, areas, primary ? primary->availableGeometry() : QRect()));
        resize(placement.geometry.size());
    } else {
        QScreen* s = QGuiApplication::primaryScreen();
        setGeometry(FittedNormalGeometry(s ? s->availableGeometry() : QRect(), minimumSizeHint()));
    }
    // A minimised window is shown maximised first and minimised once it is on
    // the screen: a window that starts minimised is never mapped on X, and no
    // window manager or task bar would ever offer it back to the player. Asked
    // before the window manager has taken the window in, the minimising is
    // lost, so it waits for the window's first exposure.
    setWindowState(placement.state == kWinNormal ? Qt::WindowNoState : Qt::WindowMaximized);
    minimiseWhenExposed_ = placement.state == kWinMinimized;
    show();
    if (minimiseWhenExposed_) windowHandle()->installEventFilter(this);
    // Let the frame appear now; its menus (whose Japanese captions need the
    // fonts loaded) and the first screens follow a moment later.
    host::DoEvents();
    createMenus();
    ApplyScale();
    if (minimiseWhenExposed_ && windowHandle()->isExposed()) MinimiseOnceShown();
    SetMenu(0);
}

void MeinForm::MinimiseOnceShown() {
    if (!minimiseWhenExposed_ || !windowHandle()->isExposed()) return;
    minimiseWhenExposed_ = false;
    windowHandle()->removeEventFilter(this);
    setWindowState(windowState() | Qt::WindowMinimized);
}

void MeinForm::Form_Unload(bool& cancel) {
    if (MesBox(kGuideFace, GuideLine(), QStringLiteral("本当にゲームをやめてしまうのかい？"), true, false) != -1) {
        cancel = true;
        return;
    }
    for (int i = 1; i <= 12; ++i) MciClose(QStringLiteral("CX%1").arg(i), false);
    WindowPlacement placement;
    placement.state = WindowStateCode(windowState());
    if (placement.state == kWinNormal) placement.geometry = QRect(pos(), size());
    if (!StorePlacement(placement)) TellNotSaved(QStringLiteral("ウィンドウの位置"));
    Forms::setHost(nullptr);
    if (programEnd()) programEnd()();
}

void MeinForm::Form_Resize() {
    // The screens stay centred when the frame changes size, also when the
    // window manager maximises the frame only after the first screen opened;
    // fitting may pick another size for them.
    ApplyScale();
    Forms::layoutScreens();
}

void MeinForm::ApplyScale() {
    Forms::setScale(EffectiveScalePercent(ScreenScale, Client->size()) / 100.0);
}

void MeinForm::mnuScale_Click(int16_t choice) {
    ScreenScale = choice;
    ApplyScale();
    if (!StoreScaleChoice()) TellNotSaved(QStringLiteral("画面の大きさ"));
}

void MeinForm::mnuFullScreen_Click() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    mnuFullScreen->setChecked(isFullScreen());
}

bool MeinForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Client && e->type() == QEvent::Resize) Form_Resize();
    if (minimiseWhenExposed_ && watched == windowHandle() && e->type() == QEvent::Expose)
        QMetaObject::invokeMethod(
            this, [this] { MinimiseOnceShown(); }, Qt::QueuedConnection);
    return GameForm::eventFilter(watched, e);
}

void MeinForm::mnuNew_Click() {
    OpenBot1();
}

void MeinForm::mnuLoad_Click() {
    OpenBot2();
}

void MeinForm::mnuSave_Click() {
    // The same as the map's own save button, question about the official
    // record included; while the map settles a duel there is nothing to save.
    MapSaveCommand();
}

void MeinForm::mnuLevel_Click(int level) {
    // The practice window carries the duel start; it is loaded (not shown)
    // first, and Bot closes it again.
    Forms::Get<p_MainForm>();
    Bot(static_cast<int16_t>(level));
}

void MeinForm::mnuEnd_Click() {
    close();
}

void MeinForm::mnuHelpShow_Click() {
    Forms::Get<HelpForm>().Show();
}

void MeinForm::mnuVersion_Click() {
    Forms::Get<frmAbout>().Show();
}

void MeinForm::mnuMakerPage_Click() {
    host::OpenUrl(kMakerHomePage);
}

void MeinForm::mnuVantraxPage_Click() {
    host::OpenUrl(kVantraxHomePage);
}
