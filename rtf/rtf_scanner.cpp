#include "rtf/rtf_scanner.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace pelmora {

namespace {

// Control-word parameters are 16-bit in practice; bigger ones are saturated here and then
// clamped to what each word can sensibly mean.
constexpr std::int64_t kParameterLimit = 2'000'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<int> ReadParameter(QByteArrayView input, qsizetype& position)
{
    std::optional<int> parameter;
    const bool negative = position + 1 < input.size() && input[position] == '-' && IsDigit(input[position + 1]);
    if (negative)
        ++position;
    if (position < input.size() && IsDigit(input[position])) {
        std::int64_t value = 0;
        while (position < input.size() && IsDigit(input[position])) {
            value = std::min(value * 10 + (input[position] - '0'), kParameterLimit);
            ++position;
        }
        parameter = static_cast<int>(negative ? -value : value);
    }
    return parameter;
}

} // namespace

bool IsRtfLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

RtfControlWord ReadRtfControlWord(QByteArrayView input, qsizetype& position)
{
    const qsizetype wordStart = position;
    while (position < input.size() && IsRtfLetter(input[position]))
        ++position;
    const std::string_view word(input.data() + wordStart, static_cast<std::size_t>(position - wordStart));
    RtfControlWord controlWord;
    controlWord.keyword = LookupRtfKeyword(word);
    controlWord.parameter = ReadParameter(input, position);
    if (position < input.size() && input[position] == ' ')
        ++position;
    return controlWord;
}

int ReadRtfHexByte(QByteArrayView input, qsizetype& position)
{
    int value = -1;
    if (position < input.size() && HexValue(input[position]) >= 0) {
        value = HexValue(input[position++]);
        if (position < input.size() && HexValue(input[position]) >= 0) {
            value = value * 16 + HexValue(input[position++]);
        }
    }
    return value;
}

int ClampRtfParameter(std::optional<int> value, int fallback, int low, int high)
{
    return std::clamp(value.value_or(fallback), low, high);
}

} // namespace pelmora
