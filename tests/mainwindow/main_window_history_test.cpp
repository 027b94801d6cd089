// The colour history kept between runs: a restart of the window with the same settings file shows
// it again, "Clear History" empties it for good, two windows writing it leave one whole history,
// and a damaged stored value costs only the swatches it damages.

#include "mainwindow/main_window.h"
#include "mainwindow/swatch.h"
#include "platform/history_store.h"
#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pelmora;

Q_DECLARE_METATYPE(pelmora::HistoryColors)

namespace {

constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kGreen = RGB(0, 128, 0);
constexpr Color kBlue = RGB(0, 0, 255);

HistoryColors Newest(std::initializer_list<Color> colors)
{
    HistoryColors history{};
    std::copy(colors.begin(), colors.end(), history.begin());
    return history;
}

char* Described(const HistoryColors& colors) { return qstrdup(qPrintable(HistoryText(colors))); }

} // namespace

namespace QTest {
template <> char* toString(const HistoryColors& colors) { return Described(colors); }
} // namespace QTest

class MainWindowHistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;
    QTemporaryDir dataFolder;

    std::unique_ptr<MainWindow> openWindow()
    {
        auto form = std::make_unique<MainWindow>();
        form->setUserColorsFile(UserColorsFile(dataFolder.path(), dataFolder.filePath(QStringLiteral("data"))));
        return form;
    }
    // New takes `color` in the controller (a system colour or no colour has no code to paste);
    // the Keep click brings the swatches up to date.
    static void keep(MainWindow& form, Color color)
    {
        form.controller().SetNewColor(color);
        QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    }
    // What the swatches show, not only what the controller holds.
    static HistoryColors shown(MainWindow& form)
    {
        HistoryColors colors{};
        for (int i = 0; i < kHistoryLength; ++i)
            colors[static_cast<std::size_t>(i)] = form.findChild<Swatch*>(QStringLiteral("hist_%1").arg(i))->color();
        return colors;
    }
    static HistoryColors shownAfterRestart(std::unique_ptr<MainWindow>& form, MainWindowHistoryTest& test)
    {
        form.reset();
        form = test.openWindow();
        return shown(*form);
    }
    static QByteArray ReadAll()
    {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        QVERIFY(dataFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    }
    void init() { QFile::remove(SettingsFilePath()); }

    void theHistorySurvivesARestartWithTheSameSettings()
    {
        auto form = openWindow();
        QCOMPARE(shown(*form), HistoryColors{}); // nothing saved yet: as at every first start
        keep(*form, kRed);
        keep(*form, kGreen);
        keep(*form, Color::systemCode(5));
        keep(*form, Color::none()); // a pick off the picture
        const HistoryColors expected = Newest({Color::none(), Color::systemCode(5), kGreen, kRed});
        QCOMPARE(shown(*form), expected);
        QCOMPARE(shownAfterRestart(form, *this), expected);
        QCOMPARE(form->controller().history().kept, expected);
    }

    void clearHistoryEmptiesTheSwatchesAndTheNextStartShowsThemEmpty()
    {
        auto form = openWindow();
        keep(*form, kBlue);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // Over a swatch: the swatches leave the menu to their frame.
        QWidget* swatch = form->findChild<QWidget*>(QStringLiteral("hist_3"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), swatch->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(swatch, &event);
        QMenu* menu = form->findChild<QMenu*>(QStringLiteral("historyMenu"));
        QVERIFY(menu);
        QAction* clear = nullptr;
        for (QAction* action : menu->actions())
            clear = action->text() == QStringLiteral("Clear History") ? action : clear;
        QVERIFY2(clear, "no \"Clear History\" in the history's menu");
        clear->trigger();
        menu->close();
        QCOMPARE(shown(*form), HistoryColors{});
        QCOMPARE(shownAfterRestart(form, *this), HistoryColors{});
    }

    void twoWindowsLeaveTheWholeHistoryOfTheLastToWrite()
    {
        auto first = openWindow();
        auto second = openWindow();
        keep(*first, kRed);
        keep(*first, kGreen);
        keep(*second, kBlue);
        QCOMPARE(shownAfterRestart(first, *this), Newest({kBlue}));
        keep(*first, kRed); // the first copy now writes its own whole history
        QCOMPARE(shownAfterRestart(second, *this), Newest({kRed, kBlue}));
    }

    // The value as it stands in the file, hand-edited or cut off.
    void aDamagedValueLosesOnlyWhatItDamages_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<HistoryColors>("expected");
        HistoryColors allBlue{};
        allBlue.fill(kBlue);
        QTest::newRow("readable") << QByteArray("#ff0000 #008000 system:5 none")
                                  << Newest({kRed, kGreen, Color::systemCode(5), Color::none()});
        QTest::newRow("bad words are black")
            << QByteArray("#ff0000 #zz0000 #12345 system:25 system:x #0000ff")
            << Newest({kRed, Color::black(), Color::black(), Color::black(), Color::black(), kBlue});
        QTest::newRow("cut short") << QByteArray("#0000ff #ff00") << Newest({kBlue});
        QTest::newRow("too long") << QByteArray("#0000ff ").repeated(30) << allBlue;
        QTest::newRow("a list, not a text") << QByteArray("#ff0000, #0000ff") << HistoryColors{};
        QTest::newRow("not text at all") << QByteArray("@ByteArray(\x01\x02\xff)") << HistoryColors{};
        QTest::newRow("empty") << QByteArray() << HistoryColors{};
    }
    void aDamagedValueLosesOnlyWhatItDamages()
    {
        QFETCH(QByteArray, stored);
        QFETCH(HistoryColors, expected);
        QVERIFY(SaveChosenNotation(QStringLiteral("oklch")));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.write("\n[History]\ncolors=" + stored + "\n") > 0);
        file.close();
        const QByteArray before = ReadAll();
        auto form = openWindow();
        QCOMPARE(shown(*form), expected);
        // Reading it rewrote nothing, and the other settings are all there.
        QCOMPARE(ReadAll(), before);
        QCOMPARE(LoadChosenNotation(), QStringLiteral("oklch"));
    }
};

QTEST_MAIN(MainWindowHistoryTest)
#include "main_window_history_test.moc"
