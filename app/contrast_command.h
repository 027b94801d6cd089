#pragma once
// `pelmora contrast [--json] A B`: the WCAG contrast ratio of two colours and the levels it passes.

#include <iosfwd>
#include <span>
#include <string_view>

namespace pelmora {

// args are the words after "contrast". Returns 0, or 2 when a colour cannot be read or the
// command line is wrong.
int RunContrastCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

extern const std::string_view kContrastUsage;

} // namespace pelmora
