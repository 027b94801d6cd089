#pragma once
// The character and paragraph properties an RTF group carries, what the formatting control words
// do to them, and the Qt formats they become.

#include "rtf/rtf_keywords.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>
#include <vector>

namespace pelmora {

class RtfColorTable;
class RtfFontTable;

constexpr int kRtfDefaultHalfPoints = 24;

struct RtfCharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int halfPoints = kRtfDefaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int color = 0; // 0: automatic colour
    int highlight = 0;
    QTextCharFormat::VerticalAlignment verticalAlignment = QTextCharFormat::AlignNormal;
};

struct RtfParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    std::vector<int> tabStopsTwips;
};

// Applies a character formatting word other than \f (whose meaning depends on the destination);
// false when `keyword` is not one.
bool ApplyCharacterKeyword(RtfKeyword keyword, std::optional<int> parameter, RtfCharacterState& character);

// Applies a paragraph formatting word; false when `keyword` is not one.
bool ApplyParagraphKeyword(RtfKeyword keyword, std::optional<int> parameter, RtfParagraphState& paragraph);

QTextCharFormat RtfCharFormat(
    const RtfCharacterState& character, const RtfFontTable& fonts, int defaultFont, const RtfColorTable& colors);

QTextBlockFormat RtfBlockFormat(const RtfParagraphState& paragraph);

} // namespace pelmora
