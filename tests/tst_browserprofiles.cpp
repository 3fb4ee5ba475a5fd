// The browser cleaner on profiles written by the real browsers (tests/browserprofiles: a session
// of Debian's chromium and firefox-esr on a small local site), put where the Mac browsers keep
// them. The checks are what a browser would see afterwards: rows in its tables, files left, and
// databases that SQLite still finds whole.
#include "cleaners/browsercleaner.h"
#include "faketools.h"
#include "realprofiles.h"
#include "testhome.h"

#include <QtTest>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(SWEEPNOOK_BROWSER_PROFILES_DIR);
const QString kChrome = RealProfiles::chromeFolder();
const QString kFirefoxRoot = RealProfiles::firefoxFolder();
const QString kFirefox = RealProfiles::firefoxProfile();

QByteArray quietPgrep()
{
    return "#!/bin/sh\necho \"$*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit 1\n";
}

QString chromeProfile(const TestHome &home, const QString &name = QString())
{
    return home.filePath(kChrome + QStringLiteral("/Default") + (name.isEmpty() ? QString() : QLatin1Char('/') + name));
}

QString firefoxProfile(const TestHome &home, const QString &name = QString())
{
    return home.filePath(kFirefox + (name.isEmpty() ? QString() : QLatin1Char('/') + name));
}

void scan(BrowserCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    QVERIFY(finished.wait(30000));
}

QPair<qint64, int> clean(BrowserCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    if (finished.isEmpty() && !finished.wait(30000))
        return { -1, -1 };
    return { finished.at(0).at(0).toLongLong(), finished.at(0).at(1).toInt() };
}

// Ticks exactly the categories named (all their items), unticks every other.
void selectOnly(BrowserCleaner &cleaner, const QStringList &ids)
{
    for (CleanCategory &category : cleaner.result().categories) {
        const bool wanted = ids.contains(category.id);
        category.checked = wanted;
        category.setAllItemsChecked(wanted);
    }
}

QStringList relativeItems(const CleanCategory *category, const QString &base)
{
    QStringList paths;
    if (!category)
        return paths;
    for (const CleanItem &item : category->items)
        paths.append(item.path.startsWith(base + QLatin1Char('/')) ? item.path.mid(base.size() + 1) : item.path);
    paths.sort();
    return paths;
}

QStringList filesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    return names;
}

