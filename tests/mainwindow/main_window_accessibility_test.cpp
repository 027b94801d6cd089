// What assistive technology is told of the main window: controls never on screen are not reported
// as showing, the swatches are buttons named for their colours, the notation list has a label, and
// the contrast line, the suggestion beside it, the note line and the picker say what they show.

#include "choose_color.h"
#include "mainwindow/main_window.h"
#include "mainwindow/status_note.h"
#include "picker/geometry.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace pelmora;

class MainWindowAccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> form;

    QWidget* child(const char* name) const { return form->findChild<QWidget*>(QLatin1String(name)); }
    static QAccessibleInterface* of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
    QString nameOf(const char* widget) const { return of(child(widget))->text(QAccessible::Name); }

private slots:
    void init()
    {
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // Whatever assistive technology is told is showing lies inside the window.
    void nothingOutsideTheWindowIsReportedAsShowing()
    {
        for (const char* name : {"Command2", "txtColor_0", "txtColor_1", "txtColor_6", "txtColor_7", "cboSysColors"})
            QVERIFY2(of(child(name))->state().invisible, name);
        const QRect window(form->mapToGlobal(QPoint(0, 0)), form->size());
        QList<QAccessibleInterface*> pending{of(form.get())};
        int showing = 0;
        while (!pending.isEmpty()) {
            QAccessibleInterface* iface = pending.takeFirst();
            for (int i = 0; i < iface->childCount(); ++i) {
                QAccessibleInterface* kid = iface->child(i);
                if (!kid || kid->state().invisible || kid->object() == nullptr || !kid->object()->isWidgetType())
                    continue;
                ++showing;
                QVERIFY2(window.contains(kid->rect().center()),
                    qPrintable(kid->object()->objectName() + QStringLiteral(" is reported outside the window")));
                pending << kid;
            }
        }
        QVERIFY(showing > 40);
    }

    void theSwatchesAreButtonsNamedForTheirColours()
    {
        ChooseColor(*form, RGB(255, 128, 0));
        for (int i = 0; i < 7; ++i)
            QTest::mouseClick(child("Command1"), Qt::LeftButton); // Keep
        ChooseColor(*form, RGB(255, 165, 0));
        const struct {
            const char* swatch;
            QString name;
        } rows[] = {
            {"hist_6", QStringLiteral("History colour 7, #FF8000, near darkorange")},
            {"Label2", QStringLiteral("Old colour, #FF8000, near darkorange")},
            {"lblSelColor", QStringLiteral("New colour, #FFA500, orange")},
        };
        for (const auto& row : rows) {
            QAccessibleInterface* iface = of(child(row.swatch));
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), row.name);
        }
        QCOMPARE(of(child("lblADDColor"))->role(), QAccessible::Button);
        QVERIFY2(
            nameOf("lblADDColor").startsWith(QStringLiteral("Colour to add, #")), qPrintable(nameOf("lblADDColor")));
        // Pressing one is a click: the codes describe its colour.
        of(child("hist_6"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("txtColor_4"))->text(), QStringLiteral("#FF8000"));
    }

    // A button that says the level it reaches and the colour's code; pressing it takes the colour.
    void theSuggestionIsAButtonNamedForItsCode()
    {
        ChooseColor(*form, RGB(0x77, 0x77, 0x77)); // fails AA against white, #767676 passes
        QAccessibleInterface* suggestion = of(child("cmdSuggestion"));
        QCOMPARE(suggestion->role(), QAccessible::Button);
        QVERIFY(!suggestion->state().invisible);
        QCOMPARE(suggestion->text(QAccessible::Name), QStringLiteral("Nearest colour passing AA: #767676, near gray"));
        QVERIFY(!suggestion->text(QAccessible::Description).isEmpty());
        suggestion->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // (a button's press is an animated click: it lands a moment later)
        QTRY_COMPARE(form->findChild<QLineEdit*>(QStringLiteral("txtColor_4"))->text(), QStringLiteral("#767676"));
        QVERIFY(of(child("cmdSuggestion"))->state().invisible);
    }

    void theNotationListIsLabelled()
    {
        const auto labels = of(child("cmbNotation"))->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), child("lblNotation"));
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Notation:"));
    }

    void theContrastAndTheNoteAreReadAsTheirNames()
    {
        QVERIFY(!nameOf("lblContrast").isEmpty());
        QVERIFY(!nameOf("lblNote").isEmpty());
        ChooseColor(*form, RGB(255, 165, 0));
        const QString line = qobject_cast<QLabel*>(child("lblContrast"))->text();
        QVERIFY(!line.isEmpty());
        QVERIFY2(nameOf("lblContrast").endsWith(line), qPrintable(nameOf("lblContrast")));
        // The name says what the colour is compared with: white until another background is chosen.
        QVERIFY2(nameOf("lblContrast").startsWith(QStringLiteral("Contrast against the background #FFFFFF, white: ")),
            qPrintable(nameOf("lblContrast")));
        auto* note = form->findChild<StatusNote*>(QStringLiteral("lblNote"));
        note->showNote(QStringLiteral("No colour in \"hello\""));
        QCOMPARE(of(note)->text(QAccessible::Value), note->text());
        QVERIFY2(nameOf("lblNote").endsWith(note->text()), qPrintable(nameOf("lblNote")));
        note->clearNote();
        QCOMPARE(of(note)->text(QAccessible::Value), QString());
        QVERIFY(!nameOf("lblNote").isEmpty());
    }

    // The picker has a name and the current colour as its value, which the arrow keys change.
    void thePickerSaysItsColour()
    {
        QWidget* surface = child("surface");
        QAccessibleInterface* iface = of(surface);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QVERIFY(iface->role() != QAccessible::Client);
        surface->setFocus();
        QTest::keyClick(surface, Qt::Key_Left);
        const QString first = iface->text(QAccessible::Value);
        const QString html = form->findChild<QLineEdit*>(QStringLiteral("txtColor_4"))->text();
        QVERIFY2(first.startsWith(html + QStringLiteral(", ")), qPrintable(first + QStringLiteral(" / ") + html));
        QVERIFY2(iface->text(QAccessible::Name).endsWith(first), qPrintable(iface->text(QAccessible::Name)));
        QTest::keyClick(surface, Qt::Key_Down);
        QVERIFY(iface->text(QAccessible::Value) != first);
    }
};

QTEST_MAIN(MainWindowAccessibilityTest)
#include "main_window_accessibility_test.moc"
