#pragma once
// The nearest passing colour on the contrast line: a small swatch with its code ("#595959"); a
// click, Space or Enter takes it. Assistive technology reads it as a button named for the level it
// reaches and the colour ("Nearest colour passing AA: #595959, near dimgray").

#include "color/color.h"

#include <QAbstractButton>

namespace pelmora {

class SuggestionButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit SuggestionButton(QWidget* parent = nullptr);

    Color color() const { return color_; }
    // `levelName` is the level the colour reaches ("AA").
    void setSuggestion(Color color, const QString& levelName);

    QSize sizeHint() const override;

signals:
    void taken(pelmora::Color color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Color color_ = Color::black();
};

} // namespace pelmora
