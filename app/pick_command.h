#pragma once
// `pelmora pick`: picks one colour from the screen and prints its codes, for scripts and the
// desktop entry's action.

#include <string_view>

namespace pelmora {

// argv[1] is "pick". Returns the exit status: 0 picked, 1 cancelled by the user, 2 when picking is
// impossible here or the command line is wrong (with a one-line message on standard error).
int RunPickCommand(int argc, char** argv);

extern const std::string_view kPickUsage;

} // namespace pelmora
