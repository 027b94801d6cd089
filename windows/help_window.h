#pragma once
// The help window: the program's help text, shown at start-up unless the user switched it off.

#include <QDialog>
#include <QString>

class QCheckBox;
class QTextBrowser;

namespace pelmora {

class Form8 final : public QDialog {
    Q_OBJECT
public:
    // Client area 10290 x 7920 twips.
    static constexpr int kWidth = 686;
    static constexpr int kHeight = 528;

    // The load steps, for the help file in `programFolder`. When the file is missing the window
    // stays hidden (isHelpFileMissing()), the settings store is left alone and nothing else runs.
    Form8(const QString& programFolder, QWidget* mainWindow);

    bool isHelpFileMissing() const { return helpFileMissing_; }

private:
    void loadHelpFile(const QString& path);
    void applyStoredShowHelp();
    void Check1_Click();

    QTextBrowser* rtf1;
    QCheckBox* Check1;
    bool helpFileMissing_ = false;
};

// The help file of a program folder. The name is appended after a "/" as it is: a "\" is an
// ordinary file-name character here, so it could never serve as the separator.
QString HelpFilePath(const QString& programFolder);

// The last step of the main window's start-up: when "showHelp" is exactly "1", loads the help
// window (a child of `mainWindow`, so it stays off the task bar) and shows it modeless.
// Returns the window shown, or nullptr when nothing was shown.
Form8* OpenHelpAtStartup(QWidget* mainWindow);
// The same for the help file in `programFolder` instead of the program's own folder.
Form8* OpenHelpAtStartup(QWidget* mainWindow, const QString& programFolder);

// The loaded help window, or nullptr once the user has closed it (or it was never loaded).
Form8* LoadedHelpWindow();

} // namespace pelmora
