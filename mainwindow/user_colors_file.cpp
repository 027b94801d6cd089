#include "mainwindow/user_colors_file.h"

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

// A file that cannot be read gives all black.
UserColorArray ColorsIn(const FileContents& file)
{
    if (!file.error.isEmpty())
        return UserColorArray{};
    return ParseUserColors(std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
}

} // namespace

UserColorsFile::UserColorsFile(QString programFolder, QString userDataFolder)
    : programFolder_(std::move(programFolder))
    , userDataFolder_(std::move(userDataFolder))
{
}

UserColorsFile UserColorsFile::ForThisProgram()
{
    return UserColorsFile(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString UserColorsFile::path() const
{
    const QString folder
        = (FolderIsWritable(programFolder_) || userDataFolder_.isEmpty()) ? programFolder_ : userDataFolder_;
    return folder + QLatin1Char('/') + QLatin1String(kFileName);
}

UserColorArray UserColorsFile::Load() const { return ColorsIn(ReadRegularFile(path(), kMaxBytesRead)); }

bool UserColorsFile::Save(const UserColorArray& colors, QString* error) const
{
    return Update([&colors](UserColorArray& saved) { saved = colors; }, nullptr, error);
}

std::optional<UserColorArray> UserColorsFile::StoreCell(int cell, Color color, QString* error) const
{
    UserColorArray saved{};
    if (!Update([&](UserColorArray& colors) { colors.at(static_cast<std::size_t>(cell)) = color; }, &saved, error))
        return std::nullopt;
    return saved;
}

std::optional<UserColorArray> UserColorsFile::StoreCells(
    int firstCell, std::span<const Color> colors, QString* error) const
{
    UserColorArray saved{};
    const auto store = [&](UserColorArray& cells) {
        for (std::size_t i = 0; i < colors.size(); ++i)
            cells.at(static_cast<std::size_t>(firstCell) + i) = colors[i];
    };
    if (!Update(store, &saved, error))
        return std::nullopt;
    return saved;
}

bool UserColorsFile::Update(
    const std::function<void(UserColorArray&)>& change, UserColorArray* saved, QString* error) const
{
    const QString target = path();
    QString reason;
    if (!CreateFolderOf(target, &reason)) {
        if (error)
            *error = SaveFailure(target, reason);
        return false;
    }
    QLockFile lock(target + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        if (error)
            *error = SaveFailure(target,
                QCoreApplication::translate("UserColorsFile", "another running copy of the program is saving it"));
        return false;
    }
    // A lock that could not even be created (a full disk, a folder we may not write to) is held by
    // nobody; the save itself then says what is wrong.
    // Read again under the lock: what another copy saved since this one loaded the grid stays.
    const FileContents current = ReadRegularFile(target, kMaxBytesRead);
    if (!current.error.isEmpty()) {
        if (error)
            *error = SaveFailure(target, current.error);
        return false;
    }
    UserColorArray colors = ColorsIn(current);
    change(colors);
    const std::string text = FormatUserColors(colors);
    if (!ReplaceRegularFile(target, QByteArray(text.data(), static_cast<qsizetype>(text.size())), &reason)) {
        if (error)
            *error = SaveFailure(target, reason);
        return false;
    }
    if (saved)
        *saved = colors;
    return true;
}

} // namespace pelmora
