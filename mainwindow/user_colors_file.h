#pragma once
// Where the custom colours live between runs, and reading and writing them.
// The file "usercolors.cps" lies in the program's folder. A program installed for every user sits in
// a folder nobody may write to; then the same file name in the user's own application data folder
// is used instead, so that "Add" works for every user.

#include "palette/user_colors_format.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace pelmora {

class UserColorsFile {
public:
    static constexpr char kFileName[] = "usercolors.cps";

    // `programFolder` is the folder of the program; `userDataFolder` the per-user fallback.
    UserColorsFile(QString programFolder, QString userDataFolder);
    // The running program's folders.
    static UserColorsFile ForThisProgram();

    // The file that is read and written.
    QString path() const;

    // The colours in the file; a missing or unreadable file gives all black. Never fails.
    UserColorArray Load() const;
    // Writes all colours at once: the previous file stays intact unless the new one is complete.
    // Only a regular file of the user's own (or a symlink to one) is ever replaced.
    // On failure returns false and sets `error` to a sentence naming the file and the first reason.
    bool Save(const UserColorArray& colors, QString* error) const;
    // Stores `color` in `cell` of the file as it is now, so that cells another running copy stored
    // in the meantime are kept. Returns the colours saved, or nothing with `error` set as Save()
    // does. Running copies take turns through a lock file beside the file.
    std::optional<UserColorArray> StoreCell(int cell, Color color, QString* error) const;
    // The same for the cells firstCell, firstCell + 1, ... taking `colors` in order; all of them are
    // saved or none. The range must lie within the cells.
    std::optional<UserColorArray> StoreCells(int firstCell, std::span<const Color> colors, QString* error) const;

private:
    // Under the file's lock: reads the file, applies `change`, saves it and gives what was saved.
    bool Update(const std::function<void(UserColorArray&)>& change, UserColorArray* saved, QString* error) const;

    QString programFolder_;
    QString userDataFolder_;
};

} // namespace pelmora
