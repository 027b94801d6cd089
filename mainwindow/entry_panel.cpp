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
        {optH, "optH", "H:", txtH, "txtH", "0", "Hue", lblH, "lblH", "\u00B0"},
        {optS, "optS", "S:", txtS, "txtS", "100", "Saturation", lblS, "lblS", "%"},
        {optB, "optB", "B:", txtB, "txtB", "100", "Brightness", lblBB, "lblBB", "%"},
    };
    int y = 24;
    for (const Row& row : rows) {
        row.option = MakeControl<QRadioButton>(this, row.optionName, QRect(8, y, 38, 21), tr(row.caption));
        row.option->setToolTip(tr(row.tip));
        row.box = MakeBox(this, row.boxName, QRect(46, y, 38, 21), row.text, tr(row.tip));
        row.unit = MakeControl<QLabel>(this, row.unitName, QRect(86, y, 14, 21), QString::fromUtf8(row.unitText));
        y += 40;
    }
    optH->setChecked(true);
    const std::pair<QRadioButton*, PickerMode> modes[]
        = {{optH, PickerMode::Hue}, {optS, PickerMode::Saturation}, {optB, PickerMode::Brightness}};
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
        = {{txtH, EntryBox::Hue}, {txtS, EntryBox::Saturation}, {txtB, EntryBox::Brightness}};
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
        {lblR, "lblR", "R:", Text1, "Text1", "255", "Red"},
        {lblG, "lblG", "G:", Text2, "Text2", "0", "Green"},
        {lblB, "lblB", "B:", Text3, "Text3", "0", "Blue"},
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

QLineEdit* EntryPanel::box(EntryBox which) const
{
    switch (which) {
    case EntryBox::Hue:
        return txtH;
    case EntryBox::Saturation:
        return txtS;
    case EntryBox::Brightness:
        return txtB;
    }
    return txtH;
}

void EntryPanel::showText(EntryBox which, const std::string& text)
{
    box(which)->setText(QString::fromStdString(text));
}

void EntryPanel::showChannels(Channels rgb)
{
    Text1->setText(QString::number(rgb.r));
    Text2->setText(QString::number(rgb.g));
    Text3->setText(QString::number(rgb.b));
}

void EntryPanel::showMode(PickerMode mode)
{
    const QSignalBlocker blockH(optH);
    const QSignalBlocker blockS(optS);
    const QSignalBlocker blockB(optB);
    (mode == PickerMode::Hue ? optH : mode == PickerMode::Saturation ? optS : optB)->setChecked(true);
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
        if (watched == txtH)
            emit hueTyped(txtH->text());
        else if (watched == txtS)
            emit saturationTyped(txtS->text());
        else if (watched == txtB)
            emit brightnessTyped(txtB->text());
    } else if (event->type() == QEvent::FocusOut && watched == txtH) {
        // Focus leaving for another control of this window counts; the window losing activation
        // (to a message box, another program, a popup) does not, as the box keeps its focus there.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit hueLeft();
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pelmora
