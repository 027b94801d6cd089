#include "mainwindow/contrast_label.h"

#include "mainwindow/accessible_parts.h"
#include "notations/contrast.h"
#include "notations/named_colors.h"

#include <QKeyEvent>
#include <QPainter>

namespace pelmora {
namespace {

// The sample: these letters in the current colour on the background.
const QString kSampleText = QStringLiteral("Aa");
constexpr int kSamplePadding = 3;

QColor ToQColor(Color color) { return QColor(color.red(), color.green(), color.blue()); }

bool OpensMenu(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

ContrastLabel::ContrastLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblContrast"));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setColors(std::nullopt, Color::white());
}

int ContrastLabel::sampleWidth() const { return fontMetrics().horizontalAdvance(kSampleText) + 2 * kSamplePadding; }

void ContrastLabel::setColors(std::optional<Color> color, Color background)
{
    QString line;
    if (color) {
        const Contrast contrast = ContrastOf(*color, background);
        line = QStringLiteral("%1 %2 \u00b7 %3")
                   .arg(QString::fromStdString(contrast.ratioText()), QString::fromStdString(contrast.levelsText()),
                       QString::fromStdString(NearestCssName(*color).text()));
    }
    const bool sampleChanged = color_ != color || background_ != background;
    color_ = color;
    background_ = background;
    // The text starts after the sample, which only shows with a colour.
    setContentsMargins(color ? sampleWidth() + kSamplePadding : 0, 0, 0, 0);
    if (sampleChanged)
        update();
    const QString name = line.isEmpty()
        ? tr("Contrast against the background %1: no colour chosen yet").arg(SpokenColor(background))
        : tr("Contrast against the background %1: %2").arg(SpokenColor(background), line);
    if (line == text() && accessibleName() == name)
        return;
    setText(line);
    setToolTip(line.isEmpty() ? QString() : tr("On the background %1: %2").arg(SpokenColor(background), line));
    // The name carries the line itself, so that a screen reader reads it where it reads the label.
    setAccessibleName(name);
}

bool ContrastLabel::event(QEvent* event)
{
    // Ctrl+V here pastes onto the line: the window's own paste must not take the key first.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void ContrastLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        emit pasteRequested();
        return;
    }
    if (OpensMenu(event)) {
        event->accept();
        emit customContextMenuRequested(QPoint(0, height()));
        return;
    }
    QLabel::keyPressEvent(event);
}

void ContrastLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!color_)
        return;
    QPainter painter(this);
    const QRect sample(0, 0, sampleWidth(), height());
    painter.fillRect(sample, ToQColor(background_));
    painter.setPen(ToQColor(*color_));
    painter.drawText(sample, Qt::AlignCenter, kSampleText);
}

} // namespace pelmora