// Runs statements on a copy-free read-only connection; the first column of the first row.
qint64 rows(const QString &database, const QString &table)
{
    return RealProfiles::sqlValue(database, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
}

// A process of our own that holds an fcntl write lock on path until it is stopped, as Firefox
// holds its profile's .parentlock.
class LockHolder
{
public:
    explicit LockHolder(const QString &path)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        const QByteArray name = QFile::encodeName(path);
        m_pid = ::fork();
        if (m_pid == 0) {
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0600);
            struct flock lock = {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const char answer = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0 ? '1' : '0';
            (void)!::write(ready[1], &answer, 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char answer = '0';
        m_locked = ::read(ready[0], &answer, 1) == 1 && answer == '1';
        ::close(ready[0]);
    }
    ~LockHolder()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool isLocked() const
    {
        return m_locked;
    }

private:
    pid_t m_pid = -1;
    bool m_locked = false;
};

// The id of a process that has just ended.
qint64 endedPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

QByteArray thisHost()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return QByteArray(name);
}

// Every file below folder with its length, allocated blocks, time and contents' digest.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray digest;
        if (file.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
        files.insert(path,
            digest + ' ' + QByteArray::number(it.fileInfo().size()) + ' '
                + QByteArray::number(it.fileInfo().lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

// Disk space a file and its SQLite companions take.
qint64 diskBytes(const QString &path)
{
    qint64 total = 0;
    for (const char *suffix : { "", "-wal", "-shm", "-journal" }) {
        struct stat info;
        if (::lstat(QFile::encodeName(path + QLatin1String(suffix)).constData(), &info) == 0)
            total += qMin<qint64>(info.st_size, qint64(info.st_blocks) * 512);
    }
    return total;
}

// Puts a new database in place of path and its companions: an empty file when statement is
// empty, else a database made by that statement.
void replaceDatabase(const QString &path, const QString &statement)
{
    for (const char *suffix : { "", "-wal", "-shm", "-journal" })
        QFile::remove(path + QLatin1String(suffix));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (statement.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

bool listsPath(const CleanCategory *category, const QString &path)
{
    return category && std::any_of(category->items.cbegin(), category->items.cend(), [&path](const CleanItem &item) {
        return item.path == path;
    });
}

} // namespace

class TestBrowserProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chromiumSessionsAreFound();
    void siteStorageIsFound();
    void firefoxStorageKindsGoSeparately();
    void everythingLeavesNoSessionOrSiteData();
    void profileInUseIsLeftAlone_data();
    void profileInUseIsLeftAlone();
    void chromiumDownloadHistory_data();
    void chromiumDownloadHistory();
    void chromiumFormDataKeepsCardsAndEngines();
    void firefoxHistoryAsFirefoxClearsIt();
    void dataBesideTheProfiles_data();
    void dataBesideTheProfiles();
    void scanChangesNothingOnDisk();
    void sizesAreWhatLeavesTheDisk();
    void databaseWithNothingToClearIsNotOffered_data();
    void databaseWithNothingToClearIsNotOffered();
    void unreadableDatabaseHasNoSize_data();
    void unreadableDatabaseHasNoSize();
    void firefoxDownloadHistory_data();
    void firefoxDownloadHistory();
    void placesNoBrowserWritesAreNotLookedFor_data();
    void placesNoBrowserWritesAreNotLookedFor();
};

void TestBrowserProfiles::initTestCase()
{
    QVERIFY2(QFileInfo(kData + QStringLiteral("/chromium/Default/History")).isFile(),
        "tests/browserprofiles/data is missing; make it with tests/browserprofiles/make-profiles.py");
}

// Current Chromium keeps the session and the open tabs in files of the Sessions folders.
void TestBrowserProfiles::chromiumSessionsAreFound()
{
    TestHome home;
    RealProfiles::install(home);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    const QStringList found
        = relativeItems(cleaner.result().findCategory(QStringLiteral("google_chrome_session")), chromeProfile(home));
    QCOMPARE(found.size(), 4);
    for (const QString &path : found)
        QVERIFY2(
            QRegularExpression(QStringLiteral("^Sessions(_Encrypted)?/(Session|Tabs)_[0-9]+$")).match(path).hasMatch(),
            qPrintable(path));
}

void TestBrowserProfiles::siteStorageIsFound()
{
    TestHome home;
    RealProfiles::install(home);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    ScanResult &result = cleaner.result();
    QCOMPARE(relativeItems(result.findCategory(QStringLiteral("google_chrome_local_storage")), chromeProfile(home)),
        QStringList { QStringLiteral("Local Storage") });
    QCOMPARE(relativeItems(result.findCategory(QStringLiteral("google_chrome_indexeddb")), chromeProfile(home)),
        QStringList { QStringLiteral("IndexedDB") });
    const QStringList local
        = relativeItems(result.findCategory(QStringLiteral("mozilla_firefox_local_storage")), firefoxProfile(home));
    QCOMPARE(local.size(), 3);
    QVERIFY2(QRegularExpression(QStringLiteral("^storage/default/http\\+\\+\\+127\\.0\\.0\\.1\\+[0-9]+/ls$"))
                 .match(local.at(0))
                 .hasMatch(),
        qPrintable(local.at(0)));
    QCOMPARE(local.at(1), QStringLiteral("storage/ls-archive.sqlite"));
    QCOMPARE(local.at(2), QStringLiteral("webappsstore.sqlite"));
    const QStringList idb
        = relativeItems(result.findCategory(QStringLiteral("mozilla_firefox_indexeddb")), firefoxProfile(home));
    QCOMPARE(idb.size(), 1);
    QVERIFY(idb.at(0).endsWith(QStringLiteral("/idb")));
}

// Local storage and IndexedDB share a site's folder in Firefox; cleaning one keeps the other.
void TestBrowserProfiles::firefoxStorageKindsGoSeparately()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    const QString idb = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_indexeddb"))->items.at(0).path;
    const QString site = QFileInfo(idb).path();
    selectOnly(cleaner, { QStringLiteral("mozilla_firefox_local_storage") });
    const QPair<qint64, int> cleaned = clean(cleaner);
    QCOMPARE(cleaned.second, 3);
    QVERIFY(!QFileInfo::exists(site + QStringLiteral("/ls")));
    QVERIFY(QFileInfo(idb).isDir());
    QVERIFY(QFileInfo(site + QStringLiteral("/.metadata-v2")).isFile());
    QVERIFY(!QFileInfo::exists(firefoxProfile(home, QStringLiteral("webappsstore.sqlite"))));
    QVERIFY(QFileInfo(firefoxProfile(home, QStringLiteral("storage.sqlite"))).isFile());
}

// "Everything" ticked: no session file, no site storage and no history database is left in
// either profile, while bookmarks, saved logins and preferences stay.
void TestBrowserProfiles::everythingLeavesNoSessionOrSiteData()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    for (CleanCategory &category : cleaner.result().categories) {
        category.checked = true;
        category.setAllItemsChecked(true);
    }
    clean(cleaner);
    QCOMPARE(filesIn(chromeProfile(home, QStringLiteral("Sessions"))), QStringList());
    QCOMPARE(filesIn(chromeProfile(home, QStringLiteral("Sessions_Encrypted"))), QStringList());
    QVERIFY(!QFileInfo::exists(chromeProfile(home, QStringLiteral("Local Storage"))));
    QVERIFY(!QFileInfo::exists(chromeProfile(home, QStringLiteral("IndexedDB"))));
    QVERIFY(!QFileInfo::exists(chromeProfile(home, QStringLiteral("DIPS"))));
    QVERIFY(QFileInfo(chromeProfile(home, QStringLiteral("Login Data"))).isFile());
    QVERIFY(QFileInfo(chromeProfile(home, QStringLiteral("Preferences"))).isFile());
    QDirIterator sites(firefoxProfile(home, QStringLiteral("storage/default")), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sites.hasNext()) {
        const QString site = sites.next();
        QVERIFY2(!QFileInfo::exists(site + QStringLiteral("/ls")), qPrintable(site));
        QVERIFY2(!QFileInfo::exists(site + QStringLiteral("/idb")), qPrintable(site));
    }
    const QString places = firefoxProfile(home, QStringLiteral("places.sqlite"));
    QCOMPARE(RealProfiles::sqlValue(places, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits")), 0);
    QVERIFY(rows(places, QStringLiteral("moz_bookmarks WHERE fk IS NOT NULL")) >= 2);
    QVERIFY(QFileInfo(firefoxProfile(home, QStringLiteral("logins.db"))).isFile());
}

// A profile some browser has open, by its own lock or by a process of its name, is left alone; a
// lock left by a browser that has ended does not stop the clean.
void TestBrowserProfiles::profileInUseIsLeftAlone_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("runningProcess");
    QTest::addColumn<bool>("chromeInUse");
    QTest::addColumn<bool>("firefoxInUse");
    QTest::newRow("chromium lock of a live process") << QStringLiteral("chrome-live") << QString() << true << false;
    QTest::newRow("chromium lock left by a crash") << QStringLiteral("chrome-ended") << QString() << false << false;
    QTest::newRow("firefox lock link of a live process")
        << QStringLiteral("firefox-link-live") << QString() << false << true;
    QTest::newRow("firefox lock link left by a crash")
        << QStringLiteral("firefox-link-ended") << QString() << false << false;
    QTest::newRow("firefox .parentlock held") << QStringLiteral("firefox-parentlock") << QString() << false << true;
    QTest::newRow("firefox .parentlock left, not held")
        << QStringLiteral("firefox-parentlock-file") << QString() << false << false;
    QTest::newRow("linux firefox by name") << QString() << QStringLiteral("firefox-esr") << false << true;
    QTest::newRow("linux chrome by name") << QString() << QStringLiteral("chrome") << true << false;
}

void TestBrowserProfiles::profileInUseIsLeftAlone()
{
    QFETCH(QString, lock);
    QFETCH(QString, runningProcess);
    QFETCH(bool, chromeInUse);
    QFETCH(bool, firefoxInUse);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"),
        "#!/bin/sh\necho \"$*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n[ \"$2\" = \"" + runningProcess.toUtf8()
            + "\" ] && exit 0\nexit 1\n");
    RealProfiles::install(home);
    std::unique_ptr<LockHolder> holder;
    const QByteArray live = QByteArray::number(qint64(::getpid()));
    const QByteArray ended = QByteArray::number(endedPid());
    if (lock == QLatin1String("chrome-live"))
        home.makeLink(kChrome + QStringLiteral("/SingletonLock"), QString::fromUtf8(thisHost() + '-' + live));
    else if (lock == QLatin1String("chrome-ended"))
        home.makeLink(kChrome + QStringLiteral("/SingletonLock"), QString::fromUtf8(thisHost() + '-' + ended));
    else if (lock == QLatin1String("firefox-link-live"))
        home.makeLink(kFirefox + QStringLiteral("/lock"), QStringLiteral("127.0.1.1:+") + QString::fromUtf8(live));
    else if (lock == QLatin1String("firefox-link-ended"))
        home.makeLink(kFirefox + QStringLiteral("/lock"), QStringLiteral("127.0.1.1:+") + QString::fromUtf8(ended));
    else if (lock == QLatin1String("firefox-parentlock")) {
        holder = std::make_unique<LockHolder>(firefoxProfile(home, QStringLiteral(".parentlock")));
        QVERIFY(holder->isLocked());
    } else if (lock == QLatin1String("firefox-parentlock-file"))
        home.makeFile(kFirefox + QStringLiteral("/.parentlock"), 0);

    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    selectOnly(cleaner, { QStringLiteral("google_chrome_session"), QStringLiteral("mozilla_firefox_session") });
    QSignalSpy errors(&cleaner, &CleanEngine::errorOccurred);
    clean(cleaner);
    QCOMPARE(filesIn(chromeProfile(home, QStringLiteral("Sessions"))).isEmpty(), !chromeInUse);
    QCOMPARE(QFileInfo::exists(firefoxProfile(home, QStringLiteral("sessionstore.jsonlz4"))), firefoxInUse);
    QCOMPARE(errors.size(), chromeInUse || firefoxInUse ? 1 : 0);
}

// Download history is its own item: clearing it leaves the browsing history, and neither the
// History database nor the download database Chromium restores it from keeps the download.
void TestBrowserProfiles::chromiumDownloadHistory_data()
{
    QTest::addColumn<bool>("withHistory");
    QTest::newRow("download history alone") << false;
    QTest::newRow("with the browsing history") << true;
}

void TestBrowserProfiles::chromiumDownloadHistory()
{
    QFETCH(bool, withHistory);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString history = chromeProfile(home, QStringLiteral("History"));
    const qint64 visits = rows(history, QStringLiteral("visits"));
    QCOMPARE(rows(history, QStringLiteral("downloads")), 1);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QCOMPARE(
        relativeItems(cleaner.result().findCategory(QStringLiteral("google_chrome_downloads")), chromeProfile(home)),
        QStringList({ QStringLiteral("History"), QStringLiteral("shared_proto_db") }));
    QStringList chosen { QStringLiteral("google_chrome_downloads") };
    if (withHistory)
        chosen << QStringLiteral("google_chrome_history");
    selectOnly(cleaner, chosen);
    const QPair<qint64, int> cleaned = clean(cleaner);
    QVERIFY(!QFileInfo::exists(chromeProfile(home, QStringLiteral("shared_proto_db"))));
    if (withHistory) {
        QVERIFY(!QFileInfo::exists(history));
        return;
    }
    QCOMPARE(cleaned.second, 2);
    QCOMPARE(
        RealProfiles::sqlValue(history, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(rows(history, QStringLiteral("downloads")), 0);
    QCOMPARE(rows(history, QStringLiteral("downloads_url_chains")), 0);
    QCOMPARE(rows(history, QStringLiteral("visits")), visits);
}

// Form data takes the autofill entries only; Web Data also holds cards, addresses, IBANs,
// sign-in tokens and search engines, which stay.
void TestBrowserProfiles::chromiumFormDataKeepsCardsAndEngines()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString webData = chromeProfile(home, QStringLiteral("Web Data"));
    const qint64 engines = rows(webData, QStringLiteral("keywords"));
    QVERIFY(engines > 0);
    QCOMPARE(rows(webData, QStringLiteral("autofill")), 2);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    selectOnly(cleaner, { QStringLiteral("google_chrome_form_data") });
    QCOMPARE(clean(cleaner).second, 1);
    QVERIFY(QFileInfo(webData).isFile());
    QCOMPARE(
        RealProfiles::sqlValue(webData, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(rows(webData, QStringLiteral("autofill")), 0);
    QCOMPARE(rows(webData, QStringLiteral("keywords")), engines);
    QVERIFY(rows(webData, QStringLiteral("meta")) > 0);
}

// Clearing Firefox's history removes what Firefox's own clear removes, bookmarked pages' visit
// and view times included, keeps every bookmark, and leaves no reference to a removed page.
void TestBrowserProfiles::firefoxHistoryAsFirefoxClearsIt()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString places = firefoxProfile(home, QStringLiteral("places.sqlite"));
    const qint64 bookmarks = rows(places, QStringLiteral("moz_bookmarks"));
    QVERIFY(rows(places, QStringLiteral("moz_places_metadata")) > 0);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    selectOnly(cleaner, { QStringLiteral("mozilla_firefox_history") });
    QCOMPARE(clean(cleaner).second, 1);
    QCOMPARE(RealProfiles::sqlValue(places, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(
        RealProfiles::sqlValue(places, QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toLongLong(),
        0);
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits")), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_places_metadata")), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_places_metadata_search_queries")), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_inputhistory")), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_bookmarks")), bookmarks);
    QCOMPARE(
        rows(places, QStringLiteral("moz_places WHERE id NOT IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)")),
        0);
    QCOMPARE(rows(places, QStringLiteral("moz_places WHERE visit_count > 0 OR last_visit_date IS NOT NULL")), 0);
    QCOMPARE(
        RealProfiles::sqlValue(places, QStringLiteral("SELECT COUNT(*) FROM moz_places WHERE url LIKE '%page3.html'"))
            .toLongLong(),
        1);
}

// What current browsers keep beside their profiles, and Chrome's HTTP cache below
// ~/Library/Caches on a Mac, is offered under its browser and rule, with that browser's running
// check.
void TestBrowserProfiles::dataBesideTheProfiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("item");
    QTest::newRow("chrome http cache in Library/Caches")
        << QStringLiteral("Library/Caches/Google/Chrome/Default/Cache/Cache_Data/f_000001")
        << QStringLiteral("google_chrome_cache") << QStringLiteral("Library/Caches/Google/Chrome/Default/Cache");
    QTest::newRow("chrome crash reports")
        << kChrome + QStringLiteral("/Crashpad/completed/report.dmp") << QStringLiteral("google_chrome_crash_reports")
        << kChrome + QStringLiteral("/Crashpad/completed");
    QTest::newRow("firefox crash reports")
        << kFirefoxRoot + QStringLiteral("/Crash Reports/submitted/bp-1.txt")
        << QStringLiteral("mozilla_firefox_crash_reports") << kFirefoxRoot + QStringLiteral("/Crash Reports");
    QTest::newRow("chrome shader cache") << kChrome + QStringLiteral("/GrShaderCache/data_0")
                                         << QStringLiteral("google_chrome_shader_cache")
                                         << kChrome + QStringLiteral("/GrShaderCache");
    QTest::newRow("chrome blob storage") << kChrome + QStringLiteral("/Default/blob_storage/0a1b/blob")
                                         << QStringLiteral("google_chrome_blob_storage")
                                         << kChrome + QStringLiteral("/Default/blob_storage");
    QTest::newRow("chrome gpu cache beside the profiles")
        << QString() << QStringLiteral("google_chrome_gpu_cache") << kChrome + QStringLiteral("/GPUPersistentCache");
    QTest::newRow("firefox safe browsing in the cache folder")
        << QStringLiteral(
               "Library/Caches/Firefox/Profiles/fixture.default-release/safebrowsing/google4/goog-phish-proto.vlpset")
        << QStringLiteral("mozilla_firefox_safe_browsing")
        << QStringLiteral("Library/Caches/Firefox/Profiles/fixture.default-release/safebrowsing");
    QTest::newRow("chrome safe browsing")
        << kChrome + QStringLiteral("/Safe Browsing/UrlMalware.store.4_13")
        << QStringLiteral("google_chrome_safe_browsing") << kChrome + QStringLiteral("/Safe Browsing");
}

void TestBrowserProfiles::dataBesideTheProfiles()
{
    QFETCH(QString, file);
    QFETCH(QString, categoryId);
    QFETCH(QString, item);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    if (!file.isEmpty())
        home.makeFile(file, 5000);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    const QStringList found = relativeItems(cleaner.result().findCategory(categoryId), home.path());
    QVERIFY2(found.contains(item), qPrintable(found.join(QLatin1Char(','))));

    // Cleaned with the browser's own check: while its profile is locked nothing goes.
    home.makeLink(kChrome + QStringLiteral("/SingletonLock"),
        QString::fromUtf8(thisHost() + '-' + QByteArray::number(qint64(::getpid()))));
    home.makeLink(kFirefox + QStringLiteral("/lock"), QStringLiteral("127.0.1.1:+%1").arg(::getpid()));
    selectOnly(cleaner, { categoryId });
    clean(cleaner);
    QVERIFY(QFileInfo::exists(home.filePath(item)));
    QFile::remove(home.filePath(kChrome + QStringLiteral("/SingletonLock")));
    QFile::remove(home.filePath(kFirefox + QStringLiteral("/lock")));
    clean(cleaner);
    QVERIFY(!QFileInfo::exists(home.filePath(item)));
}

// A closed Firefox leaves an empty -wal and a -shm beside places.sqlite; a scan reads them as
// they are and writes nothing, in either profile.
void TestBrowserProfiles::scanChangesNothingOnDisk()
{
    TestHome home;
    RealProfiles::install(home);
    home.makeFile(kFirefox + QStringLiteral("/places.sqlite-shm"), 32768, '\0');
    home.makeFile(kFirefox + QStringLiteral("/places.sqlite-wal"), 0);
    const QMap<QString, QByteArray> before = snapshot(home.filePath(QStringLiteral("Library")));
    QTest::qWait(20); // a rewrite within the same millisecond would keep the file's time
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QVERIFY(cleaner.result().findCategory(QStringLiteral("mozilla_firefox_history")));
    const QMap<QString, QByteArray> after = snapshot(home.filePath(QStringLiteral("Library")));
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
}

// What a scan shows for a database and what the clean reports are the disk space that leaves:
// a sparse cookies database counts its allocated blocks, the history of places.sqlite (32 KiB
// pages) the pages clearing really frees.
void TestBrowserProfiles::sizesAreWhatLeavesTheDisk()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString cookies = firefoxProfile(home, QStringLiteral("cookies.sqlite"));
    {
        QFile file(cookies);
        QVERIFY(file.resize(8 * 1024 * 1024)); // a hole after the last page: a sparse file
    }
    const QString places = firefoxProfile(home, QStringLiteral("places.sqlite"));
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    for (const QString &id : { QStringLiteral("mozilla_firefox_cookies"), QStringLiteral("mozilla_firefox_history") }) {
        const QString path = id.endsWith(QLatin1String("cookies")) ? cookies : places;
        const qint64 disk = diskBytes(path);
        const CleanCategory *category = cleaner.result().findCategory(id);
        QVERIFY(category);
        QCOMPARE(category->items.size(), 1);
        const qint64 shown = category->items.at(0).size;
        selectOnly(cleaner, { id });
        const QPair<qint64, int> cleaned = clean(cleaner);
        QCOMPARE(cleaned.second, 1);
        const qint64 left = diskBytes(path);
        QCOMPARE(cleaned.first, disk - left);
        QCOMPARE(shown, cleaned.first);
    }
    QCOMPARE(RealProfiles::sqlValue(places, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// An empty database, or one without the tables a clear works on, is not offered for clearing:
// the clean could only fail. Everything that is offered then cleans without a failure.
void TestBrowserProfiles::databaseWithNothingToClearIsNotOffered_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("categoryId");
    const QString places = kFirefox + QStringLiteral("/places.sqlite");
    const QString history = kChrome + QStringLiteral("/Default/History");
    const QString webData = kChrome + QStringLiteral("/Default/Web Data");
    const QString other = QStringLiteral("CREATE TABLE other (id INTEGER PRIMARY KEY)");
    QTest::newRow("empty places.sqlite") << places << QString() << QStringLiteral("mozilla_firefox_history");
    QTest::newRow("places.sqlite without its tables") << places << other << QStringLiteral("mozilla_firefox_history");
    QTest::newRow("empty History, download history")
        << history << QString() << QStringLiteral("google_chrome_downloads");
    QTest::newRow("History without downloads table")
        << history << QStringLiteral("CREATE TABLE urls (id INTEGER PRIMARY KEY, url TEXT)")
        << QStringLiteral("google_chrome_downloads");
    QTest::newRow("Web Data without autofill table") << webData << other << QStringLiteral("google_chrome_form_data");
}

void TestBrowserProfiles::databaseWithNothingToClearIsNotOffered()
{
    QFETCH(QString, database);
    QFETCH(QString, statement);
    QFETCH(QString, categoryId);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    replaceDatabase(home.filePath(database), statement);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QVERIFY(!listsPath(cleaner.result().findCategory(categoryId), home.filePath(database)));

    selectOnly(cleaner, { categoryId });
    QSignalSpy errors(&cleaner, &CleanEngine::errorOccurred);
    clean(cleaner);
    QCOMPARE(errors.size(), 0);
    for (const CleanCategory &category : cleaner.result().categories) {
        for (const CleanItem &item : category.items)
            QVERIFY2(item.failure.isEmpty(), qPrintable(item.path + QStringLiteral(": ") + item.failure));
    }
}

// A database that cannot be read (here: not an SQLite file at all) is offered with its size
// unknown, neither its file size nor a guess; the totals say they leave it out, and its clean
// fails and says so, leaving the file as it was.
void TestBrowserProfiles::unreadableDatabaseHasNoSize_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("categoryId");
    QTest::newRow("firefox history") << kFirefox + QStringLiteral("/places.sqlite")
                                     << QStringLiteral("mozilla_firefox_history");
    QTest::newRow("chromium download history")
        << kChrome + QStringLiteral("/Default/History") << QStringLiteral("google_chrome_downloads");
    QTest::newRow("chromium form data") << kChrome + QStringLiteral("/Default/Web Data")
                                        << QStringLiteral("google_chrome_form_data");
}

void TestBrowserProfiles::unreadableDatabaseHasNoSize()
{
    QFETCH(QString, database);
    QFETCH(QString, categoryId);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString path = home.filePath(database);
    replaceDatabase(path, QString());
    const QByteArray garbage(64 * 1024, 'x');
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), garbage.size());
    }
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    CleanCategory *category = cleaner.result().findCategory(categoryId);
    QVERIFY(listsPath(category, path));
    for (const CleanItem &item : category->items) {
        if (item.path == path)
            QVERIFY2(item.size < 0, qPrintable(QString::number(item.size)));
    }
    QVERIFY(category->hasUnknownSize());

    selectOnly(cleaner, { categoryId });
    const ScanResult::Totals selected = cleaner.selectionToClean();
    QVERIFY(selected.sizeUnknown);
    QVERIFY(selected.size >= 0);
    clean(cleaner);
    QVERIFY(listsPath(cleaner.result().findCategory(categoryId), path));
    for (const CleanItem &item : cleaner.result().findCategory(categoryId)->items) {
        if (item.path == path)
            QVERIFY(!item.failure.isEmpty());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
}

