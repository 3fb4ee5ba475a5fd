#include "cleaners/browsercleaner.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

namespace {

const QString kSupport = QStringLiteral("Library/Application Support/");
const QString kChrome = kSupport + QStringLiteral("Google/Chrome/");
const QString kFirefox = kSupport + QStringLiteral("Firefox/");
const QString kFirefoxCache = QStringLiteral("Library/Caches/Firefox/");
const QString kSafari = QStringLiteral("Library/Safari/");
const QString kSafariCache = QStringLiteral("Library/Caches/com.apple.Safari/");

// A pgrep that answers runningExit (0: found) for the given process names, 1 (not found) for
// any other, and records its calls.
QByteArray fakePgrep(const QStringList &running, int runningExit = 0)
{
    QByteArray script = "#!/bin/sh\necho \"$*\" >> \"$SWEEPNOOK_FAKE_LOG\"\ncase \"$2\" in\n";
    for (const QString &name : running)
        script += "  \"" + name.toUtf8() + "\") exit " + QByteArray::number(runningExit) + " ;;\n";
    return script + "esac\nexit 1\n";
}

QStringList itemNames(const CleanCategory *category)
{
    QStringList names;
    for (const CleanItem &item : category->items)
        names.append(item.name());
    names.sort();
    return names;
}

void scan(BrowserCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    QVERIFY(finished.wait(60000));
}

// The totals of the clean: bytes freed and items cleaned.
QPair<qint64, int> clean(BrowserCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    if (finished.isEmpty() && !finished.wait(60000)) // cleanFinished may come from the worker first
        return { -1, -1 };
    return { finished.at(0).at(0).toLongLong(), finished.at(0).at(1).toInt() };
}

CleanCategory injectedCategory(const QStringList &paths)
{
    CleanCategory category(QStringLiteral("google_chrome_cache"), QStringLiteral("Injected"), QString());
    for (const QString &path : paths)
        category.items.append(CleanItem(path, 1));
    return category;
}

QString loadedRulesFile(const QByteArray &json, const TestHome &home)
{
    return home.makeFileWithContent(QStringLiteral("rules.json"), json);
}

} // namespace

class TestBrowserCleaner : public QObject
{
    Q_OBJECT

private slots:
    void shippedRulesLoad();
    void rulesFileDefaultsAndFailures();
    void stableIdsAndScanModes();
    void nothingInstalled();
    void detection_data();
    void detection();
    void isPathSafe_data();
    void isPathSafe();
    void firefoxProfilesFromIni();
    void firefoxProfilesFallback();
    void chromeProfileCaches();
    void chromiumProfilePrivacyFiles_data();
    void chromiumProfilePrivacyFiles();
    void firefoxCookiesByFileName();
    void firefoxCacheInTwinFolder();
    void safariHistoryAndCache();
    void emptyCacheFolderYieldsNothing();
    void databaseGoesWithItsCompanions();
    void runningBrowsersAreSkipped_data();
    void runningBrowsersAreSkipped();
    void aSlowRunningCheckIsWaitedFor();
    void uncheckedBrowserIsLeftAlone();
    void cleanRemovesOnlySelected();
    void overlappingRulesCountOnce();
    void cancelledCleanReportsPartialTotals();
    void linkedCacheFolderIsNeverEntered();
    void unsafeItemsAreRefused();
};

void TestBrowserCleaner::shippedRulesLoad()
{
    TestHome home;
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    const QList<BrowserCleanRule> &rules = cleaner.rules();
    QCOMPARE(rules.size(), 19);
    QCOMPARE(rules.first().id, QStringLiteral("cache"));
    QCOMPARE(rules.first().firefoxSubPath, QStringLiteral("cache2/entries"));
    QCOMPARE(rules.last().id, QStringLiteral("safe_browsing"));
    QCOMPARE(rules.last().description, QStringLiteral("Safe Browsing protection data (not recommended to clean)"));
    const BrowserCleanRule &cookies = rules.at(13);
    QCOMPARE(cookies.id, QStringLiteral("cookies"));
    QVERIFY(cookies.subPath.isEmpty());
    QCOMPARE(cookies.patterns, QStringList({ QStringLiteral("Cookies"), QStringLiteral("Cookies-journal") }));
    QCOMPARE(cookies.firefoxPatterns.size(), 3);
    QCOMPARE(cookies.defaultChecked, false);
    QCOMPARE(cookies.riskLevel, 2);
}

