#include "platform/window_font.h"

#include <QStringList>

namespace pelmora {

QFont WindowFont(int pixelSize, bool bold)
{
    QFont font({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace pelmora
