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
    // After colorRead, what the user should know about how the text was read (it lay outside sRGB,
    // or its alpha was left out).
    void remarked(const QString& remark);
    // One line that quotes the text and says why it holds no colour.
    void unreadable(const QString& problem);

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
