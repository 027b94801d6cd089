// The RTF reader on good and damaged documents: the text that comes out and how it is formatted.
#include "rtf/rtf_reader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace pelmora;

namespace {

// Blocks joined by "\n"; line separators, tabs and no-break spaces stay as they are.
QString DocumentText(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

QTextCharFormat FormatOfCharacter(QTextDocument& document, int index)
{
    QTextCursor cursor(&document);
    cursor.setPosition(index + 1); // the format before the cursor is the character's own
    return cursor.charFormat();
}

QByteArray Rtf(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
        + body + "}";
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isRtf");

        QTest::newRow("plain words") << Rtf("Hello world") << "Hello world" << true;
        QTest::newRow("paragraphs") << Rtf("One\\par Two\\par\nThree") << "One\nTwo\nThree" << true;
        QTest::newRow("pard keeps the paragraph") << Rtf("One\\pard Two") << "OneTwo" << true;
        QTest::newRow("backslash newline is a paragraph") << Rtf("One\\\nTwo") << "One\nTwo" << true;
        QTest::newRow("file line ends carry no meaning") << Rtf("Hel\r\nlo") << "Hello" << true;
        QTest::newRow("space after a control word is its delimiter") << Rtf("\\b  bold") << " bold" << true;
        QTest::newRow("tab and line") << Rtf("a\\tab b\\line c") << QString::fromUtf16(u"a\tb\u2028c") << true;
        QTest::newRow("escaped symbols") << Rtf("\\{x\\} \\\\") << "{x} \\" << true;
        QTest::newRow("no-break space, soft and hard hyphen")
            << Rtf("a\\~b\\-c\\_d") << QString::fromUtf16(u"a\u00A0b\u00ADc\u2011d") << true;
        QTest::newRow("hex escape in windows-1252")
            << Rtf("caf\\'e9 \\'80\\'96\\'85") << QString::fromUtf16(u"café €–…") << true;
        QTest::newRow("hex escape upper-case digits") << Rtf("\\'C9t\\'E9") << QString::fromUtf16(u"Été") << true;
        QTest::newRow("code page 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}")
                                        << QString::fromUtf16(u"При") << true;
        QTest::newRow("code page utf-8") << QByteArray("{\\rtf1\\ansi\\ansicpg65001 \\'c3\\'a9t\\'c3\\'a9}")
                                         << QString::fromUtf16(u"été") << true;
        QTest::newRow("unicode with fallback skipped") << Rtf("\\u8364?x") << QString::fromUtf16(u"€x") << true;
        QTest::newRow("negative unicode is unsigned 16-bit")
            << Rtf("\\u-3913?") << QString::fromUtf16(u"\uF0B7") << true;
        QTest::newRow("uc2 skips two fallback characters")
            << Rtf("\\uc2\\u233\\'e9\\'e9x") << QString::fromUtf16(u"éx") << true;
        QTest::newRow("uc0 skips nothing") << Rtf("\\uc0\\u233 x") << QString::fromUtf16(u"éx") << true;
        QTest::newRow("fallback skip ends at a group")
            << Rtf("{\\uc3\\u233 a}bc") << QString::fromUtf16(u"ébc") << true;
        QTest::newRow("surrogate pair") << Rtf("\\u-10179?\\u-8704?") << QString::fromUcs4(U"\U0001F600") << true;
        QTest::newRow("lone surrogate becomes a replacement")
            << Rtf("\\u-10179?x") << QString::fromUtf16(u"\uFFFDx") << true;
        QTest::newRow("quotes, dashes and bullets") << Rtf("\\lquote a\\rquote \\ldblquote b\\rdblquote "
                                                           "\\emdash\\endash\\bullet")
                                                    << QString::fromUtf16(u"‘a’“b”—–•") << true;
        QTest::newRow("font and colour tables are not text") << Rtf("x") << "x" << true;
        QTest::newRow("stylesheet, info and pict skipped")
            << Rtf("{\\stylesheet{\\s1 Heading 1;}}{\\info{\\title T}{\\author A}}a{\\pict\\pngblip 89504e47}b") << "ab"
            << true;
        QTest::newRow("unknown starred destination skipped") << Rtf("a{\\*\\generator Writer 1.0;}b") << "ab" << true;
        QTest::newRow("unknown plain word ignored, text kept") << Rtf("a{\\frobnicate b}c") << "abc" << true;
        QTest::newRow("header and footer skipped") << Rtf("{\\header top}{\\footer bottom}body") << "body" << true;
        QTest::newRow("field shows its result only")
            << Rtf("see {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt the site}}.") << "see the site." << true;
        QTest::newRow("hidden text dropped") << Rtf("a{\\v secret}b") << "ab" << true;
        QTest::newRow("bin data is skipped raw") << Rtf("a{\\*\\blob\\bin4 {}\\x}b\\bin3 }}}c") << "abc" << true;

        // Damaged documents: whatever can be recovered, never a crash.
        QTest::newRow("truncated mid-group") << QByteArray("{\\rtf1 Hello {\\b wor") << "Hello wor" << true;
        QTest::newRow("truncated after a backslash") << QByteArray("{\\rtf1 Hi\\") << "Hi" << true;
        QTest::newRow("truncated hex escape") << QByteArray("{\\rtf1 Hi\\'4") << "Hi" << true;
        QTest::newRow("hex escape without digits") << QByteArray("{\\rtf1 a\\'zz}") << "azz" << true;
        QTest::newRow("stray closing braces") << QByteArray("{\\rtf1 a}}}b}c") << "abc" << true;
        QTest::newRow("huge parameters saturate")
            << Rtf("\\fs99999999999999999999 a\\u99999999999?b\\uc99999999999\\u65 x")
            << QString::fromUtf16(u"a\uFFFDb\u0041") << true;
        QTest::newRow("huge bin length stops at the end") << Rtf("a\\bin99999999999999 xyz") << "a" << true;
        QTest::newRow("negative bin length reads nothing") << Rtf("a\\bin-5 b") << "ab" << true;
        QTest::newRow("binary bytes in text dropped") << QByteArray("{\\rtf1 a\x01\x02\x00z}", 13) << "az" << true;
        QTest::newRow("over-long control word") << Rtf("a\\" + QByteArray(5000, 'q') + " b") << "ab" << true;
        QTest::newRow("deep nesting drops only what is too deep")
            << "{\\rtf1 a" + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "b}"
            << "ab" << true;
        QTest::newRow("unclosed font table loses no later text")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}text") << "" << true;

        QTest::newRow("not rtf: plain text kept")
            << QByteArray("Just some\nplain text") << "Just some\nplain text" << false;
        QTest::newRow("not rtf: windows-1252 bytes") << QByteArray("caf\xe9") << QString::fromUtf16(u"café") << false;
        QTest::newRow("leading blanks before rtf") << QByteArray("\r\n  {\\rtf1 ok}") << "ok" << true;
        QTest::newRow("empty input") << QByteArray() << "" << false;
    }

