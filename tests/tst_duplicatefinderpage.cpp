#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "core/cleanitem.h"
#include "duplicatefixture.h"
#include "messageboxanswerer.h"
#include "pages/duplicatefinderpage.h"
#include "testhome.h"
#include "pages/duplicateresultsmodel.h"
#include "widgetshot.h"

#include <QtTest>

#include <QApplication>
#include <QAbstractItemModelTester>
#include <QListView>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>

namespace {

QPushButton *locationCard(const QWidget &page, const QString &path)
{
    for (QPushButton *card : page.findChildren<QPushButton *>(QStringLiteral("locationCard"))) {
        if (card->property("scanPath").toString() == path)
            return card;
    }
    return nullptr;
}

DuplicateResultsModel *resultsOf(const QWidget &page)
{
    return page.findChild<DuplicateResultsModel *>();
}

// The file's row in the results, invalid once it has left them.
QModelIndex rowOf(const QWidget &page, const QString &path)
{
    return resultsOf(page)->indexOfPath(path);
}

bool isChecked(const QWidget &page, const QString &path)
{
    return rowOf(page, path).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
}

// A finished scan's groups, as the finder reports them.
DuplicateGroup syntheticGroup(int number, int files)
{
    DuplicateGroup group { QStringLiteral("%1").arg(number, 32, 16, QLatin1Char('0')), 1000 + number, {} };
    for (int f = 0; f < files; ++f) {
        group.files.append(DuplicateFile {
            QStringLiteral("/Volumes/Data/set %1/copy %2 of a rather long file name.jpg").arg(number).arg(f),
            group.fileSize, QDateTime(QDate(2024, 1, 1), QTime(12, 0)).addDays(f), FileIdentity() });
    }
    return group;
}

QString homeRelative(const QString &path)
{
    return QLatin1Char('~') + path.mid(QDir::homePath().size());
}

// Copies of one content with modification times one day apart, the first oldest.
QStringList makeCopies(const TestHome &home, const QStringList &relativePaths, char fill)
{
    QStringList paths;
    const QDateTime start(QDate(2025, 3, 1), QTime(12, 0));
    for (int i = 0; i < relativePaths.size(); ++i) {
        paths.append(home.makeFile(relativePaths.at(i), 4000, fill));
        TestHome::setModified(paths.last(), start.addDays(i));
    }
    return paths;
}

// Starts a scan of the selected locations with the smallest minimum size.
void startSmallFileScan(DuplicateFinderPage &page)
{
    page.findChild<QComboBox *>(QStringLiteral("minSizeCombo"))->setCurrentIndex(0);
    page.onStartScan();
}

int stackIndex(const DuplicateFinderPage &page)
{
    return page.findChild<QStackedWidget *>(QStringLiteral("duplicateStack"))->currentIndex();
}

} // namespace

class TestDuplicateFinderPage : public QObject
{
    Q_OBJECT

private slots:
    void startsWithHomeSelected();
    void footerCountsTheTickedCopies();
    void defaultTicksSpareTheLikelyOriginalAndProtectedFiles_data();
    void defaultTicksSpareTheLikelyOriginalAndProtectedFiles();
    void locationCardsEditTheSelection();
    void startWithNothingSelectedStartsNothing();
    void fullDiskScanAsksFirst_data();
    void fullDiskScanAsksFirst();
    void scanWithoutDuplicatesStaysOnScanPage();
    void cancelledScanShowsNoResults();
    void largeReadShowsItsProgress();
    void resultsKeepTheNewestAndKeepOldestFlips();
    void failedDeletionIsReportedAsPartialFailure();
    void lastCopyIsNeverDeleted();
    void summarySaysWhereEachFileWent_data();
    void summarySaysWhereEachFileWent();
    void progressShortensLongPaths();
    void largeResultShowsAndDeletingUpdatesIt();
    void groupHeaderSavesTheSpaceOfTheCopies();
    void unreadableFoldersAreCountedWithTheWayToGrantAccess_data();
    void unreadableFoldersAreCountedWithTheWayToGrantAccess();
    void removedElsewhereLeavesTheGroups();
    void chosenFolderCanBeRemoved();
    void renderPageStates();
};