void TestBrowserCleaner::rulesFileDefaultsAndFailures()
{
    TestHome home;
    BrowserCleaner cleaner;
    cleaner.loadRules(loadedRulesFile(R"({"rules": [{"id": "bare", "patterns": ["*.log"]}]})", home));
    QCOMPARE(cleaner.rules().size(), 1);
    const BrowserCleanRule &bare = cleaner.rules().first();
    QCOMPARE(bare.defaultChecked, true);
    QCOMPARE(bare.riskLevel, 0);
    QVERIFY(bare.name.isEmpty());
    QVERIFY(bare.firefoxPatterns.isEmpty());

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[ERROR\\] Invalid browser rules$")));
    cleaner.loadRules(home.makeFileWithContent(QStringLiteral("broken.json"), "[1, 2"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Failed to load browser rules: .*missing")));
    cleaner.loadRules(home.filePath(QStringLiteral("missing.json")));
    QCOMPARE(cleaner.rules().size(), 1);
}

void TestBrowserCleaner::stableIdsAndScanModes()
{
    QCOMPARE(BrowserCleaner::stableIdForType(Constants::Chrome), QStringLiteral("google_chrome"));
    QCOMPARE(BrowserCleaner::stableIdForType(Constants::Safari), QStringLiteral("safari"));
    QCOMPARE(BrowserCleaner::stableIdForType(static_cast<Constants::BrowserType>(6)), QStringLiteral("unknown"));
    QCOMPARE(BrowserCleaner::scanModeForRule(QStringLiteral("service_worker")), BrowserScanMode::WholeDirectory);
    QCOMPARE(BrowserCleaner::scanModeForRule(QStringLiteral("network_cache")), BrowserScanMode::TopLevelFiles);
    QCOMPARE(BrowserCleaner::scanModeForRule(QStringLiteral("no_such_rule")), BrowserScanMode::TopLevelFiles);
}

void TestBrowserCleaner::nothingInstalled()
{
    TestHome home;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[INFO\\] Detected 0 browsers$")));
    BrowserCleaner cleaner;
    QCOMPARE(cleaner.browsers().size(), 6);
    for (const BrowserInfo &info : cleaner.browsers()) {
        QVERIFY(!info.installed);
        QVERIFY(!cleaner.isBrowserEnabled(info.type));
    }
    QCOMPARE(cleaner.browsers().at(2).name, QStringLiteral("Mozilla Firefox"));
    const QStringList roots = cleaner.allowedRoots();
    QCOMPARE(roots.size(), 13);
    QVERIFY(roots.contains(home.filePath(QStringLiteral("Library/Caches/Google/Chrome"))));
    QCOMPARE(roots.first(), home.filePath(QStringLiteral("Library/Cookies")));
    QVERIFY(roots.contains(home.filePath(kSafariCache.chopped(1))));
    QVERIFY(roots.contains(home.filePath(kSupport + QStringLiteral("BraveSoftware/Brave-Browser"))));
}

void TestBrowserCleaner::detection_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("browser");
    QTest::addColumn<bool>("installed");
    QTest::newRow("chrome data") << kChrome << int(Constants::Chrome) << true;
    QTest::newRow("firefox cache profiles alone")
        << kFirefoxCache + QStringLiteral("Profiles") << int(Constants::Firefox) << true;
    QTest::newRow("firefox root without profiles") << kFirefox << int(Constants::Firefox) << false;
    QTest::newRow("safari cache alone") << kSafariCache << int(Constants::Safari) << false;
    QTest::newRow("safari data") << kSafari << int(Constants::Safari) << true;
    QTest::newRow("opera data") << kSupport + QStringLiteral("com.operasoftware.Opera") << int(Constants::Opera)
                                << true;
}

void TestBrowserCleaner::detection()
{
    QFETCH(QString, folder);
    QFETCH(int, browser);
    QFETCH(bool, installed);
    TestHome home;
    home.makeDir(folder);
    BrowserCleaner cleaner;
    QCOMPARE(cleaner.browsers().at(browser).installed, installed);
    QCOMPARE(cleaner.isBrowserEnabled(static_cast<Constants::BrowserType>(browser)), installed);
    int installedCount = 0;
    for (const BrowserInfo &info : cleaner.browsers())
        installedCount += info.installed ? 1 : 0;
    QCOMPARE(installedCount, installed ? 1 : 0);
}

void TestBrowserCleaner::isPathSafe_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("safe");
    QTest::newRow("root itself") << kChrome.chopped(1) << true;
    QTest::newRow("below a root") << kChrome + QStringLiteral("Default/Cache") << true;
    QTest::newRow("cookie folder file") << QStringLiteral("Library/Cookies/Cookies.binarycookies") << true;
    QTest::newRow("sibling extending the root name") << kSupport + QStringLiteral("Google/Chrome Beta/Cache") << false;
    QTest::newRow("dot-dot escape") << kChrome + QStringLiteral("Default/../../../Documents") << false;
    QTest::newRow("link to outside") << kChrome + QStringLiteral("Default/Escape/file") << false;
    QTest::newRow("home folder") << QString() << false;
}

