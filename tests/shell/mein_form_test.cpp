#include "app/shared_procedures.h"
#include "duel/vantra_form.h"
#include "shell/about_form.h"
#include "shell/back_form.h"
#include "shell/help_form.h"
#include "shell/open_form.h"
#include "shell/placement.h"
#include "shell/shell_test.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>

namespace {

using MeinFormTest = ShellTest;

QRect AvailableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}
std::string Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

TEST_F(MeinFormTest, MenuCaptionsAndShortcuts) {
    MeinForm& m = Forms::Get<MeinForm>();
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Vantrax"));
    EXPECT_EQ(m.mnuFile->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(m.mnuHelp->title(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    struct Item {
        QAction* action;
        const char* caption;
        QKeySequence key;
    };
    const Item items[] = {
        {m.mnuNew, "新しく始める", QKeySequence(QStringLiteral("Ctrl+N"))},
        {m.mnuLoad, "ロードする", QKeySequence(QStringLiteral("Ctrl+O"))},
        {m.mnuSave, "セーブする", QKeySequence(QStringLiteral("Ctrl+S"))},
        {m.mnuPractice->menuAction(), "練習モード", {}},
        {m.mnuLevel[0], "とても簡単", {}},
        {m.mnuLevel[1], "簡単", {}},
        {m.mnuLevel[2], "標準レベル", {}},
        {m.mnuLevel[3], "やや難しい", {}},
        {m.mnuEnd, "終了", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {m.mnuHelpShow, "ヘルプの表示", {}},
        {m.mnuVersion, "バージョン情報", {}},
        {m.mnuMakerPage, "Nimbrelホームページ", {}},
        {m.mnuVantraxPage, "Vantrax のホームページ", {}},
    };
    for (const Item& i : items) {
        EXPECT_EQ(i.action->text(), QString::fromUtf8(i.caption));
        EXPECT_EQ(i.action->shortcut(), i.key) << i.caption;
    }
    // The file menu's order, with saving a replay after practice and the
    // separator before "終了".
    const QList<QAction*> file = m.mnuFile->actions();
    ASSERT_EQ(file.size(), 7);
    EXPECT_EQ(file[3], m.mnuPractice->menuAction());
    EXPECT_EQ(file[4], m.mnuSaveReplay);
    EXPECT_EQ(file[4]->text(), QStringLiteral("リプレイを保存..."));
    EXPECT_TRUE(file[5]->isSeparator());
    EXPECT_EQ(file[6], m.mnuEnd);
}

TEST_F(MeinFormTest, SetMenuModes) {
    MeinForm& m = Forms::Get<MeinForm>();
    struct Row {
        int16_t mode;
        bool newGame, load, save, practice, quit;
    };
    // "Off" items stay in the menu, greyed.
    const Row rows[] =
        {
            {0, false, false, false, false, true}, {1, true, true, false, true, true},
            {2, false, true, true, false, true},   {1, true, true, false, true, true},
            {7, true, true, true, true, true},  // an unknown mode leaves every item on
        };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mode);
        SetMenu(r.mode);
        EXPECT_EQ(m.mnuNew->isEnabled(), r.newGame);
        EXPECT_EQ(m.mnuLoad->isEnabled(), r.load);
        EXPECT_EQ(m.mnuSave->isEnabled(), r.save);
        EXPECT_EQ(m.mnuPractice->menuAction()->isEnabled(), r.practice);
        EXPECT_EQ(m.mnuEnd->isEnabled(), r.quit);
        for (QAction* a : {m.mnuNew, m.mnuLoad, m.mnuSave, m.mnuPractice->menuAction(), m.mnuEnd})
            EXPECT_TRUE(a->isVisible());
        for (QAction* a : m.mnuHelp->actions()) EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(MeinFormTest, LoadingStartsInModeZeroAndSetMenuNeedsNoWindow) {
    SetMenu(1);  // no main window yet: nothing to set, and none is opened
    EXPECT_FALSE(Forms::IsLoaded<MeinForm>());
    MeinForm& m = Forms::Get<MeinForm>();
    EXPECT_FALSE(m.mnuNew->isEnabled());
    EXPECT_TRUE(m.mnuEnd->isEnabled());
    EXPECT_EQ(Forms::host(), m.Client);
}

TEST_F(MeinFormTest, FirstStartIsMaximised) {
    MeinForm& m = Forms::Get<MeinForm>();
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(m.windowState() & Qt::WindowMaximized);
}

TEST_F(MeinFormTest, NormalPlacementIsStoredAndRestored) {
    saveOption("WinSta", QStringLiteral("0"));
    saveOption("WinLeft", QStringLiteral("1500"));
    saveOption("WinTop", QStringLiteral("1200"));
    saveOption("WinWidth", QStringLiteral("12000"));
    saveOption("WinHeight", QStringLiteral("9000"));
    MeinForm& m = Forms::Get<MeinForm>();
    EXPECT_EQ(WindowStateCode(m.windowState()), kWinNormal);
    EXPECT_EQ(m.pos(), QPoint(100, 80));
    EXPECT_EQ(m.size(), QSize(800, 600));

    m.move(120, 90);
    m.resize(900, 700);
    answerAfter(100, true);
    m.mnuEnd->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(option("WinSta"), QStringLiteral("0"));
    EXPECT_EQ(option("WinLeft"), QStringLiteral("1800"));
    EXPECT_EQ(option("WinTop"), QStringLiteral("1350"));
    EXPECT_EQ(option("WinWidth"), QStringLiteral("13500"));
    EXPECT_EQ(option("WinHeight"), QStringLiteral("10500"));

    // The next start finds the window where it was left.
    MeinForm& again = Forms::Get<MeinForm>();
    EXPECT_NE(&again, &m);
    EXPECT_EQ(again.pos(), QPoint(120, 90));
    EXPECT_EQ(again.size(), QSize(900, 700));
}

TEST_F(MeinFormTest, QuittingWhileMinimisedStoresTheStateOnly) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.setWindowState(Qt::WindowMinimized);
    answerAfter(100, true);
    m.close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(option("WinSta"), QStringLiteral("1"));
    for (const char* key : {"WinLeft", "WinTop", "WinWidth", "WinHeight"})
        EXPECT_EQ(option(key), QStringLiteral("<absent>"));
    // The next start opens minimised.
    EXPECT_TRUE(Forms::Get<MeinForm>().windowState() & Qt::WindowMinimized);
}

TEST_F(MeinFormTest, APlacementThatCannotBeWrittenIsToldBeforeTheGameEnds) {
    // A file where the settings folder should be.
    QFile blocker(configDir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    host::setSettingsPath(configDir.filePath(QStringLiteral("blocker/vantrax/settings.ini")));
    MeinForm& m = Forms::Get<MeinForm>();
    answerAfter(100, true);
    dismissAfter(200);
    m.mnuEnd->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("ウィンドウの位置を保存できなかったよ。")))
        << qPrintable(messages[0]);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("blocker/vantrax"))) << qPrintable(messages[0]);
    EXPECT_EQ(ended, 1);
}

