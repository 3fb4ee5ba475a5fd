#include "app/cleanall.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/junkcleaner.h"
#include "core/cleanengine.h"
#include "core/removals.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <QSemaphore>

namespace {

// An engine over a fixed list of files: its scan lists them, its clean removes the checked
// ones, like the rule-driven engines do. It can refuse a clean as the browser engine does
// when a browser runs, and can hold after its first removal until released or cancelled.
class FileEngine final : public CleanEngine
{
public:
    explicit FileEngine(QStringList paths)
        : m_paths(std::move(paths))
    {
    }
    ~FileEngine() override
    {
        stopWorker();
    }

    bool refuse = false;
    bool holdAfterFirst = false;
    QSemaphore held;
    QSemaphore release;

protected:
    void doScan() override
    {
        CleanCategory category(QStringLiteral("files"), QStringLiteral("Files"), QString());
        for (const QString &path : std::as_const(m_paths))
            category.items.append(CleanItem(path, QFileInfo(path).size()));
        m_result.categories.append(category);
    }

    CleanOutcome doClean() override
    {
        if (refuse)
            return { 0, 0, QStringLiteral("Please close the following browsers before cleaning:\nSafari") };
        const int total = m_result.selectedItemCount();
        qint64 freed = 0;
        int cleaned = 0;
        QSet<QString> removed;
        bool holdNext = holdAfterFirst;
        for (const CleanItem &item : std::as_const(m_result.categories[0].items)) {
            if (isCancelled())
                return { freed, cleaned, QString(), removed };
            if (!item.checked)
                continue;
            reportCleanProgress(cleaned + 1, total, freed, true);
            if (QFile::remove(item.path)) {
                freed += item.size;
                ++cleaned;
                removed.insert(item.path);
            }
            if (holdNext && cleaned == 1) {
                holdNext = false;
                held.release();
                while (!isCancelled() && !release.tryAcquire(1, 10)) { }
            }
        }
        return { freed, cleaned, QString(), removed };
    }

private:
    QStringList m_paths;
};

void scan(CleanEngine &engine)
{
    QSignalSpy finished(&engine, &CleanEngine::scanFinished);
    engine.startScan();
    QVERIFY(finished.wait());
}

} // namespace

class TestCleanAll : public QObject
{
    Q_OBJECT

private slots:
    void cleansExactlyTheSelectionOfBothEngines();
    void refusalOfOneEngineKeepsTheOther();
    void cleanedResultIsNotCleanedAgain();
    void cancelStopsBeforeTheNextEngine();
    void unfinishedScanIsLeftOut();
    void removalByAnotherCleanWaitsForTheRunningOne();
    void untickedOnEitherPageStaysWhateverCleans_data();
    void untickedOnEitherPageStaysWhateverCleans();
    void folderEmptiedAroundKeptFilesShowsWhatIsLeft();
};

void TestCleanAll::cleansExactlyTheSelectionOfBothEngines()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Caches/a.cache"), 100);
    const QString b = home.makeFile(QStringLiteral("Library/Caches/b.cache"), 200);
    const QString c = home.makeFile(QStringLiteral("Library/Safari/History.db"), 4000);
    FileEngine junk({ a, b });
    FileEngine browser({ c });
    scan(junk);
    scan(browser);
    junk.result().categories[0].items[1].checked = false;

    CleanAll cleanAll(&junk, &browser);
    QCOMPARE(cleanAll.selection().itemCount, 2);
    QCOMPARE(cleanAll.selection().size, 4100);
    QSignalSpy progress(&cleanAll, &CleanAll::progressChanged);
    QSignalSpy finished(&cleanAll, &CleanAll::finished);
    cleanAll.start();
    QVERIFY(cleanAll.isRunning());
    QVERIFY(finished.wait());

    QVERIFY(!QFileInfo::exists(a));
    QVERIFY(QFileInfo::exists(b));
    QVERIFY(!QFileInfo::exists(c));
    const CleanAll::Summary &summary = cleanAll.summary();
    QCOMPARE(summary.itemsCleaned, 2);
    QCOMPARE(summary.itemsFailed, 0);
    QCOMPARE(summary.junkFreed, 100);
    QCOMPARE(summary.browserFreed, 4000);
    QCOMPARE(summary.bytesFreed(), 4100);
    QVERIFY(summary.errors.isEmpty());
    QVERIFY(!summary.cancelled);
    QCOMPARE(progress.last().at(0).toInt(), 2);
    QCOMPARE(progress.last().at(1).toInt(), 2);
    QCOMPARE(progress.last().at(2).toLongLong(), 4100);
    for (const QList<QVariant> &report : std::as_const(progress))
        QVERIFY(report.at(0).toInt() <= 2);
}

