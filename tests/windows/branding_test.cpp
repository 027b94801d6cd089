// The version record, the branding record filled from it, the version caption and the launcher's
// scheme rule.
#include "platform/version_record.h"
#include "windows/branding.h"
#include "windows/web_address.h"

#include <QtTest>

using namespace pelmora;

class BrandingTest : public QObject {
    Q_OBJECT
private slots:
    void versionRecordComesFromTheBuild()
    {
        const VersionRecord& version = ProgramVersion();
        QCOMPARE(QString::fromUtf8(version.productName), QStringLiteral("Pelmora"));
        QCOMPARE(QString::fromUtf8(version.companyName), QStringLiteral("Brightwell Studio"));
        QCOMPARE(QString::fromUtf8(version.comments), QStringLiteral("pelmora.example.org"));
        QCOMPARE(version.major, 2);
        QCOMPARE(version.minor, 1);
    }

    void loadBrandingFillsEveryFieldAndIsRepeatable()
    {
        const Branding first = LoadBranding();
        QCOMPARE(first.programName, QStringLiteral("Pelmora"));
        QCOMPARE(first.ownerName, QStringLiteral("Brightwell Studio"));
        QCOMPARE(first.website, QStringLiteral("pelmora.example.org"));

        // Every run gives all three afresh, whatever a caller did to its own copy in between.
        Branding changed = first;
        changed.ownerName = QStringLiteral("changed");
        const Branding again = LoadBranding();
        QCOMPARE(again.ownerName, first.ownerName);
        QCOMPARE(again.programName, first.programName);
        QCOMPARE(again.website, first.website);
        QVERIFY(again == first);
        QVERIFY(!(changed == first));
    }

    void versionCaption_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("caption");
        QTest::newRow("2.1") << 2 << 1 << "2.1";
        QTest::newRow("2.10") << 2 << 10 << "2.10";
        QTest::newRow("0.0") << 0 << 0 << "0.0";
        QTest::newRow("10.0") << 10 << 0 << "10.0";
    }
    void versionCaption()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, caption);
        QCOMPARE(VersionCaption(major, minor), caption);
    }

    void schemeRule_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("bare host gets http") << "pelmora.example.org"
                                             << "http://pelmora.example.org";
        QTest::newRow("http kept") << "http://a.example.org/"
                                   << "http://a.example.org/";
        QTest::newRow("https kept") << "https://a.example.org"
                                    << "https://a.example.org";
        QTest::newRow("capital HTTPS kept") << "HTTPS://A.EXAMPLE.ORG"
                                            << "HTTPS://A.EXAMPLE.ORG";
        QTest::newRow("mixed-case Http kept") << "Http://a.example.org"
                                              << "Http://a.example.org";
        QTest::newRow("http inside query kept") << "a.example.org/?to=http://b.example.org"
                                                << "a.example.org/?to=http://b.example.org";
        QTest::newRow("https inside path kept") << "x/https://y"
                                                << "x/https://y";
        QTest::newRow("ftp gets http") << "ftp://a.example.org"
                                       << "http://ftp://a.example.org";
        QTest::newRow("single slash gets http") << "http:/a.example.org"
                                                << "http://http:/a.example.org";
        QTest::newRow("empty gets http") << ""
                                         << "http://";
    }
    void schemeRule()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        QCOMPARE(AddressWithScheme(address), opened);
    }
};

QTEST_GUILESS_MAIN(BrandingTest)
#include "branding_test.moc"
