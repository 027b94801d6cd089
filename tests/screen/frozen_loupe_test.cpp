// The loupe on a screenshot without a compositor (offscreen, with the screens of a configuration
// file: one screen at scale 1, 1.5 or 2, or two screens at different scales): where each screen's
// part of the picture lies, which picture pixel is under the pointer, what the window shows, and the
// loupe's keys, clicks and wheel, driven below the window. Also the file the portal leaves behind.

#include "picture_pattern.h"
#include "screen/frozen_loupe.h"
#include "screen/loupe_input.h"
#include "screen/picture_layout.h"
#include "screen/pixel_source.h"
#include "screen/screenshot_file.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace pelmora;
using namespace pelmora::test;

Q_DECLARE_METATYPE(pelmora::Color)
Q_DECLARE_METATYPE(pelmora::LoupeCommand)
Q_DECLARE_METATYPE(std::vector<pelmora::ScreenPlace>)
Q_DECLARE_METATYPE(std::vector<QRect>)

namespace {

// The screens of this run and the picture a portal would take of them: all of them, at the
// largest scale.
struct Desktop {
    QRect bounds;
    qreal scale = 1;
    Desktop()
    {
        for (const QScreen* screen : QGuiApplication::screens()) {
            bounds = bounds.united(screen->geometry());
            scale = std::max(scale, screen->devicePixelRatio());
        }
    }
    QSize pictureSize() const
    {
        return {int(std::nearbyint(bounds.width() * scale)), int(std::nearbyint(bounds.height() * scale))};
    }
    // The picture pixel under a logical position, worked out here from the rule alone.
    QPoint pixelAt(QPointF position) const
    {
        const QSize size = pictureSize();
        return {std::min(size.width() - 1, int(std::floor((position.x() - bounds.left()) * scale + 1e-3))),
            std::min(size.height() - 1, int(std::floor((position.y() - bounds.top()) * scale + 1e-3)))};
    }
    // The logical position of the middle of a picture pixel.
    QPointF positionOf(QPoint pixel) const
    {
        return QPointF(bounds.topLeft()) + (QPointF(pixel) + QPointF(0.5, 0.5)) / scale;
    }
};

// A frozen loupe on the pattern picture, with its outcome.
struct Run {
    Desktop desktop;
    FrozenLoupe loupe{PatternPicture(desktop.pictureSize())};
    QSignalSpy picked{&loupe, &FrozenLoupe::picked};
    QSignalSpy cancelled{&loupe, &FrozenLoupe::cancelled};
    QSignalSpy failed{&loupe, &FrozenLoupe::failed};

    Run() { loupe.start(); }
    FrozenScreenWindow* windowAt(QPointF position) const
    {
        for (const auto& window : loupe.windows())
            if (QRectF(window->shownScreen()->geometry()).contains(position))
                return window;
        return nullptr;
    }
    // Sends the window under `position` what the platform would on a move of the pointer there.
    void moveTo(QPointF position, Qt::KeyboardModifiers modifiers = {})
    {
        FrozenScreenWindow* window = windowAt(position);
        QVERIFY(window);
        const QPointF local = position - QPointF(window->shownScreen()->geometry().topLeft());
        QMouseEvent move(QEvent::MouseMove, local, position, Qt::NoButton, Qt::NoButton, modifiers);
        QApplication::sendEvent(window, &move);
    }
    void click(QPointF position, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        FrozenScreenWindow* window = windowAt(position);
        QVERIFY(window);
        const QPointF local = position - QPointF(window->shownScreen()->geometry().topLeft());
        QMouseEvent press(QEvent::MouseButtonPress, local, position, button, button, modifiers);
        QApplication::sendEvent(window, &press);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        FrozenScreenWindow* window = windowAt(desktop.positionOf(loupe.pixel()));
        QVERIFY(window);
        QTest::keyClick(window, Qt::Key(key), modifiers);
    }
    QString outcome() const
    {
        if (picked.size() + cancelled.size() + failed.size() != 1)
            return QStringLiteral("%1 outcomes").arg(picked.size() + cancelled.size() + failed.size());
        if (!picked.isEmpty())
            return Hex(picked.first().first().value<Color>());
        return cancelled.isEmpty() ? failed.first().first().toString() : QStringLiteral("cancelled");
    }
};

// A file of `bytes` in `folder`, its address.
QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return QUrl::fromLocalFile(file.fileName()).toString();
}

