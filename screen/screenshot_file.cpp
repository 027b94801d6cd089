#include "screen/screenshot_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {
namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

std::optional<QByteArray> ReadAll(int fd)
{
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return data;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        data.append(buffer, got);
    }
}

} // namespace

std::optional<QImage> TakeScreenshotFile(const QString& uri, QString* error)
{
    const QUrl url(uri);
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const QFileInfo where(path);
    if (path.isEmpty() || !where.isAbsolute() || where.fileName().isEmpty()) {
        *error = QStringLiteral("the screenshot's address \"%1\" is not a local file").arg(uri);
        return std::nullopt;
    }
    // The folder is opened once, and the file and its removal are both named relative to it, so
    // that both act on the same directory entry even if the folder's path changes meanwhile.
    const Descriptor folder(
        ::open(QFile::encodeName(where.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const QByteArray name = QFile::encodeName(where.fileName());
    if (folder.get() < 0) {
        *error = QStringLiteral("the screenshot's folder cannot be opened: %1").arg(SystemError());
        return std::nullopt;
    }
    // O_NOFOLLOW: a link in the file's place is refused, never followed. O_NONBLOCK: a pipe put
    // there does not hold us up before it is refused as no regular file.
    const Descriptor file(::openat(folder.get(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        *error = errno == ELOOP
            ? QStringLiteral("the screenshot's file %1 is a link").arg(path)
            : QStringLiteral("the screenshot's file %1 cannot be read: %2").arg(path, SystemError());
        return std::nullopt;
    }
    struct stat opened { };
    if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
        *error = QStringLiteral("the screenshot's file %1 is not a regular file of yours").arg(path);
        return std::nullopt;
    }
    const std::optional<QByteArray> data = ReadAll(file.get());
    QImage picture;
    if (!data || !picture.loadFromData(*data)) {
        *error = QStringLiteral("the screenshot's file %1 holds no picture").arg(path);
        return std::nullopt;
    }
    // Removed only if the name still leads to the file that was read.
    struct stat named { };
    if (::fstatat(folder.get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == opened.st_dev
        && named.st_ino == opened.st_ino)
        ::unlinkat(folder.get(), name.constData(), 0);
    return picture;
}

} // namespace pelmora
