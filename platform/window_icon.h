#pragma once
// The window icon from the program's own artwork.

#include <QIcon>
#include <QString>

class QWidget;

namespace pelmora {

// The program's icon group. Its images are the embedded files ":/icons/pelmora-<size>.png".
inline constexpr char kProgramIconGroup[] = "AAA";

// Every image of the icon group `name` ("AAA" or "pelmora" for the program's own): 16, 32, 48, 64 and
// 128 pixels. An unknown group gives an empty icon.
QIcon LoadIconGroup(const QString& name);

// Gives `window` the icon group `name`; with `setOnOwner`, first gives it to the window's top-level
// owner too (the window the task switcher shows). A missing group leaves the windows with no icon.
void ApplyWindowIcon(QWidget* window, const QString& name, bool setOnOwner);

} // namespace pelmora
