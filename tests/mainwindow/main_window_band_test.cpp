// The band below About and Visit: its layout and keyboard path, the notation row and the contrast
// label following the window's colours, and palettes in and out through the window's file dialogs.

#include "choose_color.h"
#include "color/code_formats.h"
#include "file_faults.h"
#include "mainwindow/main_window.h"
#include "mainwindow/suggestion_button.h"
#include "mainwindow/swatch.h"
#include "notations/contrast_suggestion.h"
#include "notations/named_colors.h"
#include "notations/notation_table.h"
#include "palette/palette_formats.h"
#include "picker/geometry.h"
#include "platform/contrast_settings.h"
#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace pelmora;
using namespace pelmora::test;

namespace {

// In their tab order: left to right, top to bottom.
const QStringList kBandControls
    = {QStringLiteral("cmdImport"), QStringLiteral("cmdExport"), QStringLiteral("cmbNotation"),
        QStringLiteral("txtNotation"), QStringLiteral("cmdCopyNotation"), QStringLiteral("lblContrast")};

QString CodeIn(const char* notation, Color color)
{
    return QString::fromStdString(FormatIn(*FindNotation(notation), color).value_or("?"));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Runs `action`, answering with `answer` the question a dialog asks in a box of its own while the
// action waits for it; returns the question, empty when none was asked.
template <typename Action>
QString AnswerQuestionDuring(QWidget* asker, QMessageBox::StandardButton answer, Action action)
{
    QString question;
    QTimer lookout;
    QObject::connect(&lookout, &QTimer::timeout, [&] {
        QMessageBox* box = asker->findChild<QMessageBox*>();
        if (box && box->isVisible() && box->button(answer)) {
            lookout.stop();
            question = box->text();
            box->button(answer)->click();
        }
    });
    lookout.start(20);
    action();
    return question;
}

// What stands in the way of the window's export.
enum class Obstacle { Fifo, SizeLimit };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class MainWindowBandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> form;

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    QWidget* view() const { return child<QWidget>(QStringLiteral("surface")); }
    QComboBox* notationList() const { return child<QComboBox>(QStringLiteral("cmbNotation")); }
    QString notationCode() const { return child<QLineEdit>(QStringLiteral("txtNotation"))->text(); }
    QString contrast() const { return child<QLabel>(QStringLiteral("lblContrast"))->text(); }
    QString note() const { return child<QLabel>(QStringLiteral("lblNote"))->text(); }
    QString colorsFile() const { return folder->filePath(QStringLiteral("usercolors.cps")); }
    Color pixel(int x, int y) const { return form->surface().ReadPixel(x, y); }
    Color cellPixel(int cell) const { return pixel(CellRect(cell).left + 7, CellRect(cell).top + 7); }
    void click(int x, int y) { QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(x, y)); }
    void clickCell(int cell) { click(CellRect(cell).left + 7, CellRect(cell).top + 7); }
    void clickButton(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void chooseNotation(const char* name)
    {
        notationList()->setCurrentIndex(notationList()->findData(QString::fromLatin1(name)));
    }
    void openWindow()
    {
        form = std::make_unique<MainWindow>();
        form->setUserColorsFile(UserColorsFile(folder->path(), folder->filePath(QStringLiteral("data"))));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void openGrids()
    {
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(form->controller().presetKind(), PresetKind::CustomColors);
    }
    QMessageBox* message() const { return form->findChild<QMessageBox*>(QStringLiteral("messageBox")); }
    QString takeMessage()
    {
        QMessageBox* box = message();
        if (!box)
            return QString();
        const QString text = box->text();
        box->button(QMessageBox::Ok)->click();
        // A box that stays makes the text compared differ, so the test says so.
        if (!QTest::qWaitFor([this] { return !message(); }, 2000))
            return QStringLiteral("(the message stayed open) ") + text;
        return text;
    }
    QFileDialog* fileDialog() const { return form->findChild<QFileDialog*>(QStringLiteral("paletteFileDialog")); }
    // The dialog the last action opened, once it shows; null when none did.
    QFileDialog* waitForFileDialog() const
    {
        const auto shown = [this] { return fileDialog() && fileDialog()->isVisible(); };
        return QTest::qWaitFor(shown, 2000) ? fileDialog() : nullptr;
    }
    // The dialog the last action opened, given `path` and accepted as a user would.
    void answerFileDialog(const QString& path, const QString& filter = QString())
    {
        QFileDialog* dialog = waitForFileDialog();
        QVERIFY(dialog);
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept(), as its Save/Open button
        QTRY_VERIFY_WITH_TIMEOUT(!form->findChild<QFileDialog*>(QStringLiteral("paletteFileDialog")), 2000);
    }
    QMenu* popUpMenu(QWidget* target, QPoint pos, const QString& menuName)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &event);
        return form->findChild<QMenu*>(menuName);
    }
    void triggerMenuEntry(QMenu* menu, const QString& text)
    {
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                menu->close();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no menu entry \"%1\"").arg(text)));
    }
    QWidget* contrastLabel() const { return child<QWidget>(QStringLiteral("lblContrast")); }
    SuggestionButton* suggestion() const { return child<SuggestionButton>(QStringLiteral("cmdSuggestion")); }
    Color background() const { return form->controller().contrastCheck().background(); }
    Color current() const { return form->controller().colorModel().CurrentColor(); }
    static void resetContrastChoice()
    {
        QVERIFY(SaveContrastBackground(Color::white()));
        QVERIFY(SaveContrastAim(kAimAA));
    }
    QMenu* contrastMenu()
    {
        // A menu closed before is deleted later: the one found must be the new one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return popUpMenu(contrastLabel(), QPoint(5, 5), QStringLiteral("contrastMenu"));
    }
    void chooseInContrastMenu(const QString& entry) { triggerMenuEntry(contrastMenu(), entry); }
    void importFile(const QString& path)
    {
        clickButton(QStringLiteral("cmdImport"));
        answerFileDialog(path);
    }
    QStringList savedLines() const
    {
        QStringList lines;
        for (const QString& line : QString::fromLatin1(ReadAll(colorsFile())).split(QStringLiteral("\r\n")))
            lines << line.trimmed();
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QVERIFY(SaveChosenNotation(QStringLiteral("html")));
        resetContrastChoice();
        openWindow();
    }
    void cleanup()
    {
        form.reset();
        folder.reset();
        resetContrastChoice(); // the other programs' tests share the settings folder
    }

    // --- layout ---------------------------------------------------------------------------------

    void bandControlsSitInTheirPlacesClearOfEveryOtherControl()
    {
        const struct {
            const char* name;
            QRect place;
        } places[] = {
            {"cmdImport", QRect(124, 447, 352, 22)},
            {"cmdExport", QRect(124, 447, 352, 22)},
            {"lblNotation", QRect(4, 471, 472, 22)},
            {"cmbNotation", QRect(4, 471, 472, 22)},
            {"txtNotation", QRect(4, 471, 472, 22)},
            {"cmdCopyNotation", QRect(4, 471, 472, 22)},
            {"lblContrast", QRect(4, 493, 472, 13)},
        };
        openGrids(); // the palette buttons show with the grids
        QCOMPARE(form->size(), QSize(480, 519));
        for (const auto& row : places) {
            auto* control = child<QWidget>(QString::fromLatin1(row.name));
            QVERIFY2(control, row.name);
            QVERIFY2(control->isVisible(), row.name);
            const QRect inWindow(control->mapTo(form.get(), QPoint(0, 0)), control->size());
            QVERIFY2(inWindow.left() >= row.place.left() && inWindow.right() <= row.place.right(), row.name);
            QCOMPARE(inWindow.top(), row.place.top());
            QCOMPARE(inWindow.height(), row.place.height());
            // The space of Pick from Screen and of the note line stay free.
            QVERIFY2(!inWindow.intersects(QRect(4, 447, 116, 22)), row.name);
            QVERIFY2(inWindow.bottom() < 506, row.name);
        }
        // No band control covers a visible control that was there before, in either presentation.
        for (int round = 0; round < 2; ++round) {
            for (QWidget* other : form->findChildren<QWidget*>()) {
                if (other->parentWidget() != form.get() || !other->isVisible() || other == view()
                    || kBandControls.contains(other->objectName())
                    || other->objectName() == QStringLiteral("notationRow")
                    || other->objectName() == QStringLiteral("contrastLine"))
                    continue;
                for (const QString& name : kBandControls) {
                    QWidget* control = child<QWidget>(name);
                    const QRect inWindow(control->mapTo(form.get(), QPoint(0, 0)), control->size());
                    QVERIFY2(!control->isVisible() || !inWindow.intersects(other->geometry()),
                        qPrintable(name + QStringLiteral(" covers ") + other->objectName()));
                }
            }
            clickButton(QStringLiteral("Command3")); // to the picker, then back to the grids
        }
        clickButton(QStringLiteral("Command3"));
        QCOMPARE(form->controller().presetKind(), PresetKind::Picker);
        QVERIFY(!child<QWidget>(QStringLiteral("cmdImport"))->isVisible());
        QVERIFY(!child<QWidget>(QStringLiteral("cmdExport"))->isVisible());
    }

    // Every text of the band fits its control in the window's fonts: run at scale 1 with the
    // others, and again at 1.5 and 2.
    void everyBandTextFits()
    {
        openGrids(); // Import and Export show
        // The longest line: a long name and every level passed, against black.
        chooseInContrastMenu(QStringLiteral("&Black Background"));
        ChooseColor(*form, RGB(0xFA, 0xFA, 0xD2)); // lightgoldenrodyellow
        auto* label = child<QLabel>(QStringLiteral("lblContrast"));
        QVERIFY2(label->text().contains(QStringLiteral("lightgoldenrodyellow")), qPrintable(label->text()));
        QCOMPARE(label->font().pixelSize(), form->font().pixelSize());
        QVERIFY2(!label->text().contains(QStringLiteral("  ")), qPrintable(label->text()));
        const auto fits = [](QWidget* control, int needed, int room) {
            QVERIFY2(needed <= room,
                qPrintable(QStringLiteral("%1 needs %2, has %3").arg(control->objectName()).arg(needed).arg(room)));
        };
        for (const char* name : {"lblNotation", "lblContrast", "lblNote"}) {
            QWidget* control = child<QWidget>(QString::fromLatin1(name));
            QVERIFY2(control->isVisible(), name);
            fits(control, control->sizeHint().width(), control->width());
            fits(control, control->sizeHint().height(), control->height());
        }
        // With the longest line that still fails AAA, the nearest colour that passes follows it.
        std::optional<int> grey;
        for (int level = 0; level < 256 && !grey; ++level) {
            const double ratio = ContrastOf(RGB(0xFA, 0xFA, 0xD2), RGB(level, level, level)).ratio;
            if (ratio >= 4.5 && ratio < 7)
                grey = level;
        }
        QVERIFY(grey);
        QApplication::clipboard()->setText(QStringLiteral("rgb(%1 %1 %1)").arg(*grey));
        chooseInContrastMenu(QStringLiteral("&Paste as Background"));
        chooseInContrastMenu(QStringLiteral("Suggest for AAA (&Enhanced)"));
        QVERIFY2(label->text().contains(QStringLiteral("AA AA large AAA large UI \u00b7 = lightgoldenrodyellow")),
            qPrintable(label->text()));
        QVERIFY(suggestion()->isVisible());
        fits(label, label->sizeHint().width(), label->width());
        fits(suggestion(), suggestion()->sizeHint().width(), suggestion()->width());
        fits(suggestion(), suggestion()->sizeHint().height(), suggestion()->height());
        fits(suggestion(), suggestion()->geometry().right() + 1,
            child<QWidget>(QStringLiteral("contrastLine"))->width());
        // A button's text within its contents, beside the menu arrow where it has one.
        for (const char* name : {"cmdPickScreen", "cmdImport", "cmdExport", "cmdCopyNotation"}) {
            auto* button = child<QPushButton>(QString::fromLatin1(name));
            QVERIFY2(button->isVisible(), name);
            QStyleOptionButton option;
            option.initFrom(button);
            int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
            if (button->menu())
                room -= button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
            fits(button, button->fontMetrics().horizontalAdvance(button->text()), room);
            fits(button, button->fontMetrics().height(), button->height());
        }
        // The list shows each built-in notation's name whole, and the field its code.
        QComboBox* list = notationList();
        QStyleOptionComboBox listOption;
        listOption.initFrom(list);
        const int listRoom = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &listOption, QStyle::SC_ComboBoxEditField, list)
                                 .width();
        auto* field = child<QLineEdit>(QStringLiteral("txtNotation"));
        QStyleOptionFrame fieldOption;
        fieldOption.initFrom(field);
        const int fieldRoom
            = field->style()->subElementRect(QStyle::SE_LineEditContents, &fieldOption, field).width() - 4;
        for (const Notation& notation : BuiltInNotations()) {
            chooseNotation(notation.name.data());
            fits(list, list->fontMetrics().horizontalAdvance(list->currentText()), listRoom);
            for (const Color color : {RGB(0, 255, 0), RGB(255, 128, 0), RGB(18, 52, 86), RGB(101, 67, 33)}) {
                ChooseColor(*form, color);
                fits(field, field->fontMetrics().horizontalAdvance(notationCode()), fieldRoom);
            }
        }
    }

    // --- one colour ------------------------------------------------------------------------------

    // The code row, the name and the contrast describe the colour the output panel describes, and
    // no colour before one is chosen.
    void theBandDescribesTheColourOfTheOutputPanel()
    {
        auto* html = child<QLineEdit>(QStringLiteral("txtColor_4"));
        const QString initialHtml = html->text();
        QCOMPARE(notationCode(), QString());
        QCOMPARE(contrast(), QString());
        QVERIFY(!child<QPushButton>(QStringLiteral("cmdCopyNotation"))->isEnabled());
        // Choosing B: picks nothing: still no colour anywhere.
        QTest::mouseClick(child<QAbstractButton>(QStringLiteral("optB")), Qt::LeftButton);
        QCOMPARE(html->text(), initialHtml);
        QCOMPARE(notationCode(), QString());
        QCOMPARE(contrast(), QString());

        const auto sameColour = [this, html](const char* step) {
            const QString code = html->text();
            QVERIFY2(notationCode() == code,
                qPrintable(QStringLiteral("%1: band %2, panel %3").arg(QLatin1String(step), notationCode(), code)));
            const Color color = form->controller().colorModel().CurrentColor();
            const QString name = QString::fromStdString(NearestCssName(color).text());
            QVERIFY2(
                contrast().endsWith(name), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(step), contrast())));
        };
        click(100, 60);
        sameColour("a click in Brightness mode");
        QTest::mouseClick(child<QAbstractButton>(QStringLiteral("optH")), Qt::LeftButton);
        sameColour("H: chosen");
        QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(280, 100));
        sameColour("the hue slider held");
        QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(280, 100));
        sameColour("the hue slider released");
        clickButton(QStringLiteral("Command1"));
        QTest::mouseClick(child<QWidget>(QStringLiteral("hist_0")), Qt::LeftButton);
        sameColour("a history swatch clicked");
    }

    // A template that cannot be used says why on the note line, where a keyboard user sees it.
    void anUnusableTemplateSaysWhyOnTheNoteLine()
    {
        // Earlier tests leave lines (the kept history) where a whole rewrite would not put them, and such
        // a file is never rewritten: start this one from no settings.
        QFile::remove(SettingsFilePath());
        QVERIFY(SaveUserTemplates({{"Broken", "{x}"}}));
        form.reset();
        openWindow();
        click(100, 60);
        QCOMPARE(child<QLabel>(QStringLiteral("lblNote"))->text(), QString());
        notationList()->setCurrentIndex(notationList()->findData(QStringLiteral("template:Broken")));
        const QString note = child<QLabel>(QStringLiteral("lblNote"))->text();
        QVERIFY2(note.contains(QStringLiteral("unknown placeholder {x}")), qPrintable(note));
        QVERIFY(!child<QPushButton>(QStringLiteral("cmdCopyNotation"))->isEnabled());
        // Chosen in an earlier run, it says so as the window opens.
        form.reset();
        openWindow();
        QCOMPARE(child<QLabel>(QStringLiteral("lblNote"))->text(), note);
        QVERIFY(QFile::remove(SettingsFilePath()));
    }

    void tabGoesFromVisitThroughTheBandAndEveryControlHasAName()
    {
        openGrids();
        QWidget* widget = child<QWidget>(QStringLiteral("Command4"));
        for (const QString& name : QStringList{QStringLiteral("cmdPickScreen")} + kBandControls) {
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
            QCOMPARE(widget->objectName(), name);
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
        }
        // The keyboard reaches them: Tab from Visit lands on Pick from Screen, then on Import.
        child<QWidget>(QStringLiteral("Command4"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPickScreen"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdImport"));
        // Export's menu offers all three exports.
        auto* exportButton = child<QPushButton>(QStringLiteral("cmdExport"));
        QVERIFY(exportButton->menu());
        QCOMPARE(exportButton->menu()->actions().size(), 3);
    }

    // --- the notation row and the contrast label -------------------------------------------------

    void notationRowFollowsPicksAndSwatchClicks()
    {
        chooseNotation("oklch");
        click(FieldLeft + 40, FieldTop + 100);
        const Color picked = child<Swatch>(QStringLiteral("lblSelColor"))->color();
        QCOMPARE(notationCode(), CodeIn("oklch", picked));
        clickButton(QStringLiteral("Command1")); // Keep
        click(FieldLeft + 200, FieldTop + 30);
        const Color second = child<Swatch>(QStringLiteral("lblSelColor"))->color();
        QVERIFY(second != picked);
        QCOMPARE(notationCode(), CodeIn("oklch", second));
        // A history swatch describes its colour, as the output panel does.
        QTest::mouseClick(child<Swatch>(QStringLiteral("hist_0")), Qt::LeftButton);
        QCOMPARE(notationCode(), CodeIn("oklch", picked));
        QCOMPARE(child<QLineEdit>(QStringLiteral("txtColor_4"))->text(), CodeIn("html", picked));
        // Another notation shows the same colour at once; Copy puts it on the clipboard.
        chooseNotation("hsl");
        QCOMPARE(notationCode(), CodeIn("hsl", picked));
        clickButton(QStringLiteral("cmdCopyNotation"));
        QCOMPARE(QApplication::clipboard()->text(), CodeIn("hsl", picked));
        // A safe palette cell.
        openGrids();
        child<QComboBox>(QStringLiteral("cmbPreset"))->setCurrentIndex(1);
        emit child<QComboBox>(QStringLiteral("cmbPreset"))->activated(1);
        clickCell(2);
        QCOMPARE(notationCode(), CodeIn("hsl", cellPixel(2)));
    }

    void theChosenNotationIsRememberedAcrossRestarts()
    {
        chooseNotation("lab");
        form.reset();
        QCOMPARE(LoadChosenNotation(), QStringLiteral("lab"));
        openWindow();
        QCOMPARE(notationList()->currentData().toString(), QStringLiteral("lab"));
        ChooseColor(*form, RGB(255, 0, 0));
        click(FieldLeft + 10, FieldTop + 10);
        const Color picked = child<Swatch>(QStringLiteral("lblSelColor"))->color();
        QCOMPARE(notationCode(), CodeIn("lab", picked));
    }

    // White until another background is chosen; Keep changes Old but not the background.
    void contrastComparesWithTheBackgroundWhiteAtFirst()
    {
        ChooseColor(*form, RGB(0x76, 0x76, 0x76));
        QVERIFY2(
            contrast().startsWith(QStringLiteral("4.54:1 AA AA large AAA large UI \u00b7 ")), qPrintable(contrast()));
        clickButton(QStringLiteral("Command1")); // Old is #767676 now
        ChooseColor(*form, Color::white());
        QCOMPARE(contrast(), QStringLiteral("1:1 none \u00b7 = white"));
        chooseInContrastMenu(QStringLiteral("&Old as Background"));
        QCOMPARE(background(), RGB(0x76, 0x76, 0x76));
        QCOMPARE(contrast(), QStringLiteral("4.54:1 AA AA large AAA large UI \u00b7 = white"));
        ChooseColor(*form, RGB(0x77, 0x77, 0x77));
        QVERIFY2(contrast().startsWith(QStringLiteral("1.0"))
                && contrast().endsWith(QStringLiteral("none \u00b7 \u2248 gray")),
            qPrintable(contrast()));
        ChooseColor(*form, RGB(255, 165, 0));
        QVERIFY2(contrast().endsWith(QStringLiteral(" \u00b7 = orange")), qPrintable(contrast()));
        clickButton(QStringLiteral("Command1"));
        chooseInContrastMenu(QStringLiteral("&Old as Background"));
        ChooseColor(*form, Color::black());
        QVERIFY2(contrast().startsWith(QStringLiteral("10.63:1 AA AA large AAA AAA large UI")), qPrintable(contrast()));
        const QString tip = child<QLabel>(QStringLiteral("lblContrast"))->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("#FFA500, orange")) && tip.endsWith(contrast()), qPrintable(tip));
    }

    // Each background entry of the line's menu, then Swap, which exchanges colour and background.
    void theContrastMenuChoosesTheBackgroundAndSwapExchangesIt_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("expected"); // the background's value
        QTest::newRow("white") << "&White Background" << static_cast<int>(Color::white().value());
        QTest::newRow("black") << "&Black Background" << 0;
        QTest::newRow("Old") << "&Old as Background" << static_cast<int>(RGB(0x12, 0x34, 0x56).value());
        QTest::newRow("current") << "C&urrent Colour as Background" << static_cast<int>(RGB(0xAB, 0xCD, 0xEF).value());
    }
    void theContrastMenuChoosesTheBackgroundAndSwapExchangesIt()
    {
        QFETCH(QString, entry);
        QFETCH(int, expected);
        // No colour chosen yet: nothing to take as the background or to swap.
        QMenu* menu = contrastMenu();
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text().contains(QStringLiteral("Current")) || action->text().contains(QStringLiteral("Swap")))
                QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        menu->close();
        ChooseColor(*form, RGB(0x12, 0x34, 0x56));
        clickButton(QStringLiteral("Command1")); // Old
        chooseInContrastMenu(QStringLiteral("&Black Background")); // away from the first-start white
        ChooseColor(*form, RGB(0xAB, 0xCD, 0xEF));
        chooseInContrastMenu(entry);
        const Color chosen(expected);
        QCOMPARE(background(), chosen);
        QCOMPARE(current(), RGB(0xAB, 0xCD, 0xEF));
        QCOMPARE(LoadContrastChoice().background, chosen);
        QCOMPARE(contrast().section(u' ', 0, 0),
            QString::fromStdString(ContrastOf(RGB(0xAB, 0xCD, 0xEF), chosen).ratioText()));

        chooseInContrastMenu(QStringLiteral("&Swap Colour and Background"));
        QCOMPARE(background(), RGB(0xAB, 0xCD, 0xEF));
        QCOMPARE(current(), chosen);
        QCOMPARE(child<QLineEdit>(QStringLiteral("txtColor_4"))->text(),
            QStringLiteral("#%1").arg(QString::fromStdString(GetHexVal(chosen.red(), chosen.green(), chosen.blue()))));
        QCOMPARE(child<Swatch>(QStringLiteral("lblSelColor"))->color(), chosen);
        QCOMPARE(LoadContrastChoice().background, RGB(0xAB, 0xCD, 0xEF));
    }

    // Ctrl+V on the line, or its menu's Paste, reads the clipboard as the background; the window's
    // own paste does not take the key there and the current colour stays.
    void aColourPastedOntoTheLineBecomesTheBackground()
    {
        ChooseColor(*form, RGB(255, 0, 0));
        contrastLabel()->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("navy"));
        QTest::keyClick(contrastLabel(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(background(), RGB(0, 0, 0x80));
        QCOMPARE(current(), RGB(255, 0, 0));
        QCOMPARE(LoadContrastChoice().background, RGB(0, 0, 0x80));
        // Text that holds no colour says why and leaves the background.
        QApplication::clipboard()->setText(QStringLiteral("not a colour"));
        QTest::keyClick(contrastLabel(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(background(), RGB(0, 0, 0x80));
        QVERIFY2(note().contains(QStringLiteral("not a colour")), qPrintable(note()));
        QApplication::clipboard()->setText(QStringLiteral("rgb(10 20 30)"));
        chooseInContrastMenu(QStringLiteral("&Paste as Background"));
        QCOMPARE(background(), RGB(10, 20, 30));
        QCOMPARE(current(), RGB(255, 0, 0));
        // Elsewhere Ctrl+V is still the window's paste of the current colour.
        view()->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("#00ff00"));
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(current(), RGB(0, 255, 0));
    }

    // The menu key and Shift+F10 open the line's menu; its level entries choose AA or AAA.
    void theKeyboardReachesTheLinesMenu()
    {
        for (const QKeyCombination key :
            {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            contrastLabel()->setFocus();
            QTest::keyClick(contrastLabel(), key.key(), key.keyboardModifiers());
            auto* menu = form->findChild<QMenu*>(QStringLiteral("contrastMenu"));
            QVERIFY2(menu && menu->isVisible(), qPrintable(QKeySequence(key).toString()));
            QStringList checked;
            for (QAction* action : menu->actions()) {
                if (action->isChecked())
                    checked << action->text();
            }
            QCOMPARE(checked, QStringList{QStringLiteral("Suggest for AA (&Minimum)")});
            menu->close();
        }
    }

    void theChoiceIsRememberedAndADamagedValueIsWhiteAndLeftAsItIs()
    {
        chooseInContrastMenu(QStringLiteral("&Black Background"));
        chooseInContrastMenu(QStringLiteral("Suggest for AAA (&Enhanced)"));
        form.reset();
        openWindow();
        QCOMPARE(background(), Color::black());
        QCOMPARE(form->controller().contrastCheck().aim().name, std::string_view("AAA"));
        // Hand-damaged values: the first-start choice, and the file stays byte for byte.
        for (const char* damaged : {"#12345g", "#0x1234", "black", "#1234567", ""}) {
            QVERIFY(
                SaveSetting(QStringLiteral("Contrast"), QStringLiteral("background"), QString::fromLatin1(damaged)));
            QVERIFY(SaveSetting(QStringLiteral("Contrast"), QStringLiteral("aim"), QStringLiteral("AA-large")));
            const QByteArray before = ReadAll(SettingsFilePath());
            form.reset();
            openWindow();
            QVERIFY2(background() == Color::white(), damaged);
            QCOMPARE(form->controller().contrastCheck().aim().name, std::string_view("AA"));
            ChooseColor(*form, RGB(0x77, 0x77, 0x77)); // a colour shown does not write either
            form.reset();
            QVERIFY2(ReadAll(SettingsFilePath()) == before, damaged);
        }
    }

    // Beside the levels while the pair fails: a click, or Enter on it, makes it the current colour.
    void theNearestPassingColourIsOfferedAndTaken()
    {
        QVERIFY(!suggestion()->isVisible());
        ChooseColor(*form, RGB(0x76, 0x76, 0x76)); // passes AA against white
        QVERIFY(!suggestion()->isVisible());
        chooseInContrastMenu(QStringLiteral("Suggest for AAA (&Enhanced)"));
        QVERIFY(suggestion()->isVisible());
        const Color offered = NearestPassingColor(RGB(0x76, 0x76, 0x76), Color::white(), 7).color;
        QCOMPARE(suggestion()->color(), offered);
        QCOMPARE(suggestion()->text(), QStringLiteral("#595959"));
        // It follows the levels on the same line, clear of the label's text.
        auto* label = child<QLabel>(QStringLiteral("lblContrast"));
        QVERIFY(suggestion()->geometry().left() >= label->geometry().right());
        QVERIFY(suggestion()->geometry().right() < child<QWidget>(QStringLiteral("contrastLine"))->width());
        QTest::mouseClick(suggestion(), Qt::LeftButton);
        QCOMPARE(current(), offered);
        QCOMPARE(child<QLineEdit>(QStringLiteral("txtColor_4"))->text(), QStringLiteral("#595959"));
        QCOMPARE(child<Swatch>(QStringLiteral("lblSelColor"))->color(), offered);
        QVERIFY(!suggestion()->isVisible());

        // By the keyboard: Tab from the line to the suggestion, Enter takes it, the focus stays on the line.
        chooseInContrastMenu(QStringLiteral("&Black Background"));
        QVERIFY(suggestion()->isVisible());
        const Color dark = suggestion()->color();
        QVERIFY(dark != offered);
        contrastLabel()->setFocus();
        QTest::keyClick(contrastLabel(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), suggestion());
        QTest::keyClick(suggestion(), Qt::Key_Return);
        QCOMPARE(current(), dark);
        QVERIFY(!suggestion()->isVisible());
        QCOMPARE(QApplication::focusWidget(), contrastLabel());
    }

    // --- palettes through the window -------------------------------------------------------------

    void importPlacesFromTheSelectedCellSavesAndRepaints()
    {
        WriteAll(colorsFile(), QByteArray()); // an empty file: all black
        const QString gpl = folder->filePath(QStringLiteral("three.gpl"));
        WriteAll(gpl, "GIMP Palette\nName: t\n#\n255 0 0\tred\n0 128 0\tgreen\n1 2 3\tx\n");
        openGrids();
        clickCell(5);
        importFile(gpl);
        QCOMPARE(takeMessage(), QString()); // everything fitted: nothing to say
        QCOMPARE(cellPixel(5), RGB(255, 0, 0));
        QCOMPARE(cellPixel(6), RGB(0, 128, 0));
        QCOMPARE(cellPixel(7), RGB(1, 2, 3));
        QCOMPARE(cellPixel(8), Color::black());
        const QStringList lines = savedLines();
        QCOMPARE(lines.size(), 225);
        QCOMPARE(lines[5].toInt(), static_cast<int>(RGB(255, 0, 0).value()));
        QCOMPARE(lines[7].toInt(), static_cast<int>(RGB(1, 2, 3).value()));
        QCOMPARE(form->controller().userColors()[6], RGB(0, 128, 0));
    }

    void importFromTheSafeGridShowsTheCustomGridAndSaysWhatWasLeftOut()
    {
        const QString css = folder->filePath(QStringLiteral("four.css"));
        WriteAll(css, ":root { --a: #010101; --b: RGB(2, 2, 2); --c: #f00; --d: 65535; }\n");
        openGrids();
        clickCell(223);
        child<QComboBox>(QStringLiteral("cmbPreset"))->setCurrentIndex(1);
        emit child<QComboBox>(QStringLiteral("cmbPreset"))->activated(1);
        QCOMPARE(form->controller().presetKind(), PresetKind::SafePalette);
        importFile(css);
        const QString text = takeMessage();
        QVERIFY2(text.contains(QStringLiteral("2 colours were left out")), qPrintable(text));
        QCOMPARE(form->controller().presetKind(), PresetKind::CustomColors);
        QCOMPARE(child<QComboBox>(QStringLiteral("cmbPreset"))->currentIndex(), 0);
        QCOMPARE(cellPixel(223), RGB(1, 1, 1));
        QCOMPARE(cellPixel(224), RGB(2, 2, 2));
        QCOMPARE(savedLines()[224].toInt(), static_cast<int>(RGB(2, 2, 2).value()));
    }

    void aDamagedFileChangesNeitherTheGridNorTheFile()
    {
        WriteAll(colorsFile(), QByteArray("0\n").repeated(1) + QByteArray("255\n").repeated(224));
        const QByteArray before = ReadAll(colorsFile());
        const QString gpl = folder->filePath(QStringLiteral("damaged.gpl"));
        WriteAll(gpl, "GIMP Palette\nName: t\n10 20 30\tok\n10 twenty 30\tbad\n");
        openGrids();
        clickCell(1);
        const Color cellBefore = cellPixel(2);
        importFile(gpl);
        const QString text = takeMessage();
        QVERIFY2(
            text.contains(QStringLiteral("damaged.gpl")) && text.contains(QStringLiteral("line 4")), qPrintable(text));
        QCOMPARE(ReadAll(colorsFile()), before);
        QCOMPARE(cellPixel(2), cellBefore);
        QCOMPARE(cellPixel(1), RGB(255, 0, 0));
    }

    void exportWritesAllCellsSetCellsOrTheHistoryInTheChosenFormat()
    {
        WriteAll(colorsFile(), "0\n255\n0\n65280\n" + QByteArray("0\n").repeated(221));
        openGrids();
        auto* menu = child<QPushButton>(QStringLiteral("cmdExport"))->menu();

        const QString all = folder->filePath(QStringLiteral("all.gpl"));
        triggerMenuEntry(menu, QStringLiteral("Export All Custom Colors…"));
        answerFileDialog(all);
        PaletteReadResult read = ReadPalette(PaletteFormat::Gpl, ReadAll(all).toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read.palette.entries.size(), std::size_t{224});
        QCOMPARE(read.palette.entries[0].color, RGB(255, 0, 0));
        QCOMPARE(read.palette.entries[0].name, std::string("red"));
        QCOMPARE(read.palette.entries[2].color, RGB(0, 255, 0));

        // A bare name takes the extension of the filter it was saved under.
        const QString setOnly = folder->filePath(QStringLiteral("set"));
        triggerMenuEntry(menu, QStringLiteral("Export Set Custom Colors…"));
        answerFileDialog(setOnly, QStringLiteral("JSON palette (*.json)"));
        read = ReadPalette(PaletteFormat::Json, ReadAll(setOnly + QStringLiteral(".json")).toStdString());
        QVERIFY2(read.ok(), read.error ? read.error->describe().c_str() : "");
        QCOMPARE(read.palette.entries.size(), std::size_t{2});

        // The history, from its own context menu.
        ChooseColor(*form, RGB(0x12, 0x34, 0x56));
        clickButton(QStringLiteral("Command1"));
        auto* history = child<QGroupBox>(QStringLiteral("Frame5"));
        QMenu* historyMenu
            = popUpMenu(child<QWidget>(QStringLiteral("hist_3")), QPoint(5, 5), QStringLiteral("historyMenu"));
        QVERIFY(historyMenu && history);
        const QString historyFile = folder->filePath(QStringLiteral("history.txt"));
        triggerMenuEntry(historyMenu, QStringLiteral("Export History…"));
        answerFileDialog(historyFile);
        const QStringList lines
            = QString::fromLatin1(ReadAll(historyFile)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines[0], QStringLiteral("#123456"));
    }

    // Black stored by Add or an import is a set cell: "Export Set Custom Colors…" takes it, also
    // after a restart, while the colours file holds 0 for it as before.
    void exportOfSetCellsTakesTheBlackCellsAddedAndImported()
    {
        click(FieldLeft, FieldBottom); // black becomes the New colour, and so the add colour
        QCOMPARE(form->controller().history().newColor, Color::black());
        openGrids();
        clickCell(3);
        clickButton(QStringLiteral("cmdADD"));
        QCOMPARE(takeMessage(), QString());
        const QString list = folder->filePath(QStringLiteral("bk.txt"));
        WriteAll(list, "#000000\n#ff0000\n#000000\n");
        clickCell(10);
        importFile(list);
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(savedLines().mid(3, 10).join(QLatin1Char(' ')), QStringLiteral("0 0 0 0 0 0 0 0 255 0"));

        for (const char* run : {"first run", "after a restart"}) {
            const QString exported = folder->filePath(QStringLiteral("set.txt"));
            QFile::remove(exported);
            triggerMenuEntry(
                child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export Set Custom Colors…"));
            answerFileDialog(exported);
            QVERIFY2(ReadAll(exported) == "#000000\n#000000\n#FF0000\n#000000\n", run);
            form.reset();
            openWindow();
            openGrids();
        }
    }

    // What a palette action did is told on the note line; a box would have to be closed each time.
    void importAndExportSayOnTheNoteLineWhatTheyDid()
    {
        QByteArray palette = "GIMP Palette\nName: t\n";
        for (int i = 0; i < 27; ++i)
            palette += QByteArray::number(i) + " 0 0\tc\n";
        const QString gpl = folder->filePath(QStringLiteral("many.gpl"));
        WriteAll(gpl, palette);
        openGrids();
        clickCell(1);
        importFile(gpl);
        QCOMPARE(takeMessage(), QString());
        QCOMPARE(note(), QStringLiteral("Imported 27 colours into cells 1 to 27."));

        triggerMenuEntry(
            child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export All Custom Colors…"));
        answerFileDialog(folder->filePath(QStringLiteral("pal.gpl")));
        QCOMPARE(note(), QStringLiteral("Saved 224 colours to pal.gpl"));
    }

    // The first dialog opens in the home folder, whatever folder the program was started from; each
    // later one where the file chosen last lies, also in a window opened afterwards.
    void theFileDialogsStartInTheFolderUsedLastOrTheHomeFolder()
    {
        QTemporaryDir startFolder;
        QVERIFY(startFolder.isValid());
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(startFolder.path()));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QDir::homePath() != startFolder.path());
        openGrids();

        clickButton(QStringLiteral("cmdImport"));
        QFileDialog* dialog = waitForFileDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->directory().absolutePath(), QDir(QDir::homePath()).absolutePath());
        QDir(folder->path()).mkdir(QStringLiteral("sub"));
        const QString list = folder->filePath(QStringLiteral("sub/one.txt"));
        WriteAll(list, "#abc\n");
        answerFileDialog(list);

        triggerMenuEntry(child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export History…"));
        dialog = waitForFileDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->directory().absolutePath(), QFileInfo(list).absolutePath());
        answerFileDialog(folder->filePath(QStringLiteral("history.gpl")));

        clickButton(QStringLiteral("cmdImport"));
        dialog = waitForFileDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->directory().absolutePath(), folder->path());
        dialog->reject();

        // The next run's first dialog starts there too.
        openWindow();
        openGrids();
        clickButton(QStringLiteral("cmdImport"));
        dialog = waitForFileDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->directory().absolutePath(), folder->path());
        dialog->reject();
    }

    void theGridsContextMenuOffersImportAndExportOnlyOverTheGrid()
    {
        QVERIFY(!popUpMenu(view(), QPoint(FieldLeft + 20, FieldTop + 20), QStringLiteral("gridMenu")));
        openGrids();
        QVERIFY(!popUpMenu(view(), QPoint(FieldLeft + 20, 400), QStringLiteral("gridMenu")));
        QMenu* menu = popUpMenu(view(), QPoint(FieldLeft + 20, FieldTop + 20), QStringLiteral("gridMenu"));
        QVERIFY(menu);
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << action->text();
        QCOMPARE(entries,
            (QStringList{QStringLiteral("Import…"), QStringLiteral("Export All Custom Colors…"),
                QStringLiteral("Export Set Custom Colors…"), QStringLiteral("Export History…")}));
        // Import from the menu opens the same dialog.
        const QString list = folder->filePath(QStringLiteral("one.txt"));
        WriteAll(list, "#abc\n");
        clickCell(9);
        triggerMenuEntry(menu, QStringLiteral("Import…"));
        answerFileDialog(list);
        QCOMPARE(cellPixel(9), RGB(0xAA, 0xBB, 0xCC));
    }

    // "pal" typed under the GIMP filter is "pal.gpl": the dialog asks before replacing that file.
    void exportAsksBeforeReplacingAFileAlsoWhenItsExtensionWasLeftOut()
    {
        const QString typed = folder->filePath(QStringLiteral("pal"));
        const QString existing = typed + QStringLiteral(".gpl");
        openGrids();
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            WriteAll(existing, "PRECIOUS\n");
            triggerMenuEntry(
                child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export All Custom Colors…"));
            QFileDialog* dialog = waitForFileDialog();
            QVERIFY(dialog);
            dialog->selectFile(typed);
            const QString question
                = AnswerQuestionDuring(dialog, answer, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
            QVERIFY2(question.contains(QStringLiteral("pal.gpl")), qPrintable(question));
            if (answer == QMessageBox::No) {
                QCOMPARE(ReadAll(existing), QByteArray("PRECIOUS\n"));
                QVERIFY(dialog->isVisible()); // for another name
                dialog->reject();
            } else {
                QVERIFY(ReadAll(existing).startsWith("GIMP Palette\n"));
            }
            QTRY_VERIFY_WITH_TIMEOUT(!fileDialog(), 2000);
        }
        QVERIFY(!QFile::exists(typed));
    }

    void aFailedExportKeepsWhatWasThereAndSaysWhy_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << Obstacle::Fifo << "it is not a regular file";
        QTest::newRow("no room") << Obstacle::SizeLimit << "File too large";
    }
    void aFailedExportKeepsWhatWasThereAndSaysWhy()
    {
        QFETCH(Obstacle, obstacle);
        QFETCH(QString, reason);
        const QString target = folder->filePath(QStringLiteral("mine.gpl"));
        const QByteArray old = "GIMP Palette\n1 2 3\n";
        if (obstacle == Obstacle::Fifo)
            QVERIFY(MakeFifo(target));
        else
            WriteAll(target, old);
        openGrids();
        triggerMenuEntry(
            child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export All Custom Colors…"));
        QFileDialog* dialog = waitForFileDialog();
        QVERIFY(dialog);
        dialog->selectFile(target);
        {
            std::optional<FileSizeLimit> limit;
            if (obstacle == Obstacle::SizeLimit)
                limit.emplace(1000); // less than the 224 cells take
            AnswerQuestionDuring(dialog, QMessageBox::Yes, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        }
        const QString text = takeMessage();
        QCOMPARE(text, QStringLiteral("The palette could not be saved to \"%1\": %2").arg(target, reason));
        if (obstacle == Obstacle::Fifo)
            QCOMPARE(TypeAt(target), mode_t(S_IFIFO));
        else
            QCOMPARE(ReadAll(target), old);
    }

    // A FIFO without a writer would hold the window until something wrote to it.
    void importRefusesAFifoWithoutWaitingOnIt()
    {
        const QString fifo = folder->filePath(QStringLiteral("pipe.gpl"));
        QVERIFY(MakeFifo(fifo));
        const QByteArray before = ReadAll(colorsFile());
        openGrids();
        QElapsedTimer clock;
        clock.start();
        importFile(fifo);
        QCOMPARE(takeMessage(), QStringLiteral("Cannot read \"%1\": it is not a regular file").arg(fifo));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(ReadAll(colorsFile()), before);
    }

    void aFailedExportSaysWhyAndKeepsThePreviousFile()
    {
        openGrids();
        const QString target = folder->filePath(QStringLiteral("missing/sub/out.css"));
        triggerMenuEntry(child<QPushButton>(QStringLiteral("cmdExport"))->menu(), QStringLiteral("Export History…"));
        answerFileDialog(target);
        const QString text = takeMessage();
        QVERIFY2(text.contains(QStringLiteral("out.css")), qPrintable(text));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(MainWindowBandTest)
#include "main_window_band_test.moc"
