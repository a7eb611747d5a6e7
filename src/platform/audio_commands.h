#pragma once
// The multimedia command strings the game sends for its music, interpreted
// over the audio engine. No Qt here.
//
//   open <file> [type sequencer] [alias <name>]
//   play <alias> [from <ms>] [to <ms>] [wait]
//   stop <alias>
//   close <alias> | close all
//
// Words are separated by runs of blanks, a file name with blanks goes in
// double quotes, and keywords and aliases are compared without regard to
// case. Positions are milliseconds. A file name without a folder is looked
// up in the current folder. Every failure has the error code the host's own
// command interface used for it, and a Japanese text.
#include "platform/audio_engine.h"

#include <cstdint>
#include <optional>
#include <string>

namespace audio {

enum MciError : int32_t {
    kMciUnrecognizedKeyword = 259,
    kMciUnrecognizedCommand = 261,
    kMciInvalidDeviceName = 263,  // the alias is not open
    kMciMissingCommandString = 267,
    kMciBadInteger = 270,
    kMciMissingParameter = 273,
    kMciFileNotFound = 275,
    kMciExtensionNotFound = 281,
    kMciOutOfRange = 282,
    kMciDuplicateAlias = 289,
    kMciNoClosingQuote = 294,
    kMciInvalidFile = 296,         // not a MIDI file
    kMciDeviceNotInstalled = 306,  // a device type other than the sequencer
    kMciSeqNoMidiPresent = 343,    // no SoundFont to play with
};

struct CommandResult {
    int32_t error = 0;
    std::string reply;
    // For "play ... wait": how long the caller has to wait for the end.
    int64_t waitMs = 0;
};

class CommandInterpreter {
public:
    explicit CommandInterpreter(AudioEngine& engine) : engine_(engine) {}
    CommandResult send(const std::string& command);
    // How many commands have reached the interpreter (tests).
    uint64_t commandsHandled() const { return handled_; }
    AudioEngine& engine() { return engine_; }

private:
    CommandResult open(const std::vector<std::string>& words);
    CommandResult play(const std::vector<std::string>& words);
    CommandResult stop(const std::vector<std::string>& words);
    CommandResult close(const std::vector<std::string>& words);

    AudioEngine& engine_;
    uint64_t handled_ = 0;
    int nextDeviceId_ = 1;
};

// The interpreter the game's commands go to, over AudioEngine::instance().
CommandInterpreter& Commands();

// The text for an error code, or nothing for a code this layer never gives.
std::optional<std::string> ErrorText(int32_t code);

}  // namespace audio
