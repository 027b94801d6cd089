#include "color/color.h"

#include <iomanip>
#include <ostream>

namespace pelmora {

std::ostream& operator<<(std::ostream& out, Color color)
{
    const auto flags = out.flags();
    out << color.value();
    if (color.isRgb()) {
        out << " (r " << color.red() << ", g " << color.green() << ", b " << color.blue() << ')';
    } else {
        out << " (&H" << std::hex << std::uppercase << static_cast<std::uint32_t>(color.value()) << "&)";
    }
    out.flags(flags);
    return out;
}

} // namespace pelmora