// A start after a minimised quit must leave a window the player can reach: one
// the window system shows (minimised), and that comes back onto the screen.
TEST_F(MeinFormTest, AStartAfterAMinimisedQuitCanBeRestored) {
    saveOption("WinSta", QStringLiteral("1"));
    MeinForm& m = Forms::Get<MeinForm>();
    advance(10);
    EXPECT_TRUE(m.isVisible());
    ASSERT_NE(m.windowHandle(), nullptr);
    EXPECT_TRUE(m.windowHandle()->isVisible()) << "a window that is never shown cannot be restored";
    EXPECT_TRUE(m.isMinimized());
    m.setWindowState(m.windowState() & ~Qt::WindowMinimized);
    m.showNormal();
    advance(10);
    EXPECT_FALSE(m.isMinimized());
    EXPECT_TRUE(AvailableArea().contains(m.frameGeometry())) << Text(m.frameGeometry());
}

// Each start puts the frame where the last quit found it: ten quits and starts
// store the same placement.
TEST_F(MeinFormTest, TenStartsDoNotMoveTheWindow) {
    saveOption("WinSta", QStringLiteral("0"));
    saveOption("WinLeft", QStringLiteral("3000"));
    saveOption("WinTop", QStringLiteral("2400"));
    saveOption("WinWidth", QStringLiteral("12000"));
    saveOption("WinHeight", QStringLiteral("9000"));
    for (int start = 1; start <= 10; ++start) {
        SCOPED_TRACE(start);
        MeinForm& m = Forms::Get<MeinForm>();
        advance(10);
        EXPECT_EQ(m.frameGeometry().topLeft(), QPoint(200, 160));
        answerAfter(50, true);
        m.mnuEnd->trigger();
        ASSERT_EQ(ended, start);
        advance(1);
        EXPECT_EQ(option("WinLeft"), QStringLiteral("3000"));
        EXPECT_EQ(option("WinTop"), QStringLiteral("2400"));
        EXPECT_EQ(option("WinWidth"), QStringLiteral("12000"));
        EXPECT_EQ(option("WinHeight"), QStringLiteral("9000"));
    }
}

