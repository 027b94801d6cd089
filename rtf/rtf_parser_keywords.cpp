// What the control words do: to the document's code page and default font, to the group's
// destination and formatting, to the font and colour tables, and the characters they stand for.
#include "rtf/rtf_parser.h"

#include "rtf/rtf_scanner.h"

namespace pelmora {

namespace {

constexpr int kMaxUnicodeSkip = 255;

// The character a control word stands for, or 0 when it stands for none.
char16_t KeywordCharacter(RtfKeyword keyword)
{
    switch (keyword) {
    case RtfKeyword::LineBreak:
        return QChar::LineSeparator;
    case RtfKeyword::Tab:
    case RtfKeyword::Cell:
        return u'\t';
    case RtfKeyword::Bullet:
        return 0x2022;
    case RtfKeyword::EmDash:
        return 0x2014;
    case RtfKeyword::EnDash:
        return 0x2013;
    case RtfKeyword::LeftQuote:
        return 0x2018;
    case RtfKeyword::RightQuote:
        return 0x2019;
    case RtfKeyword::LeftDoubleQuote:
        return 0x201C;
    case RtfKeyword::RightDoubleQuote:
        return 0x201D;
    case RtfKeyword::EmSpace:
        return 0x2003;
    case RtfKeyword::EnSpace:
        return 0x2002;
    default:
        return 0;
    }
}

} // namespace

void RtfParser::applyKeyword(RtfKeyword keyword, std::optional<int> parameter)
{
    if (applyDocumentKeyword(keyword, parameter) || applyDestinationKeyword(keyword)
        || applyTableKeyword(keyword, parameter) || ApplyCharacterKeyword(keyword, parameter, top().character)
        || ApplyParagraphKeyword(keyword, parameter, top().paragraph)) {
        return;
    }
    applyTextKeyword(keyword, parameter);
}

bool RtfParser::applyDocumentKeyword(RtfKeyword keyword, std::optional<int> parameter)
{
    switch (keyword) {
    case RtfKeyword::Ansi:
        decoder_.setCodePage(1252);
        return true;
    case RtfKeyword::Mac:
        decoder_.setCodePage(10000);
        return true;
    case RtfKeyword::Pc:
        decoder_.setCodePage(437);
        return true;
    case RtfKeyword::Pca:
        decoder_.setCodePage(850);
        return true;
    case RtfKeyword::AnsiCodePage:
        decoder_.setCodePage(parameter.value_or(1252));
        return true;
    case RtfKeyword::DefaultFont:
        defaultFont_ = parameter.value_or(0);
        return true;
    default:
        return false;
    }
}

bool RtfParser::applyDestinationKeyword(RtfKeyword keyword)
{
    switch (keyword) {
    case RtfKeyword::FontTable:
        top().destination = Destination::FontTable;
        fonts_.beginTable();
        return true;
    case RtfKeyword::ColorTable:
        top().destination = Destination::ColorTable;
        colors_.beginTable();
        return true;
    case RtfKeyword::FieldResult:
        top().destination = Destination::Text;
        return true;
    case RtfKeyword::SkipDestination:
        top().destination = Destination::Skip;
        return true;
    default:
        return false;
    }
}

// Words that name a table entry's parts inside the tables and the character's font outside them.
bool RtfParser::applyTableKeyword(RtfKeyword keyword, std::optional<int> parameter)
{
    GroupState& group = top();
    switch (keyword) {
    case RtfKeyword::Font:
        if (group.destination == Destination::FontTable)
            fonts_.beginEntry(parameter.value_or(0));
        else
            group.character.font = parameter.value_or(0);
        return true;
    case RtfKeyword::Red:
    case RtfKeyword::Green:
    case RtfKeyword::Blue:
        if (group.destination == Destination::ColorTable)
            colors_.setComponent(keyword, parameter);
        return true;
    default:
        return false;
    }
}

void RtfParser::applyTextKeyword(RtfKeyword keyword, std::optional<int> parameter)
{
    switch (keyword) {
    case RtfKeyword::Paragraph:
    case RtfKeyword::Row:
        breakParagraph();
        return;
    case RtfKeyword::Unicode:
        unicodeCharacter(parameter);
        return;
    case RtfKeyword::UnicodeSkipCount:
        top().unicodeSkip = ClampRtfParameter(parameter, 1, 0, kMaxUnicodeSkip);
        return;
    default:
        if (const char16_t character = KeywordCharacter(keyword); character != 0)
            put(QString(QChar(character)));
        return;
    }
}

} // namespace pelmora
