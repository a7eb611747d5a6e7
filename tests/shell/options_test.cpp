#include "app/shared_procedures.h"
#include "platform/virtual_keys.h"
#include "shell/key_form.h"
#include "shell/key_name.h"
#include "shell/open_form.h"
#include "shell/option_form.h"
#include "shell/shell_test.h"
#include "support/full_disk.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

using OptionsTest = ShellTest;

int checkedIndex(const std::array<QRadioButton*, 5>& buttons) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

class OptionFormTest : public ShellTest {
protected:
    OptionForm& open() {
        OptionForm& f = Forms::Get<OptionForm>();
        f.Show();
        return f;
    }
    // Presses key button `index`; `qtKey` is released in the capture window
    // (Qt::Key_unknown: the capture window is closed without a key).
    void pressKeyButton(OptionForm& f, int index, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        time->after(20, [qtKey, mods] {
            KeyForm* k = Forms::Find<KeyForm>();
            ASSERT_NE(k, nullptr) << "the capture window is not open";
            EXPECT_TRUE(k->isModal());
            if (qtKey == Qt::Key_unknown) {
                k->close();
                return;
            }
            ui::KeyPress(k, qtKey, mods);
            ui::KeyRelease(k, qtKey, mods);
        });
        ui::Click(f.Command1[static_cast<size_t>(index)]);
        EXPECT_FALSE(Forms::IsLoaded<KeyForm>());
    }
};

TEST_F(OptionFormTest, OpeningShowsTheOptions) {
    MesTime = 9;
    InputDevice = 1;
    MusicOn = false;
    SoundOn = true;
    OptionForm& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("環境設定"));
    EXPECT_EQ(checkedIndex(f.Option1), 2);
    EXPECT_TRUE(f.Option2[1]->isChecked());
    EXPECT_FALSE(f.Option2[0]->isChecked());
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_TRUE(f.Check2->isChecked());
    const char* defaults[] = {"S", "D", "Z", "X", "C", "V"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(f.Command1[i]->text(), QLatin1String(defaults[i]));
}

TEST_F(OptionFormTest, MessageTimeButton) {
    struct Case {
        int16_t stored;
        int index;
        int16_t mesTimeAfterOpening;
    };
    const Case cases[] = {
        {3, 0, 3},         {6, 1, 6}, {9, 2, 9}, {12, 3, 12}, {15, 4, 15},
        {4, 0, 4},         {5, 1, 5}, {1, 0, 3}, {-7, 0, 3},  {20, 4, 20},  // above 15: the longest
        {32767, 4, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MesTime = c.stored;
        OptionForm& f = open();
        EXPECT_EQ(checkedIndex(f.Option1), c.index);
        EXPECT_EQ(MesTime, c.mesTimeAfterOpening);
        f.Command3_Click();
        advance(1);
    }
}

TEST_F(OptionFormTest, OkStoresEverythingWhenTheKeysDiffer) {
    OptionForm& f = open();
    f.Option1[1]->setChecked(true);
    f.Option2[1]->setChecked(true);
    f.Check1->setChecked(false);
    pressKeyButton(f, 0, Qt::Key_A);
    ui::Click(f.Command2);
    EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
    EXPECT_EQ(MesTime, 6);
    EXPECT_EQ(InputDevice, 1);
    EXPECT_FALSE(MusicOn);
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(option("Mes"), QStringLiteral("6"));
    EXPECT_EQ(option("Div"), QStringLiteral("1"));
    EXPECT_EQ(option("Bgm"), QStringLiteral("False"));
    EXPECT_EQ(option("Wav"), QStringLiteral("True"));
    const char* keys[] = {"65", "68", "90", "88", "67", "86"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(option(QStringLiteral("Key%1").arg(i).toLatin1().constData()), QLatin1String(keys[i]));
}

TEST_F(OptionFormTest, DuplicateKeysStoreTheOtherOptionsButNotTheKeys) {
    OptionForm& f = open();
    f.Option1[0]->setChecked(true);
    f.Option2[1]->setChecked(true);
    pressKeyButton(f, 5, Qt::Key_S);  // the same key as button 0
    EXPECT_EQ(f.Command1[5]->text(), QStringLiteral("S"));
    dismissAfter(50);
    ui::Click(f.Command2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("「キーボード」の指定にところで同じキーを指定しているよ。"));
    EXPECT_TRUE(Forms::IsLoaded<OptionForm>());
    EXPECT_EQ(option("Mes"), QStringLiteral("3"));
    EXPECT_EQ(option("Div"), QStringLiteral("1"));
    EXPECT_EQ(option("Bgm"), QStringLiteral("True"));
    for (const char* key : {"Key0", "Key1", "Key2", "Key3", "Key4", "Key5"})
        EXPECT_EQ(option(key), QStringLiteral("<absent>"));
    // The running game already uses the duplicate.
    EXPECT_EQ(PlayKeys[5], 83);
}

// Settings that cannot be written are not lost without a word: the guide
// says so, with the reason and the file, and nothing claims they were kept.
TEST_F(OptionFormTest, OkThatCannotBeWrittenSaysSo) {
    struct Case {
        const char* name;
        std::function<void(const QString& settingsFile)> spoil;
        const char* cause;
        bool fullDisk = false;
    };
    const Case cases[] = {
        {"a file where its folder should be",
         [](const QString& file) {
             QFile blocker(QFileInfo(file).absolutePath());
             ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         },
         "フォルダーの場所にファイルがあります"},
        {"a folder where the file should be", [](const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); },
         "同じ名前のフォルダーがあります"},
        {"a full disk", [](const QString&) {}, "ファイルの大きさの上限を超えました", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const QString file = configDir.filePath(QStringLiteral("case%1/vantrax/settings.ini").arg(++n));
        QDir().mkpath(configDir.filePath(QStringLiteral("case%1").arg(n)));
        c.spoil(file);
        host::setSettingsPath(file);
        OptionForm& f = open();
        f.Option1[0]->setChecked(true);
        dismissAfter(50);
        {
            std::optional<FullDisk> full;
            if (c.fullDisk) full.emplace();
            ui::Click(f.Command2);
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("設定を保存できなかったよ。"))) << qPrintable(messages[0]);
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.cause))) << qPrintable(messages[0]);
        EXPECT_TRUE(messages[0].contains(QStringLiteral("case%1/vantrax").arg(n))) << qPrintable(messages[0]);
        // The choice holds for this run; the window closes as it always does.
        EXPECT_EQ(MesTime, 3);
        EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
        advance(1);
    }
}

