#include "rtf/rtf_formatting.h"

#include "rtf/rtf_scanner.h"
#include "rtf/rtf_tables.h"

#include <algorithm>
#include <cstddef>

namespace pelmora {

namespace {

constexpr int kMaxHalfPoints = 3276; // 1638 pt, the largest size word processors offer
constexpr int kMaxIndentTwips = 31680; // 22 inches
constexpr std::size_t kMaxTabStops = 64;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 dots per inch

int IndentTwips(std::optional<int> parameter)
{
    return ClampRtfParameter(parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
}
int SpacingTwips(std::optional<int> parameter) { return ClampRtfParameter(parameter, 0, 0, kMaxIndentTwips); }

// Qt measures tab stops from where the first line starts, RTF from the paragraph's margin.
// A hanging indent has an implicit stop at the left indent, so "bullet, tab, text" lines up.
QList<QTextOption::Tab> TabPositions(const RtfParagraphState& paragraph)
{
    const int firstLineStart = paragraph.leftTwips + paragraph.firstLineTwips;
    QList<QTextOption::Tab> tabs;
    if (paragraph.tabStopsTwips.empty() && paragraph.firstLineTwips < 0) {
        tabs.append(QTextOption::Tab(-paragraph.firstLineTwips / kTwipsPerPixel, QTextOption::LeftTab));
    }
    for (int stop : paragraph.tabStopsTwips) {
        if (stop > firstLineStart)
            tabs.append(QTextOption::Tab((stop - firstLineStart) / kTwipsPerPixel, QTextOption::LeftTab));
    }
    return tabs;
}

} // namespace

bool ApplyCharacterKeyword(RtfKeyword keyword, std::optional<int> parameter, RtfCharacterState& character)
{
    const bool on = parameter.value_or(1) != 0;
    switch (keyword) {
    case RtfKeyword::Plain:
        character = RtfCharacterState{};
        return true;
    case RtfKeyword::Bold:
        character.bold = on;
        return true;
    case RtfKeyword::Italic:
        character.italic = on;
        return true;
    case RtfKeyword::Underline:
        character.underline = on;
        return true;
    case RtfKeyword::UnderlineNone:
        character.underline = false;
        return true;
    case RtfKeyword::Strike:
        character.strike = on;
        return true;
    case RtfKeyword::Hidden:
        character.hidden = on;
        return true;
    case RtfKeyword::FontSize: {
        const int halfPoints = parameter.value_or(kRtfDefaultHalfPoints);
        character.halfPoints = halfPoints <= 0 ? kRtfDefaultHalfPoints : std::min(halfPoints, kMaxHalfPoints);
        return true;
    }
    case RtfKeyword::ColorForeground:
        character.color = std::max(0, parameter.value_or(0));
        return true;
    case RtfKeyword::Highlight:
        character.highlight = std::max(0, parameter.value_or(0));
        return true;
    case RtfKeyword::Superscript:
        character.verticalAlignment = QTextCharFormat::AlignSuperScript;
        return true;
    case RtfKeyword::Subscript:
        character.verticalAlignment = QTextCharFormat::AlignSubScript;
        return true;
    case RtfKeyword::NoSuperSub:
        character.verticalAlignment = QTextCharFormat::AlignNormal;
        return true;
    default:
        return false;
    }
}

bool ApplyParagraphKeyword(RtfKeyword keyword, std::optional<int> parameter, RtfParagraphState& paragraph)
{
    switch (keyword) {
    case RtfKeyword::ParagraphDefaults:
        paragraph = RtfParagraphState{};
        return true;
    case RtfKeyword::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        return true;
    case RtfKeyword::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        return true;
    case RtfKeyword::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        return true;
    case RtfKeyword::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        return true;
    case RtfKeyword::LeftIndent:
        paragraph.leftTwips = IndentTwips(parameter);
        return true;
    case RtfKeyword::RightIndent:
        paragraph.rightTwips = IndentTwips(parameter);
        return true;
    case RtfKeyword::FirstLineIndent:
        paragraph.firstLineTwips = IndentTwips(parameter);
        return true;
    case RtfKeyword::SpaceBefore:
        paragraph.beforeTwips = SpacingTwips(parameter);
        return true;
    case RtfKeyword::SpaceAfter:
        paragraph.afterTwips = SpacingTwips(parameter);
        return true;
    case RtfKeyword::TabStop:
        if (paragraph.tabStopsTwips.size() < kMaxTabStops)
            paragraph.tabStopsTwips.push_back(SpacingTwips(parameter));
        return true;
    default:
        return false;
    }
}

QTextCharFormat RtfCharFormat(
    const RtfCharacterState& character, const RtfFontTable& fonts, int defaultFont, const RtfColorTable& colors)
{
    QTextCharFormat format;
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontUnderline(character.underline);
    format.setFontStrikeOut(character.strike);
    format.setFontPointSize(character.halfPoints / 2.0);
    format.setVerticalAlignment(character.verticalAlignment);
    if (const QString* family = fonts.family(character.font >= 0 ? character.font : defaultFont))
        format.setFontFamilies({*family});
    if (const QColor color = colors.color(character.color); color.isValid())
        format.setForeground(color);
    if (const QColor color = colors.color(character.highlight); color.isValid())
        format.setBackground(color);
    return format;
}

QTextBlockFormat RtfBlockFormat(const RtfParagraphState& paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(paragraph.leftTwips / kTwipsPerPixel);
    format.setRightMargin(paragraph.rightTwips / kTwipsPerPixel);
    format.setTextIndent(paragraph.firstLineTwips / kTwipsPerPixel);
    format.setTopMargin(paragraph.beforeTwips / kTwipsPerPixel);
    format.setBottomMargin(paragraph.afterTwips / kTwipsPerPixel);
    format.setTabPositions(TabPositions(paragraph));
    return format;
}

} // namespace pelmora
