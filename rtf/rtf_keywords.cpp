#include "rtf/rtf_keywords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pelmora {

namespace {

using Entry = std::pair<std::string_view, RtfKeyword>;

// Sorted by name for the binary search below (checked by a static_assert).
constexpr std::array kKeywords = {
    Entry{"ansi", RtfKeyword::Ansi},
    Entry{"ansicpg", RtfKeyword::AnsiCodePage},
    Entry{"author", RtfKeyword::SkipDestination},
    Entry{"b", RtfKeyword::Bold},
    Entry{"bin", RtfKeyword::Binary},
    Entry{"blue", RtfKeyword::Blue},
    Entry{"bullet", RtfKeyword::Bullet},
    Entry{"buptim", RtfKeyword::SkipDestination},
    Entry{"cb", RtfKeyword::Highlight},
    Entry{"cell", RtfKeyword::Cell},
    Entry{"cf", RtfKeyword::ColorForeground},
    Entry{"colortbl", RtfKeyword::ColorTable},
    Entry{"comment", RtfKeyword::SkipDestination},
    Entry{"creatim", RtfKeyword::SkipDestination},
    Entry{"datastore", RtfKeyword::SkipDestination},
    Entry{"deff", RtfKeyword::DefaultFont},
    Entry{"doccomm", RtfKeyword::SkipDestination},
    Entry{"emdash", RtfKeyword::EmDash},
    Entry{"emspace", RtfKeyword::EmSpace},
    Entry{"endash", RtfKeyword::EnDash},
    Entry{"enspace", RtfKeyword::EnSpace},
    Entry{"f", RtfKeyword::Font},
    Entry{"fi", RtfKeyword::FirstLineIndent},
    Entry{"filetbl", RtfKeyword::SkipDestination},
    Entry{"fldinst", RtfKeyword::SkipDestination},
    Entry{"fldrslt", RtfKeyword::FieldResult},
    Entry{"fonttbl", RtfKeyword::FontTable},
    Entry{"footer", RtfKeyword::SkipDestination},
    Entry{"footerf", RtfKeyword::SkipDestination},
    Entry{"footerl", RtfKeyword::SkipDestination},
    Entry{"footerr", RtfKeyword::SkipDestination},
    Entry{"footnote", RtfKeyword::SkipDestination},
    Entry{"fs", RtfKeyword::FontSize},
    Entry{"ftncn", RtfKeyword::SkipDestination},
    Entry{"ftnsep", RtfKeyword::SkipDestination},
    Entry{"ftnsepc", RtfKeyword::SkipDestination},
    Entry{"green", RtfKeyword::Green},
    Entry{"header", RtfKeyword::SkipDestination},
    Entry{"headerf", RtfKeyword::SkipDestination},
    Entry{"headerl", RtfKeyword::SkipDestination},
    Entry{"headerr", RtfKeyword::SkipDestination},
    Entry{"highlight", RtfKeyword::Highlight},
    Entry{"i", RtfKeyword::Italic},
    Entry{"info", RtfKeyword::SkipDestination},
    Entry{"keywords", RtfKeyword::SkipDestination},
    Entry{"ldblquote", RtfKeyword::LeftDoubleQuote},
    Entry{"li", RtfKeyword::LeftIndent},
    Entry{"line", RtfKeyword::LineBreak},
    Entry{"lquote", RtfKeyword::LeftQuote},
    Entry{"mac", RtfKeyword::Mac},
    Entry{"nonshppict", RtfKeyword::SkipDestination},
    Entry{"nosupersub", RtfKeyword::NoSuperSub},
    Entry{"object", RtfKeyword::SkipDestination},
    Entry{"operator", RtfKeyword::SkipDestination},
    Entry{"page", RtfKeyword::Paragraph},
    Entry{"par", RtfKeyword::Paragraph},
    Entry{"pard", RtfKeyword::ParagraphDefaults},
    Entry{"pc", RtfKeyword::Pc},
    Entry{"pca", RtfKeyword::Pca},
    Entry{"pict", RtfKeyword::SkipDestination},
    Entry{"plain", RtfKeyword::Plain},
    Entry{"printim", RtfKeyword::SkipDestination},
    Entry{"qc", RtfKeyword::AlignCenter},
    Entry{"qj", RtfKeyword::AlignJustify},
    Entry{"ql", RtfKeyword::AlignLeft},
    Entry{"qr", RtfKeyword::AlignRight},
    Entry{"rdblquote", RtfKeyword::RightDoubleQuote},
    Entry{"red", RtfKeyword::Red},
    Entry{"revtbl", RtfKeyword::SkipDestination},
    Entry{"revtim", RtfKeyword::SkipDestination},
    Entry{"ri", RtfKeyword::RightIndent},
    Entry{"row", RtfKeyword::Row},
    Entry{"rquote", RtfKeyword::RightQuote},
    Entry{"rtf", RtfKeyword::Rtf},
    Entry{"sa", RtfKeyword::SpaceAfter},
    Entry{"sb", RtfKeyword::SpaceBefore},
    Entry{"sect", RtfKeyword::Paragraph},
    Entry{"strike", RtfKeyword::Strike},
    Entry{"stylesheet", RtfKeyword::SkipDestination},
    Entry{"sub", RtfKeyword::Subscript},
    Entry{"subject", RtfKeyword::SkipDestination},
    Entry{"super", RtfKeyword::Superscript},
    Entry{"tab", RtfKeyword::Tab},
    Entry{"title", RtfKeyword::SkipDestination},
    Entry{"tx", RtfKeyword::TabStop},
    Entry{"txe", RtfKeyword::SkipDestination},
    Entry{"u", RtfKeyword::Unicode},
    Entry{"uc", RtfKeyword::UnicodeSkipCount},
    Entry{"ul", RtfKeyword::Underline},
    Entry{"uld", RtfKeyword::Underline},
    Entry{"uldash", RtfKeyword::Underline},
    Entry{"uldb", RtfKeyword::Underline},
    Entry{"ulnone", RtfKeyword::UnderlineNone},
    Entry{"ulth", RtfKeyword::Underline},
    Entry{"ulw", RtfKeyword::Underline},
    Entry{"ulwave", RtfKeyword::Underline},
    Entry{"v", RtfKeyword::Hidden},
    Entry{"xe", RtfKeyword::SkipDestination},
};

constexpr bool IsSorted()
{
    for (std::size_t i = 1; i < kKeywords.size(); ++i) {
        if (!(kKeywords[i - 1].first < kKeywords[i].first))
            return false;
    }
    return true;
}
static_assert(IsSorted(), "keep kKeywords sorted by name");

} // namespace

RtfKeyword LookupRtfKeyword(std::string_view word)
{
    const auto it = std::lower_bound(kKeywords.begin(), kKeywords.end(), word,
        [](const Entry& entry, std::string_view w) { return entry.first < w; });
    if (it != kKeywords.end() && it->first == word)
        return it->second;
    return RtfKeyword::Unknown;
}

} // namespace pelmora
