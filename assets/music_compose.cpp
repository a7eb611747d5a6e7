#include "music_compose.h"

#include "midi_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

namespace compose {

namespace {

constexpr uint32_t kQ = midi::kPpq;  // a quarter note
constexpr uint32_t kE = kQ / 2;      // an eighth
constexpr uint32_t kS = kQ / 4;      // a sixteenth

enum Channel { kLead = 0, kLead2 = 1, kComp = 2, kPad = 3, kBass = 4, kCounter = 5, kTimpani = 6 };

// Drum kit notes (General MIDI channel 10).
enum Drum {
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kFloorTom = 41,
    kClosedHat = 42,
    kLowTom = 45,
    kOpenHat = 46,
    kMidTom = 47,
    kHighTom = 50,
    kCrash = 49,
    kRide = 51,
};

class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9e3779b97f4a7c15ull + 0x632be59bd9b4e019ull) { next(); }
    uint64_t next() {
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 2685821657736338717ull;
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    bool chance(double p) { return unit() < p; }
    int around(int v, int spread) { return v + below(2 * spread + 1) - spread; }

private:
    uint64_t s_;
};

// One-bar melody rhythms in eighths: 'x' starts a note, '-' holds it, '.' rests.
const std::vector<std::string> kOpen4{"x-x-x-x-", "x--xx-x-", "x-xxx-x-", "x--x--x-", "x-x-xxx-", "x---x-x-",
                                      "xx-x-xx-", "x-x--xx-", "x--x-x-x", ".xx-x-x-", "x-xx-x-x", "x---xxx-"};
const std::vector<std::string> kClose4{"x-x-x---", "x---x---", "x-------", "xx-x----",
                                       "x-x-x-..", "x--x----", "x-xx-...", "x-x---.."};
const std::vector<std::string> kOpen3{"x-x-x-", "x--xx-", "x-xxx-", "x---x-", "xx-x-x", "x-x-xx"};
const std::vector<std::string> kClose3{"x---x-", "x-----", "x-x---", "x--x--"};

struct RNote {
    uint32_t at;  // ticks from the motif's start
    uint32_t len;
};

struct Motif {
    std::vector<RNote> rhythm;
    std::vector<int> steps;  // scale steps from the previous note
    int anchor = 0;          // where the motif sits, in semitones from the middle of the range
};

std::vector<RNote> ReadRhythm(const std::string& bars, uint32_t unit) {
    std::vector<RNote> out;
    for (size_t i = 0; i < bars.size(); ++i) {
        if (bars[i] == 'x') {
            out.push_back({static_cast<uint32_t>(i) * unit, unit});
        } else if (bars[i] == '-' && !out.empty()) {
            out.back().len += unit;
        }
    }
    return out;
}

// Contour: mostly steps, some skips, an occasional leap that the next note fills back in.
std::vector<int> MakeSteps(Rng& rng, size_t n, int shape) {
    std::vector<int> steps(n, 0);
    for (size_t i = 1; i < n; ++i) {
        const double pos = static_cast<double>(i) / static_cast<double>(n);
        int dir;
        switch (shape) {
            case 0:  // arch
                dir = pos < 0.55 ? 1 : -1;
                break;
            case 1:  // falling
                dir = rng.chance(0.75) ? -1 : 1;
                break;
            case 2:  // rising
                dir = rng.chance(0.7) ? 1 : -1;
                break;
            default:  // wave
                dir = (i / 2) % 2 ? -1 : 1;
                break;
        }
        const int prev = steps[i - 1];
        if (std::abs(prev) >= 3) {
            steps[i] = prev > 0 ? -1 : 1;
            continue;
        }
        const double r = rng.unit();
        int size = r < 0.58 ? 1 : r < 0.82 ? 2 : r < 0.92 ? 3 + rng.below(2) : 0;
        steps[i] = dir * size;
    }
    return steps;
}

int Pc(int v) {
    return ((v % 12) + 12) % 12;
}

// Channel volume scaled by a gain; the synthesizer's volume curve is square
// law, so 6 dB takes a factor of 2^(1/2) on the controller.
int Volume(int base, double gainDb) {
    return std::clamp(static_cast<int>(std::lround(base * std::pow(10.0, gainDb / 40.0))), 1, 127);
}

struct Placed {
    const Section* section;
    int occurrence;  // 0 the first time the section plays
    bool lastOccurrence;
    uint32_t start;
    uint32_t bars;
    std::vector<Chord> chords;
};

class Composer {
public:
    explicit Composer(const Piece& p);
    QByteArray build();
    double seconds() const;

private:
    void planForm();
    void tempoMap();
    const Chord& chordAt(const Placed& pl, uint32_t tick) const;
    const Motif& motif(char letter, char kind, bool broad, uint32_t unit);
    void melody(const Placed& pl);
    void realise(const Motif& m, char kind, uint32_t t0, const Placed& pl, bool finalCadence);
    void counterLine(const Placed& pl);
    void harmony(const Placed& pl);
    void bassLine(const Placed& pl);
    void drums(const Placed& pl, size_t index);
    void ending();
    int velocity(double energy, int base, int spread);
    uint32_t swing(uint32_t tick) const;
    int bassPitch(int pc);

