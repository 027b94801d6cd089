#include "mainwindow/entry_panel.h"

#include "mainwindow/control_factory.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

namespace pelmora {
namespace {

QLineEdit* MakeBox(QWidget* parent, const char* name, QRect geometry, const char* text, const QString& tip)
{
    auto* box = MakeControl<QLineEdit>(parent, name, geometry, QString::fromLatin1(text));
    box->setToolTip(tip);
    box->setAccessibleName(tip);
    return box;
}

} // namespace

EntryPanel::EntryPanel(QWidget* window)
    : QFrame(window)
{
    // No caption, and it overlaps the readout beside the picker: a plain container without a
    // border, so the readout's text stays clear of frame lines.
    setObjectName(QStringLiteral("Frame2"));
    setGeometry(TwipsRect(4500, 1680, 2595, 2235));
    createModeRows();
    createChannelRows();
}

void EntryPanel::createModeRows()
{
    struct Row {
        QRadioButton*& option;
        const char* optionName;
        const char* caption;
        QLineEdit*& box;
        const char* boxName;
        const char* text;
        const char* tip;
        QLabel*& unit;
        const char* unitName;
        const char* unitText;
    };
    const Row rows[] = {
        {hueOption_, "optH", "H:", hueBox_, "txtH", "0", "Hue", hueUnit_, "lblH", "\u00B0"},
        {saturationOption_, "optS", "S:", saturationBox_, "txtS", "100", "Saturation", saturationUnit_, "lblS", "%"},
        {brightnessOption_, "optB", "B:", brightnessBox_, "txtB", "100", "Brightness", brightnessUnit_, "lblBB", "%"},
    };
    int y = 24;
    for (const Row& row : rows) {
        row.option = MakeControl<QRadioButton>(this, row.optionName, QRect(8, y, 38, 21), tr(row.caption));
        row.option->setToolTip(tr(row.tip));
        row.box = MakeBox(this, row.boxName, QRect(46, y, 38, 21), row.text, tr(row.tip));
        row.unit = MakeControl<QLabel>(this, row.unitName, QRect(86, y, 14, 21), QString::fromUtf8(row.unitText));
        y += 40;
    }
    hueOption_->setChecked(true);
    const std::pair<QRadioButton*, PickerMode> modes[] = {{hueOption_, PickerMode::Hue},
        {saturationOption_, PickerMode::Saturation}, {brightnessOption_, PickerMode::Brightness}};
    // A button becoming selected chooses its mode, however that happens (a click, the keyboard, an
    // assistive tool, the program); a click on the selected button chooses it again. A click that
    // selects its button chooses once.
    for (auto [option, mode] : modes) {
        connect(option, &QRadioButton::pressed, this, [this] { toggledByClick_ = false; });
        connect(option, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (!checked)
                return;
            toggledByClick_ = true;
            emit modeClicked(mode);
        });
        connect(option, &QRadioButton::clicked, this, [this, mode = mode] {
            if (!std::exchange(toggledByClick_, false))
                emit modeClicked(mode);
        });
    }
    const std::pair<QLineEdit*, EntryBox> boxes[]
        = {{hueBox_, EntryBox::Hue}, {saturationBox_, EntryBox::Saturation}, {brightnessBox_, EntryBox::Brightness}};
    for (auto [edit, which] : boxes) {
        edit->installEventFilter(this);
        connect(
            edit, &QLineEdit::textChanged, this, [this, which](const QString& text) { emit boxEdited(which, text); });
        connect(edit, &QLineEdit::editingFinished, this, &EntryPanel::typingEnded);
    }
}

void EntryPanel::createChannelRows()
{
    struct Channel {
        QLabel*& label;
        const char* labelName;
        const char* caption;
        QLineEdit*& box;
        const char* boxName;
        const char* text;
        const char* tip;
    };
    const Channel channels[] = {
        {redCaption_, "lblR", "R:", redBox_, "Text1", "255", "Red"},
        {greenCaption_, "lblG", "G:", greenBox_, "Text2", "0", "Green"},
        {blueCaption_, "lblB", "B:", blueBox_, "Text3", "0", "Blue"},
    };
    int y = 24;
    for (const Channel& channel : channels) {
        channel.label = MakeControl<QLabel>(this, channel.labelName, QRect(106, y, 20, 21), tr(channel.caption));
        channel.box = MakeBox(this, channel.boxName, QRect(126, y, 38, 21), channel.text, tr(channel.tip));
        // Nothing reads what is typed here: the channels are shown, to be selected and copied.
        channel.box->setReadOnly(true);
        y += 40;
    }
}

QList<QWidget*> EntryPanel::tabChain() const
{
    return {hueOption_, hueBox_, saturationOption_, saturationBox_, brightnessOption_, brightnessBox_, redBox_,
        greenBox_, blueBox_};
}

QLineEdit* EntryPanel::box(EntryBox which) const
{
    switch (which) {
    case EntryBox::Hue:
        return hueBox_;
    case EntryBox::Saturation:
        return saturationBox_;
    case EntryBox::Brightness:
        return brightnessBox_;
    }
    return hueBox_;
}

void EntryPanel::showText(EntryBox which, const std::string& text)
{
    box(which)->setText(QString::fromStdString(text));
}

void EntryPanel::showChannels(Channels rgb)
{
    redBox_->setText(QString::number(rgb.r));
    greenBox_->setText(QString::number(rgb.g));
    blueBox_->setText(QString::number(rgb.b));
}

void EntryPanel::showMode(PickerMode mode)
{
    const QSignalBlocker blockH(hueOption_);
    const QSignalBlocker blockS(saturationOption_);
    const QSignalBlocker blockB(brightnessOption_);
    (mode == PickerMode::Hue                 ? hueOption_
            : mode == PickerMode::Saturation ? saturationOption_
                                             : brightnessOption_)
        ->setChecked(true);
}

bool EntryPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A key counts as typed into a box when the box received its press as well as its release. The
    // release of the Return that closed a message, or of the Tab that moved the focus here, lands in
    // a box that never saw the press: taken as typing, it would check the hue again and bring the
    // message back for ever.
    if (event->type() == QEvent::FocusIn) {
        keysPressedIn_.erase(watched);
    } else if (event->type() == QEvent::KeyPress) {
        keysPressedIn_[watched].insert(static_cast<QKeyEvent*>(event)->key());
    } else if (event->type() == QEvent::KeyRelease
        && keysPressedIn_[watched].erase(static_cast<QKeyEvent*>(event)->key()) == 0) {
        return QFrame::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyRelease) {
        if (watched == hueBox_)
            emit hueTyped(hueBox_->text());
        else if (watched == saturationBox_)
            emit saturationTyped(saturationBox_->text());
        else if (watched == brightnessBox_)
            emit brightnessTyped(brightnessBox_->text());
    } else if (event->type() == QEvent::FocusOut && watched == hueBox_) {
        // Focus leaving for another control of this window counts; the window losing activation
        // (to a message box, another program, a popup) does not, as the box keeps its focus there.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit hueLeft();
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pelmora
