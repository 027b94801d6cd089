// The shipped help text: real RTF that our reader shows with headings, and a guide that names
// every feature a user meets.
#include "rtf/rtf_reader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace pelmora;

class HelpTextTest : public QObject {
    Q_OBJECT

private:
    QTextDocument document;

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(PELMORA_HELP_RTF));
        QVERIFY2(file.open(QIODevice::ReadOnly), PELMORA_HELP_RTF);
        QVERIFY(ReadRtf(file.readAll(), document));
    }

    void mentionsEveryFeature_data()
    {
        QTest::addColumn<QString>("phrase");
        for (const char* phrase : {"H: (Hue mode)", "S: (Saturation mode)", "B: (Brightness mode)", "slider",
                 "Enter an Integer Value Between 0 and 360", "RGB(255, 128, 0)", "#FF8000", "33023", "&H0080FF&",
                 "Copy", "Hex: #FFFF00", "Keep", "Old", "New", "18 swatches", "Presets", "Custom...",
                 "Safe Palette (216)", "Add", "224", "usercolors.cps", "Show at Startup", "showHelp=1",
                 "select and copy", "About this software", "pelmora codes VALUE...", "--json", "vbYellow",
                 "QBColor(14)", "&H8000000F&", "-2147483633", "--version",
                 // The band below About and Visit: palettes, the notation row with templates, contrast.
                 "Import\u2026", "Export\u2026", "Export History\u2026", ".gpl", ".ase", "left out",
                 "line and the reason", "--formats", "oklch()", "[Templates]", "~/.config/Pelmora/Pelmora.conf",
                 "{rf:.2}", "{HEX}", "4.54:1 AA AA large AAA large UI", "never rounded up", "= orange",
                 "\u2248 darkorange", "pelmora contrast A B", "pelmora palette export",
                 // Help on request, the saved history, what the palette actions did.
                 "F1", "Clear History", "next time Pelmora starts", "Saved 224 colours to pal.gpl",
                 // The contrast line's background and its suggestion.
                 "the background it will sit on", "Swap", "AAA (Enhanced)", "becomes the current colour"}) {
            QTest::newRow(phrase) << QString::fromUtf8(phrase);
        }
    }

    void mentionsEveryFeature()
    {
        QFETCH(QString, phrase);
        QVERIFY2(document.toPlainText().contains(phrase), qPrintable("the help never says: " + phrase));
    }

    void mentionsPickingFromTheScreenAndPasting_data()
    {
        QTest::addColumn<QString>("phrase");
        for (const char* phrase :
            {"Pick from Screen", "Ctrl+E", "Esc", "Shift+arrow", "3 \u00D7 3", "Ctrl+Shift", "xdg-desktop-portal-gnome",
                "Ctrl+V", "Paste", "hsl(120 100% 25%)", "oklch()", "drop text", "No colour in \u201Cnonsense\u201D"}) {
            QTest::newRow(phrase) << QString::fromUtf8(phrase);
        }
    }

    void mentionsPickingFromTheScreenAndPasting()
    {
        QFETCH(QString, phrase);
        QVERIFY2(document.toPlainText().contains(phrase), qPrintable("the help never says: " + phrase));
    }

    // Headings are bold, larger than the body and coloured; at least the eleven sections exist.
    void hasHeadings()
    {
        int headings = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;
            const QTextCharFormat format = block.begin().fragment().charFormat();
            if (format.fontWeight() >= QFont::Bold && format.fontPointSize() > 10.0
                && format.foreground().color() != Qt::black) {
                ++headings;
            }
        }
        QVERIFY2(headings >= 12, qPrintable(QString::number(headings) + " headings"));
    }

    void bodyTextIsUnformattedSize()
    {
        const int index = document.toPlainText().indexOf("Click anywhere in the field");
        QVERIFY(index >= 0);
        QTextCursor cursor(&document);
        cursor.setPosition(index + 1);
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
        QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), "Verdana");
        QVERIFY(cursor.charFormat().fontWeight() < QFont::Bold);
    }
};

QTEST_MAIN(HelpTextTest)
#include "help_text_test.moc"
