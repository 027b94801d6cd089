#include "mainwindow/user_colors_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace pelmora {
namespace {

// Far more than 225 lines of numbers ever need; a larger file is read only this far.
constexpr qint64 kMaxBytesRead = 1 << 20;

bool FolderIsWritable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

UserColorsFile::UserColorsFile(QString programFolder, QString userDataFolder)
    : programFolder_(std::move(programFolder)), userDataFolder_(std::move(userDataFolder))
{
}

UserColorsFile UserColorsFile::ForThisProgram()
{
    return UserColorsFile(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString UserColorsFile::path() const
{
    const QString folder =
        (FolderIsWritable(programFolder_) || userDataFolder_.isEmpty()) ? programFolder_ : userDataFolder_;
    return folder + QLatin1Char('/') + QLatin1String(kFileName);
}

UserColorArray UserColorsFile::Load() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return UserColorArray{};
    const QByteArray bytes = file.read(kMaxBytesRead);
    return ParseUserColors(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool UserColorsFile::Save(const UserColorArray& colors, QString* error) const
{
    const QString target = path();
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    const std::string text = FormatUserColors(colors);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved && error)
        *error = QCoreApplication::translate("UserColorsFile", "The custom colours could not be saved to \"%1\": %2")
                     .arg(QDir::toNativeSeparators(target), file.errorString());
    return saved;
}

} // namespace pelmora