void TestDuplicateFinderPage::startsWithHomeSelected()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    QVERIFY(locationCard(page, QDir::homePath())->isChecked());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("pathHint"))->text(), QStringLiteral("Path: ~"));
    QCOMPARE(page.findChildren<QPushButton *>(QStringLiteral("locationCard")).size(), 10);
}

void TestDuplicateFinderPage::locationCardsEditTheSelection()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    auto *hint = page.findChild<QLabel *>(QStringLiteral("pathHint"));
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);

    locationCard(page, downloads)->click();
    QCOMPARE(hint->text(), QStringLiteral("Path: ~  ·  ") + homeRelative(downloads));
    locationCard(page, QDir::homePath())->click();
    QCOMPARE(hint->text(), QStringLiteral("Path: ") + homeRelative(downloads));
    locationCard(page, downloads)->click();
    QCOMPARE(hint->text(), QStringLiteral("Path: (none selected)"));
}

void TestDuplicateFinderPage::startWithNothingSelectedStartsNothing()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    locationCard(page, QDir::homePath())->click();
    MessageBoxAnswerer answer(QMessageBox::Ok);
    page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->click();

    QVERIFY(answer.answered());
    QCOMPARE(answer.title(), QStringLiteral("No Location Selected"));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->isEnabled());
    QVERIFY(page.findChild<QWidget *>(QStringLiteral("progressCard"))->isHidden());
}

void TestDuplicateFinderPage::fullDiskScanAsksFirst_data()
{
    QTest::addColumn<bool>("entireDisk");
    QTest::newRow("Entire Disk") << true;
    QTest::newRow("User Volume") << false;
}

void TestDuplicateFinderPage::fullDiskScanAsksFirst()
{
    QFETCH(bool, entireDisk);
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    locationCard(page, entireDisk ? QStringLiteral("/") : QDir::homePath() + QStringLiteral("/.."))->click();
    MessageBoxAnswerer answer(QMessageBox::No);
    page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->click();

    QVERIFY(answer.answered());
    QCOMPARE(answer.title(), QStringLiteral("Full Disk Scan"));
    QVERIFY(page.findChild<QWidget *>(QStringLiteral("progressCard"))->isHidden());
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->isEnabled());
}

void TestDuplicateFinderPage::scanWithoutDuplicatesStaysOnScanPage()
{
    TestHome home;
    home.makeFile(QStringLiteral("Documents/a.txt"), 3000, 'a');
    home.makeFile(QStringLiteral("Documents/b.txt"), 3000, 'b');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    MessageBoxAnswerer answer(QMessageBox::Ok);
    startSmallFileScan(page);

    QTRY_VERIFY_WITH_TIMEOUT(answer.answered(), 20000);
    QCOMPARE(answer.title(), QStringLiteral("No Duplicates Found"));
    QCOMPARE(stackIndex(page), 0);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->isEnabled());
    QVERIFY(page.findChild<QWidget *>(QStringLiteral("progressCard"))->isHidden());
}

void TestDuplicateFinderPage::cancelledScanShowsNoResults()
{
    TestHome home;
    makeCopies(home, { QStringLiteral("a/one.bin"), QStringLiteral("b/two.bin") }, 'c');
    home.makeFile(QStringLiteral("c/big-1.bin"), 2 * 1048576, 'b');
    home.makeFile(QStringLiteral("c/big-2.bin"), 2 * 1048576, 'b');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    // The worker stops in the middle of a large read until the test lets it go on.
    QSemaphore reading;
    QSemaphore resume;
    finder.afterChunkRead = [&](const QString &) {
        reading.release();
        resume.acquire();
    };
    startSmallFileScan(page);
    QVERIFY(QTest::qWaitFor([&] { return reading.tryAcquire(); }, 20000));

    // Cancel returns while the worker is still held; the card says so until the worker stops.
    page.onCancelScan();
    auto *card = page.findChild<QWidget *>(QStringLiteral("progressCard"));
    QVERIFY(!card->isHidden());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("statusLabel"))->text(), QStringLiteral("Cancelling..."));
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->isEnabled());
    resume.release(1000);
    QTRY_VERIFY_WITH_TIMEOUT(card->isHidden(), 20000);

    QCoreApplication::sendPostedEvents();
    QCOMPARE(stackIndex(page), 0);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("startScanBtn"))->isEnabled());
    QCOMPARE(resultsOf(page)->groupCount(), 0);
}

