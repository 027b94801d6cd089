// The notation row and the contrast label, standalone; the settings go to a private folder.
#include "mainwindow/contrast_label.h"
#include "mainwindow/notation_row.h"
#include "notations/named_colors.h"
#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
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

    // What the row hands on to the screen loupe writes each choice as the row shows it.
    void theLoupeGetsTheRowsChoice()
    {
        NotationRow row;
        const Color orange = RGB(255, 128, 0);
        row.setColor(orange);
        for (const QString& key :
            {QStringLiteral("template:Vec3"), QStringLiteral("hsl"), QStringLiteral("display-p3")}) {
            listOf(row)->setCurrentIndex(listOf(row)->findData(key));
            const CodeWriter writer = row.codeWriter();
            QVERIFY2(writer, qPrintable(key));
            QCOMPARE(QString::fromStdString(writer(orange).value_or("none")), fieldOf(row)->text());
        }
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("template:Broken")));
        QVERIFY(!row.codeWriter());
    }

    void aTextlessChoiceDisablesCopyAndSaysWhy()
    {
        NotationRow row;
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("template:Broken")));
        QCOMPARE(fieldOf(row)->text(), QString());
        QVERIFY(!copyOf(row)->isEnabled());
        QVERIFY2(fieldOf(row)->toolTip().contains(QStringLiteral("unknown placeholder {x} at position 1")),
            qPrintable(fieldOf(row)->toolTip()));
        // The reason is told once as the template is chosen, not again with every colour.
        QSignalSpy unusable(&row, &NotationRow::unusable);
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("html")));
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("template:Broken")));
        row.setColor(RGB(1, 2, 3));
        QCOMPARE(unusable.count(), 1);
        QCOMPARE(unusable.at(0).at(0).toString(), fieldOf(row)->toolTip());
        // No colour yet: nothing to show and nothing to copy.
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("html")));
        row.setColor(std::nullopt);
        QCOMPARE(fieldOf(row)->text(), QString());
        QVERIFY(!copyOf(row)->isEnabled());
        listOf(row)->setCurrentIndex(listOf(row)->findData(QStringLiteral("css-name")));
        row.setColor(RGB(255, 128, 0));
        QVERIFY(!copyOf(row)->isEnabled());
        row.setColor(RGB(255, 165, 0));
        QCOMPARE(fieldOf(row)->text(), QStringLiteral("orange"));
        QVERIFY(copyOf(row)->isEnabled());
    }

    // A pattern the settings file holds in a form that cannot be read is not used as an empty one.
    void anUnreadablePatternDisablesCopyAndSaysWhy()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        const auto restore = qScopeGuard(
            [this] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path()); });
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath()));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Notations]\nchosen=template:Odd\n[Templates]\n1\\name=Odd\n1\\pattern=\"x\", {r}\n");
        file.close();
        NotationRow row;
        QCOMPARE(listOf(row)->currentData().toString(), QStringLiteral("template:Odd"));
        QCOMPARE(fieldOf(row)->text(), QString());
        QVERIFY(!copyOf(row)->isEnabled());
        QVERIFY2(fieldOf(row)->toolTip().contains(QStringLiteral("write it in double quotes")),
            qPrintable(fieldOf(row)->toolTip()));
    }

    // A choice that cannot be stored is said once, not at every change.
    void aChoiceThatCannotBeRememberedIsSaidOnce()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        const auto restore = qScopeGuard(
            [this] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path()); });
        QVERIFY(QDir().mkpath(SettingsFilePath())); // a folder where the file should be
        NotationRow row;
        QSignalSpy unsaved(&row, &NotationRow::unsaved);
        listOf(row)->setCurrentIndex(2);
        listOf(row)->setCurrentIndex(3);
        QCOMPARE(unsaved.count(), 1);
        const QString note = unsaved.first().first().toString();
        QVERIFY2(
            note.startsWith(QStringLiteral("Your choice of notation could not be remembered: ")), qPrintable(note));
    }

    void contrastLabelShowsRatioLevelsAndName()
    {
        ContrastLabel label;
        QCOMPARE(label.objectName(), QStringLiteral("lblContrast"));
        // No colour chosen: no ratio and no name.
        QCOMPARE(label.text(), QString());
        QVERIFY(!label.accessibleName().isEmpty());
        label.setColors(RGB(0x76, 0x76, 0x76), Color::white());
        QVERIFY2(label.text().startsWith(QStringLiteral("4.54:1 AA AA large AAA large UI \u00b7 \u2248 ")),
            qPrintable(label.text()));
        label.setColors(RGB(255, 165, 0), Color::black());
        QVERIFY2(label.text().endsWith(QStringLiteral(" \u00b7 = orange")), qPrintable(label.text()));
        // The line reaches assistive technology in the label's name.
        QVERIFY2(label.accessibleName().endsWith(label.text()), qPrintable(label.accessibleName()));
        label.setColors(Color::white(), Color::white());
        QCOMPARE(label.text(), QStringLiteral("1:1 none \u00b7 = white"));
        label.setColors(std::nullopt, Color::white());
        QCOMPARE(label.text(), QString());
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
