#include "platform/audio_engine.h"

#include "platform/sound_font_subset.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace audio {

namespace {

// Music sits under the effects: the synthesizer's own default of 0.2 is too
// quiet beside full-scale waves, 1.0 clips on chords.
constexpr double kSynthGain = 0.5;
constexpr int kDrumChannel = 9;
constexpr int kPolyphony = 40;
// Added to every melodic voice's release time, in timecents: half as long.
// The SoundFont's string sections ring on for seconds after each chord, under
// the next ones, and those tails were most of the synth's work.
constexpr float kReleaseOffset = -1200.0f;
// How long a track goes on after its last event, for the last notes and the
// reverb to die away: FluidSynth's own wait. The engine keeps this time
// itself: FluidSynth's player would also wait for every voice of the synth
// to fall silent, so a track would not end while another track sounds, and it
// would end sooner when nobody listens and no notes are sounded.
constexpr double kEndGraceMs = 2000;

void quietLog(int, const char*, void*) {}

void silenceFluidLog() {
    // The engine reports its own failures as error codes; FluidSynth's messages
    // on stderr would only repeat them.
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, quietLog, nullptr);
    });
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// A look at the player's file before the loader spends its time on it: the
// common mistakes (a wrong path, a folder, some other kind of file) are known
// at once, and a file that passes goes to FluidSynth.
std::optional<SoundFontFault> checkSoundFontFile(const std::string& path) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) return SoundFontFault::Missing;
    if (!std::filesystem::is_regular_file(status)) return SoundFontFault::NotAFile;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return SoundFontFault::Unreadable;
    char head[12] = {};
    size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    // A SoundFont 2 file, also in its compressed sf3 form, is a RIFF "sfbk".
    if (n != sizeof head || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "sfbk", 4) != 0)
        return SoundFontFault::NotASoundFont;
    return std::nullopt;
}

// Controllers that mean something beyond their value (bank select, data entry
// and the parameter numbers it writes to, channel mode messages) are put
// right by other calls or not at all.
bool restorable(int cc) {
    if (cc == 0 || cc == 6 || cc == 32 || cc == 38) return false;
    if (cc >= 96 && cc <= 101) return false;
    return cc < 120;
}

}  // namespace

struct AudioEngine::Sequence {
    AudioEngine* engine = nullptr;
    std::string alias;
    std::vector<uint8_t> bytes;
    MidiInfo info;
    double lengthMs = 0;
    fluid_player_t* player = nullptr;
    int block = -1;
    bool pending = false;  // to start when the SoundFont is ready
    double fromMs = 0;     // where the present playing began
    std::optional<double> toMs;
    uint64_t startFrame = 0;
    uint64_t serial = 0;
    double stoppedAt = 0;  // the position while not playing
};

AudioEngine::AudioEngine() : candidates_(StandardSoundFonts()) {
    silenceFluidLog();
}

AudioEngine::~AudioEngine() {
    shutdown();
}

AudioEngine& AudioEngine::instance() {
    static AudioEngine* engine = [] {
        auto* e = new AudioEngine();
        // Registered after whatever static state existed before the first
        // sound, so it runs before that state is destroyed.
        std::atexit([] { AudioEngine::instance().shutdown(); });
        return e;
    }();
    return *engine;
}

// --- SoundFont ---

