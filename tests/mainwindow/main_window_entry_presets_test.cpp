// Typed hue, saturation and brightness; the preset grids with the custom colours file; the history.

#include "choose_color.h"
#include "file_faults.h"
#include "mainwindow/main_window.h"
#include "mainwindow/swatch.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pelmora;

class MainWindowEntryPresetsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> form;

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QWidget* view() const { return child<QWidget>(QStringLiteral("surface")); }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    Color swatch(const QString& name) const { return child<Swatch>(name)->color(); }
    Color pixel(int x, int y) const { return form->surface().ReadPixel(x, y); }
    QVector<Color> readout() const
    {
        QVector<Color> pixels;
        for (int y = 80; y <= 130; ++y)
            for (int x = SliderRight + 20; x <= SliderRight + 100; ++x)
                pixels.append(pixel(x, y));
        return pixels;
    }
    QString filePath() const { return folder->filePath(QStringLiteral("usercolors.cps")); }
    void click(int x, int y) { QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(x, y)); }
    void clickButton(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void clickSwatch(const QString& name) { QTest::mouseClick(child<Swatch>(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text)
    {
        box(name)->clear();
        box(name)->setFocus();
        QTest::keyClicks(box(name), text);
    }
    QMessageBox* message() const { return form->findChild<QMessageBox*>(QStringLiteral("messageBox")); }
    void closeMessage()
    {
        QMessageBox* box = message();
        QVERIFY(box);
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!message());
    }
    void writeFile(const QByteArray& bytes)
    {
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void chooseGrid(int index)
    {
        auto* list = child<QComboBox>(QStringLiteral("cmbPreset"));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        // Settings of its own for every window, so that each starts with an empty history, whatever
        // an earlier window or another test kept.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder->path());
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

    // --- typed values ---------------------------------------------------------------------------

    void typedHueMovesTheSliderWithItsFractionAndRepaintsTheField()
    {
        type(QStringLiteral("txtH"), QStringLiteral("180"));
        QCOMPARE(form->picker().sliderMarkerY(), 137.5f);
        const Color hue = pixel(SliderLeft + 5, 138);
        QCOMPARE(hue, RGB(0, 255, 252));
        QCOMPARE(pixel(265, 10), hue); // the field for that hue, marker unchanged
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), hue);
        QCOMPARE(box(QStringLiteral("Text1"))->text(), QStringLiteral("0"));
        QCOMPARE(box(QStringLiteral("Text3"))->text(), QStringLiteral("252"));
        QVERIFY(!message());
    }

    void negativeHueIsReplacedByZeroAfterTheMessage()
    {
        type(QStringLiteral("txtH"), QStringLiteral("-5"));
        QVERIFY(message());
        QCOMPARE(message()->text(), QStringLiteral("Enter an Integer Value Between 0 and 360"));
        QCOMPARE(box(QStringLiteral("txtH"))->text(), QStringLiteral("0"));
        QCOMPARE(form->picker().sliderMarkerY(), 265.0f);
        closeMessage();
    }

    void fractionalHueIsReportedAndStillApplied()
    {
        type(QStringLiteral("txtH"), QStringLiteral("12.5"));
        QVERIFY(message());
        QCOMPARE(form->picker().sliderMarkerY(), static_cast<float>(265 - 12.5 * 255 / 360));
        closeMessage();
    }

    void oneMessageAtATimeAndFocusReturnsToTheHueBox()
    {
        type(QStringLiteral("txtH"), QStringLiteral("400"));
        QCOMPARE(form->findChildren<QMessageBox*>().size(), 1);
        QTest::keyClick(box(QStringLiteral("txtH")), Qt::Key_End); // another key release: still one box
        QCOMPARE(form->findChildren<QMessageBox*>().size(), 1);
        closeMessage();
        // Leaving the box for another control with the wrong hue still in it: the message again, and
        // the focus back in the hue box afterwards.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        box(QStringLiteral("txtH"))->setFocus();
        box(QStringLiteral("txtS"))->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(message());
        QCOMPARE(form->findChildren<QMessageBox*>().size(), 1);
        closeMessage();
        form->activateWindow(); // the desktop gives the window back its activation
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), box(QStringLiteral("txtH")));
    }

    void lettersReadAsHueZeroWithoutAMessage()
    {
        type(QStringLiteral("txtH"), QStringLiteral("180"));
        type(QStringLiteral("txtH"), QStringLiteral("abc"));
        QVERIFY(!message());
        QCOMPARE(form->picker().sliderMarkerY(), 265.0f);
        QCOMPARE(pixel(265, 10), RGB(255, 0, 0));
    }

    void hueBeyond360ReadsTheTopOfTheStrip()
    {
        type(QStringLiteral("txtH"), QStringLiteral("1e300"));
        closeMessage();
        QCOMPARE(pixel(265, 10), RGB(255, 0, 0));
        type(QStringLiteral("txtH"), QStringLiteral("9999"));
        closeMessage();
        QCOMPARE(form->picker().sliderMarkerY(), float(SliderTop)); // the marker stays on the strip's top row
        QCOMPARE(pixel(265, 10), RGB(255, 0, 0)); // the strip's top row, not whatever lies above it
    }

    void typedSaturationAndBrightnessMoveTheFieldMarker_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("S 50: x 137.5 rounds to even 138") << "txtS"
                                                          << "50" << 138 << 10;
        QTest::newRow("B 50: y 137.5 rounds to even 138") << "txtB"
                                                          << "50" << 265 << 138;
        QTest::newRow("S 500 stays on the field") << "txtS"
                                                  << "500" << 265 << 10;
        QTest::newRow("B -20 stays on the field") << "txtB"
                                                  << "-20" << 265 << 265;
        QTest::newRow("S beyond any integer") << "txtS"
                                              << "1e308" << 265 << 10;
        QTest::newRow("B far below zero") << "txtB"
                                          << "-1e999" << 265 << 265;
    }
    void typedSaturationAndBrightnessMoveTheFieldMarker()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        QFETCH(int, x);
        QFETCH(int, y);
        type(boxName, text);
        QCOMPARE(form->picker().markerX(), x);
        QCOMPARE(form->picker().markerY(), y);
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), pixel(x, y));
        QCOMPARE(box(boxName)->text(), text); // the box keeps what was typed
    }

    void saturationModeWaitsForTheModeButton()
    {
        clickButton(QStringLiteral("optS"));
        const QImage before
            = QImage(reinterpret_cast<const uchar*>(form->surface().pixels()), 480, 519, QImage::Format_RGB32).copy();
        type(QStringLiteral("txtH"), QStringLiteral("120"));
        type(QStringLiteral("txtB"), QStringLiteral("50"));
        type(QStringLiteral("Text1"), QStringLiteral("7"));
        QCOMPARE(
            QImage(reinterpret_cast<const uchar*>(form->surface().pixels()), 480, 519, QImage::Format_RGB32), before);
        clickButton(QStringLiteral("optS"));
        QCOMPARE(form->picker().markerX(), 95); // 120 * 255 / 360 + 10 = 95
        QCOMPARE(form->picker().markerY(), 138); // 265 - 127.5
    }

    // --- the Picker/Preset toggle and the grids ------------------------------------------------

    void toggleTwiceReturnsToTheSelectedMode()
    {
        clickButton(QStringLiteral("optB"));
        auto* toggle = child<QPushButton>(QStringLiteral("Command3"));
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(toggle->text(), QStringLiteral("&Picker"));
        QCOMPARE(form->controller().presetKind(), PresetKind::CustomColors);
        QVERIFY(child<QWidget>(QStringLiteral("Frame2"))->isHidden());
        QVERIFY(!child<QWidget>(QStringLiteral("cmdADD"))->isHidden());
        QCOMPARE(pixel(17, 17), Color::black()); // custom grid, no file: black cells
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(toggle->text(), QStringLiteral("&Preset"));
        QCOMPARE(form->controller().presetKind(), PresetKind::Picker);
        QVERIFY(child<QRadioButton>(QStringLiteral("optB"))->isChecked());
        QCOMPARE(pixel(10, 265), Color::white()); // the brightness field again
        QVERIFY(child<QWidget>(QStringLiteral("cmdADD"))->isHidden());
        // Exactly one slider marker: toggling it at its row removes it and leaves the slider's neighbourhood clean.
        const int row = SliderMarkerRow(form->picker().sliderMarkerY());
        const Color bar = pixel(SliderLeft - 3, row);
        form->picker().DrawSliderMarker(static_cast<std::int16_t>(row));
        QVERIFY(pixel(SliderLeft - 3, row) != bar);
        QCOMPARE(pixel(SliderLeft - 3, row), form->surface().background());
    }

    void gridCellsAreHitOnlyStrictlyInside_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("cell");
        QTest::newRow("left edge") << 10 << 15 << 0;
        QTest::newRow("right edge") << 25 << 15 << 0;
        QTest::newRow("just inside the top-left") << 11 << 11 << 1;
        QTest::newRow("just inside the bottom-right") << 24 << 24 << 1;
        QTest::newRow("gap") << 26 << 15 << 0;
        QTest::newRow("cell 17") << 15 << 33 << 17;
    }
    void gridCellsAreHitOnlyStrictlyInside()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, cell);
        clickButton(QStringLiteral("Command3"));
        form->picker().setSelectedCell(5);
        click(x, y);
        QCOMPARE(form->picker().selectedCell(), cell == 0 ? 5 : cell);
    }

    void addStoresTheAddSwatchColourInTheFile()
    {
        click(10, 10); // white becomes the New colour, and so the add colour
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(swatch(QStringLiteral("lblADDColor")), Color::white());
        click(90, 15); // cell 5
        QCOMPARE(form->picker().selectedCell(), 5);
        clickButton(QStringLiteral("cmdADD"));
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 226); // 225 lines, each ended by CR LF
        QCOMPARE(lines[5], QByteArray(" 16777215 \r"));
        QCOMPARE(lines[0], QByteArray(" 0 \r"));
        QCOMPARE(pixel(CellRect(5).left + 7, CellRect(5).top + 7), Color::white());
        QCOMPARE(form->controller().userColors()[5], Color::white());
    }

    void theFileFillsTheCustomGrid()
    {
        writeFile(" 0 \r\n 255 \r\n 65280 \r\n");
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(pixel(17, 17), RGB(255, 0, 0)); // cell 1
        QCOMPARE(pixel(35, 17), RGB(0, 255, 0)); // cell 2
        QCOMPARE(pixel(53, 17), Color::black()); // cell 3: missing lines are black
        click(17, 17);
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), RGB(255, 0, 0));
        QCOMPARE(box(QStringLiteral("txtColor_4"))->text(), QStringLiteral("#FF0000"));
    }

    void aFailedSaveSaysSoAndKeepsTheColour()
    {
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("usercolors.cps"))); // a folder in the file's place
        click(10, 10);
        clickButton(QStringLiteral("Command3"));
        clickButton(QStringLiteral("cmdADD"));
        QVERIFY(message());
        QVERIFY(message()->text().contains(QStringLiteral("usercolors.cps")));
        QCOMPARE(pixel(17, 17), Color::white());
        closeMessage();
    }

    // Another running copy stored cell 5 after this one opened the grid: adding cell 6 keeps it,
    // in the file and in the grid shown.
    void addKeepsWhatAnotherCopyStoredMeanwhile()
    {
        click(10, 10); // white is the add colour
        clickButton(QStringLiteral("Command3"));
        UserColorArray theirs{};
        theirs[5] = RGB(0, 0, 255);
        writeFile(QByteArray::fromStdString(FormatUserColors(theirs)));
        click(CellRect(6).left + 7, CellRect(6).top + 7);
        clickButton(QStringLiteral("cmdADD"));
        QVERIFY(!message());
        UserColorArray expected = theirs;
        expected[6] = Color::white();
        QCOMPARE(UserColorsFile(folder->path(), QString()).Load(), expected);
        QCOMPARE(form->controller().userColors(), expected);
        QCOMPARE(pixel(CellRect(5).left + 7, CellRect(5).top + 7), RGB(0, 0, 255));
        QCOMPARE(pixel(CellRect(6).left + 7, CellRect(6).top + 7), Color::white());
    }

    // A write that fails half way (here: beyond the largest file this process may write, as on a
    // full disk) must not leave a cut file behind a silent window.
    void aFailedWriteSaysSoAndKeepsTheOldFile()
    {
        UserColorArray old{};
        old[1] = RGB(255, 0, 0);
        const QByteArray oldBytes = QByteArray::fromStdString(FormatUserColors(old));
        writeFile(oldBytes);
        click(10, 10);
        clickButton(QStringLiteral("Command3"));
        click(CellRect(6).left + 7, CellRect(6).top + 7);
        {
            const test::FileSizeLimit limit(1000);
            clickButton(QStringLiteral("cmdADD"));
        }
        QVERIFY(message());
        QVERIFY2(message()->text().contains(filePath()), qPrintable(message()->text()));
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), oldBytes);
        QCOMPARE(pixel(CellRect(6).left + 7, CellRect(6).top + 7), Color::white());
        closeMessage();
    }

    // File names are shown as they are: a folder named like markup is not markup.
    void messagesShowFileNamesAsText()
    {
        const QString odd = folder->filePath(QStringLiteral("<h1>x</h1>"));
        QVERIFY(QDir().mkpath(odd + QStringLiteral("/usercolors.cps"))); // a folder in the file's place
        form->setUserColorsFile(UserColorsFile(odd, QString()));
        click(10, 10);
        clickButton(QStringLiteral("Command3"));
        clickButton(QStringLiteral("cmdADD"));
        QVERIFY(message());
        QCOMPARE(message()->textFormat(), Qt::PlainText);
        QVERIFY2(
            message()->text().contains(QStringLiteral("<h1>x</h1>/usercolors.cps")), qPrintable(message()->text()));
        closeMessage();
    }

    void safePaletteCellsAndTheBlackCellsAfterThem()
    {
        clickButton(QStringLiteral("Command3"));
        chooseGrid(1);
        QCOMPARE(form->controller().presetKind(), PresetKind::SafePalette);
        QVERIFY(child<QWidget>(QStringLiteral("cmdADD"))->isHidden());
        const Rect yellow = CellRect(211); // r 255, g 255, b 0
        click(yellow.left + 7, yellow.top + 7);
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), RGB(255, 255, 0));
        QCOMPARE(box(QStringLiteral("txtColor_5"))->text(), QStringLiteral("&H00FFFF&"));
        const Rect black = CellRect(220);
        click(black.left + 7, black.top + 7);
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), Color::black());
        QCOMPARE(box(QStringLiteral("txtColor_4"))->text(), QStringLiteral("#000000"));
        chooseGrid(0);
        QVERIFY(!child<QWidget>(QStringLiteral("cmdADD"))->isHidden());
        QCOMPARE(form->controller().presetKind(), PresetKind::CustomColors);
    }

    // --- history and swatches -----------------------------------------------------------------

    void keepingNineteenColoursLeavesTheLastEighteen()
    {
        for (int i = 0; i < 19; ++i) {
            ChooseColor(*form, Color(i + 1));
            clickButton(QStringLiteral("Command1"));
        }
        QCOMPARE(swatch(QStringLiteral("Label2")), Color(19));
        for (int i = 0; i < 18; ++i)
            QCOMPARE(swatch(QStringLiteral("hist_%1").arg(i)), Color(19 - i));
    }

    void aSwatchClickDescribesItsColourButKeepsTheNewColour()
    {
        ChooseColor(*form, RGB(255, 255, 0));
        clickButton(QStringLiteral("Command1"));
        ChooseColor(*form, RGB(0, 0, 255));
        clickSwatch(QStringLiteral("Label2"));
        QCOMPARE(box(QStringLiteral("txtColor_3"))->text(), QStringLiteral("65535"));
        QCOMPARE(swatch(QStringLiteral("lblSelColor")), RGB(0, 0, 255));
        const QVector<Color> yellowReadout = readout();
        QVERIFY(yellowReadout.contains(Color::black()));
        clickSwatch(QStringLiteral("hist_1"));
        QVERIFY(readout() != yellowReadout);
        clickSwatch(QStringLiteral("Label2"));
        QCOMPARE(readout(), yellowReadout); // redrawn over a freshly erased box
        clickSwatch(QStringLiteral("hist_1"));
        QCOMPARE(box(QStringLiteral("txtColor_3"))->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(MainWindowEntryPresetsTest)
#include "main_window_entry_presets_test.moc"