void TestDuplicateFinderPage::largeReadShowsItsProgress()
{
    TestHome home;
    home.makeFile(QStringLiteral("big/large-a.bin"), 24 * 1048576, 'L');
    home.makeFile(QStringLiteral("big/large-b.bin"), 24 * 1048576, 'L');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    finder.afterChunkRead = [](const QString &) { QThread::msleep(15); }; // a slow disk
    auto *pathLabel = page.findChild<QLabel *>(QStringLiteral("currentPathLabel"));
    QStringList shown;
    connect(&finder, &DuplicateFinder::readProgress, this, [&] {
        if (!shown.contains(pathLabel->text()))
            shown.append(pathLabel->text());
    });
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 60000);

    QVERIFY2(shown.size() >= 2, qPrintable(shown.join(QLatin1Char('|'))));
    for (const QString &text : std::as_const(shown))
        QVERIFY2(text.startsWith(QStringLiteral("Reading large-")) && text.contains(QStringLiteral(" of 24.0 MB")),
            qPrintable(text));
}

void TestDuplicateFinderPage::resultsKeepTheNewestAndKeepOldestFlips()
{
    TestHome home;
    // The second copy's home-relative path is 59 characters long.
    const QString longName = QStringLiteral("Documents/") + QString(43, QLatin1Char('n')) + QStringLiteral(".bin");
    const QStringList three
        = makeCopies(home, { QStringLiteral("a/old.bin"), longName, QStringLiteral("c/new.bin") }, 't');
    const QStringList two = makeCopies(home, { QStringLiteral("d/first.bin"), QStringLiteral("e/second.bin") }, 'w');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);

    DuplicateResultsModel *results = resultsOf(page);
    QAbstractItemModelTester tester(results, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(results->groupCount(), 2);
    QCOMPARE(results->rowCount(), 2 + 3 + 2);
    QVERIFY(
        page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().startsWith(QStringLiteral("<b>2</b> groups")));
    for (const QStringList &group : { three, two }) {
        for (const QString &path : group) {
            // Kept by default: the likely original, here the oldest.
            QCOMPARE(isChecked(page, path), path != group.first());
            // The newest is shown first, with its date in green.
            QCOMPARE(rowOf(page, path).data(DuplicateResultsModel::NewestRole).toBool(), path == group.last());
        }
        QCOMPARE(rowOf(page, group.last()).row(), rowOf(page, group.first()).row() - (group.size() - 1));
    }
    const QString shownLong = homeRelative(home.filePath(longName));
    QCOMPARE(shownLong.size(), 59);
    QCOMPARE(rowOf(page, home.filePath(longName)).data(DuplicateResultsModel::ShortPathRole).toString(),
        shownLong.left(28) + QStringLiteral("…") + shownLong.right(27));

    page.onKeepOldest();
    for (const QStringList &group : { three, two }) {
        for (const QString &path : group)
            QCOMPARE(isChecked(page, path), path != group.first());
    }
    page.onSelectNone();
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
    page.onKeepNewest();
    QVERIFY(!isChecked(page, three.last()));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());

    // A click on a row's check box toggles it.
    page.onSelectNone();
    auto *view = page.findChild<QListView *>(QStringLiteral("duplicateResultsView"));
    page.resize(680, 606);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QModelIndex first = rowOf(page, three.first());
    view->scrollTo(first);
    const QRect rect = view->visualRect(first);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 25, rect.top() + 14));
    QVERIFY(isChecked(page, three.first()));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::failedDeletionIsReportedAsPartialFailure()
{
    TestHome home;
    const QStringList copies = makeCopies(
        home, { QStringLiteral("a/old.bin"), QStringLiteral("b/mid.bin"), QStringLiteral("c/new.bin") }, 'f');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    // The middle copy turns into a folder after the scan: it can no longer be deleted as a copy.
    QVERIFY(QFile::remove(copies.at(1)));
    home.makeFile(QStringLiteral("b/mid.bin/inside.txt"), 10);

    MessageBoxAnswerer how(QMessageBox::Discard);
    MessageBoxAnswerer confirm(QMessageBox::Yes);
    page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->click();
    QVERIFY(how.answered());
    QCOMPARE(how.text(), QStringLiteral("Move 2 file(s) to the Trash, or delete them permanently?"));
    QVERIFY(confirm.answered());
    QCOMPARE(confirm.text(), QStringLiteral("Permanently delete 2 file(s)?\nThis cannot be undone."));
    MessageBoxAnswerer report(QMessageBox::Ok);
    QTRY_VERIFY_WITH_TIMEOUT(report.answered(), 20000);

    QCOMPARE(report.title(), QStringLiteral("Partial Failure"));
    QVERIFY(report.text().startsWith(QStringLiteral("1 file(s) could not be deleted.\n1 file(s) deleted permanently")));
    // The oldest copy is the one kept by default.
    QVERIFY(QFileInfo::exists(copies.at(0)));
    QVERIFY(QFileInfo(copies.at(1)).isDir());
    QVERIFY(!QFileInfo::exists(copies.at(2)));
    // The deleted copy left its group; the group of two stays, its failed copy still checked.
    QVERIFY(!rowOf(page, copies.at(2)).isValid());
    QVERIFY(isChecked(page, copies.at(1)));
    QCOMPARE(rowOf(page, copies.at(1)).data(DuplicateResultsModel::FileCountRole).toInt(), 2);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
    QVERIFY(page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("3.9 KB freed")));
}

