#pragma once
// The help file as the help window shows it. Whatever lies beside the program (a file of any size,
// one endless word, a flood of paragraphs, a file that is not RTF) the windows open at once and
// answer clicks, because the work is bounded:
//  - at most kMaxHelpFileBytes (4 MiB) of the file are read;
//  - the text stays within RtfLimits (rtf/rtf_reader.h): 500,000 characters, 10,000
//    paragraphs of at most 20,000 characters each (a longer one continues in the next, and so
//    does one whose tabs times characters pass 50,000 or whose format changes more than 1,000
//    times), and a word longer than 100 characters may wrap after every 100th;
//  - font sizes are shown at most kMaxHelpFontPoints (144 pt) large;
//  - a file that is not RTF (a UTF-16 file included) shows no text, as one that cannot be read.
// When text was left out, a last paragraph says so. Qt lays the text out in the background, one
// paragraph at a time, after the window has opened.

#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace pelmora {

inline constexpr qint64 kMaxHelpFileBytes = 4 * 1024 * 1024;
inline constexpr double kMaxHelpFontPoints = 144.0;

// The help text of `bytes` into `into`; `fileGoesOn` says that the file held more than `bytes`.
void ShowHelpText(QByteArrayView bytes, bool fileGoesOn, QTextDocument& into);

// The help file at `path` into `into`; an unreadable file leaves it empty.
void LoadHelpFile(const QString& path, QTextDocument& into);

} // namespace pelmora
