// The game's side of sound: the command layer with its error box, the music
// procedures with MusicOn, and the effects with SoundOn, always from the
// program folder.
#include "app/state.h"
#include "audio_fixtures.h"
#include "media/data_files.h"
#include "media/effects.h"
#include "media/mci.h"
#include "media/music.h"
#include "media/pictures.h"
#include "platform/audio_commands.h"
#include "platform/audio_output.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "support/game_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace fixtures;
using audio::AudioEngine;

namespace {

const QString kBoxTitle = QStringLiteral("マルチメディアエラー");

class MediaTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        audio::UseManualOutput();
        engine().closeAll();
        engine().stopWave();
        startDir = QDir::currentPath();
        ASSERT_TRUE(elsewhere.isValid());
    }
    void TearDown() override {
        engine().closeAll();
        engine().stopWave();
        QDir::setCurrent(startDir);
        GameTest::TearDown();
    }
    static AudioEngine& engine() { return AudioEngine::instance(); }
    static uint64_t commands() { return audio::Commands().commandsHandled(); }
    static QString programFile(const QString& name) { return host::ProgramFolder() + QLatin1Char('/') + name; }
    static std::vector<float> waveOf(const QString& name) {
        QFile f(programFile(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        QByteArray b = f.readAll();
        auto w = audio::DecodeWave(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size()));
        return w ? w->samples : std::vector<float>{};
    }

    QString startDir;
    QTemporaryDir elsewhere;
};

TEST_F(MediaTest, AnEmptyCommandSetsMinusOneWithoutReachingTheEngine) {
    uint64_t before = commands();
    MciSend(QString(), true);
    EXPECT_EQ(MciLastError, -1);
    EXPECT_EQ(MciLastText, QStringLiteral("内部エラー　コマンド文字列が指定されていません"));
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(commands(), before);
}

TEST_F(MediaTest, AFailingPlayWithShowErrorShowsExactlyOneBoxPerCall) {
    MusicOn = true;
    host::setProgramFolder(elsewhere.path());  // no music files there
    PlayMusic(5);
    ASSERT_EQ(boxes->calls.size(), 1u);
    const QString text = QString::fromStdString(*audio::ErrorText(audio::kMciInvalidDeviceName));
    EXPECT_EQ(boxes->calls[0].title, kBoxTitle);
    EXPECT_EQ(boxes->calls[0].text, text);
    EXPECT_EQ(boxes->calls[0].icon, host::MsgIcon::Critical);
    EXPECT_EQ(MciLastError, audio::kMciInvalidDeviceName);
    EXPECT_EQ(MciLastText, text);
    EXPECT_EQ(MciErrorText, text);

    PlayMusic(5);
    MciPlay(QStringLiteral("CX7"), false, QString(), QString(), true);
    EXPECT_EQ(boxes->calls.size(), 3u);
}

TEST_F(MediaTest, FailedOpensAndClosesAreSilent) {
    QDir::setCurrent(elsewhere.path());
    MciSend(QStringLiteral("open missing.mid type sequencer alias x"), false);
    EXPECT_EQ(MciLastError, audio::kMciFileNotFound);
    EXPECT_EQ(MciLastText, QString::fromStdString(*audio::ErrorText(audio::kMciFileNotFound)));
    // The quit path closes every alias the game may have used, open or not.
    for (int n = 1; n <= 12; ++n) MciClose(QStringLiteral("CX%1").arg(n), false);
    EXPECT_EQ(MciLastError, audio::kMciInvalidDeviceName);
    EXPECT_TRUE(boxes->calls.empty());
}

TEST_F(MediaTest, PlayingTrack3TwiceRestartsItWithoutABox) {
    MusicOn = true;
    QDir::setCurrent(elsewhere.path());  // the export window may have moved it
    PlayMusic(3);
    EXPECT_EQ(QDir::currentPath(), QDir(host::ProgramFolder()).absolutePath());
    EXPECT_EQ(MciLastError, 0);
    ASSERT_TRUE(engine().isPlaying("cx3"));
    ASSERT_TRUE(engine().waitForSoundFont());
    Render(engine(), Frames(1000));
    EXPECT_NEAR(*engine().positionMs("cx3"), 1000, 1);

    PlayMusic(3);
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(MciLastError, 0);
    EXPECT_NEAR(*engine().positionMs("cx3"), 0, 1);

    StopMusic(3);
    EXPECT_FALSE(engine().isOpen("cx3"));
    EXPECT_EQ(MciLastError, 0);
}

