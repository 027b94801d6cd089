// Prints a line for every top-level window the X server maps or unmaps, "map NAME" or "unmap NAME",
// in the order the server does it, until it is killed. The first line, "ready", says it is watching.
// A short-lived window (a splash) shows up here even when no poll would catch it on the screen.
// A window can be gone by the time its unmapping is read; the name it was mapped with is kept for
// that line.

#include <X11/Xlib.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// A window can be gone by the time its name is asked for; that is no error for a log.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_log: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::map<Window, std::string> mappedNames;
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify && event.type != UnmapNotify)
            continue;
        const Window window = event.type == MapNotify ? event.xmap.window : event.xunmap.window;
        char* fetched = nullptr;
        XFetchName(display, window, &fetched);
        std::string name = fetched ? fetched : "";
        if (fetched)
            XFree(fetched);
        if (event.type == MapNotify && !name.empty())
            mappedNames[window] = name;
        else if (name.empty())
            name = mappedNames[window];
        std::printf("%s %s\n", event.type == MapNotify ? "map" : "unmap", name.c_str());
        std::fflush(stdout);
    }
}
