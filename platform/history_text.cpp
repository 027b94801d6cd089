#include "platform/history_text.h"

#include "platform/hex_color_text.h"

#include <QStringList>

namespace pelmora {
namespace {

const QString kSystemPrefix = QStringLiteral("system:");
// A pick off the picture keeps "no colour"; it must come back as that, not as white.
const QString kNoColor = QStringLiteral("none");
constexpr int kLastSystemColor = 24;

QString WordOf(Color color)
{
    if (color == Color::none())
        return kNoColor;
    if (color.isSystemCode())
        return kSystemPrefix + QString::number(color.value() & 0xFF);
    return HexColorText(color);
}

Color ColorOfWord(const QString& word)
{
    bool ok = false;
    if (word == kNoColor)
        return Color::none();
    if (word.startsWith(kSystemPrefix)) {
        const int index = word.mid(kSystemPrefix.size()).toInt(&ok, 10);
        return ok && index >= 0 && index <= kLastSystemColor ? Color::systemCode(index) : Color::black();
    }
    return HexColorFromText(word).value_or(Color::black());
}

} // namespace

QString HistoryText(const HistoryColors& colors)
{
    QStringList words;
    for (Color color : colors)
        words << WordOf(color);
    return words.join(u' ');
}

HistoryColors HistoryFromText(const QString& text)
{
    HistoryColors colors{};
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size() && i < kHistoryLength; ++i)
        colors[static_cast<std::size_t>(i)] = ColorOfWord(words[i]);
    return colors;
}

} // namespace pelmora
