#pragma once
// What the duel takes from whoever opens it.
#include <algorithm>
#include <cstdint>

// The opponent's strengths travel as bytes. Every caller stays inside 0..255;
// a value outside is held at the nearest end rather than stopping the game.
inline uint8_t ToParamByte(int32_t v) {
    return static_cast<uint8_t>(std::clamp<int32_t>(v, 0, 255));
}

// The portrait resource for the opponent. The first castle and practice hand
// over a face number (portrait = 63 + face); the new castle hands over the
// portrait's resource number itself, which the stage tells apart. A practice
// duel played after a new-castle game is loaded still hands a face number, so
// the guide keeps the guide's portrait instead of turning into a card.
inline int PortraitResource(int16_t stageNo, uint8_t gameMode, int16_t face) {
    if (stageNo < 10 || gameMode == 255) return face + 63;
    return face;
}
