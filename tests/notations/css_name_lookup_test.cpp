// The names a CSS colour is written with are looked up by folded keys, by length and by first
// letter: each lookup finds exactly what comparing the name letter by letter, without case, finds.

#include "notations/css_calc.h"
#include "notations/css_color_reader.h"
#include "notations/css_function_names.h"
#include "notations/css_space.h"
#include "notations/folded_name.h"
#include "notations/text_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pelmora {
namespace {

constexpr std::pair<std::string_view, CssFunction> kFunctionNames[] = {{"rgb", CssFunction::Rgb},
    {"rgba", CssFunction::Rgba}, {"hsl", CssFunction::Hsl}, {"hsla", CssFunction::Hsla}, {"hwb", CssFunction::Hwb},
    {"lab", CssFunction::Lab}, {"lch", CssFunction::Lch}, {"oklab", CssFunction::Oklab}, {"oklch", CssFunction::Oklch},
    {"color", CssFunction::Color}, {"color-mix", CssFunction::ColorMix}, {"light-dark", CssFunction::LightDark},
    {"var", CssFunction::Var}, {"attr", CssFunction::Attr}, {"env", CssFunction::Env}};
constexpr std::pair<std::string_view, CssSpace> kSpaceNames[] = {{"srgb", CssSpace::Srgb},
    {"srgb-linear", CssSpace::SrgbLinear}, {"display-p3", CssSpace::DisplayP3}, {"a98-rgb", CssSpace::A98Rgb},
    {"prophoto-rgb", CssSpace::ProphotoRgb}, {"rec2020", CssSpace::Rec2020}, {"xyz-d50", CssSpace::XyzD50},
    {"xyz-d65", CssSpace::XyzD65}, {"xyz", CssSpace::XyzD65}, {"lab", CssSpace::Lab}, {"lch", CssSpace::Lch},
    {"oklab", CssSpace::Oklab}, {"oklch", CssSpace::Oklch}, {"hsl", CssSpace::Hsl}, {"hwb", CssSpace::Hwb}};
constexpr std::string_view kMathNames[] = {"calc", "min", "max", "clamp", "round", "mod", "rem", "abs", "sign"};

// What each lookup gives, found letter by letter.
template <typename T, std::size_t N>
std::optional<T> ComparedLetterByLetter(const std::pair<std::string_view, T> (&names)[N], std::string_view word)
{
    for (const auto& [name, value] : names)
        if (EqualsIgnoringCase(name, word))
            return value;
    return std::nullopt;
}

// Every name in every mix of capitals and small letters, and the words next to each: a letter
// fewer or more, one replaced by a byte that folding might mistake for it, a NUL in front.
std::vector<std::string> NamesAndNearMisses()
{
    std::vector<std::string> names;
    for (const auto& [name, function] : kFunctionNames)
        names.emplace_back(name);
    for (const auto& [name, space] : kSpaceNames)
        names.emplace_back(name);
    for (const std::string_view name : kMathNames)
        names.emplace_back(name);
    names.insert(names.end(), {"from", "in", "none", "p3", "xyz-d", "", "color-mixx", "display-p33"});
    constexpr std::string_view kStrangers = "\r\x10\x19\x0d_@`-0\xc1\xe1 (";
    std::vector<std::string> words;
    for (const std::string& name : names) {
        for (std::size_t mix = 0; mix < (std::size_t{1} << name.size()); ++mix) {
            std::string variant = name;
            for (std::size_t i = 0; i < name.size(); ++i)
                if ((mix >> i & 1) != 0)
                    variant[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(variant[i])));
            words.push_back(variant);
        }
        words.push_back(std::string(1, '\0') + name);
        for (std::size_t i = 0; i <= name.size(); ++i) {
            if (i < name.size())
                words.push_back(name.substr(0, i) + name.substr(i + 1));
            for (const char stranger : kStrangers) {
                words.push_back(name.substr(0, i) + stranger + name.substr(i));
                if (i < name.size())
                    words.push_back(name.substr(0, i) + stranger + name.substr(i + 1));
            }
        }
    }
    return words;
}

