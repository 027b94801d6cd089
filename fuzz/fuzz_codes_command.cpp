// `pelmora codes` on any command line (the input's words are separated by NUL bytes): it never
// crashes, exits 0 or 2 (1 when its output cannot be written), says nothing on stderr that a
// terminal would act on, and its JSON is valid UTF-8 JSON of the documented shape.

#include "app/codes_command.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace {

// An output that fails as soon as anything is written.
class BrokenOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

// The length of a well-formed UTF-8 sequence at `text[i]`, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

// Valid UTF-8 without control characters other than line ends (C1 controls included).
bool IsSafeForATerminal(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0)
            return false;
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F)
            return false;
        if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            return false;
        i += length;
    }
    return true;
}

// A reader for the one shape `--json` prints: an array of objects whose values are strings, null,
// true, false, numbers or objects of those ("notations", "name").
class JsonShape {
public:
    explicit JsonShape(std::string_view text)
        : text_(text)
    {
    }

    bool isArrayOfObjects()
    {
        if (!take('['))
            return false;
        if (take(']'))
            return atEnd();
        do {
            if (!object())
                return false;
        } while (take(','));
        return take(']') && atEnd();
    }

private:
    void blanks()
    {
        while (i_ < text_.size() && (text_[i_] == ' ' || text_[i_] == '\n'))
            ++i_;
    }
    bool take(char c)
    {
        blanks();
        if (i_ < text_.size() && text_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool atEnd()
    {
        blanks();
        return i_ == text_.size();
    }
    bool object(bool nested = false)
    {
        if (!take('{'))
            return false;
        do {
            if (!string() || !take(':') || !value(nested))
                return false;
        } while (take(','));
        return take('}');
    }
    bool value(bool nested)
    {
        blanks();
        if (!nested && i_ < text_.size() && text_[i_] == '{')
            return object(true);
        return string() || word("null") || word("true") || word("false") || number();
    }
    bool digits()
    {
        const std::size_t start = i_;
        while (i_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[i_])))
            ++i_;
        return i_ > start;
    }
    bool number()
    {
        blanks();
        if (i_ < text_.size() && text_[i_] == '-')
            ++i_;
        if (!digits())
            return false;
        if (i_ < text_.size() && text_[i_] == '.' && (++i_, !digits()))
            return false;
        if (i_ < text_.size() && (text_[i_] == 'e' || text_[i_] == 'E')) {
            ++i_;
            if (i_ < text_.size() && (text_[i_] == '+' || text_[i_] == '-'))
                ++i_;
            return digits();
        }
        return true;
    }
    bool word(std::string_view literal)
    {
        blanks();
        if (!text_.substr(i_).starts_with(literal))
            return false;
        i_ += literal.size();
        return true;
    }
    bool string()
    {
        if (!take('"'))
            return false;
        while (i_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (++i_ >= text_.size())
                    return false;
                const char escaped = text_[i_++];
                if (escaped == 'u') {
                    for (int k = 0; k < 4; ++k, ++i_) {
                        if (i_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[i_])))
                            return false;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                    return false;
                }
                continue;
            }
            const std::size_t length = Utf8Length(text_, i_);
            if (length == 0)
                return false;
            i_ += length;
        }
        return false;
    }

    std::string_view text_;
    std::size_t i_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses a working or a broken output; the rest are the words.
    const bool brokenOutput = (data[0] & 1) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string_view> args;
    for (std::size_t start = 0; start <= input.size() && args.size() < 64;) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    std::ostringstream err;
    if (brokenOutput) {
        BrokenOutput device;
        std::ostream out(&device);
        const int status = pelmora::RunCodesCommand(args, out, err);
        // Usage errors print nothing and keep their 2; everything else wrote something and lost it.
        if (status != 1 && status != 2)
            std::abort();
        if (!IsSafeForATerminal(err.str()))
            std::abort();
        return 0;
    }
    std::ostringstream out;
    const int status = pelmora::RunCodesCommand(args, out, err);
    if (status != 0 && status != 2)
        std::abort();
    if (!IsSafeForATerminal(err.str()))
        std::abort();
    const std::string printed = out.str();
    if (printed.starts_with('[') && !JsonShape(printed).isArrayOfObjects())
        std::abort();
    if (!printed.starts_with('[') && !IsSafeForATerminal(printed))
        std::abort();
    return 0;
}
