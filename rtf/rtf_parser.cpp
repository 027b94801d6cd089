// Reading the syntax: groups, control symbols, text bytes, and where the text they make goes.
#include "rtf/rtf_parser.h"

#include "rtf/rtf_scanner.h"

#include <QTextCursor>

#include <algorithm>
#include <cstddef>

namespace pelmora {

namespace {

// Real documents nest a dozen groups deep; anything deeper is damage or an attack, and its
// content is dropped rather than followed.
constexpr std::size_t kMaxGroupDepth = 256;

bool IsDestinationKeyword(RtfKeyword keyword)
{
    return keyword == RtfKeyword::FontTable || keyword == RtfKeyword::ColorTable || keyword == RtfKeyword::FieldResult
        || keyword == RtfKeyword::SkipDestination;
}

// Control characters would either vanish or, for line feeds, silently start new blocks.
QString WithoutControlCharacters(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return text;
}

} // namespace

RtfParser::RtfParser(QByteArrayView input, QTextDocument& document)
    : input_(input)
    , writer_(document)
{
    stack_.emplace_back();
}

void RtfParser::run()
{
    // One edit block: the document announces one change at the end instead of one per run.
    writer_.cursor().beginEditBlock();
    // Once the document is full, the rest of the input cannot show: it is not read at all.
    while (position_ < input_.size() && !writer_.isCut()) {
        const char c = input_[position_++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            break; // line ends in the file carry no meaning
        default:
            textByte(c, /*escaped=*/false);
            break;
        }
    }
    flushBytes();
    resolveLoneSurrogate();
    writer_.setBlockFormat(RtfBlockFormat(outermostParagraph_ ? *outermostParagraph_ : top().paragraph));
    writer_.cursor().endEditBlock();
}

// Hidden fallback text after \uN: each character, \'hh or control word counts as one.
bool RtfParser::consumeFallback()
{
    if (fallbackToSkip_ <= 0)
        return false;
    --fallbackToSkip_;
    return true;
}

void RtfParser::openGroup()
{
    flushBytes();
    fallbackToSkip_ = 0;
    groupStart_ = true;
    starred_ = false;
    if (overflowDepth_ > 0 || stack_.size() >= kMaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(stack_.back());
}

void RtfParser::closeGroup()
{
    flushBytes();
    fallbackToSkip_ = 0;
    groupStart_ = false;
    starred_ = false;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() == 1)
        return; // a stray brace: keep reading with the outer state
    if (top().destination == Destination::FontTable)
        fonts_.commitEntry();
    // The document's last paragraph usually has no \par: it keeps the properties it had inside.
    if (stack_.size() == 2)
        outermostParagraph_ = top().paragraph;
    stack_.pop_back();
}

void RtfParser::readControl()
{
    if (position_ >= input_.size())
        return; // a backslash at the very end
    const char first = input_[position_];
    if (!IsRtfLetter(first)) {
        ++position_;
        controlSymbol(first);
        return;
    }
    const RtfControlWord word = ReadRtfControlWord(input_, position_);
    controlWord(word.keyword, word.parameter);
}

void RtfParser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\'':
        // "\'" without a hex digit has nothing to decode.
        if (const int value = ReadRtfHexByte(input_, position_); value >= 0)
            textByte(static_cast<char>(value), /*escaped=*/true);
        return;
    case '\\':
    case '{':
    case '}':
        textByte(symbol, /*escaped=*/true);
        return;
    default:
        break;
    }
    flushBytes();
    if (consumeFallback())
        return;
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    switch (symbol) {
    case '*':
        groupStart_ = atGroupStart;
        starred_ = atGroupStart;
        break;
    case '~':
        put(QString(QChar(0x00A0)));
        break;
    case '-':
        put(QString(QChar(0x00AD)));
        break;
    case '_':
        put(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        breakParagraph();
        break;
    case '\t':
        put(QStringLiteral("\t"));
        break;
    default:
        break; // \| \: and unknown symbols mean nothing for display
    }
}

