#include "platform/hex_color_text.h"

#include <algorithm>

namespace pelmora {
namespace {

bool IsHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

} // namespace

QString HexColorText(Color color)
{
    return QStringLiteral("#%1").arg(
        (color.red() << 16) | (color.green() << 8) | color.blue(), 6, 16, QLatin1Char('0'));
}

std::optional<Color> HexColorFromText(const QString& text)
{
    if (text.size() != 7 || text[0] != u'#' || !std::all_of(text.begin() + 1, text.end(), IsHexDigit))
        return std::nullopt;
    const uint rrggbb = text.mid(1).toUInt(nullptr, 16);
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

} // namespace pelmora
