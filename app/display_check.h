#pragma once
// Whether the desktop program can open its windows here, asked before the window toolkit starts,
// which would otherwise abort on a missing display.

#include <string>

namespace pelmora {

// Empty when a display is there (or when the toolkit is pointed at a platform of its own choice);
// otherwise one sentence saying what is missing.
std::string MissingDisplayReason();

} // namespace pelmora
