#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pelmora {

bool CopyTextToClipboard(const QString& text)
{
    // QGuiApplication::clipboard() needs a GUI application object; a command-line run has none.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return clipboard->text(QClipboard::Clipboard) == text;
}

} // namespace pelmora