void RtfParser::textByte(char byte, bool escaped)
{
    if (consumeFallback())
        return;
    groupStart_ = false;
    starred_ = false;
    if (skipping())
        return;
    const auto unsignedByte = static_cast<unsigned char>(byte);
    if (unsignedByte < 0x20 && byte != '\t')
        return;
    switch (top().destination) {
    case Destination::FontTable:
        if (byte == ';' && !escaped) {
            flushBytes();
            fonts_.commitEntry();
            return;
        }
        break;
    case Destination::ColorTable:
        if (byte == ';' && !escaped)
            colors_.commitEntry();
        return;
    default:
        break;
    }
    bytes_.append(byte);
}

void RtfParser::controlWord(RtfKeyword keyword, std::optional<int> parameter)
{
    flushBytes();
    if (keyword == RtfKeyword::Binary) {
        // Raw data: never text, and its bytes must not be read as RTF syntax.
        const qsizetype length = std::max(0, parameter.value_or(0));
        position_ += std::min(length, input_.size() - position_);
        consumeFallback();
        groupStart_ = false;
        return;
    }
    if (consumeFallback())
        return;
    const bool atGroupStart = groupStart_;
    const bool starred = starred_;
    groupStart_ = false;
    starred_ = false;
    if (skipping())
        return;
    if (starred && atGroupStart && !IsDestinationKeyword(keyword)) {
        top().destination = Destination::Skip; // an optional destination this reader does not know
        return;
    }
    applyKeyword(keyword, parameter);
}

// \uN: N is a signed 16-bit number, so negative values name the upper half of the BMP.
void RtfParser::unicodeCharacter(std::optional<int> parameter)
{
    if (!parameter)
        return;
    int unit = *parameter < 0 ? *parameter + 0x10000 : *parameter;
    if (unit < 0 || unit > 0xFFFF)
        unit = QChar::ReplacementCharacter;
    fallbackToSkip_ = top().unicodeSkip;
    const auto codeUnit = static_cast<char16_t>(unit);
    if (QChar::isHighSurrogate(codeUnit)) {
        resolveLoneSurrogate();
        highSurrogate_ = codeUnit;
        return;
    }
    if (QChar::isLowSurrogate(codeUnit)) {
        if (highSurrogate_ == 0) {
            put(QString(QChar::ReplacementCharacter));
            return;
        }
        const QChar pair[2] = {QChar(highSurrogate_), QChar(codeUnit)};
        highSurrogate_ = 0;
        put(QString(pair, 2));
        return;
    }
    put(QString(QChar(codeUnit)));
}

void RtfParser::resolveLoneSurrogate()
{
    if (highSurrogate_ == 0)
        return;
    highSurrogate_ = 0;
    put(QString(QChar::ReplacementCharacter));
}

void RtfParser::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    const QString text = decoder_.decode(bytes_);
    bytes_.clear();
    put(text);
}

void RtfParser::put(const QString& text)
{
    if (skipping() || text.isEmpty())
        return;
    if (highSurrogate_ != 0)
        resolveLoneSurrogate();
    switch (top().destination) {
    case Destination::Text:
        if (!top().character.hidden)
            writer_.insertText(
                WithoutControlCharacters(text), RtfCharFormat(top().character, fonts_, defaultFont_, colors_));
        if (stack_.size() == 1)
            outermostParagraph_.reset(); // text after the document's end
        break;
    case Destination::FontTable:
        fonts_.appendToName(text);
        break;
    case Destination::ColorTable:
    case Destination::Skip:
        break;
    }
}

void RtfParser::breakParagraph()
{
    flushBytes();
    resolveLoneSurrogate();
    if (skipping() || top().destination != Destination::Text)
        return;
    writer_.breakParagraph(RtfBlockFormat(top().paragraph));
    outermostParagraph_.reset();
}

} // namespace pelmora
