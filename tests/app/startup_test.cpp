#include "app/startup.h"
#include "app/data_files.h"
#include "app/forms.h"
#include "app/options.h"
#include "app/resetup_form.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "support/full_disk.h"
#include "support/game_test.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <variant>
#include <vector>

namespace {

// A program folder of links to the build tree's data files, which a test may
// then break one file at a time.
class StartupTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(programDir.isValid());
        for (const QString& name : AllDataFileNames())
            ASSERT_TRUE(QFile::link(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/") + name, programDir.filePath(name)))
                << qPrintable(name);
        host::setProgramFolder(programDir.path());
    }

    // Runs Main; the windows it would open are counted. The re-setup window
    // that follows a failure is closed by scheduled input.
    bool runMain() {
        time->after(500, [] {
            if (auto* f = Forms::Find<ResetupForm>()) f->Unload();
        });
        StartupWindows w;
        w.showMainWindow = [this] { ++opened; };
        w.showBackdrop = [this] { ++opened; };
        w.showOpening = [this] { ++opened; };
        return Main(w);
    }

    bool integrityMessageShown() const {
        return boxes->calls.size() == 1 && boxes->calls[0].title == kIntegrityTitle &&
               boxes->calls[0].text == kIntegrityText && boxes->calls[0].icon == host::MsgIcon::Critical;
    }

public:
    void saveOptionPublic(const char* key, const QString& value) { saveOption(key, value); }
    void writeSettings(const QByteArray& text) {
        const QString p = host::settings().path();
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString programPath(const QString& name) const { return programDir.filePath(name); }

protected:
    QTemporaryDir programDir;
    int opened = 0;
};

TEST_F(StartupTest, AnEmptyStoreStartsWithEveryDefault) {
    // The folder holds the data files and nothing else: the pictures' 2x
    // twins are no part of what start-up requires.
    ASSERT_TRUE(QDir(programDir.path()).entryList({QStringLiteral("*@2x*")}).isEmpty());
    ASSERT_TRUE(runMain());
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(MesTime, 15);
    EXPECT_EQ(InputDevice, 0);
    EXPECT_TRUE(MusicOn);
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(PlayKeys, (std::array<int16_t, 6>{83, 68, 90, 88, 67, 86}));
    EXPECT_FALSE(MesSheetPicture.isNull());
    EXPECT_FALSE(HandCursor.isNull());
    EXPECT_FALSE(Data1Picture.isNull());
    EXPECT_EQ(QDir::currentPath(), QDir(programDir.path()).canonicalPath());
}

TEST_F(StartupTest, StoredOptionsAreRead) {
    saveOption("Bgm", QStringLiteral("False"));
    saveOption("Wav", QStringLiteral("0"));
    saveOption("Key0", QStringLiteral("65"));
    saveOption("Mes", QStringLiteral("6"));
    saveOption("Div", QStringLiteral("1"));
    ASSERT_TRUE(runMain());
    EXPECT_FALSE(MusicOn);
    EXPECT_FALSE(SoundOn);
    EXPECT_EQ(PlayKeys[0], 65);
    EXPECT_EQ(PlayKeys[1], 68);
    EXPECT_EQ(MesTime, 6);
    EXPECT_EQ(InputDevice, 1);
}

TEST_F(StartupTest, AnyNonZeroNumberCountsAsTrue) {
    saveOption("Bgm", QStringLiteral("-1"));
    saveOption("Wav", QStringLiteral("7"));
    ASSERT_TRUE(runMain());
    EXPECT_TRUE(MusicOn);
    EXPECT_TRUE(SoundOn);
}

struct Fault {
    const char* name;
    std::function<void(StartupTest&)> apply;
};

class StartupFaults : public StartupTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(StartupFaults, LeadToTheIntegrityMessageAndNoWindow) {
    GetParam().apply(*this);
    EXPECT_FALSE(runMain());
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(integrityMessageShown());
}

void removeFile(StartupTest& t, const QString& name);

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupFaults,
    ::testing::Values(
        Fault{"NonNumericMes", [](StartupTest& t) { t.saveOptionPublic("Mes", QStringLiteral("abc")); }},
        Fault{"KeyOutOfRange", [](StartupTest& t) { t.saveOptionPublic("Key3", QStringLiteral("99999")); }},
        Fault{"BgmNotABoolean", [](StartupTest& t) { t.saveOptionPublic("Bgm", QStringLiteral("Yes")); }},
        Fault{"MissingLastEndingFrame", [](StartupTest& t) { removeFile(t, QStringLiteral("hData38._vx")); }},
        Fault{"MissingFirstFile", [](StartupTest& t) { removeFile(t, QStringLiteral("aData1._vx")); }},
        Fault{"MissingHelpFile", [](StartupTest& t) { removeFile(t, QStringLiteral("Vantra.hlp")); }},
        Fault{"MessageSheetIsNotAPicture",
              [](StartupTest& t) {
                  removeFile(t, QStringLiteral("Data5._vx"));
                  QFile f(t.programPath(QStringLiteral("Data5._vx")));
                  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                  f.write("this is not a picture");
              }},
        Fault{"UnreadableSettingsFile",
              [](StartupTest&) {
                  QString p = host::settings().path();
                  QDir().mkpath(QFileInfo(p).absolutePath());
                  QFile f(p);
                  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                  f.write("\xff\xff not a settings file");
              }}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

void removeFile(StartupTest& t, const QString& name) {
    ASSERT_TRUE(QFile::remove(t.programPath(name)));
}

TEST_F(StartupTest, TheResetupWindowDeletesTheStoredSettingsAfterAConfirmation) {
    saveOption("Mes", QStringLiteral("abc"));
    host::SaveSetting(kAppName, QStringLiteral("Data"), QStringLiteral("Data1"), QStringLiteral("slot"));
    time->after(100, [] {
        auto* f = Forms::Find<ResetupForm>();
        ASSERT_NE(f, nullptr);
        f->Command1->click();  // initialise...
        EXPECT_TRUE(f->Command2->isVisible());
        EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes")), QStringLiteral("abc"));
        f->Command2->click();  // ...yes
        EXPECT_EQ(f->Label1->text(), QStringLiteral("設定を初期化しました。Vantrax を終了します。"));
        EXPECT_TRUE(f->Label2->text().contains(QStringLiteral("settings.ini.before-reset")))
            << qPrintable(f->Label2->text());
        f->Command3->click();  // close
    });
    StartupWindows none;
    EXPECT_FALSE(Main(none));
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes"), QStringLiteral("15")),
              QStringLiteral("15"));
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Data"), QStringLiteral("Data1")), QString());
    EXPECT_FALSE(Forms::IsLoaded<ResetupForm>());
    // What was cleared is kept beside the store, saves and all.
    host::SettingsStore copy(host::settings().path() + QStringLiteral(".before-reset"));
    EXPECT_EQ(copy.get(kAppName, QStringLiteral("Data"), QStringLiteral("Data1")), QStringLiteral("slot"));
    EXPECT_EQ(copy.get(kAppName, QStringLiteral("Option"), QStringLiteral("Mes")), QStringLiteral("abc"));
}

// The re-setup window says what it found and, when clearing fails, what
// failed and where the file is: never that it worked when it did not.
TEST_F(StartupTest, TheResetupWindowNamesWhatItFoundAndWhatFailed) {
    struct Case {
        const char* name;
        std::function<void(StartupTest&)> spoil;
        const char* found;      // in the window before anything is done
        const char* failed;     // after "yes", or empty when it worked
        bool fullDisk = false;  // while clearing
    };
    const Case cases[] = {
        {"a stray line in a file written by hand",
         [](StartupTest& t) { t.writeSettings("[nr_vantra\\option]\nmes=6\nsoundfont /home/me/a.sf2\n"); },
         "設定ファイルの 3 行目が読み取れません", ""},
        {"an option that is no number", [](StartupTest& t) { t.saveOptionPublic("Key2", QStringLiteral("Z")); },
         "「Key2=Z」", ""},
        {"a folder where the file should be", [](StartupTest&) { ASSERT_TRUE(QDir().mkpath(host::settings().path())); },
         "同じ名前のフォルダーがあります", "同じ名前のフォルダーがあります"},
        {"a full disk", [](StartupTest& t) { t.saveOptionPublic("Mes", QStringLiteral("abc")); }, "「Mes=abc」",
         "設定ファイルに書き込めません（ファイルの大きさの上限を超えました）", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(QFileInfo(host::settings().path()).absolutePath()).removeRecursively();
        c.spoil(*this);
        time->after(100, [&c] {
            auto* f = Forms::Find<ResetupForm>();
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->Label2->text().contains(QString::fromUtf8(c.found))) << qPrintable(f->Label2->text());
            EXPECT_TRUE(f->Label2->text().contains(QStringLiteral("settings.ini"))) << qPrintable(f->Label2->text());
            ASSERT_TRUE(f->Command1->isVisible());
            f->Command1->click();
            {
                std::optional<FullDisk> full;
                if (c.fullDisk) full.emplace();
                f->Command2->click();
            }
            if (*c.failed) {
                EXPECT_EQ(f->Label1->text(),
                          QStringLiteral("設定を初期化できませんでした。次回もこのメッセージが表示されます。"));
                EXPECT_TRUE(f->Label2->text().contains(QString::fromUtf8(c.failed))) << qPrintable(f->Label2->text());
                EXPECT_TRUE(f->Label2->text().contains(QDir::toNativeSeparators(host::settings().path())));
            } else {
                EXPECT_EQ(f->Label1->text(), QStringLiteral("設定を初期化しました。Vantrax を終了します。"));
            }
            f->Command3->click();
        });
        StartupWindows none;
        EXPECT_FALSE(Main(none));
        // Cleared, the next start finds nothing wrong with the settings.
        EXPECT_EQ(host::settings().damaged() || !ReadOptions(), *c.failed != 0);
        boxes->calls.clear();
        advance(1);
    }
}

// A broken picture is named like a missing file, and clearing the settings,
// which would not mend it, is not offered.
TEST_F(StartupTest, ADamagedPictureIsNamedAndTheSettingsAreLeftAlone) {
    saveOption("Mes", QStringLiteral("6"));
    removeFile(*this, QStringLiteral("Data11._vx"));
    QFile cut(programPath(QStringLiteral("Data11._vx")));
    QFile whole(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/Data11._vx"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2));
    cut.close();
    time->after(100, [] {
        auto* f = Forms::Find<ResetupForm>();
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(f->Label2->text().startsWith(QStringLiteral("ファイルが壊れています: Data11._vx")))
            << qPrintable(f->Label2->text());
        EXPECT_FALSE(f->Command1->isVisible());
        EXPECT_TRUE(f->Label1->text().contains(QStringLiteral("再インストール")));
        f->Command3->click();
    });
    StartupWindows none;
    EXPECT_FALSE(Main(none));
    EXPECT_TRUE(integrityMessageShown());
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes")), QStringLiteral("6"));
}

// Temporary files of writes killed halfway are cleaned up at the next start.
TEST_F(StartupTest, LeftoversOfKilledWritesAreRemovedAtStart) {
    saveOption("Mes", QStringLiteral("6"));
    const QString leftover = host::settings().path() + QStringLiteral(".Xq81Za");
    QFile f(leftover);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(runMain());
    EXPECT_FALSE(QFile::exists(leftover));
}

TEST_F(StartupTest, AnsweringNoInTheResetupWindowKeepsEverything) {
    saveOption("Mes", QStringLiteral("abc"));
    time->after(100, [] {
        auto* f = Forms::Find<ResetupForm>();
        ASSERT_NE(f, nullptr);
        f->Command1->click();
        f->Command3->click();  // no
        EXPECT_TRUE(f->Command1->isVisible());
        f->Command3->click();  // close
    });
    StartupWindows none;
    EXPECT_FALSE(Main(none));
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes")), QStringLiteral("abc"));
}

// The re-setup window is worked with Enter and Escape as well: Enter takes the
// button with the focus ("no" on the question), Escape says no or closes, and
// the last page closes with Enter.
TEST_F(StartupTest, TheResetupWindowAnswersEnterAndEscape) {
    struct Case {
        const char* name;
        std::vector<std::variant<int, QPushButton * ResetupForm::*>> steps;  // a key, or a button to focus
        bool deleted;
    };
    const Case cases[] = {
        {"Enter asks, Escape says no, Escape closes", {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Escape}, false},
        {"Enter on the question is no", {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}, false},
        {"yes, then Enter closes the last page",
         {Qt::Key_Return, &ResetupForm::Command2, Qt::Key_Return, Qt::Key_Return},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        saveOption("Mes", QStringLiteral("abc"));
        time->after(100, [&c] {
            auto* f = Forms::Find<ResetupForm>();
            ASSERT_NE(f, nullptr);
            for (const auto& step : c.steps) {
                if (auto* button = std::get_if<QPushButton * ResetupForm::*>(&step)) {
                    (f->**button)->setFocus();
                    continue;
                }
                ASSERT_TRUE(Forms::IsLoaded<ResetupForm>()) << "closed too early";
                QWidget* target = f->focusWidget() ? f->focusWidget() : f;
                QKeyEvent press(QEvent::KeyPress, std::get<int>(step), Qt::NoModifier);
                QCoreApplication::sendEvent(target, &press);
                QKeyEvent release(QEvent::KeyRelease, std::get<int>(step), Qt::NoModifier);
                QCoreApplication::sendEvent(target, &release);
            }
        });
        StartupWindows none;
        EXPECT_FALSE(Main(none));
        EXPECT_FALSE(Forms::IsLoaded<ResetupForm>());
        const QString mes =
            host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes"), QStringLiteral("<absent>"));
        EXPECT_EQ(mes, c.deleted ? QStringLiteral("<absent>") : QStringLiteral("abc"));
        boxes->calls.clear();
    }
}

}  // namespace
