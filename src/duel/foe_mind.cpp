#include "duel/foe_mind.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace {
int16_t Limit(int16_t v, int16_t hi) {
    return std::clamp<int16_t>(v, 0, hi);
}
}  // namespace

FoeQualities ComputeQualities(const FoeParams& p, uint8_t foeCount, uint8_t myCount) {
    FoeQualities q;
    // The lead is formed in Integer: at most 25 cards x 5 x 255, which fits.
    const int16_t lead = host::Sat16(static_cast<int>(foeCount) - static_cast<int>(myCount));
    const int16_t product = host::Sat16(static_cast<long long>(lead) * 5 * p.temper);
    q.anger = Limit(host::CInt(product / 100.0 + p.temper / 2.0), 100);
    q.quickness = Limit(host::CInt(p.quickBase + q.anger / 10.0), 200);
    q.concentration = Limit(host::CInt((p.skill + p.temper) / 3.0 - q.anger / 10.0 + 20), 100);
    q.accuracy = Limit(host::CInt(p.skill - q.anger / 10.0 + 10), 100);
    return q;
}

FoeQualities PowerUpQualities(const FoeParams& p) {
    FoeQualities q;
    q.anger = 0;
    q.concentration = 100;
    q.accuracy = 100;
    q.quickness = host::CInt(p.quickBase * 0.5 + 200);
    return q;
}

Mood MoodOf(const FoeQualities& q) {
    if (q.anger > 80) return Mood::Rage;
    if (q.concentration < 20) return Mood::Confusion;
    if (q.accuracy > 80) return Mood::Calm;
    return Mood::Normal;
}

const char* MoodText(Mood m) {
    switch (m) {
        case Mood::Rage:
            return "激怒";
        case Mood::Confusion:
            return "混乱";
        case Mood::Calm:
            return "冷静";
        case Mood::Normal:
            break;
    }
    return "正常";
}

int32_t MoveInterval(int16_t quickness) {
    return host::CLng(1600 * std::pow(1.0069555, -quickness));
}

int16_t BarMaximum(int bar) {
    return bar == 0 ? 150 : 100;
}

BarColour BarColourFor(int bar, int16_t v) {
    switch (bar) {
        case 0:
            return v > 135 ? BarColour::Red : v > 120 ? BarColour::Yellow : v > 90 ? BarColour::Green : BarColour::Blue;
        case 1:
            return v > 90 ? BarColour::Red : v > 80 ? BarColour::Yellow : v > 60 ? BarColour::Green : BarColour::Blue;
        default:  // concentration and accuracy: low is the danger
            return v < 10 ? BarColour::Red : v < 20 ? BarColour::Yellow : v < 40 ? BarColour::Green : BarColour::Blue;
    }
}

int FoeFillPlace(const Table& slot, uint8_t foeCount) {
    if (foeCount <= 1) return 0;
    for (int i = 7; i <= 10; ++i)
        if (slot[static_cast<size_t>(i)] == 0) return i;
    return 0;
}

std::pair<int, int> FoeMergePair(const Table& slot, const FoeQualities& q, int r) {
    if (!(q.concentration + q.accuracy > r - 50 && q.anger < 90)) return {0, 0};
    static constexpr std::pair<int, int> kPairs[] = {{7, 8}, {7, 9}, {7, 10}, {9, 8}, {10, 8}, {9, 10}};
    for (auto [target, source] : kPairs)
        if (SameRank(slot[static_cast<size_t>(target)], slot[static_cast<size_t>(source)])) return {target, source};
    return {0, 0};
}

std::array<int, 11> FoeLayOrder() {
    std::array<int, 11> order{};
    for (int k = 7; k <= 10; ++k) {
        int j;
        do {
            j = Draw(4) + 6;  // floor(rnd * 4 + 7)
        } while (order[static_cast<size_t>(j)] != 0);
        order[static_cast<size_t>(j)] = k;
    }
    return order;
}

std::pair<int, int> FoeLay(const Table& slot, const std::array<int, 11>& order) {
    for (int j = 7; j <= 10; ++j) {
        const int s = order[static_cast<size_t>(j)];
        if (s < 7 || s > 10) continue;
        const CardValue card = slot[static_cast<size_t>(s)];
        if (CanMove(card, slot[kLeftPile])) return {s, kLeftPile};
        if (CanMove(card, slot[kRightPile])) return {s, kRightPile};
    }
    return {0, 0};
}
