#pragma once
// The output panel "Color Outputs": the code fields with their captions and Copy buttons. The
// fields show the colour model's code texts; a Copy button puts its field's text on the clipboard.

#include "color/code_formats.h"

#include <QGroupBox>
#include <QList>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class OutputPanel final : public QGroupBox {
    Q_OBJECT
public:
    // Placed on `window`, with the list of system colour names beside it outside the client area.
    explicit OutputPanel(QWidget* window);

    void showCodes(const ColorCodes& codes);
    // Tab's stops: each visible code with its Copy button, row by row.
    QList<QWidget*> tabChain() const;

private:
    void createFields();
    void placeVisibleCodes();
    void createSystemColorList(QWidget* window);
    void onCopyClicked(int index);

    std::array<QLineEdit*, kCodeFieldCount> codeFields_{};
    std::array<QLabel*, 5> captions_{};
    std::array<QPushButton*, 4> copyButtons_{};
    QComboBox* systemColorList_ = nullptr; // filled by the code refresh, never shown
};

} // namespace pelmora
