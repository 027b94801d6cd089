#include "outputs/output_panel.h"

#include <charconv>

namespace pelmora {
namespace {

std::string Labelled(std::string_view label, int value)
{
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string line(label);
    line.append(buffer, end);
    return line;
}

} // namespace

int CopySourceField(int cmdCopyIndex)
{
    for (const VisibleCode& code : kVisibleCodes)
        if (code.copy == cmdCopyIndex)
            return code.field;
    return -1;
}

std::array<std::string, 4> ReadoutLines(Channels channels, std::string_view hex)
{
    std::string hexLine("Hex: #");
    hexLine += hex;
    return {Labelled("R: ", channels.r), Labelled("G: ", channels.g), Labelled("B: ", channels.b), std::move(hexLine)};
}

} // namespace pelmora
