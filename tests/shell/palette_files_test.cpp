// Palette files on disk: the file dialog's filters and the format a choice stands for, all-or-nothing
// writes, and imports that name the file and leave the colours alone when it cannot be read.

#include "mainwindow/palette_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace pelmora;

Q_DECLARE_METATYPE(std::optional<PaletteFormat>)

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

} // namespace

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

    void bareNamesGetTheFormatsExtension()
    {
        QCOMPARE(WithPaletteExtension("/a.b/colours", PaletteFormat::Hex), QStringLiteral("/a.b/colours.txt"));
        QCOMPARE(WithPaletteExtension("colours.gpl", PaletteFormat::Css), QStringLiteral("colours.gpl"));
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
