#include "palette/json_palette.h"

#include "palette/palette_text.h"
#include "palette/utf16.h"

#include <charconv>
#include <cmath>

namespace pelmora {
namespace {

constexpr std::size_t kMaxDepth = 32;

void AppendJsonString(std::string& out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A reader of the palette schema straight from the text: values the schema does not use are
// checked and skipped without being stored, so memory stays bounded by the colours kept.
class JsonPaletteReader {
public:
    JsonPaletteReader(std::string_view text, const ColorReader& reader)
        : text_(text)
        , reader_(reader)
    {
    }

    PaletteReadResult read()
    {
        Palette palette;
        bool sawColors = false;
        const bool parsed = object([&](std::string_view key) {
            if (key == "name")
                return string(palette.name) && nameFits(palette.name);
            if (key == "columns")
                return columns(palette.columns);
            if (key == "colors") {
                sawColors = true;
                return array([&] { return colorEntry(palette); });
            }
            return skipValue(0);
        });
        if (parsed && !sawColors)
            fail(0, "the palette has no \"colors\" list");
        if (parsed && !error_) {
            skipBlanks();
            if (pos_ < text_.size())
                fail(pos_, "text follows the palette object");
        }
        if (error_)
            return {{}, std::move(error_)};
        return {std::move(palette), std::nullopt};
    }

private:
    bool fail(std::size_t at, std::string reason)
    {
        if (!error_)
            error_ = PaletteError{PaletteError::Place::Line, LineCursor::LineOf(text_, at), std::move(reason)};
        return false;
    }

    void skipBlanks()
    {
        while (pos_ < text_.size()
            && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool peek(char c)
    {
        skipBlanks();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    bool expect(char c, std::string_view what)
    {
        if (peek(c)) {
            ++pos_;
            return true;
        }
        if (pos_ >= text_.size())
            return fail(pos_, "the file ends where " + std::string(what) + " should follow");
        return fail(pos_, "expected " + std::string(what) + ", found " + Quoted(text_.substr(pos_, 12)));
    }

    // { "key": value, ... } calling member(key) to read each value.
    template <typename Member> bool object(Member&& member)
    {
        if (!expect('{', "'{'"))
            return false;
        if (peek('}'))
            return ++pos_, true;
        do {
            std::string key;
            if (!string(key) || !expect(':', "':'") || !member(std::string_view(key)))
                return false;
        } while (peek(',') && ++pos_);
        return expect('}', "',' or '}'");
    }

    template <typename Item> bool array(Item&& item)
    {
        if (!expect('[', "'['"))
            return false;
        if (peek(']'))
            return ++pos_, true;
        do {
            if (!item())
                return false;
        } while (peek(',') && ++pos_);
        return expect(']', "',' or ']'");
    }

    bool hexDigits(std::size_t at, unsigned& value)
    {
        if (at + 4 > text_.size())
            return false;
        const auto [end, ec] = std::from_chars(text_.data() + at, text_.data() + at + 4, value, 16);
        return ec == std::errc() && end == text_.data() + at + 4;
    }

    bool string(std::string& out)
    {
        if (!expect('"', "a string"))
            return false;
        const std::size_t start = pos_;
        out.clear();
        while (pos_ < text_.size() && text_[pos_] != '"') {
            const char c = text_[pos_];
            if (static_cast<unsigned char>(c) < 0x20)
                return fail(pos_, "a line end or control character inside a string");
            if (c != '\\') {
                out += c;
                ++pos_;
                continue;
            }
            if (pos_ + 1 >= text_.size())
                break;
            const char escaped = text_[pos_ + 1];
            pos_ += 2;
            switch (escaped) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u':
                if (!unicodeEscape(out))
                    return false;
                break;
            default:
                return fail(pos_ - 2, "unknown escape '\\" + std::string(1, escaped) + "' in a string");
            }
        }
        if (pos_ >= text_.size())
            return fail(start, "a string is never closed");
        ++pos_;
        return true;
    }

    // After "\u": four hex digits, a surrogate pair written as two escapes, as UTF-8.
    bool unicodeEscape(std::string& out)
    {
        unsigned code = 0;
        if (!hexDigits(pos_, code))
            return fail(pos_ - 2, "'\\u' must be followed by four hexadecimal digits");
        pos_ += 4;
        if (code >= 0xDC00 && code <= 0xDFFF)
            return fail(pos_ - 6, "a lone UTF-16 surrogate in a string");
        if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (pos_ + 6 > text_.size() || text_[pos_] != '\\' || text_[pos_ + 1] != 'u' || !hexDigits(pos_ + 2, low)
                || low < 0xDC00 || low > 0xDFFF)
                return fail(pos_ - 6, "a lone UTF-16 surrogate in a string");
            pos_ += 6;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    // A JSON number; `whole` is set when it is an integer that fits.
    bool number(std::optional<long long>& whole, std::size_t& at)
    {
        skipBlanks();
        at = pos_;
        const std::size_t end = text_.find_first_not_of("+-0123456789.eE", pos_);
        const std::string_view digits = text_.substr(pos_, (end == std::string_view::npos ? text_.size() : end) - pos_);
        double value = 0;
        const auto [stop, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || digits[0] == '+' || stop != digits.data() + digits.size()
            || (ec != std::errc() && ec != std::errc::result_out_of_range))
            return fail(at, "expected a number, found " + Quoted(text_.substr(pos_, 12)));
        pos_ += digits.size();
        whole.reset();
        long long integer = 0;
        const auto [intStop, intEc] = std::from_chars(digits.data(), digits.data() + digits.size(), integer);
        if (intEc == std::errc() && intStop == digits.data() + digits.size())
            whole = integer;
        return true;
    }

    bool wholeInRange(long long low, long long high, long long& out, std::string_view what)
    {
        std::optional<long long> whole;
        std::size_t at = 0;
        if (!number(whole, at))
            return false;
        if (!whole || *whole < low || *whole > high)
            return fail(at,
                std::string(what) + " must be a whole number from " + std::to_string(low) + " to "
                    + std::to_string(high) + ", found " + Quoted(text_.substr(at, pos_ - at)));
        out = *whole;
        return true;
    }

    bool columns(int& out)
    {
        long long value = 0;
        if (!wholeInRange(0, 256, value, "\"columns\""))
            return false;
        out = static_cast<int>(value);
        return true;
    }

    bool nameFits(const std::string& name)
    {
        if (name.size() > kMaxPaletteNameBytes)
            return fail(pos_, "a name is longer than " + std::to_string(kMaxPaletteNameBytes) + " bytes");
        return true;
    }

    bool colorText(std::size_t at, const std::string& text, Color& color)
    {
        const std::optional<Color> read = reader_ ? reader_(text) : std::nullopt;
        if (!read)
            return fail(at, Quoted(text) + " is not a colour");
        color = *read;
        return true;
    }

    bool colorEntry(Palette& palette)
    {
        skipBlanks();
        const std::size_t at = pos_;
        if (palette.entries.size() == kMaxPaletteColors)
            return fail(at, "more than " + std::to_string(kMaxPaletteColors) + " colours");
        PaletteEntry entry;
        if (peek('"')) {
            std::string text;
            if (!string(text) || !colorText(at, text, entry.color))
                return false;
            palette.entries.push_back(std::move(entry));
            return true;
        }
        std::optional<Color> fromHex;
        std::optional<Color> fromRgb;
        const bool parsed = object([&](std::string_view key) {
            skipBlanks();
            const std::size_t valueAt = pos_;
            if (key == "name")
                return string(entry.name) && nameFits(entry.name);
            if (key == "hex") {
                std::string text;
                Color color;
                if (!string(text) || !colorText(valueAt, text, color))
                    return false;
                fromHex = color;
                return true;
            }
            if (key == "rgb") {
                long long channels[3] = {};
                int count = 0;
                constexpr std::string_view kNames[] = {"red", "green", "blue"};
                if (!array([&] {
                        if (count == 3)
                            return fail(pos_, "\"rgb\" holds more than three numbers");
                        return wholeInRange(0, 255, channels[count], kNames[count]) && ++count;
                    }))
                    return false;
                if (count != 3)
                    return fail(valueAt, "\"rgb\" must hold three numbers: red, green, blue");
                fromRgb
                    = RGB(static_cast<int>(channels[0]), static_cast<int>(channels[1]), static_cast<int>(channels[2]));
                return true;
            }
            return skipValue(1);
        });
        if (!parsed)
            return false;
        if (!fromHex && !fromRgb)
            return fail(at, "a colour needs \"hex\" or \"rgb\"");
        entry.color = fromHex ? *fromHex : *fromRgb;
        palette.entries.push_back(std::move(entry));
        return true;
    }

    bool literal(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word)
            return fail(pos_, "expected a value, found " + Quoted(text_.substr(pos_, 12)));
        pos_ += word.size();
        return true;
    }

    bool skipValue(std::size_t depth)
    {
        if (depth >= kMaxDepth)
            return fail(pos_, "values nested deeper than " + std::to_string(kMaxDepth));
        skipBlanks();
        if (pos_ >= text_.size())
            return fail(pos_, "the file ends where a value should follow");
        switch (text_[pos_]) {
        case '{':
            return object([&](std::string_view) { return skipValue(depth + 1); });
        case '[':
            return array([&] { return skipValue(depth + 1); });
        case '"': {
            std::string ignored;
            return string(ignored);
        }
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default: {
            std::optional<long long> ignored;
            std::size_t at = 0;
            return number(ignored, at);
        }
        }
    }

    std::string_view text_;
    const ColorReader& reader_;
    std::size_t pos_ = 0;
    std::optional<PaletteError> error_;
};

} // namespace

std::string WriteJsonPalette(const Palette& palette)
{
    std::string out = "{\n  \"name\": ";
    AppendJsonString(out, palette.name);
    out += ",\n  \"columns\": " + std::to_string(palette.columns) + ",\n  \"colors\": [";
    bool first = true;
    for (const PaletteEntry& entry : palette.entries) {
        out += first ? "\n    {\"name\": " : ",\n    {\"name\": ";
        first = false;
        AppendJsonString(out, entry.name);
        out += ", \"hex\": \"" + HexText(entry.color) + "\", \"rgb\": [" + std::to_string(entry.color.red()) + ", "
            + std::to_string(entry.color.green()) + ", " + std::to_string(entry.color.blue()) + "]}";
    }
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

PaletteReadResult ReadJsonPalette(std::string_view bytes, const ColorReader& reader)
{
    std::string_view text;
    if (auto error = CheckPaletteText(bytes, text))
        return {{}, std::move(error)};
    return JsonPaletteReader(text, reader).read();
}

} // namespace pelmora