    void text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(bool, isRtf);
        QTextDocument document;
        document.setPlainText("previous contents");
        QCOMPARE(ReadRtf(rtf, document), isRtf);
        QCOMPARE(DocumentText(document), text);
    }

    void formatting_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("probe"); // the character whose format is checked: its first occurrence
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<QString>("color"); // "" = automatic
        QTest::addColumn<QString>("family"); // "" = none set

        QTest::newRow("defaults") << Rtf("\\f1 x") << "x" << false << false << false << 12.0 << ""
                                  << "Times New Roman";
        QTest::newRow("default font from deff") << Rtf("x") << "x" << false << false << false << 12.0 << ""
                                                << "Arial";
        QTest::newRow("bold") << Rtf("\\b x") << "x" << true << false << false << 12.0 << ""
                              << "Arial";
        QTest::newRow("bold off with b0") << Rtf("\\b a\\b0 x") << "x" << false << false << false << 12.0 << ""
                                          << "Arial";
        QTest::newRow("italic") << Rtf("\\i x") << "x" << false << true << false << 12.0 << ""
                                << "Arial";
        QTest::newRow("underline") << Rtf("\\ul x") << "x" << false << false << true << 12.0 << ""
                                   << "Arial";
        QTest::newRow("ulnone") << Rtf("\\ul a\\ulnone x") << "x" << false << false << false << 12.0 << ""
                                << "Arial";
        QTest::newRow("ul0") << Rtf("\\ul a\\ul0 x") << "x" << false << false << false << 12.0 << ""
                             << "Arial";
        QTest::newRow("double underline counts") << Rtf("\\uldb x") << "x" << false << false << true << 12.0 << ""
                                                 << "Arial";
        QTest::newRow("size in half points") << Rtf("\\fs36 x") << "x" << false << false << false << 18.0 << ""
                                             << "Arial";
        QTest::newRow("odd half points") << Rtf("\\fs17 x") << "x" << false << false << false << 8.5 << ""
                                         << "Arial";
        QTest::newRow("size zero means default") << Rtf("\\fs0 x") << "x" << false << false << false << 12.0 << ""
                                                 << "Arial";
        QTest::newRow("huge size clamped") << Rtf("\\fs2000000000 x") << "x" << false << false << false << 1638.0 << ""
                                           << "Arial";
        QTest::newRow("colour 1") << Rtf("\\cf1 x") << "x" << false << false << false << 12.0 << "#ff0000"
                                  << "Arial";
        QTest::newRow("colour 2") << Rtf("\\cf2 x") << "x" << false << false << false << 12.0 << "#0080ff"
                                  << "Arial";
        QTest::newRow("colour 0 is automatic") << Rtf("\\cf0 x") << "x" << false << false << false << 12.0 << ""
                                               << "Arial";
        QTest::newRow("colour beyond the table") << Rtf("\\cf9 x") << "x" << false << false << false << 12.0 << ""
                                                 << "Arial";
        QTest::newRow("unknown font keeps none") << Rtf("\\f7 x") << "x" << false << false << false << 12.0 << ""
                                                 << "";
        QTest::newRow("group restores formatting")
            << Rtf("{\\b\\i\\ul\\fs40\\cf1\\f1 a}x") << "x" << false << false << false << 12.0 << ""
            << "Arial";
        QTest::newRow("group state applies inside")
            << Rtf("{\\b\\i\\ul\\fs40\\cf1\\f1 x}y") << "x" << true << true << true << 20.0 << "#ff0000"
            << "Times New Roman";
        QTest::newRow("plain resets") << Rtf("\\b\\i\\ul\\fs40\\cf1\\f1 a\\plain x") << "x" << false << false << false
                                      << 12.0 << ""
                                      << "Arial";
        QTest::newRow("font name with hex escape")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Caf\\'e9 Sans;}}x}") << "x" << false << false << false << 12.0 << ""
            << QString::fromUtf16(u"Café Sans");
        QTest::newRow("font table without groups") << QByteArray("{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Courier;}\\f1 x}")
                                                   << "x" << false << false << false << 12.0 << ""
                                                   << "Courier";
        QTest::newRow("font entry without semicolon")
            << QByteArray("{\\rtf1{\\fonttbl{\\f3 Mono}}\\f3 x}") << "x" << false << false << false << 12.0 << ""
            << "Mono";
        QTest::newRow("colour table with out-of-range parts")
            << QByteArray("{\\rtf1{\\colortbl;\\red999\\green-4\\blue128;}\\cf1 x}") << "x" << false << false << false
            << 12.0 << "#ff0080"
            << "";
        QTest::newRow("bold survives a damaged inner group")
            << QByteArray("{\\rtf1\\b a{\\i b") << "b" << true << true << false << 12.0 << ""
            << "";
    }

    void formatting()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, probe);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(double, pointSize);
        QFETCH(QString, color);
        QFETCH(QString, family);

        QTextDocument document;
        ReadRtf(rtf, document);
        const int index = document.toPlainText().indexOf(probe);
        QVERIFY2(index >= 0, qPrintable("probe not found in: " + document.toPlainText()));
        const QTextCharFormat format = FormatOfCharacter(document, index);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        QCOMPARE(format.fontItalic(), italic);
        QCOMPARE(format.fontUnderline(), underline);
        QCOMPARE(format.fontPointSize(), pointSize);
        QCOMPARE(
            format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().name() : QString(), color);
        const QStringList families = format.fontFamilies().toStringList();
        QCOMPARE(families.value(0), family);
    }

    void paragraphs_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("blockCount");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("leftMargin");
        QTest::addColumn<double>("textIndent");

        QTest::newRow("one paragraph") << Rtf("a") << 1 << 0 << int(Qt::AlignLeft) << 0.0 << 0.0;
        QTest::newRow("three paragraphs") << Rtf("a\\par b\\par c") << 3 << 2 << int(Qt::AlignLeft) << 0.0 << 0.0;
        QTest::newRow("trailing par gives an empty last block")
            << Rtf("a\\par") << 2 << 0 << int(Qt::AlignLeft) << 0.0 << 0.0;
        QTest::newRow("centred heading") << Rtf("\\qc Title\\par\\pard body") << 2 << 0 << int(Qt::AlignHCenter) << 0.0
                                         << 0.0;
        QTest::newRow("pard resets alignment")
            << Rtf("\\qc Title\\par\\pard body") << 2 << 1 << int(Qt::AlignLeft) << 0.0 << 0.0;
        QTest::newRow("list indent in pixels")
            << Rtf("\\li360\\fi-240 \\bullet\\tab item\\par") << 2 << 0 << int(Qt::AlignLeft) << 24.0 << -16.0;
        QTest::newRow("sect, page and row break too")
            << Rtf("a\\sect b\\page c\\row d") << 4 << 3 << int(Qt::AlignLeft) << 0.0 << 0.0;
        QTest::newRow("par inside a skipped destination")
            << Rtf("a{\\info\\par\\par}b") << 1 << 0 << int(Qt::AlignLeft) << 0.0 << 0.0;
    }

    void paragraphs()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, blockCount);
        QFETCH(int, block);
        QFETCH(int, alignment);
        QFETCH(double, leftMargin);
        QFETCH(double, textIndent);

        QTextDocument document;
        ReadRtf(rtf, document);
        QCOMPARE(document.blockCount(), blockCount);
        const QTextBlockFormat format = document.findBlockByNumber(block).blockFormat();
        QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(format.leftMargin(), leftMargin);
        QCOMPARE(format.textIndent(), textIndent);
    }

    // Tab stops in pixels from where the first line starts, as Qt measures them.
    void tabStops_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<double>>("stops");
        QTest::newRow("none") << Rtf("a\\tab b") << QList<double>{};
        QTest::newRow("hanging indent stops at the left indent")
            << Rtf("\\li360\\fi-240 \\bullet\\tab b") << QList<double>{16.0};
        QTest::newRow("explicit stops from the margin")
            << Rtf("\\li300\\tx600\\tx1200 a\\tab b") << QList<double>{20.0, 60.0};
        QTest::newRow("stops behind the line start dropped") << Rtf("\\li900\\tx600\\tx1200 a") << QList<double>{20.0};
    }

    void tabStops()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<double>, stops);
        QTextDocument document;
        ReadRtf(rtf, document);
        QList<double> actual;
        for (const QTextOption::Tab& tab : document.firstBlock().blockFormat().tabPositions())
            actual << tab.position;
        QCOMPARE(actual, stops);
    }

    // Whatever the bytes, the document never holds more characters than the input had bytes.
    void outputBoundedByInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("many paragraphs") << "{\\rtf1 " + QByteArray("\\par").repeated(20000) + "}";
        QTest::newRow("backslash newlines") << "{\\rtf1 " + QByteArray("\\\n").repeated(20000);
        QTest::newRow("unicode words") << "{\\rtf1\\uc0 " + QByteArray("\\u9731").repeated(20000);
        QTest::newRow("symbols") << "{\\rtf1 " + QByteArray("\\~\\-\\_\\tab\\line").repeated(5000);
        QTest::newRow("format changes") << "{\\rtf1 " + QByteArray("a\\b b\\b0 ").repeated(10000);
    }

    void outputBoundedByInput()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        ReadRtf(rtf, document);
        QVERIFY2(document.characterCount() <= rtf.size() + 1,
            qPrintable(QString::number(document.characterCount()) + " characters from " + QString::number(rtf.size())
                + " bytes"));
        QVERIFY(document.characterCount() > 1);
    }

    // What keeps laying out quick: long words may wrap, long paragraphs continue in new ones, and
    // the document ends where the limits are reached.
    void limits_data()
    {
        const QString zwsp(QChar(0x200B));
        const QString hundred(RtfLimits::kMaxWordLength, u'w');
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        QTest::newRow("word at the limit") << Rtf(hundred.toLatin1()) << hundred << false;
        QTest::newRow("longer word may wrap")
            << Rtf(QByteArray(250, 'w')) << hundred + zwsp + hundred + zwsp + QString(50, u'w') << false;
        QTest::newRow("spaces restart the count")
            << Rtf(hundred.toLatin1() + " " + hundred.toLatin1()) << hundred + " " + hundred << false;
        QTest::newRow("formatting does not") << Rtf(QByteArray(60, 'w') + "{\\b " + QByteArray(60, 'w') + "}")
                                             << QString(100, u'w') + zwsp + QString(20, u'w') << false;
        QTest::newRow("surrogate pair kept whole")
            << Rtf(QByteArray(99, 'w') + "\\uc0\\u-10179\\u-8704 x")
            << QString(99, u'w') + QString::fromUtf16(u"\U0001F600") + zwsp + "x" << false;
        QTest::newRow("long paragraph continues")
            << Rtf(QByteArray("ab ").repeated(RtfLimits::kMaxParagraphCharacters / 3 + 1))
            << QString("ab ").repeated(RtfLimits::kMaxParagraphCharacters / 3).append("ab\n ") << false;
        QTest::newRow("paragraphs beyond the limit left out")
            << Rtf("a" + QByteArray("\\par").repeated(RtfLimits::kMaxParagraphs + 5) + "end")
            << "a" + QString(RtfLimits::kMaxParagraphs - 1, u'\n') << true;
        QTest::newRow("text beyond the limit left out")
            << Rtf(QByteArray("abc ").repeated(RtfLimits::kMaxCharacters / 4 + 10)) << QString() << true;
    }

    void limits()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(bool, cut);
        QTextDocument document;
        const RtfReading reading = ReadRtfText(rtf, document);
        QVERIFY(reading.isRtf);
        QCOMPARE(reading.cut, cut);
        if (!text.isEmpty())
            QCOMPARE(DocumentText(document), text);
        QVERIFY(document.characterCount() <= RtfLimits::kMaxCharacters + 1);
        QVERIFY(document.blockCount() <= RtfLimits::kMaxParagraphs);
    }
};

QTEST_MAIN(RtfReaderTest)
#include "rtf_reader_test.moc"
