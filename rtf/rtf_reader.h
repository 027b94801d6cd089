#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace pelmora {

// Limits that keep any input quick to read and, above all, to lay out. Qt lays a document out
// paragraph by paragraph in the background, but each paragraph in one go, and a word wider than
// the page costs time that grows with the square of its length. A help text is a few pages; these
// are far beyond any real one.
struct RtfLimits {
    // Characters of text in the document; the rest of the input is left out.
    static constexpr int kMaxCharacters = 500'000;
    // Paragraphs in the document; the rest of the input is left out.
    static constexpr int kMaxParagraphs = 10'000;
    // Characters in one paragraph; later text continues in a new paragraph.
    static constexpr int kMaxParagraphCharacters = 20'000;
    // Tabs times characters in one paragraph; later text continues in a new paragraph. Qt measures
    // the way to a tab's explicit stop (\tx) over the whole rest of its paragraph, item by item,
    // so 10,000 tabs in one paragraph took seconds, with the window waiting all that time.
    static constexpr int kMaxParagraphTabsTimesCharacters = 50'000;
    // Runs of text in one format in one paragraph; later text continues in a new paragraph. Qt's
    // time for a paragraph grows with the square of its runs: 5,000 took a fifth of a second.
    static constexpr int kMaxParagraphFormatRuns = 1'000;
    // Characters without a break opportunity: a longer run gets an invisible break opportunity
    // (U+200B, zero-width space) after every kMaxWordLength characters, so it wraps anywhere.
    static constexpr int kMaxWordLength = 100;
};

// What ReadRtfText did.
struct RtfReading {
    bool isRtf = false;
    bool cut = false; // text beyond RtfLimits was left out
};

// Replaces the contents of `into` with the rich text of `rtf`: paragraphs, bold, italic,
// underline, font sizes and families, colours, tabs, line breaks and Unicode characters.
// Destinations it does not understand (pictures, document info, style sheets, headers, ...) are
// left out. Damaged input shows whatever text could be recovered; nothing in the input can make
// it crash or recurse without bound, and the document stays within RtfLimits: at most as many
// characters as the input has bytes, plus one break opportunity per kMaxWordLength characters.
// When the bytes are not RTF at all, the document holds them as plain text (within the same
// limits) and isRtf is false.
RtfReading ReadRtfText(QByteArrayView rtf, QTextDocument& into);

// ReadRtfText(rtf, into).isRtf.
bool ReadRtf(QByteArrayView rtf, QTextDocument& into);

} // namespace pelmora
