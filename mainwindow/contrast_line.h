#pragma once
// The band's contrast line: the contrast label and, when the current colour fails the level aimed
// at, the nearest passing colour right after it. Its context menu (a right click, the menu key or
// Shift+F10 on the line) chooses the background and the level; Ctrl+V on the line pastes a
// background. The line reports what the user asked for and holds no state of its own.

#include "color/color.h"
#include "notations/contrast_suggestion.h"

#include <QList>
#include <QWidget>

#include <optional>

class QMenu;

namespace pelmora {

class ContrastLabel;
class SuggestionButton;

// What a background entry of the menu names; the window knows the colours behind Old and Current.
enum class BackgroundSource { White, Black, Old, Current };

class ContrastLine final : public QWidget {
    Q_OBJECT
public:
    explicit ContrastLine(QWidget* parent = nullptr);

    ContrastLabel* label() const { return label_; }
    SuggestionButton* suggestionButton() const { return suggestion_; }
    // Tab's stops on the line: the label, then the suggestion.
    QList<QWidget*> tabChain() const;

    // `suggestion` shows only with a colour.
    void showReading(
        std::optional<Color> color, Color background, const SuggestionLevel& aim, std::optional<Color> suggestion);

    // The context menu at `position` (in the line's label); it deletes itself once closed.
    QMenu* popUpMenu(QPoint position);

signals:
    void backgroundChosen(pelmora::BackgroundSource source);
    void backgroundPasted();
    void swapRequested();
    void aimChosen(pelmora::SuggestionLevel level);
    void suggestionTaken(pelmora::Color color);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    ContrastLabel* label_;
    SuggestionButton* suggestion_;
    bool hasColor_ = false;
    SuggestionLevel aim_ = kSuggestionLevels[0];
};

} // namespace pelmora
