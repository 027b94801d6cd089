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
    if (c == 0x2028 || c == 0x2029) // line and paragraph separators
        return QStringLiteral("\\u") + Hex(c, 4);
    return QString::fromUcs4(&c, 1);
}

} // namespace

QString QuotedExcerpt(const QString& text, int maxCharacters)
{
    // Lengths in characters as the user sees them: an escape is as long as it is written, a
    // character beyond 16 bits is one.
    QStringList pieces;
    qsizetype total = 0;
    const auto length
        = [](const QString& piece) { return piece.size() == 1 || piece.at(0).isHighSurrogate() ? 1 : piece.size(); };
    for (const uint c : text.toUcs4()) {
        pieces.append(Shown(static_cast<char32_t>(c)));
        total += length(pieces.back());
    }
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

PastedColor ReadPastedColor(const QString& text, const SystemColors& systemColors)
{
    if (text.trimmed().isEmpty())
        return {std::nullopt,
            text.isEmpty() ? Tr("No colour: there is no text to read.") : Tr("No colour: the text holds only blanks."),
            {}};
    const QByteArray utf8 = text.toUtf8();
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
