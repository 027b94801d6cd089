#include "mainwindow/status_note.h"

#include "mainwindow/pasted_color.h"

#include <QAccessible>
#include <QFont>
#include <QFontMetrics>

namespace pelmora {

StatusNote::StatusNote(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText); // pasted text is shown as it is, never as markup
    // Lighter than the window's bold captions: a remark, and more of it fits the line.
    QFont font = this->font();
    font.setBold(false);
    setFont(font);
    setAccessibleName(tr("Note"));
    clearTimer_.setSingleShot(true);
    clearTimer_.setInterval(std::chrono::seconds(10));
    connect(&clearTimer_, &QTimer::timeout, this, &StatusNote::clearNote);
}

void StatusNote::showNote(const QString& note)
{
    // Notes quote what the user gave: a control character or a bidirectional override in it would
    // break the line or turn the rest of it around.
    const QString text = ShownText(note);
    const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == text ? QString() : text);
    setAccessibleDescription(text);
    // Screen readers learn of the note as it appears, as they would of a status bar's.
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    clearTimer_.start();
}

void StatusNote::clearNote()
{
    clearTimer_.stop();
    clear();
    setToolTip(QString());
    setAccessibleDescription(QString());
}

} // namespace pelmora
