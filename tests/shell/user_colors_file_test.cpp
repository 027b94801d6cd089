// The custom colours file: its exact bytes, damaged files, and where it is kept.

#include "mainwindow/user_colors_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;

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

} // namespace

class UserColorsFileTest : public QObject {
    Q_OBJECT

private slots:
    void savedBytesAreExactlyAFilePrintOf225Numbers()
    {
        const QByteArray bytes = Bytes(FormatUserColors(Sample()));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 226);
        QVERIFY(lines.last().isEmpty());  // the last line ends in CR LF too
        QCOMPARE(lines[0], QByteArray(" 0 \r"));
        QCOMPARE(lines[1], QByteArray(" 255 \r"));
        QCOMPARE(lines[5], QByteArray(" 16777215 \r"));
        QCOMPARE(lines[6], QByteArray("-2147483633 \r"));
        QCOMPARE(lines[224], QByteArray(" 1193046 \r"));
        QByteArray expected;
        for (int line = 0; line < 225; ++line) {
            switch (line) {
            case 1: expected += " 255 \r\n"; break;
            case 5: expected += " 16777215 \r\n"; break;
            case 6: expected += "-2147483633 \r\n"; break;
            case 224: expected += " 1193046 \r\n"; break;
            default: expected += " 0 \r\n";
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
        WriteFile(path, QByteArray(5000, '9'));  // longer than any saved file
        const UserColorsFile file(folder.path(), QString());
        QString error;
        QVERIFY(file.Save(Sample(), &error));
        QCOMPARE(ReadFile(path), Bytes(FormatUserColors(Sample())));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("usercolors.cps")});
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