// Firefox keeps its download list in places.sqlite: visits of the download kind and the
// download's details. The download history item clears them there as Firefox's own "Clear
// Downloads" does, with or without the browsing history, and keeps the rest of the history and
// the bookmarks; no reference to what went is left.
void TestBrowserProfiles::firefoxDownloadHistory_data()
{
    QTest::addColumn<bool>("withHistory");
    QTest::newRow("download history alone") << false;
    QTest::newRow("with the browsing history") << true;
}

void TestBrowserProfiles::firefoxDownloadHistory()
{
    QFETCH(bool, withHistory);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), quietPgrep());
    RealProfiles::install(home);
    const QString places = firefoxProfile(home, QStringLiteral("places.sqlite"));
    const QString downloadAnnos = QStringLiteral(
        "moz_annos WHERE anno_attribute_id IN (SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')");
    const QString downloadPlace = QStringLiteral("moz_places WHERE url LIKE '%/file.bin'");
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits WHERE visit_type = 7")), 1);
    QCOMPARE(rows(places, downloadAnnos), 2);
    QCOMPARE(rows(places, downloadPlace), 1);
    const qint64 pageVisits = rows(places, QStringLiteral("moz_historyvisits WHERE visit_type <> 7"));
    const qint64 bookmarks = rows(places, QStringLiteral("moz_bookmarks"));
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    const CleanCategory *downloads = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_downloads"));
    QCOMPARE(relativeItems(downloads, firefoxProfile(home)), QStringList { QStringLiteral("places.sqlite") });
    QVERIFY(downloads->items.at(0).size >= 0);
    QStringList chosen { QStringLiteral("mozilla_firefox_downloads") };
    if (withHistory)
        chosen << QStringLiteral("mozilla_firefox_history");
    selectOnly(cleaner, chosen);
    QCOMPARE(clean(cleaner).second, chosen.size());
    QCOMPARE(RealProfiles::sqlValue(places, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(
        RealProfiles::sqlValue(places, QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toLongLong(),
        0);
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits WHERE visit_type = 7")), 0);
    QCOMPARE(rows(places, downloadAnnos), 0);
    QCOMPARE(rows(places, downloadPlace), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_annos WHERE place_id NOT IN (SELECT id FROM moz_places)")), 0);
    QCOMPARE(rows(places,
                 QStringLiteral("moz_historyvisits WHERE from_visit > 0 AND from_visit NOT IN "
                                "(SELECT id FROM moz_historyvisits)")),
        0);
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits WHERE place_id NOT IN (SELECT id FROM moz_places)")), 0);
    QCOMPARE(rows(places, QStringLiteral("moz_historyvisits WHERE visit_type <> 7")), withHistory ? 0 : pageVisits);
    QCOMPARE(rows(places, QStringLiteral("moz_bookmarks")), bookmarks);
}

// Where no current Chromium or Firefox writes anything (an older browser's files, another
// system's), nothing is looked for or offered, even when something lies there.
void TestBrowserProfiles::placesNoBrowserWritesAreNotLookedFor_data()
{
    QTest::addColumn<QString>("file");
    const QString chrome = kChrome + QStringLiteral("/Default/");
    QTest::newRow("chromium media cache") << chrome + QStringLiteral("Media Cache/f_000001");
    QTest::newRow("chromium jump list") << chrome + QStringLiteral("JumpListIconsRecentClosed/icon.ico");
    QTest::newRow("chromium font cache") << chrome + QStringLiteral("Font Cache/fonts.bin");
    QTest::newRow("chromium thumbnails") << chrome + QStringLiteral("Thumbnails/thumb.db");
    QTest::newRow("a log in the chromium profile") << chrome + QStringLiteral("notes.log");
    QTest::newRow("firefox downloads.sqlite") << kFirefox + QStringLiteral("/downloads.sqlite");
    QTest::newRow("chromium code cache name in firefox") << kFirefox + QStringLiteral("/Code Cache/js/index");
    QTest::newRow("chromium blob storage name in firefox") << kFirefox + QStringLiteral("/blob_storage/0a1b/blob");
    QTest::newRow("chromium webrtc logs name in firefox") << kFirefox + QStringLiteral("/WebRTC Logs/event.log");
}

void TestBrowserProfiles::placesNoBrowserWritesAreNotLookedFor()
{
    QFETCH(QString, file);
    TestHome home;
    RealProfiles::install(home);
    const QString path = home.makeFile(file, 4096);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    for (const CleanCategory &category : cleaner.result().categories) {
        for (const CleanItem &item : category.items)
            QVERIFY2(item.path != path && !path.startsWith(item.path + QLatin1Char('/')),
                qPrintable(category.id + QStringLiteral(": ") + item.path));
    }
}

QTEST_MAIN(TestBrowserProfiles)
#include "tst_browserprofiles.moc"
