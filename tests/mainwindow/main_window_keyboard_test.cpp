// The main window from the keyboard and through assistive technology: the Tab chain follows the
// layout, every control it reaches has a name of its own, the mode buttons follow however they are
// switched, the channel boxes only show; Return on the hue message closes it for good; and the
// readout beside the picker keeps no trace of a longer earlier text.

#include "mainwindow/entry_panel.h"
#include "mainwindow/main_window.h"
#include "mainwindow/swatch.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pelmora;

namespace {

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class MainWindowKeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> form;

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QWidget* view() const { return child<QWidget>(QStringLiteral("surface")); }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QMessageBox* message() const { return form->findChild<QMessageBox*>(QStringLiteral("messageBox")); }
    void clickCell(int cell)
    {
        const Rect rect = CellRect(cell);
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(rect.left + 7, rect.top + 7));
    }
    void showSafePalette(MainWindow& window)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        auto* list = window.findChild<QComboBox*>(QStringLiteral("cmbPreset"));
        list->setCurrentIndex(1);
        emit list->activated(1);
    }
    // The readout's rows, from the slider's marker bars to the surface's right edge.
    static QVector<Color> readoutPixels(MainWindow& window)
    {
        QVector<Color> pixels;
        for (int y = 75; y <= 135; ++y)
            for (int x = SliderRight + 7; x < ClientWidth; ++x)
                pixels.append(window.surface().ReadPixel(x, y));
        return pixels;
    }
    // The object names Tab visits from the picker until it comes back to it.
    QStringList tabChain()
    {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return {QStringLiteral("the window is not active")};
        view()->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (QWidget* focus = QApplication::focusWidget(); focus && visited.size() < 80;
             focus = QApplication::focusWidget()) {
            if (!visited.isEmpty() && focus == view())
                break;
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return visited;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        form = std::make_unique<MainWindow>();
        form->setUserColorsFile(UserColorsFile(folder->path(), folder->filePath(QStringLiteral("data"))));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        folder.reset();
    }

    void tabFollowsTheLayoutAndSkipsWhatIsHidden()
    {
        // The mode buttons are one stop, the one last chosen (the arrow keys choose among them).
        QStringList expected{"surface", "optH", "txtH", "txtS", "txtB", "Text1", "Text2", "Text3", "Command1",
            "Command3", "Label2", "lblSelColor"};
        for (int i = 0; i < 18; ++i)
            expected << QStringLiteral("hist_%1").arg(i);
        expected << "txtColor_2"
                 << "cmdCopy_0"
                 << "txtColor_3"
                 << "cmdCopy_2"
                 << "txtColor_4"
                 << "cmdCopy_1"
                 << "txtColor_5"
                 << "cmdCopy_3"
                 << "Command5"
                 << "Command4";
        // The band below: Import and Export only show with the grids.
        expected << "cmdPickScreen"
                 << "cmbNotation"
                 << "txtNotation"
                 << "cmdCopyNotation"
                 << "lblContrast"
                 // Tab's release in the hue box picked pure red, which fails AA against white: the
                 // nearest colour that passes follows the contrast line.
                 << "cmdSuggestion";
        QCOMPARE(tabChain().join(u' '), expected.join(u' '));
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optB")), Qt::LeftButton);
        QCOMPARE(tabChain().mid(0, 6), QStringList({"surface", "txtH", "txtS", "optB", "txtB", "Text1"}));

        // With the custom grid the grid's controls take the entry boxes' place.
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(tabChain().mid(0, 6),
            QStringList({"surface", "cmbPreset", "lblADDColor", "cmdADD", "Command1", "Command3"}));
    }

    // The whole chain, what is hidden now included: every control that takes Tab has its place in
    // the layout's order, none is left where it happened to be made.
    void theTabChainHoldsEveryControlInLayoutOrder()
    {
        // The picker's stops and the grids', Keep and Presets, the swatches, the codes, About and
        // Visit, then the band.
        const QString expected = QStringLiteral(
            "surface optH txtH optS txtS optB txtB Text1 Text2 Text3 cmbPreset lblADDColor cmdADD Command1 Command3 "
            "Label2 lblSelColor hist_0 hist_1 hist_2 hist_3 hist_4 hist_5 hist_6 hist_7 hist_8 hist_9 hist_10 "
            "hist_11 hist_12 hist_13 hist_14 hist_15 hist_16 hist_17 "
            "txtColor_2 cmdCopy_0 txtColor_3 cmdCopy_2 txtColor_4 cmdCopy_1 txtColor_5 cmdCopy_3 Command5 Command4 "
            "cmdPickScreen cmdImport cmdExport cmbNotation txtNotation cmdCopyNotation lblContrast cmdSuggestion");
        QStringList chain;
        QWidget* widget = view();
        do {
            if (widget->window() == form.get() && (widget->focusPolicy() & Qt::TabFocus))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != view() && chain.size() < 200);
        QCOMPARE(chain.join(u' '), expected);
    }

    void invisibleControlsStayButTakeNoTabStop()
    {
        for (const char* name : {"Command2", "txtColor_0", "txtColor_1", "txtColor_6", "txtColor_7", "cboSysColors"}) {
            QWidget* widget = child<QWidget>(QLatin1String(name));
            QVERIFY2(widget, name);
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        }
        // Otherwise as they were: Cancel outside the client area, the constant field still filled.
        QCOMPARE(child<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("&Cancel"));
        QVERIFY(child<QWidget>(QStringLiteral("Command2"))->x() >= ClientWidth);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboSysColors"))->count(), 25);
    }

    void everyControlOnTheTabChainHasANameOfItsOwn()
    {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton); // the grid's controls too
        QStringList reached = tabChain();
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
        reached << tabChain();
        QStringList names;
        for (const QString& objectName : reached) {
            const QString name = AccessibleName(child<QWidget>(objectName));
            QVERIFY2(!name.isEmpty(), qPrintable(objectName));
            names << name;
        }
        reached.removeDuplicates();
        names.removeDuplicates();
        QCOMPARE(names.size(), reached.size()); // no two controls share a name

        const std::pair<const char*, const char*> expected[] = {
            {"hist_0", "History colour 1"},
            {"hist_2", "History colour 3"},
            {"hist_17", "History colour 18"},
            {"txtColor_2", "RGB colour code"},
            {"txtColor_3", "Decimal colour code"},
            {"txtColor_4", "HTML colour code"},
            {"txtColor_5", "Hexadecimal colour code"},
            {"cmdCopy_1", "Copy HTML colour code"},
            {"Label2", "Old colour"},
            {"lblSelColor", "New colour"},
            {"cmdADD", "Add"},
            {"lblADDColor", "Colour to add"},
            {"Text1", "Red"},
            {"txtH", "Hue"},
        };
        // A swatch's name goes on with its colour ("History colour 1, #000000, black").
        for (const auto& [objectName, name] : expected) {
            const QString actual = AccessibleName(child<QWidget>(QLatin1String(objectName)));
            const bool swatch = qobject_cast<Swatch*>(child<QWidget>(QLatin1String(objectName))) != nullptr;
            QVERIFY2(swatch ? actual.startsWith(QString::fromLatin1(name) + QStringLiteral(", #"))
                            : actual == QString::fromLatin1(name),
                qPrintable(actual));
        }
        // A drop-down list is named by its current item on this desktop; other desktops read its own name.
        QCOMPARE(child<QWidget>(QStringLiteral("cmbPreset"))->accessibleName(), QStringLiteral("Preset colours"));
    }

    void picturesAndSwatchesWorkFromTheKeyboard()
    {
        // Right from the start the field marker sits on the top-right corner: Left moves it one pixel.
        view()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view(), Qt::Key_Left);
        QCOMPARE(form->picker().markerX(), FieldRight - 1);
        QCOMPARE(
            child<Swatch>(QStringLiteral("lblSelColor"))->color(), form->surface().ReadPixel(FieldRight - 1, FieldTop));
        QTest::keyClick(view(), Qt::Key_Up); // already on the top row
        QCOMPARE(form->picker().markerY(), FieldTop);
        QTest::keyClick(view(), Qt::Key_Down);
        QCOMPARE(form->picker().markerY(), FieldTop + 1);

        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton); // Keep
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(100, 200));
        auto* kept = child<Swatch>(QStringLiteral("hist_0"));
        kept->setFocus(Qt::TabFocusReason);
        QTest::keyClick(kept, Qt::Key_Space);
        QCOMPARE(form->controller().colorModel().CurrentColor(), kept->color());
    }

    void modeButtonsFollowHoweverTheyAreSwitched()
    {
        auto* panel = child<EntryPanel>(QStringLiteral("Frame2"));
        QSignalSpy chosen(panel, &EntryPanel::modeClicked);
        auto* optS = child<QRadioButton>(QStringLiteral("optS"));
        auto* optB = child<QRadioButton>(QStringLiteral("optB"));
        auto* optH = child<QRadioButton>(QStringLiteral("optH"));

        optS->setChecked(true); // from code
        QCOMPARE(form->controller().mode(), PickerMode::Saturation);
        QCOMPARE(form->surface().ReadPixel(FieldLeft, FieldTop), RGB(255, 0, 0)); // hue 0 at full brightness

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(optB);
        QVERIFY(accessible && accessible->actionInterface());
        QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(optB->isChecked());
        QCOMPARE(form->controller().mode(), PickerMode::Brightness);
        QCOMPARE(chosen.count(), 2);

        // A click that selects its button chooses once; a click on the selected one chooses again.
        QTest::mouseClick(optH, Qt::LeftButton);
        QCOMPARE(form->controller().mode(), PickerMode::Hue);
        QCOMPARE(chosen.count(), 3);
        QTest::mouseClick(optH, Qt::LeftButton);
        QCOMPARE(chosen.count(), 4);
        // The keyboard: Space on the focused button.
        optS->setFocus(Qt::TabFocusReason);
        QTest::keyClick(optS, Qt::Key_Space);
        QCOMPARE(form->controller().mode(), PickerMode::Saturation);
        QCOMPARE(chosen.count(), 5);
    }

    void channelBoxesShowTheChannelsAndTakeNoTyping()
    {
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            QLineEdit* channel = box(QLatin1String(name));
            QVERIFY2(channel->isReadOnly(), name);
            QVERIFY(channel->focusPolicy() != Qt::NoFocus); // still reached to select and copy
        }
        QLineEdit* red = box(QStringLiteral("Text1"));
        red->setFocus();
        QTest::keyClick(red, Qt::Key_End);
        QTest::keyClicks(red, QStringLiteral("77"));
        QCOMPARE(red->text(), QStringLiteral("255"));
        red->selectAll();
        red->copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("255"));
        // A pick still writes them.
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(FieldLeft, FieldBottom));
        QCOMPARE(red->text(), QStringLiteral("0"));
    }

    void returnOnTheHueMessageClosesItForGood()
    {
        QLineEdit* hue = box(QStringLiteral("txtH"));
        hue->clear();
        hue->setFocus();
        QTest::keyClicks(hue, QStringLiteral("500"));
        QVERIFY(message());
        QTest::keyPress(message(), Qt::Key_Return);
        QTRY_VERIFY(!message());
        // The window is active again with the focus back in the box, and the window manager hands
        // the box the key's release.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), hue);
        QTest::keyRelease(hue, Qt::Key_Return);
        QTest::qWait(20);
        QVERIFY2(!message(), "the release of the Return that closed the message brought it back");
        // A key typed into the box still checks the hue.
        QTest::keyClick(hue, Qt::Key_End);
        QVERIFY(message());
        message()->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!message());
    }

    void readoutKeepsNoTraceOfALongerText()
    {
        showSafePalette(*form);
        clickCell(216); // "#FFFFFF", the widest hex text
        const QVector<Color> white = readoutPixels(*form);
        bool beyondTheBox = false;
        for (int y = 80; y <= 130; ++y)
            for (int x = SliderRight + 20 + 81; x < ClientWidth; ++x)
                beyondTheBox |= form->surface().ReadPixel(x, y) != form->surface().background();
        if (!beyondTheBox)
            QSKIP("the readout font draws the hex line inside the box here");
        clickCell(1); // "#000000"
        QVERIFY(readoutPixels(*form) != white);

        // Exactly what cell 1 alone draws in a new window.
        MainWindow fresh;
        fresh.setUserColorsFile(UserColorsFile(folder->path(), folder->filePath(QStringLiteral("data"))));
        showSafePalette(fresh);
        const Rect rect = CellRect(1);
        QTest::mouseClick(fresh.findChild<QWidget*>(QStringLiteral("surface")), Qt::LeftButton, {},
            QPoint(rect.left + 7, rect.top + 7));
        QCOMPARE(readoutPixels(*form), readoutPixels(fresh));
    }
};

QTEST_MAIN(MainWindowKeyboardTest)
#include "main_window_keyboard_test.moc"
