#pragma once
// Number-to-integer conversions. Every fraction that becomes an integer goes through one of these,
// so ties, NaN and out-of-range values behave the same everywhere (no undefined conversions).

#include <cstdint>

namespace pelmora {

// Nearest integer, a tie going to the even neighbour (137.5 -> 138, 136.5 -> 136).
// Saturates to the int range; NaN gives 0.
int EvenNearest(double value);

// Nearest integer, a tie going up towards +infinity (76.5 -> 77, -0.5 -> 0): how CSS turns a
// channel into 0..255. Saturates to the int range; NaN gives 0.
int HalfUpNearest(double value);

// As EvenNearest, saturating to the 16-bit range.
std::int16_t EvenNearest16(double value);

// Greatest integer not above value, saturating to the int range; NaN gives 0.
int FloorToInt(double value);

} // namespace pelmora
