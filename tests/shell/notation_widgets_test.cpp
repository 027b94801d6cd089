// The notation row and the contrast label, standalone; the settings go to a private folder.
#include "mainwindow/contrast_label.h"
#include "mainwindow/notation_row.h"
#include "notations/named_colors.h"
#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;

class NotationWidgetsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir configHome;

    static QComboBox* listOf(NotationRow& row) { return row.findChild<QComboBox*>(QStringLiteral("cmbNotation")); }
    static QLineEdit* fieldOf(NotationRow& row) { return row.findChild<QLineEdit*>(QStringLiteral("txtNotation")); }
    static QPushButton* copyOf(NotationRow& row)
    {
        return row.findChild<QPushButton*>(QStringLiteral("cmdCopyNotation"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
        QVERIFY(SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")));
        QVERIFY(SaveUserTemplates({{"Vec3", "vec3({rf}, {gf}, {bf})"}, {"Broken", "{x}"}}));
        QVERIFY(SaveChosenNotation(QStringLiteral("oklch")));
    }

    void templatesAndChoiceLiveBesideShowHelp()
    {
        const std::vector<UserTemplate> expected = {{"Vec3", "vec3({rf}, {gf}, {bf})"}, {"Broken", "{x}"}};
        QCOMPARE(LoadUserTemplates(), expected);
        QCOMPARE(LoadChosenNotation(), QStringLiteral("oklch"));
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QString()), QStringLiteral("0"));
    }

    void rowRestoresTheChoiceAndShowsTheCode()
    {
        NotationRow row;
        QVERIFY(listOf(row) && fieldOf(row) && copyOf(row));
        QVERIFY(fieldOf(row)->isReadOnly());
        QVERIFY(!listOf(row)->accessibleName().isEmpty());
        QVERIFY(!fieldOf(row)->accessibleName().isEmpty());
        QVERIFY(!copyOf(row)->accessibleName().isEmpty());
        QCOMPARE(listOf(row)->currentData().toString(), QStringLiteral("oklch"));
        row.setColor(RGB(255, 0, 0));
        QCOMPARE(fieldOf(row)->text(), QStringLiteral("oklch(62.8% 0.258 29.2)"));
        // 20 built-ins (display-p3 among them) and the two templates.
        QCOMPARE(listOf(row)->count(), 22);
    }

    void choosingATemplateIsRememberedAndCopied()
    {
        {
            NotationRow row;
            row.setColor(RGB(255, 128, 0));
            listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("template:Vec3")));
            QCOMPARE(fieldOf(row)->text(), QStringLiteral("vec3(1.000, 0.502, 0.000)"));
            QSignalSpy copied(&row, &NotationRow::copied);
            QTest::mouseClick(copyOf(row), Qt::LeftButton);
            QCOMPARE(copied.count(), 1);
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("vec3(1.000, 0.502, 0.000)"));
        }
        QCOMPARE(LoadChosenNotation(), QStringLiteral("template:Vec3"));
        NotationRow again;
        QCOMPARE(listOf(again)->currentData().toString(), QStringLiteral("template:Vec3"));
    }

    void aTextlessChoiceDisablesCopyAndSaysWhy()
    {
        NotationRow row;
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("template:Broken")));
        QCOMPARE(fieldOf(row)->text(), QString());
        QVERIFY(!copyOf(row)->isEnabled());
        QVERIFY2(fieldOf(row)->toolTip().contains(QStringLiteral("unknown placeholder {x} at position 1")),
            qPrintable(fieldOf(row)->toolTip()));
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("css-name")));
        row.setColor(RGB(255, 128, 0));
        QVERIFY(!copyOf(row)->isEnabled());
        row.setColor(RGB(255, 165, 0));
        QCOMPARE(fieldOf(row)->text(), QStringLiteral("orange"));
        QVERIFY(copyOf(row)->isEnabled());
    }

    void contrastLabelShowsRatioLevelsAndName()
    {
        ContrastLabel label;
        QCOMPARE(label.objectName(), QStringLiteral("lblContrast"));
        label.setColors(RGB(0x76, 0x76, 0x76), Color::white());
        QVERIFY2(label.text().startsWith(QStringLiteral("4.54:1 AA AA large AAA large UI  \u2248 ")),
            qPrintable(label.text()));
        label.setColors(RGB(255, 165, 0), Color::black());
        QVERIFY2(label.text().endsWith(QStringLiteral("  = orange")), qPrintable(label.text()));
        label.setColors(Color::white(), Color::white());
        QCOMPARE(label.text(), QStringLiteral("1:1 none  = white"));
    }

    void cssNamesAgreeWithQtsTable()
    {
        // Qt knows the SVG names; every one of them must have Qt's colour here.
        int known = 0;
        for (const NamedColor& named : CssNamedColors()) {
            const QString name = QString::fromUtf8(named.name.data(), static_cast<qsizetype>(named.name.size()));
            if (!QColor::isValidColorName(name))
                continue;
            ++known;
            const QColor qt = QColor::fromString(name);
            QCOMPARE(RGB(qt.red(), qt.green(), qt.blue()), named.color);
        }
        QVERIFY(known >= 147);
    }
};

QTEST_MAIN(NotationWidgetsTest)
#include "notation_widgets_test.moc"