TEST_F(OptionFormTest, CancelAfterChangingAKeyKeepsItInMemoryOnly) {
    OptionForm& f = open();
    f.Option1[0]->setChecked(true);
    pressKeyButton(f, 2, Qt::Key_Escape);
    EXPECT_EQ(PlayKeys[2], 27);
    EXPECT_EQ(f.Command1[2]->text(), QStringLiteral("[ESC]"));
    ui::Click(f.Command3);
    EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
    EXPECT_EQ(PlayKeys[2], 27);
    EXPECT_EQ(MesTime, 15);
    EXPECT_EQ(option("Key2"), QStringLiteral("<absent>"));
    EXPECT_EQ(option("Mes"), QStringLiteral("<absent>"));
}

TEST_F(OptionFormTest, EnterDecidesAndEscapeCancels) {
    struct Case {
        int key;
        bool stored;
    };
    for (const Case c : {Case{Qt::Key_Return, true}, Case{Qt::Key_Enter, true}, Case{Qt::Key_Escape, false}}) {
        SCOPED_TRACE(c.key);
        host::DeleteSetting(kAppName, QStringLiteral("Option"));
        OptionForm& f = open();
        f.Option1[1]->setFocus();
        ui::KeyPress(f.Option1[1], c.key);
        ui::KeyRelease(f.Option1[1], c.key);
        advance(1);
        EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
        EXPECT_EQ(option("Mes") != QStringLiteral("<absent>"), c.stored);
    }
}

// Enter on a key button opens the capture window, which must then wait for
// a key of its own rather than catch that Enter.
TEST_F(OptionFormTest, EnterOnAKeyButtonOpensTheCapture) {
    OptionForm& f = open();
    f.Command1[0]->setFocus();
    time->after(20, [] {
        KeyForm* k = Forms::Find<KeyForm>();
        ASSERT_NE(k, nullptr) << "the capture window is not open";
        ui::KeyPress(k, Qt::Key_A);
        ui::KeyRelease(k, Qt::Key_A);
    });
    ui::KeyPress(f.Command1[0], Qt::Key_Return);
    EXPECT_FALSE(Forms::IsLoaded<KeyForm>());
    ui::KeyRelease(f.Command1[0], Qt::Key_Return);
    EXPECT_EQ(PlayKeys[0], 65);
    EXPECT_TRUE(Forms::IsLoaded<OptionForm>());
}