std::vector<std::string> AudioEngine::StandardSoundFonts() {
    return {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"};
}

std::vector<std::string> AudioEngine::candidatesLocked() const {
    std::vector<std::string> all;
    if (!playerSoundFont_.empty()) all.push_back(playerSoundFont_);
    all.insert(all.end(), candidates_.begin(), candidates_.end());
    return all;
}

std::string AudioEngine::chooseLocked() {
    auto failed = [this](const std::string& p) {
        return std::find(failedSoundFonts_.begin(), failedSoundFonts_.end(), p) != failedSoundFonts_.end();
    };
    if (!playerSoundFont_.empty() && !failed(playerSoundFont_)) {
        std::optional<SoundFontFault> fault = checkSoundFontFile(playerSoundFont_);
        if (!fault) return playerSoundFont_;
        if (reportedPath_ != playerSoundFont_) {
            reportedPath_ = playerSoundFont_;
            problem_ = SoundFontProblem{playerSoundFont_, *fault};
        }
    }
    for (const std::string& p : candidates_)
        if (fileExists(p) && !failed(p)) return p;
    return {};
}

std::optional<SoundFontProblem> AudioEngine::takeSoundFontProblem() {
    std::lock_guard lock(mutex_);
    return std::exchange(problem_, std::nullopt);
}

std::string AudioEngine::findSoundFont() const {
    std::lock_guard lock(mutex_);
    for (const std::string& p : candidatesLocked())
        if (fileExists(p)) return p;
    return {};
}

void AudioEngine::setSoundFontCandidates(std::vector<std::string> paths) {
    std::lock_guard lock(mutex_);
    candidates_ = std::move(paths);
}

void AudioEngine::setSongFiles(std::vector<std::string> paths) {
    std::lock_guard lock(mutex_);
    songFiles_ = std::move(paths);
}

namespace {
// The presets the songs choose, all together; empty when none can be read.
std::set<Preset> presetsOf(const std::vector<std::string>& songs) {
    std::set<Preset> all;
    for (const std::string& path : songs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const std::set<Preset> presets = MidiPresets(bytes.data(), bytes.size());
        all.insert(presets.begin(), presets.end());
    }
    return all;
}
}  // namespace

void AudioEngine::setSoundFontPath(const std::string& path) {
    std::lock_guard lock(mutex_);
    playerSoundFont_ = path;
    if (dead_ || state_ == SoundFontState::Idle) return;  // used when loading starts
    std::string best = chooseLocked();
    if (best.empty() || best == wantedSoundFont_) return;
    wantedSoundFont_ = best;
    if (loaderRunning_) return;  // the loader picks the new choice up when done
    if (loader_.joinable()) loader_.join();
    if (!synth_) state_ = SoundFontState::Loading;
    loaderRunning_ = true;
    loader_ = std::thread(&AudioEngine::loaderMain, this);
}

void AudioEngine::startLoading() {
    std::lock_guard lock(mutex_);
    if (dead_ || state_ != SoundFontState::Idle) return;
    wantedSoundFont_ = chooseLocked();
    if (wantedSoundFont_.empty()) {
        state_ = SoundFontState::Failed;
        loaded_.notify_all();
        return;
    }
    state_ = SoundFontState::Loading;
    loaderRunning_ = true;
    loader_ = std::thread(&AudioEngine::loaderMain, this);
}

void AudioEngine::loaderMain() {
    for (;;) {
        std::string path;
        std::vector<std::string> songs;
        {
            std::lock_guard lock(mutex_);
            path = wantedSoundFont_;
            songs = songFiles_;
        }
        auto t0 = std::chrono::steady_clock::now();
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
        fluid_settings_setint(settings, "synth.midi-channels", 16 * kChannelBlocks);
        fluid_settings_setnum(settings, "synth.gain", kSynthGain);
        // A finished track must not reset the channels another track plays on.
        fluid_settings_setint(settings, "player.reset-synth", 0);
        // Dense tracks would hold over a hundred voices, nine in ten of them
        // the long release tails of the string sections, each long buried
        // under the next chord. FluidSynth takes released voices first, so 40
        // keeps every held note and the freshest tails at a fraction of the
        // cost. Below 40 the densest tracks lose notes: a chord and a drum hit
        // on one tick can then find no voice to take.
        fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
        // Locking a large SoundFont into memory usually exceeds the user's limit.
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        // Only the instruments the tracks choose are read into memory: the
        // game's music uses a handful of a General MIDI set's 128 and more.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid_synth_t* synth = new_fluid_synth(settings);
        // Linear interpolation costs a quarter less than the default
        // fourth-order one, and what it adds (a faint hiss of high partials
        // on notes played well above their sample) sits far under the music.
        if (synth) fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
        std::string name = path;
        if (synth)
            if (const std::set<Preset> presets = presetsOf(songs); !presets.empty())
                if (std::optional<std::string> cut = PrepareSoundFontCut(path, presets)) {
                    LetSynthReadCuts(synth, settings);
                    name = *cut;
                }
        bool ok = synth && fluid_synth_sfload(synth, name.c_str(), 1) != FLUID_FAILED;
        // Should FluidSynth refuse the cut, the file itself may still load.
        if (!ok && synth && name != path) ok = fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED;
        std::vector<std::pair<int, int>> defaults;
        if (ok) {
            for (int b = 0; b < kChannelBlocks; ++b) {
                int ch = b * 16 + kDrumChannel;
                fluid_synth_set_channel_type(synth, ch, CHANNEL_TYPE_DRUM);
                fluid_synth_program_change(synth, ch, 0);
            }
            for (int cc = 0; cc < 128; ++cc) {
                int v = 0;
                if (restorable(cc) && fluid_synth_get_cc(synth, 0, cc, &v) == FLUID_OK) defaults.emplace_back(cc, v);
            }
        }
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

        fluid_synth_t* oldSynth = nullptr;
        fluid_settings_t* oldSettings = nullptr;
        std::unique_lock lock(mutex_);
        if (dead_) {
            loaderRunning_ = false;
            lock.unlock();
            if (synth) delete_fluid_synth(synth);
            delete_fluid_settings(settings);
            loaded_.notify_all();
            return;
        }
        if (ok) {
            // Tracks sounding on the old synth go on from where they stand.
            for (auto& [name, s] : sequences_) {
                if (!s->player) continue;
                double at = positionLocked(*s);
                std::optional<double> to = s->toMs;
                stopPlayerLocked(*s);
                s->pending = true;
                s->fromMs = at;
                s->toMs = to;
            }
            oldSynth = synth_;
            oldSettings = settings_;
            applyEffectsLocked(synth);
            synth_ = synth;
            settings_ = settings;
            controllerDefaults_ = std::move(defaults);
            loadedSoundFont_ = path;
            loadMs_ = ms;
            state_ = SoundFontState::Ready;
            for (auto& [name, s] : sequences_)
                if (s->pending) startPlayerLocked(*s, s->fromMs, s->toMs);
        } else {
            if (synth) delete_fluid_synth(synth);
            delete_fluid_settings(settings);
            failedSoundFonts_.push_back(path);
            if (path == playerSoundFont_ && reportedPath_ != path) {
                reportedPath_ = path;
                problem_ = SoundFontProblem{path, SoundFontFault::Refused};
            }
            if (wantedSoundFont_ == path) {
                if (synth_) {
                    // What plays now goes on playing.
                    wantedSoundFont_ = loadedSoundFont_;
                } else if (std::string next = chooseLocked(); !next.empty()) {
                    // The next place that has one; the tracks waiting for music wait on.
                    wantedSoundFont_ = next;
                } else {
                    state_ = SoundFontState::Failed;
                    for (auto& [name, s] : sequences_) s->pending = false;
                }
            }
        }
        bool again = wantedSoundFont_ != path && !(synth_ && wantedSoundFont_ == loadedSoundFont_);
        if (!again) loaderRunning_ = false;
        loaded_.notify_all();
        lock.unlock();
        if (oldSynth) delete_fluid_synth(oldSynth);
        if (oldSettings) delete_fluid_settings(oldSettings);
#ifdef __GLIBC__
        // The reader's scratch memory sits in this thread's own heap, where
        // no other thread would reuse it; hand it back.
        malloc_trim(0);
#endif
        if (!again) return;
    }
}

SoundFontState AudioEngine::soundFontState() const {
    std::lock_guard lock(mutex_);
    return state_;
}

bool AudioEngine::waitForSoundFont() {
    std::unique_lock lock(mutex_);
    loaded_.wait(lock, [this] { return dead_ || (!loaderRunning_ && state_ != SoundFontState::Loading); });
    return state_ == SoundFontState::Ready && !dead_;
}

std::string AudioEngine::loadedSoundFont() const {
    std::lock_guard lock(mutex_);
    return loadedSoundFont_;
}

double AudioEngine::soundFontLoadMs() const {
    std::lock_guard lock(mutex_);
    return loadMs_;
}

// --- Tracks ---

AudioEngine::Sequence* AudioEngine::findLocked(const std::string& alias) const {
    auto it = sequences_.find(alias);
    return it == sequences_.end() ? nullptr : it->second.get();
}

bool AudioEngine::openSequence(const std::string& alias, std::vector<uint8_t> bytes, const MidiInfo& info) {
    std::lock_guard lock(mutex_);
    if (dead_ || findLocked(alias)) return false;
    auto s = std::make_unique<Sequence>();
    s->engine = this;
    s->alias = alias;
    s->bytes = std::move(bytes);
    s->info = info;
    s->lengthMs = info.lengthMs();
    sequences_.emplace(alias, std::move(s));
    return true;
}

bool AudioEngine::playSequence(const std::string& alias, std::optional<double> fromMs, std::optional<double> toMs) {
    std::unique_lock lock(mutex_);
    Sequence* s = findLocked(alias);
    if (!s) return false;
    double start;
    if (fromMs) {
        start = *fromMs;
    } else if (s->player || s->pending) {
        s->toMs = toMs;  // already playing: it goes on, up to the new end if one was given
        return true;
    } else {
        start = s->stoppedAt;
    }
    if (start >= s->lengthMs || (toMs && *toMs <= start)) {
        // Nothing left to play between the two points.
        stopPlayerLocked(*s);
        s->stoppedAt = std::min(start, s->lengthMs);
        return true;
    }
    if (state_ == SoundFontState::Ready) {
        startPlayerLocked(*s, start, toMs);
    } else if (state_ != SoundFontState::Failed) {
        stopPlayerLocked(*s);
        s->pending = true;
        s->fromMs = start;
        s->toMs = toMs;
        if (state_ == SoundFontState::Idle) {
            lock.unlock();
            startLoading();
        }
    }
    return true;
}

bool AudioEngine::stopSequence(const std::string& alias) {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    if (!s) return false;
    s->stoppedAt = positionLocked(*s);
    stopPlayerLocked(*s);
    return true;
}

bool AudioEngine::closeSequence(const std::string& alias) {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    if (!s) return false;
    stopPlayerLocked(*s);
    sequences_.erase(alias);
    return true;
}

void AudioEngine::closeAll() {
    std::lock_guard lock(mutex_);
    for (auto& [name, s] : sequences_) stopPlayerLocked(*s);
    sequences_.clear();
}

bool AudioEngine::isOpen(const std::string& alias) const {
    std::lock_guard lock(mutex_);
    return findLocked(alias) != nullptr;
}

bool AudioEngine::isPlaying(const std::string& alias) const {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    return s && (s->player || s->pending);
}

std::optional<double> AudioEngine::lengthMs(const std::string& alias) const {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    if (!s) return std::nullopt;
    return s->lengthMs;
}

std::optional<double> AudioEngine::positionMs(const std::string& alias) const {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    if (!s) return std::nullopt;
    return positionLocked(*s);
}

std::vector<std::string> AudioEngine::openAliases() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const auto& [name, s] : sequences_) names.push_back(name);
    return names;
}

