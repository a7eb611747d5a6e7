// The screens' size from the menu bar: fitting follows the window, a chosen
// size is kept for the next start, full screen with F11, and the backdrop's
// logo stays out of sight behind a screen.
#include "app/screen_scale.h"
#include "look/look.h"
#include "shell/back_form.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QMenuBar>
#include <QMouseEvent>

namespace {

using ScalingTest = ShellTest;

MeinForm& NormalWindow(QSize client) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.setWindowState(Qt::WindowNoState);
    m.Client->setMinimumSize(QSize(1, 1));
    m.Client->resize(client);
    return m;
}

TEST_F(ScalingTest, TheSizeMenuComesLastAndLeavesTheOthersAsTheyWere) {
    MeinForm& m = Forms::Get<MeinForm>();
    const QList<QAction*> bar = m.MenuBar->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0], m.mnuFile->menuAction());
    EXPECT_EQ(bar[1], m.mnuHelp->menuAction());
    EXPECT_EQ(bar[2], m.mnuView->menuAction());
    EXPECT_EQ(m.mnuFullScreen->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_TRUE(m.mnuScaleFit->isChecked()) << "fitting is the default";
}

TEST_F(ScalingTest, FittingFollowsTheClientArea) {
    MeinForm& m = NormalWindow(QSize(800, 600));
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    const struct {
        QSize client;
        qreal factor;
    } cases[] = {{{1300, 1000}, 2.0}, {{1000, 760}, 1.5}, {{800, 600}, 1.0}, {{2000, 1500}, 3.0}};
    for (const auto& c : cases) {
        m.Client->resize(c.client);
        EXPECT_EQ(Forms::scale(), c.factor) << c.client.width();
        // The title stays whole and in the middle of the window.
        const QPoint topLeft = Forms::mapToHost(&title, QPointF(0, 0));
        const QPoint bottomRight = Forms::mapToHost(&title, QPointF(title.width(), title.height()));
        EXPECT_EQ(bottomRight - topLeft, (QPointF(title.width(), title.height()) * c.factor).toPoint());
        EXPECT_LE(std::abs(topLeft.x() - (c.client.width() - bottomRight.x())), 2);
        EXPECT_LE(std::abs(topLeft.y() - (c.client.height() - bottomRight.y())), 2);
        EXPECT_TRUE(title.isVisible());
    }
}

// A click on a plaque of the title, sent where the player sees it on a scaled
// screen, presses that plaque: the view gives the release to whoever took the
// press, so a button that lets the press pass never heard its click.
TEST_F(ScalingTest, ATitleButtonAnswersAClickAtEverySize) {
    MeinForm& m = NormalWindow(QSize(800, 600));
    for (const QSize client : {QSize(1000, 760), QSize(1300, 1000)}) {
        SCOPED_TRACE(client.width());
        m.Client->resize(client);
        OpenForm& title = Forms::Get<OpenForm>();
        title.Show();
        QGraphicsView* view = Forms::scaledView();
        ASSERT_NE(view, nullptr);
        QWidget* practice = title.Image1[2];
        const QPoint seen = Forms::mapToHost(practice, QPointF(practice->rect().center()));
        const QPointF local = view->viewport()->mapFrom(m.Client, QPointF(seen));
        const QPointF global = m.Client->mapToGlobal(QPointF(seen));
        QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &release);
        advance(10);
        EXPECT_TRUE(Forms::IsLoaded<p_MainForm>());
        Forms::Unload<p_MainForm>();
        Forms::Unload<OpenForm>();
        advance(10);
    }
}

TEST_F(ScalingTest, AChosenSizeIsKeptForTheNextStart) {
    MeinForm& m = NormalWindow(QSize(800, 600));
    m.mnuScale[2]->trigger();
    EXPECT_EQ(Forms::scale(), 2.0) << "a chosen size is used even where the screens do not fit";
    EXPECT_EQ(option("Scale"), QStringLiteral("2"));
    answerAfter(100, true);
    m.mnuEnd->trigger();
    ASSERT_EQ(ended, 1);
    advance(1);

    ResetSharedState();
    MeinForm& again = Forms::Get<MeinForm>();
    EXPECT_EQ(ScreenScale, 200);
    EXPECT_TRUE(again.mnuScale[2]->isChecked());
    EXPECT_EQ(Forms::scale(), 2.0);
    again.mnuScaleFit->trigger();
    EXPECT_EQ(option("Scale"), QStringLiteral("Fit"));
}

TEST_F(ScalingTest, F11SwitchesFullScreenOnAndOff) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.mnuFullScreen->trigger();
    EXPECT_TRUE(m.isFullScreen());
    EXPECT_TRUE(m.mnuFullScreen->isChecked());
    m.mnuFullScreen->trigger();
    EXPECT_FALSE(m.isFullScreen());
    EXPECT_FALSE(m.mnuFullScreen->isChecked());
}

TEST_F(ScalingTest, TheLogoHidesBehindAnyScreenAtAnySize) {
    MeinForm& m = NormalWindow(QSize(1300, 1000));
    BackForm& back = Forms::Get<BackForm>();
    back.Show();
    for (int16_t choice : {int16_t(100), int16_t(200)}) {
        ScreenScale = choice;
        m.ApplyScale();
        advance(1);
        EXPECT_TRUE(back.Picture1->isVisible());
        EXPECT_FALSE(back.graphicsProxyWidget()) << "the backdrop is never scaled";
        Forms::Get<OpenForm>().Show();
        advance(1);
        EXPECT_FALSE(back.Picture1->isVisible());
        EXPECT_TRUE(back.Picture1->pixmap().isNull()) << "a hidden logo holds no pixels";
        Forms::Unload<OpenForm>();
        advance(1);
        EXPECT_TRUE(back.Picture1->isVisible());
        EXPECT_FALSE(back.Picture1->pixmap().isNull());
    }
}

}  // namespace