// The first restore of a window that started maximised (or minimised) gives a
// window whose frame lies on the screen, not one as large as the screen with
// its title bar above the top edge.
TEST_F(MeinFormTest, TheFirstRestoreFitsTheScreen) {
    for (const char* sta : {"2", "1"}) {
        SCOPED_TRACE(sta);
        saveOption("WinSta", QString::fromLatin1(sta));
        MeinForm& m = Forms::Get<MeinForm>();
        advance(10);
        m.showNormal();
        advance(10);
        EXPECT_EQ(WindowStateCode(m.windowState()), kWinNormal);
        const QRect area = AvailableArea();
        EXPECT_TRUE(area.contains(m.frameGeometry())) << Text(m.frameGeometry()) << " in " << Text(area);
        EXPECT_LT(m.frameGeometry().width(), area.width());
        Forms::discardAll();
        advance(1);
    }
}

// However small the player drags the window, every screen (the duel and the
// 640 x 480 title) keeps its whole area.
TEST_F(MeinFormTest, TheWindowDoesNotShrinkBelowAScreen) {
    saveOption("WinSta", QStringLiteral("0"));
    MeinForm& m = Forms::Get<MeinForm>();
    advance(10);
    m.resize(120, 80);
    advance(10);
    EXPECT_GE(m.Client->width(), 640);
    EXPECT_GE(m.Client->height(), 480);
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    advance(10);
    EXPECT_TRUE(m.Client->rect().contains(title.geometry())) << Text(title.geometry());
}

TEST_F(MeinFormTest, AnsweringNoChangesNothing) {
    MeinForm& m = Forms::Get<MeinForm>();
    Forms::Get<BackForm>().Show();
    Forms::Get<OpenForm>().Show();
    SetMenu(1);
    advance(10);  // the window system settles the maximised frame
    const QRect before = m.geometry();
    answerAfter(100, false);
    m.mnuEnd->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], QStringLiteral("本当にゲームをやめてしまうのかい？"));
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(Forms::Find<MeinForm>(), &m);
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.geometry(), before);
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
    EXPECT_TRUE(m.mnuNew->isEnabled());
    EXPECT_EQ(option("WinSta"), QStringLiteral("<absent>"));
}

