#include "notations/read_any_color.h"

#include "color/ascii_case.h"
#include "notations/css_color_reader.h"
#include "notations/named_colors.h"
#include "notations/notation_table.h"
#include "notations/panel_codes.h"
#include "notations/plain_css_color.h"
#include "notations/text_scanner.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pelmora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// What a byte is to the search among words, one lookup per byte of a sentence: part of a word
// (letters, digits, '-', '_'), a byte after which no word starts (those and '#'), the first byte of a
// colour (a letter or '#'), a hexadecimal digit.
enum ByteClass : std::uint8_t { kIdent = 1, kNoStartAfter = 2, kColorStart = 4, kHexDigit = 8 };
constexpr std::array<std::uint8_t, 256> kByteClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    const auto set = [&](char c, std::uint8_t bits) { classes[static_cast<unsigned char>(c)] = bits; };
    for (char c = '0'; c <= '9'; ++c)
        set(c, kIdent | kNoStartAfter | kHexDigit);
    for (char c = 'a'; c <= 'z'; ++c) {
        const std::uint8_t hex = c <= 'f' ? kHexDigit : 0;
        set(c, kIdent | kNoStartAfter | kColorStart | hex);
        set(static_cast<char>(c - 'a' + 'A'), kIdent | kNoStartAfter | kColorStart | hex);
    }
    set('-', kIdent | kNoStartAfter);
    set('_', kIdent | kNoStartAfter);
    set('#', kNoStartAfter | kColorStart);
    return classes;
}();

bool HasClass(char c, std::uint8_t bits) { return (kByteClasses[static_cast<unsigned char>(c)] & bits) != 0; }
bool IsIdentChar(char c) { return HasClass(c, kIdent); }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool EndsWithIgnoringCase(std::string_view s, std::string_view end)
{
    return s.size() >= end.size() && EqualsIgnoringCase(s.substr(s.size() - end.size()), end);
}

// `property:` before a CSS value, or nothing: "color", "background-color", "--brand".
std::string_view DeclarationValue(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsIdentChar(s[i]))
        ++i;
    const bool ident = i > 0 && !(s[0] >= '0' && s[0] <= '9');
    std::size_t colon = i;
    while (colon < s.size() && IsBlank(s[colon]))
        ++colon;
    if (!ident || colon >= s.size() || s[colon] != ':')
        return s;
    return Trim(s.substr(colon + 1));
}

// What is left once the wrapping a copied value often carries is taken off.
std::string_view Unwrap(std::string_view s)
{
    s = Trim(s);
    if (!s.empty() && s.back() == ';')
        s = Trim(s.substr(0, s.size() - 1));
    s = DeclarationValue(s);
    if (EndsWithIgnoringCase(s, "important")) {
        std::string_view before = Trim(s.substr(0, s.size() - 9));
        if (!before.empty() && before.back() == '!')
            s = Trim(before.substr(0, before.size() - 1));
    }
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = Trim(s.substr(1, s.size() - 2));
    return s;
}

// A failure counted within `value` moved to count within `text`, of which `value` is a part.
ReadResult Shifted(ReadResult result, std::string_view text, std::string_view value)
{
    if (result.color || value.data() == text.data())
        return result;
    const auto offset = static_cast<std::size_t>(value.data() - text.data());
    const std::size_t shift = CharactersIn(text.substr(0, offset));
    if (shift == 0)
        return result;
    // Only the number at the end changes: no new message is built.
    constexpr std::string_view kAt = " at position ";
    const std::string number = std::to_string(result.position);
    const std::string_view message = result.message;
    if (message.ends_with(number) && message.substr(0, message.size() - number.size()).ends_with(kAt))
        result.message.replace(message.size() - number.size(), number.size(), std::to_string(result.position + shift));
    result.position += shift;
    return result;
}

// The notations of the table that are not the panel's codes or CSS.
constexpr std::array<std::string_view, 4> kLiteralNotations = {"hex-0x", "android", "qcolor", "floats"};

// What reading one colour at the start of the text found: the whole-text read and the search among
// words both begin there, and the second takes it from the first instead of reading it again.
struct StartRead {
    bool panelCode = false; // the text is one of the panel's codes (a decimal, &H...&, 0x...)
    bool read = false;
    std::optional<Color> rgb; // the panel's RGB(r, g, b)
    std::optional<CssColor> css;
    TextScanner after{""}; // right after the colour
};

