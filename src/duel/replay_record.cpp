#include "duel/replay_record.h"

#include "app/state.h"
#include "platform/random.h"
#include "platform/scheduler.h"

#include <optional>

namespace {
struct Recording {
    std::optional<Replay> replay;  // empty when the draws cannot be reproduced
    uint32_t start = 0;
    uint64_t ticks = 0;
    std::function<void()> hook;
    std::optional<std::vector<uint32_t>> reads;  // a playback's recorded clock readings
    size_t nextRead = 0;
};

Recording& Current() {
    static Recording r;
    return r;
}
}  // namespace

void ReplayBeginDuel() {
    Recording& rec = Current();
    rec.replay.reset();
    rec.ticks = 0;
    rec.nextRead = 0;
    rec.start = host::Clock();
    const std::optional<host::DrawSeed> seed = host::BeginSeededDraws();
    if (!seed) return;
    Replay r;
    r.seed = seed->seed;
    r.reseeds = seed->reseeds;
    r.gameMode = GameMode;
    r.stageNo = StageNo;
    r.foeName = DuelFoeName;
    r.face = DuelFoeFace;
    r.paramA = DuelParamA;
    r.paramB = DuelParamB;
    r.paramC = DuelParamC;
    r.music = DuelMusic;
    r.inputDevice = InputDevice;
    for (size_t i = 0; i < r.keys.size(); ++i) r.keys[i] = PlayKeys[i];
    rec.replay = std::move(r);
}

void ReplayNote(ReplayInput kind, int32_t a, int32_t b) {
    Recording& rec = Current();
    if (!rec.replay) return;
    // Unsigned difference: the clock's wrap in the middle of a duel does not matter.
    rec.replay->events.push_back(ReplayEvent{host::Clock() - rec.start, rec.ticks, kind, a, b});
}

void ReplayEndDuel(bool won, int32_t score, int32_t myCount, int32_t foeCount, const Table& table) {
    Recording& rec = Current();
    host::EndSeededDraws();
    if (!rec.replay) {
        LastReplay.clear();
        return;
    }
    ReplayEnd end{won, score, myCount, foeCount, {}};
    for (size_t i = 0; i < end.table.size(); ++i) end.table[i] = table[i + 1];
    rec.replay->end = end;
    LastReplay = WriteReplay(*rec.replay);
    rec.replay.reset();
}

uint32_t ReplayClockStart() {
    return Current().start;
}

void ReplayTickStarts(int timer) {
    Recording& rec = Current();
    ++rec.ticks;
    if (rec.replay)
        rec.replay->events.push_back(ReplayEvent{host::Clock() - rec.start, 0, ReplayInput::Tick, timer, 0});
}

uint32_t DuelClock() {
    Recording& rec = Current();
    const uint32_t now =
        rec.reads && rec.nextRead < rec.reads->size() ? rec.start + (*rec.reads)[rec.nextRead++] : host::Clock();
    if (rec.replay) rec.replay->events.push_back(ReplayEvent{now - rec.start, 0, ReplayInput::Clock, 0, 0});
    return now;
}

void SetReplayClockReads(std::optional<std::vector<uint32_t>> reads) {
    Current().reads = std::move(reads);
    Current().nextRead = 0;
}

void ReplayTickEnded() {
    if (Current().hook) Current().hook();
}

uint64_t ReplayTicks() {
    return Current().ticks;
}

void SetReplayTickHook(std::function<void()> hook) {
    Current().hook = std::move(hook);
}