void TestDuplicateFinderPage::lastCopyIsNeverDeleted()
{
    TestHome home;
    const QStringList copies = makeCopies(home, { QStringLiteral("a/older.bin"), QStringLiteral("b/newer.bin") }, 'l');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    page.onSelectAll();

    MessageBoxAnswerer how(QMessageBox::Discard);
    MessageBoxAnswerer confirm(QMessageBox::Yes);
    page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->click();
    QVERIFY(how.answered());
    QVERIFY(how.text().startsWith(QStringLiteral("Move 1 file(s) to the Trash, or delete them permanently?")));
    QVERIFY(how.text().contains(QStringLiteral("the newest copy of each will be kept")));
    QVERIFY(confirm.answered());
    MessageBoxAnswerer summary(QMessageBox::Ok);
    QTRY_VERIFY_WITH_TIMEOUT(summary.answered(), 20000);

    QCOMPARE(summary.title(), QStringLiteral("Duplicates Removed"));
    QVERIFY(summary.text().startsWith(QStringLiteral("1 file(s) deleted permanently")));
    QVERIFY(!QFileInfo::exists(copies.first()));
    QVERIFY(QFileInfo::exists(copies.last()));
    // Its group is left with one file and leaves the list.
    QCOMPARE(resultsOf(page)->groupCount(), 0);
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::summarySaysWhereEachFileWent_data()
{
    QTest::addColumn<bool>("trashUsable");
    QTest::newRow("moved to the Trash") << true;
    QTest::newRow("the Trash refused them") << false;
}

void TestDuplicateFinderPage::defaultTicksSpareTheLikelyOriginalAndProtectedFiles_data()
{
    QTest::addColumn<QStringList>("files"); // home-relative
    QTest::addColumn<QList<int>>("daysOld");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("protectedFiles");
    QTest::newRow("a numbered copy is no original, however old")
        << QStringList { QStringLiteral("Pictures/IMG_4021.jpg"), QStringLiteral("Pictures/IMG_4021 (1).jpg") }
        << QList<int> { 10, 20 } << QStringList { QStringLiteral("Pictures/IMG_4021 (1).jpg") } << QStringList();
    QTest::newRow("nor a copy named so") << QStringList { QStringLiteral("Documents/report copy.pdf"),
        QStringLiteral("Documents/report.pdf") }
                                         << QList<int> { 30, 5 }
                                         << QStringList { QStringLiteral("Documents/report copy.pdf") }
                                         << QStringList();
    QTest::newRow("the Downloads copy goes")
        << QStringList { QStringLiteral("Downloads/report.pdf"), QStringLiteral("Documents/report.pdf") }
        << QList<int> { 30, 5 } << QStringList { QStringLiteral("Downloads/report.pdf") } << QStringList();
    QTest::newRow("the oldest stays") << QStringList { QStringLiteral("Documents/a/notes.txt"),
        QStringLiteral("Documents/b/notes.txt") }
                                      << QList<int> { 5, 9 } << QStringList { QStringLiteral("Documents/a/notes.txt") }
                                      << QStringList();
    QTest::newRow("then the shortest path")
        << QStringList { QStringLiteral("Documents/x/y/song.mp3"), QStringLiteral("Music/song.mp3") }
        << QList<int> { 7, 7 } << QStringList { QStringLiteral("Documents/x/y/song.mp3") } << QStringList();
    QTest::newRow("an app's framework is never ticked")
        << QStringList { QStringLiteral("Applications/Slack.app/Contents/Frameworks/libffmpeg.dylib"),
               QStringLiteral("Downloads/libffmpeg.dylib"), QStringLiteral("Documents/libffmpeg.dylib") }
        << QList<int> { 1, 60, 50 } << QStringList { QStringLiteral("Downloads/libffmpeg.dylib") }
        << QStringList { QStringLiteral("Applications/Slack.app/Contents/Frameworks/libffmpeg.dylib") };
    QTest::newRow("a browser's database in Library is never ticked")
        << QStringList { QStringLiteral("Library/Application Support/Google/Chrome/Default/History"),
               QStringLiteral("Documents/History") }
        << QList<int> { 1, 40 } << QStringList()
        << QStringList { QStringLiteral("Library/Application Support/Google/Chrome/Default/History") };
    QTest::newRow("a photo in the photo library is never ticked")
        << QStringList { QStringLiteral("Pictures/Photos Library.photoslibrary/originals/A/IMG_1.jpg"),
               QStringLiteral("Desktop/IMG_1.jpg") }
        << QList<int> { 1, 30 } << QStringList()
        << QStringList { QStringLiteral("Pictures/Photos Library.photoslibrary/originals/A/IMG_1.jpg") };
}

// What a user who clicks through would delete: never the likely original, never a file inside
// an app, a package or Library (shown, marked).
void TestDuplicateFinderPage::defaultTicksSpareTheLikelyOriginalAndProtectedFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, daysOld);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, protectedFiles);
    TestHome home;
    DuplicateGroup group { QStringLiteral("ab"), 4000, {} };
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < files.size(); ++i)
        group.files.append(DuplicateFile { home.filePath(files.at(i)), 4000, now.addDays(-daysOld.at(i)), {} });
    DuplicateResultsModel model;
    model.setGroups({ group });
    for (const QString &file : std::as_const(files)) {
        const QModelIndex row = model.indexOfPath(home.filePath(file));
        QCOMPARE(row.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked, ticked.contains(file));
        QCOMPARE(row.data(DuplicateResultsModel::ProtectedRole).toBool(), protectedFiles.contains(file));
    }
    QCOMPARE(model.checkedCount(), int(ticked.size()));
    // Keep Newest spares them too; the likely original comes back with Keep Original.
    model.keepOne(true);
    for (const QString &file : std::as_const(protectedFiles))
        QVERIFY(model.indexOfPath(home.filePath(file)).data(Qt::CheckStateRole).value<Qt::CheckState>() != Qt::Checked);
    model.keepOriginals();
    QCOMPARE(model.checkedCount(), int(ticked.size()));
}

