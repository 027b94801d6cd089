// `pelmora palette export|import` against a custom colours file in a temporary folder: what it
// prints, what it saves, its exit status and its messages.

#include "app/palette_command.h"
#include "file_faults.h"
#include "platform/user_colors_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace pelmora;
using namespace pelmora::test;

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run RunPalette(const UserColorsFile& file, std::vector<std::string> words)
{
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunPaletteCommand(args, file, out, err);
    return {status, out.str(), err.str()};
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::string Path(const QTemporaryDir& dir, const char* name) { return dir.filePath(name).toStdString(); }

// What stands in the way of an export to a file.
enum class Obstacle { Fifo, SizeLimit };

// What stands in the way of reading the custom colours file.
enum class Unreadable { Fifo, Folder, DeviceNode, NoPermission };

} // namespace

Q_DECLARE_METATYPE(Obstacle)
Q_DECLARE_METATYPE(Unreadable)

class PaletteCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    UserColorsFile file_{QString(), QString()};

    void saveCells(const UserColorArray& cells) { QVERIFY(file_.Save(cells, nullptr)); }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        file_ = UserColorsFile(dir_.path(), QString());
        QFile::remove(file_.path());
    }

    void exportWritesTheSetCellsToStandardOutput()
    {
        UserColorArray cells{};
        cells[1] = RGB(255, 0, 0);
        cells[9] = RGB(0x12, 0x34, 0x56);
        saveCells(cells);
        const Run hex = RunPalette(file_, {"export", "--format", "hex", "--set-only"});
        QCOMPARE(hex.status, 0);
        QCOMPARE(hex.out, std::string("#FF0000\n#123456\n"));
        QCOMPARE(hex.err, std::string());
        const Run gpl = RunPalette(file_, {"export", "--set-only", "--format", "gpl"});
        QCOMPARE(gpl.out,
            std::string("GIMP Palette\nName: Pelmora custom colours\nColumns: 16\n#\n"
                        "255   0   0\tred\n 18  52  86\tcell 9\n"));
    }

    void exportWithoutSetOnlyGivesAll224Cells()
    {
        const Run run = RunPalette(file_, {"export", "--format", "css"}); // no file yet: all black
        QCOMPARE(run.status, 0);
        QCOMPARE(QByteArray::fromStdString(run.out).count("#000000;"), 224);
        QVERIFY(run.out.find("--black-224: #000000;") != std::string::npos);
    }

    void exportToAFileThenImportBringsBackTheSameCells_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"p.gpl", "p.ase", "p.css", "p.json", "p.txt"})
            QTest::newRow(name) << name;
    }

    void exportToAFileThenImportBringsBackTheSameCells()
    {
        QFETCH(QString, name);
        UserColorArray cells{};
        for (int cell = 1; cell <= 224; ++cell)
            cells[static_cast<std::size_t>(cell)] = RGB(cell, 255 - cell, (cell * 7) % 256);
        saveCells(cells);
        const std::string path = dir_.filePath(name).toStdString();
        const Run exported = RunPalette(file_, {"export", path}); // the format from the extension
        QCOMPARE(exported.status, 0);
        QCOMPARE(exported.out, std::string());

        saveCells(UserColorArray{});
        const Run imported = RunPalette(file_, {"import", path});
        QCOMPARE(imported.err, std::string());
        QCOMPARE(imported.status, 0);
        QCOMPARE(imported.out, std::string("Imported 224 colours into cells 1 to 224.\n"));
        QVERIFY(file_.Load() == cells);
    }

    void importFromACellLeavesOutWhatDoesNotFit()
    {
        UserColorArray cells{};
        cells[221] = RGB(7, 7, 7);
        saveCells(cells);
        WriteFile(dir_.filePath("five.txt"), "#010101\n#020202\n#030303\n#040404\n#050505\n");
        const Run run = RunPalette(file_, {"import", "--cell", "222", Path(dir_, "five.txt")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out,
            std::string("Imported 3 colours into cells 222 to 224. 2 colours were left out: the grid has "
                        "no more cells.\n"));
        const UserColorArray saved = file_.Load();
        QCOMPARE(saved[221], RGB(7, 7, 7));
        QCOMPARE(saved[222], RGB(1, 1, 1));
        QCOMPARE(saved[224], RGB(3, 3, 3));
    }

    // Black is a colour like any other: imported black cells are set, and exported as set.
    void importedBlackCellsAreExportedAsSet()
    {
        WriteFile(dir_.filePath("bk.txt"), "#000000\n#ff0000\n#000000\n#00ff00\n");
        const Run imported = RunPalette(file_, {"import", "--cell", "100", Path(dir_, "bk.txt")});
        QCOMPARE(imported.out, std::string("Imported 4 colours into cells 100 to 103.\n"));
        QCOMPARE(imported.status, 0);
        const Run exported = RunPalette(file_, {"export", "--format", "hex", "--set-only"});
        QCOMPARE(exported.out, std::string("#000000\n#FF0000\n#000000\n#00FF00\n"));
        QCOMPARE(exported.status, 0);
        UserColorArray expected{};
        expected[101] = RGB(255, 0, 0);
        expected[103] = RGB(0, 255, 0);
        QCOMPARE(ReadFile(file_.path()), QByteArray::fromStdString(FormatUserColors(expected)));
    }

    // An import stores its cells into the file as it is once its turn comes: a cell another copy
    // (the window's Add) saved while the import waited stays.
    void importKeepsWhatAnotherCopySavedMeanwhile()
    {
        UserColorArray cells{};
        cells[50] = RGB(5, 5, 5);
        saveCells(cells);
        WriteFile(dir_.filePath("two.txt"), "#010101\n#020202\n");
        QLockFile otherCopy(file_.path() + QStringLiteral(".lock"));
        QVERIFY(otherCopy.tryLock(0));
        Run run;
        std::thread import([&] { run = RunPalette(file_, {"import", "--cell", "1", Path(dir_, "two.txt")}); });
        QTest::qWait(400); // the import has read its palette and waits for the lock
        cells[50] = RGB(0, 0, 255);
        WriteFile(file_.path(), QByteArray::fromStdString(FormatUserColors(cells)));
        otherCopy.unlock();
        import.join();
        QCOMPARE(run.err, std::string());
        QCOMPARE(run.status, 0);
        const UserColorArray saved = file_.Load();
        QCOMPARE(saved[50], RGB(0, 0, 255));
        QCOMPARE(saved[1], RGB(1, 1, 1));
        QCOMPARE(saved[2], RGB(2, 2, 2));
    }

    void aDamagedFileNamesFileAndLineAndLeavesTheColoursFileAlone()
    {
        UserColorArray cells{};
        cells[1] = RGB(1, 2, 3);
        saveCells(cells);
        const QByteArray before = ReadFile(file_.path());
        WriteFile(dir_.filePath("bad.json"), "{\"colors\": [\n  \"#fff\",\n  \"#ggg\"\n]}");
        const Run run = RunPalette(file_, {"import", Path(dir_, "bad.json")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, std::string());
        QCOMPARE(run.err,
            "pelmora palette: Cannot read \"" + Path(dir_, "bad.json") + "\": line 3: '#ggg' is not a colour\n");
        QCOMPARE(ReadFile(file_.path()), before);
    }

    void anExportThatCannotBeWrittenKeepsWhatWasThereAndExitsWith2_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << Obstacle::Fifo << "it is not a regular file";
        QTest::newRow("file size limit") << Obstacle::SizeLimit << "File too large";
    }
    void anExportThatCannotBeWrittenKeepsWhatWasThereAndExitsWith2()
    {
        QFETCH(Obstacle, obstacle);
        QFETCH(QString, reason);
        const QString target = dir_.filePath("mine.gpl");
        QFile::remove(target);
        const QByteArray old = "GIMP Palette\n1 2 3\n";
        if (obstacle == Obstacle::Fifo)
            QVERIFY(MakeFifo(target));
        else
            WriteFile(target, old);
        Run run;
        {
            std::optional<FileSizeLimit> limit;
            if (obstacle == Obstacle::SizeLimit)
                limit.emplace(1000); // less than the 224 cells take
            run = RunPalette(file_, {"export", target.toStdString()});
        }
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err,
            QStringLiteral("pelmora palette: The palette could not be saved to \"%1\": %2\n")
                .arg(target, reason)
                .toStdString());
        if (obstacle == Obstacle::Fifo)
            QCOMPARE(TypeAt(target), mode_t(S_IFIFO));
        else
            QCOMPARE(ReadFile(target), old);
        QFile::remove(target);
    }

    void aFifoIsNotImportedNorWaitedOn()
    {
        const QString fifo = dir_.filePath("colours.txt");
        QFile::remove(fifo);
        QVERIFY(MakeFifo(fifo));
        QElapsedTimer clock;
        clock.start();
        const Run run = RunPalette(file_, {"import", fifo.toStdString()});
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err,
            QStringLiteral("pelmora palette: Cannot read \"%1\": it is not a regular file\n").arg(fifo).toStdString());
        QVERIFY(!QFile::exists(file_.path()));
        QFile::remove(fifo);
    }

    // Loading such a file gives 224 blacks, which must not be exported as if they were the user's.
    void anUnreadableColoursFileIsNotExported_data()
    {
        QTest::addColumn<Unreadable>("unreadable");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << Unreadable::Fifo << "it is not a regular file";
        QTest::newRow("folder") << Unreadable::Folder << "it is not a regular file";
        QTest::newRow("device node") << Unreadable::DeviceNode << "it is not a regular file";
        QTest::newRow("no permission to read") << Unreadable::NoPermission << "Permission denied";
    }
    void anUnreadableColoursFileIsNotExported()
    {
        QFETCH(Unreadable, unreadable);
        QFETCH(QString, reason);
        const QString colours = file_.path();
        switch (unreadable) {
        case Unreadable::Fifo:
            QVERIFY(MakeFifo(colours));
            break;
        case Unreadable::Folder:
            QVERIFY(QDir().mkdir(colours));
            break;
        case Unreadable::DeviceNode:
            if (const QString why = MakeDeviceNode(colours); !why.isEmpty())
                QSKIP(qPrintable(why));
            break;
        case Unreadable::NoPermission:
            if (::geteuid() == 0)
                QSKIP("the superuser may read any file");
            saveCells(UserColorArray{});
            QVERIFY(QFile::setPermissions(colours, QFile::WriteOwner));
            break;
        }
        const QString target = dir_.filePath("out.gpl");
        const Run toOutput = RunPalette(file_, {"export", "--format", "hex"});
        const Run toFile = RunPalette(file_, {"export", target.toStdString()});
        QDir().rmdir(colours);
        QFile::remove(colours);
        const std::string message = QStringLiteral("pelmora palette: cannot read the custom colours in \"%1\": %2\n")
                                        .arg(colours, reason)
                                        .toStdString();
        for (const Run& run : {toOutput, toFile}) {
            QCOMPARE(run.status, 2);
            QCOMPARE(run.out, std::string());
            QCOMPARE(run.err, message);
        }
        QVERIFY(!QFile::exists(target));
    }

    void controlCharactersOfTheFileAndTheWordsAreEscaped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        QTest::newRow("escape in a line of the file")
            << QByteArray("\x1b[31mX\n") << QStringList{"import", "bad.txt"} << "'\\e[31mX' is not a colour";
        QTest::newRow("override in a line of the file") << QByteArray("\xe2\x80\xae"
                                                                      "der\n")
                                                        << QStringList{"import", "bad.txt"} << "'\\u202eder'";
        QTest::newRow("escape in an option")
            << QByteArray() << QStringList{"export", "--\x1b[2J"} << "unknown option '--\\e[2J'";
        QTest::newRow("escape in the action")
            << QByteArray() << QStringList{"\x1b]0;t\x07"} << "unknown action '\\e]0;t\\x07'";
    }

    void controlCharactersOfTheFileAndTheWordsAreEscaped()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        WriteFile(dir_.filePath("bad.txt"), line);
        std::vector<std::string> args;
        for (const QString& word : words)
            args.push_back(word == "bad.txt" ? Path(dir_, "bad.txt") : word.toStdString());
        const Run run = RunPalette(file_, args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.find('\x1b') == std::string::npos, run.err.c_str());
        QVERIFY2(run.err.find("\xe2\x80\xae") == std::string::npos, run.err.c_str());
        QVERIFY2(QString::fromStdString(run.err).contains(message), run.err.c_str());
    }

    void wrongCommandLinesExitWith2AndSayWhy_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        QTest::newRow("no action") << QStringList{} << "Usage: pelmora palette export";
        QTest::newRow("unknown action") << QStringList{"show"} << "unknown action 'show'";
        QTest::newRow("unknown format") << QStringList{"export", "--format", "png"}
                                        << "--format needs one of gpl, ase, css, json, hex";
        QTest::newRow("format missing its value") << QStringList{"export", "--format"} << "--format needs one of";
        QTest::newRow("no format, no file") << QStringList{"export"} << "choose a format with --format";
        QTest::newRow("file without a known extension")
            << QStringList{"export", "colours"} << "choose a format with --format";
        QTest::newRow("cell 0") << QStringList{"import", "--cell", "0", "a.gpl"}
                                << "--cell needs a cell number from 1 to 224";
        QTest::newRow("cell 225") << QStringList{"import", "--cell", "225", "a.gpl"} << "--cell needs a cell number";
        QTest::newRow("cell not a number")
            << QStringList{"import", "--cell", "2x", "a.gpl"} << "--cell needs a cell number";
        QTest::newRow("import without a file") << QStringList{"import"} << "import needs a FILE";
        QTest::newRow("two files") << QStringList{"import", "a.gpl", "b.gpl"} << "one FILE at most";
        QTest::newRow("option of the other action")
            << QStringList{"export", "--cell", "3"} << "unknown option '--cell'";
        QTest::newRow("missing file") << QStringList{"import", "/nonexistent/a.gpl"}
                                      << "Cannot read \"/nonexistent/a.gpl\"";
        QTest::newRow("unwritable file") << QStringList{"export", "/nonexistent/a.gpl"}
                                         << "could not be saved to \"/nonexistent/a.gpl\"";
    }

    void wrongCommandLinesExitWith2AndSayWhy()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        std::vector<std::string> args;
        for (const QString& word : words)
            args.push_back(word.toStdString());
        const Run run = RunPalette(file_, args);
        QCOMPARE(run.status, 2);
        QVERIFY2(QString::fromStdString(run.err).contains(message), run.err.c_str());
        QVERIFY(!QFile::exists(file_.path())); // nothing was saved
    }

    void helpGoesToStandardOutput()
    {
        const Run run = RunPalette(file_, {"--help"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, std::string(kPaletteUsage));
    }
};

QTEST_GUILESS_MAIN(PaletteCommandTest)
#include "palette_command_test.moc"
