#include "cleaners/privacycleaner.h"
#include "core/cleanitem.h"
#include "faketools.h"
#include "messageboxanswerer.h"
#include "pages/privacypage.h"
#include "testhome.h"
#include "widgets/privacyitemcard.h"

#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <cerrno>
#include <csignal>

namespace {

// A privacy page around its own cleaner, in a temporary home with fake tools.
struct PageFixture
{
    FakeTools tools;
    TestHome home;
    PrivacyCleaner cleaner;
    PrivacyPage page { &cleaner };

    QPushButton *button(const char *name) const
    {
        return page.findChild<QPushButton *>(QLatin1String(name));
    }

    PrivacyItemCard *card(const QString &id) const
    {
        for (PrivacyItemCard *card : page.findChildren<PrivacyItemCard *>()) {
            if (card->item().id == id)
                return card;
        }
        return nullptr;
    }

    QString status() const
    {
        return page.findChild<QLabel *>(QStringLiteral("privacyStatus"))->text();
    }

    bool scan()
    {
        QSignalSpy finished(&cleaner, &PrivacyCleaner::scanFinished);
        button("scanBtn")->click();
        return finished.wait(60000) && page.state() == PrivacyPage::State::Scanned;
    }
};

} // namespace

class TestPrivacyPage : public QObject
{
    Q_OBJECT

private slots:
    void scanShowsTheTraces();
    void cleanAfterConfirmation_data();
    void cleanAfterConfirmation();
    void cancelledScanLeavesNothingToClean();
    void cancelDuringTheAdministratorPrompt();
    void removalElsewhereUpdatesTheCard();
};

void TestPrivacyPage::scanShowsTheTraces()
{
    PageFixture fixture;
    QCOMPARE(fixture.page.findChildren<PrivacyItemCard *>().size(), 5);
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    fixture.home.makeFile(QStringLiteral("Library/Application Support/com.apple.sharedfilelist/"
                                         "com.apple.LSSharedFileList.RecentDocuments.sfl3"),
        2048);
    QVERIFY(fixture.scan());

    // Pre-selected where offered; a trace with nothing found is disabled and unchecked.
    const auto checkBox
        = [&fixture](const char *id) { return fixture.card(QLatin1String(id))->findChild<QCheckBox *>(); };
    QVERIFY(checkBox("clipboard")->isChecked() && checkBox("clipboard")->isEnabled());
    QVERIFY(checkBox("quicklook")->isChecked() && checkBox("quicklook")->isEnabled());
    QVERIFY(!checkBox("recent_files")->isChecked() && checkBox("recent_files")->isEnabled());
    QVERIFY(!checkBox("notifications")->isChecked() && !checkBox("notifications")->isEnabled());
    QVERIFY(!checkBox("dns")->isChecked() && checkBox("dns")->isEnabled());
    QCOMPARE(fixture.card(QStringLiteral("recent_files"))->findChild<QLabel *>(QStringLiteral("privacySize"))->text(),
        CleanItem::formatSize(2048));
    QCOMPARE(fixture.card(QStringLiteral("quicklook"))->findChild<QLabel *>(QStringLiteral("privacySize"))->text(),
        QStringLiteral("Size unknown"));
    QCOMPARE(fixture.status(), QStringLiteral("Selected: 2 item(s)"));
    QVERIFY(fixture.button("cleanBtn")->isEnabled());

    checkBox("clipboard")->click();
    checkBox("quicklook")->click();
    QCOMPARE(fixture.status(), QStringLiteral("No items selected"));
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
}

void TestPrivacyPage::cleanAfterConfirmation_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("failingTool");
    QTest::addColumn<QString>("summary");
    QTest::newRow("yes") << QMessageBox::Yes << QString() << QStringLiteral("Cleaned 2 item(s) · freed 0 B");
    QTest::newRow("yes, the clipboard fails")
        << QMessageBox::Yes << QStringLiteral("pbcopy")
        << QStringLiteral("Cleaned 1 item(s) · freed 0 B\nNot cleaned: Clipboard Content");
    QTest::newRow("no") << QMessageBox::No << QString() << QString();
}

void TestPrivacyPage::cleanAfterConfirmation()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, failingTool);
    QFETCH(QString, summary);
    PageFixture fixture;
    if (!failingTool.isEmpty())
        fixture.tools.addTool(failingTool, "#!/bin/sh\nexit 1\n");
    QVERIFY(fixture.scan());

    QSignalSpy finished(&fixture.cleaner, &PrivacyCleaner::cleanFinished);
    MessageBoxAnswerer answerer(answer);
    fixture.button("cleanBtn")->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.text(), QStringLiteral("Clean 2 selected item(s)?"));
    if (summary.isEmpty()) {
        QCOMPARE(fixture.page.state(), PrivacyPage::State::Scanned);
        QVERIFY(!fixture.tools.callLog().contains(QStringLiteral("qlmanage")));
        return;
    }
    QVERIFY(finished.wait(60000));
    QCOMPARE(fixture.page.state(), PrivacyPage::State::Cleaned);
    QCOMPARE(fixture.status(), summary);
    QVERIFY(fixture.tools.callLog().contains(QStringLiteral("qlmanage -r cache")));
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    QVERIFY(fixture.button("scanBtn")->isEnabled());
}

