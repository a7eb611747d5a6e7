#include "duel/cards.h"

#include "platform/random.h"

#include <algorithm>
#include <cmath>

bool CanMove(CardValue a, CardValue b) {
    if (a == 0 || b == 0) return false;
    const int16_t x = CardRank(a);
    const int16_t y = CardRank(b);
    if (x == 0) return y == 1 || y == 12;  // the King sits between Queen and Ace
    if (x == 12) return y == 0 || y == 11;
    return y == x - 1 || y == x + 1;
}

int Draw(int n) {
    // Kept inside 1..n even if a source ever hands out 1.0, so a draw can never
    // index past a deck.
    return std::clamp(static_cast<int>(std::floor(host::Rnd() * n + 1)), 1, n);
}

void ShuffleInto(Deck& deck, CardValue first) {
    deck.fill(0);
    for (int v = first; v < first + 26; ++v) {
        int j;
        do {
            j = Draw(26);
        } while (deck[static_cast<size_t>(j)] != 0);
        deck[static_cast<size_t>(j)] = static_cast<CardValue>(v);
    }
}

CardValue DrawCard(const Deck& deck, uint8_t& count, Gauge& gauge) {
    if (count > 1) {
        --count;
        gauge.cover = static_cast<int16_t>(26 - count);
        gauge.colour = count >= 10 ? GaugeColour::Blue : count < 5 ? GaugeColour::Red : GaugeColour::Yellow;
        return deck[count];
    }
    gauge.cover = kGaugeUnits;
    return 0;
}