// The whole of `value` as one colour, or the failure that got furthest. A `quiet` read leaves the
// failures of the panel's RGB( and of the words after a CSS colour without a message: most such
// texts hold colours or failures further on, and the failure shown is read again for its message.
// Both are short to read again, unlike a CSS colour that fails, which is described at once.
ReadResult ReadWhole(std::string_view value, const SystemColors* systemColors, StartRead& start, bool quiet,
    NestedColorReads* nestedReads = nullptr)
{
    // The panel writes RGB(r, g, b) in capitals; written so, it is the panel's code and strict.
    if (value.starts_with("RGB(")) {
        TextScanner scan(value);
        scan.setQuiet(quiet);
        scan.skip(3); // "RGB"
        ReadResult error;
        start.read = true;
        start.rgb = scan.channelList(false, error);
        start.after = scan;
        return start.rgb ? scan.finish(*start.rgb) : error;
    }
    if (const auto code = ParseColorNotation(value)) {
        start.panelCode = true;
        if (code->isRgb() || !systemColors)
            return ReadResult::Of(*code);
        if (code->isSystemCode() && (code->value() & 0xFF) < kSysColorCount)
            return ReadResult::Of(systemColors->GetSysColor(code->value() & 0xFF));
        return ReadResult::Failure(value, 0, "not an RGB colour or a system colour");
    }
    TextScanner scan(value);
    ReadResult furthest;
    start.read = true;
    start.css = ReadCssColorAt(scan, 0, furthest, CssColorUse::Shown, nestedReads);
    start.after = scan;
    if (start.css) {
        // Only a colour that is the whole text is converted here; one followed by more words is
        // converted only if it turns out to be the text's one colour.
        scan.setQuiet(quiet);
        furthest = scan.finish(Color::black());
        if (furthest.color) {
            const MappedColor rgb = CssColorToRgb(*start.css);
            return ReadResult::Of(rgb.color, rgb.mapped, start.css->alphaMissing ? 0 : start.css->alpha);
        }
    }
    // Each of those fails at the first character unless the text starts with a digit, a sign, a
    // point or QColor, and a failure there never gets further than CSS's.
    const char first = AsciiLower(value.front());
    if (!(first == 'q' || first == '+' || first == '-' || first == '.' || (first >= '0' && first <= '9')))
        return furthest;
    for (const std::string_view name : kLiteralNotations) {
        ReadResult result = FindNotation(name)->read(value);
        if (result.color)
            return result;
        if (result.position > furthest.position)
            furthest = std::move(result);
    }
    return furthest;
}

// A colour found among words: a name or the panel's code as its colour, a CSS colour as read (it
// is converted only when it is the only one).
struct FoundColor {
    ReadResult read;
    std::optional<CssColor> css;
    std::size_t offset = 0;

    ReadResult result() const
    {
        if (!css)
            return read;
        const MappedColor rgb = CssColorToRgb(*css);
        return ReadResult::Of(rgb.color, rgb.mapped, css->alphaMissing ? 0 : css->alpha);
    }
};

// One colour at the scanner: the panel's RGB(r, g, b) or a CSS colour; the scanner stops after it.
// A CSS colour goes into `css`, unconverted.
ReadResult ReadCandidate(TextScanner& scan, std::optional<CssColor>& css, CssColorUse use = CssColorUse::Shown,
    NestedColorReads* nestedReads = nullptr)
{
    ReadResult read;
    if (scan.rest().starts_with("RGB(")) {
        scan.skip(3); // "RGB"
        if (const auto color = scan.channelList(false, read))
            read = ReadResult::Of(*color);
        return read;
    }
    css = ReadCssColorAt(scan, 0, read, use, nestedReads);
    return read;
}

// The colours that stand among other words of `value`: hex colours, CSS functions and names, and
// the panel's RGB(r, g, b), each a whole word. `failure` gets the furthest failure of a text that
// looked like a colour function or a hex colour. Every word is looked at once, and only words that
// can start a colour are read, so that a long sentence costs little more than a short one.
// The colours among words: the first as read, where the second starts, and how many there are.
struct FoundColors {
    std::optional<FoundColor> first;
    std::size_t secondOffset = 0;
    std::size_t count = 0;
    // Where the candidate that failed furthest starts, if any got further than the whole text's
    // read: it is read again for its message only when that failure is the answer.
    std::string_view failedFurthest;

    // Once there is one, the others only count: they need not be read for their colour.
    CssColorUse nextUse() const { return count == 0 ? CssColorUse::Shown : CssColorUse::Counted; }
    // `makeFirst` makes the FoundColor, only called for the first colour.
    void add(std::size_t offset, const auto& makeFirst)
    {
        if (count == 0) {
            first = makeFirst();
            ++count;
        } else {
            addAnother(offset);
        }
    }
    void addAnother(std::size_t offset)
    {
        if (count == 1)
            secondOffset = offset;
        ++count;
    }
};

