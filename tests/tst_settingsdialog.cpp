#include "app/aboutdialog.h"
#include "app/settingsdialog.h"
#include "core/settings.h"
#include "cleaners/startupmanager.h"
#include "dialogcloser.h"
#include "faketools.h"
#include "messageboxanswerer.h"
#include "testhome.h"

#include <QtTest>

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
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
    void saveWritesTheThreeShownKeys();
    void savedValuesComeBackAfterARestart();
    void aboutButtonOpensTheAboutCard();
    void aboutNamesEveryFeatureOfTheSideBar();
    void startAtLoginIsTheOwnAgent();
    void startAtLoginWaitsForASlowLaunchctl();
    void startAtLoginFailureIsShown();

private:
    QCheckBox *box(const SettingsDialog &dialog, const QString &text) const;
    QPushButton *button(const SettingsDialog &dialog, const QString &text) const;
    QString iniFileName() const;

    TestHome *m_home = nullptr;
    Settings m_settings;
};

void TestSettingsDialog::init()
{
    m_home = new TestHome;
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

QString TestSettingsDialog::iniFileName() const
{
    return m_settings.fileName(SettingsStore::Ini);
}

void TestSettingsDialog::firstRunShowsTheDefaults()
{
    SettingsDialog dialog(&m_settings);
    QVERIFY(!box(dialog, QStringLiteral("Start at login"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Minimize to tray on close"))->isChecked());
    QVERIFY(box(dialog, QStringLiteral("Confirm before cleaning"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Auto backup before registry cleaning")));
}

void TestSettingsDialog::showsTheStoredValues()
{
    m_settings.setValue(Settings::AutoStart, true);
    m_settings.setValue(Settings::MinimizeToTray, true);
    m_settings.setValue(Settings::ConfirmClean, false);
    SettingsDialog dialog(&m_settings);
    QVERIFY(box(dialog, QStringLiteral("Start at login"))->isChecked());
    QVERIFY(box(dialog, QStringLiteral("Minimize to tray on close"))->isChecked());
    QVERIFY(!box(dialog, QStringLiteral("Confirm before cleaning"))->isChecked());
}

void TestSettingsDialog::cancelWritesNothing()
{
    m_settings.setValue(Settings::MinimizeToTray, true);
    SettingsDialog dialog(&m_settings);
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
    for (QCheckBox *candidate : boxes)
        candidate->setChecked(!candidate->isChecked());

    QTest::mouseClick(button(dialog, QStringLiteral("Cancel")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QSettings stored(iniFileName(), QSettings::IniFormat);
    QCOMPARE(stored.allKeys(), QStringList { QStringLiteral("General/minimizeToTray") });
    QCOMPARE(stored.value(QStringLiteral("General/minimizeToTray")).toBool(), true);
}

void TestSettingsDialog::saveWritesTheThreeShownKeys()
{
    SettingsDialog dialog(&m_settings);
    box(dialog, QStringLiteral("Minimize to tray on close"))->setChecked(true);

    QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Read back from the file: Save must have reached the disk.
    QSettings stored(iniFileName(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("General/autoStart")).toBool(), false);
    QCOMPARE(stored.value(QStringLiteral("General/minimizeToTray")).toBool(), true);
    QCOMPARE(stored.value(QStringLiteral("clean/confirmClean")).toBool(), true);
    // The registry-backup flag has no box on a Mac: Save leaves it as it was.
    QVERIFY(!stored.contains(QStringLiteral("clean/backupRegistry")));
}

// Tick both general boxes, Save, quit and start again: both come back ticked, from a file with
// one "[%General]" section.
void TestSettingsDialog::savedValuesComeBackAfterARestart()
{
    for (int run = 0; run < 2; ++run) {
        SettingsDialog dialog(&m_settings);
        box(dialog, QStringLiteral("Start at login"))->setChecked(true);
        box(dialog, QStringLiteral("Minimize to tray on close"))->setChecked(true);
        QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    }

    Settings restarted;
    const SettingsDialog dialog(&restarted);
    QVERIFY(box(dialog, QStringLiteral("Start at login"))->isChecked());
    QVERIFY(box(dialog, QStringLiteral("Minimize to tray on close"))->isChecked());
    QVERIFY(restarted.flag(Settings::MinimizeToTray));
    QFile file(iniFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("[%General]"), qsizetype(1));
}

void TestSettingsDialog::aboutButtonOpensTheAboutCard()
{
    SettingsDialog dialog(&m_settings);
    DialogCloser closer;
    QTest::mouseClick(button(dialog, QStringLiteral("About")), Qt::LeftButton);
    QCOMPARE(closer.titles().size(), 1);
    QVERIFY(!m_settings.contains(Settings::AutoStart));
}

void TestSettingsDialog::aboutNamesEveryFeatureOfTheSideBar()
{
    const QString summary = AboutDialog::featureSummary();
    for (const char *feature : { "Dashboard", "Junk Cleaner", "Browser Cleaner", "Startup Manager", "Large Files",
             "App Uninstaller", "Duplicate Files", "Privacy Cleaner" })
        QVERIFY2(summary.contains(QLatin1String(feature) + QStringLiteral(" - ")), feature);
    // The registry cleaner is a Windows feature, hidden here.
    QVERIFY(!summary.contains(QStringLiteral("Registry")));
}

void TestSettingsDialog::startAtLoginIsTheOwnAgent()
{
    const FakeTools tools;
    StartupManager manager;
    StartupManager *startup = &manager;
    const QString agent
        = m_home->filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Sweepnook.plist"));
    {
        SettingsDialog dialog(&m_settings, startup);
        QVERIFY(!box(dialog, QStringLiteral("Start at login"))->isChecked());
        box(dialog, QStringLiteral("Start at login"))->setChecked(true);
        QSignalSpy closed(&dialog, &QDialog::finished);
        QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
        QVERIFY(closed.count() == 1 || closed.wait(60000));
    }
    QVERIFY(QFile::exists(agent));
    QVERIFY(startup->startsAtLogin());
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootstrap gui/501 ") + agent));
    {
        SettingsDialog dialog(&m_settings, startup);
        QVERIFY(box(dialog, QStringLiteral("Start at login"))->isChecked());
        box(dialog, QStringLiteral("Start at login"))->setChecked(false);
        QSignalSpy closed(&dialog, &QDialog::finished);
        QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
        QVERIFY(closed.count() == 1 || closed.wait(60000));
    }
    QVERIFY(!QFile::exists(agent));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootout gui/501 ") + agent));
}

// Save starts the change and returns: the dialog stays open, handling events with its buttons
// off, until launchctl has answered; then it shows the agent and closes.
void TestSettingsDialog::startAtLoginWaitsForASlowLaunchctl()
{
    const FakeTools tools;
    StartupManager manager;
    const QString agent
        = m_home->filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Sweepnook.plist"));
    const QString gate = m_home->filePath(QStringLiteral("launchctl may answer"));
    qputenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE", QFile::encodeName(gate));
    const auto ungate = qScopeGuard([] { qunsetenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE"); });
    SettingsDialog dialog(&m_settings, &manager);
    box(dialog, QStringLiteral("Start at login"))->setChecked(true);
    QSignalSpy closed(&dialog, &QDialog::finished);
    QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    QCOMPARE(closed.count(), 0);
    QVERIFY(!button(dialog, QStringLiteral("Save"))->isEnabled());
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl gave up")));
    QTRY_VERIFY_WITH_TIMEOUT(tools.callLog().contains(QStringLiteral("launchctl bootstrap")), 60000);
    bool handled = false;
    QTimer::singleShot(0, &dialog, [&handled] { handled = true; });
    QTRY_VERIFY(handled);
    // Escape does not close it under the running change.
    dialog.reject();
    QCOMPARE(closed.count(), 0);
    QVERIFY(!QFile::exists(gate));
    m_home->makeFile(QStringLiteral("launchctl may answer"), 0);
    QVERIFY(closed.wait(60000));
    QCOMPARE(closed.first().first().toInt(), int(QDialog::Accepted));
    QVERIFY(QFile::exists(agent));
    QVERIFY(box(dialog, QStringLiteral("Start at login"))->isChecked());
    QVERIFY(button(dialog, QStringLiteral("Save"))->isEnabled());
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl gave up")));
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl load")));
}

void TestSettingsDialog::startAtLoginFailureIsShown()
{
    const FakeTools tools;
    // The LaunchAgents folder cannot be made: a file has its name.
    m_home->makeFile(QStringLiteral("Library/LaunchAgents"), 10);
    StartupManager manager;
    SettingsDialog dialog(&m_settings, &manager);
    box(dialog, QStringLiteral("Start at login"))->setChecked(true);
    QSignalSpy closed(&dialog, &QDialog::finished);
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(button(dialog, QStringLiteral("Save")), Qt::LeftButton);
    QVERIFY(closed.count() == 1 || closed.wait(60000));
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Start at Login"));
    QCOMPARE(answerer.text(), QStringLiteral("Sweepnook could not be set to start at login. The log has the details."));
    QVERIFY(!manager.startsAtLogin());
    QVERIFY(!box(dialog, QStringLiteral("Start at login"))->isChecked());
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
