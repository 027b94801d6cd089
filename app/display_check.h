#pragma once
// Whether the desktop program can open its windows here, asked before the window toolkit starts,
// which would otherwise abort on a display it cannot reach.

#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// Empty when a display is there (or when the toolkit is pointed at a platform that is not X11,
// such as Wayland or offscreen); otherwise one sentence saying what is missing or why the X
// server could not be reached. `qtOptions` are the window program's words: "-platform NAME" and
// "-display NAME" there win over the environment, as they do for Qt.
std::string MissingDisplayReason(std::span<const std::string_view> qtOptions = {});

} // namespace pelmora