FoundColors ColorsAmongWords(
    std::string_view value, const StartRead& start, NestedColorReads& nestedReads, std::size_t beaten)
{
    FoundColors found;
    // The furthest failure so far (a character position in `value`), and the candidate it came
    // from: only one that gets further than `beaten` is read again for its message.
    std::size_t furthest = beaten;
    std::string_view furthestRest;
    // Characters (not bytes) before `i`, kept up as `i` moves on.
    std::size_t characters = 0;
    std::size_t counted = 0;
    // Known at the first failure: a text of colours alone never needs it.
    std::optional<bool> ascii;
    const auto charactersBefore = [&](std::size_t i) {
        if (!ascii)
            ascii = CharactersIn(value) == value.size();
        if (*ascii)
            return i;
        // A long stretch eight bytes at a time, a short one (between two candidates) byte by byte.
        if (i > counted + 16) {
            characters += CharactersIn(value.substr(counted, i - counted));
            counted = i;
        }
        for (; counted < i; ++counted)
            characters += (static_cast<unsigned char>(value[counted]) & 0xC0) != 0x80 ? 1 : 0;
        return characters;
    };
    std::size_t i = 0;
    while (i < value.size()) {
        const char c = value[i];
        const bool wordStart = i == 0 || !HasClass(value[i - 1], kNoStartAfter);
        if (!wordStart || !HasClass(c, kColorStart)) {
            // No word starts within the rest of a word, nor right after '#'.
            const bool runFollows = HasClass(c, kNoStartAfter);
            ++i;
            while (runFollows && i < value.size() && IsIdentChar(value[i]))
                ++i;
            continue;
        }
        const std::string_view rest = value.substr(i);
        // A bare word is a colour only as a CSS name, and a word before '(' only as a colour
        // function: looking it up is all it needs, and the many words of a sentence cost no messages.
        std::string_view name;
        bool call = false;
        bool notPlain = false; // the quick reader would not read it: the general reader alone is asked
        // What an earlier reading found of a function here (but the panel's RGB( is strict on its own).
        const NestedColorReads::Read* known = nullptr;
        // The function a call names, looked up once: a call read before needs no lookup to be skipped.
        CssFunction function = CssFunction::Unknown;
        if (c != '#') {
            std::size_t end = i + 1;
            while (end < value.size() && IsIdentChar(value[end]))
                ++end;
            name = rest.substr(0, end - i);
            call = end < value.size() && value[end] == '(';
            if (!call) {
                // A name is its colour (transparent, black without alpha): nothing more to read.
                const bool transparent = EqualsIgnoringCase(name, "transparent");
                if (const auto named = transparent ? Color::black() : CssColorOfName(name))
                    found.add(i, [&] { return FoundColor{ReadResult::Of(*named, false, transparent ? 0 : 1), {}, i}; });
                i += name.size();
                continue;
            }
            if (name != "RGB") {
                known = nestedReads.find(rest.data());
                if (!known)
                    function = CssFunctionNamed(name);
            }
            if (found.count > 0 && name != "RGB" && !known) {
                // Only counted: a plain colour function needs no more than a look at its characters.
                const std::size_t length = PlainCssFunctionLength(function, value.substr(end + 1));
                const std::size_t after = end + 1 + length;
                if (length > 0 && (after == value.size() || !IsIdentChar(value[after]))) {
                    found.addAnother(i);
                    i = after;
                    continue;
                }
                notPlain = length == 0;
            }
            if (name != "RGB" && !known && function == CssFunction::Unknown) {
                i += name.size();
                continue;
            }
        }
        if (c == '#') {
            // Not 3, 4, 6 or 8 hexadecimal digits: no colour, and the failure is at the digits.
            std::size_t end = i + 1;
            while (end < value.size() && HasClass(value[end], kHexDigit))
                ++end;
            const std::size_t count = end - i - 1;
            const bool wordFollows = end < value.size() && IsIdentChar(value[end]);
            if ((count != 3 && count != 4 && count != 6 && count != 8) || wordFollows) {
                const std::size_t position = charactersBefore(i) + 2;
                if (position > furthest) {
                    furthest = position;
                    furthestRest = rest;
                }
                ++i;
                continue;
            }
            if (found.count > 0) {
                // Those digits are a colour, and this one is only counted.
                found.addAnother(i);
                i += 1 + count;
                continue;
            }
        }
        // Read already, inside a colour before it: a failure there was that colour's failure too,
        // which got as far, a colour after the first is only counted, and the first is taken with
        // the value that read kept.
        if (known) {
            const CssColor* color = found.count == 0 ? nestedReads.colorAt(rest.data()) : nullptr;
            if (!known->read || found.count > 0 || color) {
                const auto end = static_cast<std::size_t>(known->end - value.data());
                if (known->read && (end == value.size() || !IsIdentChar(value[end]))) {
                    found.add(i, [&] { return FoundColor{{}, *color, i}; });
                    i = end;
                    continue;
                }
                ++i;
                continue;
            }
        }
        TextScanner scan(rest);
        if (i == 0 && start.read) {
            // Read already; a failure there is the whole text's, which needs no second look.
            if (!(start.css || start.rgb)) {
                ++i;
                continue;
            }
            scan = start.after;
        }
        ReadResult read;
        std::optional<CssColor> css;
        if (i == 0 && start.read) {
            css = start.css;
            if (start.rgb)
                read = ReadResult::Of(*start.rgb);
        } else if (call && name != "RGB") {
            // The name is looked at already: the plain forms are read at once, the others by the
            // general reader from the '(' on.
            TextScanner arguments(rest);
            arguments.skip(name.size() + 1);
            arguments.setQuiet(true);
            if (known)
                function = CssFunctionNamed(name);
            if (!notPlain)
                css = ReadPlainCssFunction(function, arguments, found.nextUse());
            if (!css)
                css = ReadCssFunctionAt(arguments, function, name, 0, read, found.nextUse(), &nestedReads);
            scan = arguments;
        } else {
            scan.setQuiet(true);
            read = ReadCandidate(scan, css, found.nextUse(), &nestedReads);
        }
        const bool wholeWord = scan.atEnd() || !IsIdentChar(scan.peek());
        if ((read.color || css) && wholeWord) {
            found.add(i, [&] { return FoundColor{std::move(read), std::move(css), i}; });
            i += scan.offset();
            continue;
        }
        const bool looksLikeColor = c == '#' || call;
        if (!read.color && !css && looksLikeColor && read.position > 0) {
            const std::size_t position = charactersBefore(i) + read.position;
            if (position > furthest) {
                furthest = position;
                furthestRest = rest;
            }
        }
        ++i;
    }
    found.failedFurthest = furthestRest;
    return found;
}

