#include "music_theory.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace compose {

namespace {
int Pc(int v) {
    return ((v % 12) + 12) % 12;
}
}  // namespace

std::vector<int> ModeScale(Mode mode) {
    switch (mode) {
        case Mode::Major:
            return {0, 2, 4, 5, 7, 9, 11};
        case Mode::Minor:
            return {0, 2, 3, 5, 7, 8, 10};
        case Mode::HarmonicMinor:
            return {0, 2, 3, 5, 7, 8, 11};
        case Mode::Dorian:
            return {0, 2, 3, 5, 7, 9, 10};
        case Mode::Mixolydian:
            return {0, 2, 4, 5, 7, 9, 10};
        case Mode::Phrygian:
            return {0, 1, 3, 5, 7, 8, 10};
        case Mode::Lydian:
            return {0, 2, 4, 6, 7, 9, 11};
    }
    return {};
}

Chord ParseChord(const std::string& token) {
    size_t i = 0;
    int shift = 0;
    if (i < token.size() && (token[i] == 'b' || token[i] == '#')) shift = token[i++] == 'b' ? -1 : 1;
    size_t numeralStart = i;
    while (i < token.size() && std::string("IViv").find(token[i]) != std::string::npos) ++i;
    std::string numeral = token.substr(numeralStart, i - numeralStart);
    std::string upper = numeral;
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    static const std::vector<std::pair<std::string, int>> degrees{{"I", 0}, {"II", 2}, {"III", 4}, {"IV", 5},
                                                                  {"V", 7}, {"VI", 9}, {"VII", 11}};
    auto it = std::find_if(degrees.begin(), degrees.end(), [&](const auto& d) { return d.first == upper; });
    if (numeral.empty() || it == degrees.end()) throw std::invalid_argument("bad chord numeral: " + token);
    const bool minor = std::islower(static_cast<unsigned char>(numeral[0]));
    Chord c;
    c.root = Pc(it->second + shift);
    c.intervals = {0, minor ? 3 : 4, 7};
    std::string suffix = token.substr(i);
    auto take = [&suffix](const std::string& s) {
        if (suffix.compare(0, s.size(), s) != 0) return false;
        suffix.erase(0, s.size());
        return true;
    };
    while (!suffix.empty()) {
        if (take("maj7")) {
            c.intervals.push_back(11);
        } else if (take("sus2")) {
            c.intervals[1] = 2;
        } else if (take("sus4")) {
            c.intervals[1] = 5;
        } else if (take("o")) {
            c.intervals = {0, 3, 6};
        } else if (take("+")) {
            c.intervals = {0, 4, 8};
        } else if (take("7")) {
            // A diminished seventh is fully diminished; otherwise a minor seventh.
            c.intervals.push_back(c.intervals[2] == 6 ? 9 : 10);
        } else if (take("6")) {
            c.intervals.push_back(9);
        } else if (take("9")) {
            c.intervals.push_back(14);
        } else {
            throw std::invalid_argument("bad chord suffix: " + token);
        }
    }
    return c;
}

std::vector<Chord> ParseBars(const std::string& text, uint32_t barTicks, uint32_t startTick) {
    std::vector<Chord> chords;
    std::istringstream in(text);
    std::string bar;
    uint32_t at = startTick;
    while (in >> bar) {
        if (bar == "|") continue;
        std::vector<std::string> parts;
        size_t from = 0;
        for (size_t dot; (dot = bar.find('.', from)) != std::string::npos; from = dot + 1)
            parts.push_back(bar.substr(from, dot - from));
        parts.push_back(bar.substr(from));
        const uint32_t each = barTicks / static_cast<uint32_t>(parts.size());
        for (size_t k = 0; k < parts.size(); ++k) {
            Chord c;
            if (parts[k] == "%") {
                if (chords.empty()) throw std::invalid_argument("'%' with no chord before it");
                c = chords.back();
            } else {
                c = ParseChord(parts[k]);
            }
            c.start = at;
            c.length = k + 1 == parts.size() ? barTicks - each * static_cast<uint32_t>(k) : each;
            at += c.length;
            chords.push_back(c);
        }
    }
    return chords;
}

