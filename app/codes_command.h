#pragma once
// `pelmora codes [--json] VALUE...`: the output panel's code texts of each VALUE, no display needed.

#include <iosfwd>
#include <span>
#include <string_view>

namespace pelmora {

// args are the words after "codes". Returns the exit status: 0; 1 when `out` could not take the
// output (said on `err`); 2 when a VALUE could not be read (the others are still printed) or the
// command line itself is wrong. Values quoted in messages have their control characters escaped.
int RunCodesCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// The usage text of the command, also part of `pelmora --help`.
extern const std::string_view kCodesUsage;

} // namespace pelmora
