#pragma once
// What reading a colour from text gives: the colour, or where and why reading stopped.

#include "color/color.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

struct ReadResult {
    std::optional<Color> color;
    // When there is no colour: the character (counted from 1, a UTF-8 sequence is one character)
    // where reading stopped, and a message that names it: "expected ')' at position 14".
    std::size_t position = 0;
    std::string message;
    // The colour written lay outside sRGB and was gamut-mapped into it (see gamut_mapping.h).
    bool mapped = false;
    // The alpha read with the colour (1 where the notation has none). Colours here are opaque, so
    // it is left out; readers of pasted text say so when it was not 1.
    double alpha = 1;
    // Reading stopped because functions nested too deep: a part of the text read on its own would
    // have more levels to go.
    bool stoppedAtNestingLimit = false;

    static ReadResult Of(Color color, bool mapped = false, double alpha = 1) { return {color, 0, {}, mapped, alpha}; }
    // `offset` is a byte offset into `text`; the message gets " at position N" appended.
    static ReadResult Failure(std::string_view text, std::size_t offset, std::string_view reason);
    // The position alone, the message left empty (TextScanner::setQuiet).
    static ReadResult FailureWithoutMessage(std::string_view text, std::size_t offset);
};

// Characters (not bytes: a UTF-8 sequence is one) in `text`, as positions count them.
std::size_t CharactersIn(std::string_view text);

} // namespace pelmora
