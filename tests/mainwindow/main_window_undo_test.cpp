// Undo and redo in the main window: the keys and the picture's menu, the window brought back with
// its boxes, swatch, mode buttons and picture, and the text boxes keeping the keys for their own
// typing.

#include "mainwindow/main_window.h"
#include "mainwindow/swatch.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pelmora;

class MainWindowUndoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> form;

    template <typename T = QWidget> T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* view() const { return child("surface"); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }

    // Everything undo brings back, as the user sees it.
    struct Shown {
        QStringList texts;
        Color newColor;
        QString mode;
        QImage picture;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const
    {
        QStringList texts;
        for (const char* name : {"txtColor_2", "txtColor_3", "txtColor_4", "txtColor_5", "Text1", "Text2", "Text3",
                 "txtH", "txtS", "txtB", "txtNotation"})
            texts << text(name);
        QString mode;
        for (const char* name : {"optH", "optS", "optB"})
            if (child<QRadioButton>(name)->isChecked())
                mode = QLatin1String(name);
        const Surface& s = form->surface();
        const QImage picture(reinterpret_cast<const uchar*>(s.pixels()), s.width(), s.height(), QImage::Format_RGB32);
        return {texts, child<Swatch>("lblSelColor")->color(), mode, picture.copy()};
    }
    void click(int x, int y) { QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(x, y)); }
    void press(QWidget* widget, QKeyCombination key) { QTest::keyClick(widget, key.key(), key.keyboardModifiers()); }
    QMenu* openSurfaceMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100), view()->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(view(), &event);
        // A menu closed before is deleted later: the one to use is the one shown.
        QMenu* shownMenu = nullptr;
        const bool opened = QTest::qWaitFor([&] {
            for (QMenu* menu : form->findChildren<QMenu*>(QStringLiteral("surfaceMenu")))
                if (menu->isVisible())
                    shownMenu = menu;
            return shownMenu != nullptr;
        });
        return opened ? shownMenu : nullptr;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        form = std::make_unique<MainWindow>();
        form->setUserColorsFile(UserColorsFile(folder->path(), folder->filePath(QStringLiteral("data"))));
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        view()->setFocus();
    }
    void cleanup()
    {
        form.reset();
        folder.reset();
    }

    void theKeysGoBackAndForthOverPicksInEveryMode()
    {
        const Shown atStart = shown();
        click(100, 100);
        const Shown hueFieldPick = shown();
        QTest::mouseClick(child<QRadioButton>("optB"), Qt::LeftButton);
        view()->setFocus();
        click(200, 60);
        const Shown brightnessPick = shown();
        QCOMPARE(brightnessPick.mode, QStringLiteral("optB"));
        QVERIFY(brightnessPick.texts != hueFieldPick.texts);

        press(view(), Qt::ControlModifier | Qt::Key_Z);
        // The state before the pick was already Brightness mode: the mode chosen stays with it.
        Shown undone = shown();
        QCOMPARE(undone.texts, hueFieldPick.texts);
        QCOMPARE(undone.newColor, hueFieldPick.newColor);
        QCOMPARE(undone.mode, QStringLiteral("optB"));
        press(view(), Qt::ControlModifier | Qt::Key_Z);
        QVERIFY(shown() == atStart);
        QVERIFY(!form->findChild<QAction*>(QStringLiteral("undoAction"))->isEnabled());
        press(view(), Qt::ControlModifier | Qt::Key_Z); // nothing left: nothing changes
        QVERIFY(shown() == atStart);

        press(view(), Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
        QVERIFY(shown().texts == hueFieldPick.texts);
        press(view(), Qt::ControlModifier | Qt::Key_Y);
        QVERIFY(shown() == brightnessPick);
        QVERIFY(!form->findChild<QAction*>(QStringLiteral("redoAction"))->isEnabled());

        // The mode restored is the mode the picker works in: undo to Hue mode, then a click picks
        // from the Hue-mode field.
        press(view(), Qt::ControlModifier | Qt::Key_Z);
        press(view(), Qt::ControlModifier | Qt::Key_Z);
        QTest::mouseClick(child<QRadioButton>("optH"), Qt::LeftButton);
        view()->setFocus();
        click(100, 100);
        QCOMPARE(shown().texts, hueFieldPick.texts);
        QCOMPARE(shown().mode, QStringLiteral("optH"));
    }

    void theSurfaceMenuOffersUndoAndRedoGreyedWhenThereIsNothing()
    {
        QMenu* menu = openSurfaceMenu();
        QVERIFY(menu);
        QVERIFY(menu->actions().size() >= 3);
        QAction* undo = menu->actions().at(0);
        QAction* redo = menu->actions().at(1);
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo"));
        QVERIFY(menu->actions().at(2)->isSeparator());
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcuts(),
            (QList<QKeySequence>{
                QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
        menu->close();

        // Keep writes the history: it is no step.
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!undo->isEnabled());
        const Shown before = shown();
        click(150, 150);
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        menu = openSurfaceMenu();
        QVERIFY(menu);
        QVERIFY(menu->actions().at(0)->isEnabled());
        menu->close();
        undo->trigger();
        QVERIFY(shown() == before);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
    }

    void aBoxYouTypeInKeepsTheKeysForItsOwnText()
    {
        const Shown atStart = shown();
        click(100, 100); // a step the keys must not undo while the box has the focus
        const Shown picked = shown();
        QLineEdit* hue = child<QLineEdit>("txtH");
        hue->setFocus();
        hue->selectAll();
        QTest::keyClicks(hue, QStringLiteral("200"));
        const Shown typed = shown();
        QCOMPARE(typed.texts.at(7), QStringLiteral("200"));

        press(hue, Qt::ControlModifier | Qt::Key_Z);
        // The box took its text back; the picker followed the box, not its own history.
        QCOMPARE(hue->text(), QStringLiteral("0"));
        QVERIFY(shown().texts != atStart.texts);
        QVERIFY(form->findChild<QAction*>(QStringLiteral("undoAction"))->isEnabled());
        press(hue, Qt::ControlModifier | Qt::Key_Y);
        QCOMPARE(hue->text(), QStringLiteral("200"));
        QVERIFY(shown() == typed);

        // Return ends the typing: it is one step, undone from anywhere else in one go.
        press(hue, Qt::Key_Return);
        QLineEdit* red = child<QLineEdit>("Text1"); // read-only: the keys undo the picker there
        red->setFocus();
        press(red, Qt::ControlModifier | Qt::Key_Z);
        QVERIFY(shown() == picked);
        press(red, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
        QVERIFY(shown() == typed);
    }
};

QTEST_MAIN(MainWindowUndoTest)
#include "main_window_undo_test.moc"
