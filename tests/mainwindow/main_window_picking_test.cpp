// The main window driven with real mouse events on its surface: hit tests, drags, modes, the
// output panel and its Copy buttons, and the readout.

#include "mainwindow/main_window.h"
#include "mainwindow/swatch.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace pelmora;

class MainWindowPickingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> form;

    QWidget* view() const { return form->findChild<QWidget*>(QStringLiteral("surface")); }
    QString text(const QString& name) const { return form->findChild<QLineEdit*>(name)->text(); }
    Color newColor() const { return form->findChild<Swatch*>(QStringLiteral("lblSelColor"))->color(); }
    Color pixel(int x, int y) const { return form->surface().ReadPixel(x, y); }
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(view(), button, {}, QPoint(x, y));
    }
    void release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(view(), button, {}, QPoint(x, y));
    }
    void click(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        press(x, y, button);
        release(x, y, button);
    }
    void clickButton(const QString& name)
    {
        auto* button = form->findChild<QAbstractButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString copied(const QString& copyButton)
    {
        QGuiApplication::clipboard()->clear();
        clickButton(copyButton);
        return QGuiApplication::clipboard()->text();
    }

private slots:
    void init()
    {
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void startsInHueModeOnPureRedWithTheInitialCodes()
    {
        QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("optH"))->isChecked());
        QCOMPARE(form->picker().markerX(), 265);
        QCOMPARE(form->picker().markerY(), 10);
        QCOMPARE(pixel(265, 10), RGB(255, 0, 0)); // the marker ring leaves its centre alone
        QCOMPARE(pixel(10, 10), RGB(255, 255, 255));
        QCOMPARE(pixel(SliderLeft + 3, 10), RGB(255, 0, 0));
        QCOMPARE(text(QStringLiteral("txtH")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("Text1")), QStringLiteral("255"));
        QCOMPARE(text(QStringLiteral("txtColor_3")), QStringLiteral("16777215"));
        QCOMPARE(newColor(), Color::black());
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Command4"))->text(),
            QStringLiteral("Visit pelmora.example.org"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora by Brightwell Studio"));
        QCOMPARE(form->size(), QSize(480, 519));
    }

    void fieldHitTestIncludesAllFourEdges_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("hit");
        QTest::newRow("top-left corner") << 10 << 10 << true;
        QTest::newRow("bottom-right corner") << 265 << 265 << true;
        QTest::newRow("left of the field") << 9 << 10 << false;
        QTest::newRow("the unpainted column") << 266 << 100 << false;
    }
    void fieldHitTestIncludesAllFourEdges()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, hit);
        press(x, y);
        QCOMPARE(form->controller().fieldDragging(), hit);
        if (hit) {
            QCOMPARE(form->picker().markerX(), x);
            QCOMPARE(form->picker().markerY(), y);
        }
        release(x, y);
        QVERIFY(!form->controller().fieldDragging());
    }

    void sliderHitAreaReachesBeyondTheSlider_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("hit");
        QTest::addColumn<float>("row");
        QTest::newRow("right of the slider, within 11 px") << 300 << 100 << true << 100.0f;
        QTest::newRow("two above the top, clamped to it") << 280 << 8 << true << 10.0f;
        QTest::newRow("11 px right of the edge") << 303 << 100 << false << 265.0f;
        QTest::newRow("three below the bottom") << 280 << 268 << false << 265.0f;
    }
    void sliderHitAreaReachesBeyondTheSlider()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, hit);
        QFETCH(float, row);
        press(x, y);
        QCOMPARE(form->controller().sliderDragging(), hit);
        QCOMPARE(form->picker().sliderMarkerY(), row);
        release(x, y);
    }

    void aFieldDragLeavingTheWindowStopsAtTheEdge()
    {
        press(100, 100);
        QTest::mouseMove(view(), QPoint(200, 50));
        QCOMPARE(form->picker().markerX(), 200);
        form->onSurfaceDragged(Qt::LeftButton, 400, -50); // beyond the window, still dragging
        QCOMPARE(form->picker().markerX(), 265);
        QCOMPARE(form->picker().markerY(), 10);
        QCOMPARE(text(QStringLiteral("txtS")), QStringLiteral("100"));
        release(400, 0);
        QVERIFY(!form->controller().fieldDragging());
    }

    void hueModeSliderWritesTheHue_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("hue");
        QTest::newRow("top") << 10 << "360";
        QTest::newRow("bottom") << 265 << "0";
        QTest::newRow("middle") << 138 << "179";
    }
    void hueModeSliderWritesTheHue()
    {
        QFETCH(int, y);
        QFETCH(QString, hue);
        click(280, y);
        QCOMPARE(text(QStringLiteral("txtH")), hue);
    }

    void hueModeSliderRepaintsTheFieldOnlyOnRelease()
    {
        const Color before = pixel(265, 10);
        press(280, 86); // blue-ish hue row
        QCOMPARE(pixel(265, 10), before); // not yet
        // The New swatch already shows the colour at S 100, B 100: the hue colour itself.
        QCOMPARE(newColor(), pixel(SliderLeft + 5, 86));
        release(280, 86);
        QCOMPARE(pixel(265, 10), pixel(SliderLeft + 3, 86));
        QCOMPARE(newColor(), pixel(265, 10));
        QCOMPARE(text(QStringLiteral("Text3")), QStringLiteral("255"));
    }

    void hueModeFieldCornersWriteSaturationAndBrightness_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("value");
        QTest::newRow("top-right") << 265 << 10 << "100";
        QTest::newRow("bottom-left") << 10 << 265 << "0";
    }
    void hueModeFieldCornersWriteSaturationAndBrightness()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, value);
        click(x, y);
        QCOMPARE(text(QStringLiteral("txtS")), value);
        QCOMPARE(text(QStringLiteral("txtB")), value);
        QCOMPARE(newColor(), pixel(x, y));
    }

    void aRightClickDoesNothing()
    {
        const QImage before(reinterpret_cast<const uchar*>(form->surface().pixels()), 480, 519, QImage::Format_RGB32);
        const QImage snapshot = before.copy();
        click(100, 100, Qt::RightButton);
        click(280, 100, Qt::RightButton);
        QCOMPARE(before, snapshot);
        QCOMPARE(form->picker().markerX(), 265);
        QCOMPARE(text(QStringLiteral("txtS")), QStringLiteral("100"));
        QCOMPARE(newColor(), Color::black());
    }

    void modeButtonsRepaintFieldAndSlider()
    {
        const int sliderBottom = SliderBottom;
        QCOMPARE(pixel(SliderLeft + 5, sliderBottom), RGB(255, 0, 0)); // hue strip
        clickButton(QStringLiteral("optS"));
        QCOMPARE(pixel(10, 265), Color::black()); // saturation field: black bottom row
        QCOMPARE(pixel(SliderLeft + 5, sliderBottom), Color::white()); // slider blends toward white
        QCOMPARE(pixel(SliderLeft + 5, 10), RGB(255, 0, 0)); // for the colour under the marker
        clickButton(QStringLiteral("optB"));
        QCOMPARE(pixel(10, 265), Color::white()); // brightness field: white bottom row
        QCOMPARE(pixel(SliderLeft + 5, sliderBottom), Color::black());
        clickButton(QStringLiteral("optH"));
        QCOMPARE(pixel(SliderLeft + 5, sliderBottom), RGB(255, 0, 0));
        QCOMPARE(pixel(10, 265), Color::black());
        QCOMPARE(pixel(10, 10), Color::white());
    }

    void saturationModePickReadsTheRepaintedSlider()
    {
        clickButton(QStringLiteral("optS"));
        click(138, 137);
        QCOMPARE(text(QStringLiteral("txtH")), QStringLiteral("180"));
        QCOMPARE(text(QStringLiteral("txtB")), QStringLiteral("50"));
        // The slider marker stands at the saturation in its box, 100: the top row, full colour.
        QCOMPARE(newColor(), pixel(SliderLeft + 5, 10));
        QCOMPARE(text(QStringLiteral("Text1")), QString::number(newColor().red()));
        QVERIFY(newColor() != Color::white());
        click(280, 10);
        QCOMPARE(text(QStringLiteral("txtS")), QStringLiteral("100"));
        QCOMPARE(newColor(), pixel(SliderLeft + 5, 10));
    }

    void copyButtonsCopyTheirFieldsBeforeAndAfterAPick()
    {
        QCOMPARE(copied(QStringLiteral("cmdCopy_0")), QStringLiteral("RGB(255, 255, 255)"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_1")), QStringLiteral("#FFFF00"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_2")), QStringLiteral("16777215"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_3")), QStringLiteral("&H00FFFF&"));
        click(265, 10); // pure red
        QCOMPARE(copied(QStringLiteral("cmdCopy_0")), QStringLiteral("RGB(255, 0, 0)"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_1")), QStringLiteral("#FF0000"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_2")), QStringLiteral("255"));
        QCOMPARE(copied(QStringLiteral("cmdCopy_3")), QStringLiteral("&H0000FF&"));
        QCOMPARE(text(QStringLiteral("txtColor_0")), QStringLiteral("vbRed"));
        QVERIFY(form->findChild<QLineEdit*>(QStringLiteral("txtColor_0"))->isEnabled());
        QVERIFY(!form->findChild<QLineEdit*>(QStringLiteral("txtColor_6"))->isEnabled());
    }

    void framesFollowTheDesktopTheme()
    {
        const QPalette original = QApplication::palette();
        QPalette themed = original;
        themed.setColor(QPalette::Shadow, QColor(10, 20, 30)); // the 3D dark shadow
        QApplication::setPalette(themed);
        QTRY_COMPARE(pixel(9, 100), RGB(10, 20, 30)); // field frame, left line
        QTRY_COMPARE(pixel(276, 100), RGB(10, 20, 30)); // slider frame, left line
        QCOMPARE(pixel(265, 10), RGB(255, 0, 0)); // the marker's centre is untouched
        QApplication::setPalette(original);
        QTRY_VERIFY(pixel(9, 100) != RGB(10, 20, 30));
    }

    void readoutIsRedrawnOverAFreshlyErasedBox()
    {
        const auto readoutPixels = [this] {
            QVector<Color> pixels;
            for (int y = 80; y <= 130; ++y)
                for (int x = 312; x <= 392; ++x)
                    pixels.append(pixel(x, y));
            return pixels;
        };
        const QVector<Color> blank = readoutPixels();
        form->controller().DrawColorReadout(Channels{255, 255, 0}, "FFFF00");
        const QVector<Color> yellow = readoutPixels();
        QVERIFY(yellow != blank);
        QVERIFY(yellow.contains(Color::black()));
        form->controller().DrawColorReadout(Channels{-241, -255, -255}, "FF0FFF01FF01");
        form->controller().DrawColorReadout(Channels{255, 255, 0}, "FFFF00");
        QCOMPARE(readoutPixels(), yellow);
        QCOMPARE(pixel(311, 100), pixel(311, 200)); // nothing left of the box
    }
};

QTEST_MAIN(MainWindowPickingTest)
#include "main_window_picking_test.moc"
