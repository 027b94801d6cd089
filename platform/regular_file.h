#pragma once
// Reading and replacing the small files the program keeps (the custom colours, the settings).
// Only regular files are ever opened or replaced: a FIFO, a device or a folder in a file's place is
// left exactly as it is, and nothing here can block the window (a FIFO without a writer would).

#include <QByteArray>
#include <QString>

namespace pelmora {

struct FileContents {
    QByteArray bytes;
    bool missing = false; // nothing at the path: not an error
    QString error; // why the file could not be read; empty when it was read or is missing
};

// At most `maxBytes` of the regular file at `path` (a symlink to one is followed). Anything else
// at the path is not read, and the reason is given in `error`.
FileContents ReadRegularFile(const QString& path, qint64 maxBytes);

// Creates the folder that `path` lies in, with any folders above it. On failure returns false and
// sets `error` to the first reason (say, no permission to create a folder).
bool CreateFolderOf(const QString& path, QString* error);

// Whose name the path to replace is. The program's own files (the custom colours, the settings) lie
// where the program put them: their folder is made when missing, and the temporary file of a save
// killed half-way is removed by the next save (so the caller must hold the file's lock). A file the user named (an
// export) is written exactly where it was named and nothing beside it is touched: a missing folder is an error, and a
// file that merely looks like an old temporary file ("notes.backup") may be the user's own.
enum class SavedFile { ProgramsOwn, NamedByUser };

// Replaces the file at `path` whole with `bytes`. The file may be missing, a regular file of the
// user's own, or a symlink of the user's own to one (then the file it points at is replaced, the
// link stays); anything else is refused and left as it is: a FIFO, a device, a folder, a link to
// nothing, a link someone else made (as in a folder every user may write to). The previous file
// stays intact unless every byte of the new one was written (a full disk keeps it whole).
// On failure returns false and sets `error` to the first reason found.
bool ReplaceRegularFile(
    const QString& path, const QByteArray& bytes, QString* error, SavedFile kind = SavedFile::ProgramsOwn);

} // namespace pelmora
