// The custom colours file: its exact bytes, damaged files, and where it is kept.

#include "file_faults.h"
#include "platform/user_colors_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace pelmora;
using namespace pelmora::test;

namespace {

UserColorArray Sample()
{
    UserColorArray colors{};
    colors[1] = Color(255);
    colors[5] = Color(0xFFFFFF);
    colors[6] = Color::systemCode(15);
    colors[224] = Color(0x123456);
    return colors;
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

UserColorArray Parse(const QByteArray& bytes)
{
    return ParseUserColors(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

UserColorArray Other()
{
    UserColorArray colors = Sample();
    colors[7] = Color(0x00FF00);
    return colors;
}

// The cells 1..224 that count as set.
QList<int> SetCellsOf(const CustomColors& custom)
{
    QList<int> cells;
    for (int cell = 1; cell < kUserColorCount; ++cell) {
        if (custom.isSet(static_cast<std::size_t>(cell)))
            cells << cell;
    }
    return cells;
}

// What another program that reads and writes only the colours file does to one cell of it.
void ChangeCellAsAnotherProgram(const QString& path, int cell, Color color)
{
    UserColorArray colors = Parse(ReadFile(path));
    colors[static_cast<std::size_t>(cell)] = color;
    WriteFile(path, Bytes(FormatUserColors(colors)));
}

// A process that has ended, so its id names no running process (until the id is used again).
qint64 EndedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForFinished();
    return process.processId() ? process.processId() : 999999;
}

} // namespace

class UserColorsFileTest : public QObject {
    Q_OBJECT

private slots:
    void savedBytesAreExactlyAFilePrintOf225Numbers()
    {
        const QByteArray bytes = Bytes(FormatUserColors(Sample()));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 226);
        QVERIFY(lines.last().isEmpty()); // the last line ends in CR LF too
        QCOMPARE(lines[0], QByteArray(" 0 \r"));
        QCOMPARE(lines[1], QByteArray(" 255 \r"));
        QCOMPARE(lines[5], QByteArray(" 16777215 \r"));
        QCOMPARE(lines[6], QByteArray("-2147483633 \r"));
        QCOMPARE(lines[224], QByteArray(" 1193046 \r"));
        QByteArray expected;
        for (int line = 0; line < 225; ++line) {
            switch (line) {
            case 1:
                expected += " 255 \r\n";
                break;
            case 5:
                expected += " 16777215 \r\n";
                break;
            case 6:
                expected += "-2147483633 \r\n";
                break;
            case 224:
                expected += " 1193046 \r\n";
                break;
            default:
                expected += " 0 \r\n";
            }
        }
        QCOMPARE(bytes, expected);
    }

    void damagedFilesReadIntoADefinedGrid_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("value");
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("short file: missing lines are black") << QByteArray(" 1 \r\n 2 \r\n") << 2 << 0;
        QTest::newRow("short file keeps what it has") << QByteArray(" 1 \r\n 2 \r\n") << 1 << 2;
        QTest::newRow("blanks around the number") << QByteArray("   \t 77   \r\n") << 0 << 77;
        QTest::newRow("number then letters") << QByteArray("x\r\n255abc\r\n") << 1 << 255;
        QTest::newRow("letters only") << QByteArray("red\r\n") << 0 << 0;
        QTest::newRow("half rounds to even") << QByteArray("2.5\r\n3.5\r\n") << 1 << 4;
        QTest::newRow("beyond 32 bits gives black") << QByteArray("99999999999\r\n") << 0 << 0;
        QTest::newRow("huge exponent gives black") << QByteArray("1e999\r\n") << 0 << 0;
        QTest::newRow("negative system code") << QByteArray("-2147483633\r\n") << 0 << -2147483633;
        QTest::newRow("CR-only line ends") << QByteArray("1\r2\r3\r") << 2 << 3;
        QTest::newRow("LF-only line ends") << QByteArray("1\n2\n3\n") << 2 << 3;
        QTest::newRow("binary bytes, no number") << QByteArray("\x00\xff\x01 5\r\n", 7) << 0 << 0;
        QTest::newRow("binary bytes after a number") << QByteArray("\x00\r\n 9\x80\xff\r\n", 9) << 1 << 9;
        QTest::newRow("a very long line") << (QByteArray(100000, '7') + "\r\n 4 \r\n") << 1 << 4;
        QTest::newRow("empty lines count") << QByteArray("\r\n\r\n 6 \r\n") << 2 << 6;
    }
    void damagedFilesReadIntoADefinedGrid()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, element);
        QFETCH(int, value);
        QCOMPARE(Parse(bytes)[static_cast<std::size_t>(element)], Color(value));
    }

    void linesAfterThe225thAreIgnored()
    {
        QByteArray bytes;
        for (int i = 0; i < 300; ++i)
            bytes += QByteArray::number(i) + "\r\n";
        const UserColorArray colors = Parse(bytes);
        QCOMPARE(colors[224], Color(224));
        QCOMPARE(Parse(Bytes(FormatUserColors(colors))), colors);
    }

    void aSavedFileReadsBackExactly()
    {
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), folder.filePath(QStringLiteral("data")));
        QString error;
        QVERIFY(file.Save(Sample(), &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(file.path(), folder.filePath(QStringLiteral("usercolors.cps")));
        QCOMPARE(file.Load(), Sample());
    }

    void aMissingFileReadsAsBlackAndIsNotCreated()
    {
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        QCOMPARE(file.Load(), UserColorArray{});
        QVERIFY(!QFile::exists(file.path()));
    }

    void aFolderInTheFilesPlaceFailsLoudlyAndLosesNothing()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("usercolors.cps")));
        WriteFile(folder.filePath(QStringLiteral("usercolors.cps/keep")), "x");
        const UserColorsFile file(folder.path(), QString());
        QCOMPARE(file.Load(), UserColorArray{});
        QString error;
        QVERIFY(!file.Save(Sample(), &error));
        QVERIFY2(error.contains(QStringLiteral("usercolors.cps")), qPrintable(error));
        QCOMPARE(ReadFile(folder.filePath(QStringLiteral("usercolors.cps/keep"))), QByteArray("x"));
    }

    void aSaveReplacesTheWholeFileOrNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("usercolors.cps"));
        WriteFile(path, QByteArray(5000, '9')); // longer than any saved file
        const UserColorsFile file(folder.path(), QString());
        QString error;
        QVERIFY(file.Save(Sample(), &error));
        QCOMPARE(ReadFile(path), Bytes(FormatUserColors(Sample())));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("usercolors.cps")});
    }

    // Qt buffers the bytes and reports no failed flush from commit(): a save must not take its
    // failure for success and replace the file with an empty or cut one.
    void aWriteFailureKeepsTheOldFileWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("usercolors.cps"));
        const QByteArray old = Bytes(FormatUserColors(Sample()));
        WriteFile(path, old);
        const UserColorsFile file(folder.path(), QString());
        QString error;
        {
            const FileSizeLimit limit(1000);
            QVERIFY(!file.Save(Other(), &error));
        }
        QVERIFY2(error.contains(path) && error.contains(QStringLiteral("File too large")), qPrintable(error));
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("usercolors.cps")});
    }

    void aFullDiskKeepsTheOldFileWhole()
    {
        QTemporaryDir folder;
        const SmallFileSystem disk(folder.path(), 64 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = folder.filePath(QStringLiteral("usercolors.cps"));
        const QByteArray old = Bytes(FormatUserColors(Sample()));
        WriteFile(path, old);
        FillUp(folder.path());
        const UserColorsFile file(folder.path(), QString());
        QString error;
        QVERIFY(!file.Save(Other(), &error));
        QVERIFY2(error.contains(path) && error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QCOMPARE(ReadFile(path), old);
        QVERIFY(!file.StoreCell(7, Color(0x00FF00), &error));
        QCOMPARE(ReadFile(path), old);
    }

    // A symlink to a file of the user's own is followed: the file it points at is replaced whole
    // and the link stays a link.
    void aLinkToTheUsersOwnFileSavesIntoThatFile()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("elsewhere")));
        const QString pointee = folder.filePath(QStringLiteral("elsewhere/colours.txt"));
        WriteFile(pointee, QByteArray(5000, '9'));
        const QString path = folder.filePath(QStringLiteral("usercolors.cps"));
        QVERIFY(QFile::link(pointee, path));
        const UserColorsFile file(folder.path(), QString());
        QString error;
        QVERIFY2(file.Save(Sample(), &error), qPrintable(error));
        QCOMPARE(TypeAt(path), mode_t(S_IFLNK));
        QCOMPARE(ReadFile(pointee), Bytes(FormatUserColors(Sample())));
        QCOMPARE(file.Load(), Sample());
    }

    void onlyRegularFilesOfTheUsersOwnAreReplaced_data()
    {
        QTest::addColumn<Occupant>("occupant");
        QTest::newRow("device node") << Occupant::DeviceNode;
        QTest::newRow("link to a device node") << Occupant::LinkToDeviceNode;
        QTest::newRow("FIFO") << Occupant::Fifo;
        QTest::newRow("link to a FIFO") << Occupant::LinkToFifo;
        QTest::newRow("folder") << Occupant::Folder;
        QTest::newRow("another user's file") << Occupant::OtherUsersFile;
        QTest::newRow("link to another user's file") << Occupant::LinkToOtherUsersFile;
        QTest::newRow("link to nothing") << Occupant::DanglingLink;
    }
    void onlyRegularFilesOfTheUsersOwnAreReplaced()
    {
        QFETCH(Occupant, occupant);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("usercolors.cps"));
        const QString pointee = folder.filePath(QStringLiteral("pointee"));
        if (const QString why = Place(occupant, path, folder.path(), Bytes(FormatUserColors(Sample()))); !why.isEmpty())
            QSKIP(qPrintable(why));
        const mode_t typeBefore = TypeAt(path);
        const mode_t pointeeBefore = TypeAt(pointee);
        const QByteArray pointeeBytes = pointeeBefore == S_IFREG ? ReadFile(pointee) : QByteArray();
        const QByteArray pathBytes = typeBefore == S_IFREG ? ReadFile(path) : QByteArray();

        const UserColorsFile file(folder.path(), QString());
        QElapsedTimer clock;
        clock.start();
        const UserColorArray loaded = file.Load(); // a FIFO without a writer must not block the read
        QVERIFY(clock.elapsed() < 5000);
        if (occupant != Occupant::OtherUsersFile && occupant != Occupant::LinkToOtherUsersFile)
            QCOMPARE(loaded, UserColorArray{});
        QString error;
        QVERIFY(!file.Save(Other(), &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY(!file.StoreCell(7, Color(0x00FF00), &error));
        QCOMPARE(TypeAt(path), typeBefore);
        QCOMPARE(TypeAt(pointee), pointeeBefore);
        if (pointeeBefore == S_IFREG)
            QCOMPARE(ReadFile(pointee), pointeeBytes);
        if (typeBefore == S_IFREG)
            QCOMPARE(ReadFile(path), pathBytes);
    }

    // What a save killed between writing its temporary file and renaming it left behind goes with
    // the next save; anything else beside the file stays.
    void leftoversOfInterruptedSavesAreRemoved()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QByteArray full = Bytes(FormatUserColors(Sample()));
        WriteFile(dir.filePath(QStringLiteral("usercolors.cps.AbCdEf")), full);
        WriteFile(dir.filePath(QStringLiteral("usercolors.cps.Qwerty")), full);
        const QStringList kept{QStringLiteral("usercolors.cps.AbCdE"), QStringLiteral("usercolors.cps.AbCdEfG"),
            QStringLiteral("usercolors.cps.bak-12"), QStringLiteral("other.cps.AbCdEf"),
            QStringLiteral("usercolors.cps.old")};
        for (const QString& name : kept)
            WriteFile(dir.filePath(name), "mine");
        QVERIFY(QFile::link(
            dir.filePath(QStringLiteral("other.cps.AbCdEf")), dir.filePath(QStringLiteral("usercolors.cps.LnKxyz"))));
        QVERIFY(dir.mkdir(QStringLiteral("usercolors.cps.FoLder")));
        const bool otherUser = GiveToAnotherUser(dir.filePath(QStringLiteral("usercolors.cps.Qwerty"))).isEmpty();

        const UserColorsFile file(folder.path(), QString());
        QString error;
        QVERIFY2(file.Save(Sample(), &error), qPrintable(error));
        QVERIFY(!dir.exists(QStringLiteral("usercolors.cps.AbCdEf")));
        QCOMPARE(dir.exists(QStringLiteral("usercolors.cps.Qwerty")), otherUser);
        for (const QString& name : kept)
            QCOMPARE(ReadFile(dir.filePath(name)), QByteArray("mine"));
        QCOMPARE(TypeAt(dir.filePath(QStringLiteral("usercolors.cps.LnKxyz"))), mode_t(S_IFLNK));
        QVERIFY(dir.exists(QStringLiteral("usercolors.cps.FoLder")));
        QCOMPARE(file.Load(), Sample());
    }

    // The folder that could not be made is the failure to report, not the file that then could
    // not be opened in it.
    void theFirstFailureIsReported()
    {
        QTemporaryDir data;
        ReadOnlyFolder readOnly(data.path());
        if (const QString why = readOnly.makeReadOnly(); !why.isEmpty())
            QSKIP(qPrintable(why));
        const UserColorsFile file(
            QStringLiteral("/nonexistent/program/folder"), data.filePath(QStringLiteral("Pelmora")));
        QString error;
        QVERIFY(!file.Save(Sample(), &error));
        QVERIFY2(error.contains(QStringLiteral("Read-only file system"))
                || error.contains(QStringLiteral("Permission denied")),
            qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("No such file or directory")), qPrintable(error));
    }

    // Each "Add" changes one cell of the file as it is at that moment: a copy that loaded the grid
    // earlier keeps what another copy stored since.
    void aCellIsStoredIntoTheFileAsItIsNow()
    {
        QTemporaryDir folder;
        const UserColorsFile copyA(folder.path(), QString());
        const UserColorsFile copyB(folder.path(), QString());
        QVERIFY(copyA.Save(Sample(), nullptr));
        const UserColorArray seenByB = copyB.Load();
        QString error;
        QVERIFY2(copyA.StoreCell(5, Color(0x0000FF), &error), qPrintable(error));
        const std::optional<CustomColors> saved = copyB.StoreCell(6, Color(0x00FF00), &error);
        QVERIFY2(saved, qPrintable(error));
        UserColorArray expected = seenByB;
        expected[5] = Color(0x0000FF);
        expected[6] = Color(0x00FF00);
        QCOMPARE(saved->colors, expected);
        QCOMPARE(copyA.Load(), expected);
    }

    // A cell set to black is stored as 0, exactly as before, and counts as set through the list
    // beside the file; so does one set by a single Add.
    void blackCellsStoredAreSetAndTheColoursFileKeepsItsBytes()
    {
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        const std::array<Color, 4> imported{Color::black(), RGB(255, 0, 0), Color::black(), RGB(0, 255, 0)};
        QString error;
        QVERIFY2(file.StoreCells(100, imported, &error) && error.isEmpty(), qPrintable(error));
        QVERIFY2(file.StoreCell(7, Color::black(), &error) && error.isEmpty(), qPrintable(error));
        UserColorArray expected{};
        std::copy(imported.begin(), imported.end(), expected.begin() + 100);
        QCOMPARE(ReadFile(file.path()), Bytes(FormatUserColors(expected)));
        QCOMPARE(SetCellsOf(file.LoadCells()), (QList<int>{7, 100, 101, 102, 103}));
        QCOMPARE(file.Load(), expected);
        QCOMPARE(file.marksPath(), folder.filePath(QStringLiteral("usercolors.cps.set")));
        // Nothing set to black: no list is written at all.
        QTemporaryDir plain;
        const UserColorsFile colorful(plain.path(), QString());
        QVERIFY(colorful.StoreCell(3, RGB(1, 2, 3), &error));
        QVERIFY(!QFile::exists(colorful.marksPath()));
    }

    // The list can fall behind the colours file when another program (or an older version) saves
    // the colours; a cell that is not 0 is always set, and a mark never outlives the file.
    void theListOfBlackCellsGivesWayToTheColoursFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<int>>("setCells");
        QTest::newRow("untouched") << "none" << QList<int>{10, 11, 12};
        QTest::newRow("a marked cell given a colour") << "colour 10" << QList<int>{10, 11, 12};
        QTest::newRow("a coloured cell emptied") << "empty 11" << QList<int>{10, 12};
        QTest::newRow("a marked cell given a colour, then our save, then emptied")
            << "colour 10, save, empty 10" << QList<int>{11, 12, 30};
        QTest::newRow("the colours file deleted") << "delete" << QList<int>{};
        QTest::newRow("the colours file deleted, then our save") << "delete, save" << QList<int>{30};
        QTest::newRow("a damaged list") << "damage the list" << QList<int>{11};
        QTest::newRow("a folder in the list's place") << "folder list" << QList<int>{11};
    }
    void theListOfBlackCellsGivesWayToTheColoursFile()
    {
        QFETCH(QString, change);
        QFETCH(QList<int>, setCells);
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        const std::array<Color, 3> colors{Color::black(), RGB(0, 0, 255), Color::black()};
        QString error;
        QVERIFY(file.StoreCells(10, colors, &error));
        for (const QString& step : change.split(QStringLiteral(", "))) {
            if (step == QLatin1String("colour 10"))
                ChangeCellAsAnotherProgram(file.path(), 10, RGB(9, 9, 9));
            else if (step == QLatin1String("empty 10"))
                ChangeCellAsAnotherProgram(file.path(), 10, Color::black());
            else if (step == QLatin1String("empty 11"))
                ChangeCellAsAnotherProgram(file.path(), 11, Color::black());
            else if (step == QLatin1String("save"))
                QVERIFY2(file.StoreCell(30, Color::black(), &error), qPrintable(error));
            else if (step == QLatin1String("delete"))
                QVERIFY(QFile::remove(file.path()));
            else if (step == QLatin1String("damage the list"))
                WriteFile(file.marksPath(), "10\n12\n");
            else if (step == QLatin1String("folder list"))
                QVERIFY(
                    QFile::remove(file.marksPath()) && QDir(folder.path()).mkdir(QStringLiteral("usercolors.cps.set")));
        }
        QCOMPARE(SetCellsOf(file.LoadCells()), setCells);
    }

    // The colours are saved even where the list cannot be, and the user is told which is which.
    void aListThatCannotBeWrittenKeepsTheSavedColoursAndSaysSo()
    {
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("usercolors.cps.set")));
        QString error;
        const std::optional<CustomColors> saved = file.StoreCell(4, Color::black(), &error);
        QVERIFY(saved);
        QVERIFY2(error.contains(QStringLiteral("The custom colours were saved")) && error.contains(file.marksPath()),
            qPrintable(error));
        QCOMPARE(ReadFile(file.path()), Bytes(FormatUserColors(UserColorArray{})));
    }

    // A copy killed between creating the lock file and writing its process id into it leaves an
    // empty lock; one killed later leaves its id. Neither may hold up the next save.
    void aLockThatNamesNoRunningCopyIsTakenOverAtOnce_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("an ended process")
            << QByteArray::number(EndedProcessId()) + "\npelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("not a lock's text") << QByteArray("\x01\x02garbage");
    }
    void aLockThatNamesNoRunningCopyIsTakenOverAtOnce()
    {
        QFETCH(QByteArray, lock);
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        WriteFile(file.path() + QStringLiteral(".lock"), lock);
        QElapsedTimer clock;
        clock.start();
        QString error;
        QVERIFY2(file.StoreCell(3, RGB(1, 2, 3), &error), qPrintable(error));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(file.Load()[3], RGB(1, 2, 3));
        QVERIFY(!QFile::exists(file.path() + QStringLiteral(".lock")));
    }

    // However old, the lock of a copy that is still saving is left to it.
    void aLockHeldByARunningCopyIsNotTakenOver()
    {
        QTemporaryDir folder;
        const UserColorsFile file(folder.path(), QString());
        QVERIFY(file.Save(Sample(), nullptr));
        QLockFile held(file.path() + QStringLiteral(".lock"));
        QVERIFY(held.tryLock(0));
        QTest::qWait(300);
        QString error;
        QVERIFY(!file.StoreCell(3, RGB(1, 2, 3), &error));
        QVERIFY2(error.contains(QStringLiteral("another running copy")), qPrintable(error));
        QCOMPARE(file.Load(), Sample());
    }

    // The window and every command keep the colours in one place, whatever names the running
    // part gives its application.
    void theUsersFolderIsTheWindowsWhateverTheApplicationsName()
    {
        const QString before = UserColorsFile::UserDataFolder();
        QCoreApplication::setOrganizationName(QStringLiteral("Pelmora"));
        QCoreApplication::setApplicationName(QStringLiteral("Pelmora"));
        const QString windows = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(UserColorsFile::UserDataFolder(), windows);
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("pelmora"));
        QCOMPARE(UserColorsFile::UserDataFolder(), windows);
        QCOMPARE(before, windows);
    }

    // Two processes adding to different cells at the same moment, taking turns through the lock.
    void twoRunningCopiesAddingAtOnceLoseNothing()
    {
        QTemporaryDir folder;
        constexpr int kCells = 60;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(PELMORA_STORE_CELL_HELPER),
            {folder.path(), QStringLiteral("1"), QString::number(kCells), QStringLiteral("1000")});
        second.start(QStringLiteral(PELMORA_STORE_CELL_HELPER),
            {folder.path(), QString::number(kCells + 1), QString::number(kCells), QStringLiteral("1000")});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QVERIFY2(first.exitStatus() == QProcess::NormalExit && first.exitCode() == 0, first.readAllStandardError());
        QVERIFY2(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0, second.readAllStandardError());
        const UserColorArray colors = UserColorsFile(folder.path(), QString()).Load();
        for (int cell = 1; cell <= 2 * kCells; ++cell)
            QVERIFY2(colors[static_cast<std::size_t>(cell)] == Color(1000 + cell), qPrintable(QString::number(cell)));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("usercolors.cps.lock"))));
    }

    void anUnusableProgramFolderFallsBackToTheUsersDataFolder()
    {
        QTemporaryDir data;
        const QString dataFolder = data.filePath(QStringLiteral("Pelmora"));
        const UserColorsFile file(QStringLiteral("/nonexistent/program/folder"), dataFolder);
        QCOMPARE(file.path(), dataFolder + QStringLiteral("/usercolors.cps"));
        QString error;
        QVERIFY2(file.Save(Sample(), &error), qPrintable(error));
        QCOMPARE(file.Load(), Sample());
    }
};

QTEST_GUILESS_MAIN(UserColorsFileTest)
#include "user_colors_file_test.moc"
