#include "app/json_text.h"

#include <charconv>
#include <ostream>

namespace pelmora {

void WriteJsonString(std::ostream& out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20) {
            out << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else {
            out << c;
        }
    }
    out << '"';
}

void WriteJsonNumber(std::ostream& out, double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.write(buffer, end - buffer);
}

} // namespace pelmora
