#pragma once
// The command line of the window program. It takes Qt's own options and nothing else, so that a
// mistyped command or an option of a command (`pelmora --json`) is a usage error instead of
// silently opening the windows.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// Whether `word` is one of Qt's options for the window program, written with one dash or two
// ("-platform", "--style=fusion").
bool IsWindowProgramOption(std::string_view word);

// Empty when every word of `args` (the words after the program name) is one of Qt's options,
// with the value those that take one need; otherwise one sentence naming the first wrong word.
std::string WindowProgramArgumentError(std::span<const std::string_view> args);

// The value given to the option `name` ("platform") in `args`, the last one when it is given more
// than once, as Qt reads it; nothing when it is not given.
std::optional<std::string_view> WindowProgramOptionValue(std::span<const std::string_view> args, std::string_view name);

// The list of those options, for `pelmora --help`.
extern const std::string_view kWindowProgramOptionsHelp;

} // namespace pelmora
