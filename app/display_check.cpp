#include "app/display_check.h"

#include "app/terminal_text.h"
#include "app/window_program_options.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

#include <optional>
#include <unistd.h>

namespace pelmora {
namespace {

std::string_view Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// A server that refuses a client sends a reason, and libxcb writes it straight to stderr. It is
// caught here to become part of our own one-line message. The reason is at most 255 bytes, far
// less than a pipe holds, so the write never blocks.
class StderrCatcher {
public:
    StderrCatcher()
    {
        if (::pipe(pipe_) != 0)
            return;
        saved_ = ::dup(STDERR_FILENO);
        if (saved_ < 0 || ::dup2(pipe_[1], STDERR_FILENO) < 0)
            restore();
    }
    ~StderrCatcher() { restore(); }

    // Ends the catch and returns what was written meanwhile.
    std::string caught()
    {
        restore();
        std::string text;
        if (pipe_[0] < 0)
            return text;
        char buffer[512];
        ssize_t n = 0;
        while ((n = ::read(pipe_[0], buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(pipe_[0]);
        pipe_[0] = -1;
        return text;
    }

private:
    void restore()
    {
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            saved_ = -1;
        }
        if (pipe_[1] >= 0) {
            ::close(pipe_[1]);
            pipe_[1] = -1;
        }
    }

    int pipe_[2] = {-1, -1};
    int saved_ = -1;
};

std::string WithoutTrailingBlanks(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// Why libxcb could not open `display`, the way Qt's X11 platform plugin opens it, or nothing when
// it could. The connection is closed again at once; Qt makes its own.
std::optional<std::string> XcbConnectionFailure(const std::string& display)
{
    int screen = 0;
    StderrCatcher catcher;
    xcb_connection_t* connection = xcb_connect(display.c_str(), &screen);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    const std::string serverReason = WithoutTrailingBlanks(catcher.caught());
    const std::string quoted = "the display '" + PrintableText(display) + "'";
    if (error == XCB_CONN_ERROR && !serverReason.empty())
        return quoted + " refused the connection: " + PrintableText(serverReason);
    switch (error) {
    case 0:
        return std::nullopt;
    case XCB_CONN_CLOSED_PARSE_ERR:
        return quoted + " is not a display name (write :0, host:0 or unix:0)";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return quoted + " has no screen " + std::to_string(screen);
    case XCB_CONN_CLOSED_EXT_NOTSUPPORTED:
    case XCB_CONN_CLOSED_REQ_LEN_EXCEED:
    case XCB_CONN_CLOSED_FDPASSING_FAILED:
        return quoted + " closed the connection at once";
    case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
        return "not enough memory to connect to " + quoted;
    default: // XCB_CONN_ERROR: no server there, or the server refused us (authorisation)
        return quoted + " does not answer or refused the connection";
    }
}

} // namespace

std::string MissingDisplayReason(std::span<const std::string_view> qtOptions)
{
    const std::optional<std::string_view> platformOption = WindowProgramOptionValue(qtOptions, "platform");
    const std::string_view platform = platformOption ? *platformOption : Env("QT_QPA_PLATFORM");
    // Wayland, offscreen and the like: Qt reports its own failures there; this check is for X11.
    if (!platform.empty() && !platform.starts_with("xcb"))
        return {};
    if (!Env("WAYLAND_DISPLAY").empty() && platform.empty())
        return {};
    const std::optional<std::string_view> displayOption = WindowProgramOptionValue(qtOptions, "display");
    const std::string_view display = displayOption ? *displayOption : Env("DISPLAY");
    if (display.empty())
        return "no display found (DISPLAY is not set)";
    if (std::optional<std::string> failure = XcbConnectionFailure(std::string(display)))
        return *failure;
    return {};
}

} // namespace pelmora
