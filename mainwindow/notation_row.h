#pragma once
// A code row for any notation: a label and a list of the built-in notations and the user's
// templates, the current colour's code in the chosen one (read-only), and a Copy button. The choice is kept in the
// settings store and restored when the row is made.

#include "color/color.h"
#include "notations/code_writer.h"
#include "notations/color_template.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class NotationRow : public QWidget {
    Q_OBJECT
public:
    explicit NotationRow(QWidget* parent = nullptr);

    // No colour: the field stays empty and Copy greyed, with nothing to explain.
    void setColor(std::optional<Color> color);
    // The shown code ("" while the chosen template cannot be read; its tool tip says why).
    QString code() const;
    // The chosen notation, to write codes elsewhere (the screen loupe's) as this row does.
    CodeWriter codeWriter() const;
    // Why the chosen notation gives no code ("" when it gives one or no colour is shown).
    const QString& problem() const { return problem_; }
    // Every part of the row takes `height`.
    void setRowHeight(int height);
    // Tab's stops: the list, the code, Copy.
    QList<QWidget*> tabChain() const;

signals:
    void copied(const QString& code);
    // The choice could not be stored (said once a run): one line that says why.
    void unsaved(const QString& note);
    // The chosen notation or template gives no code, and why; said once each time it starts to.
    void unusable(const QString& reason);

private:
    void fillList();
    void fitToTexts();
    void onNotationChosen(int index);
    void onCopyClicked();
    void refresh();

    QLabel* caption_;
    QComboBox* list_;
    QLineEdit* field_;
    QPushButton* copyButton_;
    std::vector<UserTemplate> templates_;
    std::vector<QString> templateProblems_; // one per template: why its pattern could not be read
    std::optional<Color> color_;
    QString problem_;
    bool toldUnsaved_ = false;
};

} // namespace pelmora