std::vector<int> ChordClasses(const Chord& c, int tonic) {
    std::vector<int> out;
    for (int iv : c.intervals) out.push_back(Pc(tonic + c.root + iv));
    return out;
}

std::vector<int> ChordScale(Mode mode, const Chord& c, int tonic) {
    const std::vector<int> tones = ChordClasses(c, tonic);
    std::vector<int> modeClasses;
    for (int s : ModeScale(mode)) modeClasses.push_back(Pc(tonic + s));
    // Only a borrowed chord tone (one outside the mode) pushes its neighbours out.
    std::vector<int> borrowed;
    for (int t : tones)
        if (!HasClass(modeClasses, t)) borrowed.push_back(t);
    std::vector<int> scale;
    for (int pc : modeClasses) {
        bool grinds = false;
        for (int t : borrowed)
            if (Pc(t - pc) == 1 || Pc(pc - t) == 1) grinds = true;
        if (!grinds) scale.push_back(pc);
    }
    for (int t : tones)
        if (std::find(scale.begin(), scale.end(), t) == scale.end()) scale.push_back(t);
    std::sort(scale.begin(), scale.end());
    return scale;
}

bool HasClass(const std::vector<int>& classes, int pitch) {
    return std::find(classes.begin(), classes.end(), Pc(pitch)) != classes.end();
}

int Nearest(int pitch, const std::vector<int>& classes, int prefer) {
    for (int d = 0; d < 12; ++d) {
        const int first = prefer >= 0 ? pitch + d : pitch - d;
        const int second = prefer >= 0 ? pitch - d : pitch + d;
        if (HasClass(classes, first)) return first;
        if (HasClass(classes, second)) return second;
    }
    return pitch;
}

int StepAlong(int pitch, const std::vector<int>& classes, int steps) {
    int p = Nearest(pitch, classes);
    const int dir = steps >= 0 ? 1 : -1;
    for (int n = std::abs(steps); n > 0; --n) {
        do p += dir;
        while (!HasClass(classes, p));
    }
    return p;
}

std::vector<int> Voice(const std::vector<int>& classes, const std::vector<int>& previous, int lo, int hi, int centre) {
    // Up to four distinct classes; a ninth or a sixth replaces the fifth in a four-note chord.
    std::vector<int> pcs = classes;
    if (pcs.size() > 4) pcs.erase(pcs.begin() + 2);
    std::vector<int> best;
    long bestScore = -1;
    for (size_t inversion = 0; inversion < pcs.size(); ++inversion) {
        for (int base = lo; base < lo + 12; ++base) {
            if (Pc(base) != pcs[inversion]) continue;
            std::vector<int> v{base};
            for (size_t k = 1; k < pcs.size(); ++k) {
                int next = v.back() + 1;
                while (Pc(next) != pcs[(inversion + k) % pcs.size()]) ++next;
                v.push_back(next);
            }
            for (int octave = 0; octave < 3; ++octave) {
                std::vector<int> w = v;
                for (int& x : w) x += 12 * octave;
                if (w.front() < lo || w.back() > hi) continue;
                long score = 0;
                if (previous.size() == w.size()) {
                    for (size_t k = 0; k < w.size(); ++k) score += std::abs(w[k] - previous[k]);
                } else {
                    score = std::abs((w.front() + w.back()) / 2 - centre) * 2;
                }
                if (bestScore < 0 || score < bestScore) best = w, bestScore = score;
            }
        }
    }
    if (best.empty()) {  // too narrow a range: stack from lo
        int p = lo;
        for (int pc : pcs) {
            while (Pc(p) != pc) ++p;
            best.push_back(p);
        }
        std::sort(best.begin(), best.end());
    }
    return best;
}

}  // namespace compose