TEST_F(OptionFormTest, CaptureTakesTheReleasedKey) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers mods;
        int16_t code;
        const char* caption;
    };
    const Case cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, 27, "[ESC]"},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49, "1"},  // shift state ignored
        {Qt::Key_5, Qt::KeypadModifier, 101, "Num5"},
        {Qt::Key_F12, Qt::NoModifier, 123, "F12"},
        {Qt::Key_Left, Qt::NoModifier, 37, "[←]"},
        {Qt::Key_Tab, Qt::NoModifier, 9, "[Tab]"},
        {Qt::Key_Semicolon, Qt::NoModifier, 186, "--"},
    };
    OptionForm& f = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        pressKeyButton(f, 1, c.qtKey, c.mods);
        EXPECT_EQ(PlayKeys[1], c.code);
        EXPECT_EQ(f.Command1[1]->text(), QString::fromUtf8(c.caption));
    }
}

TEST_F(OptionFormTest, ClosingTheCaptureWindowWithoutAKeyUnsetsTheKey) {
    OptionForm& f = open();
    pressKeyButton(f, 3, Qt::Key_unknown);
    EXPECT_EQ(PlayKeys[3], 0);
    EXPECT_EQ(f.Command1[3]->text(), QStringLiteral("--"));
}

TEST_F(OptionFormTest, CaptureKeyReturnsZeroWhenClosedWithoutAKey) {
    time->after(10, [] { Forms::Find<KeyForm>()->close(); });
    EXPECT_EQ(CaptureKey(), 0);
    time->after(10, [] {
        KeyForm* k = Forms::Find<KeyForm>();
        EXPECT_EQ(k->windowTitle(), QStringLiteral("キーボードの自動設定"));
        EXPECT_EQ(k->Label1->text(), QStringLiteral("変更するキーを押してください。"));
        ui::KeyPress(k, Qt::Key_Control, Qt::ControlModifier);
        ui::KeyRelease(k, Qt::Key_Control);
    });
    EXPECT_EQ(CaptureKey(), 17);
    EXPECT_EQ(CapturedKey, 17);
}

TEST(OptionRules, KeysDistinct) {
    EXPECT_TRUE(KeysDistinct({83, 68, 90, 88, 67, 86}));
    EXPECT_FALSE(KeysDistinct({83, 68, 90, 88, 67, 83}));
    EXPECT_FALSE(KeysDistinct({83, 68, 90, 88, 86, 86}));
    EXPECT_FALSE(KeysDistinct({0, 0, 1, 2, 3, 4}));
}

// The options stay open while the title goes on, but the main window waits for
// them: a duel started from its menu would find them still over the table.
TEST_F(OptionFormTest, TheMainWindowWaitsWhileTheOptionsAreOpen) {
    MeinForm& m = Forms::Get<MeinForm>();
    Forms::Get<OpenForm>().Show();
    SetMenu(1);
    advance(10);
    OptionForm& f = open();
    advance(10);
    const QPoint fileMenu = m.MenuBar->actionGeometry(m.mnuFile->menuAction()).center();
    ui::WindowSystemClick(m.MenuBar, fileMenu);
    advance(10);
    EXPECT_FALSE(m.mnuFile->isVisible()) << "the menu opened under the options";
    clickSoon(f.Command3);
    ASSERT_FALSE(Forms::IsLoaded<OptionForm>());
    ui::WindowSystemClick(m.MenuBar, fileMenu);
    advance(10);
    EXPECT_TRUE(m.mnuFile->isVisible()) << "the same click opens the menu once the options are closed";
    m.mnuFile->hide();
}

// After a key is captured the keyboard is back with the options, not with the
// main window they block, so Enter and Escape work on them at once.
TEST_F(OptionFormTest, TheKeyboardComesBackToTheOptionsAfterACapture) {
    Forms::Get<MeinForm>();
    advance(10);
    OptionForm& f = open();
    advance(10);
    ASSERT_EQ(QApplication::activeWindow(), &f);
    pressKeyButton(f, 0, Qt::Key_Q);
    advance(10);
    EXPECT_EQ(PlayKeys[0], 81);
    EXPECT_EQ(QApplication::activeWindow(), &f);
}

// The window manager offers the options and the key capture no minimise or
// maximise (a maximised options dialog is stretched out of shape), and neither
// can be resized.
TEST_F(OptionFormTest, DialogsHaveOnlyACloseButton) {
    Forms::Get<MeinForm>();
    for (GameForm* dialog :
         {static_cast<GameForm*>(&Forms::Get<OptionForm>()), static_cast<GameForm*>(&Forms::Get<KeyForm>())}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        dialog->show();
        advance(10);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_EQ(dialog->size(), dialog->minimumSize());
        EXPECT_EQ(dialog->parentWidget(), Forms::Find<MeinForm>()) << "still over the main window";
    }
}

}  // namespace
