#pragma once

#include <QByteArrayView>
#include <QString>

#include <QStringDecoder>
#include <optional>

namespace pelmora {

// Turns the 8-bit text bytes of an RTF document (plain characters and \'hh escapes) into
// Unicode for the document's code page (\ansicpg, \mac, \pc, \pca). Windows-1252 is built in
// because Qt's codec set does not promise it; UTF-8 is handled by Qt; any other code page goes
// through QStringDecoder when Qt knows it, and falls back to Windows-1252 when it does not.
class RtfTextDecoder {
public:
    RtfTextDecoder();
    void setCodePage(int codePage);
    int codePage() const { return codePage_; }
    QString decode(QByteArrayView bytes);

private:
    int codePage_ = 1252;
    std::optional<QStringDecoder> qtDecoder_;
};

// Windows-1252 of one byte: Latin-1 except for the printable characters at 0x80..0x9F.
char16_t DecodeWindows1252(unsigned char byte);

} // namespace pelmora
