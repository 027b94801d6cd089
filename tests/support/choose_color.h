#pragma once
// Making a colour current in a main window under test the way a user can: its code pasted into the
// window. The window's controller takes it and the window shows what it answers, as after a pick.

#include "color/channels.h"
#include "mainwindow/main_window.h"
#include "mainwindow/paste_target.h"

#include <QColor>

namespace pelmora {

inline void ChooseColor(MainWindow& window, Color color)
{
    const Channels rgb = SplitChannels(color);
    window.pasteTarget().readText(QColor(rgb.r, rgb.g, rgb.b).name());
}

} // namespace pelmora
