#pragma once
// Whether the desktop program can open its windows here, asked before the window toolkit starts,
// which would otherwise abort on a display it cannot reach.

#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// Empty when one of the window platforms Qt will try, in Qt's order, can start here: X11 with a
// display that answers, Wayland with its plugin installed and a compositor that answers, any other
// platform (offscreen, ...) with its plugin installed. Otherwise one sentence saying, for each, what
// is missing or why it could not be reached. `qtOptions` are the window program's words:
// "-platform NAME", "-platformpluginpath PATH" and "-display NAME" there win over the environment,
// as they do for Qt.
std::string MissingDisplayReason(std::span<const std::string_view> qtOptions = {});

} // namespace pelmora
