#include "mainwindow/pasted_color.h"

#include "notations/read_any_color.h"

#include <QCoreApplication>
#include <QStringList>

namespace pelmora {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("PastedColor", text); }

QString Hex(uint value, int digits) { return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper(); }

// One character as the note shows it: controls as escapes, so the note stays on one line and
// shows what was really there.
QString Shown(char32_t c)
{
    switch (c) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    case U'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) // the other C0 and C1 controls and DEL
        return QStringLiteral("\\x") + Hex(c, 2);
    // Line and paragraph separators; embeddings, overrides and isolates, which reorder the rest.
    if (c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069))
        return QStringLiteral("\\u") + Hex(c, 4);
    return QString::fromUcs4(&c, 1);
}

// Calls `take` with each character of `text` as shown, until it returns false.
template <typename Take> void ForEachShown(QStringView text, Take take)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!take(Shown(c)))
            return;
    }
}

} // namespace

QString QuotedExcerpt(const QString& text, int maxCharacters)
{
    // Lengths in characters as the user sees them: an escape is as long as it is written, a
    // character beyond 16 bits is one.
    const auto length
        = [](const QString& piece) { return piece.size() == 1 || piece.at(0).isHighSurrogate() ? 1 : piece.size(); };
    // One character past the limit tells whether the text must be cut; the rest is never looked at.
    QStringList pieces;
    qsizetype total = 0;
    ForEachShown(text, [&](const QString& piece) {
        pieces.append(piece);
        total += length(piece);
        return total <= maxCharacters;
    });
    if (total <= maxCharacters)
        return pieces.join(QString());
    // Room for the ellipsis; an escape is never cut in two.
    QString quoted;
    qsizetype characters = 0;
    for (const QString& piece : pieces) {
        if (characters + length(piece) > maxCharacters - 1)
            break;
        quoted += piece;
        characters += length(piece);
    }
    return quoted + QStringLiteral("\u2026");
}

QString ShownText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    ForEachShown(text, [&](const QString& piece) {
        shown += piece;
        return true;
    });
    return shown;
}

PastedColor ReadPastedColor(const QString& text, const SystemColors& systemColors)
{
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty())
        return {std::nullopt,
            text.isEmpty() ? Tr("No colour: there is no text to read.") : Tr("No colour: the text holds only blanks."),
            {}};
    if (trimmed.size() > kMaxColorTextLength)
        return {std::nullopt,
            Tr("No colour in \u201C%1\u201D: the text is longer than any colour code (at most %2 characters).")
                .arg(QuotedExcerpt(text), QString::number(kMaxColorTextLength)),
            {}};
    // Blanks around a colour are the reader's to skip; only a flood of them is cut off here.
    const QByteArray utf8 = (text.size() <= kMaxColorTextLength ? QStringView(text) : trimmed).toUtf8();
    const ReadResult read
        = ReadAnyColor(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), systemColors);
    if (read.color) {
        // Colours here are opaque and in sRGB: the user should know when the text asked for more.
        QStringList said;
        if (read.mapped)
            said << Tr("\u201C%1\u201D was outside sRGB and was mapped into it.").arg(QuotedExcerpt(text));
        if (read.alpha != 1)
            said << Tr("The alpha %1 of \u201C%2\u201D was left out: colours here are opaque.")
                        .arg(QString::number(read.alpha, 'g', 4), QuotedExcerpt(text));
        return {read.color, {}, said.join(QLatin1Char(' '))};
    }
    return {std::nullopt,
        Tr("No colour in \u201C%1\u201D: %2").arg(QuotedExcerpt(text), QString::fromStdString(read.message)), {}};
}

} // namespace pelmora