ReadResult ReadColorText(std::string_view text, const SystemColors* systemColors)
{
    const std::string_view value = Unwrap(text);
    const auto offset = static_cast<std::size_t>(value.data() - text.data());
    if (value.empty())
        return ReadResult::Failure(text, offset, "no colour in an empty text");

    StartRead start;
    NestedColorReads nestedReads;
    ReadResult whole = ReadWhole(value, systemColors, start, true, &nestedReads);
    // A panel code that is not a colour (a negative decimal) is answered as such, not searched.
    if (whole.color || (systemColors && start.panelCode))
        return Shifted(whole, text, value);
    const FoundColors found = ColorsAmongWords(value, start, nestedReads, whole.position);
    if (found.count == 1)
        return found.first->result();
    if (found.count > 1) {
        constexpr std::string_view kHolds = "the text holds ";
        constexpr std::string_view kKeepOne = " colours, the second starting here; keep only one";
        const std::string count = std::to_string(found.count);
        std::string reason;
        reason.reserve(kHolds.size() + count.size() + kKeepOne.size());
        reason.append(kHolds).append(count).append(kKeepOne);
        return ReadResult::Failure(text, offset + found.secondOffset, reason);
    }
    // The failure shown, read once more for its message.
    if (!found.failedFurthest.empty()) {
        TextScanner scan(found.failedFurthest);
        std::optional<CssColor> css;
        whole = Shifted(ReadCandidate(scan, css), value, found.failedFurthest);
    } else if (whole.message.empty()) {
        StartRead again;
        whole = ReadWhole(value, systemColors, again, false);
    }
    // Nothing got past the first character: say so plainly instead of one notation's complaint,
    // unless that complaint is a reason the text was refused for (currentcolor, var() ...).
    const bool complaint
        = whole.message.starts_with("expected") || whole.message.find(" is not a") != std::string::npos;
    if (whole.position <= 1 && complaint) {
        TextScanner scan(value);
        const std::string_view word = scan.word();
        const std::string reason = !word.empty() && scan.atEnd() ? "'" + std::string(word) + "' is not a colour name"
                                                                 : std::string("no colour notation starts here");
        return ReadResult::Failure(text, offset, reason);
    }
    return Shifted(whole, text, value);
}

} // namespace

ReadResult ReadAnyColor(std::string_view text, const SystemColors& systemColors)
{
    return ReadColorText(text, &systemColors);
}

ReadResult ReadAnyColorKeepingCodes(std::string_view text) { return ReadColorText(text, nullptr); }

} // namespace pelmora
