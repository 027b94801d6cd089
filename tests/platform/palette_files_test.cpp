// Palette files on disk: the file dialog's filters and the format a choice stands for, all-or-nothing
// writes, and imports that name the file and leave the colours alone when it cannot be read; what
// is in a file's place that must be neither replaced nor waited on.

#include "file_faults.h"
#include "platform/palette_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace pelmora;
using namespace pelmora::test;

Q_DECLARE_METATYPE(std::optional<PaletteFormat>)
Q_DECLARE_METATYPE(std::optional<pelmora::test::Occupant>)

namespace {

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

using Cells = std::array<Color, 225>;

const Palette kOneColour{"", 0, {{"", RGB(1, 2, 3)}}};

// How a write can run out of room: a full file system (the superuser's test only) or a limit on
// the size of this process's files (anyone's).
enum class NoRoom { FullDisk, SizeLimit };

// A link that another user made to a file of the user's own, as in a folder every user may write to.
QString PlantAnotherUsersLink(const QString& path, const QString& folder)
{
    const QString mine = QDir(folder).filePath(QStringLiteral("pointee"));
    WriteFile(mine, "mine\n");
    if (!QFile::link(mine, path))
        return QStringLiteral("symlinks cannot be made here");
    return GiveToAnotherUser(path);
}

} // namespace

Q_DECLARE_METATYPE(NoRoom)

class PaletteFilesTest : public QObject {
    Q_OBJECT

private slots:
    void filtersListEveryFormatForItsDialog()
    {
        QCOMPARE(PaletteExportFilters(),
            QStringLiteral("GIMP palette (*.gpl);;Adobe swatch exchange (*.ase);;"
                           "CSS custom properties (*.css);;JSON palette (*.json);;"
                           "#RRGGBB list (*.txt)"));
        QCOMPARE(PaletteImportFilters(),
            QStringLiteral("Palettes (*.gpl *.ase *.css *.json *.txt);;GIMP palette (*.gpl);;"
                           "Adobe swatch exchange (*.ase);;CSS custom properties (*.css);;JSON palette (*.json);;"
                           "Colour list (*.txt);;All files (*)"));
    }