void TestBrowserCleaner::isPathSafe()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, safe);
    TestHome home;
    const QString outside = home.makeDir(QStringLiteral("Documents"));
    home.makeDir(kChrome + QStringLiteral("Default/Cache"));
    home.makeLink(kChrome + QStringLiteral("Default/Escape"), outside);
    BrowserCleaner cleaner;
    QCOMPARE(cleaner.isPathSafe(home.filePath(relativePath)), safe);
    QVERIFY(!cleaner.isPathSafe(QString()));
}

void TestBrowserCleaner::firefoxProfilesFromIni()
{
    TestHome home;
    const QString relative = home.makeDir(kFirefox + QStringLiteral("Profiles/abc.default-release"));
    const QString absolute = home.makeDir(QStringLiteral("Elsewhere/work, profile"));
    home.makeDir(kFirefox + QStringLiteral("Profiles/unlisted"));
    home.makeFileWithContent(kFirefox + QStringLiteral("profiles.ini"),
        "[General]\nStartWithLastProfile=1\nPath=Profiles/unlisted\n\n"
        "[Profile1]\nName=work\nIsRelative=0\nPath="
            + absolute.toUtf8()
            + "\n\n"
              "[Profile0]\nName=default-release\nIsRelative=1\n"
              "Path=Profiles/abc.default-release\nDefault=1\n\n"
              "[Profile2]\nName=gone\nIsRelative=1\nPath=Profiles/gone.default\n\n"
              "[Profile3]\nName=no path\n\n"
              "[Install308046B0AF4A39CB]\nDefault=Profiles/abc.default-release\n");
    BrowserCleaner cleaner;
    QCOMPARE(cleaner.firefoxProfiles(), QStringList({ absolute, relative }));
}

void TestBrowserCleaner::firefoxProfilesFallback()
{
    TestHome home;
    const QString roaming = home.makeDir(kFirefox + QStringLiteral("Profiles/a.default"));
    const QString local = home.makeDir(kFirefoxCache + QStringLiteral("Profiles/b.default"));
    home.makeFile(kFirefox + QStringLiteral("Profiles/not-a-folder"), 3);
    home.makeFileWithContent(
        kFirefox + QStringLiteral("profiles.ini"), "[Profile0]\nIsRelative=1\nPath=Profiles/missing\n");
    BrowserCleaner cleaner;
    QCOMPARE(cleaner.firefoxProfiles(), QStringList({ roaming, local }));
}

