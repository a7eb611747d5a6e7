#include "duel/result_rules.h"

#include "platform/rounding.h"

#include <cstdio>

namespace {
bool RowEmpty(const Table& slot, int from) {
    for (int i = from; i < from + 4; ++i)
        if (slot[static_cast<size_t>(i)] != 0) return false;
    return true;
}
}  // namespace

Finish CheckFinish(const Table& slot, uint8_t myCount, uint8_t foeCount) {
    if (myCount < 2 && RowEmpty(slot, 1)) return Finish::PlayerWon;
    if (foeCount < 2 && RowEmpty(slot, 7)) return Finish::PlayerLost;
    return Finish::None;
}

std::string ClockText(uint32_t elapsedMs) {
    const uint32_t s = elapsedMs / 1000;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%u分%02u秒", s / 60, s % 60);
    return buf;
}

int32_t TimeBonus(int64_t e) {
    if (e < 0 || e > 90000) return 0;
    return host::CLng((900 - e / 100.0) / 2) * 10;
}

int32_t DuelScore(bool won, int64_t elapsedMs, const FoeParams& p, uint8_t foeCount, uint8_t myCount) {
    if (!won) return 0;
    // The strength and card terms were Integer sums; with values of at most
    // 255 and 25 cards they stay well inside 16 bits.
    const int16_t strength = host::Sat16(20LL * (2 * p.quickBase + p.skill + 100 - p.temper));
    const int16_t cards = host::Sat16(200LL * (static_cast<int>(foeCount) - static_cast<int>(myCount)));
    return TimeBonus(elapsedMs) + strength + cards;
}
