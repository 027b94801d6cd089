#include "mainwindow/contrast_line.h"

#include "controller/contrast_check.h"
#include "mainwindow/contrast_label.h"
#include "mainwindow/suggestion_button.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include <utility>

namespace pelmora {
namespace {

constexpr int kSuggestionGap = 8; // between the label's text and the suggestion

QString NameOf(const SuggestionLevel& level)
{
    return QString::fromLatin1(level.name.data(), static_cast<qsizetype>(level.name.size()));
}

} // namespace

ContrastLine::ContrastLine(QWidget* parent)
    : QWidget(parent)
    , label_(new ContrastLabel(this))
    , suggestion_(new SuggestionButton(this))
{
    setObjectName(QStringLiteral("contrastLine"));
    label_->setFocusPolicy(Qt::StrongFocus);
    suggestion_->hide();
    connect(label_, &ContrastLabel::pasteRequested, this, &ContrastLine::backgroundPasted);
    connect(label_, &QWidget::customContextMenuRequested, this, &ContrastLine::popUpMenu);
    connect(suggestion_, &SuggestionButton::taken, this, &ContrastLine::suggestionTaken);
}

QList<QWidget*> ContrastLine::tabChain() const { return {label_, suggestion_}; }

void ContrastLine::showReading(
    std::optional<Color> color, Color background, const SuggestionLevel& aim, std::optional<Color> suggestion)
{
    hasColor_ = color.has_value();
    aim_ = aim;
    label_->setColors(color, background);
    const bool offered = color && suggestion;
    if (offered)
        suggestion_->setSuggestion(*suggestion, NameOf(aim));
    // The focus stays on the line when the suggestion it was on has been taken.
    if (!offered && suggestion_->hasFocus())
        label_->setFocus();
    suggestion_->setVisible(offered);
    layOut();
}

void ContrastLine::resizeEvent(QResizeEvent*) { layOut(); }

// The label spans the line; with a suggestion it ends after its text and the suggestion follows.
void ContrastLine::layOut()
{
    if (!suggestion_->isVisibleTo(this)) {
        label_->setGeometry(rect());
        return;
    }
    const int suggestionWidth = suggestion_->sizeHint().width();
    const int labelWidth = std::min(label_->sizeHint().width(), width() - kSuggestionGap - suggestionWidth);
    label_->setGeometry(0, 0, labelWidth, height());
    suggestion_->setGeometry(labelWidth + kSuggestionGap, 0, suggestionWidth, height());
}

QMenu* ContrastLine::popUpMenu(QPoint position)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("contrastMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto addBackground = [this, menu](const QString& text, BackgroundSource source) {
        return menu->addAction(text, this, [this, source] { emit backgroundChosen(source); });
    };
    addBackground(tr("&White Background"), BackgroundSource::White);
    addBackground(tr("&Black Background"), BackgroundSource::Black);
    addBackground(tr("&Old as Background"), BackgroundSource::Old);
    addBackground(tr("C&urrent Colour as Background"), BackgroundSource::Current)->setEnabled(hasColor_);
    QAction* paste = menu->addAction(tr("&Paste as Background"), this, &ContrastLine::backgroundPasted);
    paste->setShortcut(QKeySequence::Paste); // shown beside the entry; the line holds the key
    paste->setShortcutVisibleInContextMenu(true);
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addAction(tr("&Swap Colour and Background"), this, &ContrastLine::swapRequested)->setEnabled(hasColor_);
    menu->addSeparator();
    auto* aims = new QActionGroup(menu);
    // WCAG calls AA the minimum contrast and AAA the enhanced one.
    const std::pair<SuggestionLevel, QString> aimEntries[]
        = {{kAimAA, tr("Suggest for AA (&Minimum)")}, {kAimAAA, tr("Suggest for AAA (&Enhanced)")}};
    for (const auto& entry : aimEntries) {
        const SuggestionLevel level = entry.first;
        QAction* action = menu->addAction(entry.second, this, [this, level] { emit aimChosen(level); });
        action->setCheckable(true);
        action->setChecked(level.name == aim_.name);
        aims->addAction(action);
    }
    menu->addSeparator();
    QAction* copy = menu->addAction(tr("&Copy"), label_, [this] {
        QApplication::clipboard()->setText(label_->hasSelectedText() ? label_->selectedText() : label_->text());
    });
    copy->setEnabled(!label_->text().isEmpty());
    menu->popup(label_->mapToGlobal(position));
    return menu;
}

} // namespace pelmora