void TestBrowserCleaner::chromeProfileCaches()
{
    TestHome home;
    const QString defaultCache = home.makeFile(kChrome + QStringLiteral("Default/Cache/data_0"), 100);
    home.makeFile(kChrome + QStringLiteral("Default/Cache/index/deep"), 50);
    home.makeFile(kChrome + QStringLiteral("Profile 1/Cache/data_1"), 30);
    home.makeDir(kChrome + QStringLiteral("Profile 2/Cache/empty"));
    home.makeFile(kChrome + QStringLiteral("System Profile/Cache/data"), 10);
    home.makeFile(kChrome + QStringLiteral("Default/Cookies"), 20);
    home.makeFile(kChrome + QStringLiteral("Profile 1/Cookies"), 20);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);

    const CleanCategory *cache = cleaner.result().findCategory(QStringLiteral("google_chrome_cache"));
    QVERIFY(cache);
    QCOMPARE(cache->name, QStringLiteral("Google Chrome - Browser Cache"));
    QCOMPARE(cache->items.size(), 2);
    QCOMPARE(cache->items.at(0).path, QFileInfo(defaultCache).path());
    QCOMPARE(cache->items.at(0).size, 150);
    QVERIFY(cache->items.at(0).isDirectory);
    QCOMPARE(cache->items.at(1).path, home.filePath(kChrome + QStringLiteral("Profile 1/Cache")));
    QCOMPARE(cache->items.at(1).size, 30);
    const CleanCategory *cookies = cleaner.result().findCategory(QStringLiteral("google_chrome_cookies"));
    QVERIFY(cookies);
    QCOMPARE(cookies->items.size(), 2);
    QCOMPARE(cleaner.result().categories.size(), 2);
}

// Rules with an empty sub-path name the profile folder itself: its top-level files named by the
// rule are offered with the rule's own box and risk, once each, and nothing else of the profile.
void TestBrowserCleaner::chromiumProfilePrivacyFiles_data()
{
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("riskLevel");
    QTest::newRow("cookies") << QStringLiteral("google_chrome_cookies") << QStringList { QStringLiteral("Cookies") }
                             << 2;
    QTest::newRow("history") << QStringLiteral("google_chrome_history")
                             << QStringList { QStringLiteral("History"), QStringLiteral("Visited Links") } << 1;
    QTest::newRow("form data") << QStringLiteral("google_chrome_form_data")
                               << QStringList { QStringLiteral("Web Data") } << 2;
    QTest::newRow("session") << QStringLiteral("google_chrome_session")
                             << QStringList { QStringLiteral("Current Session") } << 2;
    // The download list is cleared inside History, which the history rule lists as a whole too.
    QTest::newRow("download history, History also listed")
        << QStringLiteral("google_chrome_downloads")
        << QStringList { QStringLiteral("DownloadMetadata"), QStringLiteral("History") } << 1;
}

void TestBrowserCleaner::chromiumProfilePrivacyFiles()
{
    QFETCH(QString, categoryId);
    QFETCH(QStringList, names);
    QFETCH(int, riskLevel);
    TestHome home;
    const QString profile = kChrome + QStringLiteral("Default/");
    for (const char *name : { "Cookies", "Cookies-journal", "History", "Visited Links", "Web Data", "Current Session",
             "DownloadMetadata", "Preferences", "Bookmarks", "Login Data" })
        home.makeFile(profile + QLatin1String(name), 10);
    home.makeFile(profile + QStringLiteral("Extensions/abc/History"), 10);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);

    const CleanCategory *category = cleaner.result().findCategory(categoryId);
    QVERIFY(category);
    QCOMPARE(itemNames(category), names);
    QVERIFY(!category->checked);
    QCOMPARE(category->riskLevel, riskLevel);
    for (const CleanItem &item : category->items)
        QCOMPARE(QFileInfo(item.path).path(), home.filePath(profile.chopped(1)));

    QStringList listed;
    for (const CleanCategory &each : cleaner.result().categories) {
        for (const CleanItem &item : each.items)
            listed.append(item.name());
    }
    listed.sort();
    QCOMPARE(listed,
        QStringList({ QStringLiteral("Cookies"), QStringLiteral("Current Session"), QStringLiteral("DownloadMetadata"),
            QStringLiteral("History"), QStringLiteral("History"), QStringLiteral("Visited Links"),
            QStringLiteral("Web Data") }));
}