int AudioEngine::channelBlock(const std::string& alias) const {
    std::lock_guard lock(mutex_);
    Sequence* s = findLocked(alias);
    return s ? s->block : -1;
}

double AudioEngine::positionLocked(const Sequence& s) const {
    if (s.player) {
        double played = static_cast<double>(frames_ - s.startFrame) * 1000.0 / kSampleRate;
        return std::min(s.fromMs + played, s.lengthMs);
    }
    if (s.pending) return s.fromMs;
    return s.stoppedAt;
}

int AudioEngine::takeBlockLocked(Sequence& s) {
    int chosen = -1;
    for (int i = 0; i < kChannelBlocks && chosen < 0; ++i) {
        int b = (nextBlock_ + i) % kChannelBlocks;
        if (!blockOwner_[b]) chosen = b;
    }
    if (chosen < 0) {
        // Every block is taken: the track that started longest ago gives way.
        Sequence* oldest = nullptr;
        for (Sequence* o : blockOwner_)
            if (!oldest || o->serial < oldest->serial) oldest = o;
        chosen = oldest->block;
        oldest->stoppedAt = positionLocked(*oldest);
        stopPlayerLocked(*oldest);
    }
    blockOwner_[chosen] = &s;
    // Taking the blocks in turn lets the last notes of a stopped track ring
    // out on their own channels while the next track starts on fresh ones.
    nextBlock_ = (chosen + 1) % kChannelBlocks;
    s.block = chosen;
    return chosen;
}

