#include "core/cleanitem.h"
#include "core/fileutils.h"
#include "core/removals.h"
#include "core/scanresult.h"

#include <QtTest>

class TestScanModel : public QObject
{
    Q_OBJECT

private slots:
    void formatSize_data();
    void formatSize();
    void selectionNeedsCategoryAndItem();
    void setAllItemsCheckedOnEmptyCategory();
    void totalsCountEachPathOnce();
    void findCategoryIsCaseSensitive();
    void removalsCoverPathsAtOrBelow_data();
    void removalsCoverPathsAtOrBelow();
};

void TestScanModel::formatSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << qint64(-1) << QStringLiteral("0 B");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0 B");
    QTest::newRow("below KB") << qint64(1023) << QStringLiteral("1023 B");
    QTest::newRow("one KB") << qint64(1024) << QStringLiteral("1.0 KB");
    QTest::newRow("just below MB") << qint64(1048575) << QStringLiteral("1024.0 KB");
    QTest::newRow("one MB") << qint64(1048576) << QStringLiteral("1.0 MB");
    QTest::newRow("one and a half MB") << qint64(1572864) << QStringLiteral("1.5 MB");
    QTest::newRow("one GB") << qint64(1073741824) << QStringLiteral("1.00 GB");
    QTest::newRow("five TB has no TB step") << qint64(5) * 1024 * 1024 * 1024 * 1024 << QStringLiteral("5120.00 GB");
}

// The interface's form in English, and the log's whatever the language.
void TestScanModel::formatSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(CleanItem::formatSize(bytes), text);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString logged = CleanItem::logSize(bytes);
    QLocale::setDefault(before);
    QCOMPARE(logged, text);
}

void TestScanModel::selectionNeedsCategoryAndItem()
{
    ScanResult result;
    CleanCategory logs(QStringLiteral("logs"), QStringLiteral("Logs"), QString());
    logs.items = {CleanItem(QStringLiteral("/l/a"), 100),
                  CleanItem(QStringLiteral("/l/b"), 50)};
    logs.items[1].checked = false;
    CleanCategory trash(QStringLiteral("trash"), QStringLiteral("Trash"), QString());
    trash.items = {CleanItem(QStringLiteral("/t/t"), 1000)};
    trash.checked = false;
    result.categories = {logs, trash};

    QCOMPARE(result.categories[0].selectedSize(), qint64(100));
    QCOMPARE(result.categories[0].selectedCount(), 1);
    // The unchecked category's items are checked, yet nothing of it counts at the result level.
    QCOMPARE(result.categories[1].selectedSize(), qint64(1000));
    QCOMPARE(result.selectedSize(), qint64(100));
    QCOMPARE(result.selectedItemCount(), 1);
    QCOMPARE(result.totalSize(), qint64(1150));
    QCOMPARE(result.totalItemCount(), 3);

    result.categories[1].checked = true;
    QCOMPARE(result.selectedSize(), qint64(1100));
    QCOMPARE(ScanResult().totalItemCount(), 0);
}

void TestScanModel::setAllItemsCheckedOnEmptyCategory()
{
    CleanCategory category;
    category.setAllItemsChecked(false);
    QVERIFY(!category.checked);
    category.items = {CleanItem(QStringLiteral("/x"), 1)};
    category.setAllItemsChecked(true);
    QVERIFY(category.checked && category.items[0].checked);
}

void TestScanModel::totalsCountEachPathOnce()
{
    ScanResult result;
    CleanCategory caches(QStringLiteral("app_caches"), QStringLiteral("Caches"), QString());
    caches.items = {CleanItem(QStringLiteral("/c/f"), 10),
                    CleanItem(QStringLiteral("/c/g"), 5)};
    CleanCategory browser(QStringLiteral("browser"), QStringLiteral("Browser"), QString());
    browser.items = {CleanItem(QStringLiteral("/c/f"), 10)};
    result.categories = {caches, browser};

    QCOMPARE(result.totalSize(), qint64(15));
    QCOMPARE(result.totalItemCount(), 2);
    QCOMPARE(result.selectedSize(), qint64(15));
    QCOMPARE(result.selectedItemCount(), 2);
    // A path left unselected in one category still counts once where it is selected.
    result.categories[0].items[0].checked = false;
    QCOMPARE(result.selectedSize(), qint64(15));
    result.categories[1].checked = false;
    QCOMPARE(result.selectedSize(), qint64(5));
    QCOMPARE(result.categories[1].totalSize(), qint64(10));
}

void TestScanModel::findCategoryIsCaseSensitive()
{
    ScanResult result;
    result.categories = {CleanCategory(QStringLiteral("logs"), QStringLiteral("Logs"), QString())};
    QVERIFY(result.findCategory(QStringLiteral("logs")) == &result.categories[0]);
    QVERIFY(!result.findCategory(QStringLiteral("Logs")));
}

// Whether what another feature removed takes a path with it: the path itself or a folder above
// it, at a "/" boundary. A handful of removed paths and many take different ways; both must agree.
void TestScanModel::removalsCoverPathsAtOrBelow_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("covered");
    const QString file = QStringLiteral("/Users/me/Library/Caches/app/blob.db");
    for (const bool many : { false, true }) {
        const char *count = many ? "many removed" : "few removed";
        QTest::addRow("%s: the path itself", count) << file << file << true;
        QTest::addRow("%s: a folder above", count) << QStringLiteral("/Users/me/Library/Caches") << file << true;
        QTest::addRow("%s: a name that only begins the same", count)
            << QStringLiteral("/Users/me/Library/Cach") << file << false;
        QTest::addRow("%s: a sibling", count) << QStringLiteral("/Users/me/Library/Caches/app/blob.d") << file << false;
        QTest::addRow("%s: something below", count) << file + QStringLiteral("/inner") << file << false;
        QTest::addRow("%s: an empty path", count) << file << QString() << false;
    }
}

void TestScanModel::removalsCoverPathsAtOrBelow()
{
    QFETCH(QString, removed);
    QFETCH(QString, path);
    QFETCH(bool, covered);
    QSet<QString> set { removed };
    if (QByteArray(QTest::currentDataTag()).startsWith("many")) {
        for (int i = 0; i < 40; ++i)
            set.insert(QStringLiteral("/Users/me/Documents/other %1").arg(i));
    }
    QCOMPARE(Removals::covers(set, path), covered);
}

QTEST_GUILESS_MAIN(TestScanModel)
#include "tst_scanmodel.moc"
