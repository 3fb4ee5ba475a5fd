#include "app/application.h"
#include "app/settingsdialog.h"
#include "cleaners/startupmanager.h"
#include "dialogcloser.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstRunShowsTheDefaults();
    void showsTheStoredValues();
    void cancelWritesNothing();
    void saveWritesAllFourKeys();
    void aboutButtonOpensTheAboutCard();
    void startAtLoginIsTheOwnAgent();

private:
    QCheckBox *box(const SettingsDialog &dialog, const QString &text) const;
    QPushButton *button(const SettingsDialog &dialog, const QString &text) const;
    QSettings *settings() const;

    TestHome *m_home = nullptr;
};

void TestSettingsDialog::init()
{
    m_home = new TestHome;
    Application::instance()->initialize();
}

void TestSettingsDialog::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

QCheckBox *TestSettingsDialog::box(const SettingsDialog &dialog, const QString &text) const
{
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
    for (QCheckBox *candidate : boxes) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QPushButton *TestSettingsDialog::button(const SettingsDialog &dialog, const QString &text) const
{
    const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
    for (QPushButton *candidate : buttons) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QSettings *TestSettingsDialog::settings() const
{
    return Application::instance()->settings();
}

void TestSettingsDialog::firstRunShowsTheDefaults()
{
    const SettingsDialog dialog;
    QVERIFY(!box(dialog, QStringLiteral("Start with Windows"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Minimize to tray on close"))->isChecked());
    QVERIFY(box(dialog, QStringLiteral("Confirm before cleaning"))->isChecked());
    QVERIFY(box(dialog, QStringLiteral("Auto backup before registry cleaning"))->isChecked());
}

void TestSettingsDialog::showsTheStoredValues()
{
    settings()->setValue(QStringLiteral("general/minimizeToTray"), true);
    settings()->setValue(QStringLiteral("clean/confirmClean"), false);
    settings()->setValue(QStringLiteral("clean/backupRegistry"), false);
    const SettingsDialog dialog;
    QVERIFY(box(dialog, QStringLiteral("Minimize to tray on close"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Confirm before cleaning"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Auto backup before registry cleaning"))->isChecked());
}

void TestSettingsDialog::cancelWritesNothing()
{
    settings()->setValue(QStringLiteral("general/minimizeToTray"), true);
    settings()->sync();
    SettingsDialog dialog;
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
    for (QCheckBox *candidate : boxes)
        candidate->setChecked(!candidate->isChecked());

    QTest::mouseClick(button(dialog, QStringLiteral("Cancel")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QSettings stored(settings()->fileName(), QSettings::IniFormat);
    QCOMPARE(stored.allKeys(), QStringList { QStringLiteral("general/minimizeToTray") });
    QCOMPARE(stored.value(QStringLiteral("general/minimizeToTray")).toBool(), true);
}

void TestSettingsDialog::saveWritesAllFourKeys()
{
    SettingsDialog dialog;
    box(dialog, QStringLiteral("Minimize to tray on close"))->setChecked(true);
    box(dialog, QStringLiteral("Auto backup before registry cleaning"))->setChecked(false);

    QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Read back from the file: Save must have reached the disk.
    QSettings stored(settings()->fileName(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("general/autoStart")).toBool(), false);
    QCOMPARE(stored.value(QStringLiteral("general/minimizeToTray")).toBool(), true);
    QCOMPARE(stored.value(QStringLiteral("clean/confirmClean")).toBool(), true);
    QCOMPARE(stored.value(QStringLiteral("clean/backupRegistry")).toBool(), false);
}

void TestSettingsDialog::aboutButtonOpensTheAboutCard()
{
    SettingsDialog dialog;
    DialogCloser closer;
    QTest::mouseClick(button(dialog, QStringLiteral("About")), Qt::LeftButton);
    QCOMPARE(closer.titles().size(), 1);
    QVERIFY(!settings()->contains(QStringLiteral("general/autoStart")));
}

void TestSettingsDialog::startAtLoginIsTheOwnAgent()
{
    const FakeTools tools;
    StartupManager *startup = Application::instance()->startupManager();
    const QString agent
        = m_home->filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Sweepnook.plist"));
    {
        SettingsDialog dialog;
        QVERIFY(!box(dialog, QStringLiteral("Start with Windows"))->isChecked());
        box(dialog, QStringLiteral("Start with Windows"))->setChecked(true);
        QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    }
    QVERIFY(QFile::exists(agent));
    QVERIFY(startup->startsAtLogin());
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootstrap gui/501 ") + agent));
    {
        SettingsDialog dialog;
        QVERIFY(box(dialog, QStringLiteral("Start with Windows"))->isChecked());
        box(dialog, QStringLiteral("Start with Windows"))->setChecked(false);
        QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    }
    QVERIFY(!QFile::exists(agent));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootout gui/501 ") + agent));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QUELMO"));
    QCoreApplication::setApplicationName(QStringLiteral("Sweepnook"));
    TestSettingsDialog test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settingsdialog.moc"
