#pragma once
// Reads RTF syntax into a document: the stack of group states, the destinations text goes to,
// and the characters that control words and symbols stand for. rtf_parser.cpp reads the syntax,
// rtf_parser_keywords.cpp acts on the control words.

#include "rtf/bounded_text_cursor.h"
#include "rtf/rtf_formatting.h"
#include "rtf/rtf_keywords.h"
#include "rtf/rtf_tables.h"
#include "rtf/rtf_text_decoder.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

class QTextDocument;

namespace pelmora {

class RtfParser {
public:
    // `input` starts at the document's opening brace.
    RtfParser(QByteArrayView input, QTextDocument& document);

    void run();
    bool isCut() const { return writer_.isCut(); }

private:
    enum class Destination { Text, FontTable, ColorTable, Skip };

    struct GroupState {
        RtfCharacterState character;
        RtfParagraphState paragraph;
        Destination destination = Destination::Text;
        int unicodeSkip = 1;
    };

    GroupState& top() { return stack_.back(); }
    bool skipping() const { return overflowDepth_ > 0 || stack_.back().destination == Destination::Skip; }
    bool consumeFallback();

    void openGroup();
    void closeGroup();
    void readControl();
    void controlSymbol(char symbol);
    void textByte(char byte, bool escaped);
    void controlWord(RtfKeyword keyword, std::optional<int> parameter);

    void applyKeyword(RtfKeyword keyword, std::optional<int> parameter);
    bool applyDocumentKeyword(RtfKeyword keyword, std::optional<int> parameter);
    bool applyDestinationKeyword(RtfKeyword keyword);
    bool applyTableKeyword(RtfKeyword keyword, std::optional<int> parameter);
    void applyTextKeyword(RtfKeyword keyword, std::optional<int> parameter);

    void unicodeCharacter(std::optional<int> parameter);
    void resolveLoneSurrogate();
    void flushBytes();
    void put(const QString& text);
    void breakParagraph();

    QByteArrayView input_;
    qsizetype position_ = 0;
    BoundedTextCursor writer_;
    std::vector<GroupState> stack_; // never empty: the first element is the state outside all groups
    int overflowDepth_ = 0; // groups opened beyond kMaxGroupDepth
    bool groupStart_ = false; // nothing but \* has been read since the last '{'
    bool starred_ = false;
    int fallbackToSkip_ = 0;
    char16_t highSurrogate_ = 0;
    std::optional<RtfParagraphState> outermostParagraph_; // as the outermost group left it
    QByteArray bytes_; // text bytes not yet decoded, so multi-byte code pages see whole characters
    RtfTextDecoder decoder_;
    int defaultFont_ = 0;
    RtfFontTable fonts_;
    RtfColorTable colors_;
};

} // namespace pelmora
