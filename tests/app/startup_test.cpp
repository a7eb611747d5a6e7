#include "app/startup.h"
#include "app/data_files.h"
#include "app/forms.h"
#include "app/resetup_form.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "support/game_test.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

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
    QString programPath(const QString& name) const { return programDir.filePath(name); }

protected:
    QTemporaryDir programDir;
    int opened = 0;
};

TEST_F(StartupTest, AnEmptyStoreStartsWithEveryDefault) {
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
        f->Command3->click();  // close
    });
    StartupWindows none;
    EXPECT_FALSE(Main(none));
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes"), QStringLiteral("15")),
              QStringLiteral("15"));
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Data"), QStringLiteral("Data1")), QString());
    EXPECT_FALSE(Forms::IsLoaded<ResetupForm>());
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

}  // namespace
