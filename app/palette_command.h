#pragma once
// `pelmora palette export|import`: the custom colours file to and from palette files, no display needed.

#include <iosfwd>
#include <span>
#include <string_view>

namespace pelmora {

class UserColorsFile;

// args are the words after "palette". Returns the exit status: 0, or 2 with a message on `err`
// naming the bad file, line or option.
int RunPaletteCommand(
    std::span<const std::string_view> args, const UserColorsFile& colorsFile, std::ostream& out, std::ostream& err);

// The same for the running program's custom colours file.
int RunPaletteCommandForThisProgram(int argc, char** argv);

// The usage text of the command, also part of `pelmora --help`.
extern const std::string_view kPaletteUsage;

} // namespace pelmora
