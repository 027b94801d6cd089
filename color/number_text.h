#pragma once
// The numeric value of a text box's text, as the entry fields read it.

#include <string_view>

namespace pelmora {

// The leading number of `text`, blanks (space, tab, CR, LF) ignored wherever they stand:
// an optional sign, digits, an optional decimal part after '.', an optional exponent introduced
// by E or D (either case) with its own optional sign. Text without a leading number gives 0.
//
// "&H" (either case) followed by hexadecimal digits, and "&O" followed by octal digits, read as in
// BASIC: a value that fits in 16 bits (up to &HFFFF) is a 16-bit two's-complement number, so
// "&HFFFF" is -1; one that fits in 32 bits is a 32-bit two's-complement number, so "&H8000000F"
// is -2147483633 and "&H10000" is 65536; a longer one keeps its plain non-negative value. A '&'
// right after the digits asks for the 32-bit reading at once, so "&H00FFFF&" is 65535. A sign
// before "&H" is not part of a number (the value is 0).
//
// Never throws and never overflows: a number beyond the double range gives +-infinity, one too
// small gives 0. Callers convert with the saturating helpers of rounding.h.
double Val(std::string_view text);

} // namespace pelmora
