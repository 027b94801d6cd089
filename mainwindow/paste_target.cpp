#include "mainwindow/paste_target.h"

#include "mainwindow/pasted_color.h"

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

namespace pelmora {

PasteTarget::PasteTarget(QWidget* window, const SystemColors& systemColors)
    : QObject(window)
    , window_(window)
    , systemColors_(systemColors)
    , pasteAction_(new QAction(tr("&Paste"), this))
{
    // A window-wide shortcut: a box that can be typed into takes Ctrl+V first (it claims the key
    // before shortcuts are looked up), so the H, S and B boxes paste into themselves as ever.
    pasteAction_->setObjectName(QStringLiteral("actPaste"));
    pasteAction_->setShortcut(QKeySequence::Paste);
    pasteAction_->setShortcutContext(Qt::WindowShortcut);
    pasteAction_->setToolTip(tr("Read a colour code from the clipboard (Ctrl+V)"));
    window->addAction(pasteAction_);
    connect(pasteAction_, &QAction::triggered, this, &PasteTarget::pasteClipboard);

    // Drops onto any part of the window that does not take them itself reach the window.
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

void PasteTarget::pasteClipboard() { readText(QGuiApplication::clipboard()->text()); }

void PasteTarget::readText(const QString& text)
{
    const PastedColor pasted = ReadPastedColor(text, systemColors_);
    if (pasted.color) {
        emit colorRead(*pasted.color);
        if (!pasted.remark.isEmpty())
            emit remarked(pasted.remark);
    } else
        emit unreadable(pasted.problem);
}

bool PasteTarget::CanRead(const QMimeData* mime) { return mime && (mime->hasColor() || mime->hasText()); }

// A colour dragged from another program's swatch is taken as it is; text is read as a code.
void PasteTarget::readDropped(const QMimeData* mime)
{
    if (mime->hasColor()) {
        const QColor color = qvariant_cast<QColor>(mime->colorData()).toRgb();
        if (color.isValid()) {
            emit colorRead(RGB(color.red(), color.green(), color.blue()));
            return;
        }
    }
    readText(mime->text());
}

bool PasteTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!CanRead(drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!CanRead(drop->mimeData()))
            return false;
        drop->acceptProposedAction();
        readDropped(drop->mimeData());
        return true;
    }
    default:
        return false;
    }
}

} // namespace pelmora
