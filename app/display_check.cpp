#include "app/display_check.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pelmora {
namespace {

std::string_view Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Whether a local X display ":N" accepts connections on its socket. Remote displays are trusted.
bool LocalXDisplayAnswers(std::string_view display)
{
    if (display.empty() || display.front() != ':')
        return true;
    std::string_view number = display.substr(1);
    number = number.substr(0, number.find('.'));
    const std::string path = "/tmp/.X11-unix/X" + std::string(number);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return true; // cannot tell: let the toolkit try
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

} // namespace

std::string MissingDisplayReason()
{
    const std::string_view platform = Env("QT_QPA_PLATFORM");
    if (!platform.empty() && platform.substr(0, 3) != "xcb")
        return {};
    if (!Env("WAYLAND_DISPLAY").empty() && platform.empty())
        return {};
    const std::string_view display = Env("DISPLAY");
    if (display.empty())
        return "no display found (DISPLAY is not set)";
    if (!LocalXDisplayAnswers(display))
        return "the display " + std::string(display) + " does not answer";
    return {};
}

} // namespace pelmora
