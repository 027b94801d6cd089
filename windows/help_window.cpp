#include "windows/help_window.h"

#include "platform/centre_window.h"
#include "platform/file_exists.h"
#include "platform/settings_store.h"
#include "platform/version_record.h"
#include "platform/window_on_top.h"
#include "rtf/rtf_reader.h"
#include "windows/help_file.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>

#include <cmath>
#include <optional>

namespace pelmora {

namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kShowHelpKey = QStringLiteral("showHelp");
const QString kShowHelpDefault = QStringLiteral("1");

// The stored text as a whole number, as the check box reads it: blanks and leading zeros are
// harmless (" 1", "01" and "1.0" are 1); anything else is not a number at all.
std::optional<int> WholeNumber(const QString& text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    if (const int value = trimmed.toInt(&ok); ok)
        return value;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number != std::floor(number) || std::fabs(number) > 1e9)
        return std::nullopt;
    return static_cast<int>(number);
}

// The stored values are 0 unchecked, 1 checked, 2 grey; Qt numbers the last two the other way.
std::optional<Qt::CheckState> CheckStateOfValue(int value)
{
    switch (value) {
    case 0:
        return Qt::Unchecked;
    case 1:
        return Qt::Checked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        return std::nullopt;
    }
}

int ValueOfCheckState(Qt::CheckState state)
{
    switch (state) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

} // namespace

QString HelpFilePath(const QString& programFolder) { return programFolder + u'/' + QStringLiteral("Help.rtf"); }

HelpWindow::HelpWindow(const QString& programFolder, QWidget* mainWindow)
    // A dialog owned by the main window stays off the task bar; without an owner a tool window does.
    : QDialog(mainWindow,
        (mainWindow ? Qt::Dialog : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
    , helpText_(new QTextBrowser(this))
    , showAtStartup_(new QCheckBox(QStringLiteral("Show at Startup"), this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Readme/Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    helpText_->setObjectName(QStringLiteral("rtf1"));
    helpText_->setGeometry(0, 0, 685, 501);
    helpText_->setReadOnly(true);
    helpText_->setOpenLinks(false);
    showAtStartup_->setObjectName(QStringLiteral("Check1"));
    showAtStartup_->setGeometry(4, 508, 133, 17);

    CentreOnScreen(this, mainWindow ? mainWindow->screen() : nullptr);

    const QString path = HelpFilePath(programFolder);
    if (!FileExists(path)) {
        helpFileMissing_ = true;
        return;
    }
    loadHelpFile(path);
    SetWindowOnTop(this, true);
    applyStoredShowHelp();
    // Connected only now: the user's clicks store the state, the load's own setting does not
    // write anything beyond what applyStoredShowHelp() decided.
    connect(showAtStartup_, &QCheckBox::stateChanged, this, &HelpWindow::onShowAtStartupClicked);
}

void HelpWindow::loadHelpFile(const QString& path)
{
    LoadHelpFile(path, *helpText_->document());
    helpText_->moveCursor(QTextCursor::Start); // the reader leaves the cursor at the end; readers start at the top
}

void HelpWindow::applyStoredShowHelp()
{
    const std::optional<int> stored = WholeNumber(GetSetting(kSettingsSection, kShowHelpKey, kShowHelpDefault));
    const std::optional<Qt::CheckState> newState = stored ? CheckStateOfValue(*stored) : std::nullopt;
    if (!newState || *newState == showAtStartup_->checkState())
        return; // not a check box state: keep ours
    // Not stored: the settings are written only when the user changes one.
    showAtStartup_->setCheckState(*newState);
}

void HelpWindow::onShowAtStartupClicked()
{
    QString error;
    if (SaveSetting(
            kSettingsSection, kShowHelpKey, QString::number(ValueOfCheckState(showAtStartup_->checkState())), &error))
        return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(ProgramVersion().productName),
        tr("Your choice could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(SettingsFilePath()), error),
        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

namespace {

// The loaded window, or nullptr when the help file is missing: a window without its file is never
// shown, so it is unloaded at once (a later request looks for the file again).
HelpWindow* LoadHelpWindow(const QString& programFolder, QWidget* mainWindow)
{
    auto* form = new HelpWindow(programFolder, mainWindow);
    if (!form->isHelpFileMissing())
        return form;
    delete form;
    return nullptr;
}

} // namespace

HelpWindow* OpenHelpAtStartup(QWidget* mainWindow, const QString& programFolder)
{
    if (GetSetting(kSettingsSection, kShowHelpKey, kShowHelpDefault) != kShowHelpDefault)
        return nullptr;
    HelpWindow* form = LoadHelpWindow(programFolder, mainWindow);
    if (form)
        form->show();
    return form;
}

HelpWindow* OpenHelpOnRequest(HelpWindow* open, QWidget* mainWindow, const QString& programFolder)
{
    HelpWindow* form = open ? open : LoadHelpWindow(programFolder, mainWindow);
    if (!form)
        return nullptr;
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

} // namespace pelmora
