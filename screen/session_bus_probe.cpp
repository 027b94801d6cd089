#include "screen/session_bus_probe.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pelmora {
namespace {

using Clock = std::chrono::steady_clock;

class Socket {
public:
    explicit Socket(int fd)
        : fd_(fd)
    {
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

// "%2f" and the like, as D-Bus escapes address values.
std::string Unescaped(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            text.push_back(static_cast<char>(std::strtol(std::string(value.substr(i + 1, 2)).c_str(), nullptr, 16)));
            i += 2;
        } else {
            text.push_back(value[i]);
        }
    }
    return text;
}

struct UnixAddress {
    std::string path;
    bool abstract = false;
};

// The socket a "unix:" address names; nothing for other transports and other unix forms.
std::optional<UnixAddress> ParseUnixAddress(std::string_view address)
{
    constexpr std::string_view kUnix = "unix:";
    if (!address.starts_with(kUnix))
        return std::nullopt;
    std::string_view rest = address.substr(kUnix.size());
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view pair = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = pair.substr(0, equals);
        const std::string value = Unescaped(pair.substr(equals + 1));
        if (key == "path")
            return UnixAddress{value, false};
        if (key == "abstract")
            return UnixAddress{value, true};
        if (key == "runtime" && value == "yes") {
            const char* runtime = std::getenv("XDG_RUNTIME_DIR");
            if (!runtime || !*runtime)
                return std::nullopt;
            return UnixAddress{std::string(runtime) + "/bus", false};
        }
    }
    return std::nullopt;
}

int RemainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool SendAll(int fd, std::string_view bytes, Clock::time_point deadline)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(fd, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// Reads until `enough` says the bytes so far suffice; false on silence past the deadline or a close.
template <typename Enough> bool ReceiveUntil(int fd, std::string& received, Clock::time_point deadline, Enough enough)
{
    char buffer[256];
    while (!enough(received)) {
        if (!WaitFor(fd, POLLIN, deadline))
            return false;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0)
            received.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
    }
    return true;
}

void AppendUint32(std::string& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The bus's own Hello call, the first message every client sends (little-endian, serial 1).
std::string HelloMessage()
{
    std::string fields;
    const auto field = [&fields](char code, char type, std::string_view value) {
        while (fields.size() % 8 != 0)
            fields.push_back('\0');
        fields += {code, '\1', type, '\0'};
        AppendUint32(fields, static_cast<std::uint32_t>(value.size()));
        fields += value;
        fields.push_back('\0');
    };
    field('\1', 'o', "/org/freedesktop/DBus");
    field('\2', 's', "org.freedesktop.DBus");
    field('\3', 's', "Hello");
    field('\6', 's', "org.freedesktop.DBus");
    std::string message = {'l', '\1', '\0', '\1'};
    AppendUint32(message, 0); // no body
    AppendUint32(message, 1); // serial
    AppendUint32(message, static_cast<std::uint32_t>(fields.size()));
    message += fields;
    while (message.size() % 8 != 0)
        message.push_back('\0');
    return message;
}

std::string HexOf(std::string_view text)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char c : text) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 0xF]);
    }
    return hex;
}

// Greets the bus on a connected socket: authentication, then Hello. Any answer to each will do:
// a bus that refuses us still answers, and D-Bus then fails at once rather than waiting.
SessionBusState Greet(int fd, Clock::time_point deadline)
{
    const std::string auth = std::string(1, '\0') + "AUTH EXTERNAL " + HexOf(std::to_string(::getuid())) + "\r\n";
    std::string received;
    const auto line = [](const std::string& bytes) { return bytes.find("\r\n") != std::string::npos; };
    if (!SendAll(fd, auth, deadline) || !ReceiveUntil(fd, received, deadline, line))
        return SessionBusState::Silent;
    if (!received.starts_with("OK "))
        return SessionBusState::Answers;
    received.clear();
    const auto any = [](const std::string& bytes) { return !bytes.empty(); };
    if (!SendAll(fd, "BEGIN\r\n" + HelloMessage(), deadline) || !ReceiveUntil(fd, received, deadline, any))
        return SessionBusState::Silent;
    return SessionBusState::Answers;
}

// A socket connected to `address`, or nothing when nobody takes the connection there.
std::optional<int> Connect(const UnixAddress& address, Clock::time_point deadline)
{
    sockaddr_un target{};
    target.sun_family = AF_UNIX;
    const std::size_t offset = address.abstract ? 1 : 0;
    if (address.path.size() + offset >= sizeof target.sun_path)
        return std::nullopt;
    std::memcpy(target.sun_path + offset, address.path.data(), address.path.size());
    const auto length = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + offset + address.path.size() + (address.abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), length) == 0)
        return fd;
    // A full backlog: the bus is there but does not take us in.
    if (errno == EAGAIN && WaitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0)
            return fd;
    }
    ::close(fd);
    return std::nullopt;
}

} // namespace

SessionBusState ProbeBusAddress(const std::string& addresses, std::chrono::milliseconds limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    std::string_view rest = addresses;
    // D-Bus takes the first address that accepts a connection.
    while (!rest.empty()) {
        const std::size_t semicolon = rest.find(';');
        const std::string_view address = rest.substr(0, semicolon);
        rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
        if (address.empty())
            continue;
        const std::optional<UnixAddress> unixAddress = ParseUnixAddress(address);
        if (!unixAddress)
            return SessionBusState::Unchecked;
        if (const std::optional<int> fd = Connect(*unixAddress, deadline)) {
            const Socket socket(*fd);
            return Greet(socket.fd(), deadline);
        }
    }
    return SessionBusState::Absent;
}

SessionBusState ProbeSessionBus(std::chrono::milliseconds limit)
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return ProbeBusAddress(address, limit);
    // Without an address D-Bus looks for the bus in the runtime folder, then launches one.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime || ::access((std::string(runtime) + "/bus").c_str(), F_OK) != 0)
        return SessionBusState::Unchecked;
    return ProbeBusAddress("unix:path=" + std::string(runtime) + "/bus", limit);
}

bool HideSilentSessionBus(std::chrono::milliseconds limit)
{
    if (ProbeSessionBus(limit) != SessionBusState::Silent)
        return false;
    ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoSessionBusAddress, 1);
    return true;
}

} // namespace pelmora
