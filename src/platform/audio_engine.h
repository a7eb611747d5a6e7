#pragma once
// The game's one audio engine, without Qt: one FluidSynth synthesizer for the
// MIDI tracks and one wave voice for the effects, mixed into one stereo float
// stream by render(). Whoever drives the sound card (audio_output.h), a test
// or a benchmark calls render(); nothing else advances the music.
//
// Threads: commands come from the UI thread, render() from the output thread,
// and the SoundFont loads on a thread of its own. One mutex guards the synth
// and the voices; a command waits at most for one render call, never for the
// SoundFont. A track played before the SoundFont has loaded starts as soon as
// it has.
//
// Tracks: every open alias owns its own FluidSynth player, made afresh each
// time the track starts, and while it plays it owns one block of 16 of the
// synth's channels. Its events are moved onto that block, so two tracks that
// sound together never change each other's instruments, and closing one
// releases only its own notes.
#include "platform/audio_midi_file.h"
#include "platform/audio_wave.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_midi_event_t fluid_midi_event_t;

namespace audio {

enum class SoundFontState { Idle, Loading, Ready, Failed };

// Why the player's own SoundFont was passed over for an installed one.
enum class SoundFontFault {
    Missing,        // no file by that name
    NotAFile,       // a folder or a device
    Unreadable,     // the system refused to open it
    NotASoundFont,  // it does not start like a SoundFont
    Refused,        // FluidSynth could not load it (damaged inside)
};
struct SoundFontProblem {
    std::string path;
    SoundFontFault fault;
};

class AudioEngine {
public:
    // Blocks of 16 channels on the synth; that many tracks can sound at once.
    static constexpr int kChannelBlocks = 8;

    AudioEngine();
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // The engine the game plays through, made on first use. It shuts down at
    // exit; calls after that are accepted and do nothing.
    static AudioEngine& instance();

    // --- SoundFont ---
    // The Debian places, best first: FluidR3_GM when installed, then TimGM6mb.
    static std::vector<std::string> StandardSoundFonts();
    // The player's own SoundFont, tried before the standard places. Once one
    // has been loaded, a different choice loads in the background and takes
    // over when ready; tracks that were playing go on from where they were.
    // One that cannot be used gives way to the next place that can.
    void setSoundFontPath(const std::string& path);
    // The player's SoundFont that could not be used, and why. Each failed
    // choice is handed out once; then empty until another choice fails.
    std::optional<SoundFontProblem> takeSoundFontProblem();
    void setSoundFontCandidates(std::vector<std::string> paths);
    // The first SoundFont file that exists, or empty.
    std::string findSoundFont() const;
    // The MIDI files the game may play. Before a SoundFont loads they are read
    // for the presets they choose, and only those are loaded, which spares
    // FluidSynth megabytes of instruments nobody plays. A preset outside them
    // sounds as FluidSynth's fallback for a missing one, the bank's first
    // program. Without them, or when none can be read, the whole SoundFont
    // loads.
    void setSongFiles(std::vector<std::string> paths);
    // Starts loading on a thread of its own (once). Without any SoundFont
    // file the state goes straight to Failed.
    void startLoading();
    SoundFontState soundFontState() const;
    // Waits until loading has ended; true when the SoundFont is ready. For
    // tests and tools only: the game never waits for it.
    bool waitForSoundFont();
    std::string loadedSoundFont() const;
    double soundFontLoadMs() const;

