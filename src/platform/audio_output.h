#pragma once
// Who pulls the engine's stream: the sound card through a QAudioSink on a
// thread of its own, or, when there is no output device or the environment
// says VANTRAX_AUDIO=null, a thread that pulls blocks at the pace of real time
// and drops them, so music and effects play, loop and end just the same
// without sound. Tests and tools may instead render by hand.
#include <string>

namespace audio {

enum class OutputKind { None, Manual, Null, Device };

// What the device output asks the sound server to buffer, and how often it
// tops the buffer up: the buffer holds between 40 and 80 ms, so an effect is
// heard with its card, and a late top-up has 40 ms to spare.
inline constexpr int kOutputBufferMs = 80;
inline constexpr int kFeedMs = 40;
// The block the null output pulls, every 20 ms: no coarser than what the
// sound card gets, so effects and track ends keep their timing headless.
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
