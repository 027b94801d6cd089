#pragma once
// Colours that arrive as text: Ctrl+V (or the "Paste" action) anywhere in the window outside a box
// that takes the paste itself, and text or a colour dropped onto the window. Whatever arrives is
// read in every notation the program knows; the window hears either the colour or why there is none.

#include "color/color.h"
#include "color/system_colors.h"

#include <QObject>

class QAction;
class QMimeData;
class QWidget;

namespace pelmora {

class PasteTarget final : public QObject {
    Q_OBJECT
public:
    // Takes Ctrl+V and drops for `window`; `systemColors` must outlive this object.
    PasteTarget(QWidget* window, const SystemColors& systemColors);

    // "Paste", with its shortcut, for menus of the window.
    QAction* pasteAction() const { return pasteAction_; }

    void pasteClipboard();
    void readText(const QString& text);

signals:
    void colorRead(pelmora::Color color);
    // One line that quotes the text and says why it holds no colour.
    void unreadable(const QString& problem);
    // Said after colorRead when the text held more than the colour: an alpha that was left out.
    void noted(const QString& note);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool CanRead(const QMimeData* mime);
    void readDropped(const QMimeData* mime);

    QWidget* window_;
    const SystemColors& systemColors_;
    QAction* pasteAction_;
};

} // namespace pelmora
