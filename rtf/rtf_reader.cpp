#include "rtf/rtf_reader.h"

#include "rtf/bounded_text_cursor.h"
#include "rtf/rtf_keywords.h"
#include "rtf/rtf_text_decoder.h"

#include <QColor>
#include <QStringConverter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace pelmora {

namespace {

// Real documents nest a dozen groups deep; anything deeper is damage or an attack, and its
// content is dropped rather than followed.
constexpr std::size_t kMaxGroupDepth = 256;
// Control-word parameters are 16-bit in practice; bigger ones are saturated here and then
// clamped to what each word can sensibly mean.
constexpr std::int64_t kParameterLimit = 2'000'000'000;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276; // 1638 pt, the largest size word processors offer
constexpr int kMaxIndentTwips = 31680; // 22 inches
constexpr int kMaxUnicodeSkip = 255;
constexpr std::size_t kMaxTableEntries = 4096;
constexpr std::size_t kMaxTabStops = 64;
constexpr qsizetype kMaxFontNameLength = 256;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 dots per inch

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int halfPoints = kDefaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int color = 0; // 0: automatic colour
    int highlight = 0;
    QTextCharFormat::VerticalAlignment verticalAlignment = QTextCharFormat::AlignNormal;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    std::vector<int> tabStopsTwips;
};

struct GroupState {
    CharacterState character;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
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

int Clamp(std::optional<int> value, int fallback, int low, int high)
{
    return std::clamp(value.value_or(fallback), low, high);
}

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

class RtfParser {
public:
    RtfParser(QByteArrayView input, QTextDocument& document)
        : input_(input)
        , writer_(document)
    {
        stack_.emplace_back();
    }

    void run()
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
        applyParagraphFormat(outermostParagraph_ ? *outermostParagraph_ : top().paragraph);
        writer_.cursor().endEditBlock();
    }

    bool isCut() const { return writer_.isCut(); }

private:
    GroupState& top() { return stack_.back(); }
    bool skipping() const { return overflowDepth_ > 0 || stack_.back().destination == Destination::Skip; }

    // Hidden fallback text after \uN: each character, \'hh or control word counts as one.
    bool consumeFallback()
    {
        if (fallbackToSkip_ <= 0)
            return false;
        --fallbackToSkip_;
        return true;
    }

    void openGroup()
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