    void formatOfAChosenFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<std::optional<PaletteFormat>>("format");
        QTest::newRow("extension") << "/x/p.ase" << QString() << std::optional(PaletteFormat::Ase);
        QTest::newRow("extension wins over the filter")
            << "p.GPL"
            << "CSS custom properties (*.css)" << std::optional(PaletteFormat::Gpl);
        QTest::newRow("a text file is written as #RRGGBB lines")
            << "p.txt" << QString() << std::optional(PaletteFormat::Hex);
        QTest::newRow("no extension: the filter") << "p"
                                                  << "JSON palette (*.json)" << std::optional(PaletteFormat::Json);
        QTest::newRow("no extension, no filter") << "p" << QString() << std::optional<PaletteFormat>();
        QTest::newRow("unknown extension, read-only filter") << "p.dat"
                                                             << "Colour list (*.txt)" << std::optional<PaletteFormat>();
    }

    void formatOfAChosenFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QFETCH(std::optional<PaletteFormat>, format);
        QCOMPARE(PaletteFormatForFile(path, filter), format);
    }

    void bareNamesGetTheExtensionOfTheirFilter()
    {
        QCOMPARE(PaletteExtensionForFilter("#RRGGBB list (*.txt)"), QStringLiteral("txt"));
        QCOMPARE(PaletteExtensionForFilter("JSON palette (*.json)"), QStringLiteral("json"));
        QCOMPARE(PaletteExtensionForFilter("Colour list (*.txt)"), QStringLiteral("gpl")); // read only
        QCOMPARE(PaletteExtensionForFilter(QString()), QStringLiteral("gpl"));
    }

    void writeReplacesTheFileOrLeavesTheOldOneWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.txt");
        WriteFile(path, "old");
        const Palette palette{"", 0, {{"", RGB(1, 2, 3)}}};
        QString error;
        QVERIFY(WritePaletteFile(path, PaletteFormat::Hex, palette, &error));
        QCOMPARE(ReadFile(path), QByteArray("#010203\n"));

        const QString unwritable = dir.filePath("missing/folder/p.txt");
        QVERIFY(!WritePaletteFile(unwritable, PaletteFormat::Hex, palette, &error));
        QVERIFY2(error.contains(QStringLiteral("could not be saved to \"%1\"").arg(unwritable)), qPrintable(error));
        QVERIFY(!QFile::exists(unwritable));
    }

    void aWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<NoRoom>("noRoom");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << NoRoom::FullDisk << "No space left on device";
        QTest::newRow("file size limit") << NoRoom::SizeLimit << "File too large";
    }
    void aWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(NoRoom, noRoom);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const SmallFileSystem disk(dir.path(), 64 * 1024);
        if (noRoom == NoRoom::FullDisk && !disk.isMounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString mine = dir.filePath("mine.gpl");
        const QString part = dir.filePath("part.json");
        const QByteArray old = "GIMP Palette\n1 2 3\n";
        WriteFile(mine, old);
        // Smaller than any buffer, so that only its flush could tell of the failure.
        Palette small{"", 0, {}};
        for (int i = 0; i < 20; ++i)
            small.entries.push_back({"cell " + std::to_string(i), RGB(i, 0, 0)});
        QString mineError;
        QString partError;
        {
            if (noRoom == NoRoom::FullDisk)
                FillUp(dir.path());
            std::optional<FileSizeLimit> limit;
            if (noRoom == NoRoom::SizeLimit)
                limit.emplace(100);
            QVERIFY(!WritePaletteFile(mine, PaletteFormat::Gpl, small, &mineError));
            QVERIFY(!WritePaletteFile(part, PaletteFormat::Json, small, &partError));
        }
        QVERIFY2(
            mineError.contains(QStringLiteral("could not be saved to \"%1\"").arg(mine)) && mineError.contains(reason),
            qPrintable(mineError));
        QVERIFY2(partError.contains(reason), qPrintable(partError));
        QCOMPARE(ReadFile(mine), old);
        QVERIFY(!QFile::exists(part)); // no cut file where there was none
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("mine.gpl")),
            QStringList{QStringLiteral("mine.gpl")});
    }

    // Refused both ways: the export leaves it as it is, the import neither waits on it nor reads it.
    void onlyAMissingOrRegularFileOfTheUsersOwnIsReplaced_data()
    {
        QTest::addColumn<std::optional<Occupant>>("occupant");
        QTest::addColumn<QString>("importReason"); // empty: any, the file holds no palette
        const QString special = QStringLiteral("it is not a regular file");
        QTest::newRow("FIFO") << std::optional(Occupant::Fifo) << special;
        QTest::newRow("link to a FIFO") << std::optional(Occupant::LinkToFifo) << special;
        QTest::newRow("device node") << std::optional(Occupant::DeviceNode) << special;
        QTest::newRow("link to a device node") << std::optional(Occupant::LinkToDeviceNode) << special;
        QTest::newRow("folder") << std::optional(Occupant::Folder) << special;
        QTest::newRow("another user's file") << std::optional(Occupant::OtherUsersFile) << QString();
        QTest::newRow("link to another user's file") << std::optional(Occupant::LinkToOtherUsersFile) << QString();
        QTest::newRow("link to nothing") << std::optional(Occupant::DanglingLink) << "No such file or directory";
        QTest::newRow("another user's link to a file of mine") << std::optional<Occupant>() << QString();
    }
    void onlyAMissingOrRegularFileOfTheUsersOwnIsReplaced()
    {
        QFETCH(std::optional<Occupant>, occupant);
        QFETCH(QString, importReason);
        QTemporaryDir dir;
        const QString path = dir.filePath("shared.gpl");
        const QString pointee = dir.filePath("pointee");
        const QString why
            = occupant ? Place(*occupant, path, dir.path(), "theirs\n") : PlantAnotherUsersLink(path, dir.path());
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        const mode_t typeBefore = TypeAt(path);
        const mode_t pointeeBefore = TypeAt(pointee);
        const auto contents
            = [](const QString& file) { return TypeAt(file) == S_IFREG ? ReadFile(file) : QByteArray("-"); };
        const QByteArray pointeeBytes = contents(pointee);

        QElapsedTimer clock;
        clock.start();
        QString error;
        QVERIFY(!WritePaletteFile(path, PaletteFormat::Gpl, kOneColour, &error));
        QVERIFY2(error.startsWith(QStringLiteral("The palette could not be saved to \"%1\": ").arg(path)),
            qPrintable(error));
        Cells cells{};
        const PaletteFileImport import = ImportPaletteFile(path, cells, 1);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!import.imported);
        QVERIFY2(import.message.startsWith(QStringLiteral("Cannot read \"%1\": %2").arg(path, importReason)),
            qPrintable(import.message));
        QCOMPARE(TypeAt(path), typeBefore);
        QCOMPARE(TypeAt(pointee), pointeeBefore);
        QCOMPARE(contents(pointee), pointeeBytes);
    }

    void importPlacesColoursAndSaysWhatWasLeftOut()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("palette.dat"); // no known extension: the content decides
        WriteFile(path, "GIMP Palette\n1 1 1\n2 2 2\n3 3 3\n");
        Cells cells{};
        const PaletteFileImport import = ImportPaletteFile(path, cells, 223);
        QVERIFY(import.imported);
        QCOMPARE(import.message,
            QStringLiteral(
                "Imported 2 colours into cells 223 to 224. 1 colour was left out: the grid has no more cells."));
        QCOMPARE(cells[223], RGB(1, 1, 1));
        QCOMPARE(cells[224], RGB(2, 2, 2));
    }

    void unreadableFilesNameTheFileAndChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "p.css" << QByteArray(":root {\n --a: #fff;\n --b: nope;\n}")
                                 << "line 3: 'nope' is not a colour";
        QTest::newRow("too large") << "p.txt" << QByteArray(static_cast<qsizetype>(kMaxPaletteFileBytes) + 10, '\n')
                                   << "the file is larger than 8 MiB";
        QTest::newRow("missing") << "" << QByteArray() << "No such file or directory";
    }

    void unreadableFilesNameTheFileAndChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name.isEmpty() ? QStringLiteral("absent.gpl") : name);
        if (!name.isEmpty())
            WriteFile(path, bytes);
        Cells cells{};
        cells[1] = RGB(9, 8, 7);
        const Cells before = cells;
        const PaletteFileImport import = ImportPaletteFile(path, cells, 1);
        QVERIFY(!import.imported);
        QCOMPARE(import.message, QStringLiteral("Cannot read \"%1\": %2").arg(path, reason));
        QVERIFY(cells == before);
    }
};

QTEST_GUILESS_MAIN(PaletteFilesTest)
#include "palette_files_test.moc"
