#pragma once
// The process-wide random generator of the game: Rnd() is uniform in [0, 1) and
// Randomize() reseeds it from the clock. An integer draw from 1 to n is
// floor(Rnd() * n + 1).
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace host {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseed(uint32_t clockMs) = 0;
};

double Rnd();
void Randomize();
// Installs a source (tests: SeededRandom or ScriptedRandom) and returns the old one.
std::unique_ptr<RandomSource> installRandomSource(std::unique_ptr<RandomSource> source);

// What makes a stretch of draws reproducible: a SeededRandom(seed, reseeds)
// installed at its start draws the same values, as long as the stretch begins
// with a reseed.
struct DrawSeed {
    uint64_t seed = 0;
    uint64_t reseeds = 0;
};
// Begins a stretch whose draws a DrawSeed reproduces. The game's own clock
// source gives way to a seeded one, seeded from it, until EndSeededDraws; a
// seeded source (tests, replays) is described as it stands. A scripted source
// cannot be described: nothing is returned.
std::optional<DrawSeed> BeginSeededDraws();
// Puts the clock source back if BeginSeededDraws replaced it.
void EndSeededDraws();

// The default source. Every reseed also mixes in how many reseeds came before,
// so two reseeds within the same millisecond still give different sequences.
class ClockSeededRandom : public RandomSource {
public:
    double next() override;
    void reseed(uint32_t clockMs) override;

private:
    uint64_t state_ = 0x853c49e6748fea9bULL;
    uint64_t reseeds_ = 0;
};

// Deterministic: ignores the clock, but still changes its stream at each reseed.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : seed_(seed), state_(seed) {}
    // As a source that has already been reseeded `reseeds` times: what a replay
    // needs to continue a recorded stream from its next reseed.
    SeededRandom(uint64_t seed, uint64_t reseeds) : seed_(seed), state_(seed), reseeds_(reseeds) {}
    double next() override;
    void reseed(uint32_t) override;
    uint64_t seed() const { return seed_; }
    uint64_t reseeds() const { return reseeds_; }

private:
    uint64_t seed_;
    uint64_t state_;
    uint64_t reseeds_ = 0;
};

// Returns the given values in order, then continues from a seeded stream.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values, uint64_t seed = 1) : values_(std::move(values)), rest_(seed) {}
    double next() override;
    void reseed(uint32_t) override {}
    void push(double v) { values_.push_back(v); }

private:
    std::vector<double> values_;
    size_t pos_ = 0;
    SeededRandom rest_;
};

}  // namespace host