// "can be freed" is what Delete Selected would remove, and follows the ticks.
void TestDuplicateFinderPage::footerCountsTheTickedCopies()
{
    TestHome home;
    const QStringList copies = makeCopies(
        home, { QStringLiteral("a/old.bin"), QStringLiteral("b/mid.bin"), QStringLiteral("c/new.bin") }, 't');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    auto *footer = page.findChild<QLabel *>(QStringLiteral("summaryLabel"));
    const auto freed = [footer] {
        const QString text = footer->text();
        const qsizetype end = text.indexOf(QStringLiteral(" can be freed"));
        return text.mid(text.lastIndexOf(QLatin1Char('>'), end) + 1, end - text.lastIndexOf(QLatin1Char('>'), end) - 1);
    };
    DuplicateResultsModel *results = resultsOf(page);
    QCOMPARE(results->checkedCount(), 2);
    QCOMPARE(freed(), CleanItem::formatSize(2 * 4000));
    for (const QString &path : copies) {
        if (isChecked(page, path)) {
            QVERIFY(results->setData(rowOf(page, path), Qt::Unchecked, Qt::CheckStateRole));
            break;
        }
    }
    QCOMPARE(freed(), CleanItem::formatSize(4000));
    page.onSelectNone();
    QCOMPARE(freed(), CleanItem::formatSize(0));
}

