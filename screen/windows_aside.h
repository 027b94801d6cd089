#pragma once
// The program's own windows step aside while a colour is picked from the screen, so that the pick
// reads what lies under them, and come back exactly where they were: a window manager would
// otherwise place a window shown again as if it were new (in the middle of the screen).

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

namespace pelmora {

class WindowsAside {
public:
    // Hides every window of the program that is on the screen, remembering where each one is.
    void hideAll();
    // Shows them again, each at its place, in the order they were hidden.
    void bringBack();

private:
    struct Hidden {
        QPointer<QWidget> window;
        QPoint position; // the top-left corner inside the frame, logical
        std::optional<QPoint> devicePosition; // the same on X11, in device pixels
    };
    std::vector<Hidden> hidden_;
};

} // namespace pelmora
