// The desktop adapters: system colours from the palette, the clipboard and the settings store.
#include "platform/clipboard.h"
#include "platform/desktop_system_colors.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;

namespace {

// A palette where every (group, role) pair has its own colour, so a wrong mapping cannot hide.
QPalette distinctPalette()
{
    QPalette palette;
    int n = 1;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role, ++n)
            palette.setColor(group, static_cast<QPalette::ColorRole>(role), QColor(n, 255 - n, (n * 7) % 256));
    }
    return palette;
}

Color colorOf(const QPalette& palette, QPalette::ColorGroup group, QPalette::ColorRole role)
{
    const QColor c = palette.color(group, role);
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

class PlatformAdaptersTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir configHome;

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    }

    void systemColorsFollowTheMappedRoles_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("role");
        QTest::newRow("3 inactive title bar") << 3 << int(QPalette::Inactive) << int(QPalette::Mid);
        QTest::newRow("5 window background") << 5 << int(QPalette::Active) << int(QPalette::Base);
        QTest::newRow("8 window text") << 8 << int(QPalette::Active) << int(QPalette::Text);
        QTest::newRow("11 inactive border") << 11 << int(QPalette::Inactive) << int(QPalette::Window);
        QTest::newRow("15 button face") << 15 << int(QPalette::Active) << int(QPalette::Button);
        QTest::newRow("16 button shadow") << 16 << int(QPalette::Active) << int(QPalette::Dark);
        QTest::newRow("17 grey text") << 17 << int(QPalette::Disabled) << int(QPalette::Text);
        QTest::newRow("20 3D highlight") << 20 << int(QPalette::Active) << int(QPalette::Light);
        QTest::newRow("21 3D dark shadow") << 21 << int(QPalette::Active) << int(QPalette::Shadow);
        QTest::newRow("22 3D light") << 22 << int(QPalette::Active) << int(QPalette::Midlight);
        QTest::newRow("24 info background") << 24 << int(QPalette::Active) << int(QPalette::ToolTipBase);
    }
    void systemColorsFollowTheMappedRoles()
    {
        QFETCH(int, element);
        QFETCH(int, group);
        QFETCH(int, role);
        const QPalette palette = distinctPalette();
        const auto table = SystemColorTable(palette);
        QCOMPARE(table[std::size_t(element)],
                 colorOf(palette, QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    }

    void systemColorsRefreshWhenTheDesktopPaletteChanges()
    {
        const QPalette original = QApplication::palette();
        DesktopSystemColors colors;
        QCOMPARE(colors.GetSysColor(SysColor::ButtonFace),
                 colorOf(original, QPalette::Active, QPalette::Button));
        QCOMPARE(colors.GetSysColor(25), Color::black());
        QCOMPARE(colors.GetSysColor(-1), Color::black());

        QSignalSpy changed(&colors, &DesktopSystemColors::changed);
        const QPalette themed = distinctPalette();
        QApplication::setPalette(themed);
        QCoreApplication::processEvents();
        QVERIFY(changed.count() >= 1);
        const auto expected = SystemColorTable(QApplication::palette());
        for (int i = 0; i < kSysColorCount; ++i)
            QCOMPARE(colors.GetSysColor(i), expected[std::size_t(i)]);
        QCOMPARE(colors.GetSysColor(SysColor::Highlight3D), colorOf(themed, QPalette::Active, QPalette::Light));
        QApplication::setPalette(original);
    }

    void clipboardTakesTheExactText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("rgb call") << "RGB(255, 255, 0)";
        QTest::newRow("hex literal") << "&H00FFFF&";
        QTest::newRow("surrounding blanks kept") << "  #FFFF00 ";
        QTest::newRow("no line end added") << "16777215";
        QTest::newRow("non-latin") << QString::fromUtf8("Färbe ✓");
    }
    void clipboardTakesTheExactText()
    {
        QFETCH(QString, text);
        QVERIFY(CopyTextToClipboard(text));
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasText());
        QVERIFY(!data->hasHtml());
    }

    void settingsRoundTripExactStrings_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("one") << "1";
        QTest::newRow("leading blank") << " 1";
        QTest::newRow("leading zero") << "01";
        QTest::newRow("trailing blank") << "0 ";
        QTest::newRow("comma") << "a, b";
        QTest::newRow("semicolon") << "a;b";
        QTest::newRow("at sign") << "@Variant(x)";
        QTest::newRow("quote and backslash") << "say \"hi\" \\ there";
        QTest::newRow("equals and hash") << "=#[x]";
        QTest::newRow("line break") << "a\nb";
        QTest::newRow("non-latin") << QString::fromUtf8("ünï ✓");
        QTest::newRow("empty") << "";
        QTest::newRow("true") << "true";
    }
    void settingsRoundTripExactStrings()
    {
        QFETCH(QString, value);
        QVERIFY(SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), value));
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("dflt")), value);
    }

    void settingsLiveInTheProductsIniFile()
    {
        QCOMPARE(SettingsFilePath(), configHome.path() + QStringLiteral("/Pelmora/Pelmora.conf"));
        QVERIFY(SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Settings]\nshowHelp=0\n"), text.constData());
        QCOMPARE(GetSetting(QStringLiteral("Other"), QStringLiteral("showHelp"), QStringLiteral("1")),
                 QStringLiteral("1"));
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("absent"), QStringLiteral("x")),
                 QStringLiteral("x"));
    }

    void unreadableSettingsGiveTheDefault()
    {
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\nshowHelp=0, 1\nbroken\n\x01\x02");
        file.close();
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")),
                 QStringLiteral("1"));
    }

    void savingWhereNoFileCanBeWrittenFailsAndReadsGiveTheDefault()
    {
        QTemporaryDir blocked;
        QVERIFY(blocked.isValid());
        // A plain file where the settings folder should be: no file can be created beneath it.
        QFile blocker(blocked.path() + QStringLiteral("/Pelmora"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.path());
        QVERIFY(!SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")),
                 QStringLiteral("1"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    }
};

QTEST_MAIN(PlatformAdaptersTest)
#include "platform_adapters_test.moc"
