#pragma once
// Centring a window on a screen.

class QScreen;
class QWidget;

namespace pelmora {

// Places `window`, at its present size, in the middle of the screen's available area (the primary
// screen when `screen` is null); an odd pixel left over goes to the left and top margins.
// Without any screen the window stays where it is.
void CentreOnScreen(QWidget* window, const QScreen* screen = nullptr);

} // namespace pelmora