void TestBrowserCleaner::firefoxCookiesByFileName()
{
    TestHome home;
    const QString profile = kFirefox + QStringLiteral("Profiles/p.default/");
    home.makeFile(profile + QStringLiteral("cookies.sqlite"), 64);
    home.makeFile(profile + QStringLiteral("cookies.sqlite-wal"), 8);
    home.makeFile(profile + QStringLiteral("Cookies"), 16);
    home.makeFile(profile + QStringLiteral("shader-cache/blob"), 12);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);

    const CleanCategory *cookies = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_cookies"));
    QVERIFY(cookies);
    // The -wal file goes with its database; "Cookies" is Chrome's name, not Firefox's.
    QCOMPARE(itemNames(cookies), QStringList { QStringLiteral("cookies.sqlite") });
    QCOMPARE(cookies->items.at(0).size, 64 + 8);
    QVERIFY(!cookies->checked);
    QCOMPARE(cookies->riskLevel, 2);
    QCOMPARE(cookies->description, QStringLiteral("Website Cookies (requires re-login to all sites)"));
    // Both GPU rules of Firefox reach the one shader cache; the first lists it, the totals count it once.
    const CleanCategory *gpu = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_gpu_cache"));
    QVERIFY(gpu);
    QCOMPARE(gpu->items.at(0).path, home.filePath(profile + QStringLiteral("shader-cache")));
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("mozilla_firefox_shader_cache")));
    QCOMPARE(cleaner.result().totalSize(), 64 + 8 + 12);
}

void TestBrowserCleaner::firefoxCacheInTwinFolder()
{
    TestHome home;
    home.makeDir(kFirefox + QStringLiteral("Profiles/abc.default-release"));
    home.makeFileWithContent(
        kFirefox + QStringLiteral("profiles.ini"), "[Profile0]\nIsRelative=1\nPath=Profiles/abc.default-release\n");
    const QString entry
        = home.makeFile(kFirefoxCache + QStringLiteral("Profiles/abc.default-release/cache2/entries/E1"), 700);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);

    const CleanCategory *cache = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_cache"));
    QVERIFY(cache);
    QCOMPARE(cache->items.size(), 1);
    QCOMPARE(cache->items.at(0).path, QFileInfo(entry).path());
    QCOMPARE(cache->items.at(0).size, 700);
}

void TestBrowserCleaner::safariHistoryAndCache()
{
    TestHome home;
    home.makeFile(kSafari + QStringLiteral("History.db"), 40);
    home.makeFile(kSafari + QStringLiteral("History.db-wal"), 4);
    home.makeFile(kSafariCache + QStringLiteral("fsCachedData/one"), 300);
    home.makeFile(kSafariCache + QStringLiteral("Cache.db"), 200);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);

    const CleanCategory *history = cleaner.result().findCategory(QStringLiteral("safari_history"));
    QVERIFY(history);
    QCOMPARE(history->items.size(), 1);
    QCOMPARE(history->items.at(0).name(), QStringLiteral("History.db"));
    QVERIFY(!history->items.at(0).isDirectory);
    const CleanCategory *cache = cleaner.result().findCategory(QStringLiteral("safari_cache"));
    QVERIFY(cache);
    QCOMPARE(cache->items.size(), 1);
    QCOMPARE(cache->items.at(0).path, home.filePath(kSafariCache.chopped(1)));
    QCOMPARE(cache->items.at(0).size, 500);
}

