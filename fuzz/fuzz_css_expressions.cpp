// CSS colour text with calc(), color-mix() and relative colours: no crash, no hang, no stack overflow
// however deep the nesting, a message with a position for every refusal, and a colour read from the
// text reads the same again when the text is wrapped in a relative colour that changes nothing.
// The reader's shortcuts change nothing: the quick reading of the plain forms gives the general
// reader's colour to the bit, a colour read only to be counted reads or fails as a shown one, and a
// plain number read the quick way is the general reader's number to the bit.

#include "notations/css_color_reader.h"
#include "notations/plain_css_color.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void CheckShortcuts(std::string_view text)
{
    pelmora::TextScanner general(text);
    pelmora::TextScanner quick(text);
    pelmora::TextScanner counted(text);
    pelmora::ReadResult generalError;
    pelmora::ReadResult quickError;
    pelmora::ReadResult countedError;
    const auto generally = pelmora::ReadCssColorGenerally(general, generalError);
    const auto quickly = pelmora::ReadCssColorAt(quick, 0, quickError);
    const auto onlyCounted = pelmora::ReadCssColorAt(counted, 0, countedError, pelmora::CssColorUse::Counted);
    if (generally.has_value() != quickly.has_value() || general.offset() != quick.offset()
        || (generally && !pelmora::IdenticalCssColors(*generally, *quickly))
        || generalError.message != quickError.message)
        std::abort();
    if (quickly.has_value() != onlyCounted.has_value() || quick.offset() != counted.offset()
        || quickError.message != countedError.message)
        std::abort();
}

// At every place a number could start.
void CheckPlainNumbers(std::string_view text)
{
    for (std::size_t at = text.find_first_of("+-.0123456789"); at != std::string_view::npos;
         at = text.find_first_of("+-.0123456789", at + 1)) {
        pelmora::TextScanner quick(text);
        quick.skip(at);
        const auto plain = quick.plainNumber();
        if (!plain) {
            if (quick.offset() != at)
                std::abort();
            continue;
        }
        pelmora::TextScanner general(text);
        general.skip(at);
        pelmora::ReadResult error;
        const auto value = general.cssValue(error);
        if (!value || value->kind != pelmora::CssValue::Kind::Number || general.offset() != quick.offset()
            || std::memcmp(&value->value, &*plain, sizeof *plain) != 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckShortcuts(text);
    CheckPlainNumbers(text);
    const pelmora::ReadResult read = pelmora::ReadCssColorText(text);
    if (!read.color) {
        if (read.message.empty() || read.position == 0 || read.position > size + 1)
            std::abort();
        return 0;
    }
    if (!read.color->isRgb() || !(read.alpha >= 0 && read.alpha <= 1))
        std::abort();
    // rgb(from C r g b / alpha) is C itself whenever C is an sRGB colour written with rgb() or hex.
    if (text.starts_with("rgb(") || text.starts_with("#")) {
        const std::string relative = "rgb(from " + std::string(text) + " r g b / alpha)";
        const pelmora::ReadResult again = pelmora::ReadCssColorText(relative);
        if (again.color && again.color != read.color)
            std::abort();
    }
    return 0;
}
