#include "cleaners/privacycleaner.h"
#include "cleaners/privacytraces.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSharedFileList = QStringLiteral("Library/Application Support/com.apple.sharedfilelist/");
const QString kDarwinNotifications = QStringLiteral("DarwinUser/0/com.apple.notificationcenter/db2/");
const QString kQuickLookCache = QStringLiteral("Library/Caches/com.apple.QuickLookDaemon/");
const QString kDnsScript
    = QStringLiteral("do shell script \"killall -HUP mDNSResponder\" with administrator privileges");

struct CleanReport
{
    QList<QList<QVariant>> progress;
    int cleaned = -1;
    qint64 freed = -1;
};

PrivacyItem itemWithId(const QString &id)
{
    for (const PrivacyItem &item : PrivacyCleaner::defaultItems()) {
        if (item.id == id)
            return item;
    }
    PrivacyItem unknown;
    unknown.id = id;
    unknown.name = QStringLiteral("Mystery");
    return unknown;
}

QList<PrivacyItem> scanItems(PrivacyCleaner &cleaner)
{
    QSignalSpy scanned(&cleaner, &PrivacyCleaner::itemScanned);
    QSignalSpy finished(&cleaner, &PrivacyCleaner::scanFinished);
    cleaner.scan();
    QList<PrivacyItem> items;
    if (!finished.wait(60000))
        return items;
    for (const QList<QVariant> &arguments : std::as_const(scanned))
        items.append(arguments.at(0).value<PrivacyItem>());
    return items;
}

CleanReport cleanIds(PrivacyCleaner &cleaner, const QStringList &ids)
{
    QList<PrivacyItem> items;
    for (const QString &id : ids)
        items.append(itemWithId(id));
    QSignalSpy progress(&cleaner, &PrivacyCleaner::cleanProgress);
    QSignalSpy finished(&cleaner, &PrivacyCleaner::cleanFinished);
    cleaner.clean(items);
    CleanReport report;
    if (!finished.wait(60000))
        return report;
    report.progress = progress;
    report.cleaned = finished.at(0).at(0).toInt();
    report.freed = finished.at(0).at(1).toLongLong();
    return report;
}

// An osascript whose administrator prompt stays open: it writes its process number to pidFile
// and waits for ever, deaf to a polite request to quit.
QByteArray promptThatStaysOpen(const QString &pidFile)
{
    return QStringLiteral("#!/bin/sh\necho $$ > '%1.part' && mv '%1.part' '%1'\ntrap '' TERM\nexec sleep 600\n")
        .arg(pidFile)
        .toUtf8();
}

bool processIsGone(const QString &pidFile)
{
    QFile file(pidFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const pid_t pid = pid_t(file.readAll().trimmed().toInt());
    return pid > 0 && ::kill(pid, 0) == -1 && errno == ESRCH;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPrivacyCleaner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void scanReportsTheFiveTracesInOrder();
    void cleanOutcome_data();
    void cleanOutcome();
    void cancelStopsBeforeTheNextTrace();
    void cancelClosesTheAdministratorPrompt();
    void recentListsAreEmptiedAndFavouritesKept();
    void notificationDatabaseInTheDarwinFolder();
    void undeletableNotificationDatabaseFails();
    void linkedNotificationFolderIsLeftAlone();
    void cleanTellsWhatLeftTheDisk();
    void removalElsewhereMeasuresTheTraceAgain();
    void quickLookThroughALinkedCachesFolderIsLeftAlone();
    void hardLinkedRecentListKeepsItsOtherName();
    void partlyClearedTraceReportsWhatWent();

private:
    QScopedPointer<TestHome> m_home;
    QScopedPointer<FakeTools> m_tools;
};

void TestPrivacyCleaner::init()
{
    m_home.reset();
    m_tools.reset();
    m_tools.reset(new FakeTools);
    m_home.reset(new TestHome);
    QVERIFY(m_home->isValid());
}

void TestPrivacyCleaner::scanReportsTheFiveTracesInOrder()
{
    m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), 300);
    PrivacyCleaner cleaner;
    const QList<PrivacyItem> items = scanItems(cleaner);

    QStringList ids;
    for (const PrivacyItem &item : items)
        ids << item.id;
    QCOMPARE(ids.join(QLatin1Char(' ')), QStringLiteral("clipboard quicklook recent_files notifications dns"));
    // Clipboard and DNS are offered although nothing about them can be measured.
    for (int index : { 0, 4 }) {
        QCOMPARE(items.at(index).size, 0);
        QCOMPARE(items.at(index).count, 1);
        QVERIFY(items.at(index).isOffered());
    }
    // QuickLook's cache is out of reach: offered, its size unknown rather than 0 bytes.
    QVERIFY(items.at(1).isOffered());
    QVERIFY(!items.at(1).sizeKnown);
    QCOMPARE(items.at(2).size, 300);
    QCOMPARE(items.at(2).count, 1);
    QVERIFY(!items.at(3).isOffered());
}

