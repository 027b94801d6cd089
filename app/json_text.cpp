#include "app/json_text.h"

#include "app/terminal_text.h"

#include <charconv>
#include <ostream>

namespace pelmora {

void WriteJsonString(std::ostream& out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out << '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20) {
            out << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else if (byte < 0x80) {
            out << c;
        } else if (char32_t codePoint = 0; const std::size_t length = Utf8Sequence(text.substr(i), codePoint)) {
            out << text.substr(i, length);
            i += length - 1;
        } else {
            // JSON is UTF-8: a byte that is not part of a character (a quoted argument may hold any)
            // is the replacement character, so that the output stays JSON.
            out << "\\ufffd";
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