void TestBrowserCleaner::emptyCacheFolderYieldsNothing()
{
    TestHome home;
    home.makeDir(kChrome + QStringLiteral("Default/Cache/index-dir"));
    home.makeFile(kChrome + QStringLiteral("Default/Code Cache/empty.bin"), 0);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QVERIFY(cleaner.result().categories.isEmpty());
}

void TestBrowserCleaner::databaseGoesWithItsCompanions()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    const QString history = home.makeFile(kSafari + QStringLiteral("History.db"), 4096);
    home.makeFile(kSafari + QStringLiteral("History.db-wal"), 900);
    home.makeFile(kSafari + QStringLiteral("History.db-shm"), 300);
    const QString orphan = home.makeFile(kFirefox + QStringLiteral("Profiles/p/cookies.sqlite-wal"), 50);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    CleanCategory *safari = cleaner.result().findCategory(QStringLiteral("safari_history"));
    QVERIFY(safari);
    QCOMPARE(safari->items.size(), 1);
    QCOMPARE(safari->items.at(0).size, 4096 + 900 + 300);
    const CleanCategory *firefox = cleaner.result().findCategory(QStringLiteral("mozilla_firefox_cookies"));
    QVERIFY(firefox);
    QCOMPARE(itemNames(firefox), QStringList { QStringLiteral("cookies.sqlite-wal") });

    safari->setAllItemsChecked(true);
    QCOMPARE(clean(cleaner), qMakePair(qint64(4096 + 900 + 300), 1));
    QCOMPARE(QDir(QFileInfo(history).path()).entryList(QDir::Files), QStringList());
    QVERIFY(QFile::exists(orphan));
}

void TestBrowserCleaner::runningBrowsersAreSkipped_data()
{
    QTest::addColumn<QStringList>("running");
    QTest::addColumn<int>("pgrepExit");
    QTest::addColumn<QString>("names");
    QTest::addColumn<bool>("chromeCleaned");
    QTest::newRow("safari") << QStringList { QStringLiteral("Safari") } << 0 << QStringLiteral("Safari") << true;
    QTest::newRow("two browsers") << QStringList { QStringLiteral("Safari"), QStringLiteral("Google Chrome") } << 0
                                  << QStringLiteral("Google Chrome\nSafari") << false;
    QTest::newRow("check without answer")
        << QStringList { QStringLiteral("Safari") } << 3 << QStringLiteral("Safari") << true;
}

// A running browser is left alone and named; the browsers that are not running are cleaned.
void TestBrowserCleaner::runningBrowsersAreSkipped()
{
    QFETCH(QStringList, running);
    QFETCH(int, pgrepExit);
    QFETCH(QString, names);
    QFETCH(bool, chromeCleaned);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep(running, pgrepExit));
    const QString chromeCache = home.makeFile(kChrome + QStringLiteral("Default/Cache/data"), 10);
    const QString safariCache = home.makeFile(kSafariCache + QStringLiteral("Cache.db"), 10);
    home.makeDir(kSafari);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QCOMPARE(cleaner.result().categories.size(), 2);

    QSignalSpy errors(&cleaner, &CleanEngine::errorOccurred);
    QCOMPARE(clean(cleaner), chromeCleaned ? qMakePair(qint64(10), 1) : qMakePair(qint64(0), 0));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).at(0).toString(),
        QStringLiteral("These browsers are running and were skipped; close them to clean them:\n") + names);
    QCOMPARE(cleaner.state(), CleanEngine::Finished);
    QCOMPARE(QFileInfo::exists(home.filePath(kChrome + QStringLiteral("Default/Cache"))), !chromeCleaned);
    QVERIFY(QFile::exists(safariCache));
    QVERIFY(tools.callLog().contains(QStringLiteral("-x Google Chrome\n")));
    QVERIFY(!tools.callLog().contains(QStringLiteral("-x firefox")));
}

