#include "screen/loupe_input.h"

#include "screen/loupe_painter.h"

#include <algorithm>

namespace pelmora {

LoupeKey ReadLoupeKey(int key, Qt::KeyboardModifiers modifiers)
{
    const int distance = (modifiers & Qt::ShiftModifier) ? 10 : 1;
    switch (key) {
    case Qt::Key_Escape:
        return {LoupeCommand::Cancel, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return {LoupeCommand::Pick, {}};
    case Qt::Key_Left:
        return {LoupeCommand::Move, {-distance, 0}};
    case Qt::Key_Right:
        return {LoupeCommand::Move, {distance, 0}};
    case Qt::Key_Up:
        return {LoupeCommand::Move, {0, -distance}};
    case Qt::Key_Down:
        return {LoupeCommand::Move, {0, distance}};
    default:
        return {};
    }
}

int LoupeAverageSize(Qt::KeyboardModifiers modifiers, int stored)
{
    if (modifiers & Qt::ControlModifier)
        return (modifiers & Qt::ShiftModifier) ? 5 : 3;
    return stored;
}

int LoupeZoomAfter(int zoom, int angleDeltaY) { return std::clamp(zoom + angleDeltaY / 120, kMinZoom, kMaxZoom); }

} // namespace pelmora
