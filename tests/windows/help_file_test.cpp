// Help files far beyond any real one, and files that are not RTF, through the start-up opener: the
// windows open at once, the text stays within the stated limits, and Qt lays it out afterwards
// while the event loop goes on.
#include "platform/settings_store.h"
#include "rtf/rtf_reader.h"
#include "windows/help_file.h"
#include "windows/help_window.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QtTest>

using namespace pelmora;

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

QByteArray Rtf(const QByteArray& body) { return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + body + "}"; }

QByteArray Pages(qsizetype size)
{
    const QByteArray page = "{\\b Picking}\\par Click anywhere in the field to pick a colour; drag to follow it. "
                            "The {\\i slider} chooses the hue.\\par ";
    QByteArray body;
    body.reserve(size + page.size());
    while (body.size() < size)
        body += page;
    return Rtf(body);
}

QByteArray Paragraphs(qsizetype size)
{
    QByteArray body;
    body.reserve(size + 4);
    while (body.size() < size)
        body += "\\par";
    return Rtf(body);
}

// The longest run of characters without a place to wrap.
int LongestUnbrokenRun(const QString& text)
{
    int longest = 0;
    int run = 0;
    for (const QChar c : text) {
        const bool breaks = c == u' ' || c == u'\t' || c == QChar(0x200B) || c == QChar::ParagraphSeparator
            || c == QChar::LineSeparator || c == u'\n';
        run = breaks ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

// 64 tab stops and `tabs` tabs in one paragraph: Qt measures each tab's way to its stop over the
// rest of the paragraph.
QByteArray TabStops(int tabs)
{
    QByteArray body = "\\pard";
    for (int stop = 1; stop <= 64; ++stop)
        body += "\\tx" + QByteArray::number(stop * 100);
    body += " a";
    for (int i = 0; i < tabs; ++i)
        body += "\\tab";
    return Rtf(body + "b");
}

// `runs` runs of text that each change the format, in one paragraph.
QByteArray FormatRuns(int runs)
{
    QByteArray body = "\\pard ";
    for (int i = 0; i < runs; i += 2)
        body += "{\\b x}{\\i y}";
    return Rtf(body);
}

int FormatRunsOf(const QTextBlock& block)
{
    int runs = 0;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        ++runs;
    return runs;
}

bool IsLaidOut(const QTextBlock& block) { return block.layout() && block.layout()->lineCount() > 0; }

} // namespace

class HelpFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    QTemporaryDir programFolder;

    void writeHelpFile(const QByteArray& bytes)
    {
        QFile file(HelpFilePath(programFolder.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid() && programFolder.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* form = qobject_cast<HelpWindow*>(widget))
                form->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void anyHelpFileOpensAtOnce_data()
    {
        QTest::addColumn<QByteArray>("helpFile");
        QTest::addColumn<bool>("leftOut"); // the document ends with the note on what was left out
        QTest::newRow("one word of 256 KB") << Rtf(QByteArray(256 * 1024, 'w')) << false;
        QTest::newRow("one word of 1 MB") << Rtf(QByteArray(kMegabyte, 'w')) << true;
        QTest::newRow("one word of 50 MB") << Rtf(QByteArray(50 * kMegabyte, 'w')) << true;
        QTest::newRow("5 MB of paragraph breaks") << Paragraphs(5 * kMegabyte) << true;
        QTest::newRow("10 MB of pages") << Pages(10 * kMegabyte) << true;
        QTest::newRow("10,000 tabs to 64 tab stops") << TabStops(10'000) << false;
        QTest::newRow("20,000 format changes") << FormatRuns(20'000) << false;
    }

    void anyHelpFileOpensAtOnce()
    {
        QFETCH(QByteArray, helpFile);
        QFETCH(bool, leftOut);
        writeHelpFile(helpFile);
        helpFile.clear();

        QWidget mainWindow;
        auto* button = new QPushButton(QStringLiteral("Presets"), &mainWindow);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder.path());
        QVERIFY(form);
        const QTextDocument& document = *form->findChild<QTextBrowser*>("rtf1")->document();
        // The opener has returned and nothing has been laid out to the end yet: the main window
        // shows next, and the rest of the layout is left to the event loop.
        QVERIFY(!IsLaidOut(document.lastBlock()));

        QCOMPARE(document.lastBlock().text().startsWith("The rest of the help file is not shown"), leftOut);
        QVERIFY(document.blockCount() <= RtfLimits::kMaxParagraphs + 1);
        QVERIFY(document.characterCount() <= RtfLimits::kMaxCharacters + 200);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            QVERIFY(block.length() <= RtfLimits::kMaxParagraphCharacters + 1);
            const auto tabs = block.text().count(u'\t');
            const auto characters = block.text().size();
            QVERIFY2(tabs * characters <= RtfLimits::kMaxParagraphTabsTimesCharacters,
                qPrintable(QStringLiteral("%1 tabs in %2 characters").arg(tabs).arg(characters)));
            QVERIFY(FormatRunsOf(block) <= RtfLimits::kMaxParagraphFormatRuns);
        }
        QVERIFY(LongestUnbrokenRun(document.toRawText()) <= RtfLimits::kMaxWordLength);

        // A click posted now is answered on the next turn of the event loop.
        mainWindow.show();
        QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(clicks, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        // And the layout does finish, in the background.
        QTRY_VERIFY_WITH_TIMEOUT(IsLaidOut(document.lastBlock()), 120000);
    }

    // Glyphs many times the window's height showed as a solid block: the largest size still fits.
    void hugeFontFitsTheWindow()
    {
        writeHelpFile(Rtf("\\fs3276 W{\\fs2000000000 g}"));
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder.path());
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto* view = form->findChild<QTextBrowser*>("rtf1");
        QCOMPARE(view->toPlainText(), "Wg");
        const QTextBlock block = view->document()->firstBlock();
        QTRY_VERIFY(IsLaidOut(block));
        const qreal lineHeight = block.layout()->lineAt(0).height();
        QVERIFY2(lineHeight <= view->viewport()->height(), qPrintable(QString::number(lineHeight)));
        QCOMPARE(block.begin().fragment().charFormat().fontPointSize(), kMaxHelpFontPoints);
    }

    // Neighbouring runs that all shrink to the largest size merge into one as they change.
    void neighbouringLargeSizesShrink()
    {
        QTextDocument document;
        ShowHelpText(Rtf("\\fs400 a\\fs500 b{\\b\\fs600 c}\\fs20 d\\fs999 e"), false, document);
        QCOMPARE(document.toPlainText(), "abcde");
        const QList<qreal> expected
            = {kMaxHelpFontPoints, kMaxHelpFontPoints, kMaxHelpFontPoints, 10, kMaxHelpFontPoints};
        QTextCursor cursor(&document);
        for (int i = 0; i < expected.size(); ++i) {
            cursor.setPosition(i + 1);
            QCOMPARE(cursor.charFormat().fontPointSize(), expected[i]);
        }
        QVERIFY(cursor.charFormat().fontWeight() == QFont::Normal);
        cursor.setPosition(3);
        QCOMPARE(cursor.charFormat().fontWeight(), QFont::Bold);
    }

    // The rich-text view shows only RTF: anything else gives the window without text, as a file
    // that cannot be read does.
    void notRtfShowsNoText_data()
    {
        QTest::addColumn<QByteArray>("helpFile");
        const QString rtf = QString::fromLatin1(Rtf("Help"));
        QByteArray littleEndian("\xff\xfe");
        littleEndian += QByteArray(reinterpret_cast<const char*>(rtf.utf16()), rtf.size() * 2);
        QTest::newRow("UTF-16 with byte-order mark") << littleEndian;
        QTest::newRow("UTF-16 without byte-order mark") << littleEndian.sliced(2);
        QTest::newRow("plain text") << QByteArray("Help\nmore help");
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    }

    void notRtfShowsNoText()
    {
        QFETCH(QByteArray, helpFile);
        writeHelpFile(helpFile);
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder.path());
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->findChild<QTextBrowser*>("rtf1")->toPlainText(), QString());
    }
};

QTEST_MAIN(HelpFileTest)
#include "help_file_test.moc"
