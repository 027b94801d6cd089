#include "mainwindow/notation_row.h"

#include "notations/notation_table.h"
#include "platform/clipboard.h"
#include "platform/notation_settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

namespace {

// Item data: the notation's name, or this prefix and the template's name.
const QString kTemplatePrefix = QStringLiteral("template:");

} // namespace

NotationRow::NotationRow(QWidget* parent)
    : QWidget(parent)
    , list_(new QComboBox(this))
    , field_(new QLineEdit(this))
    , copyButton_(new QPushButton(tr("Copy"), this))
{
    list_->setObjectName(QStringLiteral("cmbNotation"));
    list_->setAccessibleName(tr("Notation"));
    field_->setObjectName(QStringLiteral("txtNotation"));
    field_->setAccessibleName(tr("Code in the chosen notation"));
    field_->setReadOnly(true);
    copyButton_->setObjectName(QStringLiteral("cmdCopyNotation"));
    copyButton_->setAccessibleName(tr("Copy the code in the chosen notation"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addWidget(field_, 1);
    layout->addWidget(copyButton_);

    fillList();
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

void NotationRow::setColor(Color color)
{
    color_ = color;
    refresh();
}

QString NotationRow::code() const { return field_->text(); }

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
        const std::string name = key.mid(kTemplatePrefix.size()).toStdString();
        for (std::size_t i = 0; i < templates_.size(); ++i) {
            if (templates_[i].name != name)
                continue;
            if (!templateProblems_[i].isEmpty()) {
                problem = tr("The template cannot be used: %1").arg(templateProblems_[i]);
                break;
            }
            const auto parsed = ColorTemplate::Parse(templates_[i].pattern);
            if (parsed.result)
                text = QString::fromStdString(parsed.result->format(color_));
            else
                problem = tr("The template cannot be used: %1").arg(QString::fromStdString(parsed.message));
            break;
        }
    } else if (const Notation* notation = FindNotation(key.toStdString())) {
        const auto formatted = FormatIn(*notation, color_);
        if (formatted)
            text = QString::fromStdString(*formatted);
        else
            problem = tr("This colour has no text in this notation");
    }
    field_->setText(text);
    field_->setToolTip(problem);
    copyButton_->setEnabled(problem.isEmpty());
}

} // namespace pelmora