// Every way of closing goes through the question.
TEST_F(MeinFormTest, EveryWayOfClosingAsks) {
    struct Route {
        const char* name;
        std::function<void(MeinForm&)> close;
    };
    const Route routes[] = {
        {"menu", [](MeinForm& m) { m.mnuEnd->trigger(); }},
        {"Ctrl+Q", [](MeinForm& m) { EXPECT_TRUE(ui::ShortcutKey(&m, Qt::Key_Q, Qt::ControlModifier)); }},
        {"close box", [](MeinForm& m) { m.close(); }},
        {"title quit button", [](MeinForm&) { Forms::Get<OpenForm>().Image1_Click(6); }},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.name);
        questions.clear();
        MeinForm& m = Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
        answerAfter(50, false);
        r.close(m);
        EXPECT_EQ(questions.size(), 1u);
        EXPECT_EQ(ended, 0);
        EXPECT_TRUE(Forms::IsLoaded<MeinForm>());
        answerAfter(50, true);
        r.close(m);
        EXPECT_EQ(questions.size(), 2u);
        EXPECT_EQ(ended, 1);
        EXPECT_FALSE(Forms::IsLoaded<MeinForm>());
        EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
        ended = 0;
        advance(1);
    }
}

TEST_F(MeinFormTest, StoredPlacementThatCannotBeReadFallsBack) {
    struct Case {
        const char* sta;
        const char* left;
        int16_t state;
        int x;
    };
    const Case cases[] = {
        {"0", "-1500", kWinNormal, -100},  // left of the screen is a place too
        {"0", "22.5", kWinNormal, 2},      // 1.5 pixels: halves go to even
        {"0", "abc", kWinNormal, 0},      {"x", "1500", kWinMaximized, 0}, {"9", "1500", kWinMaximized, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        saveOption("WinSta", QString::fromLatin1(c.sta));
        saveOption("WinLeft", QString::fromLatin1(c.left));
        const WindowPlacement p = ReadPlacement();
        EXPECT_EQ(p.state, c.state);
        if (c.state == kWinNormal) {
            EXPECT_EQ(p.geometry.left(), c.x);
            EXPECT_EQ(p.geometry.top(), 0);
            EXPECT_EQ(p.geometry.width(), 43);  // 640 twips
            EXPECT_EQ(p.geometry.height(), 32);
        }
    }
}

// A stored place is kept as long as the title bar can be taken hold of, on any
// screen; a window left off the screen (as one that crept up on every start)
// comes back just far enough to be reached.
TEST(WindowPlacement, ReachablePosition) {
    const QRect primary(0, 0, 1280, 1024), second(1280, 0, 1280, 1024);
    struct Case {
        const char* name;
        QPoint stored;
        std::vector<QRect> areas;
        QPoint placed;
    };
    const Case cases[] = {
        {"on the screen", {100, 80}, {primary}, {100, 80}},
        {"partly left of the screen", {-100, 0}, {primary}, {-100, 0}},
        {"title bar just above the top", {199, -4}, {primary}, {199, -4}},
        {"crept above the top", {199, -160}, {primary}, {199, 0}},
        {"below the bottom", {100, 1100}, {primary}, {100, 424}},
        {"a sliver at the right edge", {1250, 100}, {primary}, {480, 100}},
        {"on a second screen", {1500, 100}, {primary, second}, {1500, 100}},
        {"on a second screen that is gone", {1500, 100}, {primary}, {480, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReachablePosition(QRect(c.stored, QSize(800, 600)), c.areas, primary), c.placed);
    }
}

TEST_F(MeinFormTest, BackdropFillsTheClientAreaAndLaysItselfOut) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.setWindowState(Qt::WindowNoState);
    m.resize(1000, 760);
    BackForm& b = Forms::Get<BackForm>();
    b.Show();
    for (QSize client : {QSize(1000, 700), QSize(800, 600)}) {
        m.Client->resize(client);
        ASSERT_EQ(b.geometry(), QRect(QPoint(0, 0), client));
        const int w = client.width(), h = client.height();
        EXPECT_EQ(b.Picture1->pos(), QPoint((w - 658) / 2, (h - 216) / 2 - 80));
        EXPECT_FALSE(b.Picture1->pixmap().isNull());
        EXPECT_EQ(b.Label1->pos(), QPoint(w - b.Label1->width() - 20, h - b.Label1->height() - 20));
        EXPECT_EQ(b.Label2->pos(), QPoint((w - b.Label2->width()) / 2, (h - b.Label2->height()) / 2 + 100));
        EXPECT_EQ(b.Label3->pos(), QPoint((w - b.Label3->width()) / 2, (h - b.Label3->height()) / 2 + 186));
    }
    EXPECT_EQ(b.Label1->text(), QStringLiteral("Presented by Nimbrel"));
    EXPECT_EQ(b.Label2->text(), QStringLiteral("データロード中"));
    EXPECT_EQ(b.Label3->text(), QStringLiteral("□□□□□□□□"));
    EXPECT_TRUE(b.Label2->isVisible());
    EXPECT_EQ(ProgressBarText(3), QStringLiteral("■■■□□□□□"));
    EXPECT_EQ(ProgressBarText(8), QStringLiteral("■■■■■■■■"));
}

TEST_F(MeinFormTest, HelpAndHomePages) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.mnuHelpShow->trigger();
    ASSERT_TRUE(Forms::IsLoaded<HelpForm>());
    EXPECT_TRUE(Forms::Find<HelpForm>()->isVisible());
    EXPECT_TRUE(Forms::Find<HelpForm>()->Browser->toPlainText().contains(QStringLiteral("Vantrax")));
    m.mnuMakerPage->trigger();
    m.mnuVantraxPage->trigger();
    ASSERT_EQ(launches->urls.size(), 2u);
    EXPECT_EQ(launches->urls[0], kMakerHomePage);
    EXPECT_EQ(launches->urls[1], kVantraxHomePage);
    EXPECT_TRUE(launches->programs.empty());
    m.mnuVersion->trigger();
    EXPECT_TRUE(Forms::IsLoaded<frmAbout>());
}

