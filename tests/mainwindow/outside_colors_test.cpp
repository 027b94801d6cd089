// Colours from outside the main window: "Pick from Screen" and Ctrl+E (the screen itself is not
// there offscreen: a forced loupe fails at once, and the picker's own signals stand in for a pick),
// Ctrl+V, the surface's "Paste" entry and drops, and the note for text that holds no colour.

#include "mainwindow/main_window.h"
#include "mainwindow/paste_target.h"
#include "mainwindow/pasted_color.h"
#include "mainwindow/swatch.h"
#include "picker/hsb_positions.h"
#include "screen/screen_pick_messages.h"
#include "screen/screen_picker.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace pelmora;

namespace {

// Counts the times a widget was hidden.
class HideCounter final : public QObject {
public:
    int hides = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

} // namespace

class OutsideColorsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> form;

    template <typename T = QWidget> T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    Color newColor() const { return child<Swatch>("lblSelColor")->color(); }
    QString note() const { return child<QLabel>("lblNote")->text(); }
    QMessageBox* message() const { return child<QMessageBox>("messageBox"); }

    // What a colour from outside may change: the texts, the New swatch and the picture.
    struct State {
        QStringList texts;
        Color newColor;
        QImage picture;
        bool operator==(const State&) const = default;
    };
    State state() const
    {
        QStringList texts;
        for (const char* name :
            {"txtColor_2", "txtColor_3", "txtColor_4", "txtColor_5", "Text1", "Text2", "Text3", "txtH", "txtS", "txtB"})
            texts << text(name);
        const Surface& s = form->surface();
        const QImage picture(reinterpret_cast<const uchar*>(s.pixels()), s.width(), s.height(), QImage::Format_RGB32);
        return {texts, newColor(), picture.copy()};
    }
    void expectColor(const char* html, const char* r, const char* g, const char* b, const char* h, const char* s,
        const char* bri, Color color)
    {
        QCOMPARE(text("txtColor_4"), QString::fromLatin1(html));
        QCOMPARE(text("Text1"), QString::fromLatin1(r));
        QCOMPARE(text("Text2"), QString::fromLatin1(g));
        QCOMPARE(text("Text3"), QString::fromLatin1(b));
        QCOMPARE(text("txtH"), QString::fromLatin1(h));
        QCOMPARE(text("txtS"), QString::fromLatin1(s));
        QCOMPARE(text("txtB"), QString::fromLatin1(bri));
        QCOMPARE(newColor(), color);
    }
    void pasteWithFocusOn(QWidget* widget, const QString& clipboard)
    {
        QGuiApplication::clipboard()->setText(clipboard);
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    }
    void drop(QMimeData* mime)
    {
        const QPoint at(400, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(form.get(), &dropped);
        QVERIFY(dropped.isAccepted());
    }

private slots:
    void init()
    {
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void theButtonSitsInTheEmptyBandAndTheWindowKeepsItsSize()
    {
        auto* button = child<QPushButton>("cmdPickScreen");
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(4, 447, 116, 22));
        QCOMPARE(button->text(), QStringLiteral("Pick from Screen"));
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY(button->toolTip().contains(QStringLiteral("Ctrl+E")));
        QCOMPARE(button->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(form->size(), QSize(480, 519));
        // The button and the note lie clear of every control that was there before them.
        const QRect note = child("lblNote")->geometry();
        QVERIFY(!note.intersects(button->geometry()));
        QVERIFY(note.bottom() < 519);
        for (QWidget* other : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == button || other == child("lblNote") || other == child("surface") || other->isWindow())
                continue;
            QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
            QVERIFY2(!other->geometry().intersects(note), qPrintable(other->objectName()));
        }
        QVERIFY(!child("lblNote")->accessibleName().isEmpty());
    }

    // Ctrl+E from anywhere, also from inside an entry box: the window steps aside, the pick fails
    // offscreen, and the window is back with the message, whose closing returns the focus.
    void ctrlEStepsAsideAndAFailureComesBackWithItsMessage_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("a button") << QStringLiteral("Command1") << true;
        // (Releasing a key in the hue box applies the hue, as every key release there does.)
        QTest::newRow("the hue box") << QStringLiteral("txtH") << false;
    }
    void ctrlEStepsAsideAndAFailureComesBackWithItsMessage()
    {
        QFETCH(QString, focus);
        QFETCH(bool, unchanged);
        form->screenPicker().setWay(PickWay::X11Loupe);
        QSignalSpy failed(&form->screenPicker(), &ScreenPicker::failed);
        HideCounter counter;
        form->installEventFilter(&counter);
        const State before = state();
        auto* widget = form->findChild<QWidget*>(focus);
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_E, Qt::ControlModifier);
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(counter.hides, 1);
        QTRY_VERIFY(form->isVisible());
        QTRY_VERIFY(message() && message()->isVisible());
        QCOMPARE(message()->text(), failed.at(0).at(0).toString());
        if (unchanged)
            QCOMPARE(state(), before);
        message()->accept();
        QTRY_COMPARE(form->focusWidget(), child("cmdPickScreen"));
    }

    void aPickedColourReachesCodesBoxesAndSwatchExactly()
    {
        emit form->screenPicker().picked(RGB(37, 201, 90));
        expectColor("#25C95A", "37", "201", "90", "139", "82", "79", RGB(37, 201, 90));
        QCOMPARE(text("txtColor_3"), QStringLiteral("5949733")); // 37 + 256 * 201 + 65536 * 90
        QCOMPARE(form->picker().markerX(), FieldXFromSat(82));
        QCOMPARE(form->picker().markerY(), FieldYFromBri(79));
        QVERIFY(form->isVisible());
        QVERIFY(!message());
    }

    // Why the portal picked without the loupe stays readable on the note line, with no box to close.
    void aNoteOnTheWayShowsOnTheNoteLine()
    {
        const QString note = LoupeUnavailableNote(ScreenshotEndedReason(2));
        emit form->screenPicker().noted(note);
        // The whole note is read out and shown on hovering, however much of it fits the line.
        auto* line = qobject_cast<QLabel*>(child("lblNote"));
        QCOMPARE(line->accessibleDescription(), note);
        QVERIFY(line->text() == note || (line->text().endsWith(u'\u2026') && line->toolTip() == note));
        QVERIFY2(note.startsWith(line->text().chopped(1)), qPrintable(line->text()));
        QVERIFY(!message());
    }

    void aCancelledPickChangesNothingAndSaysNothing()
    {
        const State before = state();
        form->hide();
        emit form->screenPicker().cancelled();
        QVERIFY(form->isVisible());
        QTRY_COMPARE(QGuiApplication::focusWindow(), form->windowHandle());
        QCOMPARE(state(), before);
        QVERIFY(!message());
        QCOMPARE(note(), QString());
    }

    void ctrlVOutsideABoxReadsTheClipboard()
    {
        pasteWithFocusOn(child("Command1"), QStringLiteral("hsl(120 100% 25%)"));
        expectColor("#008000", "0", "128", "0", "120", "100", "50", RGB(0, 128, 0));
        QCOMPARE(form->picker().markerX(), 265);
        QCOMPARE(form->picker().markerY(), 138);
        QCOMPARE(form->picker().sliderMarkerY(), static_cast<float>(SliderYFromHueWhole(120)));
        // The field is painted for green: its top-right corner is the pure hue.
        QCOMPARE(
            form->surface().ReadPixel(265, 10), form->surface().ReadPixel(SliderLeft + 3, SliderYFromHueWhole(120)));
        // A read-only code field does not take a paste either.
        pasteWithFocusOn(child("txtColor_2"), QStringLiteral("  '#FF8000';  "));
        expectColor("#FF8000", "255", "128", "0", "30", "100", "100", RGB(255, 128, 0));
    }

    void anEntryBoxKeepsItsOwnPaste()
    {
        auto* hue = child<QLineEdit>("txtH");
        hue->setText(QStringLiteral("1"));
        hue->end(false);
        pasteWithFocusOn(hue, QStringLiteral("#0000FF"));
        QCOMPARE(hue->text(), QStringLiteral("1#0000FF"));
        QVERIFY(newColor() != RGB(0, 0, 255));
        QVERIFY(text("txtColor_4") != QStringLiteral("#0000FF"));
    }

    void textWithoutAColourChangesNothingAndIsNotedWithoutABox()
    {
        const State before = state();
        pasteWithFocusOn(
            child("Command1"), QStringLiteral("nonsense\twith a tab and a tail long enough to be cut short"));
        QCOMPARE(state(), before);
        QVERIFY(!message());
        // The label shows what fits of the line; the whole note is its tool tip and description.
        const QString whole = child("lblNote")->accessibleDescription();
        QCOMPARE(whole,
            QStringLiteral("No colour in \u201Cnonsense\\twith a tab an\u2026\u201D: "
                           "no colour notation starts here at position 1"));
        QCOMPARE(child("lblNote")->toolTip(), note() == whole ? QString() : whole);
        QVERIFY(whole.startsWith(note().chopped(1)));
        // A short mistake fits whole.
        pasteWithFocusOn(child("Command1"), QStringLiteral("nonsense"));
        QCOMPARE(
            note(), QStringLiteral("No colour in \u201Cnonsense\u201D: 'nonsense' is not a colour name at position 1"));
        QCOMPARE(state(), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // The next good paste clears it.
        pasteWithFocusOn(child("Command1"), QStringLiteral("rebeccapurple"));
        QCOMPARE(text("txtColor_4"), QStringLiteral("#663399"));
        QCOMPARE(note(), QString());
    }

    void aColourOutsideSrgbIsMappedAndTheNoteSaysSo()
    {
        // A pale pink: CSS's gamut mapping keeps it pale, where a clamp per channel gave red.
        pasteWithFocusOn(child("Command1"), QStringLiteral("oklch(90% 0.4 30)"));
        QCOMPARE(text("txtColor_4"), QStringLiteral("#FFCCC1"));
        QCOMPARE(child("lblNote")->accessibleDescription(),
            QStringLiteral("\u201Coklch(90% 0.4 30)\u201D was outside sRGB and was mapped into it."));
        QVERIFY(!message());
        // A colour inside sRGB says nothing, and clears the remark.
        pasteWithFocusOn(child("Command1"), QStringLiteral("color(display-p3 0.5 0.25 0.1)"));
        QCOMPARE(text("txtColor_4"), QStringLiteral("#893B09"));
        QCOMPARE(note(), QString());
    }

    void theSurfaceMenuPastesToo()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("0xFF336699"));
        QWidget* view = child("surface");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100), view->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(view, &event);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = form->findChild<QMenu*>(QStringLiteral("surfaceMenu"))) && menu->isVisible());
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("&Paste"))
                paste = action;
        QVERIFY(paste);
        QCOMPARE(paste->shortcut(), QKeySequence(QKeySequence::Paste));
        menu->close();
        paste->trigger();
        QCOMPARE(text("txtColor_4"), QStringLiteral("#336699"));
        QCOMPARE(newColor(), RGB(0x33, 0x66, 0x99));
    }

    void droppedTextAndColoursAreRead()
    {
        auto* code = new QMimeData;
        code->setText(QStringLiteral("rgb(255 128 0)"));
        drop(code);
        QCOMPARE(text("txtColor_4"), QStringLiteral("#FF8000"));
        delete code;

        auto* swatch = new QMimeData;
        swatch->setColorData(QColor(10, 20, 30));
        drop(swatch);
        QCOMPARE(newColor(), RGB(10, 20, 30));
        delete swatch;

        const State before = state();
        auto* words = new QMimeData;
        words->setText(QStringLiteral("rgb(1, 2"));
        drop(words);
        QCOMPARE(state(), before);
        QVERIFY2(note().contains(QStringLiteral("rgb(1, 2")), qPrintable(note()));
        QVERIFY(!message());
        delete words;
    }

    void systemColoursResolveThroughTheDesktop()
    {
        const DesktopSystemColors desktop;
        pasteWithFocusOn(child("Command1"), QStringLiteral("&H8000000F&"));
        QCOMPARE(newColor(), desktop.GetSysColor(15));
    }

    void quotedExcerptsStayOneShortLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short text as it is") << QStringLiteral("red") << 32 << QStringLiteral("red");
        QTest::newRow("line ends and tabs escaped")
            << QStringLiteral("a\nb\r\tc") << 32 << QStringLiteral("a\\nb\\r\\tc");
        QTest::newRow("other controls as \\x")
            << QStringLiteral("\x1B[0m\x7F") << 32 << QStringLiteral("\\x1B[0m\\x7F");
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << 32 << QStringLiteral("a\\u2028b");
        QTest::newRow("bidirectional override and isolates") << QStringLiteral("\u202Ered\u2066x\u2069\u202A") << 32
                                                             << QStringLiteral("\\u202Ered\\u2066x\\u2069\\u202A");
        QTest::newRow("exactly the limit") << QStringLiteral("abcde") << 5 << QStringLiteral("abcde");
        QTest::newRow("cut with an ellipsis") << QStringLiteral("abcdef") << 5 << QStringLiteral("abcd\u2026");
        QTest::newRow("an escape is never cut in two")
            << QStringLiteral("abc\ndef") << 5 << QStringLiteral("abc\u2026");
        QTest::newRow("characters beyond 16 bits count once")
            << QStringLiteral("\U0001F600\U0001F600\U0001F600") << 2 << QStringLiteral("\U0001F600\u2026");
    }
    void quotedExcerptsStayOneShortLine()
    {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, expected);
        QCOMPARE(QuotedExcerpt(text, max), expected);
    }

    void emptyAndBlankTextSayWhy()
    {
        const DefaultSystemColors colors;
        QCOMPARE(ReadPastedColor(QString(), colors).problem, QStringLiteral("No colour: there is no text to read."));
        QCOMPARE(ReadPastedColor(QStringLiteral(" \n "), colors).problem,
            QStringLiteral("No colour: the text holds only blanks."));
        QVERIFY(!ReadPastedColor(QStringLiteral(" \n "), colors).color);
    }

    void textLongerThanAnyColourIsNotRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        const QString blanks(8 * kMaxColorTextLength, u' ');
        QTest::newRow("a colour among many blanks") << blanks + QStringLiteral("red") + blanks << true;
        QTest::newRow("a colour code at the limit")
            << QStringLiteral("rgb(1 2 3") + QString(kMaxColorTextLength - 10, u' ') + u')' << true;
        QTest::newRow("one character past it")
            << QStringLiteral("rgb(1 2 3") + QString(kMaxColorTextLength - 9, u' ') + u')' << false;
        QTest::newRow("10 MiB of text") << QString(10 * 1024 * 1024, u'x') << false;
    }
    void textLongerThanAnyColourIsNotRead()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        const DefaultSystemColors colors;
        const PastedColor pasted = ReadPastedColor(text, colors);
        QCOMPARE(pasted.color.has_value(), read);
        if (!read)
            QCOMPARE(pasted.problem,
                QStringLiteral("No colour in \u201C") + QuotedExcerpt(text)
                    + QStringLiteral("\u201D: the text is longer than any colour code (at most 4096 characters)."));
    }

    // Colours here are opaque: a pasted alpha is left out, and the note line says so.
    void anAlphaLeftOutIsNoted()
    {
        const DefaultSystemColors colors;
        const PastedColor translucent
            = ReadPastedColor(QStringLiteral("background: rgb(255 128 0 / 50%) !important;"), colors);
        QCOMPARE(translucent.color, std::optional<Color>(RGB(255, 128, 0)));
        QCOMPARE(translucent.remark,
            QStringLiteral("The alpha 0.5 of \u201Cbackground: rgb(255 128\u2026\u201D was left out: colours here "
                           "are opaque."));
        const PastedColor opaque = ReadPastedColor(QStringLiteral("rgb(255 128 0 / 100%)"), colors);
        QVERIFY(opaque.color);
        QVERIFY(opaque.remark.isEmpty());
    }
};

QTEST_MAIN(OutsideColorsTest)
#include "outside_colors_test.moc"
