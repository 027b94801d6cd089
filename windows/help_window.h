#pragma once
// The help window: the program's help text, shown at start-up unless the user switched it off.

#include <QDialog>
#include <QString>

class QCheckBox;
class QTextBrowser;

namespace pelmora {

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    // Client area 10290 x 7920 twips.
    static constexpr int kWidth = 686;
    static constexpr int kHeight = 528;

    // The load steps, for the help file in `programFolder`. When the file is missing the window
    // stays hidden (isHelpFileMissing()), the settings store is left alone and nothing else runs.
    HelpWindow(const QString& programFolder, QWidget* mainWindow);

    bool isHelpFileMissing() const { return helpFileMissing_; }

private:
    void loadHelpFile(const QString& path);
    void applyStoredShowHelp();
    void onShowAtStartupClicked();

    QTextBrowser* helpText_;
    QCheckBox* showAtStartup_;
    bool helpFileMissing_ = false;
};

// The help file of a program folder. The name is appended after a "/" as it is: a "\" is an
// ordinary file-name character here, so it could never serve as the separator.
QString HelpFilePath(const QString& programFolder);

// The last step of the main window's start-up: when "showHelp" is exactly "1", loads the help
// window for the help file in `programFolder` (a child of `mainWindow`, so it stays off the task
// bar) and shows it modeless. Returns the window shown, or nullptr when nothing was shown. Closing
// the window unloads (deletes) it.
HelpWindow* OpenHelpAtStartup(QWidget* mainWindow, const QString& programFolder);

// The same window on the user's request, whatever "showHelp" says: loads it unless `open` is
// already loaded, shows and raises it. Returns the window, or nullptr when the help file is missing.
HelpWindow* OpenHelpOnRequest(HelpWindow* open, QWidget* mainWindow, const QString& programFolder);

} // namespace pelmora