void TestPrivacyPage::cancelledScanLeavesNothingToClean()
{
    PageFixture fixture;
    // The first measurement waits until the scan has been stopped.
    const QString release = fixture.home.filePath(QStringLiteral("getconf-release"));
    fixture.tools.addTool(QStringLiteral("getconf"),
        QStringLiteral("#!/bin/sh\nwhile [ ! -e '%1' ]; do sleep 0.02; done\nexit 1\n").arg(release).toUtf8());
    fixture.home.makeFile(QStringLiteral("Library/Application Support/NotificationCenter/a.db"), 100);
    QSignalSpy scanned(&fixture.cleaner, &PrivacyCleaner::itemScanned);
    fixture.button("scanBtn")->click();
    QVERIFY(scanned.wait(60000));
    fixture.button("cancelBtn")->click();
    QCOMPARE(fixture.page.state(), PrivacyPage::State::Idle);
    QVERIFY(QFile(release).open(QIODevice::WriteOnly));
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.cleaner.isBusy(), 60000);

    QCOMPARE(fixture.status(), QStringLiteral("Scan stopped"));
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    QCOMPARE(fixture.card(QStringLiteral("notifications"))->findChild<QLabel *>(QStringLiteral("privacySize"))->text(),
        QStringLiteral("Not scanned"));
}

void TestPrivacyPage::cancelDuringTheAdministratorPrompt()
{
    PageFixture fixture;
    // The prompt stays open until it is closed; its process number tells the test it is up.
    const QString pidFile = fixture.home.filePath(QStringLiteral("osascript.pid"));
    fixture.tools.addTool(QStringLiteral("osascript"),
        QStringLiteral("#!/bin/sh\necho $$ > '%1.part' && mv '%1.part' '%1'\nexec sleep 600\n").arg(pidFile).toUtf8());
    QVERIFY(fixture.scan());
    fixture.card(QStringLiteral("dns"))->findChild<QCheckBox *>()->click();

    QSignalSpy finished(&fixture.cleaner, &PrivacyCleaner::cleanFinished);
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    fixture.button("cleanBtn")->click();
    QVERIFY(answerer.answered());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pidFile), 60000);
    fixture.button("cancelBtn")->click();
    QCOMPARE(fixture.page.state(), PrivacyPage::State::Cleaning);
    QCOMPARE(fixture.status(), QStringLiteral("Stopping…"));

    QVERIFY(finished.wait(30000));
    QCOMPARE(fixture.page.state(), PrivacyPage::State::Cleaned);
    QCOMPARE(fixture.status(), QStringLiteral("Cleaned 2 item(s) · freed 0 B\nStopped before 1 item(s)"));
    QCOMPARE(fixture.card(QStringLiteral("dns"))->findChild<QLabel *>(QStringLiteral("privacySize"))->text(),
        QStringLiteral("Size unknown"));
    QFile pid(pidFile);
    QVERIFY(pid.open(QIODevice::ReadOnly));
    QVERIFY(::kill(pid_t(pid.readAll().trimmed().toInt()), 0) == -1 && errno == ESRCH);
}

// Another feature removed a recent-items list the scan measured: its card shows the new
// measurement (nothing found: unticked and disabled), the others stay as they were.
void TestPrivacyPage::removalElsewhereUpdatesTheCard()
{
    PageFixture fixture;
    const QString list = fixture.home.makeFile(QStringLiteral("Library/Application Support/com.apple.sharedfilelist/"
                                                              "com.apple.LSSharedFileList.RecentDocuments.sfl3"),
        2048);
    QVERIFY(fixture.scan());
    auto *recent = fixture.card(QStringLiteral("recent_files"));
    recent->findChild<QCheckBox *>()->click();
    QCOMPARE(fixture.status(), QStringLiteral("Selected: 3 item(s)"));

    QVERIFY(QFile::remove(list));
    QSignalSpy remeasured(&fixture.cleaner, &PrivacyCleaner::itemRemeasured);
    fixture.cleaner.forgetRemoved({ list });
    QVERIFY(remeasured.wait(60000));
    QCOMPARE(recent->findChild<QLabel *>(QStringLiteral("privacySize"))->text(), QStringLiteral("Nothing found"));
    QVERIFY(!recent->findChild<QCheckBox *>()->isChecked());
    QVERIFY(!recent->findChild<QCheckBox *>()->isEnabled());
    QCOMPARE(fixture.status(), QStringLiteral("Selected: 2 item(s)"));
    QCOMPARE(fixture.card(QStringLiteral("quicklook"))->findChild<QLabel *>(QStringLiteral("privacySize"))->text(),
        QStringLiteral("Size unknown"));
}

QTEST_MAIN(TestPrivacyPage)
#include "tst_privacypage.moc"
