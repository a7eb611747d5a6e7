#pragma once
// Who pulls the engine's stream: the sound card through a QAudioSink on a
// thread of its own, or, when there is no output device or the environment
// says VANTRAX_AUDIO=null, a thread that pulls blocks at the pace of real time
// and drops them, so music and effects play, loop and end just the same
// without sound. Tests and tools may instead render by hand.
#include <string>

namespace audio {

enum class OutputKind { None, Manual, Null, Device };

// What the device output asks the sound server to buffer. Short enough that an
// effect is heard with its card, long enough to ride out a busy UI thread.
inline constexpr int kOutputBufferMs = 60;
// The block the null output pulls, every 20 ms: the period at which Qt's
// PulseAudio sink pulls, so effects and track ends keep the same timing
// headless as with a sound card.
inline constexpr int kNullBlockFrames = 882;

// Starts the output on first use; later calls do nothing. It stops when the
// application object or the process ends.
void EnsureOutput();
// Nothing pulls from the engine any more: the caller renders (tests, tools).
void UseManualOutput();
// Stops the output for good (the exit steps call it).
void StopOutput();
OutputKind CurrentOutput();
// The device in use, "null" or "manual".
std::string OutputDescription();

}  // namespace audio
