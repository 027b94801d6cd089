#pragma once
// A colour's code in the notation a user chose, a built-in one or a template of their own, as one
// value that can be handed on (to the screen loupe) apart from the list or settings it came from.

#include "color/color.h"
#include "notations/color_template.h"
#include "notations/notation_table.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// The code of a colour; nullopt when the notation has none for it (a colour without a CSS name).
using CodeWriter = std::function<std::optional<std::string>(Color)>;

// How the notation row and the settings name a template: this prefix and the template's name.
inline constexpr std::string_view kTemplateKeyPrefix = "template:";

CodeWriter WriterFor(const Notation& notation);

// The writer of a choice as the notation row keeps it ("oklch", "template:My name"): the first
// built-in notation for an empty or unknown name, as the row shows then; an empty writer for a
// template that is missing or cannot be read, which has no code to give.
CodeWriter WriterForChosenNotation(std::string_view key, std::span<const UserTemplate> templates);

} // namespace pelmora
