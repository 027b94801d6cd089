#include "rtf/rtf_text_decoder.h"

#include <array>

namespace pelmora {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

constexpr int kUtf8CodePage = 65001;

QByteArray QtCodecName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 20127:
        return "US-ASCII";
    case 28591:
        return "ISO-8859-1";
    case 437:
    case 850:
    case 866:
    case 932:
    case 936:
    case 949:
    case 950:
        return "cp" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

char16_t DecodeWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

RtfTextDecoder::RtfTextDecoder() = default;

void RtfTextDecoder::setCodePage(int codePage)
{
    codePage_ = codePage;
    qtDecoder_.reset();
    if (codePage == 1252 || codePage == kUtf8CodePage || codePage <= 0)
        return;
    QStringDecoder decoder(QtCodecName(codePage).constData(), QStringDecoder::Flag::Stateless);
    if (decoder.isValid())
        qtDecoder_.emplace(std::move(decoder));
}

QString RtfTextDecoder::decode(QByteArrayView bytes)
{
    if (codePage_ == kUtf8CodePage)
        return QString::fromUtf8(bytes);
    if (qtDecoder_)
        return qtDecoder_->decode(bytes);
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes)
        text.append(QChar(DecodeWindows1252(static_cast<unsigned char>(c))));
    return text;
}

} // namespace pelmora
