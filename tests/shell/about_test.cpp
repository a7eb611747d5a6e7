#include "platform/folders.h"
#include "shell/about_form.h"
#include "shell/shell_test.h"
#include "shell/system_folder.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using AboutTest = ShellTest;

TEST_F(AboutTest, ShowsVersionRevisionAndPicture) {
    frmAbout& f = Forms::Get<frmAbout>();
    f.Show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(f.lblVersion->text(), QStringLiteral("Ver 3.1"));
    EXPECT_EQ(f.lblRevision->text(), QStringLiteral("Revision 24"));
    EXPECT_EQ(f.cmdSysInfo->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    EXPECT_FALSE(f.picIcon->pixmap().isNull());
    ui::Click(f.cmdOK);
    EXPECT_FALSE(Forms::IsLoaded<frmAbout>());
}

TEST_F(AboutTest, EnterAndEscapeCloseIt) {
    struct Case {
        int key;
        bool onSysInfo;  // where the focus is
    };
    for (const Case c : {Case{Qt::Key_Return, false}, Case{Qt::Key_Enter, false}, Case{Qt::Key_Escape, true}}) {
        SCOPED_TRACE(c.key);
        frmAbout& f = Forms::Get<frmAbout>();
        f.Show();
        QWidget* focus = c.onSysInfo ? static_cast<QWidget*>(f.cmdSysInfo) : f.cmdOK;
        focus->setFocus();
        ui::KeyPress(focus, c.key);
        if (Forms::IsLoaded<frmAbout>()) ui::KeyRelease(focus, c.key);
        advance(1);
        EXPECT_FALSE(Forms::IsLoaded<frmAbout>());
        EXPECT_TRUE(launches->programs.empty());
    }
}

TEST_F(AboutTest, SystemInformationWithoutATool) {
    QTemporaryDir empty;
    StartSysInfoFrom({empty.path()});
    EXPECT_TRUE(launches->programs.empty());
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
    EXPECT_TRUE(boxes->calls[0].title.isEmpty());
    EXPECT_EQ(boxes->calls[0].icon, host::MsgIcon::None);
}

TEST_F(AboutTest, SystemInformationStartsAnInstalledTool) {
    QTemporaryDir dir;
    QFile tool(dir.filePath(QStringLiteral("kinfocenter")));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    StartSysInfoFrom({dir.path()});
    ASSERT_EQ(launches->programs.size(), 1u);
    EXPECT_TRUE(launches->programs[0].startsWith(dir.filePath(QStringLiteral("kinfocenter"))));
    EXPECT_TRUE(boxes->calls.empty());
}

TEST_F(AboutTest, SystemFolders) {
    clsSystemFolder folders;
    EXPECT_EQ(folders.Temp(), host::TempFolder());
    EXPECT_TRUE(folders.Temp().endsWith(QLatin1Char('/')));
    EXPECT_EQ(folders.Desktop(), host::DesktopFolder());
    EXPECT_EQ(folders.Personal(), host::DocumentsFolder());
    EXPECT_TRUE(folders.Windows().isEmpty());
    EXPECT_TRUE(folders.ProgramFiles().isEmpty());
}

}  // namespace
