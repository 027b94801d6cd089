#pragma once
// Writes text into a document while keeping it within RtfLimits, so that laying it out stays quick
// whatever the input held: long words get break opportunities, long paragraphs (and paragraphs of
// many tabs or format changes) continue in new ones, and text beyond the document's limits is left
// out.

#include "rtf/rtf_reader.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextBlockFormat;

namespace pelmora {

class BoundedTextCursor {
public:
    explicit BoundedTextCursor(QTextDocument& document);

    // Inserts `text` (no paragraph breaks in it) in `format`, as far as the limits allow.
    void insertText(const QString& text, const QTextCharFormat& format);
    // Ends the paragraph: it takes `format`, and a new one starts, unless the limits are reached.
    void breakParagraph(const QTextBlockFormat& format);
    // Gives the paragraph being written `format`.
    void setBlockFormat(const QTextBlockFormat& format);

    // Text was left out; nothing more is written.
    bool isCut() const { return cut_; }

    QTextCursor& cursor() { return cursor_; }

private:
    bool startParagraph();
    // Whether one more character (a tab when `addingTab`) must go to a new paragraph.
    bool paragraphIsFull(bool addingTab) const;
    void flush(QString& pending, const QTextCharFormat& format);

    QTextCursor cursor_;
    int characters_ = 0;
    int paragraphs_ = 1;
    int paragraphCharacters_ = 0;
    int paragraphTabs_ = 0;
    int paragraphRuns_ = 0; // runs of one format
    QTextCharFormat runFormat_;
    int wordRun_ = 0; // characters since the last break opportunity
    bool cut_ = false;
};

} // namespace pelmora
