// Saving the last duel's replay from the main window's file menu.
#include "shell/replay_save.h"
#include "shell/shell_test.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace {

class ReplaySave : public ShellTest {};

TEST_F(ReplaySave, IsOfferedOnlyWithAReplayAndWritesItWhole) {
    MeinForm& main = Forms::Get<MeinForm>();
    ASSERT_NE(main.mnuSaveReplay, nullptr);
    Q_EMIT main.mnuFile->aboutToShow();
    EXPECT_FALSE(main.mnuSaveReplay->isEnabled()) << "no duel has ended yet";

    LastReplay = "vantrax-replay 1\nseed 1 0\n";
    struct Mode {
        int16_t mode;
        bool offered;
    };
    // Mode 0 is a duel's or a scene's: a file dialog over a duel would let it play on unseen.
    for (const Mode m : {Mode{0, false}, Mode{1, true}, Mode{2, true}}) {
        SetMenu(m.mode);
        Q_EMIT main.mnuFile->aboutToShow();
        EXPECT_EQ(main.mnuSaveReplay->isEnabled(), m.offered) << "mode " << m.mode;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("duel.vxr"));
    QString error;
    ASSERT_TRUE(SaveReplayTo(path, error)) << qPrintable(error);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), LastReplay);
}

TEST_F(ReplaySave, AFailedWriteSaysWhyAndWhere) {
    LastReplay = "vantrax-replay 1\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/duel.vxr"));
    QString error;
    EXPECT_FALSE(SaveReplayTo(path, error));
    EXPECT_TRUE(error.contains(QStringLiteral("no such folder"))) << qPrintable(error);

    LastReplay.clear();
    EXPECT_FALSE(SaveReplayTo(dir.filePath(QStringLiteral("x.vxr")), error)) << "nothing to save is no success";
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.vxr"))));
}

}  // namespace