TEST(CssNameLookup, FindsWhatComparingLetterByLetterFinds)
{
    const std::vector<std::string> words = NamesAndNearMisses();
    std::size_t found = 0;
    for (const std::string& word : words) {
        const auto function = ComparedLetterByLetter(kFunctionNames, word);
        EXPECT_EQ(CssFunctionNamed(word), function.value_or(CssFunction::Unknown)) << word;
        EXPECT_EQ(NamesCssColorFunction(word), function.has_value()) << word;
        EXPECT_EQ(CssSpaceNamed(word), ComparedLetterByLetter(kSpaceNames, word)) << word;
        const bool math = std::any_of(std::begin(kMathNames), std::end(kMathNames),
            [&](std::string_view name) { return EqualsIgnoringCase(name, word); });
        EXPECT_EQ(IsMathValue(word, true, {}), math) << word;
        found += function.has_value() ? 1 : 0;
    }
    // Every case variant of every function name at least.
    EXPECT_GT(found, 1500u);
}

TEST(CssNameLookup, AWordHasTheKeyOfANameExactlyWhereItIsThatNameInAnyCase)
{
    for (int byte = 0; byte < 256; ++byte)
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const std::string word = {'k', static_cast<char>(byte), 'e', 'y'};
            const std::string name = {'k', letter, 'e', 'y'};
            EXPECT_EQ(FoldedNameKey(word) == LetterNameKey(name), AsciiLower(static_cast<char>(byte)) == letter)
                << byte << " " << letter;
        }
    // The length counts, a NUL in front too; a word too long has no key.
    EXPECT_NE(FoldedNameKey(std::string_view("\0rgb", 4)), LetterNameKey("rgb"));
    EXPECT_NE(FoldedNameKey(std::string_view("\0", 1)), FoldedNameKey(""));
    EXPECT_EQ(FoldedNameKey("ABCDEFG"), LetterNameKey("abcdefg"));
    EXPECT_EQ(FoldedNameKey("abcdefgh"), 0u);
}

TEST(CssNameLookup, TakeWordTakesTheWholeWordInAnyCase)
{
    struct Row {
        std::string_view text;
        std::string_view word;
        bool taken;
        std::size_t end;
    };
    const Row rows[] = {{"from red", "from", true, 4}, {"FROM red", "from", true, 4}, {"fRoM(", "from", true, 4},
        {"from", "from", true, 4}, {"fromage", "from", false, 0}, {"from-x", "from", false, 0},
        {"from_", "from", false, 0}, {"fro", "from", false, 0}, {" from", "from", false, 0},
        {"fron x", "from", false, 0}, {"qcolor(1)", "QColor", true, 6}, {"x", "", false, 0}, {"(", "", true, 0}};
    for (const Row& row : rows) {
        TextScanner scan(row.text);
        EXPECT_EQ(scan.takeWord(row.word), row.taken) << row.text;
        EXPECT_EQ(scan.offset(), row.end) << row.text;
    }
}

TEST(CssNameLookup, ARelativeColourStartsWithFromAndABlank)
{
    const std::pair<std::string_view, bool> rows[] = {{"rgb(from red r g b)", true}, {"rgb(FROM red r g b)", true},
        {"rgb( fRoM\tred r g b)", true}, {"lab(From\nred l a b)", true}, {"color(frOm red srgb r g b)", true},
        {"rgb(from\rred r g b)", false}, {"rgb(from\fred r g b)", false}, {"rgb(fron red r g b)", false},
        {"rgb(fromred r g b)", false}, {"rgb(from", false}, {"rgb(from ", false}};
    for (const auto& [text, reads] : rows)
        EXPECT_EQ(ReadCssColorText(text).color.has_value(), reads) << text;
}

} // namespace
} // namespace pelmora
