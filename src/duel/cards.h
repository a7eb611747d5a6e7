#pragma once
// Cards, decks and the lay rule of the duel. A card is a byte 1..52 (spades,
// clubs, hearts, diamonds, each Ace..King); 0 is no card. The player owns the
// black cards 1..26, the opponent the red ones 27..52.
#include <array>
#include <cstdint>

using CardValue = uint8_t;

// Value mod 13: 1 Ace, 2..10, 11 Jack, 12 Queen, 0 King (and 0 for no card).
inline int16_t CardRank(CardValue v) {
    return static_cast<int16_t>(v % 13);
}

// True when one card may be laid on the other: ranks adjacent in the cycle
// A-2-...-10-J-Q-K-A. Symmetric; false when either is no card.
bool CanMove(CardValue a, CardValue b);

// Two cards of one row may be merged when both are present and of equal rank.
inline bool SameRank(CardValue a, CardValue b) {
    return a != 0 && b != 0 && CardRank(a) == CardRank(b);
}

// An integer draw 1..n from the game's random generator: floor(Rnd * n + 1).
int Draw(int n);

// The table: card value at positions 1..10 (1..4 the player's row, 5 and 6 the
// centre piles, 7..10 the opponent's row); index 0 is unused.
using Table = std::array<CardValue, 11>;
inline constexpr int kLeftPile = 5, kRightPile = 6;
inline bool IsPlayerPlace(int i) {
    return i >= 1 && i <= 4;
}
inline bool IsPile(int i) {
    return i == kLeftPile || i == kRightPile;
}

// Positions 1..26 of a deck; index 0 is unused so positions read as the game counts them.
using Deck = std::array<CardValue, 27>;

// Fills the deck with the values first..first+25, each at a random free
// position, drawing again while the drawn position is taken. The caller
// reseeds before each deck.
void ShuffleInto(Deck& deck, CardValue first);

// The colour of a deck gauge's background: how much of the deck is left.
enum class GaugeColour : uint8_t { Blue, Yellow, Red };

// A deck gauge: the cover shows how much of the deck is used, in deck units
// (0..25), the background how much is left.
struct Gauge {
    int16_t cover = 0;
    GaugeColour colour = GaugeColour::Blue;
};

// Draws the next card of a deck whose draw counter (starting at 26; 1 or less
// means exhausted) is `count`: deck position count-1, down to position 1, so
// position 26 never comes into play. Returns 0 once exhausted; the cover then
// shows the whole deck used and the colour stays.
CardValue DrawCard(const Deck& deck, uint8_t& count, Gauge& gauge);

// The deck gauge's scale: the cover is measured in these units.
inline constexpr int16_t kGaugeUnits = 25;