void TestDuplicateFinderPage::summarySaysWhereEachFileWent()
{
    QFETCH(bool, trashUsable);
    TestHome home;
    const QStringList copies = makeCopies(
        home, { QStringLiteral("a/old.bin"), QStringLiteral("b/mid.bin"), QStringLiteral("c/new.bin") }, 't');
    if (!trashUsable) // a file where the Trash folder would be made
        home.makeFile(QStringLiteral(".Trash"), 10);
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);

    MessageBoxAnswerer how(QMessageBox::Ok); // "Move to Trash", the default
    page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->click();
    QVERIFY(how.answered());
    MessageBoxAnswerer summary(QMessageBox::Ok);
    QTRY_VERIFY_WITH_TIMEOUT(summary.answered(), 20000);

    const QString way = trashUsable ? QStringLiteral("Moved to the Trash: ") : QStringLiteral("Left in place: ");
    QStringList ways = summary.detailedText().split(QLatin1Char('\n'));
    ways.sort();
    QCOMPARE(ways, QStringList({ way + copies.at(1), way + copies.at(2) }));
    if (trashUsable) {
        QCOMPARE(summary.title(), QStringLiteral("Duplicates Removed"));
        QVERIFY(summary.text().startsWith(QStringLiteral("2 file(s) moved to the Trash")));
        QVERIFY(!QFileInfo::exists(copies.at(1)) && !QFileInfo::exists(copies.at(2)));
        // Nothing is freed until the Trash is emptied, and the footer says so.
        const QString footer = page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
        QVERIFY2(footer.endsWith(QStringLiteral(" in the Trash until you empty it")), qPrintable(footer));
        QVERIFY(!QString(footer).remove(QStringLiteral("can be freed")).contains(QStringLiteral("freed")));
    } else {
        QCOMPARE(summary.title(), QStringLiteral("Partial Failure"));
        QVERIFY(summary.text().startsWith(
            QStringLiteral("2 file(s) could not be moved to the Trash and were left in place; none was deleted.")));
        QVERIFY(QFileInfo::exists(copies.at(1)) && QFileInfo::exists(copies.at(2)));
    }
    QVERIFY(QFileInfo::exists(copies.at(0)));
}

void TestDuplicateFinderPage::progressShortensLongPaths()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    const QString path = QStringLiteral("/Volumes/") + QString(64, QLatin1Char('p'));
    QCOMPARE(path.size(), 73);
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show(); // as during a scan
    page.onProgress(5, 20, path);

    QCOMPARE(
        page.findChild<QLabel *>(QStringLiteral("currentPathLabel"))->text(), QStringLiteral("…") + path.right(69));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("countLabel"))->text(), QStringLiteral("5 / 20"));
    QCOMPARE(page.findChild<QProgressBar *>(QStringLiteral("scanProgressBar"))->value(), 25);
}

