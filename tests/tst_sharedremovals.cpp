#include "app/application.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "cleaners/junkcleaner.h"
#include "cleaners/largefilescanner.h"
#include "pages/duplicatefinderpage.h"
#include "pages/duplicateresultsmodel.h"
#include "pages/largefilemodel.h"
#include "pages/largefilepage.h"
#include "testhome.h"

#include <QtTest>

#include <QLabel>
#include <QStackedWidget>

// What one feature removes leaves the results every other feature holds, wired as the
// application wires its engines: the pages stop listing, counting and offering what has gone.
namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 KiB = 1024;

QSet<QString> junkPaths(const JunkCleaner &junk)
{
    return junk.foundPaths();
}

QStringList largeFilePaths(const LargeFileScanner &scanner)
{
    QStringList paths;
    for (const LargeFileInfo &file : scanner.getResults())
        paths.append(file.path);
    paths.sort();
    return paths;
}

bool scanJunk(JunkCleaner &junk)
{
    QSignalSpy finished(&junk, &CleanEngine::scanFinished);
    junk.startScan();
    return finished.wait(20000);
}

bool scanLargeFiles(LargeFileScanner &scanner, const QString &folder)
{
    QSignalSpy finished(&scanner, &LargeFileScanner::scanFinished);
    scanner.setDrives({ folder });
    scanner.setMinFileSize(MiB);
    scanner.startScan();
    return finished.wait(20000);
}

int stackIndex(const QWidget &page, const char *stackName)
{
    return page.findChild<QStackedWidget *>(QLatin1String(stackName))->currentIndex();
}

} // namespace

class TestSharedRemovals : public QObject
{
    Q_OBJECT

private slots:
    void junkCleanLeavesLargeFilesAndDuplicates();
    void removalElsewhereLeavesJunk_data();
    void removalElsewhereLeavesJunk();
};

// A junk clean takes cache files the large file page and the duplicate page list: they leave
// both lists and their totals, and a duplicate group left with one file goes.
void TestSharedRemovals::junkCleanLeavesLargeFilesAndDuplicates()
{
    TestHome home;
    const QString cachedLarge
        = home.makeFile(QStringLiteral("Library/Caches/com.example.editor/media.bin"), 2 * MiB, 'c');
    const QString film = home.makeFile(QStringLiteral("Movies/film.mov"), 3 * MiB, 'f');
    const QString cachedPair
        = home.makeFile(QStringLiteral("Library/Caches/com.example.editor/copy.dat"), 200 * KiB, 'p');
    home.makeFile(QStringLiteral("Documents/copy.dat"), 200 * KiB, 'p');
    const QString cachedPhoto
        = home.makeFile(QStringLiteral("Library/Caches/com.example.editor/photo.jpg"), 300 * KiB, 't');
    const QString photo = home.makeFile(QStringLiteral("Documents/photo.jpg"), 300 * KiB, 't');
    const QString photoCopy = home.makeFile(QStringLiteral("Pictures/photo.jpg"), 300 * KiB, 't');
    Application *app = Application::instance();
    app->initialize();

    LargeFilePage largePage(app->largeFileScanner(), {});
    QVERIFY(scanLargeFiles(*app->largeFileScanner(), home.path()));
    QCOMPARE(largeFilePaths(*app->largeFileScanner()), QStringList({ cachedLarge, film }));
    QCOMPARE(stackIndex(largePage, "largeFileStack"), 1);

    DuplicateFinderPage duplicatePage(app->duplicateFinder(), app->duplicateRemover());
    duplicatePage.onStartScan();
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(duplicatePage, "duplicateStack"), 1, 20000);
    DuplicateResultsModel *groups = duplicatePage.findChild<DuplicateResultsModel *>();
    QCOMPARE(groups->groupCount(), 2);

    JunkCleaner &junk = *app->junkCleaner();
    QVERIFY(scanJunk(junk));
    QVERIFY(junkPaths(junk).contains(cachedLarge));
    QSignalSpy cleaned(&junk, &CleanEngine::cleanFinished);
    junk.startClean();
    QVERIFY(cleaned.wait(20000));
    QVERIFY(!QFileInfo::exists(cachedLarge));
    QVERIFY(!QFileInfo::exists(cachedPair));
    QVERIFY(!QFileInfo::exists(cachedPhoto));

    QCOMPARE(largeFilePaths(*app->largeFileScanner()), QStringList({ film }));
    QCOMPARE(app->largeFileScanner()->totalSize(), 3 * MiB);
    LargeFileModel *largeList = largePage.resultsModel();
    QCOMPARE(largeList->totalCount(), 1);
    QCOMPARE(largeList->totalSize(), 3 * MiB);
    QCOMPARE(largeList->rowOf(cachedLarge), -1);
    QCOMPARE(largePage.findChild<QLabel *>(QStringLiteral("largeResultsSummary"))->text(),
        QStringLiteral("Found 1 large files, total 3.0 MB"));

    // The pair lost a copy and leaves; the three photos keep two copies and stay.
    QCOMPARE(groups->groupCount(), 1);
    QCOMPARE(groups->reclaimableBytes(), 300 * KiB);
    QVERIFY(!groups->indexOfPath(cachedPhoto).isValid());
    QVERIFY(groups->indexOfPath(photo).isValid());
    QVERIFY(groups->indexOfPath(photoCopy).isValid());
    QVERIFY(duplicatePage.findChild<QLabel *>(QStringLiteral("summaryLabel"))
                ->text()
                .startsWith(QStringLiteral("<b>1</b> groups")));
}

