// Reading a regular file up to a limit: its bytes, and no more memory for them than they need.
#include "platform/regular_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;

class RegularFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsUpToTheLimitHoldingOnlyWhatItRead_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("empty") << qint64(0) << qint64(1 << 20);
        QTest::newRow("small file, large limit") << qint64(300) << qint64(1 << 20);
        QTest::newRow("one byte below the limit") << qint64(4095) << qint64(4096);
        QTest::newRow("exactly the limit") << qint64(4096) << qint64(4096);
        QTest::newRow("one byte over the limit") << qint64(4097) << qint64(4096);
        QTest::newRow("far over the limit") << qint64(100000) << qint64(4096);
        QTest::newRow("no bytes wanted") << qint64(300) << qint64(0);
    }
    void readsUpToTheLimitHoldingOnlyWhatItRead()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, limit);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data"));
        QByteArray bytes(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            bytes[i] = static_cast<char>('a' + i % 26);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), size);
        file.close();

        const FileContents contents = ReadRegularFile(path, limit);
        QVERIFY(contents.error.isEmpty());
        QCOMPARE(contents.bytes, bytes.left(limit));
        // Not the whole limit set aside for a small file: Qt's read keeps what it reserved, twice
        // what it was asked for.
        QVERIFY2(contents.bytes.capacity() <= 2 * (std::min(size, limit) + 1) + 64,
            qPrintable(QStringLiteral("capacity %1").arg(contents.bytes.capacity())));
    }
};

QTEST_MAIN(RegularFileTest)
#include "regular_file_test.moc"
