#include "mainwindow/notation_row.h"

#include "notations/code_writer.h"
#include "notations/notation_table.h"
#include "platform/clipboard.h"
#include "platform/notation_settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <initializer_list>

namespace pelmora {

namespace {

// Item data: the notation's name, or this prefix and the template's name.
const QString kTemplatePrefix
    = QString::fromUtf8(kTemplateKeyPrefix.data(), static_cast<qsizetype>(kTemplateKeyPrefix.size()));

} // namespace

NotationRow::NotationRow(QWidget* parent)
    : QWidget(parent)
    , caption_(new QLabel(tr("Notation:"), this))
    , list_(new QComboBox(this))
    , field_(new QLineEdit(this))
    , copyButton_(new QPushButton(tr("Copy"), this))
{
    caption_->setObjectName(QStringLiteral("lblNotation"));
    // On Linux a list is announced by its current item; the label it is tied to says what it is.
    caption_->setBuddy(list_);
    list_->setObjectName(QStringLiteral("cmbNotation"));
    list_->setAccessibleName(tr("Notation"));
    field_->setObjectName(QStringLiteral("txtNotation"));
    field_->setAccessibleName(tr("Code in the chosen notation"));
    field_->setReadOnly(true);
    copyButton_->setObjectName(QStringLiteral("cmdCopyNotation"));
    copyButton_->setAccessibleName(tr("Copy the code in the chosen notation"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(caption_);
    layout->addWidget(list_);
    layout->addWidget(field_, 1);
    layout->addWidget(copyButton_);

    fillList();
    // Lighter than the bold button: the code keeps room for its longest forms
    // (color(display-p3 0.458 0.985 0.298)).
    QFont plain = font();
    plain.setBold(false);
    caption_->setFont(plain);
    list_->setFont(plain);
    field_->setFont(plain);
    fitToTexts();
    const int chosen = list_->findData(LoadChosenNotation());
    list_->setCurrentIndex(chosen >= 0 ? chosen : 0);
    connect(list_, &QComboBox::currentIndexChanged, this, &NotationRow::onNotationChosen);
    connect(copyButton_, &QPushButton::clicked, this, &NotationRow::onCopyClicked);
    refresh();
}

void NotationRow::fillList()
{
    for (const Notation& notation : BuiltInNotations())
        list_->addItem(QString::fromUtf8(notation.label.data(), static_cast<qsizetype>(notation.label.size())),
            QString::fromUtf8(notation.name.data(), static_cast<qsizetype>(notation.name.size())));
    templates_ = LoadUserTemplates(&templateProblems_);
    for (const UserTemplate& userTemplate : templates_) {
        const QString name = QString::fromStdString(userTemplate.name);
        list_->addItem(tr("Template: %1").arg(name), kTemplatePrefix + name);
    }
}

// The list as wide as the longest built-in notation's name needs (a longer template name is cut),
// Copy as wide as its word: the code takes the rest.
void NotationRow::fitToTexts()
{
    QStyleOptionComboBox listOption;
    listOption.initFrom(list_);
    int widest = 0;
    for (int i = 0; i < static_cast<int>(BuiltInNotations().size()); ++i)
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->itemText(i)));
    const QSize listText(widest, list_->fontMetrics().height());
    list_->setFixedWidth(list_->style()->sizeFromContents(QStyle::CT_ComboBox, &listOption, listText, list_).width());

    QStyleOptionButton buttonOption;
    buttonOption.initFrom(copyButton_);
    const int margin = copyButton_->style()->pixelMetric(QStyle::PM_ButtonMargin, &buttonOption, copyButton_)
        + copyButton_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &buttonOption, copyButton_);
    copyButton_->setFixedWidth(copyButton_->fontMetrics().horizontalAdvance(copyButton_->text()) + 2 * margin);
}

void NotationRow::setColor(std::optional<Color> color)
{
    color_ = color;
    refresh();
}

QString NotationRow::code() const { return field_->text(); }

void NotationRow::setRowHeight(int height)
{
    for (QWidget* part : std::initializer_list<QWidget*>{caption_, list_, field_, copyButton_})
        part->setFixedHeight(height);
}

QList<QWidget*> NotationRow::tabChain() const { return {list_, field_, copyButton_}; }

CodeWriter NotationRow::codeWriter() const
{
    return WriterForChosenNotation(list_->currentData().toString().toStdString(), templates_);
}

void NotationRow::onNotationChosen(int index)
{
    QString error;
    if (!SaveChosenNotation(list_->itemData(index).toString(), &error) && !toldUnsaved_) {
        // Once: the next choice would fail for the same reason.
        toldUnsaved_ = true;
        emit unsaved(tr("Your choice of notation could not be remembered: %1").arg(error));
    }
    refresh();
}

void NotationRow::onCopyClicked()
{
    CopyTextToClipboard(field_->text());
    emit copied(field_->text());
}

void NotationRow::refresh()
{
    const QString key = list_->currentData().toString();
    QString text;
    QString problem;
    if (key.startsWith(kTemplatePrefix)) {
        // A template that cannot be read says so before any colour is chosen, too.
        const std::string name = key.mid(kTemplatePrefix.size()).toStdString();
        for (std::size_t i = 0; i < templates_.size(); ++i) {
            if (templates_[i].name != name)
                continue;
            if (!templateProblems_[i].isEmpty()) {
                problem = tr("The template cannot be used: %1").arg(templateProblems_[i]);
                break;
            }
            const auto parsed = ColorTemplate::Parse(templates_[i].pattern);
            if (!parsed.result)
                problem = tr("The template cannot be used: %1").arg(QString::fromStdString(parsed.message));
            else if (color_)
                text = QString::fromStdString(parsed.result->format(*color_));
            break;
        }
    } else if (const Notation* notation = FindNotation(key.toStdString()); notation && color_) {
        const auto formatted = FormatIn(*notation, *color_);
        if (formatted)
            text = QString::fromStdString(*formatted);
        else
            problem = tr("This colour has no text in this notation");
    }
    field_->setText(text);
    field_->setToolTip(problem);
    copyButton_->setEnabled(color_ && problem.isEmpty());
    // A keyboard user never sees the tool tip: the window puts the reason on its note line.
    if (problem != problem_ && !problem.isEmpty())
        emit unusable(problem);
    problem_ = problem;
}

} // namespace pelmora