    // --- MIDI tracks by alias (compared as given; the caller folds case) ---
    // False when the alias is already open. The bytes must have passed ReadMidiInfo.
    bool openSequence(const std::string& alias, std::vector<uint8_t> bytes, const MidiInfo& info);
    // Plays from `fromMs`, or without it from where the track stands (a track
    // that is already playing then just goes on). Ends at `toMs` when given.
    // False for an unknown alias.
    bool playSequence(const std::string& alias, std::optional<double> fromMs, std::optional<double> toMs);
    // Stops playing and keeps the position. False for an unknown alias.
    bool stopSequence(const std::string& alias);
    bool closeSequence(const std::string& alias);
    void closeAll();
    bool isOpen(const std::string& alias) const;
    // Sounding, or waiting for the SoundFont to start.
    bool isPlaying(const std::string& alias) const;
    std::optional<double> lengthMs(const std::string& alias) const;
    std::optional<double> positionMs(const std::string& alias) const;
    std::vector<std::string> openAliases() const;
    // The channel block a playing track sounds on, or -1.
    int channelBlock(const std::string& alias) const;

    // --- The wave voice: one sound at a time, a new one replaces the old ---
    void playWave(std::shared_ptr<const Wave> wave, bool loop);
    void stopWave();
    bool wavePlaying() const;
    std::shared_ptr<const Wave> currentWave() const;
    // How many sounds the voice has started (tests).
    uint64_t waveStarts() const;

    // --- Mixer ---
    // Writes `frames` interleaved stereo frames at kSampleRate.
    void render(float* out, int frames);
    uint64_t framesRendered() const;
    // Sees every block the mixer hands out, after it is complete (on the
    // rendering thread, outside the engine's lock). A tap counts as a listener.
    void setRenderTap(std::function<void(const float*, int)> tap);
    // Whether the stream reaches anyone's ears (the sound card, a test that
    // renders by hand). While nobody listens, the music keeps its time, its
    // end and its loops to the frame, but sounds no notes and the synth's
    // chorus rests (its reverb is always off): headless music then costs
    // next to nothing.
    void setListening(bool listening);
    bool listening() const;

    // Stops loading, playing and rendering for good and frees the synth.
    void shutdown();

    struct Sequence;

private:
    void loaderMain();
    bool startPlayerLocked(Sequence& s, double fromMs, std::optional<double> toMs);
    void stopPlayerLocked(Sequence& s);
    void releaseBlockLocked(int block);
    void resetBlockLocked(int block);
    int takeBlockLocked(Sequence& s);
    void finishEndedLocked();
    double endMsLocked(const Sequence& s) const;
    double positionLocked(const Sequence& s) const;
    void mixWaveLocked(float* out, int frames);
    bool silentLocked() const { return !listening_ && !tap_; }
    void applyEffectsLocked(fluid_synth_t* synth) const;
    std::vector<std::string> candidatesLocked() const;
    // The first candidate worth loading; notes why the player's was passed over.
    std::string chooseLocked();
    Sequence* findLocked(const std::string& alias) const;
    static int forwardEvent(void* data, fluid_midi_event_t* event);

    mutable std::mutex mutex_;
    std::condition_variable loaded_;
    std::thread loader_;
    bool loaderRunning_ = false;
    bool dead_ = false;

    std::string playerSoundFont_;
    std::vector<std::string> candidates_;
    std::vector<std::string> songFiles_;
    std::string wantedSoundFont_;
    std::vector<std::string> failedSoundFonts_;  // refused by FluidSynth, not tried again
    std::optional<SoundFontProblem> problem_;
    std::string reportedPath_;  // the player's file last reported
    std::string loadedSoundFont_;
    SoundFontState state_ = SoundFontState::Idle;
    double loadMs_ = 0;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::vector<std::pair<int, int>> controllerDefaults_;

    std::map<std::string, std::unique_ptr<Sequence>> sequences_;
    std::vector<Sequence*> blockOwner_ = std::vector<Sequence*>(kChannelBlocks, nullptr);
    int nextBlock_ = 0;
    uint64_t startSerial_ = 0;

    std::shared_ptr<const Wave> wave_;
    size_t wavePos_ = 0;
    bool waveLoop_ = false;
    uint64_t waveStarts_ = 0;

    uint64_t frames_ = 0;
    std::function<void(const float*, int)> tap_;
    bool listening_ = true;
};

}  // namespace audio