TEST_F(MeinFormTest, HelpClosesWithItsButtonOrEscape) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "button");
        Forms::Get<MeinForm>().mnuHelpShow->trigger();
        HelpForm* h = Forms::Find<HelpForm>();
        ASSERT_NE(h, nullptr);
        if (escape) {
            h->Browser->setFocus();
            ui::KeyPress(h->Browser, Qt::Key_Escape);
        } else {
            ui::Click(h->cmdClose);
        }
        advance(1);
        EXPECT_FALSE(Forms::IsLoaded<HelpForm>());
    }
}

// Every link of the help's contents must lead to a section of it.
TEST_F(MeinFormTest, EveryLinkInTheHelpLeadsToASection) {
    Forms::Get<MeinForm>().mnuHelpShow->trigger();
    ASSERT_TRUE(Forms::IsLoaded<HelpForm>());
    const QTextDocument* doc = Forms::Find<HelpForm>()->Browser->document();
    QSet<QString> sections;
    QStringList links;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames()) sections.insert(name);
            if (f.isAnchor() && f.anchorHref().startsWith(QLatin1Char('#'))) links << f.anchorHref().mid(1);
        }
    }
    EXPECT_GE(links.size(), 10);
    for (const QString& link : links) EXPECT_TRUE(sections.contains(link)) << link.toStdString();
}

// A file menu opened with Alt+F during a duel and closed with Escape must give
// the keyboard back to the duel, or its keys stop working with nothing to show why.
TEST_F(MeinFormTest, EscapeFromAMenuGivesTheKeyboardBackToTheDuel) {
    MesTime = 3;
    MeinForm& m = Forms::Get<MeinForm>();
    advance(10);
    m.mnuLevel[0]->trigger();  // the guide's timed line, then the duel
    VantraForm* duel = Forms::Find<VantraForm>();
    ASSERT_NE(duel, nullptr);
    advance(10);
    ASSERT_EQ(QApplication::focusWidget(), duel);

    EXPECT_TRUE(ui::ShortcutKey(&m, Qt::Key_F, Qt::AltModifier));
    advance(10);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, m.mnuFile);
    ui::KeyPress(popup, Qt::Key_Escape);
    advance(10);
    EXPECT_FALSE(m.mnuFile->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), duel);
}

}  // namespace
