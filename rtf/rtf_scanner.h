#pragma once
// The small pieces of RTF syntax after a backslash: control words with their numeric parameter
// and the two hex digits of a \'hh escape.

#include "rtf/rtf_keywords.h"

#include <QByteArrayView>

#include <optional>

namespace pelmora {

struct RtfControlWord {
    RtfKeyword keyword = RtfKeyword::Unknown;
    std::optional<int> parameter;
};

bool IsRtfLetter(char c);

// Reads the control word that starts at `position` (a letter) with its parameter and the one
// space that ends it, and moves `position` past them.
RtfControlWord ReadRtfControlWord(QByteArrayView input, qsizetype& position);

// Reads the one or two hex digits of \'hh at `position` and moves past them; -1 when there is none.
int ReadRtfHexByte(QByteArrayView input, qsizetype& position);

// A parameter, or `fallback` when the word had none, within [low, high].
int ClampRtfParameter(std::optional<int> value, int fallback, int low, int high);

} // namespace pelmora