void TestDuplicateFinderPage::largeResultShowsAndDeletingUpdatesIt()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    page.resize(680, 606);
    page.show();
    QList<DuplicateGroup> groups;
    qint64 waste = 0;
    for (int g = 0; g < 22000; ++g) {
        groups.append(syntheticGroup(g, 2 + g % 3));
        waste += (1 + g % 3) * groups.last().fileSize;
    }
    // As a scan would: the card shows, the groups arrive, the scan ends.
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show();
    for (const DuplicateGroup &group : std::as_const(groups))
        page.onGroupFound(group);
    page.onScanFinished(int(groups.size()), waste);
    QCOMPARE(stackIndex(page), 1);
    DuplicateResultsModel *results = resultsOf(page);
    QCOMPARE(results->groupCount(), 22000);
    QCOMPARE(results->reclaimableBytes(), waste);
    QFile windowStyle(QStringLiteral(":/styles/style.qss"));
    QVERIFY(windowStyle.open(QIODevice::ReadOnly | QIODevice::Text));
    page.setStyleSheet(QString::fromUtf8(windowStyle.readAll()));
    auto *view = page.findChild<QListView *>(QStringLiteral("duplicateResultsView"));
    QTRY_VERIFY(view->indexAt(QPoint(view->viewport()->width() / 2, 60)).isValid());
    WidgetShot::render(&page, QStringLiteral("duplicates-results-many"), WidgetShot::pageSize());

    // The remover's answer for a selection: the two deleted copies of group 1 take it out of the
    // list (one copy left), group 2 loses one of its four.
    const QStringList removed { groups.at(1).files.at(0).path, groups.at(1).files.at(1).path,
        groups.at(2).files.at(0).path };
    const QString summaryBefore = page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
    QVERIFY(summaryBefore.contains(QStringLiteral("can be freed")));
    QVERIFY(!QString(summaryBefore).remove(QStringLiteral("can be freed")).contains(QStringLiteral("freed")));
    MessageBoxAnswerer summary(QMessageBox::Ok);
    emit remover.finished(removed, {});
    QTRY_VERIFY(summary.answered());

    QCOMPARE(results->groupCount(), 21999);
    QVERIFY(!rowOf(page, groups.at(1).files.at(2).path).isValid());
    QCOMPARE(rowOf(page, groups.at(2).files.at(1).path).data(DuplicateResultsModel::FileCountRole).toInt(), 3);
    QCOMPARE(results->reclaimableBytes(), waste - 2 * groups.at(1).fileSize - groups.at(2).fileSize);
    const QString summaryAfter = page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
    QVERIFY(summaryAfter.startsWith(QStringLiteral("<b>21,999</b> groups")));
    // The copies went to the Trash (the default way): their space is not freed yet.
    QVERIFY(summaryAfter.endsWith(QStringLiteral("2.9 KB in the Trash until you empty it")));
}

// Another feature removes copies: during the scan and after it, they leave their groups, a group
// left with one copy goes, and the summary follows.
// A group's header offers what keeping one copy gives back on disk: for sparse copies of a long
// content, the space the others take, not their length.
void TestDuplicateFinderPage::groupHeaderSavesTheSpaceOfTheCopies()
{
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    DuplicateGroup group = syntheticGroup(1, 3);
    group.fileSize = 64 * 1048576;
    for (int f = 0; f < group.files.size(); ++f)
        group.files[f].size = 8192 * (f + 1);
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show();
    page.onGroupFound(group);
    page.onScanFinished(1, 3 * 8192);
    DuplicateResultsModel *results = resultsOf(page);
    QCOMPARE(results->index(0).data(DuplicateResultsModel::SavingRole).toLongLong(), 3 * 8192);
    QCOMPARE(results->reclaimableBytes(), 3 * 8192);
}

void TestDuplicateFinderPage::unreadableFoldersAreCountedWithTheWayToGrantAccess_data()
{
    QTest::addColumn<int>("groups");
    QTest::newRow("above the results") << 2;
    QTest::newRow("in the message of no duplicates") << 0;
}

