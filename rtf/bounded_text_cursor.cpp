#include "rtf/bounded_text_cursor.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace pelmora {

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

// Where Qt's line breaker may wrap without a hyphen: spaces (but not the no-break ones), tabs,
// line separators and the zero-width space itself.
bool IsBreakOpportunity(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == 0x200B || u == QChar::LineSeparator
        || (u >= 0x2000 && u <= 0x200A && u != 0x2007) || u == 0x3000;
}

} // namespace

BoundedTextCursor::BoundedTextCursor(QTextDocument& document)
    : cursor_(&document)
{
}

void BoundedTextCursor::insertText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty() || cut_)
        return;
    if (paragraphCharacters_ == 0 || format != runFormat_) {
        if (paragraphRuns_ >= RtfLimits::kMaxParagraphFormatRuns && !startParagraph())
            return;
        runFormat_ = format;
        ++paragraphRuns_;
    }
    QString pending;
    pending.reserve(text.size() + text.size() / RtfLimits::kMaxWordLength + 1);
    for (const QChar c : text) {
        if (cut_)
            break;
        if (!c.isLowSurrogate() && paragraphIsFull(c == u'\t')) {
            // Continued in a new paragraph of the same format: nothing is lost, and Qt lays out
            // one paragraph at a time.
            flush(pending, format);
            if (!startParagraph())
                break;
        }
        if (characters_ >= RtfLimits::kMaxCharacters) {
            cut_ = true;
            break;
        }
        if (IsBreakOpportunity(c)) {
            wordRun_ = 0;
        } else if (wordRun_ >= RtfLimits::kMaxWordLength && !c.isLowSurrogate()) {
            pending += kZeroWidthSpace;
            ++characters_;
            ++paragraphCharacters_;
            wordRun_ = 0;
        }
        pending += c;
        ++characters_;
        ++paragraphCharacters_;
        if (c == u'\t')
            ++paragraphTabs_;
        if (!IsBreakOpportunity(c))
            ++wordRun_;
    }
    flush(pending, format);
}

bool BoundedTextCursor::paragraphIsFull(bool addingTab) const
{
    const qint64 tabs = paragraphTabs_ + (addingTab ? 1 : 0);
    return paragraphCharacters_ >= RtfLimits::kMaxParagraphCharacters
        || tabs * (paragraphCharacters_ + 1) > RtfLimits::kMaxParagraphTabsTimesCharacters;
}

void BoundedTextCursor::flush(QString& pending, const QTextCharFormat& format)
{
    if (pending.isEmpty())
        return;
    cursor_.insertText(pending, format);
    pending.clear();
}

void BoundedTextCursor::breakParagraph(const QTextBlockFormat& format)
{
    if (cut_)
        return;
    setBlockFormat(format);
    startParagraph();
}

void BoundedTextCursor::setBlockFormat(const QTextBlockFormat& format) { cursor_.setBlockFormat(format); }

bool BoundedTextCursor::startParagraph()
{
    if (paragraphs_ >= RtfLimits::kMaxParagraphs || characters_ >= RtfLimits::kMaxCharacters) {
        cut_ = true;
        return false;
    }
    cursor_.insertBlock();
    ++paragraphs_;
    ++characters_;
    paragraphCharacters_ = 0;
    paragraphTabs_ = 0;
    paragraphRuns_ = 0;
    wordRun_ = 0;
    return true;
}

} // namespace pelmora
