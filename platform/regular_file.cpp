#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace pelmora {
namespace {

QString ReasonOf(int error) { return QString::fromStdString(std::generic_category().message(error)); }

QString NotARegularFile() { return QCoreApplication::translate("RegularFile", "it is not a regular file"); }

QString AnotherUsersFile() { return QCoreApplication::translate("RegularFile", "the file belongs to another user"); }

QString AnotherUsersLink() { return QCoreApplication::translate("RegularFile", "the link belongs to another user"); }

// The file a save to `path` replaces, or an empty string and the reason why nothing may be.
QString ReplaceableTarget(const QString& path, QString* reason)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat entry { };
    if (::lstat(native.constData(), &entry) != 0) {
        if (errno == ENOENT)
            return path;
        *reason = ReasonOf(errno);
        return {};
    }
    QString target = path;
    if (S_ISLNK(entry.st_mode)) {
        // Someone else's link (say, planted in a folder every user may write to) would send the
        // save wherever its maker chose. The kernel refuses such links only where that is
        // switched on, and only in sticky folders.
        if (entry.st_uid != ::geteuid()) {
            *reason = AnotherUsersLink();
            return {};
        }
        if (::stat(native.constData(), &entry) != 0) {
            // A dangling link would make the save create a file where it points.
            *reason = errno == ENOENT ? QCoreApplication::translate("RegularFile", "the link points at nothing")
                                      : ReasonOf(errno);
            return {};
        }
        target = QFileInfo(path).canonicalFilePath();
    }
    if (!S_ISREG(entry.st_mode) || target.isEmpty()) {
        *reason = NotARegularFile();
        return {};
    }
    if (entry.st_uid != ::geteuid()) {
        *reason = AnotherUsersFile();
        return {};
    }
    return target;
}

// A save killed between writing its temporary file and renaming it leaves the temporary file
// behind, named as QSaveFile names them: the file's name, a dot and six letters or digits.
void RemoveLeftoverSaves(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QRegularExpression ours(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QStringList names = folder.entryList({info.fileName() + QStringLiteral(".??????")},
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QString& name : names) {
        if (!ours.match(name).hasMatch())
            continue;
        const QByteArray native = QFile::encodeName(folder.filePath(name));
        struct stat entry { };
        if (::lstat(native.constData(), &entry) == 0 && S_ISREG(entry.st_mode) && entry.st_uid == ::geteuid())
            ::unlink(native.constData());
    }
}

} // namespace

FileContents ReadRegularFile(const QString& path, qint64 maxBytes)
{
    FileContents contents;
    const QByteArray native = QFile::encodeName(path);
    // Looked at before opening, so that no device is ever opened; checked again on the open file,
    // which the non-blocking open cannot be held up by, in case the path changed in between.
    struct stat entry { };
    if (::stat(native.constData(), &entry) != 0) {
        if (errno == ENOENT)
            contents.missing = true;
        else
            contents.error = ReasonOf(errno);
        return contents;
    }
    if (!S_ISREG(entry.st_mode)) {
        contents.error = NotARegularFile();
        return contents;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        contents.error = ReasonOf(errno);
        return contents;
    }
    if (::fstat(fd, &entry) != 0 || !S_ISREG(entry.st_mode)) {
        ::close(fd);
        contents.error = NotARegularFile();
        return contents;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        contents.error = file.errorString();
        return contents;
    }
    // Asked for `maxBytes`, Qt sets that much aside first, and a large block, once given back, raises
    // the size below which the C library keeps freed memory instead of returning it. The file's own
    // size (one byte more tells whether it grew meanwhile) is all that is needed.
    contents.bytes = file.read(std::clamp<qint64>(entry.st_size + 1, 0, maxBytes));
    if (file.error() != QFileDevice::NoError)
        contents.error = file.errorString();
    return contents;
}

bool CreateFolderOf(const QString& path, QString* error)
{
    // The folder's own failure is the one worth reporting; opening the file afterwards would only
    // say that the folder is missing.
    std::error_code failure;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString(), failure);
    if (failure && error)
        *error = QString::fromStdString(failure.message());
    return !failure;
}

bool ReplaceRegularFile(const QString& path, const QByteArray& bytes, QString* error, SavedFile kind)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const bool programsOwn = kind == SavedFile::ProgramsOwn;
    QString reason;
    if (programsOwn && !CreateFolderOf(path, &reason))
        return fail(reason);
    const QString target = ReplaceableTarget(path, &reason);
    if (target.isEmpty())
        return fail(reason);
    if (programsOwn)
        RemoveLeftoverSaves(target);

    QSaveFile file(target);
    // Unbuffered, so that each write reports its own failure: commit() does not report a failed
    // flush of Qt's buffer (a full disk), and a short write must be retried for the reason why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString writeError = file.errorString();
        file.cancelWriting(); // the old file stays as it was
        return fail(writeError);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace pelmora