void TestPrivacyCleaner::cleanOutcome_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("failingTool");
    QTest::addColumn<bool>("quickLookFolder");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("freed");
    QTest::addColumn<QString>("expectedCall");

    QTest::newRow("clipboard") << "clipboard"
                               << "" << false << true << qint64(0) << "pbcopy ";
    QTest::newRow("clipboard, pbcopy fails") << "clipboard"
                                             << "pbcopy" << false << false << qint64(0) << "pbcopy ";
    QTest::newRow("quicklook without folders") << "quicklook"
                                               << "" << false << true << qint64(0) << "qlmanage -r cache";
    QTest::newRow("quicklook, tool fails, no folders")
        << "quicklook"
        << "qlmanage" << false << false << qint64(0) << "qlmanage -r cache";
    QTest::newRow("quicklook, tool fails, folder removed")
        << "quicklook"
        << "qlmanage" << true << true << qint64(3000) << "qlmanage -r cache";
    QTest::newRow("dns granted") << "dns"
                                 << "" << false << true << qint64(0)
                                 << QString(QStringLiteral("osascript -e ") + kDnsScript);
    QTest::newRow("dns, administrator prompt declined")
        << "dns"
        << "osascript" << false << false << qint64(0) << "dscacheutil -flushcache";
    QTest::newRow("unknown id") << "history_of_the_world"
                                << "" << false << false << qint64(0) << "";
}

void TestPrivacyCleaner::cleanOutcome()
{
    QFETCH(QString, id);
    QFETCH(QString, failingTool);
    QFETCH(bool, quickLookFolder);
    QFETCH(bool, ok);
    QFETCH(qint64, freed);
    QFETCH(QString, expectedCall);
    if (!failingTool.isEmpty())
        m_tools->addTool(failingTool, "#!/bin/sh\necho \"$(basename \"$0\") $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit 1\n");
    if (quickLookFolder) {
        m_home->makeFile(kQuickLookCache + QStringLiteral("index.sqlite"), 1000);
        m_home->makeFile(kQuickLookCache + QStringLiteral("thumbnails.data"), 2000);
    }
    PrivacyCleaner cleaner;
    const CleanReport report = cleanIds(cleaner, { id });

    QCOMPARE(report.progress.size(), 1);
    QCOMPARE(report.progress.at(0).at(0).toString(), itemWithId(id).name);
    QCOMPARE(report.progress.at(0).at(1).toBool(), ok);
    QCOMPARE(report.progress.at(0).at(2).toLongLong(), freed);
    QCOMPARE(report.cleaned, ok ? 1 : 0);
    QCOMPARE(report.freed, freed);
    if (!expectedCall.isEmpty())
        QVERIFY2(m_tools->callLog().contains(expectedCall), qPrintable(m_tools->callLog()));
    QVERIFY(!QFileInfo::exists(m_home->filePath(kQuickLookCache)));
}

void TestPrivacyCleaner::cancelStopsBeforeTheNextTrace()
{
    // The clipboard's tool waits until the test has asked the clean to stop.
    const QString started = m_home->filePath(QStringLiteral("pbcopy-started"));
    const QString release = m_home->filePath(QStringLiteral("pbcopy-release"));
    m_tools->addTool(QStringLiteral("pbcopy"),
        QStringLiteral("#!/bin/sh\ntouch '%1'\nwhile [ ! -e '%2' ]; do sleep 0.02; done\nexit 0\n")
            .arg(started, release)
            .toUtf8());
    PrivacyCleaner cleaner;
    QSignalSpy progress(&cleaner, &PrivacyCleaner::cleanProgress);
    QSignalSpy finished(&cleaner, &PrivacyCleaner::cleanFinished);
    cleaner.clean({ itemWithId(QStringLiteral("clipboard")), itemWithId(QStringLiteral("quicklook")),
        itemWithId(QStringLiteral("dns")) });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(started), 60000);
    cleaner.cancel();
    QVERIFY(QFile(release).open(QIODevice::WriteOnly));

    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.at(0).at(0).toString(), itemWithId(QStringLiteral("clipboard")).name);
    QVERIFY(progress.at(0).at(1).toBool());
    QVERIFY(!m_tools->callLog().contains(QStringLiteral("qlmanage")));
    QVERIFY(!m_tools->callLog().contains(QStringLiteral("dscacheutil")));
}