    void closeGroup()
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
            commitFontEntry();
        // The document's last paragraph usually has no \par: it keeps the properties it had inside.
        if (stack_.size() == 2)
            outermostParagraph_ = top().paragraph;
        stack_.pop_back();
    }

    void readControl()
    {
        if (position_ >= input_.size())
            return; // a backslash at the very end
        const char first = input_[position_];
        if (!IsAsciiLetter(first)) {
            ++position_;
            controlSymbol(first);
            return;
        }
        const qsizetype wordStart = position_;
        while (position_ < input_.size() && IsAsciiLetter(input_[position_]))
            ++position_;
        const std::string_view word(input_.data() + wordStart, static_cast<std::size_t>(position_ - wordStart));

        std::optional<int> parameter;
        const bool negative
            = position_ + 1 < input_.size() && input_[position_] == '-' && IsDigit(input_[position_ + 1]);
        if (negative)
            ++position_;
        if (position_ < input_.size() && IsDigit(input_[position_])) {
            std::int64_t value = 0;
            while (position_ < input_.size() && IsDigit(input_[position_])) {
                value = std::min(value * 10 + (input_[position_] - '0'), kParameterLimit);
                ++position_;
            }
            parameter = static_cast<int>(negative ? -value : value);
        }
        if (position_ < input_.size() && input_[position_] == ' ')
            ++position_;
        controlWord(LookupRtfKeyword(word), parameter);
    }

    void controlSymbol(char symbol)
    {
        switch (symbol) {
        case '\'':
            escapedByte();
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

    void escapedByte()
    {
        int value = -1;
        if (position_ < input_.size() && HexValue(input_[position_]) >= 0) {
            value = HexValue(input_[position_++]);
            if (position_ < input_.size() && HexValue(input_[position_]) >= 0) {
                value = value * 16 + HexValue(input_[position_++]);
            }
        }
        if (value < 0)
            return; // "\'" without a hex digit: nothing to decode
        textByte(static_cast<char>(value), /*escaped=*/true);
    }

    void textByte(char byte, bool escaped)
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
                commitFontEntry();
                return;
            }
            break;
        case Destination::ColorTable:
            if (byte == ';' && !escaped)
                commitColorEntry();
            return;
        default:
            break;
        }
        bytes_.append(byte);
    }

    void controlWord(RtfKeyword keyword, std::optional<int> parameter)
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

    void applyKeyword(RtfKeyword keyword, std::optional<int> parameter)
    {
        GroupState& group = top();
        CharacterState& character = group.character;
        ParagraphState& paragraph = group.paragraph;
        const bool on = parameter.value_or(1) != 0;
        switch (keyword) {
        case RtfKeyword::Unknown:
        case RtfKeyword::Rtf:
        case RtfKeyword::Binary:
            break;
        case RtfKeyword::Ansi:
            decoder_.setCodePage(1252);
            break;
        case RtfKeyword::Mac:
            decoder_.setCodePage(10000);
            break;
        case RtfKeyword::Pc:
            decoder_.setCodePage(437);
            break;
        case RtfKeyword::Pca:
            decoder_.setCodePage(850);
            break;
        case RtfKeyword::AnsiCodePage:
            decoder_.setCodePage(parameter.value_or(1252));
            break;
        case RtfKeyword::DefaultFont:
            defaultFont_ = parameter.value_or(0);
            break;
        case RtfKeyword::FontTable:
            group.destination = Destination::FontTable;
            fontEntryName_.clear();
            break;
        case RtfKeyword::ColorTable:
            group.destination = Destination::ColorTable;
            colorComponentSeen_ = false;
            red_ = green_ = blue_ = 0;
            break;
        case RtfKeyword::FieldResult:
            group.destination = Destination::Text;
            break;
        case RtfKeyword::SkipDestination:
            group.destination = Destination::Skip;
            break;
        case RtfKeyword::Plain:
            character = CharacterState{};
            break;
        case RtfKeyword::Bold:
            character.bold = on;
            break;
        case RtfKeyword::Italic:
            character.italic = on;
            break;
        case RtfKeyword::Underline:
            character.underline = on;
            break;
        case RtfKeyword::UnderlineNone:
            character.underline = false;
            break;
        case RtfKeyword::Strike:
            character.strike = on;
            break;
        case RtfKeyword::Hidden:
            character.hidden = on;
            break;
        case RtfKeyword::FontSize: {
            const int halfPoints = parameter.value_or(kDefaultHalfPoints);
            character.halfPoints = halfPoints <= 0 ? kDefaultHalfPoints : std::min(halfPoints, kMaxHalfPoints);
            break;
        }
        case RtfKeyword::Font:
            if (group.destination == Destination::FontTable) {
                commitFontEntry();
                fontEntryNumber_ = parameter.value_or(0);
            } else {
                character.font = parameter.value_or(0);
            }
            break;
        case RtfKeyword::ColorForeground:
            character.color = std::max(0, parameter.value_or(0));
            break;
        case RtfKeyword::Highlight:
            character.highlight = std::max(0, parameter.value_or(0));
            break;
        case RtfKeyword::Superscript:
            character.verticalAlignment = QTextCharFormat::AlignSuperScript;
            break;
        case RtfKeyword::Subscript:
            character.verticalAlignment = QTextCharFormat::AlignSubScript;
            break;
        case RtfKeyword::NoSuperSub:
            character.verticalAlignment = QTextCharFormat::AlignNormal;
            break;
        case RtfKeyword::Red:
            setColorComponent(red_, parameter);
            break;
        case RtfKeyword::Green:
            setColorComponent(green_, parameter);
            break;
        case RtfKeyword::Blue:
            setColorComponent(blue_, parameter);
            break;
        case RtfKeyword::ParagraphDefaults:
            paragraph = ParagraphState{};
            break;
        case RtfKeyword::Paragraph:
        case RtfKeyword::Row:
            breakParagraph();
            break;
        case RtfKeyword::LineBreak:
            put(QString(QChar::LineSeparator));
            break;
        case RtfKeyword::Tab:
        case RtfKeyword::Cell:
            put(QStringLiteral("\t"));
            break;
        case RtfKeyword::AlignLeft:
            paragraph.alignment = Qt::AlignLeft;
            break;
        case RtfKeyword::AlignCenter:
            paragraph.alignment = Qt::AlignHCenter;
            break;
        case RtfKeyword::AlignRight:
            paragraph.alignment = Qt::AlignRight;
            break;
        case RtfKeyword::AlignJustify:
            paragraph.alignment = Qt::AlignJustify;
            break;
        case RtfKeyword::LeftIndent:
            paragraph.leftTwips = Clamp(parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case RtfKeyword::RightIndent:
            paragraph.rightTwips = Clamp(parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case RtfKeyword::FirstLineIndent:
            paragraph.firstLineTwips = Clamp(parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case RtfKeyword::SpaceBefore:
            paragraph.beforeTwips = Clamp(parameter, 0, 0, kMaxIndentTwips);
            break;
        case RtfKeyword::TabStop:
            if (paragraph.tabStopsTwips.size() < kMaxTabStops) {
                paragraph.tabStopsTwips.push_back(Clamp(parameter, 0, 0, kMaxIndentTwips));
            }
            break;
        case RtfKeyword::SpaceAfter:
            paragraph.afterTwips = Clamp(parameter, 0, 0, kMaxIndentTwips);
            break;
        case RtfKeyword::Unicode:
            unicodeCharacter(parameter);
            break;
        case RtfKeyword::UnicodeSkipCount:
            group.unicodeSkip = Clamp(parameter, 1, 0, kMaxUnicodeSkip);
            break;
        case RtfKeyword::Bullet:
            put(QString(QChar(0x2022)));
            break;
        case RtfKeyword::EmDash:
            put(QString(QChar(0x2014)));
            break;
        case RtfKeyword::EnDash:
            put(QString(QChar(0x2013)));
            break;
        case RtfKeyword::LeftQuote:
            put(QString(QChar(0x2018)));
            break;
        case RtfKeyword::RightQuote:
            put(QString(QChar(0x2019)));
            break;
        case RtfKeyword::LeftDoubleQuote:
            put(QString(QChar(0x201C)));
            break;
        case RtfKeyword::RightDoubleQuote:
            put(QString(QChar(0x201D)));
            break;
        case RtfKeyword::EmSpace:
            put(QString(QChar(0x2003)));
            break;
        case RtfKeyword::EnSpace:
            put(QString(QChar(0x2002)));
            break;
        }
    }

    void setColorComponent(int& component, std::optional<int> parameter)
    {
        if (top().destination != Destination::ColorTable)
            return;
        component = Clamp(parameter, 0, 0, 255);
        colorComponentSeen_ = true;
    }

    void commitColorEntry()
    {
        if (colors_.size() < kMaxTableEntries) {
            colors_.push_back(colorComponentSeen_ ? QColor(red_, green_, blue_) : QColor());
        }
        colorComponentSeen_ = false;
        red_ = green_ = blue_ = 0;
    }

    void commitFontEntry()
    {
        const QString name = fontEntryName_.trimmed();
        fontEntryName_.clear();
        if (name.isEmpty())
            return;
        if (fonts_.size() < kMaxTableEntries || fonts_.contains(fontEntryNumber_))
            fonts_[fontEntryNumber_] = name;
    }

    // \uN: N is a signed 16-bit number, so negative values name the upper half of the BMP.
    void unicodeCharacter(std::optional<int> parameter)
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

    void resolveLoneSurrogate()
    {
        if (highSurrogate_ == 0)
            return;
        highSurrogate_ = 0;
        put(QString(QChar::ReplacementCharacter));
    }

    void flushBytes()
    {
        if (bytes_.isEmpty())
            return;
        const QString text = decoder_.decode(bytes_);
        bytes_.clear();
        put(text);
    }

    void put(const QString& text)
    {
        if (skipping() || text.isEmpty())
            return;
        if (highSurrogate_ != 0)
            resolveLoneSurrogate();
        switch (top().destination) {
        case Destination::Text:
            if (!top().character.hidden)
                writer_.insertText(WithoutControlCharacters(text), characterFormat());
            if (stack_.size() == 1)
                outermostParagraph_.reset(); // text after the document's end
            break;
        case Destination::FontTable:
            if (fontEntryName_.size() < kMaxFontNameLength)
                fontEntryName_ += text;
            break;
        case Destination::ColorTable:
        case Destination::Skip:
            break;
        }
    }

    void breakParagraph()
    {
        flushBytes();
        resolveLoneSurrogate();
        if (skipping() || top().destination != Destination::Text)
            return;
        writer_.breakParagraph(ParagraphFormat(top().paragraph));
        outermostParagraph_.reset();
    }

    void applyParagraphFormat(const ParagraphState& paragraph) { writer_.setBlockFormat(ParagraphFormat(paragraph)); }

    static QTextBlockFormat ParagraphFormat(const ParagraphState& paragraph)
    {
        QTextBlockFormat format;
        format.setAlignment(paragraph.alignment);
        format.setLeftMargin(paragraph.leftTwips / kTwipsPerPixel);
        format.setRightMargin(paragraph.rightTwips / kTwipsPerPixel);
        format.setTextIndent(paragraph.firstLineTwips / kTwipsPerPixel);
        format.setTopMargin(paragraph.beforeTwips / kTwipsPerPixel);
        format.setBottomMargin(paragraph.afterTwips / kTwipsPerPixel);
        // Qt measures tab stops from where the first line starts, RTF from the paragraph's margin.
        // A hanging indent has an implicit stop at the left indent, so "bullet, tab, text" lines up.
        const int firstLineStart = paragraph.leftTwips + paragraph.firstLineTwips;
        QList<QTextOption::Tab> tabs;
        if (paragraph.tabStopsTwips.empty() && paragraph.firstLineTwips < 0) {
            tabs.append(QTextOption::Tab(-paragraph.firstLineTwips / kTwipsPerPixel, QTextOption::LeftTab));
        }
        for (int stop : paragraph.tabStopsTwips) {
            if (stop > firstLineStart)
                tabs.append(QTextOption::Tab((stop - firstLineStart) / kTwipsPerPixel, QTextOption::LeftTab));
        }
        format.setTabPositions(tabs);
        return format;
    }

    QTextCharFormat characterFormat() const
    {
        const CharacterState& character = stack_.back().character;
        QTextCharFormat format;
        format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(character.italic);
        format.setFontUnderline(character.underline);
        format.setFontStrikeOut(character.strike);
        format.setFontPointSize(character.halfPoints / 2.0);
        format.setVerticalAlignment(character.verticalAlignment);
        const auto font = fonts_.find(character.font >= 0 ? character.font : defaultFont_);
        if (font != fonts_.end())
            format.setFontFamilies({font->second});
        if (const QColor color = tableColor(character.color); color.isValid())
            format.setForeground(color);
        if (const QColor color = tableColor(character.highlight); color.isValid())
            format.setBackground(color);
        return format;
    }

    QColor tableColor(int index) const
    {
        if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size())
            return {};
        return colors_[static_cast<std::size_t>(index)];
    }

    QByteArrayView input_;
    qsizetype position_ = 0;
    BoundedTextCursor writer_;
    std::vector<GroupState> stack_; // never empty: the first element is the state outside all groups
    int overflowDepth_ = 0; // groups opened beyond kMaxGroupDepth
    bool groupStart_ = false; // nothing but \* has been read since the last '{'
    bool starred_ = false;
    int fallbackToSkip_ = 0;
    char16_t highSurrogate_ = 0;
    std::optional<ParagraphState> outermostParagraph_; // as the outermost group left it
    QByteArray bytes_; // text bytes not yet decoded, so multi-byte code pages see whole characters
    RtfTextDecoder decoder_;
    int defaultFont_ = 0;
    std::map<int, QString> fonts_;
    int fontEntryNumber_ = 0;
    QString fontEntryName_;
    std::vector<QColor> colors_;
    bool colorComponentSeen_ = false;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
};

// Where the RTF starts after a byte-order mark and blank lines, or -1 when it is not RTF.
qsizetype RtfStart(QByteArrayView bytes)
{
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < bytes.size()
        && (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' || bytes[start] == '\n')) {
        ++start;
    }
    return bytes.sliced(start).startsWith("{\\rtf") ? start : -1;
}

QString PlainTextOf(QByteArrayView bytes)
{
    auto toUtf16 = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = toUtf16.decode(bytes);
    if (toUtf16.hasError()) {
        RtfTextDecoder windows1252;
        text = windows1252.decode(bytes);
    }
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    return text;
}

// Plain text within the same limits as rich text: one paragraph per line.
bool WritePlainText(const QString& text, QTextDocument& into)
{
    BoundedTextCursor writer(into);
    writer.cursor().beginEditBlock();
    const QTextCharFormat format = writer.cursor().charFormat();
    const QTextBlockFormat paragraph = writer.cursor().blockFormat();
    qsizetype lineStart = 0;
    while (!writer.isCut()) {
        const qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        writer.insertText(text.sliced(lineStart, (lineEnd < 0 ? text.size() : lineEnd) - lineStart), format);
        if (lineEnd < 0)
            break;
        writer.breakParagraph(paragraph);
        lineStart = lineEnd + 1;
    }
    writer.cursor().endEditBlock();
    return writer.isCut();
}

} // namespace

RtfReading ReadRtfText(QByteArrayView rtf, QTextDocument& into)
{
    const bool undoWasEnabled = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);
    into.clear();
    RtfReading reading;
    const qsizetype start = RtfStart(rtf);
    reading.isRtf = start >= 0;
    if (reading.isRtf) {
        RtfParser parser(rtf.sliced(start), into);
        parser.run();
        reading.cut = parser.isCut();
    } else {
        reading.cut = WritePlainText(PlainTextOf(rtf), into);
    }
    into.setUndoRedoEnabled(undoWasEnabled);
    return reading;
}

bool ReadRtf(QByteArrayView rtf, QTextDocument& into) { return ReadRtfText(rtf, into).isRtf; }

} // namespace pelmora
