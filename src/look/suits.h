#pragma once
// The four suit signs as paths, drawn the same on the cards, the logos, the
// button sheets and the plaques of the windows.
#include <QColor>
#include <QPainterPath>
#include <QRectF>

enum class Suit { Spade = 0, Club = 1, Heart = 2, Diamond = 3 };

// The suit sign filling `box` (width about 0.9 of height looks right).
QPainterPath SuitPath(Suit suit, const QRectF& box);
// Black for spades and clubs, red for hearts and diamonds.
QColor SuitColour(Suit suit);
// Suit of card value 1..52: spades 1..13, clubs 14..26, hearts 27..39, diamonds 40..52.
inline Suit SuitOfValue(int value) {
    return static_cast<Suit>((value - 1) / 13);
}
