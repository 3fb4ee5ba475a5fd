#include "core/combinedselection.h"

#include <QtTest>

namespace {

// One category per entry of "path:size" texts; a leading "-" leaves the item unticked.
ScanResult resultOf(const QStringList &items)
{
    ScanResult result;
    CleanCategory category(QStringLiteral("rule"), QStringLiteral("Rule"), QString());
    for (QString entry : items) {
        const bool unticked = entry.startsWith(QLatin1Char('-'));
        if (unticked)
            entry.remove(0, 1);
        const qsizetype colon = entry.lastIndexOf(QLatin1Char(':'));
        CleanItem item(entry.left(colon), entry.mid(colon + 1).toLongLong());
        item.checked = !unticked;
        category.items.append(item);
    }
    result.categories.append(category);
    return result;
}

QSet<QString> pathsOf(const ScanResult &result)
{
    QSet<QString> paths;
    for (const CleanCategory &category : result.categories) {
        for (const CleanItem &item : category.items)
            paths.insert(item.path);
    }
    return paths;
}

} // namespace

using namespace Qt::Literals::StringLiterals;

class TestCombinedSelection : public QObject
{
    Q_OBJECT

private slots:
    void eachPathCountsOnce_data();
    void eachPathCountsOnce();
    void missingResults();
    void junkListedByTwoRulesCountsOnce();
    void dataOfAnUntickedBrowserStaysTheBrowsers();
    void removedPathsLeaveWithEverythingBelow_data();
    void removedPathsLeaveWithEverythingBelow();
};

void TestCombinedSelection::eachPathCountsOnce_data()
{
    QTest::addColumn<QStringList>("junk");
    QTest::addColumn<QStringList>("browser");
    QTest::addColumn<qint64>("junkSize");
    QTest::addColumn<int>("junkCount");
    QTest::addColumn<qint64>("browserSize");
    QTest::addColumn<int>("browserCount");
    QTest::addColumn<QStringList>("leftToBrowser");

    const QString entries = QStringLiteral("/h/Library/Caches/Firefox/P/cache2/entries");
    QTest::newRow("no overlap") << QStringList { u"/h/Library/Caches/app/a:10"_s, u"/h/Library/Logs/b:5"_s }
                                << QStringList { u"/h/Chrome/Default/Cache:100"_s } << qint64(15) << 2 << qint64(100)
                                << 1 << QStringList {};
    QTest::newRow("same file in both") << QStringList { u"/h/Cookies/c.binarycookies:40"_s, u"/h/x:1"_s }
                                       << QStringList { u"/h/Cookies/c.binarycookies:40"_s } << qint64(1) << 1
                                       << qint64(40) << 1 << QStringList { u"/h/Cookies/c.binarycookies"_s };
    QTest::newRow("junk files inside a browser folder")
        << QStringList { entries + u"/A:400"_s, entries + u"/B:250"_s, u"/h/Library/Caches/app/a:10"_s }
        << QStringList { entries + u":650"_s } << qint64(10) << 1 << qint64(650) << 1
        << QStringList { entries + u"/A"_s, entries + u"/B"_s };
    QTest::newRow("a folder name that only begins alike")
        << QStringList { entries + u"2/A:400"_s } << QStringList { entries + u":650"_s } << qint64(400) << 1
        << qint64(650) << 1 << QStringList {};
    QTest::newRow("unticked in the browser: still the browser's")
        << QStringList { entries + u"/A:400"_s } << QStringList { u"-"_s + entries + u":650"_s } << qint64(0) << 0
        << qint64(0) << 0 << QStringList { entries + u"/A"_s };
    QTest::newRow("unticked in the junk: nothing to leave")
        << QStringList { u"-"_s + entries + u"/A:400"_s } << QStringList { entries + u":650"_s } << qint64(0) << 0
        << qint64(650) << 1 << QStringList {};
}

void TestCombinedSelection::eachPathCountsOnce()
{
    QFETCH(QStringList, junk);
    QFETCH(QStringList, browser);
    QFETCH(qint64, junkSize);
    QFETCH(int, junkCount);
    QFETCH(qint64, browserSize);
    QFETCH(int, browserCount);
    QFETCH(QStringList, leftToBrowser);
    const ScanResult junkResult = resultOf(junk);
    const ScanResult browserResult = resultOf(browser);
    const CombinedSelection selection = CombinedSelection::of(&junkResult, pathsOf(browserResult), &browserResult);
    QCOMPARE(selection.junk.size, junkSize);
    QCOMPARE(selection.junk.count, junkCount);
    QCOMPARE(selection.browser.size, browserSize);
    QCOMPARE(selection.browser.count, browserCount);
    QCOMPARE(selection.size(), junkSize + browserSize);
    QCOMPARE(selection.itemCount(), junkCount + browserCount);
    QCOMPARE(selection.junkLeftToBrowser, QSet<QString>(leftToBrowser.cbegin(), leftToBrowser.cend()));
}

