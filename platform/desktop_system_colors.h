#pragma once
// The 25 system colours of the display elements, taken from the desktop's palette and kept up to date
// when the desktop theme changes.

#include "color/system_colors.h"

#include <QObject>
#include <QPalette>

#include <array>

namespace pelmora {

// The table for one palette. Which palette role stands for which display element:
//
//   element                 palette group  role
//   ----------------------  -------------  ----------------
//    0 scroll bars           active         Button
//    1 desktop               active         Dark
//    2 active title bar      active         Highlight
//    3 inactive title bar    inactive       Mid
//    4 menu bar              active         Window
//    5 window background     active         Base
//    6 window frame          active         Dark
//    7 menu text             active         WindowText
//    8 window text           active         Text
//    9 title bar text        active         HighlightedText
//   10 active border         active         Window
//   11 inactive border       inactive       Window
//   12 application workspace active         Mid
//   13 highlight             active         Highlight
//   14 highlight text        active         HighlightedText
//   15 button face           active         Button
//   16 button shadow         active         Dark
//   17 grey text             disabled       Text
//   18 button text           active         ButtonText
//   19 inactive caption text disabled       WindowText
//   20 3D highlight          active         Light
//   21 3D dark shadow        active         Shadow
//   22 3D light              active         Midlight
//   23 info text             active         ToolTipText
//   24 info background       active         ToolTipBase
//
// Qt has no roles for the desktop, the window frame or the title bars; the nearest shades stand in.
std::array<Color, kSysColorCount> SystemColorTable(const QPalette& palette);

// The running program's system colours: the application palette, refreshed when it changes.
class DesktopSystemColors final : public QObject, public SystemColors {
    Q_OBJECT
public:
    explicit DesktopSystemColors(QObject* parent = nullptr);
    Color GetSysColor(int index) const override;
    using SystemColors::GetSysColor;

signals:
    // The desktop's palette changed and the table has been read again; callers repaint what uses it.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    std::array<Color, kSysColorCount> table_{};
};

} // namespace pelmora