// Folders the scan could not read are counted where its outcome shows, the first named, with the
// way to let the scan read them.
void TestDuplicateFinderPage::unreadableFoldersAreCountedWithTheWayToGrantAccess()
{
    QFETCH(int, groups);
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    MessageBoxAnswerer answer(QMessageBox::Ok);
    finder.unreadableFolders
        = { home.filePath(QStringLiteral("Library/Mail")), home.filePath(QStringLiteral("Library/Messages")) };
    // As a scan would: the card shows, the groups arrive, the scan ends.
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show();
    for (int g = 0; g < groups; ++g)
        page.onGroupFound(syntheticGroup(g, 2));
    page.onScanFinished(groups, 0);

    auto *note = page.findChild<QLabel *>(QStringLiteral("unreadableNote"));
    QVERIFY(note);
    const QString text = groups > 0 ? note->text() : answer.text();
    QCOMPARE(note->isVisibleTo(&page), groups > 0);
    QVERIFY2(
        text.contains(QStringLiteral("2 folders could not be read, among them ") + finder.unreadableFolders.first()),
        qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Full Disk Access")), qPrintable(text));

    // A scan that could read everything shows no note.
    if (groups > 0) {
        finder.unreadableFolders.clear();
        page.onBackToScan();
        page.findChild<QWidget *>(QStringLiteral("progressCard"))->show();
        page.onGroupFound(syntheticGroup(0, 2));
        page.onScanFinished(1, 0);
        QVERIFY(!note->isVisibleTo(&page));
    }
}

void TestDuplicateFinderPage::removedElsewhereLeavesTheGroups()
{
    TestHome home;
    const QStringList three = makeCopies(
        home, { QStringLiteral("a/old.bin"), QStringLiteral("b/mid.bin"), QStringLiteral("c/new.bin") }, 't');
    const QStringList two = makeCopies(home, { QStringLiteral("d/first.bin"), QStringLiteral("e/second.bin") }, 'w');
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    startSmallFileScan(page);
    // Told before the scan has reported a group.
    remover.forgetRemoved({ two.first() });
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    DuplicateResultsModel *results = resultsOf(page);
    QAbstractItemModelTester tester(results, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(results->groupCount(), 1);
    QVERIFY(!rowOf(page, two.last()).isValid());

    // A folder that held one copy.
    remover.forgetRemoved({ home.filePath(QStringLiteral("c")) });
    QCOMPARE(results->groupCount(), 1);
    QCOMPARE(results->rowCount(), 1 + 2);
    QCOMPARE(results->reclaimableBytes(), 4000);
    QVERIFY(!rowOf(page, three.last()).isValid());
    QCOMPARE(results->checkedCount(), 1);
    QVERIFY(
        page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().startsWith(QStringLiteral("<b>1</b> groups")));

    remover.forgetRemoved({ three.at(1) });
    QCOMPARE(results->groupCount(), 0);
    QCOMPARE(results->rowCount(), 0);
    QVERIFY(
        page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().startsWith(QStringLiteral("<b>0</b> groups")));
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::chosenFolderCanBeRemoved()
{
    TestHome home;
    DuplicateFinder finder;
    DuplicateRemover remover;
    DuplicateFinderPage page(&finder, &remover);
    QPushButton *choose = locationCard(page, QStringLiteral("__browse__"));
    const QString folder = home.filePath(QStringLiteral("Projects"));
    QDir().mkpath(folder);
    // The folder dialog answers with the folder.
    QTimer::singleShot(0, &page, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        dialog->selectFile(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    choose->click();
    QVERIFY(choose->isChecked());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("pathHint"))->text(), QStringLiteral("Path: ~  ·  ~/Projects"));

    // A second click offers the chosen folder for removal.
    choose->click();
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = page.findChild<QMenu *>(QStringLiteral("chosenFoldersMenu"))));
    QAction *remove = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("Remove ~/Projects"))
            remove = action;
    }
    QVERIFY(remove);
    remove->trigger();
    QVERIFY(!choose->isChecked());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("pathHint"))->text(), QStringLiteral("Path: ~"));
}

void TestDuplicateFinderPage::renderPageStates()
{
    TestHome home;
    DuplicateFixture::populate(home);

    DuplicateFinder finder;

    DuplicateRemover remover;

    DuplicateFinderPage page(&finder, &remover);
    page.resize(680, 606);
    locationCard(page, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))->click();
    const auto render = [&page] {
        const QImage image = page.grab().toImage();
        QCOMPARE(image.size(), QSize(680, 606));
    };
    render();

    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show();
    page.onProgress(1843, 4210, home.filePath(QStringLiteral("Pictures/Holiday 2024/Day 3 - Lagoon/IMG_4188.HEIC")));
    render();
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->hide();

    locationCard(page, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))->click();
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    render();

    // At the window's page width and in its style the summary between the buttons wraps instead
    // of being cut off.
    QFile windowStyle(QStringLiteral(":/styles/style.qss"));
    QVERIFY(windowStyle.open(QIODevice::ReadOnly | QIODevice::Text));
    page.setStyleSheet(QString::fromUtf8(windowStyle.readAll()));
    WidgetShot::render(&page, QStringLiteral("duplicates-results"), WidgetShot::pageSize());
    auto *summary = page.findChild<QLabel *>(QStringLiteral("summaryLabel"));
    QVERIFY(page.minimumSizeHint().width() <= WidgetShot::pageSize().width());
    QVERIFY(summary->width() >= summary->minimumSizeHint().width());
    QVERIFY(summary->heightForWidth(summary->width()) <= summary->height());
}

QTEST_MAIN(TestDuplicateFinderPage)
#include "tst_duplicatefinderpage.moc"
