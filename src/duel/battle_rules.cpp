#include "duel/battle_rules.h"

#include "platform/rounding.h"

#include <algorithm>

namespace {
bool HasGap(const Table& slot, int from, int to) {
    for (int i = from; i <= to; ++i)
        if (slot[static_cast<size_t>(i)] == 0) return true;
    return false;
}
}  // namespace

StallAction StallWatch(int16_t n, const Table& slot, uint8_t myCount, uint8_t foeCount) {
    if (HasGap(slot, 1, 4) && myCount >= 2) return StallAction::Reset;
    if (HasGap(slot, 7, 10) && foeCount >= 2) return StallAction::Reset;
    if (n >= 3 && n < 40) return StallAction::ReDeal;
    if (n > kReDealCount) return StallAction::Resume;
    return StallAction::Wait;
}

int ContestingFoePlace(const Table& slot, int pile) {
    for (int i = 7; i <= 10; ++i)
        if (CanMove(slot[static_cast<size_t>(pile)], slot[static_cast<size_t>(i)])) return i;
    return 0;
}

int16_t PBarShare(int16_t mine, int16_t foe) {
    const int p = kContestHits - mine;
    const int q = kContestHits - foe;
    if (p <= 0) return kContestBarTwips;
    if (q <= 0) return 0;
    return std::clamp<int16_t>(host::CInt(static_cast<double>(q) * kContestBarTwips / (q + p)), 0, kContestBarTwips);
}

int32_t FoeHitInterval(int16_t quickness) {
    if (quickness < 100) return host::CLng(230 - quickness * 1.5);
    return host::CLng(80 - (quickness - 100) * 0.2);
}
