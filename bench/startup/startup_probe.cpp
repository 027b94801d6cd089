// Starts a program and measures it the way a user meets it: the time from exec until the X server
// maps its window (waited for as an X event, not polled), then its resident memory and the CPU time it
// uses while sitting idle. Prints one line: "map_ms=<ms> rss_kb=<kB> idle_cpu_ms=<ms> first_map_ms=<ms>",
// the last being the time to the program's first mapped window of any name (a splash in front of the
// main window; the same as map_ms when the named window comes first).
//
// usage: startup_probe [--name REGEX] [--idle-ms MS] [--settle-ms MS] [--timeout-ms MS] -- PROGRAM [ARGS...]
//   --name       wait for a window whose name matches REGEX (extended); default: the first mapped one.
//   --settle-ms  time after mapping left for the first paint before idling counts (default 250).
//   --idle-ms    how long to watch the idle program's CPU time after settling (default 2000).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <regex.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// utime + stime in clock ticks; the command name in field 2 may hold blanks, so count from its ")".
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::strtol(field.c_str(), nullptr, 10);
        if (i == 15) {
            stime = std::strtol(field.c_str(), nullptr, 10);
            return utime + stime;
        }
    }
    return -1;
}

std::string windowName(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (name.empty()) {
        char* legacy = nullptr;
        if (XFetchName(display, window, &legacy) && legacy) {
            name = legacy;
            XFree(legacy);
        }
    }
    return name;
}

int usage(const char* self)
{
    std::fprintf(stderr,
        "usage: %s [--name REGEX] [--idle-ms MS] [--settle-ms MS] [--timeout-ms MS] -- PROGRAM [ARGS...]\n", self);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* pattern = nullptr;
    long idleMs = 2000;
    long settleMs = 250;
    long timeoutMs = 20000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            return usage(argv[0]);
        if (arg == "--name")
            pattern = argv[++first];
        else if (arg == "--idle-ms")
            idleMs = std::strtol(argv[++first], nullptr, 10);
        else if (arg == "--settle-ms")
            settleMs = std::strtol(argv[++first], nullptr, 10);
        else if (arg == "--timeout-ms")
            timeoutMs = std::strtol(argv[++first], nullptr, 10);
        else
            return usage(argv[0]);
    }
    if (first >= argc)
        return usage(argv[0]);

    regex_t regex{};
    if (pattern && regcomp(&regex, pattern, REG_EXTENDED | REG_NOSUB) != 0) {
        std::fprintf(stderr, "startup_probe: bad pattern %s\n", pattern);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    // Without a window manager every top-level window is a child of the root: its map is a
    // MapNotify on the root's substructure.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("startup_probe: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }

    std::optional<double> mappedAt;
    std::optional<double> firstMappedAt;
    const int fd = ConnectionNumber(display);
    while (!mappedAt) {
        while (XPending(display) > 0 && !mappedAt) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            const double at = nowMs();
            if (!firstMappedAt)
                firstMappedAt = at;
            if (!pattern || regexec(&regex, windowName(display, event.xmap.window).c_str(), 0, nullptr, 0) == 0)
                mappedAt = at;
        }
        if (mappedAt)
            break;
        const double left = static_cast<double>(timeoutMs) - (nowMs() - start);
        int status = 0;
        if (left <= 0 || waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup_probe: %s\n",
                left <= 0 ? "no window was mapped in time" : "the program ended before mapping a window");
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 1;
        }
        pollfd waitFor{fd, POLLIN, 0};
        poll(&waitFor, 1, static_cast<int>(left < 50 ? left : 50));
    }

    // The first paint follows the map; it is start-up work, not idling.
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const long cpuBefore = cpuTicks(child);
    usleep(static_cast<useconds_t>(idleMs) * 1000);
    const long cpuAfter = cpuTicks(child);
    const long rss = residentKb(child);

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (pattern)
        regfree(&regex);

    std::printf("map_ms=%.2f rss_kb=%ld idle_cpu_ms=%ld first_map_ms=%.2f\n", *mappedAt - start, rss,
        (cpuAfter - cpuBefore) * 1000 / ticksPerSecond, *firstMappedAt - start);
    return 0;
}
