#pragma once
// Where the custom colours live between runs, and reading and writing them.
// The file "usercolors.cps" lies in the program's folder. A program installed for every user sits in
// a folder nobody may write to; then the same file name in the user's own application data folder
// is used instead, so that "Add" works for every user. Beside it, "usercolors.cps.set" lists the
// cells set to black (palette/set_cells.h), which the colours file cannot tell from empty ones.

#include "palette/set_cells.h"
#include "palette/user_colors_format.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace pelmora {

class UserColorsFile {
public:
    static constexpr char kFileName[] = "usercolors.cps";
    static constexpr char kMarksSuffix[] = ".set";

    // `programFolder` is the folder of the program; `userDataFolder` the per-user fallback.
    UserColorsFile(QString programFolder, QString userDataFolder);
    // The running program's folders, the same for the window and every command: the per-user one
    // does not depend on the names the running part gave its application.
    static UserColorsFile ForThisProgram();
    // The per-user folder of ForThisProgram(): Pelmora/Pelmora in the user's data folder.
    static QString UserDataFolder();

    // The file that is read and written, and the list of its cells set to black.
    QString path() const;
    QString marksPath() const { return path() + QLatin1String(kMarksSuffix); }

    // The colours in the file; a missing or unreadable file gives all black. Never fails.
    UserColorArray Load() const { return LoadCells().colors; }
    // The same with the marks of the cells set to black; a missing colours file has none.
    CustomColors LoadCells() const;
    // Writes all colours at once: the previous file stays intact unless the new one is complete.
    // Only a regular file of the user's own (or a symlink to one) is ever replaced.
    // On failure returns false and sets `error` to a sentence naming the file and the first reason.
    bool Save(const UserColorArray& colors, QString* error) const;
    // Stores `color` in `cell` of the file as it is now, so that cells another running copy stored
    // in the meantime are kept, and marks the cell set. Returns the colours saved, or nothing with
    // `error` set as Save() does. When the colours were saved but the list of black cells could not
    // be, returns them and sets `error` too. Running copies take turns through a lock file beside
    // the file; a lock that a killed copy left behind is taken over at once.
    std::optional<CustomColors> StoreCell(int cell, Color color, QString* error) const;
    // The same for the cells firstCell, firstCell + 1, ... taking `colors` in order; all of them are
    // saved or none. The range must lie within the cells.
    std::optional<CustomColors> StoreCells(int firstCell, std::span<const Color> colors, QString* error) const;

private:
    // Under the file's lock: reads the file and its marks, applies `change`, saves both and gives
    // what was saved.
    std::optional<CustomColors> Update(const std::function<void(CustomColors&)>& change, QString* error) const;

    QString programFolder_;
    QString userDataFolder_;
};

} // namespace pelmora
