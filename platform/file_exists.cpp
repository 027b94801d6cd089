#include "platform/file_exists.h"

#include <QFileInfo>

namespace pelmora {

QString GetFileName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

bool FileExists(const QString& path)
{
    const QString name = GetFileName(path);
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    // A directory search takes * and ? as wildcards, and a path holding them is no file's path. Other
    // characters, brackets and braces included, are plain letters of a name ("Pelmora [copy]").
    for (QChar wildcard : {QLatin1Char('*'), QLatin1Char('?')}) {
        if (path.contains(wildcard))
            return false;
    }
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(native);
    // The stored name must equal the asked one exactly: a case-insensitive file system may answer for
    // a differently written name, and a case-sensitive one answers only for the exact one.
    return info.exists() && info.isFile() && info.fileName() == name;
}

} // namespace pelmora