void TestPrivacyCleaner::cancelClosesTheAdministratorPrompt()
{
    const QString pidFile = m_home->filePath(QStringLiteral("osascript.pid"));
    m_tools->addTool(QStringLiteral("osascript"), promptThatStaysOpen(pidFile));
    PrivacyCleaner cleaner;
    QSignalSpy progress(&cleaner, &PrivacyCleaner::cleanProgress);
    QSignalSpy finished(&cleaner, &PrivacyCleaner::cleanFinished);
    cleaner.clean({ itemWithId(QStringLiteral("clipboard")), itemWithId(QStringLiteral("dns")),
        itemWithId(QStringLiteral("quicklook")) });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pidFile), 60000);
    cleaner.cancel();

    // The prompt would stay for ten minutes: the clean ends well before, the prompt closed.
    QVERIFY(finished.wait(30000));
    QVERIFY(processIsGone(pidFile));
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.at(0).at(0).toString(), itemWithId(QStringLiteral("clipboard")).name);
    QVERIFY(!m_tools->callLog().contains(QStringLiteral("qlmanage")));
    QVERIFY(!cleaner.isBusy());
}

void TestPrivacyCleaner::recentListsAreEmptiedAndFavouritesKept()
{
    const QStringList recent = {
        m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentApplications.sfl2"), 700),
        m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), 500),
        m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentServers.sfl"), 100),
        m_home->makeFile(kSharedFileList
                + QStringLiteral("com.apple.LSSharedFileList.ApplicationRecentDocuments/com.apple.textedit.sfl3"),
            200),
    };
    const QByteArray favourites("bplist00 sidebar favourites");
    const QStringList kept = {
        m_home->makeFileWithContent(
            kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.FavoriteItems.sfl3"), favourites),
        m_home->makeFileWithContent(
            kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.FavoriteVolumes.sfl2"), favourites),
        m_home->makeFileWithContent(
            kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.iCloudItems.sfl2"), favourites),
    };
    // A recent list that is a link to a file elsewhere is left alone, as is that file.
    const QString outside = m_home->makeFileWithContent(QStringLiteral("Documents/notes.txt"), favourites);
    m_home->makeLink(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentHosts.sfl2"), outside);

    PrivacyCleaner cleaner;
    const PrivacyItem measured = scanItems(cleaner).value(2);
    QCOMPARE(measured.size, 1500);
    QCOMPARE(measured.count, 4);
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("recent_files") });

    QCOMPARE(report.cleaned, 1);
    QCOMPARE(report.freed, 1500);
    for (const QString &path : recent) {
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }
    for (const QString &path : kept)
        QCOMPARE(contentOf(path), favourites);
    QCOMPARE(contentOf(outside), favourites);
    QVERIFY(m_tools->callLog().contains(QStringLiteral("killall sharedfilelistd")));
}

void TestPrivacyCleaner::notificationDatabaseInTheDarwinFolder()
{
    const QString database = m_home->makeFile(kDarwinNotifications + QStringLiteral("db"), 4096);
    m_home->makeFile(kDarwinNotifications + QStringLiteral("db-wal"), 1024);
    const QString other = m_home->makeFile(kDarwinNotifications + QStringLiteral("settings.plist"), 10);
    // The daemons are stopped while the database is still there.
    m_tools->addTool(QStringLiteral("killall"),
        QStringLiteral("#!/bin/sh\n[ -e '%1' ] && echo \"killall $* before\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit 0\n")
            .arg(database)
            .toUtf8());

    PrivacyCleaner cleaner;
    const PrivacyItem measured = scanItems(cleaner).value(3);
    QCOMPARE(measured.size, 5120);
    QCOMPARE(measured.count, 1);
    QVERIFY(measured.isOffered());
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("notifications") });

    QCOMPARE(report.cleaned, 1);
    QCOMPARE(report.freed, 5120);
    QVERIFY(!QFileInfo::exists(database));
    QVERIFY(!QFileInfo::exists(database + QStringLiteral("-wal")));
    QVERIFY(QFileInfo::exists(other));
    QVERIFY2(m_tools->callLog().contains(QStringLiteral("killall usernoted before")), qPrintable(m_tools->callLog()));
    QVERIFY(m_tools->callLog().contains(QStringLiteral("killall NotificationCenter before")));
}

