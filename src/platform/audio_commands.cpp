#include "platform/audio_commands.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace audio {

namespace {

// No sequence of the game comes near this; anything larger is not music.
constexpr std::uintmax_t kMaxMidiBytes = 16u << 20;

std::string folded(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Splits at runs of blanks; a word in double quotes keeps its blanks.
std::optional<std::vector<std::string>> split(const std::string& s) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < s.size()) {
        if (isBlank(s[i])) {
            ++i;
            continue;
        }
        std::string w;
        if (s[i] == '"') {
            size_t end = s.find('"', i + 1);
            if (end == std::string::npos) return std::nullopt;
            w = s.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < s.size() && !isBlank(s[i])) w += s[i++];
        }
        words.push_back(std::move(w));
    }
    return words;
}

// A position in milliseconds: decimal digits only, within 32 bits.
std::optional<double> position(const std::string& w) {
    uint32_t v = 0;
    auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || ec != std::errc() || end != w.data() + w.size()) return std::nullopt;
    return static_cast<double>(v);
}

bool hasMidiExtension(const std::string& file) {
    std::string ext = folded(std::filesystem::path(file).extension().string());
    return ext == ".mid" || ext == ".midi" || ext == ".rmi";
}

CommandResult fail(int32_t code) {
    CommandResult r;
    r.error = code;
    return r;
}

}  // namespace

CommandResult CommandInterpreter::send(const std::string& command) {
    ++handled_;
    auto words = split(command);
    if (!words) return fail(kMciNoClosingQuote);
    if (words->empty()) return fail(kMciMissingCommandString);
    std::string verb = folded((*words)[0]);
    if (verb == "open") return open(*words);
    if (verb == "play") return play(*words);
    if (verb == "stop") return stop(*words);
    if (verb == "close") return close(*words);
    return fail(kMciUnrecognizedCommand);
}

CommandResult CommandInterpreter::open(const std::vector<std::string>& words) {
    if (words.size() < 2) return fail(kMciMissingParameter);
    const std::string& file = words[1];
    std::optional<std::string> type, alias;
    for (size_t i = 2; i < words.size(); ++i) {
        std::string key = folded(words[i]);
        if (key == "type" || key == "alias") {
            if (i + 1 >= words.size()) return fail(kMciMissingParameter);
            (key == "type" ? type : alias) = words[++i];
        } else if (key != "wait" && key != "notify" && key != "shareable") {
            return fail(kMciUnrecognizedKeyword);
        }
    }
    if (type ? folded(*type) != "sequencer" : !hasMidiExtension(file))
        return fail(type ? kMciDeviceNotInstalled : kMciExtensionNotFound);
    std::string name = folded(alias ? *alias : file);
    if (engine_.isOpen(name)) return fail(kMciDuplicateAlias);

    engine_.startLoading();
    if (engine_.soundFontState() == SoundFontState::Failed) return fail(kMciSeqNoMidiPresent);

    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return fail(kMciFileNotFound);
    auto size = std::filesystem::file_size(file, ec);
    if (ec) return fail(kMciFileNotFound);
    if (size > kMaxMidiBytes) return fail(kMciInvalidFile);
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail(kMciFileNotFound);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto info = ReadMidiInfo(bytes);
    if (!info) return fail(kMciInvalidFile);
    if (!engine_.openSequence(name, std::move(bytes), *info)) return fail(kMciDuplicateAlias);
    CommandResult r;
    r.reply = std::to_string(nextDeviceId_++);
    return r;
}

CommandResult CommandInterpreter::play(const std::vector<std::string>& words) {
    if (words.size() < 2) return fail(kMciMissingParameter);
    std::string name = folded(words[1]);
    auto length = engine_.lengthMs(name);
    if (!length) return fail(kMciInvalidDeviceName);
    std::optional<double> from, to;
    bool wait = false;
    for (size_t i = 2; i < words.size(); ++i) {
        std::string key = folded(words[i]);
        if (key == "from" || key == "to") {
            if (i + 1 >= words.size()) return fail(kMciMissingParameter);
            auto v = position(words[++i]);
            if (!v) return fail(kMciBadInteger);
            (key == "from" ? from : to) = v;
        } else if (key == "wait") {
            wait = true;
        } else if (key != "notify") {
            return fail(kMciUnrecognizedKeyword);
        }
    }
    double end = std::ceil(*length);
    if ((from && *from > end) || (to && *to > end) || (from && to && *from > *to)) return fail(kMciOutOfRange);
    double start = from ? *from : engine_.positionMs(name).value_or(0);
    engine_.playSequence(name, from, to);
    CommandResult r;
    if (wait) r.waitMs = static_cast<int64_t>(std::ceil(std::max(0.0, (to ? *to : *length) - start)));
    return r;
}

CommandResult CommandInterpreter::stop(const std::vector<std::string>& words) {
    if (words.size() < 2) return fail(kMciMissingParameter);
    std::string name = folded(words[1]);
    for (size_t i = 2; i < words.size(); ++i) {
        std::string key = folded(words[i]);
        if (key != "wait" && key != "notify") return fail(kMciUnrecognizedKeyword);
    }
    if (!engine_.stopSequence(name)) return fail(kMciInvalidDeviceName);
    return {};
}

CommandResult CommandInterpreter::close(const std::vector<std::string>& words) {
    if (words.size() < 2) return fail(kMciMissingParameter);
    std::string name = folded(words[1]);
    for (size_t i = 2; i < words.size(); ++i) {
        std::string key = folded(words[i]);
        if (key != "wait" && key != "notify") return fail(kMciUnrecognizedKeyword);
    }
    if (name == "all") {
        engine_.closeAll();
        return {};
    }
    if (!engine_.closeSequence(name)) return fail(kMciInvalidDeviceName);
    return {};
}

CommandInterpreter& Commands() {
    static CommandInterpreter* interpreter = new CommandInterpreter(AudioEngine::instance());
    return *interpreter;
}

std::optional<std::string> ErrorText(int32_t code) {
    switch (code) {
        case kMciUnrecognizedKeyword:
            return "指定されたコマンドに、認識できないパラメータがあります。";
        case kMciUnrecognizedCommand:
            return "認識できないコマンドです。";
        case kMciInvalidDeviceName:
            return "指定されたデバイスは開かれていないか、認識できません。";
        case kMciMissingCommandString:
            return "コマンド文字列が指定されていません。";
        case kMciBadInteger:
            return "整数のパラメータが正しくありません。";
        case kMciMissingParameter:
            return "指定されたコマンドには、さらにパラメータが必要です。";
        case kMciFileNotFound:
            return "指定されたファイルが見つかりません。パスとファイル名を確認してください。";
        case kMciExtensionNotFound:
            return "指定されたファイルの拡張子に関連付けられたデバイスがありません。";
        case kMciOutOfRange:
            return "指定されたパラメータの値が範囲外です。";
        case kMciDuplicateAlias:
            return "指定された別名は既に使われています。別の別名を指定してください。";
        case kMciNoClosingQuote:
            return "パラメータを閉じる引用符 (\") がありません。";
        case kMciInvalidFile:
            return "指定されたファイルは MIDI "
                   "シーケンスとして再生できません。ファイルが壊れているか、形式が正しくありません。";
        case kMciDeviceNotInstalled:
            return "指定された種類のデバイスはインストールされていません。";
        case kMciSeqNoMidiPresent:
            return "MIDI デバイスがありません。音色ファイル (SoundFont) が見つからないか、読み込めませんでした。";
        default:
            return std::nullopt;
    }
}

}  // namespace audio