QByteArray PngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class FrozenLoupeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<pelmora::Color>();
        QString screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens += QStringLiteral(" %1,%2 %3x%4 at %5")
                           .arg(screen->geometry().x())
                           .arg(screen->geometry().y())
                           .arg(screen->geometry().width())
                           .arg(screen->geometry().height())
                           .arg(screen->devicePixelRatio());
        qInfo("screens:%s", qPrintable(screens));
    }

    void keysDoTheSameOnEveryLoupe_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<LoupeCommand>("command");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<int>("average");
        const Qt::KeyboardModifiers none;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << none << LoupeCommand::Pick << QPoint() << 1;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << LoupeCommand::Pick << QPoint() << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << LoupeCommand::Pick << QPoint() << 1;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << LoupeCommand::Cancel << QPoint() << 1;
        QTest::newRow("Left") << int(Qt::Key_Left) << none << LoupeCommand::Move << QPoint(-1, 0) << 1;
        QTest::newRow("Shift+Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                    << LoupeCommand::Move << QPoint(0, 10) << 1;
        QTest::newRow("Ctrl+Up") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::ControlModifier) << LoupeCommand::Move
                                 << QPoint(0, -1) << 3;
        QTest::newRow("Ctrl+Shift") << int(Qt::Key_Shift) << (Qt::ControlModifier | Qt::ShiftModifier)
                                    << LoupeCommand::None << QPoint() << 5;
    }
    void keysDoTheSameOnEveryLoupe()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        const LoupeKey read = ReadLoupeKey(key, modifiers);
        QTEST(read.command, "command");
        QTEST(read.step, "step");
        QTEST(LoupeAverageSize(modifiers, 1), "average");
    }

    void layoutPlacesScreensInThePicture_data()
    {
        QTest::addColumn<std::vector<ScreenPlace>>("screens");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<std::vector<QRect>>("parts");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("pixel");
        const std::vector<ScreenPlace> one1{{QRect(0, 0, 640, 480), 1.0}};
        const std::vector<ScreenPlace> one2{{QRect(0, 0, 512, 384), 2.0}};
        const std::vector<ScreenPlace> one15{{QRect(0, 0, 853, 683), 1.5}};
        const std::vector<ScreenPlace> two{{QRect(0, 0, 400, 300), 1.5}, {QRect(400, 0, 320, 240), 2.0}};
        const std::vector<ScreenPlace> stacked{{QRect(0, 0, 640, 480), 1.0}, {QRect(0, 480, 640, 480), 1.0}};
        const std::vector<QRect> one1Parts{QRect(0, 0, 640, 480)};
        const std::vector<QRect> one2Parts{QRect(0, 0, 1024, 768)};
        const std::vector<QRect> one15Parts{QRect(0, 0, 1280, 1024)};
        const std::vector<QRect> twoParts{QRect(0, 0, 800, 600), QRect(800, 0, 640, 480)};
        const std::vector<QRect> stackedParts{QRect(0, 0, 640, 480), QRect(0, 480, 640, 480)};
        QTest::newRow("scale 1") << one1 << QSize(640, 480) << one1Parts << QPointF(37.2, 201.9) << QPoint(37, 201);
        QTest::newRow("scale 2, odd pixel")
            << one2 << QSize(1024, 768) << one2Parts << QPointF(50.5, 38.5) << QPoint(101, 77);
        QTest::newRow("scale 2, even pixel")
            << one2 << QSize(1024, 768) << one2Parts << QPointF(50, 38) << QPoint(100, 76);
        // 1280 x 1024 at 1.5 is 853 x 683 logical: the scale is 1.5 all the same, not 1024 / 683.
        QTest::newRow("scale 1.5, a hair below")
            << one15 << QSize(1280, 1024) << one15Parts << QPointF(202 / 1.5, 101 / 1.5) << QPoint(202, 101);
        QTest::newRow("scale 1.5, last pixel")
            << one15 << QSize(1280, 1024) << one15Parts << QPointF(853.2, 682.9) << QPoint(1279, 1023);
        QTest::newRow("two screens, on the left at 1.5")
            << two << QSize(1440, 600) << twoParts << QPointF(10.5, 20.25) << QPoint(21, 40);
        QTest::newRow("two screens, on the right at 2")
            << two << QSize(1440, 600) << twoParts << QPointF(410.25, 3.5) << QPoint(820, 7);
        QTest::newRow("two screens, stacked")
            << stacked << QSize(640, 960) << stackedParts << QPointF(5.5, 700.5) << QPoint(5, 700);
        // A picture of another size than expected still spans the screens from edge to edge.
        QTest::newRow("a picture at an unexpected size")
            << one1 << QSize(1000, 600) << std::vector<QRect>{QRect(0, 0, 1000, 600)} << QPointF(639.9, 479.9)
            << QPoint(999, 599);
    }
    void layoutPlacesScreensInThePicture()
    {
        QFETCH(std::vector<ScreenPlace>, screens);
        QFETCH(QSize, picture);
        QFETCH(QPointF, position);
        QFETCH(QPoint, pixel);
        const PictureLayout layout(picture, screens);
        QTEST(layout.pictureRects(), "parts");
        QCOMPARE(layout.pixelAt(position), pixel);
        // And back: the middle of that pixel lies in it.
        QCOMPARE(layout.pixelAt(layout.logicalCentreOf(pixel)), pixel);
    }

    void pictureIsCopiedByteForByte()
    {
        const FrozenPicture picture(PatternPicture(QSize(64, 48)));
        const ScreenPatch patch = picture.patchAround(QPoint(1, 47), 5);
        QCOMPARE(patch.colorAt(0, 0), PatternColor(QPoint(1, 47)));
        QCOMPARE(patch.colorAt(2, -2), PatternColor(QPoint(3, 45)));
        QCOMPARE(patch.colorAt(-2, 0), Color::none()); // off the picture
        QCOMPARE(patch.colorAt(0, 1), Color::none());
    }

    // The portal's file is read and removed; anything else at its place stays as it is.
    void screenshotFileIsTakenOnlyWhenItIsOurs()
    {
        QTemporaryDir folder;
        const QImage image = PatternPicture(QSize(8, 6));
        const QString uri = WriteFile(folder, QStringLiteral("Screenshot from today.png"), PngOf(image));
        QString error;
        const std::optional<QImage> taken = TakeScreenshotFile(uri, &error);
        QVERIFY2(taken, qPrintable(error));
        QCOMPARE(taken->convertToFormat(QImage::Format_ARGB32), image);
        QVERIFY(!QFile::exists(QUrl(uri).toLocalFile()));
    }

    void linkInThePlaceOfTheFileIsNotFollowed()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("precious.png"));
        QVERIFY(!WriteFile(folder, QStringLiteral("precious.png"), PngOf(PatternPicture(QSize(4, 4)))).isEmpty());
        const QString link = folder.filePath(QStringLiteral("Screenshot.png"));
        QVERIFY(QFile::link(target, link));
        QString error;
        QVERIFY(!TakeScreenshotFile(QUrl::fromLocalFile(link).toString(), &error));
        QVERIFY2(error.contains(QLatin1String("is a link")), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFile::exists(target));
    }

    void otherFilesStay_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a picture") << "text"
                                       << "holds no picture";
        QTest::newRow("a folder") << "folder"
                                  << "not a regular file of yours";
        QTest::newRow("a pipe") << "pipe"
                                << "not a regular file of yours";
        QTest::newRow("someone else's") << "other owner"
                                        << "not a regular file of yours";
        QTest::newRow("not a local file") << "remote"
                                          << "is not a local file";
        QTest::newRow("a relative path") << "relative"
                                         << "is not a local file";
    }
    void otherFilesStay()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Screenshot.png"));
        QString uri = QUrl::fromLocalFile(path).toString();
        if (kind == QLatin1String("text")) {
            WriteFile(folder, QStringLiteral("Screenshot.png"), "not a PNG");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Screenshot.png")));
        } else if (kind == QLatin1String("pipe")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QLatin1String("other owner")) {
            if (::geteuid() != 0)
                QSKIP("only the superuser can give a file to someone else");
            WriteFile(folder, QStringLiteral("Screenshot.png"), PngOf(PatternPicture(QSize(4, 4))));
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        } else if (kind == QLatin1String("remote")) {
            WriteFile(folder, QStringLiteral("Screenshot.png"), PngOf(PatternPicture(QSize(4, 4))));
            uri = QStringLiteral("sftp://host") + path;
        } else {
            WriteFile(folder, QStringLiteral("Screenshot.png"), PngOf(PatternPicture(QSize(4, 4))));
            uri = QStringLiteral("Screenshot.png");
        }
        QString error;
        QVERIFY(!TakeScreenshotFile(uri, &error));
        QFETCH(QString, reason);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(QFileInfo::exists(path));
    }

    // Each screen's window shows its part of the picture; where the picture has the screen's scale,
    // pixel for pixel (outside the loupe).
    void windowsShowTheirPartOfThePicture()
    {
        Run run;
        const QImage picture = PatternPicture(run.desktop.pictureSize());
        QCOMPARE(run.loupe.windows().size(), std::size_t(QGuiApplication::screens().size()));
        for (const auto& window : run.loupe.windows()) {
            QScreen* screen = window->shownScreen();
            QCOMPARE(window->geometry(), screen->geometry());
            QVERIFY(window->isFullScreen());
            const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const qreal scale = screen->devicePixelRatio();
            QCOMPARE(shown.size(), (QSizeF(screen->geometry().size()) * scale).toSize());
            if (scale != run.desktop.scale)
                continue;
            const QPoint origin = run.desktop.pixelAt(screen->geometry().topLeft());
            const QRect loupe = QRectF(window->loupeRect().topLeft() * scale, window->loupeRect().size() * scale)
                                    .toAlignedRect()
                                    .adjusted(-4, -4, 4, 4); // the outline's antialiased edge, rounded at 1.5
            int differing = 0;
            // (At 1.5 a logical size of 683 is 1024.5 device pixels: the last half row has no picture.)
            const QRect part = QRect(QPoint(), shown.size()).intersected(picture.rect().translated(-origin));
            for (int y = 0; y < part.height(); ++y)
                for (int x = 0; x < part.width(); ++x)
                    if (!loupe.contains(x, y) && shown.pixel(x, y) != picture.pixel(origin + QPoint(x, y)))
                        ++differing;
            QCOMPARE(differing, 0);
        }
    }

    // A click picks the picture's pixel under the pointer's true position, on every screen.
    void clickPicksThePixelUnderThePointer_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPointF>("where"); // a fraction of the screen's size
        QTest::newRow("first screen, odd spot") << 0 << QPointF(0.3137, 0.4211);
        QTest::newRow("first screen, corner") << 0 << QPointF(0, 0);
        QTest::newRow("first screen, far corner") << 0 << QPointF(0.9999, 0.9999);
        QTest::newRow("last screen, odd spot") << -1 << QPointF(0.6173, 0.2829);
    }
    void clickPicksThePixelUnderThePointer()
    {
        QFETCH(int, screen);
        QFETCH(QPointF, where);
        const QList<QScreen*> screens = QGuiApplication::screens();
        const QRect geometry = screens.at(screen < 0 ? screens.size() - 1 : screen)->geometry();
        const QPointF position(
            geometry.x() + where.x() * geometry.width(), geometry.y() + where.y() * geometry.height());
        Run run;
        run.moveTo(position);
        QCOMPARE(run.loupe.pixel(), run.desktop.pixelAt(position));
        run.click(position);
        QCOMPARE(run.outcome(), Hex(PatternColor(run.desktop.pixelAt(position))));
    }

    // Arrows move by one pixel of the picture (a device pixel where the picture has the screen's
    // scale), Shift+arrow by ten; past the edge the loupe stops at the last pixel.
    void arrowsMoveThePick_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QList<int>>("keys"); // negative: with Shift
        QTest::addColumn<int>("pickKey");
        QTest::addColumn<QPoint>("picked");
        QTest::newRow("right, down, ten right, Enter")
            << QPoint(101, 77) << QList<int>{Qt::Key_Right, Qt::Key_Down, -Qt::Key_Right} << int(Qt::Key_Return)
            << QPoint(112, 78);
        QTest::newRow("ten up, left, Space")
            << QPoint(101, 77) << QList<int>{-Qt::Key_Up, Qt::Key_Left} << int(Qt::Key_Space) << QPoint(100, 67);
        QTest::newRow("past the corner") << QPoint(3, 2) << QList<int>{-Qt::Key_Left, -Qt::Key_Up, Qt::Key_Up}
                                         << int(Qt::Key_Enter) << QPoint(0, 0);
    }
    void arrowsMoveThePick()
    {
        QFETCH(QPoint, start);
        QFETCH(QList<int>, keys);
        QFETCH(int, pickKey);
        QFETCH(QPoint, picked);
        Run run;
        run.moveTo(run.desktop.positionOf(start));
        QCOMPARE(run.loupe.pixel(), start);
        for (const int key : keys)
            run.key(std::abs(key), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(run.loupe.pixel(), picked);
        run.key(pickKey);
        QCOMPARE(run.outcome(), Hex(PatternColor(picked)));
    }

    // Ctrl averages 3 x 3 in linear light, Ctrl+Shift 5 x 5, on the checkerboard's white pixel.
    void ctrlAveragesInLinearLight_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("picked");
        QTest::newRow("plain") << Qt::KeyboardModifiers() << false << "#ffffff";
        QTest::newRow("Ctrl: 5 white, 4 black") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << "#c5c5c5";
        QTest::newRow("Ctrl+Shift: 13 white, 12 black")
            << (Qt::ControlModifier | Qt::ShiftModifier) << false << "#bfbfbf";
        QTest::newRow("Ctrl+Enter") << Qt::KeyboardModifiers(Qt::ControlModifier) << true << "#c5c5c5";
    }
    void ctrlAveragesInLinearLight()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, byKey);
        Run run;
        const QPointF white = run.desktop.positionOf(kCheckers.topLeft() + QPoint(10, 10));
        run.moveTo(white, modifiers);
        if (byKey)
            run.key(Qt::Key_Return, modifiers);
        else
            run.click(white, Qt::LeftButton, modifiers);
        QTEST(run.outcome(), "picked");
    }

    void escAndRightClickCancel()
    {
        for (const bool rightClick : {false, true}) {
            Run run;
            const QPointF position = run.desktop.positionOf(QPoint(20, 20));
            run.moveTo(position);
            if (rightClick)
                run.click(position, Qt::RightButton);
            else
                run.key(Qt::Key_Escape);
            QCOMPARE(run.outcome(), QStringLiteral("cancelled"));
            for (const auto& window : run.loupe.windows())
                QVERIFY(!window->isVisible());
            run.key(Qt::Key_Return); // nothing more after the end
            QCOMPARE(run.outcome(), QStringLiteral("cancelled"));
        }
    }

    void wheelZoomsTheLoupe()
    {
        Run run;
        const QPointF position = run.desktop.positionOf(QPoint(200, 150));
        run.moveTo(position);
        FrozenScreenWindow* window = run.windowAt(position);
        const QRectF before = window->loupeRect();
        QWheelEvent up(QPointF(10, 10), position, QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(window, &up);
        // Two notches: 12x, 9 pixels across instead of 11: a smaller loupe.
        QVERIFY2(window->loupeRect().width() < before.width() || window->loupeRect().height() < before.height(),
            qPrintable(QStringLiteral("%1 -> %2").arg(before.height()).arg(window->loupeRect().height())));
        QVERIFY(!window->loupeRect().isEmpty());
    }

    // Near every corner and edge of every screen the whole loupe, read-outs included, stays on that
    // screen, as the live loupe does.
    void loupeStaysWholeOnItsScreen()
    {
        Run run;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRectF area = QRectF(screen->geometry()).adjusted(1, 1, -1, -1);
            for (const QPointF position : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight(),
                     QPointF(area.center().x(), area.top()), QPointF(area.right(), area.center().y()),
                     QPointF(area.center().x(), area.bottom()), QPointF(area.left(), area.center().y())}) {
                run.moveTo(position);
                FrozenScreenWindow* window = run.windowAt(position);
                QVERIFY(window);
                const QRectF loupe = window->loupeRect();
                QVERIFY2(!loupe.isEmpty() && QRectF(QPointF(), window->size()).contains(loupe),
                    qPrintable(QStringLiteral("at (%1, %2): loupe (%3, %4) %5 x %6 on a %7 x %8 screen")
                                   .arg(position.x())
                                   .arg(position.y())
                                   .arg(loupe.x())
                                   .arg(loupe.y())
                                   .arg(loupe.width())
                                   .arg(loupe.height())
                                   .arg(window->width())
                                   .arg(window->height())));
            }
        }
    }

    // The loupe is drawn on the screen the pointer is on, and only there.
    void loupeFollowsThePointerAcrossScreens()
    {
        Run run;
        for (const QScreen* screen : QGuiApplication::screens()) {
            run.moveTo(QRectF(screen->geometry()).center());
            for (const auto& window : run.loupe.windows())
                QCOMPARE(!window->loupeRect().isEmpty(), window->shownScreen() == screen);
        }
    }
};

QTEST_MAIN(FrozenLoupeTest)
#include "frozen_loupe_test.moc"