void TestPrivacyCleaner::undeletableNotificationDatabaseFails()
{
    // Something puts a folder where the database was between the scan and its removal; the
    // removal refuses it (permissions would not stop a test run as root).
    const QString database = m_home->makeFile(kDarwinNotifications + QStringLiteral("db"), 4096);
    m_tools->addTool(QStringLiteral("killall"),
        QStringLiteral("#!/bin/sh\nrm -f '%1' && mkdir -p '%1'\nexit 0\n").arg(database).toUtf8());

    PrivacyCleaner cleaner;
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("notifications") });

    QCOMPARE(report.progress.size(), 1);
    QVERIFY(!report.progress.at(0).at(1).toBool());
    QCOMPARE(report.cleaned, 0);
    QCOMPARE(report.freed, 0);
}

void TestPrivacyCleaner::linkedNotificationFolderIsLeftAlone()
{
    const QString outside = m_home->makeFile(QStringLiteral("Documents/Project/db"), 4096);
    m_home->makeDir(QStringLiteral("Library/Group Containers/group.com.apple.usernoted"));
    m_home->makeLink(QStringLiteral("Library/Group Containers/group.com.apple.usernoted/db2"),
        m_home->filePath(QStringLiteral("Documents/Project")));

    PrivacyCleaner cleaner;
    QVERIFY(!scanItems(cleaner).value(3).isOffered());
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("notifications") });

    QCOMPARE(report.cleaned, 0);
    QCOMPARE(QFileInfo(outside).size(), 4096);
    QVERIFY(!m_tools->callLog().contains(QStringLiteral("killall")));
}

// The other features drop what the clean removed: QuickLook's folders and the notification
// database files, never a recent list that was only emptied.
void TestPrivacyCleaner::cleanTellsWhatLeftTheDisk()
{
    m_tools->addTool(QStringLiteral("qlmanage"), "#!/bin/sh\nexit 1\n");
    m_home->makeFile(kQuickLookCache + QStringLiteral("index.sqlite"), 1000);
    const QString database = m_home->makeFile(kDarwinNotifications + QStringLiteral("db"), 4096);
    const QString wal = m_home->makeFile(kDarwinNotifications + QStringLiteral("db-wal"), 1024);
    const QString recent
        = m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), 300);
    PrivacyCleaner cleaner;
    QSignalSpy told(&cleaner, &PrivacyCleaner::pathsRemoved);
    const CleanReport report = cleanIds(
        cleaner, { QStringLiteral("quicklook"), QStringLiteral("recent_files"), QStringLiteral("notifications") });
    QCOMPARE(report.cleaned, 3);
    QVERIFY(QFileInfo::exists(recent));
    QCOMPARE(told.size(), 1);
    QString quickLook = m_home->filePath(kQuickLookCache);
    quickLook.chop(1);
    QCOMPARE(told.first().first().value<QSet<QString>>(), QSet<QString>({ quickLook, database, wal }));

    // A clean that removed nothing tells nothing.
    cleanIds(cleaner, { QStringLiteral("clipboard") });
    QCOMPARE(told.size(), 1);
}

// Files of a trace removed by another feature: that trace alone is measured again, once no other
// work runs; a removal elsewhere measures nothing.
void TestPrivacyCleaner::removalElsewhereMeasuresTheTraceAgain()
{
    const QString recent
        = m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), 300);
    const QString servers
        = m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentServers.sfl3"), 200);
    PrivacyCleaner cleaner;
    QCOMPARE(scanItems(cleaner).value(2).size, 500);
    QSignalSpy remeasured(&cleaner, &PrivacyCleaner::itemRemeasured);

    cleaner.forgetRemoved({ m_home->filePath(QStringLiteral("Documents/elsewhere.txt")) });
    QTRY_VERIFY(!cleaner.isBusy());
    QCOMPARE(remeasured.size(), 0);

    QVERIFY(QFile::remove(recent));
    // Told while a scan runs: measured after it.
    QSignalSpy scanned(&cleaner, &PrivacyCleaner::scanFinished);
    cleaner.scan();
    cleaner.forgetRemoved({ recent });
    QVERIFY(remeasured.wait(60000));
    QCOMPARE(scanned.size(), 1);
    QCOMPARE(remeasured.size(), 1);
    const PrivacyItem item = remeasured.first().first().value<PrivacyItem>();
    QCOMPARE(item.id, QStringLiteral("recent_files"));
    QCOMPARE(item.size, 200);
    QCOMPARE(item.count, 1);
    QTRY_VERIFY(!cleaner.isBusy());
    QCOMPARE(remeasured.size(), 1);
    QVERIFY(QFileInfo::exists(servers));
}