void AudioEngine::resetBlockLocked(int block) {
    for (int c = 0; c < 16; ++c) {
        int ch = block * 16 + c;
        for (auto [cc, value] : controllerDefaults_) {
            int now = 0;
            if (fluid_synth_get_cc(synth_, ch, cc, &now) == FLUID_OK && now != value)
                fluid_synth_cc(synth_, ch, cc, value);
        }
        fluid_synth_pitch_bend(synth_, ch, 8192);
        fluid_synth_pitch_wheel_sens(synth_, ch, 2);
        fluid_synth_channel_pressure(synth_, ch, 0);
        fluid_synth_bank_select(synth_, ch, 0);
        fluid_synth_program_change(synth_, ch, 0);
        fluid_synth_set_gen(synth_, ch, GEN_VOLENVRELEASE, c == kDrumChannel ? 0.0f : kReleaseOffset);
    }
}

void AudioEngine::releaseBlockLocked(int block) {
    if (synth_) {
        for (int c = 0; c < 16; ++c) {
            int ch = block * 16 + c;
            fluid_synth_cc(synth_, ch, 64, 0);  // sustain
            fluid_synth_cc(synth_, ch, 66, 0);  // sostenuto
            fluid_synth_all_notes_off(synth_, ch);
        }
    }
    blockOwner_[block] = nullptr;
}

