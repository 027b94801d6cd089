#include "mainwindow/suggestion_button.h"

#include "color/channels.h"
#include "color/code_formats.h"
#include "mainwindow/accessible_parts.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace pelmora {
namespace {

constexpr int kGap = 3; // between the swatch and the code, and around the code for the focus frame

} // namespace

SuggestionButton::SuggestionButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("cmdSuggestion"));
    setCursor(Qt::PointingHandCursor);
    // As the swatches: Tab reaches it, a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(tr("Makes this colour the current colour"));
    connect(this, &QAbstractButton::clicked, this, [this] { emit taken(color_); });
}

void SuggestionButton::setSuggestion(Color color, const QString& levelName)
{
    color_ = color;
    const Channels rgb = SplitChannels(color);
    setText(QStringLiteral("#") + QString::fromStdString(GetHexVal(rgb.r, rgb.g, rgb.b)));
    setToolTip(tr("The nearest colour of this hue that passes %1 against the background: %2 (Enter takes it)")
                   .arg(levelName, text()));
    setAccessibleName(tr("Nearest colour passing %1: %2").arg(levelName, SpokenColor(color)));
    updateGeometry();
    update();
}

// The swatch is a square as tall as the line's text, the code beside it.
QSize SuggestionButton::sizeHint() const
{
    const int height = fontMetrics().height();
    return {height + kGap + fontMetrics().horizontalAdvance(text()) + kGap, height};
}

void SuggestionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const int side = height();
    const QRect swatch(0, 0, side, side);
    painter.fillRect(swatch.adjusted(1, 1, -1, -1), QColor(color_.red(), color_.green(), color_.blue()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    const QRect code(side + kGap, 0, width() - side - kGap, side);
    painter.drawText(code, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = code.adjusted(-1, 0, 0, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// Enter as well as Space, as on the swatches.
void SuggestionButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace pelmora