// ~/Library/Caches is a link out of the home: QuickLook's folder there is neither measured nor
// cleaned through it, as no other clean goes through it.
void TestPrivacyCleaner::quickLookThroughALinkedCachesFolderIsLeftAlone()
{
    QTemporaryDir outside(QDir::rootPath() + QStringLiteral("tmp/sweepnook-sentinel-XXXXXX"));
    QVERIFY(outside.isValid());
    const QString cache = outside.filePath(QStringLiteral("com.apple.QuickLookDaemon/index.sqlite"));
    QVERIFY(QDir().mkpath(QFileInfo(cache).path()));
    QFile file(cache);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, 'q'));
    file.close();
    m_home->makeDir(QStringLiteral("Library"));
    m_home->makeLink(QStringLiteral("Library/Caches"), outside.path());
    m_tools->addTool(QStringLiteral("qlmanage"), "#!/bin/sh\nexit 1\n");

    PrivacyCleaner cleaner;
    const PrivacyItem measured = scanItems(cleaner).value(1);
    QCOMPARE(measured.size, 0);
    QCOMPARE(measured.count, 0);
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("quicklook") });

    QCOMPARE(report.progress.size(), 1);
    QVERIFY(!report.progress.at(0).at(1).toBool());
    QCOMPARE(report.cleaned, 0);
    QCOMPARE(report.freed, 0);
    QCOMPARE(contentOf(cache), QByteArray(1000, 'q'));
}

// A recent list with another name (a backup made by hard links) is emptied by replacing it: the
// other name keeps what it held, and the bytes that stay on the disk are not counted as freed.
void TestPrivacyCleaner::hardLinkedRecentListKeepsItsOtherName()
{
    const QByteArray recentItems("bplist00 recent documents");
    const QString list = m_home->makeFileWithContent(
        kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentDocuments.sfl3"), recentItems);
    const QString single
        = m_home->makeFile(kSharedFileList + QStringLiteral("com.apple.LSSharedFileList.RecentServers.sfl3"), 200);
    QVERIFY(QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString backup = m_home->filePath(QStringLiteral("Backup/RecentDocuments.sfl3"));
    m_home->makeDir(QStringLiteral("Backup"));
    QCOMPARE(::link(QFile::encodeName(list).constData(), QFile::encodeName(backup).constData()), 0);

    PrivacyCleaner cleaner;
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("recent_files") });

    QCOMPARE(report.cleaned, 1);
    QCOMPARE(report.freed, 200);
    QCOMPARE(contentOf(backup), recentItems);
    QVERIFY(QFileInfo(list).isFile() && !QFileInfo(list).isSymLink());
    QCOMPARE(QFileInfo(list).size(), 0);
    QCOMPARE(QFileInfo(single).size(), 0);
    struct stat status;
    QCOMPARE(::lstat(QFile::encodeName(list).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0600));
    // Nothing of the replacement is left beside the lists.
    QCOMPARE(QDir(QFileInfo(list).path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// A trace of which one file could go and another could not: not cleaned, and the file that went
// is counted as freed.
void TestPrivacyCleaner::partlyClearedTraceReportsWhatWent()
{
    const QString database = m_home->makeFile(kDarwinNotifications + QStringLiteral("db"), 4096);
    const QString wal = m_home->makeFile(kDarwinNotifications + QStringLiteral("db-wal"), 1024);
    m_tools->addTool(QStringLiteral("killall"),
        QStringLiteral("#!/bin/sh\nrm -f '%1' && mkdir -p '%1'\nexit 0\n").arg(database).toUtf8());

    PrivacyCleaner cleaner;
    const CleanReport report = cleanIds(cleaner, { QStringLiteral("notifications") });

    QCOMPARE(report.progress.size(), 1);
    QVERIFY(!report.progress.at(0).at(1).toBool());
    QCOMPARE(report.progress.at(0).at(2).toLongLong(), 1024);
    QCOMPARE(report.cleaned, 0);
    QCOMPARE(report.freed, 1024);
    QVERIFY(!QFileInfo::exists(wal));
}

QTEST_GUILESS_MAIN(TestPrivacyCleaner)
#include "tst_privacycleaner.moc"
