#pragma once
// The notation engine: every notation a colour can be written in, each with a formatter and a reader.
// Formatters describe a colour by its three 8-bit channels (the low 24 bits, red in the low byte).
// Readers take the whole text (blanks around it allowed) and never throw.

#include "color/color.h"
#include "notations/read_result.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

struct Notation {
    std::string_view name; // for `pelmora codes --format NAME` and the settings: "oklch"
    std::string_view label; // for lists: "CSS oklch()"
    // Appends the colour's text to `out`; false, appending nothing, when the notation has no text
    // for it (a colour without a CSS name).
    bool (*format)(Color color, std::string& out);
    ReadResult (*read)(std::string_view text);
};

// In the order lists show them: the four codes of the output panel, CSS, programming literals.
std::span<const Notation> BuiltInNotations();

// The notation of that name (compared without case), or nullptr.
const Notation* FindNotation(std::string_view name);

// The text of `color` in `notation`, nullopt when it has none.
std::optional<std::string> FormatIn(const Notation& notation, Color color);

} // namespace pelmora
