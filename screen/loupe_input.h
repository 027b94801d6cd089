#pragma once
// What the loupe's keys and wheel do, the same on the live screen and on a screenshot.

#include <QPoint>
#include <Qt>

namespace pelmora {

enum class LoupeCommand { None, Pick, Cancel, Move };

struct LoupeKey {
    LoupeCommand command = LoupeCommand::None;
    QPoint step; // for Move, in pixels of what the loupe reads
};

// Enter, Return and Space pick; Esc cancels; an arrow moves by one pixel, with Shift by ten.
LoupeKey ReadLoupeKey(int key, Qt::KeyboardModifiers modifiers);

// The square averaged: Ctrl 3 x 3, Ctrl+Shift 5 x 5, otherwise `stored` (the settings' choice).
int LoupeAverageSize(Qt::KeyboardModifiers modifiers, int stored);

// The zoom after a turn of the wheel (`angleDeltaY` in eighths of a degree, 120 a notch).
int LoupeZoomAfter(int zoom, int angleDeltaY);

} // namespace pelmora
