#pragma once
// The Jack, Queen and King figures of the card faces.
#include "look/suits.h"

#include <QPainter>
#include <QRectF>

// Draws the two-headed court figure of rank 11 (Jack), 12 (Queen) or 13
// (King) of `suit` into `frame` (about 39 x 77 on a 70 x 90 card).
void DrawCourt(QPainter& p, int rank, Suit suit, const QRectF& frame);