// pgrep answering late, as on a busy machine, still decides: a browser it says is not
// running is cleaned, not skipped as if the check had failed.
void TestBrowserCleaner::aSlowRunningCheckIsWaitedFor()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"),
        "#!/bin/sh\necho \"$*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n"
        "[ \"$2\" = \"Google Chrome\" ] && sleep 3\nexit 1\n");
    home.makeFile(kChrome + QStringLiteral("Default/Cache/data"), 10);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QCOMPARE(cleaner.result().categories.size(), 1);

    QSignalSpy errors(&cleaner, &CleanEngine::errorOccurred);
    QCOMPARE(clean(cleaner), qMakePair(qint64(10), 1));
    QCOMPARE(errors.size(), 0);
    QVERIFY(!QFileInfo::exists(home.filePath(kChrome + QStringLiteral("Default/Cache"))));
    QVERIFY(tools.callLog().contains(QStringLiteral("-x Google Chrome\n")));
}

// Unticking a browser after the scan keeps a clean away from its items at once.
void TestBrowserCleaner::uncheckedBrowserIsLeftAlone()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}, 0));
    home.makeFile(kChrome + QStringLiteral("Default/Cache/data"), 10);
    const QString safariCache = home.makeFile(kSafariCache + QStringLiteral("Cache.db"), 10);
    home.makeDir(kSafari);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QCOMPARE(cleaner.result().categories.size(), 2);

    // The box holds at once: Safari's category leaves the result (and the selection) and comes
    // back with its own selection when ticked again.
    cleaner.result().findCategory(QStringLiteral("safari_cache"))->items.first().checked = false;
    cleaner.setBrowserEnabled(Constants::Safari, false);
    QCOMPARE(cleaner.result().categories.size(), 1);
    QCOMPARE(cleaner.result().selectedSize(), 10);
    cleaner.setBrowserEnabled(Constants::Safari, true);
    QCOMPARE(cleaner.result().categories.size(), 2);
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("safari_cache"))->items.first().checked);
    cleaner.result().findCategory(QStringLiteral("safari_cache"))->items.first().checked = true;
    QCOMPARE(cleaner.result().selectedSize(), 20);

    cleaner.setBrowserEnabled(Constants::Safari, false);
    QCOMPARE(clean(cleaner), qMakePair(qint64(10), 1));
    QVERIFY(QFile::exists(safariCache));
    QVERIFY(!QFileInfo::exists(home.filePath(kChrome + QStringLiteral("Default/Cache"))));
}

void TestBrowserCleaner::cleanRemovesOnlySelected()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    home.makeFile(kChrome + QStringLiteral("Default/Cache/a"), 100);
    home.makeFile(kChrome + QStringLiteral("Default/Cache/sub/b"), 20);
    const QString storage = home.makeFile(kChrome + QStringLiteral("Default/Local Storage/leveldb.log"), 5);
    const QString shaders = home.makeFile(kChrome + QStringLiteral("Default/GPUCache/data_0"), 7);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("google_chrome_local_storage"))->checked);
    cleaner.result().findCategory(QStringLiteral("google_chrome_gpu_cache"))->items[0].checked = false;

    QCOMPARE(clean(cleaner), qMakePair(qint64(120), 1));
    QCOMPARE(cleaner.state(), CleanEngine::Finished);
    QVERIFY(!QFileInfo::exists(home.filePath(kChrome + QStringLiteral("Default/Cache"))));
    QVERIFY(QFile::exists(storage));
    QVERIFY(QFile::exists(shaders));
}

void TestBrowserCleaner::overlappingRulesCountOnce()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    home.makeFile(kChrome + QStringLiteral("Default/Cache/Cache_Data/f_000001"), 10);
    home.makeFile(kChrome + QStringLiteral("Default/Cache/Cache_Data/f_000002"), 20);
    home.makeFile(kFirefox + QStringLiteral("Profiles/p/shader-cache/blob"), 30);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    // The network cache lies inside the cache folder, which is listed as a whole already.
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("google_chrome_network_cache")));
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("mozilla_firefox_shader_cache")));
    QCOMPARE(cleaner.result().totalSize(), 30 + 30);

    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("Browser clean done. 2 items / 60 B / failed 0$")));
    QCOMPARE(clean(cleaner), qMakePair(qint64(30 + 30), 2));
    QVERIFY(!QFileInfo::exists(home.filePath(kChrome + QStringLiteral("Default/Cache"))));
    QVERIFY(!QFileInfo::exists(home.filePath(kFirefox + QStringLiteral("Profiles/p/shader-cache"))));
}

