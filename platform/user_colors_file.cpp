#include "platform/user_colors_file.h"

#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace pelmora {
namespace {

// Far more than 225 lines of numbers ever need; a larger file is read only this far.
constexpr qint64 kMaxBytesRead = 1 << 20;

// A save takes milliseconds; a copy that holds the lock longer is stuck, and the window must not be.
constexpr int kLockWaitMs = 2000;

// A copy killed between creating the lock file and writing its process id into it leaves a lock
// that names nobody, which Qt takes for stale only once it is this old (30 s by default). Every
// running copy also holds an flock() on its lock file for as long as it holds the lock, and Qt
// removes a stale-looking lock only when it can take that flock itself, so on a file system that
// keeps such locks a live copy's lock is never taken over however short this time.
constexpr int kLockStaleMs = 100;

// Far more than the 224 lines of cell numbers the list of black cells ever needs.
constexpr qint64 kMaxMarksBytesRead = 64 * 1024;

bool FolderIsWritable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString SaveFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("UserColorsFile", "The custom colours could not be saved to \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

std::string_view View(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// A file that cannot be read gives all black.
UserColorArray ColorsIn(const FileContents& file)
{
    if (!file.error.isEmpty())
        return UserColorArray{};
    return ParseUserColors(View(file.bytes));
}

// The colours of `colorsFile` with the marks of `marksFile` that still apply to them. Without a
// colours file nothing is set, whatever an earlier list says.
CustomColors CustomColorsIn(const FileContents& colorsFile, const FileContents& marksFile)
{
    const bool listApplies = colorsFile.error.isEmpty() && !colorsFile.missing && marksFile.error.isEmpty();
    return WithBlackMarks(ColorsIn(colorsFile), listApplies ? ParseBlackCellMarks(View(marksFile.bytes)) : CellMarks());
}

QString MarksFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("UserColorsFile",
        "The custom colours were saved, but which of them are set to black could not be saved to \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

UserColorsFile::UserColorsFile(QString programFolder, QString userDataFolder)
    : programFolder_(std::move(programFolder))
    , userDataFolder_(std::move(userDataFolder))
{
}

UserColorsFile UserColorsFile::ForThisProgram()
{
    return UserColorsFile(QCoreApplication::applicationDirPath(), UserDataFolder());
}

QString UserColorsFile::UserDataFolder()
{
    // The window's application data folder (organisation and application both "Pelmora"), spelled
    // out: the commands run without those names, and their colours must be the window's.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Pelmora/Pelmora");
}

QString UserColorsFile::path() const
{
    const QString folder
        = (FolderIsWritable(programFolder_) || userDataFolder_.isEmpty()) ? programFolder_ : userDataFolder_;
    return folder + QLatin1Char('/') + QLatin1String(kFileName);
}

CustomColors UserColorsFile::LoadCells() const
{
    const FileContents colors = ReadRegularFile(path(), kMaxBytesRead);
    return CustomColorsIn(colors, ReadRegularFile(marksPath(), kMaxMarksBytesRead));
}

bool UserColorsFile::Save(const UserColorArray& colors, QString* error) const
{
    return Update([&colors](CustomColors& saved) { saved = WithBlackMarks(colors, saved.blackSet); }, error)
        .has_value();
}

std::optional<CustomColors> UserColorsFile::StoreCell(int cell, Color color, QString* error) const
{
    return Update([&](CustomColors& custom) { custom.store(static_cast<std::size_t>(cell), color); }, error);
}

std::optional<CustomColors> UserColorsFile::StoreCells(
    int firstCell, std::span<const Color> colors, QString* error) const
{
    const auto store = [&](CustomColors& custom) {
        for (std::size_t i = 0; i < colors.size(); ++i)
            custom.store(static_cast<std::size_t>(firstCell) + i, colors[i]);
    };
    return Update(store, error);
}

std::optional<CustomColors> UserColorsFile::Update(
    const std::function<void(CustomColors&)>& change, QString* error) const
{
    const auto fail = [error](const QString& sentence) {
        if (error)
            *error = sentence;
        return std::nullopt;
    };
    const QString target = path();
    QString reason;
    if (!CreateFolderOf(target, &reason))
        return fail(SaveFailure(target, reason));
    QLockFile lock(target + QStringLiteral(".lock"));
    lock.setStaleLockTime(kLockStaleMs);
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        return fail(SaveFailure(
            target, QCoreApplication::translate("UserColorsFile", "another running copy of the program is saving it")));
    }
    // A lock that could not even be created (a full disk, a folder we may not write to) is held by
    // nobody; the save itself then says what is wrong.
    // Read again under the lock: what another copy saved since this one loaded the grid stays.
    const FileContents current = ReadRegularFile(target, kMaxBytesRead);
    if (!current.error.isEmpty())
        return fail(SaveFailure(target, current.error));
    const QString marksTarget = marksPath();
    const FileContents currentMarks = ReadRegularFile(marksTarget, kMaxMarksBytesRead);
    CustomColors custom = CustomColorsIn(current, currentMarks);
    change(custom);
    if (!ReplaceRegularFile(target, Bytes(FormatUserColors(custom.colors)), &reason))
        return fail(SaveFailure(target, reason));
    // The colours first: a save cut short between the two files loses at most a black cell's mark,
    // never makes a cell set that is not.
    const QByteArray marks = Bytes(FormatBlackCellMarks(custom.blackSet));
    const bool marksUnchanged = currentMarks.missing ? custom.blackSet.none() : currentMarks.bytes == marks;
    if (!marksUnchanged && !ReplaceRegularFile(marksTarget, marks, &reason) && error)
        *error = MarksFailure(marksTarget, reason);
    return custom;
}

} // namespace pelmora