void TestCombinedSelection::missingResults()
{
    const ScanResult junk = resultOf({ u"/h/a:10"_s });
    const CombinedSelection junkOnly = CombinedSelection::of(&junk, {}, nullptr);
    QCOMPARE(junkOnly.size(), qint64(10));
    QVERIFY(junkOnly.junkLeftToBrowser.isEmpty());
    const CombinedSelection browserOnly = CombinedSelection::of(nullptr, {}, &junk);
    QCOMPARE(browserOnly.browser.size, qint64(10));
    QCOMPARE(browserOnly.junk.count, 0);
}

void TestCombinedSelection::junkListedByTwoRulesCountsOnce()
{
    ScanResult junk = resultOf({ u"/h/Library/Caches/com.apple.QuickLook/blob:70"_s });
    junk.categories.append(junk.categories.first());
    const CombinedSelection selection = CombinedSelection::of(&junk, {}, nullptr);
    QCOMPARE(selection.junk.size, qint64(70));
    QCOMPARE(selection.junk.count, 1);
}

void TestCombinedSelection::dataOfAnUntickedBrowserStaysTheBrowsers()
{
    // The browser result holds Chrome only; Firefox, unticked, is held out of it but was found.
    const ScanResult junk = resultOf({ u"/h/Caches/Firefox/entries/A:400"_s, u"/h/Caches/app/b:7"_s });
    const ScanResult browser = resultOf({ u"/h/Chrome/Cache:100"_s });
    const QSet<QString> found { u"/h/Chrome/Cache"_s, u"/h/Caches/Firefox/entries"_s };
    const CombinedSelection selection = CombinedSelection::of(&junk, found, &browser);
    QCOMPARE(selection.browser.size, qint64(100));
    QCOMPARE(selection.junk.size, qint64(7));
    QCOMPARE(selection.junkLeftToBrowser, QSet<QString> { u"/h/Caches/Firefox/entries/A"_s });
}

// What another engine's clean removed leaves a result: the path itself and, for a folder,
// everything below it, at a "/" boundary; a folder item that only lost some of its files stays.
void TestCombinedSelection::removedPathsLeaveWithEverythingBelow_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("remaining");
    const QString cache = u"/h/Library/Caches/Firefox/Profiles/p/cache2"_s;
    QTest::newRow("the file itself") << QStringList { u"/h/a:1"_s, u"/h/b:2"_s } << QStringList { u"/h/a"_s }
                                     << QStringList { u"/h/b"_s };
    QTest::newRow("files in a removed folder")
        << QStringList { cache + u"/entries/0A:5"_s, cache + u"/entries/1B:6"_s, u"/h/Library/Caches/other/x:7"_s }
        << QStringList { cache } << QStringList { u"/h/Library/Caches/other/x"_s };
    QTest::newRow("a name that only begins like a removed folder") << QStringList { cache + u"2/entries/0A:5"_s,
        cache + u".old:6"_s } << QStringList { cache } << QStringList { cache + u"2/entries/0A"_s, cache + u".old"_s };
    QTest::newRow("a folder item that lost one file stays")
        << QStringList { cache + u":11"_s } << QStringList { cache + u"/entries/0A"_s } << QStringList { cache };
    QTest::newRow("nothing of it") << QStringList { u"/h/a:1"_s } << QStringList { u"/h/z"_s }
                                   << QStringList { u"/h/a"_s };
}

void TestCombinedSelection::removedPathsLeaveWithEverythingBelow()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, remaining);
    ScanResult result = resultOf(items);
    const bool dropped = result.dropRemoved(QSet<QString>(removed.cbegin(), removed.cend()));
    QCOMPARE(pathsOf(result), QSet<QString>(remaining.cbegin(), remaining.cend()));
    QCOMPARE(dropped, remaining.size() < items.size());
    // A category left empty goes with its last item.
    QCOMPARE(result.categories.size(), remaining.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestCombinedSelection)
#include "tst_combinedselection.moc"
