#pragma once
// Pictures that more than one family of assets draws: a card face inside a
// scene, a portrait inside the message sheet or a scene.
#include <QImage>

// Card value 1..52 at the given scale (70 x 90 logical pixels).
QImage CardFace(int value, int scale = 1);

struct Figure;
// Face 0..28 as a portrait at the given scale (85 x 100 logical pixels).
QImage Portrait(int face, int scale = 1);
// The description the portrait of face 0..28 is drawn from, for scenes that
// show the same character in another pose or size.
Figure PortraitFigure(int face);
