#include "platform/random.h"

#include "platform/scheduler.h"

namespace host {

namespace {
uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double toUnit(uint64_t bits) {
    return static_cast<double>(bits >> 11) * (1.0 / 9007199254740992.0);
}

std::unique_ptr<RandomSource>& current() {
    static std::unique_ptr<RandomSource> source = std::make_unique<ClockSeededRandom>();
    return source;
}

// The game's clock source while a seeded stretch stands in for it.
std::unique_ptr<RandomSource>& setAside() {
    static std::unique_ptr<RandomSource> source;
    return source;
}
}  // namespace

double Rnd() {
    return current()->next();
}

void Randomize() {
    current()->reseed(Clock());
}

std::unique_ptr<RandomSource> installRandomSource(std::unique_ptr<RandomSource> source) {
    setAside().reset();
    std::unique_ptr<RandomSource> old = std::move(current());
    current() = source ? std::move(source) : std::make_unique<ClockSeededRandom>();
    return old;
}

std::optional<DrawSeed> BeginSeededDraws() {
    if (auto* seeded = dynamic_cast<SeededRandom*>(current().get())) return DrawSeed{seeded->seed(), seeded->reseeds()};
    if (!dynamic_cast<ClockSeededRandom*>(current().get())) return std::nullopt;
    // Every reseed of the stretch must not depend on the clock any more: a
    // replay's timers tick at their ideal moments, not at the host's.
    const auto bits = static_cast<uint64_t>(current()->next() * 9007199254740992.0);
    const uint64_t seed = bits ^ (static_cast<uint64_t>(Clock()) << 53);
    setAside() = std::move(current());
    current() = std::make_unique<SeededRandom>(seed);
    return DrawSeed{seed, 0};
}

void EndSeededDraws() {
    if (setAside()) current() = std::move(setAside());
}

double ClockSeededRandom::next() {
    return toUnit(splitmix(state_));
}

void ClockSeededRandom::reseed(uint32_t clockMs) {
    ++reseeds_;
    uint64_t mix = (static_cast<uint64_t>(clockMs) << 20) ^ (reseeds_ * 0xd1b54a32d192ed03ULL);
    state_ = splitmix(mix);
}

double SeededRandom::next() {
    return toUnit(splitmix(state_));
}

void SeededRandom::reseed(uint32_t) {
    uint64_t mix = seed_ ^ (++reseeds_ * 0xd1b54a32d192ed03ULL);
    state_ = splitmix(mix);
}

double ScriptedRandom::next() {
    if (pos_ < values_.size()) return values_[pos_++];
    return rest_.next();
}

}  // namespace host
