#pragma once
// The picture the desktop portal saved for us. The portal writes each screenshot to a file (some
// desktops into the user's Pictures folder) and leaves it there: it is ours to remove once read,
// and only it: a regular file of the user's own at exactly the path the portal named, never what a
// link in its place points to.

#include <QImage>
#include <QString>

#include <optional>

namespace pelmora {

// Reads the PNG (or any picture Qt reads) at the local file address `uri` ("file:///..."), then
// removes that file. Nothing, with a sentence in `error`, when the address is not a local file, the
// file is a link, not a regular file or not the user's, or holds no picture; such a file stays.
std::optional<QImage> TakeScreenshotFile(const QString& uri, QString* error);

} // namespace pelmora
