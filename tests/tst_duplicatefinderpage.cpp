#include "cleaners/duplicatefinder.h"
#include "duplicatefixture.h"
#include "messageboxanswerer.h"
#include "pages/duplicatefinderpage.h"
#include "testhome.h"
#include "widgets/elidedlabel.h"
#include "widgetshot.h"

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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

QCheckBox *checkBoxOf(const QWidget &page, const QString &path)
{
    for (QCheckBox *box : page.findChildren<QCheckBox *>()) {
        if (box->property("filePath").toString() == path)
            return box;
    }
    return nullptr;
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
    void progressShortensLongPaths();
    void renderPageStates();
};

void TestDuplicateFinderPage::startsWithHomeSelected()
{
    TestHome home;
    DuplicateFinderPage page;
    QVERIFY(locationCard(page, QDir::homePath())->isChecked());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("pathHint"))->text(), QStringLiteral("Path: ~"));
    QCOMPARE(page.findChildren<QPushButton *>(QStringLiteral("locationCard")).size(), 10);
}

void TestDuplicateFinderPage::locationCardsEditTheSelection()
{
    TestHome home;
    DuplicateFinderPage page;
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
    DuplicateFinderPage page;
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
    DuplicateFinderPage page;
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
    DuplicateFinderPage page;
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
    DuplicateFinderPage page;
    auto *finder = page.findChild<DuplicateFinder *>();
    // The worker stops in the middle of a large read until the test lets it go on.
    QSemaphore reading;
    QSemaphore resume;
    finder->afterChunkRead = [&](const QString &) {
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
    QVERIFY(page.findChildren<QFrame *>(QStringLiteral("groupCard")).isEmpty());
}

void TestDuplicateFinderPage::largeReadShowsItsProgress()
{
    TestHome home;
    home.makeFile(QStringLiteral("big/large-a.bin"), 24 * 1048576, 'L');
    home.makeFile(QStringLiteral("big/large-b.bin"), 24 * 1048576, 'L');
    DuplicateFinderPage page;
    auto *finder = page.findChild<DuplicateFinder *>();
    finder->afterChunkRead = [](const QString &) { QThread::msleep(15); }; // a slow disk
    auto *pathLabel = page.findChild<QLabel *>(QStringLiteral("currentPathLabel"));
    QStringList shown;
    connect(finder, &DuplicateFinder::readProgress, this, [&] {
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
    DuplicateFinderPage page;
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);

    QCOMPARE(page.findChildren<QFrame *>(QStringLiteral("groupCard")).size(), 2);
    QVERIFY(
        page.findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().startsWith(QStringLiteral("<b>2</b> groups")));
    for (const QStringList &group : { three, two }) {
        for (const QString &path : group)
            QCOMPARE(checkBoxOf(page, path)->isChecked(), path != group.last());
    }
    for (QFrame *card : page.findChildren<QFrame *>(QStringLiteral("groupCard"))) {
        const QList<QLabel *> dates = card->findChildren<QLabel *>(QStringLiteral("dateLabel"));
        QVERIFY(dates.first()->styleSheet().contains(QStringLiteral("#10B981")));
        QVERIFY(!dates.last()->styleSheet().contains(QStringLiteral("#10B981")));
    }
    const QString shownLong = homeRelative(home.filePath(longName));
    QCOMPARE(shownLong.size(), 59);
    QStringList cardPaths;
    for (ElidedLabel *label : page.findChildren<ElidedLabel *>(QStringLiteral("cardPathLabel")))
        cardPaths.append(label->fullText());
    QVERIFY(cardPaths.contains(shownLong.left(28) + QStringLiteral("…") + shownLong.right(27)));

    page.onKeepOldest();
    for (const QStringList &group : { three, two }) {
        for (const QString &path : group)
            QCOMPARE(checkBoxOf(page, path)->isChecked(), path != group.first());
    }
    page.onSelectNone();
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
    page.onKeepNewest();
    QVERIFY(!checkBoxOf(page, three.last())->isChecked());
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::failedDeletionIsReportedAsPartialFailure()
{
    TestHome home;
    const QStringList copies = makeCopies(
        home, { QStringLiteral("a/old.bin"), QStringLiteral("b/mid.bin"), QStringLiteral("c/new.bin") }, 'f');
    DuplicateFinderPage page;
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    // The middle copy turns into a folder after the scan: it can no longer be deleted as a copy.
    QVERIFY(QFile::remove(copies.at(1)));
    home.makeFile(QStringLiteral("b/mid.bin/inside.txt"), 10);

    MessageBoxAnswerer confirm(QMessageBox::Yes);
    page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->click();
    QVERIFY(confirm.answered());
    QCOMPARE(confirm.text(), QStringLiteral("Permanently delete 2 file(s)?\nThis cannot be undone."));
    MessageBoxAnswerer report(QMessageBox::Ok);
    QTRY_VERIFY_WITH_TIMEOUT(report.answered(), 20000);

    QCOMPARE(report.title(), QStringLiteral("Partial Failure"));
    QCOMPARE(report.text(), QStringLiteral("1 file(s) could not be deleted."));
    QVERIFY(!QFileInfo::exists(copies.at(0)));
    QVERIFY(QFileInfo(copies.at(1)).isDir());
    QVERIFY(QFileInfo::exists(copies.at(2)));
    QVERIFY(!checkBoxOf(page, copies.at(0)));
    QVERIFY(checkBoxOf(page, copies.at(1))->isChecked());
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::lastCopyIsNeverDeleted()
{
    TestHome home;
    const QStringList copies = makeCopies(home, { QStringLiteral("a/older.bin"), QStringLiteral("b/newer.bin") }, 'l');
    DuplicateFinderPage page;
    startSmallFileScan(page);
    QTRY_COMPARE_WITH_TIMEOUT(stackIndex(page), 1, 20000);
    page.onSelectAll();

    MessageBoxAnswerer confirm(QMessageBox::Yes);
    page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->click();
    QVERIFY(confirm.answered());
    QVERIFY(confirm.text().startsWith(QStringLiteral("Permanently delete 1 file(s)?")));
    QVERIFY(confirm.text().contains(QStringLiteral("the newest copy of each will be kept")));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copies.first()), 20000);

    QVERIFY(QFileInfo::exists(copies.last()));
    QTRY_VERIFY(!checkBoxOf(page, copies.first()));
    QVERIFY(!checkBoxOf(page, copies.last())->isChecked());
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("deleteSelectedBtn"))->isEnabled());
}

void TestDuplicateFinderPage::progressShortensLongPaths()
{
    TestHome home;
    DuplicateFinderPage page;
    const QString path = QStringLiteral("/Volumes/") + QString(64, QLatin1Char('p'));
    QCOMPARE(path.size(), 73);
    page.findChild<QWidget *>(QStringLiteral("progressCard"))->show(); // as during a scan
    page.onProgress(5, 20, path);

    QCOMPARE(
        page.findChild<QLabel *>(QStringLiteral("currentPathLabel"))->text(), QStringLiteral("…") + path.right(69));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("countLabel"))->text(), QStringLiteral("5 / 20"));
    QCOMPARE(page.findChild<QProgressBar *>(QStringLiteral("scanProgressBar"))->value(), 25);
}

void TestDuplicateFinderPage::renderPageStates()
{
    TestHome home;
    DuplicateFixture::populate(home);

    DuplicateFinderPage page;
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