bool AudioEngine::startPlayerLocked(Sequence& s, double fromMs, std::optional<double> toMs) {
    stopPlayerLocked(s);
    fluid_player_t* p = new_fluid_player(synth_);
    if (!p) return false;
    int block = takeBlockLocked(s);
    resetBlockLocked(block);
    fluid_player_set_playback_callback(p, &AudioEngine::forwardEvent, &s);
    if (fromMs > 0) {
        std::vector<uint8_t> rest = MidiFrom(s.bytes.data(), s.bytes.size(), s.info.msToTick(fromMs));
        fluid_player_add_mem(p, rest.data(), rest.size());
    } else {
        fluid_player_add_mem(p, s.bytes.data(), s.bytes.size());
    }
    fluid_player_play(p);
    s.player = p;
    s.pending = false;
    s.fromMs = fromMs;
    s.toMs = toMs;
    s.startFrame = frames_;
    s.serial = ++startSerial_;
    return true;
}

void AudioEngine::stopPlayerLocked(Sequence& s) {
    if (s.player) {
        delete_fluid_player(s.player);
        s.player = nullptr;
    }
    if (s.block >= 0) {
        releaseBlockLocked(s.block);
        s.block = -1;
    }
    s.pending = false;
}

int AudioEngine::forwardEvent(void* data, fluid_midi_event_t* event) {
    auto* s = static_cast<Sequence*>(data);
    int type = fluid_midi_event_get_type(event);
    // Only channel messages pass, moved onto the track's own block. System
    // exclusive messages are dropped: a GM or GS reset in one file would
    // otherwise reset every channel of the synth, and the block is put back to
    // its defaults whenever a track starts anyway.
    if (type < 0x80 || type >= 0xF0 || s->block < 0) return FLUID_OK;
    // Unheard, a note would only cost synthesis; everything else still goes
    // through, so the channels stand as they would when someone listens again.
    if (type == 0x90 && fluid_midi_event_get_velocity(event) > 0 && s->engine->silentLocked()) return FLUID_OK;
    int ch = fluid_midi_event_get_channel(event);
    fluid_midi_event_set_channel(event, s->block * 16 + (ch & 15));
    int result = fluid_synth_handle_midi_event(s->engine->synth_, event);
    // The event belongs to the player's copy of the file, which stays as read.
    fluid_midi_event_set_channel(event, ch);
    return result;
}

double AudioEngine::endMsLocked(const Sequence& s) const {
    const double natural = s.lengthMs + kEndGraceMs;
    return s.toMs ? std::min(*s.toMs, natural) : natural;
}

void AudioEngine::finishEndedLocked() {
    for (auto& [name, s] : sequences_) {
        if (!s->player) continue;
        double played = static_cast<double>(frames_ - s->startFrame) * 1000.0 / kSampleRate;
        if (s->fromMs + played < endMsLocked(*s) - 1e-6) continue;
        s->stoppedAt = s->toMs && *s->toMs <= s->lengthMs + kEndGraceMs ? *s->toMs : s->lengthMs;
        stopPlayerLocked(*s);
    }
}

// --- Wave voice ---

void AudioEngine::playWave(std::shared_ptr<const Wave> wave, bool loop) {
    std::lock_guard lock(mutex_);
    if (dead_) return;
    wave_ = wave && wave->frames() > 0 ? std::move(wave) : nullptr;
    wavePos_ = 0;
    waveLoop_ = loop;
    if (wave_) ++waveStarts_;
}

void AudioEngine::stopWave() {
    std::lock_guard lock(mutex_);
    wave_.reset();
    wavePos_ = 0;
}