void TestCleanAll::refusalOfOneEngineKeepsTheOther()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Logs/a.log"), 10);
    const QString c = home.makeFile(QStringLiteral("Library/Safari/History.db"), 40);
    FileEngine junk({ a });
    FileEngine browser({ c });
    browser.refuse = true;
    scan(junk);
    scan(browser);

    CleanAll cleanAll(&junk, &browser);
    QSignalSpy finished(&cleanAll, &CleanAll::finished);
    cleanAll.start();
    QVERIFY(finished.wait());
    QVERIFY(!QFileInfo::exists(a));
    QVERIFY(QFileInfo::exists(c));
    QCOMPARE(cleanAll.summary().itemsCleaned, 1);
    QCOMPARE(cleanAll.summary().itemsFailed, 0);
    QCOMPARE(cleanAll.summary().errors.size(), 1);
    QVERIFY(cleanAll.summary().errors.at(0).contains(QStringLiteral("Safari")));

    // Nothing was removed from the browser's result: once the browser is closed it can be cleaned.
    QCOMPARE(cleanAll.selection().itemCount, 1);
    browser.refuse = false;
    cleanAll.start();
    QVERIFY(finished.wait());
    QVERIFY(!QFileInfo::exists(c));
}

void TestCleanAll::cleanedResultIsNotCleanedAgain()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Caches/a.cache"), 10);
    FileEngine junk({ a });
    scan(junk);
    CleanAll cleanAll(&junk, nullptr);

    QSignalSpy cleaned(&junk, &CleanEngine::cleanFinished);
    junk.startClean(); // as the junk page's "Clean Now" does
    QTRY_COMPARE(cleaned.count(), 1);
    QTRY_COMPARE(cleanAll.selection().itemCount, 0);
    QSignalSpy finished(&cleanAll, &CleanAll::finished);
    cleanAll.start();
    QVERIFY(!cleanAll.isRunning());
    QCOMPARE(finished.count(), 0);

    home.makeFile(QStringLiteral("Library/Caches/a.cache"), 10);
    scan(junk);
    QCOMPARE(cleanAll.selection().itemCount, 1);
}

void TestCleanAll::cancelStopsBeforeTheNextEngine()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Caches/a.cache"), 10);
    const QString b = home.makeFile(QStringLiteral("Library/Caches/b.cache"), 20);
    const QString c = home.makeFile(QStringLiteral("Library/Safari/History.db"), 40);
    FileEngine junk({ a, b });
    FileEngine browser({ c });
    junk.holdAfterFirst = true;
    scan(junk);
    scan(browser);

    CleanAll cleanAll(&junk, &browser);
    QSignalSpy finished(&cleanAll, &CleanAll::finished);
    cleanAll.start();
    QVERIFY(junk.held.tryAcquire(1, 5000));
    cleanAll.cancel();
    QVERIFY(finished.wait());
    QVERIFY(cleanAll.summary().cancelled);
    QCOMPARE(cleanAll.summary().itemsCleaned, 1);
    QCOMPARE(cleanAll.summary().junkFreed, 10);
    QVERIFY(QFileInfo::exists(b));
    QVERIFY(QFileInfo::exists(c));
}

void TestCleanAll::unfinishedScanIsLeftOut()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Caches/a.cache"), 10);
    const QString c = home.makeFile(QStringLiteral("Library/Safari/History.db"), 40);
    FileEngine junk({ a });
    FileEngine browser({ c });
    scan(junk);
    scan(browser);
    junk.cancel(); // a later scan cancelled from the junk page leaves no trustworthy result
    CleanAll cleanAll(&junk, &browser);
    QCOMPARE(cleanAll.selection().itemCount, 1);
    QCOMPARE(cleanAll.selection().size, 40);
}

// Two pages clean at once and their engines list a file in common: what the other removed
// leaves the result of the one still cleaning only when its run ends, never under its worker.
void TestCleanAll::removalByAnotherCleanWaitsForTheRunningOne()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Library/Caches/a.cache"), 10);
    const QString shared = home.makeFile(QStringLiteral("Library/Caches/Firefox/entry"), 20);
    FileEngine junk({ a, shared });
    FileEngine browser({ shared });
    Removals::share(&junk, &browser);
    junk.holdAfterFirst = true;
    scan(junk);
    scan(browser);

    QSignalSpy junkChanged(&junk, &CleanEngine::resultChanged);
    QSignalSpy junkCleaned(&junk, &CleanEngine::cleanFinished);
    junk.startClean();
    QVERIFY(junk.held.tryAcquire(1, 5000));
    QSignalSpy browserCleaned(&browser, &CleanEngine::cleanFinished);
    browser.startClean();
    QVERIFY(browserCleaned.wait());
    QVERIFY(!QFileInfo::exists(shared));
    QCOMPARE(junk.result().totalItemCount(), 2);
    junk.release.release();
    QVERIFY(junkCleaned.wait());
    QCOMPARE(junk.result().totalItemCount(), 0);
    QCOMPARE(browser.result().totalItemCount(), 0);
    QCOMPARE(junkChanged.count(), 0);
}

namespace {
enum class Cleaner { CleanAll, BrowserPage, JunkPage };
}
Q_DECLARE_METATYPE(Cleaner)

