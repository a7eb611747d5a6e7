#pragma once
// Converting a computed real value to an integer rounds halves to the even
// neighbour, as the game's arithmetic always did. Floor is written where meant.
#include <cmath>
#include <cstdint>
#include <limits>

namespace host {

inline double RoundHalfEven(double x) {
    double f = std::floor(x);
    double diff = x - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

// Rounds and saturates, so a value that leaves the range never becomes
// undefined behaviour; callers clamp to their own ranges as the rules say.
template <class Int>
inline Int RoundTo(double x) {
    double r = RoundHalfEven(x);
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
    if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}

inline int16_t CInt(double x) {
    return RoundTo<int16_t>(x);
}
inline int32_t CLng(double x) {
    return RoundTo<int32_t>(x);
}

// Saturating 16-bit arithmetic for the places where the game computed in
// Integer and a value could leave the range.
inline int16_t Sat16(long long v) {
    if (v < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (v > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v);
}

}  // namespace host