    const Piece& p_;
    uint32_t bar_;
    uint32_t formEnd_ = 0;
    uint32_t endTick_ = 0;
    std::vector<Placed> plan_;
    std::vector<std::pair<uint32_t, double>> tempi_;
    std::map<std::string, Motif> motifs_;
    Rng rng_;
    midi::Track conductor_{"Tempo"}, lead_{"Melody"}, lead2_{"Melody 2"}, comp_{"Harmony"}, pad_{"Pad"}, bass_{"Bass"},
        counter_{"Counter"}, timpani_{"Timpani"}, drums_{"Drums"};
    int lastMelody_;
    int melodyChannel_ = kLead;
    std::vector<int> prevComp_, prevPad_;
    int prevBass_ = 40;
    int prevCounter_;
};

Composer::Composer(const Piece& p)
    : p_(p),
      bar_(static_cast<uint32_t>(p.beats) * kQ),
      rng_(p.seed),
      lastMelody_((p.leadLow + p.leadHigh) / 2),
      prevCounter_(p.leadLow - 5) {
    planForm();
    tempoMap();
}

void Composer::planForm() {
    std::istringstream in(p_.form);
    std::string name;
    std::map<std::string, int> seen;
    uint32_t at = 0;
    while (in >> name) {
        auto it =
            std::find_if(p_.sections.begin(), p_.sections.end(), [&](const Section& s) { return s.name == name; });
        if (it == p_.sections.end()) throw std::invalid_argument("form names an unknown section: " + name);
        Placed pl{&*it, seen[name]++, false, at, 0, ParseBars(it->chords, bar_, at)};
        pl.bars = static_cast<uint32_t>((pl.chords.back().start + pl.chords.back().length - at) / bar_);
        at += pl.bars * bar_;
        plan_.push_back(std::move(pl));
    }
    if (plan_.empty()) throw std::invalid_argument("empty form: " + p_.title);
    for (Placed& pl : plan_) pl.lastOccurrence = pl.occurrence + 1 == seen[pl.section->name];
    formEnd_ = at;
    endTick_ = formEnd_ + static_cast<uint32_t>(p_.finalBars) * bar_ + kQ;
}

void Composer::tempoMap() {
    tempi_.push_back({0, p_.bpm});
    // The last two bars broaden beat by beat into the final chord.
    if (p_.ritardando < 1.0) {
        const uint32_t from = formEnd_ >= 2 * bar_ ? formEnd_ - 2 * bar_ : 0;
        const uint32_t beats = (formEnd_ - from) / kQ;
        for (uint32_t b = 0; b < beats; ++b) {
            const double f = 1.0 - (1.0 - p_.ritardando) * (b + 1.0) / (beats + 1.0);
            tempi_.push_back({from + b * kQ, p_.bpm * f});
        }
        tempi_.push_back({formEnd_, p_.bpm * p_.ritardando});
    }
}

double Composer::seconds() const {
    double s = 0.0;
    for (size_t i = 0; i < tempi_.size(); ++i) {
        const uint32_t to = i + 1 < tempi_.size() ? tempi_[i + 1].first : endTick_;
        s += (to - tempi_[i].first) / static_cast<double>(kQ) * 60.0 / tempi_[i].second;
    }
    return s;
}

const Chord& Composer::chordAt(const Placed& pl, uint32_t tick) const {
    for (const Chord& c : pl.chords)
        if (tick < c.start + c.length) return c;
    return pl.chords.back();
}

int Composer::velocity(double energy, int base, int spread) {
    return std::clamp(rng_.around(base + static_cast<int>(energy * 30), spread), 1, 127);
}

uint32_t Composer::swing(uint32_t tick) const {
    if (p_.swing && tick % kQ == kE) return tick + kE / 3;
    return tick;
}

const Motif& Composer::motif(char letter, char kind, bool broad, uint32_t unit) {
    const std::string key{letter, kind, broad ? 'b' : 'n'};
    auto found = motifs_.find(key);
    if (found != motifs_.end()) return found->second;

    Rng rng(p_.seed * 1315423911u + static_cast<uint64_t>(letter) * 2654435761u + static_cast<uint64_t>(kind) * 97u +
            (broad ? 7u : 0u));
    const bool triple = p_.beats == 3;
    const auto& open = triple ? kOpen3 : kOpen4;
    const auto& close = triple ? kClose3 : kClose4;
    Motif m;
    std::string pattern;
    if (kind == 'V') {
        // The variant keeps the motif's first bar and answers it with a new second bar.
        const Motif& base = motif(letter, 'M', broad, unit);
        Rng tail(p_.seed + static_cast<uint64_t>(letter) * 31u + 5u);
        const uint32_t half = static_cast<uint32_t>(open[0].size()) * unit;
        for (const RNote& r : base.rhythm)
            if (r.at < half) m.rhythm.push_back(r);
        for (RNote r : ReadRhythm(close[static_cast<size_t>(tail.below(static_cast<int>(close.size())))], unit))
            m.rhythm.push_back({r.at + half, r.len});
        m.steps = MakeSteps(tail, m.rhythm.size(), tail.below(4));
        for (size_t i = 0; i < m.rhythm.size() && m.rhythm[i].at < half; ++i) m.steps[i] = base.steps[i];
        m.anchor = base.anchor;
        return motifs_[key] = m;
    }
    if (kind == 'C' || kind == 'H') {
        pattern = open[static_cast<size_t>(rng.below(4))] + (triple ? "x-----" : "x-------");
    } else {
        pattern = open[static_cast<size_t>(rng.below(static_cast<int>(open.size())))] +
                  close[static_cast<size_t>(rng.below(static_cast<int>(close.size())))];
    }
    m.rhythm = ReadRhythm(pattern, unit);
    // Busy pieces split some eighths into sixteenths.
    if (!broad && p_.busy > 0.45) {
        std::vector<RNote> split;
        for (size_t i = 0; i < m.rhythm.size(); ++i) {
            const RNote r = m.rhythm[i];
            if (r.len == kE && i + 1 < m.rhythm.size() && rng.chance(p_.busy - 0.4)) {
                split.push_back({r.at, kS});
                split.push_back({r.at + kS, kS});
            } else {
                split.push_back(r);
            }
        }
        m.rhythm = split;
    }
    m.steps = MakeSteps(rng, m.rhythm.size(), kind == 'N' ? 2 : kind == 'C' ? 1 : rng.below(4));
    m.anchor = kind == 'N' ? 4 + rng.below(3) : kind == 'C' ? 0 : rng.below(7) - 3;
    return motifs_[key] = m;
}

// Phrase plans by the number of motif slotCount: M motif, V variant, N contrast,
// H half cadence, C full cadence.
std::string SlotPlan(uint32_t slotCount) {
    switch (slotCount) {
        case 1:
            return "C";
        case 2:
            return "MC";
        case 3:
            return "MVC";
        case 4:
            return "MVMC";
        case 6:
            return "MVMHNC";
        case 8:
            return "MVMHMVNC";
        default: {
            std::string plan;
            for (uint32_t i = 0; i + 1 < slotCount; ++i) plan += "MVMH"[i % 4];
            return plan + "C";
        }
    }
}

void Composer::melody(const Placed& pl) {
    const Section& s = *pl.section;
    if (s.motif == '-' || p_.voices.lead < 0) return;
    const uint32_t slotBars = std::min<uint32_t>(s.broad ? 4 : 2, pl.bars);
    const uint32_t slotCount = pl.bars / slotBars;
    const uint32_t unit = s.broad ? kQ : kE;
    const std::string plan = SlotPlan(slotCount);
    const bool finalSection = &pl == &plan_.back();

    // Returning sections hand the tune to the second voice, and a loud last
    // return doubles it an octave down.
    melodyChannel_ = (pl.occurrence % 2 == 1 && p_.voices.lead2 >= 0) ? kLead2 : kLead;
    for (uint32_t i = 0; i < slotCount; ++i) {
        const char kind = plan[i];
        const Motif& m = motif(s.motif, kind, s.broad, unit);
        realise(m, kind, pl.start + i * slotBars * bar_, pl, finalSection && i + 1 == slotCount);
    }
}

void Composer::realise(const Motif& m, char kind, uint32_t t0, const Placed& pl, bool finalCadence) {
    const Section& s = *pl.section;
    const int lo = p_.leadLow + 12 * s.octave, hi = p_.leadHigh + 12 * s.octave;
    const int centre = (lo + hi) / 2 + m.anchor;
    const bool doubled = pl.lastOccurrence && pl.occurrence > 0 && s.energy >= 0.7 && p_.voices.lead2 >= 0;
    int p = 0, before = -1, beforeThat = -1;
    for (size_t k = 0; k < m.rhythm.size(); ++k) {
        const RNote& r = m.rhythm[k];
        const uint32_t at = t0 + r.at;
        const Chord& chord = chordAt(pl, at);
        const std::vector<int> scale = ChordScale(p_.mode, chord, p_.tonic);
        const std::vector<int> tones = ChordClasses(chord, p_.tonic);
        const int step = m.steps[k];
        if (k == 0) {
            // Motifs start on a chord tone; cadences pick up where the melody left off.
            p = kind == 'C' || kind == 'H' ? Nearest(lastMelody_, tones) : Nearest(centre, tones);
        } else {
            // A step that would leave the range turns back instead.
            int next = StepAlong(p, scale, step);
            if (next > hi || next < lo) next = StepAlong(p, scale, -step);
            p = next;
        }
        const bool strong = r.at % (p_.beats == 3 ? 3 * kQ : 2 * kQ) == 0 || r.len >= 2 * kQ;
        if (strong && !HasClass(tones, p)) p = Nearest(p, tones, step >= 0 ? 1 : -1);
        while (p > hi) p -= 12;
        while (p < lo) p += 12;
        // A third strike of the same pitch drones; move on towards the middle instead.
        if (p == before && before == beforeThat) p = StepAlong(p, strong ? tones : scale, p < centre ? 1 : -1);
        beforeThat = before;
        before = p;
        if (k + 1 == m.rhythm.size() && (kind == 'C' || kind == 'H')) {
            if (kind == 'C') {
                const int root = finalCadence ? p_.tonic : Pc(p_.tonic + chord.root);
                p = Nearest(p, {root}, -1);
            } else {
                p = Nearest(p, {tones[1 % tones.size()], tones[2 % tones.size()]}, -1);
            }
            if (p < lo) p += 12;
            if (p > hi) p -= 12;
        }
        const uint32_t start = swing(at);
        const uint32_t len = std::max<uint32_t>(60, static_cast<uint32_t>(r.len * (p_.staccato ? 0.55 : 0.93)));
        const int accent = r.at % bar_ == 0 ? 8 : 0;
        const int vel = velocity(s.energy, 72 + accent, 5);
        midi::Track& track = melodyChannel_ == kLead ? lead_ : lead2_;
        track.note(melodyChannel_, start, len, p, vel);
        if (doubled) {
            midi::Track& other = melodyChannel_ == kLead ? lead2_ : lead_;
            other.note(melodyChannel_ == kLead ? kLead2 : kLead, start, len, p - 12, vel - 12);
        }
    }
    lastMelody_ = p;
}

void Composer::counterLine(const Placed& pl) {
    const Section& s = *pl.section;
    if (p_.voices.counter < 0 || s.motif == '-' || !(s.counter || pl.occurrence > 0)) return;
    const uint32_t span = p_.beats == 3 ? bar_ : 2 * kQ;
    const int lo = p_.leadLow - 10 + 12 * s.octave, hi = p_.leadLow + 5 + 12 * s.octave;
    for (uint32_t t = pl.start; t < pl.start + pl.bars * bar_; t += span) {
        const Chord& c = chordAt(pl, t);
        const std::vector<int> tones = ChordClasses(c, p_.tonic);
        // Guide tones first: the third, then the seventh, then the fifth.
        std::vector<int> prefer{tones[1]};
        if (tones.size() > 3) prefer.push_back(tones[3]);
        int best = Nearest(prevCounter_, prefer);
        if (best == prevCounter_ && rng_.chance(0.5)) best = Nearest(prevCounter_ + 2, tones);
        while (best > hi) best -= 12;
        while (best < lo) best += 12;
        counter_.note(kCounter, t, span - 20, best, velocity(s.energy, 52, 4));
        prevCounter_ = best;
    }
}

void Composer::harmony(const Placed& pl) {
    const Section& s = *pl.section;
    for (const Chord& c : pl.chords) {
        const std::vector<int> classes = ChordClasses(c, p_.tonic);
        if (s.pad && p_.voices.pad >= 0) {
            prevPad_ = Voice(classes, prevPad_, 55, 79, 66);
            for (int n : prevPad_) pad_.note(kPad, c.start, c.length - 10, n, velocity(s.energy, 44, 3));
        }
        if (s.comp == Comp::None || p_.voices.comp < 0) continue;
        if (s.comp == Comp::Power) {
            int root = Pc(p_.tonic + c.root) + 36;
            if (root < 40) root += 12;
            prevComp_.clear();
            for (uint32_t t = c.start; t < c.start + c.length; t += kE) {
                const bool beat = t % kQ == 0;
                const int vel = velocity(s.energy, beat ? 80 : 68, 4);
                for (int iv : {0, 7, 12}) comp_.note(kComp, t, beat && t == c.start ? kE - 20 : 160, root + iv, vel);
            }
            continue;
        }
        prevComp_ = Voice(classes, prevComp_, 53, 76, 64);
        std::vector<int> v = prevComp_;
        auto grid = [&](uint32_t step, const std::string& pattern, auto&& play) {
            for (uint32_t t = c.start; t < c.start + c.length; t += step) {
                const size_t idx = ((t % bar_) / step) % pattern.size();
                if (pattern[idx] == 'x') play(t, static_cast<uint32_t>(idx));
            }
        };
        auto chordHit = [&](uint32_t t, uint32_t len, int vel) {
            for (int n : v) comp_.note(kComp, swing(t), len, n, vel);
        };
        switch (s.comp) {
            case Comp::Pad:
                chordHit(c.start, c.length - 10, velocity(s.energy, 55, 3));
                break;
            case Comp::Block:
                grid(kQ, "x",
                     [&](uint32_t t, uint32_t i) { chordHit(t, kQ - 60, velocity(s.energy, i ? 56 : 66, 4)); });
                break;
            case Comp::Offbeat:
                grid(kE, ".x", [&](uint32_t t, uint32_t) { chordHit(t, kE - 70, velocity(s.energy, 58, 4)); });
                break;
            case Comp::Waltz:
                grid(kQ, ".xx", [&](uint32_t t, uint32_t) { chordHit(t, kQ - 120, velocity(s.energy, 54, 4)); });
                break;
            case Comp::Stabs:
                grid(kS, "x..x..x...x.x...",
                     [&](uint32_t t, uint32_t i) { chordHit(t, kS - 20, velocity(s.energy, i == 0 ? 70 : 60, 4)); });
                break;
            case Comp::Arp8:
            case Comp::Arp16: {
                std::vector<int> notes = v;
                notes.push_back(v.front() + 12);
                const std::array<int, 8> order{0, 1, 2, 3, 4, 3, 2, 1};
                const uint32_t step = s.comp == Comp::Arp8 ? kE : kS;
                grid(step, "x", [&](uint32_t t, uint32_t) {
                    const size_t i = static_cast<size_t>(order[((t - c.start) / step) % order.size()]);
                    comp_.note(kComp, swing(t), step + step / 2, notes[std::min(i, notes.size() - 1)],
                               velocity(s.energy, t % kQ ? 50 : 60, 4));
                });
                break;
            }
            case Comp::Strum:
                grid(kE, "x.x.xx.x", [&](uint32_t t, uint32_t i) {
                    const bool up = i % 2 == 1;
                    for (size_t k = 0; k < v.size(); ++k) {
                        const size_t n = up ? v.size() - 1 - k : k;
                        comp_.note(kComp, swing(t) + 9 * static_cast<uint32_t>(k), kE + kE / 2, v[n],
                                   velocity(s.energy, up ? 50 : 60, 4));
                    }
                });
                break;
            default:
                break;
        }
    }
}

int Composer::bassPitch(int pc) {
    // The root nearest the last bass note, kept between B0 and D3.
    int best = 0, bestDist = 1000;
    for (int n = 35; n <= 50; ++n) {
        if (Pc(n) != pc) continue;
        const int d = std::abs(n - prevBass_) + (n > 47 ? 4 : 0);
        if (d < bestDist) best = n, bestDist = d;
    }
    prevBass_ = best;
    return best;
}

void Composer::bassLine(const Placed& pl) {
    const Section& s = *pl.section;
    if (s.bass == Bass::None || p_.voices.bass < 0) return;
    for (size_t ci = 0; ci < pl.chords.size(); ++ci) {
        const Chord& c = pl.chords[ci];
        const int r = bassPitch(Pc(p_.tonic + c.root));
        const int fifth = r + 7 > 52 ? r - 5 : r + 7;
        const uint32_t end = c.start + c.length;
        auto put = [&](uint32_t t, uint32_t len, int n, int base) {
            bass_.note(kBass, swing(t), len, n, velocity(s.energy, base, 4));
        };
        switch (s.bass) {
            case Bass::Whole:
                put(c.start, c.length - 20, r, 64);
                break;
            case Bass::Roots4:
                for (uint32_t t = c.start; t < end; t += kQ) put(t, kQ - 50, r, t % bar_ ? 62 : 70);
                break;
            case Bass::RootFifth:
                for (uint32_t t = c.start; t < end; t += kQ) {
                    const bool off = ((t % bar_) / kQ) % 2 == 1;
                    put(t, kQ - 40, off ? fifth : r, off ? 60 : 68);
                }
                break;
            case Bass::Octave8:
                for (uint32_t t = c.start; t < end; t += kE) put(t, kE - 30, (t / kE) % 2 ? r + 12 : r, 64);
                break;
            case Bass::Pedal8:
                for (uint32_t t = c.start; t < end; t += kE) put(t, kE - 40, r, t % kQ ? 60 : 70);
                break;
            case Bass::Gallop:
                for (uint32_t t = c.start; t < end; t += kQ) {
                    put(t, kE - 30, r, 72);
                    put(t + kE, kS - 15, r, 62);
                    put(t + kE + kS, kS - 15, r, 64);
                }
                break;
            case Bass::Syncop: {
                const std::string pattern = "x..x..x...x.x...";
                for (uint32_t t = c.start; t < end; t += kS) {
                    const size_t i = (t % bar_) / kS % pattern.size();
                    if (pattern[i] == 'x') put(t, kE, i == 10 ? r + 12 : i == 12 ? fifth : r, i ? 62 : 72);
                }
                break;
            }
            case Bass::Waltz: {
                const bool odd = (c.start / bar_) % 2 == 1;
                for (uint32_t t = c.start; t < end; t += bar_) put(t, kQ, odd ? fifth : r, 68);
                break;
            }
            case Bass::Walking: {
                // Root on the downbeat, chord and scale tones after it, and a
                // chromatic approach into the next chord's root.
                const Chord& next = ci + 1 < pl.chords.size() ? pl.chords[ci + 1] : c;
                const int target = Nearest(r, {Pc(p_.tonic + next.root)});
                const std::vector<int> tones = ChordClasses(c, p_.tonic);
                int n = r;
                for (uint32_t t = c.start; t < end; t += kQ) {
                    if (t + kQ >= end) {
                        n = target + (target > n ? -1 : 1);
                    } else if (t != c.start) {
                        n = StepAlong(n, tones, rng_.chance(0.6) ? 1 : -1);
                        if (n > 52) n -= 12;
                    }
                    put(t, kQ - 30, n, t == c.start ? 68 : 60);
                }
                break;
            }
            default:
                break;
        }
    }
}

struct GrooveDef {
    const char* kick;
    const char* snare;
    const char* hat;
    int snareNote;
    int hatNote;
};

GrooveDef GrooveFor(Groove g) {
    switch (g) {
        case Groove::Ballad:
            return {"x.........x.....", "....x.......x...", "x.x.x.x.x.x.x.x.", kSideStick, kClosedHat};
        case Groove::Pop:
            return {"x.......x.x.....", "....x.......x...", "x.x.x.x.x.x.x.x.", kSnare, kClosedHat};
        case Groove::Rock:
            return {"x.....x.x.....x.", "....x.......x...", "x.x.x.x.x.x.x.x.", kSnare, kClosedHat};
        case Groove::Driving:
            return {"x.x...x.x.x...x.", "....x.......x...", "xxxxxxxxxxxxxxxx", kSnare, kClosedHat};
        case Groove::March:
            return {"x...x...x...x...", "x..xx.x.x..xx.x.", "................", kSnare, kClosedHat};
        case Groove::Polka:
            return {"x.......x.......", "....x.......x...", "..x...x...x...x.", kSnare, kClosedHat};
        case Groove::Funk:
            return {"x..x..x...x..x..", "....x..x.x..x..x", "xxxxxxxxxxxxxxxx", kSnare, kClosedHat};
        case Groove::HalfTime:
            return {"x.........x.....", "........x.......", "x.x.x.x.x.x.x.x.", kSnare, kClosedHat};
        case Groove::Double:
            return {"xxxxxxxxxxxxxxxx", "....x.......x...", "x.x.x.x.x.x.x.x.", kSnare, kRide};
        case Groove::Tribal:
            return {"x..x..x.x..x..x.", "..x...x...x.x.xx", "x...x...x...x...", kLowTom, kClosedHat};
        case Groove::Gallop:
            return {"x.xxx.xxx.xxx.xx", "....x.......x...", "x...x...x...x...", kSnare, kRide};
        case Groove::Waltz:
            return {"x...........", "....x...x...", "x.x.x.x.x.x.", kSnare, kClosedHat};
        default:
            return {"", "", "", kSnare, kClosedHat};
    }
}

void Composer::drums(const Placed& pl, size_t index) {
    const Section& s = *pl.section;
    if (s.groove == Groove::None) return;
    const GrooveDef g = GrooveFor(p_.beats == 3 ? Groove::Waltz : s.groove);
    const uint32_t steps = static_cast<uint32_t>(p_.beats) * 4;
    const bool light = s.energy < 0.3;
    const bool heavy = s.energy >= 0.85;
    constexpr std::array<int, 8> toms{kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom, kFloorTom, kFloorTom};
    auto hit = [&](uint32_t t, int note, int base) {
        drums_.note(midi::kDrumChannel, swing(t), kS, note, velocity(s.energy, base, 6));
    };

    for (uint32_t b = 0; b < pl.bars; ++b) {
        const uint32_t t0 = pl.start + b * bar_;
        const bool fillBar = s.energy >= 0.35 && (b + 1 == pl.bars || (b + 1) % 8 == 0) && index + 1 < plan_.size();
        const uint32_t fillFrom = fillBar ? steps - (s.energy >= 0.7 ? 8 : 4) : steps;
        if (b == 0 && s.energy >= 0.4)
            hit(t0, kCrash, 80);
        else if (heavy && b % 4 == 0)
            hit(t0, kCrash, 66);
        for (uint32_t i = 0; i < steps; ++i) {
            const uint32_t t = t0 + i * kS;
            if (i >= fillFrom) {
                // Fill: snare sixteenths rising in force, then the toms walking down.
                const uint32_t k = i - fillFrom, n = steps - fillFrom;
                if (k < n / 2)
                    hit(t, kSnare, 62 + static_cast<int>(k) * 5);
                else
                    hit(t, toms[(k - n / 2) * 8 / std::max<uint32_t>(1, n / 2) % 8], 84);
                if (k == 0) hit(t, kKick, 80);
                continue;
            }
            if (g.kick[i] == 'x' && (!light || i == 0)) hit(t, kKick, 78);
            if (g.snare[i] == 'x') {
                const bool backbeat = i % 4 == 0;
                hit(t, light ? kSideStick : g.snareNote, backbeat ? 84 : 52);
            }
            if (g.hat[i] == 'x' && (!light || i % 4 == 0)) {
                const int note = heavy && i == steps - 2 && g.hatNote == kClosedHat ? kOpenHat : g.hatNote;
                hit(t, note, i % 4 == 0 ? 66 : 52);
            }
        }
    }
    // Timpani mark the downbeats of big sections.
    if (p_.voices.timpani >= 0 && s.energy >= 0.7) {
        const Chord& c = pl.chords.front();
        int n = Pc(p_.tonic + c.root) + 36;
        if (n < 41) n += 12;
        timpani_.note(kTimpani, pl.start, kQ, n, velocity(s.energy, 80, 4));
    }
}

void Composer::ending() {
    Chord c = ParseChord(p_.finalChord);
    c.start = formEnd_;
    c.length = static_cast<uint32_t>(p_.finalBars) * bar_;
    const std::vector<int> classes = ChordClasses(c, p_.tonic);
    const double energy = plan_.back().section->energy;
    const uint32_t hold = c.length - kQ / 2;
    if (p_.voices.pad >= 0)
        for (int n : Voice(classes, prevPad_, 55, 79, 66)) pad_.note(kPad, c.start, hold, n, velocity(energy, 50, 2));
    if (p_.voices.comp >= 0)
        for (int n : Voice(classes, prevComp_, 53, 76, 64))
            comp_.note(kComp, c.start, hold, n, velocity(energy, 60, 2));
    if (p_.voices.bass >= 0) {
        const int r = bassPitch(Pc(p_.tonic + c.root));
        bass_.note(kBass, c.start, hold, r, velocity(energy, 70, 2));
    }
    if (p_.voices.lead >= 0) {
        int top = Nearest(lastMelody_, {p_.tonic}, -1);
        if (top < p_.leadLow) top += 12;
        lead_.note(kLead, c.start, hold, top, velocity(energy, 74, 2));
    }
    if (p_.voices.counter >= 0) counter_.note(kCounter, c.start, hold, Nearest(prevCounter_, {classes[1]}), 60);
    if (plan_.back().section->groove != Groove::None) {
        drums_.note(midi::kDrumChannel, c.start, kQ, kCrash, 100);
        drums_.note(midi::kDrumChannel, c.start, kQ, kKick, 100);
    }
    if (p_.voices.timpani >= 0) {
        // A roll swelling through the held chord.
        int n = Pc(p_.tonic + c.root) + 36;
        if (n < 41) n += 12;
        const uint32_t rollEnd = c.start + c.length - kQ;
        for (uint32_t t = c.start; t < rollEnd; t += kS / 2) {
            const double f = static_cast<double>(t - c.start) / (rollEnd - c.start);
            timpani_.note(kTimpani, t, kS / 2, n, static_cast<int>(50 + 50 * f));
        }
        timpani_.note(kTimpani, rollEnd, kQ, n, 110);
    }
}

QByteArray Composer::build() {
    conductor_.timeSignature(0, p_.beats, 2);
    for (const auto& [tick, bpm] : tempi_) conductor_.tempo(tick, bpm);
    for (const Placed& pl : plan_) conductor_.marker(pl.start, pl.section->name);

    struct Setup {
        midi::Track* track;
        int channel, program, volume, pan, reverb;
    };
    const std::array<Setup, 7> setup{{{&lead_, kLead, p_.voices.lead, 108, 64, 50},
                                      {&lead2_, kLead2, p_.voices.lead2, 100, 74, 55},
                                      {&comp_, kComp, p_.voices.comp, 84, 44, 45},
                                      {&pad_, kPad, p_.voices.pad, 72, 86, 70},
                                      {&bass_, kBass, p_.voices.bass, 104, 64, 20},
                                      {&counter_, kCounter, p_.voices.counter, 80, 92, 60},
                                      {&timpani_, kTimpani, p_.voices.timpani, 96, 54, 50}}};
    for (const Setup& s : setup) {
        if (s.program < 0) continue;
        s.track->program(s.channel, 0, s.program);
        s.track->control(s.channel, 0, 7, Volume(s.volume, p_.gainDb));
        s.track->control(s.channel, 0, 10, s.pan);
        s.track->control(s.channel, 0, 91, s.reverb);
    }
    drums_.control(midi::kDrumChannel, 0, 7, Volume(100, p_.gainDb));
    drums_.control(midi::kDrumChannel, 0, 91, 40);

    for (size_t i = 0; i < plan_.size(); ++i) {
        const Placed& pl = plan_[i];
        melody(pl);
        counterLine(pl);
        harmony(pl);
        bassLine(pl);
        drums(pl, i);
    }
    ending();

    std::vector<midi::Track> tracks{conductor_};
    for (const Setup& s : setup)
        if (!s.track->events().empty()) tracks.push_back(*s.track);
    if (!drums_.events().empty()) tracks.push_back(drums_);
    return midi::WriteSmf(tracks, endTick_);
}

}  // namespace

QByteArray ComposeSmf(const Piece& piece) {
    return Composer(piece).build();
}

double PieceSeconds(const Piece& piece) {
    return Composer(piece).seconds();
}

}  // namespace compose
