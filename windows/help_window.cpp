#include "windows/help_window.h"

#include "helpers/centre_window.h"
#include "helpers/file_exists.h"
#include "helpers/window_on_top.h"
#include "platform/settings_store.h"
#include "rtf/rtf_reader.h"

#include <QCheckBox>
#include <QFile>
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
    , rtf1(new QTextBrowser(this))
    , Check1(new QCheckBox(QStringLiteral("Show at Startup"), this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Readme/Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    rtf1->setObjectName(QStringLiteral("rtf1"));
    rtf1->setGeometry(0, 0, 685, 501);
    rtf1->setReadOnly(true);
    rtf1->setOpenLinks(false);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(4, 508, 133, 17);

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
    connect(Check1, &QCheckBox::stateChanged, this, &HelpWindow::onShowAtStartupClicked);
}

void HelpWindow::loadHelpFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // an unreadable file shows an empty window
    ReadRtf(file.readAll(), *rtf1->document());
    rtf1->moveCursor(QTextCursor::Start); // the reader leaves the cursor at the end; readers start at the top
}

void HelpWindow::applyStoredShowHelp()
{
    const std::optional<int> stored = WholeNumber(GetSetting(kSettingsSection, kShowHelpKey, kShowHelpDefault));
    const std::optional<Qt::CheckState> newState = stored ? CheckStateOfValue(*stored) : std::nullopt;
    if (!newState || *newState == Check1->checkState())
        return; // not a check box state: keep ours
    Check1->setCheckState(*newState);
    // A change of state is a click, and a click stores the state: " 1" is written back as "1".
    onShowAtStartupClicked();
}

void HelpWindow::onShowAtStartupClicked()
{
    SaveSetting(kSettingsSection, kShowHelpKey, QString::number(ValueOfCheckState(Check1->checkState())));
}

HelpWindow* OpenHelpAtStartup(QWidget* mainWindow, const QString& programFolder)
{
    if (GetSetting(kSettingsSection, kShowHelpKey, kShowHelpDefault) != kShowHelpDefault)
        return nullptr;
    auto* form = new HelpWindow(programFolder, mainWindow);
    if (form->isHelpFileMissing()) {
        // Never shown during this run, and nothing else can open it: unload it at once.
        delete form;
        return nullptr;
    }
    form->show();
    return form;
}

} // namespace pelmora
