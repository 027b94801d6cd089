#include "notations/read_any_color.h"

#include "color/notation.h"
#include "notations/notation_table.h"
#include "notations/text_scanner.h"

namespace pelmora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// What is left once the wrapping a pasted value often carries is taken off.
std::string_view Unwrap(std::string_view s)
{
    s = Trim(s);
    if (!s.empty() && s.back() == ';')
        s = Trim(s.substr(0, s.size() - 1));
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = Trim(s.substr(1, s.size() - 2));
    return s;
}

} // namespace

ReadResult ReadAnyColor(std::string_view text, const SystemColors& systemColors)
{
    const std::string_view value = Unwrap(text);
    const auto offset = static_cast<std::size_t>(value.data() - text.data());
    if (value.empty())
        return ReadResult::Failure(text, offset, "no colour in an empty text");

    ReadResult furthest;
    for (const Notation& notation : BuiltInNotations()) {
        ReadResult result = notation.read(value);
        if (result.color)
            return result;
        if (result.position > furthest.position)
            furthest = std::move(result);
    }
    if (const auto legacy = ParseColorNotation(value)) {
        if (legacy->isRgb())
            return ReadResult::Of(*legacy);
        if (legacy->isSystemCode() && (legacy->value() & 0xFF) < kSysColorCount)
            return ReadResult::Of(systemColors.GetSysColor(legacy->value() & 0xFF));
        return ReadResult::Failure(text, offset, "not an RGB colour or a system colour");
    }
    // Nothing got past the first character: say so plainly instead of one notation's complaint.
    if (furthest.position <= 1) {
        TextScanner scan(value);
        const std::string_view word = scan.word();
        const std::string reason = !word.empty() && scan.atEnd() ? "'" + std::string(word) + "' is not a colour name"
                                                                 : std::string("no colour notation starts here");
        return ReadResult::Failure(text, offset, reason);
    }
    // Positions were counted within the unwrapped value; count them within the whole text.
    const std::size_t shift = ReadResult::Failure(text, offset, "").position - 1;
    furthest.message.replace(furthest.message.rfind(std::to_string(furthest.position)), std::string::npos,
        std::to_string(furthest.position + shift));
    furthest.position += shift;
    return furthest;
}

} // namespace pelmora