void TestBrowserCleaner::cancelledCleanReportsPartialTotals()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    const QList<QPair<QString, qint64>> caches {
        { home.makeFile(kChrome + QStringLiteral("Default/Cache/a"), 11), 11 },
        { home.makeFile(kChrome + QStringLiteral("Profile 1/Cache/a"), 22), 22 },
        { home.makeFile(kChrome + QStringLiteral("Profile 2/Cache/a"), 33), 33 },
    };
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    scan(cleaner);
    // The first progress reaches this thread while the worker goes on: how far the clean got
    // when the cancel arrives is not fixed, but what it reports is exactly what left the disk.
    connect(&cleaner, &CleanEngine::cleanProgress, &cleaner, &CleanEngine::cancel, Qt::DirectConnection);

    const QPair<qint64, int> reported = clean(cleaner);
    QCOMPARE(cleaner.state(), CleanEngine::Cancelled);
    QPair<qint64, int> gone { 0, 0 };
    for (const auto &[path, size] : caches) {
        if (!QFile::exists(path))
            gone = { gone.first + size, gone.second + 1 };
    }
    QVERIFY(reported.second >= 1);
    QCOMPARE(reported, gone);
}

void TestBrowserCleaner::linkedCacheFolderIsNeverEntered()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    const QString precious = home.makeFile(QStringLiteral("Documents/precious/thesis.pdf"), 500);
    home.makeLink(kChrome + QStringLiteral("Default/Cache"), QFileInfo(precious).path());
    home.makeLink(kChrome + QStringLiteral("Profile 1"), QFileInfo(precious).path());
    home.makeFile(kChrome + QStringLiteral("Default/Code Cache/js/x"), 40);
    home.makeFile(kSupport + QStringLiteral("Google/Chrome Beta/Default/Cache/y"), 40);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[WARN\\] Blocked Chromium path: .*/Cache$")));
    scan(cleaner);
    QVERIFY(!cleaner.result().findCategory(QStringLiteral("google_chrome_cache")));

    QCOMPARE(clean(cleaner), qMakePair(qint64(40), 1));
    QVERIFY(QFile::exists(precious));
    QCOMPARE(QFileInfo(precious).size(), 500);
    QVERIFY(QFileInfo(home.filePath(kChrome + QStringLiteral("Default/Cache"))).isSymLink());
}

void TestBrowserCleaner::unsafeItemsAreRefused()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), fakePgrep({}));
    const QString precious = home.makeFile(QStringLiteral("Documents/precious/thesis.pdf"), 500);
    home.makeLink(kChrome + QStringLiteral("Default/Cache"), QFileInfo(precious).path());
    const QString sibling = home.makeFile(kSupport + QStringLiteral("Google/Chrome Beta/Default/Cache/y"), 40);
    BrowserCleaner cleaner;
    cleaner.result().categories.append(injectedCategory({
        home.filePath(kChrome + QStringLiteral("Default/Cache/thesis.pdf")),
        sibling,
        home.filePath(kChrome + QStringLiteral("Default/../../../../../Documents/precious/thesis.pdf")),
        QString(),
    }));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Refused unsafe delete: .*thesis.pdf$")));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("Refused unsafe delete: .*Beta/Default/Cache/y$")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Refused unsafe delete: .*thesis.pdf$")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Refused unsafe delete: $")));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("Browser clean done. 0 items / 0 B / failed 4$")));

    QCOMPARE(clean(cleaner), qMakePair(qint64(0), 0));
    QVERIFY(QFile::exists(precious));
    QVERIFY(QFile::exists(sibling));
}

QTEST_MAIN(TestBrowserCleaner)
#include "tst_browsercleaner.moc"
