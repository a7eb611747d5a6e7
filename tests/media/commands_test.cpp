// The command strings the game sends for its music, and the error code of
// each failure, run in order against one interpreter.
#include "audio_fixtures.h"
#include "platform/audio_commands.h"
#include "platform/audio_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace fixtures;
using namespace audio;

namespace {

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseManualOutput();
        AudioEngine::instance().closeAll();
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        WriteFile(QStringLiteral("song.mid"), OneNote(4800, 4800));
        WriteFile(QStringLiteral("my song.mid"), OneNote());
        WriteFile(QStringLiteral("song._vx"), OneNote(4800, 4800));
        WriteFile(QStringLiteral("text.mid"), {'h', 'e', 'l', 'l', 'o'});
        QDir().mkdir(QStringLiteral("folder.mid"));
    }
    void TearDown() override {
        AudioEngine::instance().closeAll();
        QDir::setCurrent(previous);
    }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(CommandTest, CommandsAndTheirErrorCodes) {
    struct Step {
        const char* command;
        int32_t error;
    };
    const Step steps[] = {
        // The game's own open, with its doubled blanks, and its play.
        {"open song._vx  type sequencer  alias CX3", 0},
        {"play CX3 from 0", 0},
        {"open song._vx  type sequencer  alias CX3", kMciDuplicateAlias},
        {"play cx3 from 0", 0},  // aliases and keywords ignore case
        {"  PLAY   Cx3   FROM   0  ", 0},
        {"close CX3", 0},
        {"close CX3", kMciInvalidDeviceName},
        {"play CX3 from 0", kMciInvalidDeviceName},
        // Opening: what the file and the words may be.
        {"open missing.mid type sequencer alias m", kMciFileNotFound},
        {"open folder.mid type sequencer alias m", kMciFileNotFound},
        {"open text.mid type sequencer alias m", kMciInvalidFile},
        {"open song._vx alias m", kMciExtensionNotFound},
        {"open song._vx type waveaudio alias m", kMciDeviceNotInstalled},
        {"open song.mid", 0},  // without an alias the file name is the name
        {"play song.mid", 0},
        {"close song.mid", 0},
        {"open \"my song.mid\" type sequencer alias q", 0},
        {"open \"my song.mid type sequencer alias r", kMciNoClosingQuote},
        {"open", kMciMissingParameter},
        {"open song.mid type", kMciMissingParameter},
        {"open song.mid alias", kMciMissingParameter},
        {"open song.mid type sequencer alias s loudly", kMciUnrecognizedKeyword},
        // Playing: positions are milliseconds within the track.
        {"open song.mid type sequencer alias s", 0},
        {"play s from 0 to 5000", 0},
        {"play s from 5001", kMciOutOfRange},
        {"play s to 6000", kMciOutOfRange},
        {"play s from 300 to 200", kMciOutOfRange},
        {"play s from -1", kMciBadInteger},
        {"play s from 1e3", kMciBadInteger},
        {"play s from 99999999999", kMciBadInteger},
        {"play s from", kMciMissingParameter},
        {"play s backwards", kMciUnrecognizedKeyword},
        {"play s notify", 0},
        {"play", kMciMissingParameter},
        {"stop s", 0},
        {"stop nothing", kMciInvalidDeviceName},
        // Anything else.
        {"", kMciMissingCommandString},
        {" \t ", kMciMissingCommandString},
        {"seek s to start", kMciUnrecognizedCommand},
        {"close", kMciMissingParameter},
        {"close all", 0},
        {"play s", kMciInvalidDeviceName},
        {"play q", kMciInvalidDeviceName},
    };
    CommandInterpreter mci(AudioEngine::instance());
    for (const Step& s : steps) {
        CommandResult r = mci.send(s.command);
        EXPECT_EQ(r.error, s.error) << s.command;
        if (r.error) {
            EXPECT_TRUE(ErrorText(r.error)) << "no text for " << r.error;
        }
    }
}

TEST_F(CommandTest, OpenRepliesWithADeviceNumberAndWaitTellsHowLong) {
    CommandInterpreter mci(AudioEngine::instance());
    EXPECT_EQ(mci.send("open song.mid alias a").reply, "1");
    EXPECT_EQ(mci.send("open song.mid alias b").reply, "2");
    EXPECT_EQ(mci.send("play a from 1000 to 3500 wait").waitMs, 2500);
    EXPECT_EQ(mci.send("play b wait").waitMs, 5000);
    EXPECT_EQ(mci.send("play b").waitMs, 0);
}

TEST_F(CommandTest, TheAliasStaysTakenUntilClosedEvenAfterTheTrackEnds) {
    AudioEngine& e = AudioEngine::instance();
    e.startLoading();
    ASSERT_TRUE(e.waitForSoundFont());
    CommandInterpreter mci(e);
    WriteFile(QStringLiteral("short.mid"), OneNote(48, 96));
    ASSERT_EQ(mci.send("open short.mid alias x").error, 0);
    ASSERT_EQ(mci.send("play x from 0").error, 0);
    for (int i = 0; i < 100 && e.isPlaying("x"); ++i) Render(e, Frames(100));
    ASSERT_FALSE(e.isPlaying("x"));
    EXPECT_EQ(mci.send("open short.mid alias x").error, kMciDuplicateAlias);
    EXPECT_EQ(mci.send("play x from 0").error, 0);
    EXPECT_TRUE(e.isPlaying("x"));
}

TEST_F(CommandTest, WithoutASoundFontThereIsNoMidiDevice) {
    AudioEngine none;
    none.setSoundFontCandidates({});
    CommandInterpreter mci(none);
    EXPECT_EQ(mci.send("open song.mid type sequencer alias a").error, kMciSeqNoMidiPresent);
    EXPECT_EQ(mci.send("play a from 0").error, kMciInvalidDeviceName);
    // A name already taken is still reported as such first.
    AudioEngine some;
    CommandInterpreter other(some);
    ASSERT_EQ(other.send("open song.mid alias a").error, 0);
    EXPECT_EQ(other.send("open song.mid alias a").error, kMciDuplicateAlias);
}

TEST(CommandErrorTexts, EveryCodeHasJapaneseTextAndOthersHaveNone) {
    for (int32_t code :
         {kMciUnrecognizedKeyword, kMciUnrecognizedCommand, kMciInvalidDeviceName, kMciMissingCommandString,
          kMciBadInteger, kMciMissingParameter, kMciFileNotFound, kMciExtensionNotFound, kMciOutOfRange,
          kMciDuplicateAlias, kMciNoClosingQuote, kMciInvalidFile, kMciDeviceNotInstalled, kMciSeqNoMidiPresent}) {
        auto text = ErrorText(code);
        ASSERT_TRUE(text) << code;
        EXPECT_GT(QString::fromStdString(*text).size(), 5) << code;
        EXPECT_LT(QString::fromStdString(*text).size(), 256) << code;
    }
    EXPECT_FALSE(ErrorText(0));
    EXPECT_FALSE(ErrorText(-1));
    EXPECT_FALSE(ErrorText(9999));
}

}  // namespace