// The large file page or the duplicate page removes a file the junk scan listed: it leaves the
// junk result and its totals, whether deleted or moved to the Trash.
void TestSharedRemovals::removalElsewhereLeavesJunk_data()
{
    QTest::addColumn<QString>("remover");
    QTest::addColumn<bool>("toTrash");
    QTest::newRow("large file deleted") << QStringLiteral("large") << false;
    QTest::newRow("large file moved to the Trash") << QStringLiteral("large") << true;
    QTest::newRow("duplicate deleted") << QStringLiteral("duplicate") << false;
    QTest::newRow("duplicate moved to the Trash") << QStringLiteral("duplicate") << true;
}

void TestSharedRemovals::removalElsewhereLeavesJunk()
{
    QFETCH(QString, remover);
    QFETCH(bool, toTrash);
    TestHome home;
    const QString cached = home.makeFile(QStringLiteral("Library/Caches/com.example.editor/media.bin"), 2 * MiB, 'c');
    const QString copy = home.makeFile(QStringLiteral("Documents/media.bin"), 2 * MiB, 'c');
    const QString other = home.makeFile(QStringLiteral("Library/Caches/com.example.editor/index.db"), 4 * KiB);
    Application *app = Application::instance();
    app->initialize();
    JunkCleaner &junk = *app->junkCleaner();
    QVERIFY(scanJunk(junk));
    QVERIFY(junkPaths(junk).contains(cached));
    const qint64 junkBefore = junk.result().totalSize();
    QSignalSpy junkChanged(&junk, &CleanEngine::resultChanged);

    if (remover == QLatin1String("large")) {
        LargeFileScanner &scanner = *app->largeFileScanner();
        QVERIFY(scanLargeFiles(scanner, home.path()));
        QSignalSpy deleted(&scanner, &LargeFileScanner::deleteFinished);
        QVERIFY(scanner.deleteFiles({ cached },
            toTrash ? LargeFileScanner::DeleteMode::MoveToTrash : LargeFileScanner::DeleteMode::Permanently));
        QVERIFY(deleted.wait(20000));
    } else {
        DuplicateRemover &duplicates = *app->duplicateRemover();
        QSignalSpy finished(&duplicates, &DuplicateRemover::finished);
        DuplicateFinder finder;
        DuplicateGroup found;
        connect(&finder, &DuplicateFinder::duplicateGroupFound, this, [&](const DuplicateGroup &g) { found = g; });
        finder.directories = { home.path() };
        finder.minSize = MiB;
        finder.startScan();
        QCOMPARE(found.files.size(), 2);
        DuplicateRemoval removal;
        for (const DuplicateFile &file : std::as_const(found.files))
            (file.path == cached ? removal.remove : removal.keep).append(file);
        removal.fileSize = found.fileSize;
        duplicates.start({ removal }, { home.path() },
            toTrash ? DuplicateRemover::Disposal::MoveToTrash : DuplicateRemover::Disposal::DeletePermanently);
        QVERIFY(finished.wait(20000));
    }
    QVERIFY(!QFileInfo::exists(cached));
    QVERIFY(QFileInfo::exists(copy));

    QVERIFY(!junkPaths(junk).contains(cached));
    QVERIFY(junkPaths(junk).contains(other));
    QCOMPARE(junk.result().totalSize(), junkBefore - 2 * MiB);
    QCOMPARE(junkChanged.size(), 1);
}

QTEST_MAIN(TestSharedRemovals)
#include "tst_sharedremovals.moc"
