#include "mainwindow/output_panel.h"

#include "mainwindow/control_factory.h"
#include "outputs/output_panel.h"
#include "picker/geometry.h"
#include "platform/clipboard.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string_view>

namespace pelmora {
namespace {

// In the order of kVisibleCodes.
constexpr const char* kCodeAccessibleNames[] = {
    QT_TRANSLATE_NOOP("pelmora::OutputPanel", "RGB colour code"),
    QT_TRANSLATE_NOOP("pelmora::OutputPanel", "Decimal colour code"),
    QT_TRANSLATE_NOOP("pelmora::OutputPanel", "HTML colour code"),
    QT_TRANSLATE_NOOP("pelmora::OutputPanel", "Hexadecimal colour code"),
};

} // namespace

OutputPanel::OutputPanel(QWidget* window)
    : QGroupBox(tr("Color Outputs"), window)
{
    setObjectName(QStringLiteral("Frame4"));
    setGeometry(TwipsRect(60, 4680, 7095, 1275));
    createFields();
    placeVisibleCodes();
    createSystemColorList(window);
}

void OutputPanel::createFields()
{
    QFont codeFont = font();
    codeFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});

    // The initial texts describe no one colour: they stand until the first colour is chosen.
    const ColorCodes initial = InitialColorCodes();
    for (int i = 0; i < kCodeFieldCount; ++i) {
        auto* field = new QLineEdit(QString::fromStdString(initial.text[static_cast<std::size_t>(i)]), this);
        field->setObjectName(IndexedName("txtColor", i));
        field->setReadOnly(true);
        field->setFont(codeFont);
        field->setEnabled(initial.enabled[static_cast<std::size_t>(i)]);
        codeFields_[static_cast<std::size_t>(i)] = field;
    }
    captions_[0] = new QLabel(QString::fromLatin1(kCodeCaptions[0].data()), this);
    captions_[0]->setObjectName(IndexedName("lblCap", 0));
    captions_[0]->hide();
    codeFields_[kFieldQBColor]->hide();
    // Filled like the others but kept outside the visible area, where the keyboard cannot reach them.
    const int outside = ClientWidth + 40;
    codeFields_[kFieldConstant]->setGeometry(outside, 0, 167, 19);
    codeFields_[kFieldSystemName]->setGeometry(outside, 24, 167, 19);
    codeFields_[kFieldSystemCode]->setGeometry(outside, 48, 167, 19);
    // Hidden as well, or assistive technology would read them as showing.
    for (int field : {kFieldConstant, kFieldQBColor, kFieldSystemName, kFieldSystemCode}) {
        codeFields_[static_cast<std::size_t>(field)]->setFocusPolicy(Qt::NoFocus);
        codeFields_[static_cast<std::size_t>(field)]->hide();
    }
}

// The four visible codes in a 2 x 2 grid, each with its caption above and its Copy button beside.
void OutputPanel::placeVisibleCodes()
{
    struct Place {
        QRect caption, field, button;
    };
    // In the order of kVisibleCodes: RGB, decimal, HTML, hex.
    const Place places[] = {
        {TwipsRect(60, 240, 2505, 195), TwipsRect(60, 420, 2505, 285), TwipsRect(2640, 360, 795, 315)},
        {TwipsRect(3600, 240, 2505, 195), TwipsRect(3600, 420, 2505, 285), TwipsRect(6180, 360, 855, 315)},
        {TwipsRect(60, 720, 2505, 195), TwipsRect(60, 900, 2505, 285), TwipsRect(2640, 840, 795, 315)},
        {TwipsRect(3600, 720, 2505, 195), TwipsRect(3600, 900, 2505, 285), TwipsRect(6180, 900, 855, 315)},
    };
    for (std::size_t i = 0; i < kVisibleCodes.size(); ++i) {
        const VisibleCode& code = kVisibleCodes[i];
        const auto caption = static_cast<std::size_t>(code.caption);
        captions_[caption] = MakeControl<QLabel>(this, IndexedName("lblCap", code.caption), places[i].caption,
            QString::fromLatin1(kCodeCaptions[caption].data()));
        codeFields_[static_cast<std::size_t>(code.field)]->setGeometry(places[i].field);
        auto* copy = MakeControl<QPushButton>(this, IndexedName("cmdCopy", code.copy), places[i].button, tr("Copy"));
        // The panel's title would name every field alike: each is named for its code.
        const QString name = tr(kCodeAccessibleNames[i]);
        codeFields_[static_cast<std::size_t>(code.field)]->setAccessibleName(name);
        copy->setAccessibleName(tr("Copy %1").arg(name));
        copyButtons_[static_cast<std::size_t>(code.copy)] = copy;
        connect(copy, &QPushButton::clicked, this, [this, index = code.copy] { onCopyClicked(index); });
    }
}

// The system colour names: a child of the window, outside its client area.
void OutputPanel::createSystemColorList(QWidget* window)
{
    systemColorList_ = MakeControl<QComboBox>(window, "cboSysColors", QRect(ClientWidth + 40, 40, 150, 21));
    for (std::string_view name : SysColorNames)
        systemColorList_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    systemColorList_->setCurrentIndex(15);
    systemColorList_->setFocusPolicy(Qt::NoFocus); // outside the visible area
    systemColorList_->hide(); // and so from assistive technology too
}

QList<QWidget*> OutputPanel::tabChain() const
{
    QList<QWidget*> chain;
    for (const VisibleCode& code : kVisibleCodes)
        chain << codeFields_[static_cast<std::size_t>(code.field)] << copyButtons_[static_cast<std::size_t>(code.copy)];
    return chain;
}

void OutputPanel::showCodes(const ColorCodes& codes)
{
    for (std::size_t i = 0; i < codeFields_.size(); ++i) {
        const QString text = QString::fromStdString(codes.text[i]);
        if (codeFields_[i]->text() != text)
            codeFields_[i]->setText(text);
        codeFields_[i]->setEnabled(codes.enabled[i]);
    }
    systemColorList_->setCurrentIndex(codes.sysColorSelection);
}

void OutputPanel::onCopyClicked(int index)
{
    const int field = CopySourceField(index);
    if (field < 0)
        return;
    // A clipboard that refuses the text loses nothing: the field keeps it and the user can try again.
    CopyTextToClipboard(codeFields_[static_cast<std::size_t>(field)]->text());
}

} // namespace pelmora