bool AudioEngine::wavePlaying() const {
    std::lock_guard lock(mutex_);
    return wave_ != nullptr;
}

std::shared_ptr<const Wave> AudioEngine::currentWave() const {
    std::lock_guard lock(mutex_);
    return wave_;
}

uint64_t AudioEngine::waveStarts() const {
    std::lock_guard lock(mutex_);
    return waveStarts_;
}

void AudioEngine::mixWaveLocked(float* out, int frames) {
    int i = 0;
    while (wave_ && i < frames) {
        size_t total = wave_->frames();
        size_t n = std::min<size_t>(static_cast<size_t>(frames - i), total - wavePos_);
        const float* src = wave_->samples.data() + wavePos_ * 2;
        float* dst = out + static_cast<size_t>(i) * 2;
        for (size_t k = 0; k < n * 2; ++k) dst[k] += src[k];
        i += static_cast<int>(n);
        wavePos_ += n;
        if (wavePos_ >= total) {
            wavePos_ = 0;
            if (!waveLoop_) wave_.reset();
        }
    }
}

// --- Mixer ---

void AudioEngine::render(float* out, int frames) {
    if (frames <= 0) return;
    std::function<void(const float*, int)> tap;
    {
        std::lock_guard lock(mutex_);
        if (dead_) {
            std::fill(out, out + static_cast<size_t>(frames) * 2, 0.0f);
            return;
        }
        int done = 0;
        while (done < frames) {
            // A track stops on the exact frame of its end.
            int n = frames - done;
            for (auto& [name, s] : sequences_) {
                if (!s->player) continue;
                double left =
                    (endMsLocked(*s) - s->fromMs) * kSampleRate / 1000.0 - static_cast<double>(frames_ - s->startFrame);
                if (left >= 1) n = std::min(n, static_cast<int>(std::ceil(left)));
            }
            float* dst = out + static_cast<size_t>(done) * 2;
            if (synth_)
                fluid_synth_write_float(synth_, n, dst, 0, 2, dst, 1, 2);
            else
                std::fill(dst, dst + static_cast<size_t>(n) * 2, 0.0f);
            mixWaveLocked(dst, n);
            frames_ += static_cast<uint64_t>(n);
            done += n;
            finishEndedLocked();
        }
        for (size_t k = 0; k < static_cast<size_t>(frames) * 2; ++k) out[k] = std::clamp(out[k], -1.0f, 1.0f);
        tap = tap_;
    }
    if (tap) tap(out, frames);
}

uint64_t AudioEngine::framesRendered() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

void AudioEngine::setRenderTap(std::function<void(const float*, int)> tap) {
    std::lock_guard lock(mutex_);
    tap_ = std::move(tap);
    if (synth_) applyEffectsLocked(synth_);
}

void AudioEngine::setListening(bool listening) {
    std::lock_guard lock(mutex_);
    if (listening_ == listening) return;
    listening_ = listening;
    if (!synth_) return;
    // Notes already sounding would ring on unheard at full cost.
    if (silentLocked())
        for (int ch = 0; ch < 16 * kChannelBlocks; ++ch) fluid_synth_all_sounds_off(synth_, ch);
    applyEffectsLocked(synth_);
}

bool AudioEngine::listening() const {
    std::lock_guard lock(mutex_);
    return !silentLocked();
}

void AudioEngine::applyEffectsLocked(fluid_synth_t* synth) const {
    // Reverb and chorus run on every block, even on silence. The reverb stays
    // off even for a listener: it cost a fifth of all synthesis, and the
    // tracks keep their loudness without it (within 1 dB) and their shape.
    // Some tracks ask for chorus, which costs far less.
    const int on = silentLocked() ? 0 : 1;
    fluid_synth_reverb_on(synth, -1, 0);
    fluid_synth_chorus_on(synth, -1, on);
}

void AudioEngine::shutdown() {
    {
        std::lock_guard lock(mutex_);
        if (dead_ && !synth_ && !loader_.joinable()) return;
        dead_ = true;
        loaded_.notify_all();
    }
    if (loader_.joinable()) loader_.join();
    std::lock_guard lock(mutex_);
    for (auto& [name, s] : sequences_) stopPlayerLocked(*s);
    sequences_.clear();
    wave_.reset();
    tap_ = nullptr;
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
}

}  // namespace audio
