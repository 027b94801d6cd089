#pragma once
// The entry boxes beside the picker: the three mode buttons with the hue, saturation and brightness
// boxes, and the red, green and blue boxes. Shown only with the picker. It reports the user's
// actions; the boxes show what the controller writes.

#include "color/channels.h"
#include "controller/picker_controller.h"

#include <QFrame>
#include <QList>

#include <map>
#include <set>
#include <string>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace pelmora {

class EntryPanel final : public QFrame {
    Q_OBJECT
public:
    explicit EntryPanel(QWidget* window);

    // The box takes `text` as if the program had written it.
    void showText(EntryBox box, const std::string& text);
    void showChannels(Channels rgb);
    // The mode's button is selected as if the program had selected it: no mode is chosen by it.
    void showMode(PickerMode mode);
    QLineEdit* hueBox() const { return hueBox_; }
    // Tab's stops among the boxes: each mode button with its box, then red, green and blue.
    QList<QWidget*> tabChain() const;

signals:
    void modeClicked(pelmora::PickerMode mode);
    // The text of a box changed, whoever changed it.
    void boxEdited(pelmora::EntryBox box, const QString& text);
    // A key was released in a box: the user typed.
    void hueTyped(const QString& text);
    void saturationTyped(const QString& text);
    void brightnessTyped(const QString& text);
    // The focus left the hue box for another control of the window.
    void hueLeft();
    // Return in the hue, saturation or brightness box, or the focus gone from it after typing.
    void typingEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createModeRows();
    void createChannelRows();
    QLineEdit* box(EntryBox which) const;

    QRadioButton* hueOption_ = nullptr;
    QRadioButton* saturationOption_ = nullptr;
    QRadioButton* brightnessOption_ = nullptr;
    QLineEdit* hueBox_ = nullptr;
    QLineEdit* saturationBox_ = nullptr;
    QLineEdit* brightnessBox_ = nullptr;
    QLabel* hueUnit_ = nullptr;
    QLabel* saturationUnit_ = nullptr;
    QLabel* brightnessUnit_ = nullptr;
    QLineEdit* redBox_ = nullptr;
    QLineEdit* greenBox_ = nullptr;
    QLineEdit* blueBox_ = nullptr;
    QLabel* redCaption_ = nullptr;
    QLabel* greenCaption_ = nullptr;
    QLabel* blueCaption_ = nullptr;
    bool toggledByClick_ = false; // the button being clicked has just become selected
    std::map<QObject*, std::set<int>> keysPressedIn_; // keys down in each box since it took the focus
};

} // namespace pelmora