void TestCleanAll::untickedOnEitherPageStaysWhateverCleans_data()
{
    QTest::addColumn<Cleaner>("cleaner");
    QTest::addColumn<bool>("untickOnBrowserPage");
    QTest::newRow("clean all, files unticked on the junk page") << Cleaner::CleanAll << false;
    QTest::newRow("browser page, files unticked on the junk page") << Cleaner::BrowserPage << false;
    QTest::newRow("junk page, cache unticked on the browser page") << Cleaner::JunkPage << true;
}

// Safari's cache is a folder of browser data on one page and a list of cache files on the other:
// a file unticked where it is shown stays, whichever clean runs.
void TestCleanAll::untickedOnEitherPageStaysWhateverCleans()
{
    QFETCH(Cleaner, cleaner);
    QFETCH(bool, untickOnBrowserPage);
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\nexit 1\n");
    TestHome home;
    const QString cache = QStringLiteral("Library/Caches/com.apple.Safari/");
    home.makeFile(QStringLiteral("Library/Safari/History.db"), 40);
    const QString keptA = home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Blobs/blob-a"), 1000);
    const QString keptB = home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Records/rec-b"), 2000);
    const QString other = home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Records/rec-c"), 3000);
    const QString cacheDb = home.makeFile(cache + QStringLiteral("Cache.db"), 4000);
    JunkCleaner junk;
    junk.loadRules(QStringLiteral(":/rules/junk_rules.json"));
    BrowserCleaner browser;
    browser.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    CleanEngine::shareTicks(&junk, &browser);
    scan(junk);
    scan(browser);

    QStringList kept;
    if (untickOnBrowserPage) {
        CleanCategory *safariCache = browser.result().findCategory(QStringLiteral("safari_cache"));
        QVERIFY(safariCache);
        safariCache->checked = false;
        kept = { keptA, keptB, other, cacheDb };
    } else {
        int unticked = 0;
        for (CleanCategory &category : junk.result().categories) {
            for (CleanItem &item : category.items) {
                if (item.path == keptA || item.path == keptB) {
                    item.checked = false;
                    ++unticked;
                }
            }
        }
        QCOMPARE(unticked, 2);
        kept = { keptA, keptB };
    }

    if (cleaner == Cleaner::CleanAll) {
        CleanAll cleanAll(&junk, &browser);
        QSignalSpy finished(&cleanAll, &CleanAll::finished);
        cleanAll.start();
        QVERIFY(finished.wait(10000));
        QVERIFY(cleanAll.summary().errors.isEmpty());
    } else {
        CleanEngine &engine = cleaner == Cleaner::BrowserPage ? static_cast<CleanEngine &>(browser) : junk;
        QSignalSpy finished(&engine, &CleanEngine::cleanFinished);
        engine.startClean();
        QVERIFY(finished.wait(10000));
    }

    for (const QString &path : { keptA, keptB, other, cacheDb })
        QCOMPARE(QFileInfo::exists(path), kept.contains(path));
    // What stays is still listed, unticked, on the junk page.
    const QSet<QString> listed = junk.foundPaths();
    for (const QString &path : std::as_const(kept))
        QVERIFY2(listed.contains(path), qPrintable(path));
}

// The browser's cache item is a folder; emptied around files unticked on the junk page, it stays
// listed with the size of what is left, and cleaning it again frees nothing.
void TestCleanAll::folderEmptiedAroundKeptFilesShowsWhatIsLeft()
{
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\nexit 1\n");
    TestHome home;
    const QString cache = QStringLiteral("Library/Caches/com.apple.Safari/");
    home.makeFile(QStringLiteral("Library/Safari/History.db"), 40);
    const QString keptA = home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Blobs/blob-a"), 1000);
    const QString keptB = home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Records/rec-b"), 2000);
    home.makeFile(cache + QStringLiteral("WebKitCache/Version 16/Records/rec-c"), 3000);
    home.makeFile(cache + QStringLiteral("Cache.db"), 4000);
    JunkCleaner junk;
    junk.loadRules(QStringLiteral(":/rules/junk_rules.json"));
    BrowserCleaner browser;
    browser.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    CleanEngine::shareTicks(&junk, &browser);
    scan(junk);
    scan(browser);
    for (CleanCategory &category : junk.result().categories) {
        for (CleanItem &item : category.items)
            item.checked = item.checked && item.path != keptA && item.path != keptB;
    }
    const auto cleanBrowser = [&] {
        QSignalSpy finished(&browser, &CleanEngine::cleanFinished);
        browser.startClean();
        return finished.wait(10000) ? finished.at(0).at(0).toLongLong() : -1;
    };

    QCOMPARE(cleanBrowser(), 7000);
    const CleanCategory *safariCache = browser.result().findCategory(QStringLiteral("safari_cache"));
    QVERIFY(safariCache);
    QCOMPARE(safariCache->items.size(), 1);
    QCOMPARE(safariCache->items.at(0).size, 3000);
    QCOMPARE(cleanBrowser(), 0);
    QVERIFY(QFileInfo::exists(keptA));
    QVERIFY(QFileInfo::exists(keptB));
}

QTEST_GUILESS_MAIN(TestCleanAll)
#include "tst_cleanall.moc"
