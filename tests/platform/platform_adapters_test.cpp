// The desktop adapters: system colours from the palette, the clipboard and the settings store.
#include "file_faults.h"
#include "platform/clipboard.h"
#include "platform/desktop_system_colors.h"
#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;
using namespace pelmora::test;

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

QByteArray SettingsFileBytes()
{
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteSettingsFile(const QByteArray& bytes)
{
    QFile file(SettingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class PlatformAdaptersTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir configHome;

    // The settings store's folder in `home` (made) until the returned guard ends.
    auto settingsIn(const QString& home)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home);
        QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
        return qScopeGuard(
            [this] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path()); });
    }

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
        QCOMPARE(table[std::size_t(element)], colorOf(palette, QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    }

    void systemColorsRefreshWhenTheDesktopPaletteChanges()
    {
        const QPalette original = QApplication::palette();
        DesktopSystemColors colors;
        QCOMPARE(colors.GetSysColor(SysColor::ButtonFace), colorOf(original, QPalette::Active, QPalette::Button));
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
        QCOMPARE(
            GetSetting(QStringLiteral("Other"), QStringLiteral("showHelp"), QStringLiteral("1")), QStringLiteral("1"));
        QCOMPARE(
            GetSetting(QStringLiteral("Settings"), QStringLiteral("absent"), QStringLiteral("x")), QStringLiteral("x"));
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

    // The settings file may be a symlink to a regular file of the user's own; with anything else in
    // its place the program runs on the defaults and writes nothing, and never waits on a FIFO.
    void onlyARegularSettingsFileIsReadOrReplaced_data()
    {
        QTest::addColumn<Occupant>("occupant");
        QTest::newRow("FIFO") << Occupant::Fifo;
        QTest::newRow("link to a FIFO") << Occupant::LinkToFifo;
        QTest::newRow("device node") << Occupant::DeviceNode;
        QTest::newRow("link to a device node") << Occupant::LinkToDeviceNode;
        QTest::newRow("folder") << Occupant::Folder;
        QTest::newRow("link to another user's file") << Occupant::LinkToOtherUsersFile;
    }
    void onlyARegularSettingsFileIsReadOrReplaced()
    {
        QFETCH(Occupant, occupant);
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        const QString path = SettingsFilePath();
        if (const QString why = Place(occupant, path, home.path(), "[Settings]\nshowHelp=0\n"); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QString pointee = home.filePath(QStringLiteral("pointee"));
        const mode_t typeBefore = TypeAt(path);
        const mode_t pointeeBefore = TypeAt(pointee);

        QElapsedTimer clock;
        clock.start();
        const QString setting
            = GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("dflt"));
        QVERIFY(clock.elapsed() < 5000);
        if (occupant != Occupant::LinkToOtherUsersFile) // reading another user's file does no harm
            QCOMPARE(setting, QStringLiteral("dflt"));
        QVERIFY(!SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")));
        QCOMPARE(TypeAt(path), typeBefore);
        QCOMPARE(TypeAt(pointee), pointeeBefore);
        if (pointeeBefore == S_IFREG) {
            QFile file(pointee);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("[Settings]\nshowHelp=0\n"));
        }
    }

    void aLinkToTheUsersOwnSettingsFileIsFollowed()
    {
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        const QString path = SettingsFilePath();
        const QString pointee = home.filePath(QStringLiteral("dotfiles.conf"));
        QFile file(pointee);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nshowHelp=1\n");
        file.close();
        QVERIFY(QFile::link(pointee, path));
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("dflt")),
            QStringLiteral("1"));
        QVERIFY(SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        QCOMPARE(TypeAt(path), mode_t(S_IFLNK));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Settings]\nshowHelp=0\n"));
    }

    // A write that fails (here: beyond the largest file this process may write, as on a full disk)
    // leaves the old settings whole and says so.
    void aFailedWriteKeepsTheOldSettings()
    {
        const QByteArray before = "[Settings]\nshowHelp=1\n";
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath()));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(before), before.size());
        file.close();
        {
            const FileSizeLimit limit(10);
            QVERIFY(!SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // Only the first megabyte is read: a save must not cut the rest off.
    void aHugeSettingsFileIsNotRewritten()
    {
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        const QByteArray huge = "[Settings]\nshowHelp=1\n[Other]\nnote=" + QByteArray(2 << 20, 'x') + "\n";
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(huge), huge.size());
        file.close();
        QVERIFY(!SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), huge);
    }

    // A setting saved into a file the user wrote by hand changes its own line and nothing else.
    void aSaveKeepsEverythingElseTheUserWrote_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("comments and the order of sections")
            << QByteArray("; mine\n[Settings]\nshowHelp=1\n\n; chosen by the row\n[Notations]\nchosen=html\n")
            << "oklch"
            << QByteArray("; mine\n[Settings]\nshowHelp=1\n\n; chosen by the row\n[Notations]\nchosen=oklch\n");
        QTest::newRow("blanks around =") << QByteArray("[Notations]\nchosen = html\nz=1\n") << "oklch"
                                         << QByteArray("[Notations]\nchosen=oklch\nz=1\n");
        QTest::newRow("after the section's last setting")
            << QByteArray("[Notations]\nz=1\n; about A\n\n[A]\nx=1\n") << "oklch"
            << QByteArray("[Notations]\nz=1\nchosen=oklch\n; about A\n\n[A]\nx=1\n");
        QTest::newRow("a new section at the end") << QByteArray("; mine\n[A]\nx=1") << "oklch"
                                                  << QByteArray("; mine\n[A]\nx=1\n\n[Notations]\nchosen=oklch\n");
        QTest::newRow("Windows line ends") << QByteArray("[Notations]\r\nchosen=html\r\n; c\r\n") << "oklch"
                                           << QByteArray("[Notations]\r\nchosen=oklch\r\n; c\r\n");
        QTest::newRow("the last of two lines")
            << QByteArray("[Notations]\nchosen=a\n[Notations]\nchosen=b\n") << "oklch"
            << QByteArray("[Notations]\nchosen=a\n[Notations]\nchosen=oklch\n");
        QTest::newRow("quoted as QSettings quotes it") << QByteArray("; mine\n[Notations]\nchosen=html\n") << "a, b;c"
                                                       << QByteArray("; mine\n[Notations]\nchosen=\"a, b;c\"\n");
        QTest::newRow("an empty file") << QByteArray() << "oklch" << QByteArray("[Notations]\nchosen=oklch\n");
    }
    void aSaveKeepsEverythingElseTheUserWrote()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        WriteSettingsFile(before);
        QVERIFY(SaveChosenNotation(value));
        QCOMPARE(SettingsFileBytes(), after);
        QCOMPARE(LoadChosenNotation(), value);
    }

    // Rewriting the whole file the way QSettings does would lose the comment: it is left alone.
    void aRewriteThatWouldLoseLinesLeavesTheFileAlone()
    {
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        const QByteArray before = "; my templates\n[Templates]\n1\\name=A\n1\\pattern={hex}\nsize=1\n";
        WriteSettingsFile(before);
        QString error;
        QVERIFY(!ChangeSettings([](QSettings& store) { store.setValue(QStringLiteral("Templates/size"), 0); }, &error));
        QVERIFY2(error.contains(QStringLiteral("would not write back")), qPrintable(error));
        QCOMPARE(SettingsFileBytes(), before);
        QVERIFY(!SaveUserTemplates({}));
        QCOMPARE(SettingsFileBytes(), before);
    }

    // Templates as a user writes them by hand, following the README.
    void handWrittenTemplatesAreReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<bool>("readable"); // the last pattern
        QTest::newRow("the README's line: commas, no quotes")
            << QByteArray("[Templates]\n1\\name=Vec3\n1\\pattern=vec3({rf}, {gf}, {bf})\nsize=1\n")
            << QStringList{"Vec3"} << QStringList{"vec3({rf}, {gf}, {bf})"} << true;
        QTest::newRow("commas without blanks")
            << QByteArray("[Templates]\n1\\name=V\n1\\pattern=  vec3({rf},{gf} ,{bf})  \nsize=1\n") << QStringList{"V"}
            << QStringList{"vec3({rf},{gf} ,{bf})"} << true;
        QTest::newRow("in double quotes")
            << QByteArray("[Templates]\n1\\name=V\n1\\pattern=\"vec3({rf}, {gf}, {bf})\"\nsize=1\n") << QStringList{"V"}
            << QStringList{"vec3({rf}, {gf}, {bf})"} << true;
        QTest::newRow("a name with a comma") << QByteArray("[Templates]\n1\\name=Red, green\n1\\pattern={r}\n")
                                             << QStringList{"Red, green"} << QStringList{"{r}"} << true;
        QTest::newRow("quotes among the commas") << QByteArray("[Templates]\n1\\name=V\n1\\pattern=\"a\", b\nsize=1\n")
                                                 << QStringList{"V"} << QStringList{""} << false;
        QTest::newRow("a comment after the commas")
            << QByteArray("[Templates]\n1\\name=V\n1\\pattern=a, b ; c\nsize=1\n") << QStringList{"V"}
            << QStringList{""} << false;
        QTest::newRow("size of 2147483647 and one template")
            << QByteArray("[Templates]\n1\\name=V\n1\\pattern={hex}\nsize=2147483647\n") << QStringList{"V"}
            << QStringList{"{hex}"} << true;
        QTest::newRow("entries without a size, in their numbers' order")
            << QByteArray(
                   "[Templates]\n10\\name=C\n10\\pattern={b}\n2\\name=B\n2\\pattern={g}\n1\\name=A\n1\\pattern={r}\n")
            << QStringList{"A", "B", "C"} << QStringList{"{r}", "{g}", "{b}"} << true;
    }
    void handWrittenTemplatesAreReadAsWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        QFETCH(QStringList, patterns);
        QFETCH(bool, readable);
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        WriteSettingsFile(file);
        std::vector<QString> problems;
        const std::vector<UserTemplate> templates = LoadUserTemplates(&problems);
        QCOMPARE(templates.size(), static_cast<std::size_t>(names.size()));
        QCOMPARE(problems.size(), templates.size());
        for (std::size_t i = 0; i < templates.size(); ++i) {
            QCOMPARE(QString::fromStdString(templates[i].name), names[static_cast<qsizetype>(i)]);
            QCOMPARE(QString::fromStdString(templates[i].pattern), patterns[static_cast<qsizetype>(i)]);
        }
        QCOMPARE(problems.back().isEmpty(), readable);
    }

    void atMostTheStatedNumberOfTemplatesIsRead()
    {
        QTemporaryDir home;
        const auto restore = settingsIn(home.path());
        QByteArray file = "[Templates]\n";
        for (std::size_t i = 1; i <= kMaxUserTemplates + 5; ++i)
            file += QByteArray::number(i) + "\\name=T" + QByteArray::number(i) + "\n";
        WriteSettingsFile(file);
        const std::vector<UserTemplate> templates = LoadUserTemplates();
        QCOMPARE(templates.size(), kMaxUserTemplates);
        QCOMPARE(templates.back().name, "T" + std::to_string(kMaxUserTemplates));
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
