#pragma once
// The save-data codec: everything the game keeps about a player's progress is
// stored scrambled, so that it cannot be read or edited by hand. Four layers,
// each built on the one below: a symbol per two-digit pair, three symbols per
// number of up to six digits, three symbols per character of a text, and a
// length flag plus one symbol per two digits of a digit string. The eight
// operations themselves are the shared procedures EncPair .. DecDigits.
#include <QString>

#include "app/shared_procedures.h"

namespace records {

// The 119 symbols: the first 20 stand for the pair "00", the k-th of the rest
// for the pair k. Saved games and records written with this table can only be
// read with it, so it never changes.
inline constexpr int kZeroSymbols = 20;
inline constexpr int kPairSymbols = 99;
QString CodeTable();
QString OddFlag();
QString EvenFlag();
// What EncText makes of an empty text.
QString EmptyTextMarker();
// What DecText gives for anything it cannot decode.
QString CorruptText();

}  // namespace records
