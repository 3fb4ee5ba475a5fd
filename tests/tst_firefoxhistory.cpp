#include "cleaners/browsercleaner.h"
#include "cleaners/firefoxplaces.h"
#include "core/pinnedroot.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <unistd.h>

Q_DECLARE_METATYPE(FirefoxPlaces::Measure)

namespace {

const QString kProfile = QStringLiteral("Library/Application Support/Firefox/Profiles/abc.default-release/");
const QString kHistoryId = QStringLiteral("mozilla_firefox_history");
const int kVisitedPlaces = 2000;

const char *const kSchema[] = {
    "PRAGMA journal_mode=WAL",
    "PRAGMA wal_autocheckpoint=0",
    "CREATE TABLE moz_origins (id INTEGER PRIMARY KEY, prefix TEXT NOT NULL, host TEXT NOT NULL)",
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, "
    "visit_count INTEGER DEFAULT 0, last_visit_date INTEGER, guid TEXT, foreign_count INTEGER DEFAULT 0, "
    "origin_id INTEGER REFERENCES moz_origins(id))",
    "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, from_visit INTEGER, place_id INTEGER, "
    "visit_date INTEGER, visit_type INTEGER, session INTEGER)",
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent INTEGER, "
    "position INTEGER, title LONGVARCHAR, guid TEXT)",
    "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE, place_id INTEGER)",
    "CREATE TABLE moz_inputhistory (place_id INTEGER NOT NULL, input LONGVARCHAR NOT NULL, use_count INTEGER, "
    "PRIMARY KEY (place_id, input))",
    "CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date)",
    "INSERT INTO moz_origins (id, prefix, host) VALUES (1, 'https://', 'bookmarked.example'), "
    "(2, 'https://', 'visited.example'), (3, 'https://', 'forgotten.example')",
    "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title) VALUES "
    "(1, 2, NULL, 0, 0, 'root'), (2, 2, NULL, 1, 0, 'toolbar'), (3, 1, 1, 2, 0, 'Tax office'), "
    "(4, 1, 2, 2, 1, 'Recipes')",
};

void exec(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
}

// Adds bookmarked pages that were never visited, with ids above the visited ones.
void addBookmarkedPlaces(QSqlDatabase &db, int count)
{
    QSqlQuery place(db);
    place.prepare(QStringLiteral("INSERT INTO moz_places (id, url, title, origin_id) VALUES (?, ?, ?, 1)"));
    QSqlQuery bookmark(db);
    bookmark.prepare(
        QStringLiteral("INSERT INTO moz_bookmarks (id, type, fk, parent, position, title) VALUES (?, 1, ?, 2, ?, ?)"));
    for (int i = 1; i <= count; ++i) {
        const int id = kVisitedPlaces + i;
        place.addBindValue(id);
        place.addBindValue(
            QString(QStringLiteral("https://bookmarked.example/reference/%1/").arg(id) + QString(300, u'b')));
        place.addBindValue(QStringLiteral("Reference %1").arg(id));
        QVERIFY(place.exec());
        bookmark.addBindValue(100 + i);
        bookmark.addBindValue(id);
        bookmark.addBindValue(i + 2);
        bookmark.addBindValue(QString(QStringLiteral("Reference %1 ").arg(id) + QString(100, u't')));
        QVERIFY(bookmark.exec());
    }
}

// A places database like Firefox's: a few bookmarked pages, one page behind a keyword, and many
// visited pages, and optionally many more bookmarked pages never visited.
void writePlacesDatabase(const QString &path, int moreBookmarks = 0)
{
    QDir().mkpath(QFileInfo(path).path());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    for (const char *statement : kSchema)
        exec(db, QLatin1String(statement));
    exec(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    QVERIFY(db.transaction());
    QSqlQuery place(db);
    place.prepare(QStringLiteral("INSERT INTO moz_places (id, url, title, visit_count, last_visit_date, origin_id) "
                                 "VALUES (?, ?, ?, 1, 1700000000000000, ?)"));
    QSqlQuery visit(db);
    visit.prepare(QStringLiteral("INSERT INTO moz_historyvisits (place_id, visit_date, visit_type) VALUES (?, ?, 1)"));
    for (int id = 1; id <= kVisitedPlaces; ++id) {
        place.addBindValue(id);
        place.addBindValue(
            QString(QStringLiteral("https://visited.example/article/%1?ref=").arg(id) + QString(200, u'q')));
        place.addBindValue(QStringLiteral("Article %1").arg(id));
        place.addBindValue(id <= 2 ? 1 : id <= 10 ? 2 : 3);
        QVERIFY(place.exec());
        visit.addBindValue(id);
        visit.addBindValue(1700000000000000LL + id);
        QVERIFY(visit.exec());
    }
    exec(db, QStringLiteral("INSERT INTO moz_keywords (keyword, place_id) VALUES ('wiki', 3)"));
    exec(db, QStringLiteral("INSERT INTO moz_inputhistory (place_id, input, use_count) VALUES (7, 'art', 2)"));
    addBookmarkedPlaces(db, moreBookmarks);
    QVERIFY(db.commit());
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

// Copies a database while a connection still holds part of it in its -wal file; the last
// bookmark is committed to the -wal file only, as after a crash.
void writePlacesDatabaseWithPendingWal(const TestHome &home, const QString &target, int moreBookmarks = 0)
{
    const QString staging = home.filePath(QStringLiteral("staging.sqlite"));
    writePlacesDatabase(staging, moreBookmarks);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pending"));
    db.setDatabaseName(staging);
    QVERIFY(db.open());
    exec(db, QStringLiteral("PRAGMA wal_autocheckpoint=0"));
    exec(db,
        QStringLiteral("INSERT INTO moz_bookmarks (id, type, fk, parent, position, title) "
                       "VALUES (5, 1, 9, 2, 2, 'Only in the log')"));
    QDir().mkpath(QFileInfo(target).path());
    QVERIFY(QFile::copy(staging, target));
    QVERIFY(QFile::copy(staging + QStringLiteral("-wal"), target + QStringLiteral("-wal")));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("pending"));
}

// Asks the sqlite3 tool, independent of the code under test.
QString sqlite(const QString &database, const QString &statement)
{
    QProcess process;
    process.start(QStringLiteral("sqlite3"), { database, statement });
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QStringLiteral("error: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

qint64 occupied(const QString &database)
{
    qint64 total = 0;
    for (const QString &suffix : { QString(), QStringLiteral("-wal"), QStringLiteral("-shm") })
        total += QFileInfo(database + suffix).size();
    return total;
}

// Scans, selects the Firefox history and cleans; returns the totals of the clean.
QPair<qint64, int> cleanHistory(BrowserCleaner &cleaner)
{
    QSignalSpy scanned(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    if (!scanned.wait(60000))
        return { -1, -1 };
    CleanCategory *history = cleaner.result().findCategory(kHistoryId);
    if (!history)
        return { -2, -2 };
    history->setAllItemsChecked(true);
    QSignalSpy cleaned(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    if (!cleaned.wait(60000))
        return { -1, -1 };
    return { cleaned.at(0).at(0).toLongLong(), cleaned.at(0).at(1).toInt() };
}

// The folder the profiles lie in, pinned in the home as a clean pins it.
PinnedRoot profiles(const TestHome &home)
{
    return PinnedRoot::open(home.filePath(QStringLiteral("Library/Application Support/Firefox/Profiles")), home.path());
}

enum class Swap {
    LinkToAnother, // places.sqlite becomes a link to another places database
    AnotherRenamedOverIt, // another places database is renamed over places.sqlite
    ProfileForLink, // the profile folder becomes a link to a folder with another database
};

// Removes the seam when the test ends, whatever way.
struct OpenHookGuard
{
    ~OpenHookGuard()
    {
        FirefoxPlaces::setBeforeOpenHook({});
    }
};

} // namespace

Q_DECLARE_METATYPE(Swap)

class TestFirefoxHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void historyIsOneItemWithItsCompanions();
    void historySizeForetellsTheClean_data();
    void historySizeForetellsTheClean();
    void clearingKeepsBookmarks();
    void lockedDatabaseIsAFailure();
    void damagedDatabaseIsAFailure();
    void onlyTheCheckedDatabaseIsCleared_data();
    void onlyTheCheckedDatabaseIsCleared();

private:
    QScopedPointer<TestHome> m_home;
    QScopedPointer<FakeTools> m_tools;
    QString m_database;
};

void TestFirefoxHistory::init()
{
    // The previous fixtures put back the environment they found before new ones are made.
    m_tools.reset();
    m_home.reset();
    m_home.reset(new TestHome);
    m_tools.reset(new FakeTools);
    m_tools->addTool(QStringLiteral("pgrep"), "#!/bin/sh\nexit 1\n");
    m_database = m_home->filePath(kProfile + QStringLiteral("places.sqlite"));
}

void TestFirefoxHistory::historyIsOneItemWithItsCompanions()
{
    writePlacesDatabaseWithPendingWal(*m_home, m_database);
    QVERIFY(QFileInfo(m_database + QStringLiteral("-wal")).size() > 0);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    QSignalSpy scanned(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    QVERIFY(scanned.wait(60000));

    const CleanCategory *history = cleaner.result().findCategory(kHistoryId);
    QVERIFY(history);
    QVERIFY(!history->checked);
    QCOMPARE(history->items.size(), 1);
    QCOMPARE(history->items.at(0).path, m_database);
    // What a clean would free: most of this database is history.
    QVERIFY(history->items.at(0).size > occupied(m_database) / 2);
    QVERIFY(history->items.at(0).size <= occupied(m_database));
}

void TestFirefoxHistory::historySizeForetellsTheClean_data()
{
    QTest::addColumn<FirefoxPlaces::Measure>("measure");
    QTest::addColumn<int>("bookmarks");
    QTest::newRow("page statistics, mostly history") << FirefoxPlaces::Measure::PageStatistics << 0;
    QTest::newRow("page statistics, mostly bookmarks") << FirefoxPlaces::Measure::PageStatistics << 6000;
    QTest::newRow("estimate, mostly history") << FirefoxPlaces::Measure::Estimate << 0;
    QTest::newRow("estimate, mostly bookmarks") << FirefoxPlaces::Measure::Estimate << 6000;
}

void TestFirefoxHistory::historySizeForetellsTheClean()
{
    QFETCH(FirefoxPlaces::Measure, measure);
    QFETCH(int, bookmarks);
    writePlacesDatabaseWithPendingWal(*m_home, m_database, bookmarks);
    const qint64 whole = occupied(m_database);

    const qint64 foretold = FirefoxPlaces::historySize(m_database, measure);
    QCOMPARE(occupied(m_database), whole);
    const FirefoxPlaces::ClearResult cleared = FirefoxPlaces::clearHistory(profiles(*m_home), m_database);
    QVERIFY(cleared.ok);
    const QString numbers
        = QStringLiteral("foretold %1, freed %2, whole %3").arg(foretold).arg(cleared.freedBytes).arg(whole);
    qInfo("%s", qPrintable(numbers));
    QVERIFY2(qAbs(foretold - cleared.freedBytes) <= cleared.freedBytes / 10 + 8192, qPrintable(numbers));
    if (bookmarks > 0)
        QVERIFY2(foretold < whole / 2, qPrintable(numbers));
}

void TestFirefoxHistory::clearingKeepsBookmarks()
{
    writePlacesDatabaseWithPendingWal(*m_home, m_database);
    const qint64 before = occupied(m_database);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));

    const QPair<qint64, int> totals = cleanHistory(cleaner);
    QCOMPARE(totals.second, 1);
    QVERIFY(QFileInfo(m_database).isFile());
    QCOMPARE(totals.first, before - occupied(m_database));
    QVERIFY2(totals.first > before / 2, qPrintable(QString::number(totals.first)));

    QCOMPARE(sqlite(m_database, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT count(*) FROM moz_historyvisits")), QStringLiteral("0"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT count(*) FROM moz_inputhistory")), QStringLiteral("0"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT group_concat(id) FROM (SELECT id FROM moz_places ORDER BY id)")),
        QStringLiteral("1,2,3,9"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT sum(visit_count) FROM moz_places")), QStringLiteral("0"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT group_concat(title, '|') FROM moz_bookmarks WHERE type = 1")),
        QStringLiteral("Tax office|Recipes|Only in the log"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT group_concat(host) FROM moz_origins")),
        QStringLiteral("bookmarked.example,visited.example"));
}

void TestFirefoxHistory::lockedDatabaseIsAFailure()
{
    writePlacesDatabase(m_database);
    const QString visitsBefore = sqlite(m_database, QStringLiteral("SELECT count(*) FROM moz_historyvisits"));
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    holder.setDatabaseName(m_database);
    QVERIFY(holder.open());
    exec(holder, QStringLiteral("BEGIN EXCLUSIVE"));
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Could not clear Firefox history in .*locked")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[WARN\\] Failed: .*places.sqlite$")));

