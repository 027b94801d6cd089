#include "app/clipboard_keeper.h"

#include "platform/clipboard.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace pelmora {
namespace {

constexpr int kServerStartMs = 5000;

// Whether a clipboard manager (the owner of the CLIPBOARD_MANAGER selection) runs on this display.
bool ClipboardManagerRuns()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t* connection = x11->connection();
    constexpr const char* kName = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(kName)), kName), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner
        = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool runs = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return runs;
}

} // namespace

bool KeepOnClipboard(const QString& text, const QString& program, QString* error)
{
    if (ClipboardManagerRuns()) {
        // Qt hands what this process owns to the manager when the application object ends.
        if (CopyTextToClipboard(text))
            return true;
        *error = QStringLiteral("the clipboard did not take the text");
        return false;
    }
    QProcess server;
    server.setProgram(program);
    server.setArguments({QStringLiteral("pick"), QString::fromLatin1(kServeClipboardOption), text});
    // Detached, and holding none of our output channels: a caller reading our output sees its end.
    server.setStandardInputFile(QProcess::nullDevice());
    server.setStandardOutputFile(QProcess::nullDevice());
    server.setStandardErrorFile(QProcess::nullDevice());
    if (!server.startDetached()) {
        *error = QStringLiteral("could not start %1 to keep the clipboard").arg(program);
        return false;
    }
    // Ready when the clipboard reads back as the text (asked of the server, across the display).
    // Qt learns of the new owner from an event, so events are processed while waiting.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QDeadlineTimer deadline(kServerStartMs);
    while (!deadline.hasExpired()) {
        if (clipboard->text(QClipboard::Clipboard) == text)
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    *error = QStringLiteral("the background process did not take the clipboard in time");
    return false;
}

int ServeClipboard(int argc, char** argv, const QString& text)
{
    QGuiApplication app(argc, argv);
    if (!CopyTextToClipboard(text))
        return 2;
    QClipboard* clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QGuiApplication::quit();
    });
    return QGuiApplication::exec();
}

} // namespace pelmora
