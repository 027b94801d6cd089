#include "app/display_check.h"

#include "app/terminal_text.h"
#include "app/window_program_options.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pelmora {
namespace {

constexpr const char* kPlatformPluginKind = "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface";

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

// One platform Qt would try: its plugin's name, and where the choice came from.
struct PlatformChoice {
    std::string name;
    std::string_view source; // "-platform", "QT_QPA_PLATFORM" or empty when Qt chose on its own
};

// The platforms Qt 6 tries, in its order: those of "-platform", else of QT_QPA_PLATFORM (both a
// list separated by ';', each "name:arguments"), else Wayland before X11 where the session looks
// like Wayland, else X11.
std::vector<PlatformChoice> PlatformsQtTries(std::span<const std::string_view> qtOptions)
{
    std::string_view list;
    std::string_view source;
    if (const std::optional<std::string_view> option = WindowProgramOptionValue(qtOptions, "platform")) {
        list = *option;
        source = "-platform";
    } else if (!Env("QT_QPA_PLATFORM").empty()) {
        list = Env("QT_QPA_PLATFORM");
        source = "QT_QPA_PLATFORM";
    } else {
        const bool looksWayland = std::getenv("WAYLAND_DISPLAY") != nullptr || Env("XDG_SESSION_TYPE") == "wayland";
        list = looksWayland ? "wayland;xcb" : "xcb";
    }
    std::vector<PlatformChoice> choices;
    while (!list.empty()) {
        const std::size_t semicolon = list.find(';');
        const std::string_view entry = list.substr(0, semicolon);
        list = semicolon == std::string_view::npos ? std::string_view() : list.substr(semicolon + 1);
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (!name.empty())
            choices.push_back({std::string(name), source});
    }
    return choices;
}

std::string Lowercase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

// The names of the platform plugins Qt would find, lower case: in the folder named by
// -platformpluginpath or QT_QPA_PLATFORM_PLUGIN_PATH, and in "platforms" under each of Qt's
// plugin folders. Only their descriptions are read; nothing is loaded.
std::set<std::string> InstalledPlatformPlugins(std::span<const std::string_view> qtOptions)
{
    QStringList folders;
    const std::optional<std::string_view> pluginPath = WindowProgramOptionValue(qtOptions, "platformpluginpath");
    const std::string_view extra = pluginPath ? *pluginPath : Env("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!extra.empty())
        folders << QString::fromLocal8Bit(extra.data(), qsizetype(extra.size()));
    for (const QString& folder : qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << folder + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    if (const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); !program.isEmpty())
        folders << program + QStringLiteral("/platforms");

    std::set<std::string> names;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QJsonObject description = QPluginLoader(dir.filePath(file)).metaData();
            if (!description.value(QStringLiteral("IID")).toString().startsWith(QLatin1String(kPlatformPluginKind)))
                continue;
            for (const QJsonValue key :
                description.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray())
                names.insert(Lowercase(key.toString().toStdString()));
        }
    }
    return names;
}

// Why the Wayland display Qt's Wayland plugin would connect to cannot be reached, or nothing.
std::optional<std::string> WaylandConnectionFailure()
{
    if (!Env("WAYLAND_SOCKET").empty())
        return std::nullopt; // a connection handed over already open
    const std::string name = Env("WAYLAND_DISPLAY").empty() ? "wayland-0" : std::string(Env("WAYLAND_DISPLAY"));
    std::string path = name;
    if (!name.starts_with('/')) {
        if (Env("XDG_RUNTIME_DIR").empty())
            return "the Wayland display '" + PrintableText(name) + "' cannot be found (XDG_RUNTIME_DIR is not set)";
        path = std::string(Env("XDG_RUNTIME_DIR")) + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool reached = false;
    if (path.size() < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        reached = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    if (reached)
        return std::nullopt;
    return "the Wayland display '" + PrintableText(name) + "' does not answer";
}

} // namespace

std::string MissingDisplayReason(std::span<const std::string_view> qtOptions)
{
    std::optional<std::set<std::string>> installed; // looked up once, when a platform needs it
    std::string reasons;
    for (const PlatformChoice& choice : PlatformsQtTries(qtOptions)) {
        std::optional<std::string> failure;
        const std::string name = Lowercase(choice.name);
        if (name != "xcb") {
            if (!installed)
                installed = InstalledPlatformPlugins(qtOptions);
            if (!installed->contains(name)) {
                failure = "Qt's platform plugin '" + PrintableText(choice.name) + "'"
                    + (choice.source.empty() ? std::string() : " (named by " + std::string(choice.source) + ")")
                    + " is not installed" + (name.starts_with("wayland") ? " (Debian package qt6-wayland)" : "");
            } else if (name.starts_with("wayland")) {
                failure = WaylandConnectionFailure();
            }
        } else {
            // X11: the display of "-display", else DISPLAY.
            const std::optional<std::string_view> displayOption = WindowProgramOptionValue(qtOptions, "display");
            const std::string_view display = displayOption ? *displayOption : Env("DISPLAY");
            failure = display.empty() ? std::optional<std::string>("no display found (DISPLAY is not set)")
                                      : XcbConnectionFailure(std::string(display));
        }
        if (!failure)
            return {};
        reasons += (reasons.empty() ? "" : ", and ") + *failure;
    }
    return reasons.empty() ? "no window platform is named (QT_QPA_PLATFORM is empty of names)" : reasons;
}

} // namespace pelmora