TEST_F(MediaTest, ABrokenSoundFontOfThePlayersIsNamedOnceAndTheMusicPlays) {
    MusicOn = true;
    engine().startLoading();
    ASSERT_TRUE(engine().waitForSoundFont());
    const QString broken = elsewhere.filePath(QStringLiteral("mine.sf2"));
    WriteFile(broken, std::vector<uint8_t>(4096, 0x55));
    // Written by hand, with a blank after the "=".
    ASSERT_TRUE(host::SaveSetting(kAppName, QStringLiteral("Option"), kSoundFontKey, QLatin1Char(' ') + broken))
        << qPrintable(host::SettingsError());
    ApplySoundFontOption();

    PlayMusic(3);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_EQ(boxes->calls[0].title, kBoxTitle);
    EXPECT_TRUE(boxes->calls[0].text.contains(broken)) << qPrintable(boxes->calls[0].text);
    EXPECT_TRUE(boxes->calls[0].text.contains(QStringLiteral("SoundFont のファイルではありません")));
    EXPECT_EQ(MciLastError, 0);
    EXPECT_TRUE(engine().isPlaying("cx3"));
    StopMusic(3);
    PlayMusic(3);
    EXPECT_EQ(boxes->calls.size(), 1u) << "said once";
    StopMusic(3);
    host::DeleteSetting(kAppName, QStringLiteral("Option"), kSoundFontKey);
    ApplySoundFontOption();
}

TEST_F(MediaTest, WithMusicOffNothingIsSentAndAStartedTrackPlaysOn) {
    MusicOn = false;
    uint64_t before = commands();
    PlayMusic(3);
    StopMusic(3);
    EXPECT_EQ(commands(), before);
    EXPECT_FALSE(engine().isOpen("cx3"));

    MusicOn = true;
    PlayMusic(2);
    MusicOn = false;
    StopMusic(2);
    EXPECT_TRUE(engine().isPlaying("cx2"));
}

TEST_F(MediaTest, MciPlayWritesFromToAndWaitIntoItsCommand) {
    host::ChDirProgram();
    MciSend(QStringLiteral("open cData4._vx type sequencer alias z"), true);
    ASSERT_EQ(MciLastError, 0);
    EXPECT_FALSE(MciReply.isEmpty());
    EXPECT_EQ(MciLastText, MciReply);

    MciPlay(QStringLiteral("z"), false, QStringLiteral("300"), QString(), true);
    EXPECT_NEAR(*engine().positionMs("z"), 300, 1);
    MciPlay(QStringLiteral("z"), false, QStringLiteral("x"), QString(), false);
    EXPECT_EQ(MciLastError, audio::kMciBadInteger);
    MciPlay(QStringLiteral("z"), false, QString(), QStringLiteral("x"), false);
    EXPECT_EQ(MciLastError, audio::kMciBadInteger);

    uint64_t t0 = time->elapsed();
    MciPlay(QStringLiteral("z"), true, QStringLiteral("0"), QStringLiteral("400"), true);
    EXPECT_EQ(MciLastError, 0);
    EXPECT_GE(time->elapsed() - t0, 400u);
    EXPECT_TRUE(boxes->calls.empty());
}

TEST_F(MediaTest, WithSoundOffAnEffectLeavesTheFolderAndTheVoiceAlone) {
    SoundOn = false;
    QDir::setCurrent(elsewhere.path());
    uint64_t before = engine().waveStarts();
    PlayEffect(3);
    EXPECT_EQ(QDir::currentPath(), QDir(elsewhere.path()).absolutePath());
    EXPECT_EQ(engine().waveStarts(), before);
    EXPECT_FALSE(engine().wavePlaying());
}

TEST_F(MediaTest, AnEffectPlaysItsWaveFromTheProgramFolder) {
    SoundOn = true;
    QDir::setCurrent(elsewhere.path());
    PlayEffect(10);
    EXPECT_EQ(QDir::currentPath(), QDir(host::ProgramFolder()).absolutePath());
    ASSERT_TRUE(engine().currentWave());
    EXPECT_EQ(engine().currentWave()->samples, waveOf(DataFileName("bData", 10)));
    EXPECT_NE(engine().currentWave(), audio::DefaultSound());
}

TEST_F(MediaTest, TheMapsLoopIsEndedByTheStopCallOrByTheNextEffect) {
    SoundOn = true;
    host::ChDirProgram();
    ASSERT_TRUE(SndPlaySound(DataFileName("bData", 2), SND_ASYNC | SND_LOOP));
    auto loop = engine().currentWave();
    ASSERT_TRUE(loop);
    Render(engine(), static_cast<int>(loop->frames() * 3));
    EXPECT_EQ(engine().currentWave(), loop);  // still going round

    ASSERT_TRUE(SndPlaySound(QString(), SND_SYNC));
    EXPECT_FALSE(engine().wavePlaying());

    SndPlaySound(DataFileName("bData", 2), SND_ASYNC | SND_LOOP);
    PlayEffect(12);
    auto effect = engine().currentWave();
    EXPECT_EQ(effect->samples, waveOf(DataFileName("bData", 12)));
    Render(engine(), static_cast<int>(effect->frames()) + 1);
    EXPECT_FALSE(engine().wavePlaying());
}

