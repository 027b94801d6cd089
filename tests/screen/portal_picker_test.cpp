// The desktop portal client against stand-in portals on a private session bus (run under
// dbus-run-session): every outcome of a pick, and once through the real xdg-desktop-portal.

#include "picture_pattern.h"
#include "screen/frozen_loupe.h"
#include "screen/portal_color_picker.h"
#include "screen/screen_pick_messages.h"
#include "screen/screen_picker.h"
#include "screen/session_bus_probe.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace pelmora;
using namespace pelmora::test;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(pelmora::Color)
Q_DECLARE_METATYPE(pelmora::SessionBusState)
Q_DECLARE_METATYPE(pelmora::PickWay)

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3"); // Debian's, the one with gi
const QString kPortalName = QStringLiteral("org.freedesktop.portal.Desktop");

// A screenshot of the one offscreen screen, at its size ("800x600").
QString ScreenSize()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

bool WaitForName(const QString& name, bool present)
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const QDeadlineTimer deadline(10s);
    while (!deadline.hasExpired()) {
        if (bus->isServiceRegistered(name).value() == present)
            return true;
        QTest::qWait(20);
    }
    return false;
}

// A child process that is ended when the test case ends.
struct Service {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    ~Service()
    {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(3000);
    }
};

std::unique_ptr<Service> StartStandIn(const QString& mode, const QStringList& options = {})
{
    auto service = std::make_unique<Service>();
    service->process->setProcessChannelMode(QProcess::ForwardedChannels);
    service->process->start(kPython, QStringList{QStringLiteral(STAND_IN_PORTAL), mode} + options);
    if (!service->process->waitForStarted() || !WaitForName(kPortalName, true))
        return nullptr;
    return service;
}

// The lines the stand-in logged, one a call.
QStringList CallsIn(const QString& log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The loupe's window on the first screen, once it is there.
pelmora::FrozenScreenWindow* WaitForFrozenLoupe(std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    while (!deadline.hasExpired()) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* frozen = qobject_cast<pelmora::FrozenScreenWindow*>(window); frozen && frozen->isVisible())
                return frozen;
        QTest::qWait(20);
    }
    return nullptr;
}

struct Spies {
    explicit Spies(QObject* picker)
        : picked(picker, SIGNAL(picked(pelmora::Color)))
        , cancelled(picker, SIGNAL(cancelled()))
        , failed(picker, SIGNAL(failed(QString)))
    {
    }
    int total() const { return int(picked.size() + cancelled.size() + failed.size()); }
    // Waits for the first outcome, then a little longer to see that no second one follows.
    bool waitForOne(std::chrono::milliseconds limit)
    {
        const QDeadlineTimer deadline(limit);
        while (total() == 0 && !deadline.hasExpired())
            QTest::qWait(10);
        QTest::qWait(100);
        return total() == 1;
    }
    QSignalSpy picked;
    QSignalSpy cancelled;
    QSignalSpy failed;
};

// A bus that takes connections and answers the first line of each with `answer` (nothing when
// empty), then says nothing more, on a socket file or an abstract socket of its own.
class FakeBus {
public:
    FakeBus(std::string answer, bool abstract)
        : answer_(std::move(answer))
    {
        name_ = dir_.filePath(QStringLiteral("bus")).toStdString();
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, name_.data(), name_.size());
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + name_.size() + (abstract ? 0 : 1));
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd_, 8);
        server_ = std::thread([this] { serve(); });
    }
    ~FakeBus()
    {
        stop_ = true;
        server_.join();
        for (const int client : clients_)
            ::close(client);
        ::close(fd_);
    }
    const std::string& name() const { return name_; }

private:
    void serve()
    {
        while (!stop_) {
            pollfd entry{fd_, POLLIN, 0};
            if (::poll(&entry, 1, 20) <= 0)
                continue;
            const int client = ::accept(fd_, nullptr, nullptr);
            if (client < 0)
                continue;
            clients_.push_back(client);
            if (answer_.empty())
                continue;
            std::string line;
            char c = 0;
            while (line.find("\r\n") == std::string::npos && ::read(client, &c, 1) == 1)
                line.push_back(c);
            (void)!::write(client, answer_.data(), answer_.size());
        }
    }

    QTemporaryDir dir_;
    std::string name_;
    std::string answer_;
    int fd_ = -1;
    std::vector<int> clients_;
    std::atomic<bool> stop_{false};
    std::thread server_;
};

} // namespace

class PortalPickerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<pelmora::Color>();
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(WaitForName(kPortalName, false));
    }

    void requestPathFollowsThePortalsRule()
    {
        QCOMPARE(PortalColorPicker::requestPath(QStringLiteral(":1.42"), QStringLiteral("pelmora7_1")),
            QStringLiteral("/org/freedesktop/portal/desktop/request/1_42/pelmora7_1"));
    }

    void channelsRoundNeverTruncate_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("byte");
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("half rounds up") << 0.5 << 128;
        QTest::newRow("just below one") << 0.999 << 255;
        QTest::newRow("one third") << 1.0 / 3 << 85;
        QTest::newRow("one") << 1.0 << 255;
        QTest::newRow("above one") << 1.5 << 255;
        QTest::newRow("below zero") << -0.1 << 0;
    }
    void channelsRoundNeverTruncate()
    {
        QFETCH(double, value);
        QFETCH(int, byte);
        QCOMPARE(PortalColorPicker::channelByte(value), byte);
    }

    void pickGivesTheRoundedColour()
    {
        const auto portal = StartStandIn(QStringLiteral("pick"));
        QVERIFY(portal);
        PortalColorPicker picker;
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.picked.size(), 1);
        QCOMPARE(spies.picked.first().first().value<Color>(), RGB(128, 51, 255));
        QVERIFY(!picker.isActive());
    }

    void cancelSaysNothing()
    {
        const auto portal = StartStandIn(QStringLiteral("cancel"));
        QVERIFY(portal);
        PortalColorPicker picker;
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.cancelled.size(), 1);
    }

    void otherEndIsAFailureWithItsNumber()
    {
        const auto portal = StartStandIn(QStringLiteral("ended"));
        QVERIFY(portal);
        PortalColorPicker picker;
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.size(), 1);
        QCOMPARE(spies.failed.first().first().toString(), PortalEndedMessage(2));
        QVERIFY(PortalEndedMessage(2).contains(QLatin1String("response 2")));
    }

    void refusedCallNamesTheError()
    {
        const auto portal = StartStandIn(QStringLiteral("error"));
        QVERIFY(portal);
        PortalColorPicker picker;
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.size(), 1);
        const QString message = spies.failed.first().first().toString();
        QVERIFY2(message.contains(QLatin1String("the stand-in refuses"))
                && message.contains(QLatin1String("org.freedesktop.portal.Error.Failed")),
            qPrintable(message));
    }

    void silentPortalTimesOut()
    {
        const auto portal = StartStandIn(QStringLiteral("silent"));
        QVERIFY(portal);
        PortalColorPicker picker;
        picker.setAnswerTimeout(300ms);
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.size(), 1);
        QCOMPARE(spies.failed.first().first().toString(),
            QStringLiteral("The desktop portal did not answer the colour pick within 300 ms."));
        QCOMPARE(PortalNoAnswerMessage(1min),
            QStringLiteral("The desktop portal did not answer the colour pick within a minute."));
    }

    void missingPortalNamesThePackages()
    {
        PortalColorPicker picker;
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.size(), 1);
        const QString message = spies.failed.first().first().toString();
        QCOMPARE(message, PortalMissingMessage());
        for (const char* package :
            {"xdg-desktop-portal", "xdg-desktop-portal-gnome", "xdg-desktop-portal-kde", "xdg-desktop-portal-wlr"})
            QVERIFY2(message.contains(QLatin1String(package)), package);
    }

    void disconnectedBusFailsWithoutCalling()
    {
        PortalColorPicker picker(QDBusConnection(QStringLiteral("never connected")));
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.first().first().toString(), PortalNoSessionBusMessage());
    }

    // The session bus is greeted before Qt opens it, which it would do with no limit on the wait.
    void busGreetingIsBounded_data()
    {
        QTest::addColumn<QString>("server"); // "", "silent", "auth only", "refuses", "abstract"
        QTest::addColumn<QString>("address"); // %1: the fake bus's socket, %2: the real session bus
        QTest::addColumn<SessionBusState>("state");
        QTest::newRow("the real bus") << ""
                                      << "%2" << SessionBusState::Answers;
        QTest::newRow("silent") << "silent"
                                << "unix:path=%1" << SessionBusState::Silent;
        QTest::newRow("silent after authentication") << "auth only"
                                                     << "unix:path=%1" << SessionBusState::Silent;
        QTest::newRow("refusing is answering") << "refuses"
                                               << "unix:path=%1" << SessionBusState::Answers;
        QTest::newRow("silent, abstract") << "abstract"
                                          << "unix:abstract=%1" << SessionBusState::Silent;
        QTest::newRow("silent, escaped path") << "silent"
                                              << "unix:path=%1,guid=0" << SessionBusState::Silent;
        QTest::newRow("nothing there") << ""
                                       << "unix:path=/nonexistent/bus" << SessionBusState::Absent;
        QTest::newRow("the first that takes the connection")
            << ""
            << "unix:path=/nonexistent/bus;%2" << SessionBusState::Answers;
        QTest::newRow("the first, silent, wins") << "silent"
                                                 << "unix:path=%1;%2" << SessionBusState::Silent;
        QTest::newRow("not spoken here") << ""
                                         << "tcp:host=127.0.0.1,port=1" << SessionBusState::Unchecked;
    }
    void busGreetingIsBounded()
    {
        QFETCH(QString, server);
        QFETCH(QString, address);
        std::unique_ptr<FakeBus> bus;
        if (server == QLatin1String("silent"))
            bus = std::make_unique<FakeBus>("", false);
        else if (server == QLatin1String("auth only"))
            bus = std::make_unique<FakeBus>("OK 0123456789abcdef0123456789abcdef\r\n", false);
        else if (server == QLatin1String("refuses"))
            bus = std::make_unique<FakeBus>("REJECTED EXTERNAL\r\n", false);
        else if (server == QLatin1String("abstract"))
            bus = std::make_unique<FakeBus>("", true);
        QString socket = bus ? QString::fromStdString(bus->name()) : QString();
        if (QByteArray(QTest::currentDataTag()).contains("escaped"))
            socket.replace(QLatin1Char('/'), QStringLiteral("%2f"));
        const QString real = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
        QElapsedTimer clock;
        clock.start();
        address.replace(QLatin1String("%2"), real).replace(QLatin1String("%1"), socket);
        QTEST(ProbeBusAddress(address.toStdString(), 400ms), "state");
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    }

    void silentSessionBusFailsThePortalInTime()
    {
        FakeBus bus("", false);
        const QByteArray real = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QByteArray::fromStdString(bus.name()));
        PortalColorPicker picker;
        picker.setBusTimeout(300ms);
        Spies spies(&picker);
        picker.start();
        const bool one = spies.waitForOne(5s);
        qputenv("DBUS_SESSION_BUS_ADDRESS", real);
        QVERIFY(one);
        QCOMPARE(spies.failed.size(), 1);
        QCOMPARE(spies.failed.first().first().toString(), PortalSilentSessionBusMessage(300ms));
        QVERIFY(PortalSilentSessionBusMessage(3s).endsWith(QLatin1String("did not answer within 3 s.")));
    }

    // Off X11 (the tests run offscreen) the facade asks for a screenshot first; a portal without the
    // Screenshot method picks on its own, and a note says why there was no loupe.
    void facadeFallsBackToThePortalsPicker()
    {
        const auto portal = StartStandIn(QStringLiteral("pick"));
        QVERIFY(portal);
        ScreenPicker picker;
        picker.setWay(PickWay::Auto);
        QCOMPARE(picker.way(), PickWay::Screenshot);
        QSignalSpy notes(&picker, &ScreenPicker::noted);
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.picked.size(), 1);
        QCOMPARE(spies.picked.first().first().value<Color>(), RGB(128, 51, 255));
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.first().first().toString(), LoupeUnavailableNote(ScreenshotNoPortalReason()));
    }

    void facadeRefusesTheLoupeOffX11()
    {
        ScreenPicker picker;
        picker.setWay(PickWay::X11Loupe);
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(5s));
        QCOMPARE(spies.failed.first().first().toString(), ScreenGrabUnavailableMessage(QStringLiteral("offscreen")));
    }

    // Auto asks for a screenshot first: the loupe runs on it; a cancel in the portal ends the pick;
    // any other refusal hands the pick to the portal's own picker, with a note that says why.
    void screenshotOutcomes_data()
    {
        QTest::addColumn<QString>("shot"); // what the stand-in does with a Screenshot call
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("note"); // empty: none
        QTest::addColumn<QStringList>("methods"); // called, in order
        QTest::newRow("the loupe on the screenshot")
            << "shot" << QString(Hex(PatternColor(QPoint(21, 13)))) << QString() << QStringList{"Screenshot"};
        QTest::newRow("cancelled by the user") << "cancel"
                                               << "cancelled" << QString() << QStringList{"Screenshot"};
        QTest::newRow("refused (response 2)")
            << "ended"
            << "#8033ff" << LoupeUnavailableNote(ScreenshotEndedReason(2)) << QStringList{"Screenshot", "PickColor"};
        // (D-Bus turns the call away before it reaches the stand-in, which logs none.)
        QTest::newRow("no Screenshot method")
            << "none"
            << "#8033ff" << LoupeUnavailableNote(ScreenshotNoPortalReason()) << QStringList{"PickColor"};
        QTest::newRow("no answer in time") << "silent"
                                           << "#8033ff" << LoupeUnavailableNote(ScreenshotNoAnswerReason(500ms))
                                           << QStringList{"Screenshot", "PickColor"};
        QTest::newRow("the call fails") << "error"
                                        << "#8033ff"
                                        << LoupeUnavailableNote(ScreenshotCallFailedReason(
                                               QStringLiteral("org.freedesktop.portal.Error.Failed"),
                                               QStringLiteral("the stand-in refuses")))
                                        << QStringList{"Screenshot", "PickColor"};
        QTest::newRow("no file named") << "nouri"
                                       << "#8033ff" << LoupeUnavailableNote(ScreenshotNoPictureReason())
                                       << QStringList{"Screenshot", "PickColor"};
    }
    void screenshotOutcomes()
    {
        QFETCH(QString, shot);
        QFETCH(QString, note);
        QFETCH(QStringList, methods);
        QTemporaryDir folder;
        const QString log = folder.filePath(QStringLiteral("calls.log"));
        const auto portal = StartStandIn(QStringLiteral("pick"),
            {QStringLiteral("--screenshot"), shot, QStringLiteral("--picture"), ScreenSize(),
                QStringLiteral("--folder"), folder.path(), QStringLiteral("--log"), log});
        QVERIFY(portal);
        ScreenPicker picker;
        // Long enough for the stand-in to draw its picture, on a busy machine too.
        picker.setScreenshotTimeout(shot == QLatin1String("silent") ? 500ms : 30s);
        QSignalSpy notes(&picker, &ScreenPicker::noted);
        Spies spies(&picker);
        picker.start();
        if (shot == QLatin1String("shot")) {
            FrozenScreenWindow* window = WaitForFrozenLoupe(10s);
            QVERIFY2(window, spies.failed.isEmpty() ? "" : qPrintable(spies.failed.first().first().toString()));
            QVERIFY(window->isFullScreen());
            // Below the window: the pointer onto picture pixel (21, 13), and Enter.
            const QPointF at(21.5, 13.5);
            QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(window, &move);
            QTest::keyClick(window, Qt::Key_Return);
        }
        QVERIFY(spies.waitForOne(10s));
        QString outcome = spies.cancelled.isEmpty() ? QString() : QStringLiteral("cancelled");
        if (!spies.picked.isEmpty())
            outcome = Hex(spies.picked.first().first().value<Color>());
        if (!spies.failed.isEmpty())
            outcome = spies.failed.first().first().toString();
        QTEST(outcome, "outcome");
        QCOMPARE(notes.size(), note.isEmpty() ? 0 : 1);
        if (!note.isEmpty())
            QCOMPARE(notes.first().first().toString(), note);
        const QStringList calls = CallsIn(log);
        QStringList called;
        for (const QString& call : calls)
            called.append(call.section(QLatin1Char(' '), 0, 0));
        QCOMPARE(called, methods);
        for (const QString& call : calls) {
            QVERIFY2(call.contains(QLatin1String(" handle_token=pelmora")), qPrintable(call));
            if (call.startsWith(QLatin1String("Screenshot ")))
                QVERIFY2(call.contains(QLatin1String(" interactive=False")), qPrintable(call));
        }
        // The portal's file is gone once read; the stand-in's log is all that is left.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("calls.log")});
    }

    // A link where the portal's file should be is neither read nor followed nor removed.
    void linkInsteadOfTheScreenshotIsLeftAlone()
    {
        QTemporaryDir folder;
        const auto portal = StartStandIn(QStringLiteral("pick"),
            {QStringLiteral("--screenshot"), QStringLiteral("link"), QStringLiteral("--folder"), folder.path()});
        QVERIFY(portal);
        ScreenPicker picker;
        picker.setWay(PickWay::Screenshot); // no fallback: the reason is the outcome
        Spies spies(&picker);
        picker.start();
        QVERIFY(spies.waitForOne(10s));
        QCOMPARE(spies.failed.size(), 1);
        const QString link = folder.filePath(QStringLiteral("Screenshot 1.png"));
        QCOMPARE(spies.failed.first().first().toString(),
            LoupeUnavailableMessage(QStringLiteral("the screenshot's file %1 is a link").arg(link)));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("kept.png"))));
    }

    void realPortalFrontEndWithStandInBackEnd_data()
    {
        QTest::addColumn<PickWay>("way");
        QTest::newRow("PickColor") << PickWay::Portal;
        QTest::newRow("Screenshot") << PickWay::Screenshot;
    }
    void realPortalFrontEndWithStandInBackEnd()
    {
        QFETCH(PickWay, way);
        const QString frontEnd = QStringLiteral("/usr/libexec/xdg-desktop-portal");
        if (!QFile::exists(frontEnd))
            QSKIP("xdg-desktop-portal is not installed (scripts/bootstrap.sh installs it)");
        QTemporaryDir portals;
        QVERIFY(portals.isValid());
        const QString backEndName = QStringLiteral("org.freedesktop.impl.portal.desktop.pelmoratest");
        QFile description(portals.filePath(QStringLiteral("pelmoratest.portal")));
        QVERIFY(description.open(QIODevice::WriteOnly));
        // Without Access in the list the front end silently leaves the Screenshot interface out.
        description.write(QStringLiteral("[portal]\nDBusName=%1\nInterfaces=org.freedesktop.impl.portal.Screenshot;"
                                         "org.freedesktop.impl.portal.Access;\nUseIn=pelmoratest\n")
                              .arg(backEndName)
                              .toUtf8());
        description.close();

        Service backEnd;
        backEnd.process->setProcessChannelMode(QProcess::ForwardedChannels);
        backEnd.process->start(kPython, {QStringLiteral(STAND_IN_BACKEND), backEndName, portals.path(), ScreenSize()});
        QVERIFY(WaitForName(backEndName, true));

        Service portal;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DESKTOP_PORTAL_DIR"), portals.path());
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("pelmoratest"));
        portal.process->setProcessEnvironment(environment);
        portal.process->setProcessChannelMode(QProcess::MergedChannels); // kept for the failure message
        portal.process->start(frontEnd, {QStringLiteral("-r")});
        QVERIFY(WaitForName(kPortalName, true));

        ScreenPicker picker;
        picker.setWay(way);
        picker.setScreenshotTimeout(10s);
        Spies spies(&picker);
        picker.start();
        if (way == PickWay::Screenshot) {
            FrozenScreenWindow* window = WaitForFrozenLoupe(10s);
            QVERIFY2(window, portal.process->readAll().constData());
            const QPointF at(5.5, 7.5);
            QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window, &press);
        }
        const bool one = spies.waitForOne(10s);
        const QByteArray log = portal.process->readAll();
        QVERIFY2(one, log.constData());
        QVERIFY2(spies.picked.size() == 1,
            qPrintable(spies.failed.isEmpty() ? QString::fromUtf8(log) : spies.failed.first().first().toString()));
        QCOMPARE(spies.picked.first().first().value<Color>(),
            way == PickWay::Portal ? RGB(64, 128, 191) : PatternColor(QPoint(5, 7)));
        QCOMPARE(QDir(portals.path()).entryList(QDir::Files), QStringList{QStringLiteral("pelmoratest.portal")});
    }
};

QTEST_MAIN(PortalPickerTest)
#include "portal_picker_test.moc"