    QCOMPARE(cleanHistory(cleaner), qMakePair(qint64(0), 0));
    exec(holder, QStringLiteral("ROLLBACK"));
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    QCOMPARE(sqlite(m_database, QStringLiteral("SELECT count(*) FROM moz_historyvisits")), visitsBefore);
    QCOMPARE(visitsBefore, QString::number(kVisitedPlaces));
}

void TestFirefoxHistory::damagedDatabaseIsAFailure()
{
    const QByteArray content(8192, 'z');
    m_home->makeFileWithContent(kProfile + QStringLiteral("places.sqlite"), content);
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Could not clear Firefox history in .*")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[WARN\\] Failed: .*places.sqlite$")));

    QCOMPARE(cleanHistory(cleaner), qMakePair(qint64(0), 0));
    QFile file(m_database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

// Between the check of places.sqlite and SQLite's opening it by its path, the profile changes:
// nothing may be written, neither in the checked database nor in what the path leads to now.
void TestFirefoxHistory::onlyTheCheckedDatabaseIsCleared_data()
{
    QTest::addColumn<Swap>("swap");
    QTest::newRow("database swapped for a link to another") << Swap::LinkToAnother;
    QTest::newRow("another database renamed over it") << Swap::AnotherRenamedOverIt;
    QTest::newRow("profile folder swapped for a link") << Swap::ProfileForLink;
}

void TestFirefoxHistory::onlyTheCheckedDatabaseIsCleared()
{
    QFETCH(Swap, swap);
    writePlacesDatabase(m_database);
    const QString profile = QFileInfo(m_database).path();
    const QString other = m_home->filePath(QStringLiteral("Elsewhere/places.sqlite"));
    writePlacesDatabase(other);
    const QString kept = m_database + QStringLiteral(".checked");
    OpenHookGuard guard;
    FirefoxPlaces::setBeforeOpenHook([&] {
        switch (swap) {
        case Swap::LinkToAnother:
            QFile::rename(m_database, kept);
            QFile::link(other, m_database);
            break;
        case Swap::AnotherRenamedOverIt:
            // The checked file keeps a name of its own.
            ::link(QFile::encodeName(m_database).constData(), QFile::encodeName(kept).constData());
            ::rename(QFile::encodeName(other).constData(), QFile::encodeName(m_database).constData());
            break;
        case Swap::ProfileForLink:
            QDir().rename(profile, profile + QStringLiteral(".moved"));
            QFile::link(QFileInfo(other).path(), profile);
            break;
        }
    });
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Could not clear Firefox history in .*")));

    const FirefoxPlaces::ClearResult cleared = FirefoxPlaces::clearHistory(profiles(*m_home), m_database);
    QVERIFY(!cleared.ok);
    QCOMPARE(cleared.freedBytes, 0);
    const QString checkedNow = swap == Swap::ProfileForLink ? profile + QStringLiteral(".moved/places.sqlite") : kept;
    const QString otherNow = swap == Swap::AnotherRenamedOverIt ? m_database : other;
    const QString visits = QString::number(kVisitedPlaces);
    QCOMPARE(sqlite(checkedNow, QStringLiteral("SELECT count(*) FROM moz_historyvisits")), visits);
    QCOMPARE(sqlite(otherNow, QStringLiteral("SELECT count(*) FROM moz_historyvisits")), visits);
}

QTEST_MAIN(TestFirefoxHistory)
#include "tst_firefoxhistory.moc"
