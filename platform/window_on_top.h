#pragma once
// Moving a window into or out of the top-most layer.

class QWidget;

namespace pelmora {

// Only `onTop` true selects the top-most layer. The window keeps its position, size and visibility.
void SetWindowOnTop(QWidget* window, bool onTop);

} // namespace pelmora
