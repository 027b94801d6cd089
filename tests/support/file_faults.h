#pragma once
// Faulty places for files, made for a test and undone after it: a small or read-only file system,
// device nodes, FIFOs and files of another user. Some need the superuser; each says why it could
// not be made, for the test to skip with that reason.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace pelmora::test {

inline QString Reason(const char* what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

// A tmpfs of `bytes` mounted on `folder` while the object lives.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, qint64 bytes)
        : folder_(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, options.constData()) == 0)
            mounted_ = true;
        else
            why_ = Reason("mounting a tmpfs needs the superuser");
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool isMounted() const { return mounted_; }
    QString whyNot() const { return why_; }
    // From now on nothing can be created or changed in it, not even by the superuser.
    bool makeReadOnly() const
    {
        return ::mount("tmpfs", folder_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString why_;
};

// A folder that nothing can be written to: a read-only tmpfs for the superuser (who may write
// anywhere else), the folder's write permission taken away for everyone else.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder)
        : folder_(folder)
        , fileSystem_(folder, 1 << 20)
    {
    }
    ~ReadOnlyFolder()
    {
        if (chmodded_)
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Call once the folder holds what the test needs; returns empty, or why it could not be done.
    QString makeReadOnly()
    {
        if (fileSystem_.isMounted())
            return fileSystem_.makeReadOnly() ? QString() : Reason("remounting read-only");
        if (::geteuid() == 0)
            return fileSystem_.whyNot();
        chmodded_ = QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
        return chmodded_ ? QString() : QStringLiteral("the folder's permissions could not be changed");
    }

private:
    QString folder_;
    SmallFileSystem fileSystem_;
    bool chmodded_ = false;
};

// Fills the file system that `folder` lies on with one file, until no byte more fits.
inline void FillUp(const QString& folder)
{
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) { }
    while (filler.write("f", 1) == 1) { }
}

// While the object lives, no file of this process may grow beyond `bytes`: writes beyond fail
// (EFBIG) as on a full disk. Works for every user, unlike a small file system.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write's error, not a killed process
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// A character device node like /dev/null at `path`; empty, or why it could not be made.
inline QString MakeDeviceNode(const QString& path)
{
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        return Reason("making a device node needs the superuser");
    return {};
}

inline bool MakeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0; }

// Gives the file at `path` to the user "nobody"; empty, or why it could not.
inline QString GiveToAnotherUser(const QString& path)
{
    if (::lchown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
        return Reason("giving a file to another user needs the superuser");
    return {};
}

inline mode_t TypeAt(const QString& path)
{
    struct stat entry { };
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return 0;
    return entry.st_mode & S_IFMT;
}

// What may be in a file's place, none of which a save may replace.
enum class Occupant {
    DeviceNode,
    LinkToDeviceNode,
    Fifo,
    LinkToFifo,
    Folder,
    OtherUsersFile,
    LinkToOtherUsersFile,
    DanglingLink
};

// Puts `occupant` at `path`, with what a link points at ("pointee") in `folder`; another user's
// file holds `bytes`. Returns empty, or why it could not be made.
inline QString Place(Occupant occupant, const QString& path, const QString& folder, const QByteArray& bytes)
{
    const QString pointee = QDir(folder).filePath(QStringLiteral("pointee"));
    const bool link = occupant == Occupant::LinkToDeviceNode || occupant == Occupant::LinkToFifo
        || occupant == Occupant::LinkToOtherUsersFile || occupant == Occupant::DanglingLink;
    const QString made = link ? pointee : path;
    QString why;
    switch (occupant) {
    case Occupant::DeviceNode:
    case Occupant::LinkToDeviceNode:
        why = MakeDeviceNode(made);
        break;
    case Occupant::Fifo:
    case Occupant::LinkToFifo:
        why = MakeFifo(made) ? QString() : Reason("mkfifo");
        break;
    case Occupant::Folder:
        why = QDir().mkdir(made) ? QString() : Reason("mkdir");
        break;
    case Occupant::OtherUsersFile:
    case Occupant::LinkToOtherUsersFile: {
        QFile file(made);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return file.errorString();
        file.close();
        why = GiveToAnotherUser(made);
        break;
    }
    case Occupant::DanglingLink:
        break;
    }
    if (why.isEmpty() && link && !QFile::link(pointee, path))
        why = QStringLiteral("symlinks cannot be made here");
    return why;
}

} // namespace pelmora::test

Q_DECLARE_METATYPE(pelmora::test::Occupant)
