// The version record, the branding record filled from it, and the launcher's scheme rule.
#include "windows/branding.h"
#include "windows/version_record.h"
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
        ProgramBranding() = Branding{};
        QVERIFY(ProgramBranding().strProgramName.isEmpty());
        LoadBranding();
        const Branding first = ProgramBranding();
        QCOMPARE(first.strProgramName, QStringLiteral("Pelmora"));
        QCOMPARE(first.strOwnerName, QStringLiteral("Brightwell Studio"));
        QCOMPARE(first.strWebsite, QStringLiteral("pelmora.example.org"));

        // Every run sets all three afresh, whatever a caller did to them in between.
        ProgramBranding().strOwnerName = QStringLiteral("changed");
        LoadBranding();
        QCOMPARE(ProgramBranding().strOwnerName, first.strOwnerName);
        QCOMPARE(ProgramBranding().strProgramName, first.strProgramName);
        QCOMPARE(ProgramBranding().strWebsite, first.strWebsite);
    }

    void schemeRule_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("bare host gets http") << "pelmora.example.org" << "http://pelmora.example.org";
        QTest::newRow("http kept") << "http://a.example.org/" << "http://a.example.org/";
        QTest::newRow("https kept") << "https://a.example.org" << "https://a.example.org";
        QTest::newRow("capital HTTPS kept") << "HTTPS://A.EXAMPLE.ORG" << "HTTPS://A.EXAMPLE.ORG";
        QTest::newRow("mixed-case Http kept") << "Http://a.example.org" << "Http://a.example.org";
        QTest::newRow("http inside query kept") << "a.example.org/?to=http://b.example.org"
                                                << "a.example.org/?to=http://b.example.org";
        QTest::newRow("https inside path kept") << "x/https://y" << "x/https://y";
        QTest::newRow("ftp gets http") << "ftp://a.example.org" << "http://ftp://a.example.org";
        QTest::newRow("single slash gets http") << "http:/a.example.org" << "http://http:/a.example.org";
        QTest::newRow("empty gets http") << "" << "http://";
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