TEST_F(MediaTest, TheWaveCallsFlags) {
    QDir::setCurrent(elsewhere.path());
    WriteFile(QStringLiteral("short.wav"), Wav16(std::vector<int16_t>(2205, 1000)));  // 100 ms

    // A missing file plays the default sound; unless asked not to.
    EXPECT_TRUE(SndPlaySound(QStringLiteral("missing.wav"), SND_ASYNC));
    EXPECT_EQ(engine().currentWave(), audio::DefaultSound());
    EXPECT_FALSE(SndPlaySound(QStringLiteral("missing.wav"), SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(engine().wavePlaying());
    // A file that is there but no wave counts as missing.
    WriteFile(QStringLiteral("text.wav"), {'n', 'o'});
    SndPlaySound(QStringLiteral("text.wav"), SND_ASYNC);
    EXPECT_EQ(engine().currentWave(), audio::DefaultSound());

    // So does a wave at a rate no sound card plays: 1 Hz would be stretched
    // 44100 times.
    std::vector<uint8_t> oneHertz = Wav16(std::vector<int16_t>(2048, 1000));
    oneHertz[24] = 1;
    oneHertz[25] = oneHertz[26] = oneHertz[27] = 0;
    WriteFile(QStringLiteral("slow.wav"), oneHertz);
    EXPECT_TRUE(SndPlaySound(QStringLiteral("slow.wav"), SND_ASYNC));
    EXPECT_EQ(engine().currentWave(), audio::DefaultSound());

    // Looping needs the asynchronous flag.
    EXPECT_FALSE(SndPlaySound(QStringLiteral("short.wav"), SND_LOOP));

    // Without it the call returns once the sound has played.
    uint64_t t0 = time->elapsed();
    EXPECT_TRUE(SndPlaySound(QStringLiteral("short.wav"), SND_SYNC));
    EXPECT_GE(time->elapsed() - t0, 100u);

    // A file changed on disk is read again.
    SndPlaySound(QStringLiteral("short.wav"), SND_ASYNC);
    EXPECT_NEAR(engine().currentWave()->samples[0], 1000 / 32768.0f, 1e-6);
    WriteFile(QStringLiteral("short.wav"), Wav16(std::vector<int16_t>(2300, -2000)));
    SndPlaySound(QStringLiteral("short.wav"), SND_ASYNC);
    EXPECT_NEAR(engine().currentWave()->samples[0], -2000 / 32768.0f, 1e-6);
}

// Data files: how names are made and where pictures come from.
TEST_F(MediaTest, DataFileNamesAndPicturesFromTheProgramFolder) {
    EXPECT_EQ(DataFileName("bData", 10), QStringLiteral("bData10._vx"));
    EXPECT_EQ(DataFileName("cData", 3), QStringLiteral("cData3._vx"));
    EXPECT_EQ(DataFileName("Data", 1), QStringLiteral("Data1._vx"));
    EXPECT_NE(DataFileName("Data", 1), DataFileName("aData", 1));
    const QStringList all = AllDataFileNames();
    EXPECT_EQ(all.size(), 143);
    EXPECT_EQ(all.front(), QStringLiteral("aData1._vx"));
    EXPECT_EQ(all.back(), QStringLiteral("Vantra.hlp"));
    for (const QString& name : all) EXPECT_TRUE(QFile::exists(programFile(name))) << name.toStdString();

    // The export window leaves another folder current; the next picture still
    // comes from the program folder.
    QDir::setCurrent(elsewhere.path());
    EXPECT_FALSE(LoadPicture(DataFileName("Data", 3)).isNull());
    EXPECT_TRUE(LoadPicture(QString()).isNull());
    EXPECT_FALSE(CardPicture(1).isNull());
    EXPECT_TRUE(CardPicture(0).isNull());
    EXPECT_FALSE(FacePicture(28).isNull());
}

TEST(Pictures, BuiltInPicturesAtBothDensities) {
    struct Case {
        int number;
        QSize size;
    };
    for (const Case& c : {Case{11, {70, 90}}, Case{62, {70, 90}}, Case{63, {85, 100}}, Case{91, {85, 100}}}) {
        const QPixmap plain = LoadResPicture(c.number, 1.0);
        const QPixmap dense = LoadResPicture(c.number, 2.0);
        EXPECT_EQ(plain.size(), c.size) << c.number;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << c.number;
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), c.size) << c.number;
    }
    // Card values and face numbers map onto their resources.
    EXPECT_EQ(CardPicture(1).toImage(), LoadResPicture(11).toImage());
    EXPECT_EQ(CardPicture(52).toImage(), LoadResPicture(62).toImage());
    EXPECT_EQ(FacePicture(0).toImage(), LoadResPicture(63).toImage());
}

}  // namespace
