#include "core/cleanitem.h"
#include "pages/dashboardpage.h"
#include "widgets/circleprogresswidget.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 GiB = 1024 * MiB;

template<typename T = QWidget> T *child(const QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("missing child %s", name);
    return found;
}

QWidget *card(const DashboardPage &page, const char *name)
{
    return child(&page, name);
}

QString cardValue(const DashboardPage &page, const char *cardName)
{
    return child<QLabel>(card(page, cardName), "cardValue")->text();
}

int cardBarWidth(const DashboardPage &page, const char *cardName)
{
    return child(card(page, cardName), "cardBarFill")->width();
}

CircleProgressWidget *ring(const DashboardPage &page)
{
    return child<CircleProgressWidget>(&page, "ring");
}

} // namespace

class TestDashboardPage : public QObject
{
    Q_OBJECT

private slots:
    void startsWithEmptyViewAndDefaultDataView();
    void scanningLookAndBack();
    void scanProgress_data();
    void scanProgress();
    void updateStats_data();
    void updateStats();
    void zeroTotalsDrawNoBars();
    void browserShareOfUnknownSizeSaysAtLeast();
    void ringShowsTheSelectedShareOfWhatWasFound_data();
    void ringShowsTheSelectedShareOfWhatWasFound();
    void formatSize_data();
    void formatSize();
    void cardsNavigateOnReleaseOnly_data();
    void cardsNavigateOnReleaseOnly();
    void buttonsRequestScanAndClean();
    void statusTellsTheLastScansAge_data();
    void statusTellsTheLastScansAge();
    void statusMovesOnAsTimePasses();
    void statusTellsWhatTheLastCleanFreed();
};

void TestDashboardPage::startsWithEmptyViewAndDefaultDataView()
{
    DashboardPage page;
    page.resize(680, 600);
    page.show();
    QVERIFY(child(&page, "fullScanBtn")->isVisible());
    QVERIFY(!child(&page, "progressBlock")->isVisible());
    QVERIFY(!ring(page)->isVisible());

    QCOMPARE(ring(page)->value(), 0.0);
    QCOMPARE(ring(page)->unit(), QStringLiteral("GB"));
    QCOMPARE(ring(page)->subtitle(), QStringLiteral("Can be cleaned"));
    QCOMPARE(ring(page)->progress(), 0);
    QCOMPARE(cardValue(page, "junkCard"), QStringLiteral("--"));
    QCOMPARE(cardValue(page, "browserCard"), QStringLiteral("--"));
    QCOMPARE(cardBarWidth(page, "junkCard"), 60);
    QCOMPARE(cardBarWidth(page, "browserCard"), 60);
    QVERIFY(!child(&page, "registryCard")->isVisibleTo(&page));
}

void TestDashboardPage::scanningLookAndBack()
{
    DashboardPage page;
    page.show();
    auto *fullScan = child<QPushButton>(&page, "fullScanBtn");
    page.setScanning(true);
    QVERIFY(!fullScan->isEnabled());
    QCOMPARE(fullScan->text(), QStringLiteral("Scanning..."));
    QVERIFY(child(&page, "progressBlock")->isVisible());
    QCOMPARE(child<QLabel>(&page, "progressPercentLabel")->text(), QStringLiteral("0%"));
    QCOMPARE(child<QLabel>(&page, "progressStatusLabel")->text(), QStringLiteral("Preparing..."));
    QVERIFY(!child(&page, "startScanBtn")->isEnabled());
    QVERIFY(!child(&page, "cleanAllBtn")->isEnabled());
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), QStringLiteral("Scanning..."));
    QVERIFY(child(&page, "statusDot")->property("busy").toBool());
    QCOMPARE(ring(page)->unit(), QStringLiteral("%"));
    QCOMPARE(ring(page)->progress(), 0);

    page.setScanProgress(40, QStringLiteral("/Users/me/Library/Caches"));
    page.setScanning(false);
    QVERIFY(fullScan->isEnabled());
    QCOMPARE(fullScan->text(), QStringLiteral("🔍  Start Full Scan"));
    QVERIFY(!child(&page, "progressBlock")->isVisible());
    QVERIFY(child(&page, "startScanBtn")->isEnabled());
    QVERIFY(child(&page, "cleanAllBtn")->isEnabled());
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), QStringLiteral("Ready to scan"));
    QVERIFY(!child(&page, "statusDot")->property("busy").toBool());
    QCOMPARE(ring(page)->value(), 40.0);
    QVERIFY(!ring(page)->isVisible());
}

void TestDashboardPage::scanProgress_data()
{
    const QString sixty = QStringLiteral("/Users/me/") + QString(50, QLatin1Char('a'));
    const QString seventy = QStringLiteral("/Users/me/Library/Caches/") + QString(45, QLatin1Char('b'));
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("percentText");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<QString>("shownPath");
    QTest::newRow("37 %") << 37 << QStringLiteral("/tmp/x") << QStringLiteral("37%") << 148 << QStringLiteral("/tmp/x");
    QTest::newRow("60 characters kept") << 0 << sixty << QStringLiteral("0%") << 0 << sixty;
    QTest::newRow("70 characters elided")
        << 100 << seventy << QStringLiteral("100%") << 400 << QStringLiteral("...") + seventy.right(57);
}

void TestDashboardPage::scanProgress()
{
    QFETCH(int, percent);
    QFETCH(QString, path);
    QFETCH(QString, percentText);
    QFETCH(int, barWidth);
    QFETCH(QString, shownPath);
    DashboardPage page;
    page.setScanning(true);
    page.setScanProgress(percent, path);
    QCOMPARE(child<QLabel>(&page, "progressPercentLabel")->text(), percentText);
    QCOMPARE(child(&page, "progressBarFill")->width(), barWidth);
    QCOMPARE(child<QLabel>(&page, "progressStatusLabel")->text(), shownPath);
    QCOMPARE(ring(page)->progress(), percent);
    QCOMPARE(ring(page)->value(), double(percent));
    // A whole percentage, no "37.0".
    QCOMPARE(ring(page)->valueText(), QString::number(percent));
    QCOMPARE(ring(page)->unit(), QStringLiteral("%"));
    QCOMPARE(ring(page)->subtitle(), QStringLiteral("Scanning..."));
}

void TestDashboardPage::updateStats_data()
{
    QTest::addColumn<qint64>("junk");
    QTest::addColumn<qint64>("browser");
    QTest::addColumn<QString>("ringValue");
    QTest::addColumn<QString>("ringUnit");
    QTest::addColumn<QString>("junkText");
    QTest::addColumn<QString>("browserText");
    QTest::addColumn<int>("junkBar");
    QTest::addColumn<int>("browserBar");
    QTest::newRow("junk larger") << 3 * GiB / 2 << 512 * MiB << QStringLiteral("2.0") << QStringLiteral("GB")
                                 << QStringLiteral("1.5 GB") << QStringLiteral("512.0 MB") << 100 << 33;
    QTest::newRow("browser larger, small junk bar kept visible")
        << qint64(1024) << 5 * GiB << QStringLiteral("5.0") << QStringLiteral("GB") << QStringLiteral("1.0 KB")
        << QStringLiteral("5.0 GB") << 20 << 100;
    QTest::newRow("below a gigabyte in megabytes")
        << 700 * MiB << qint64(0) << QStringLiteral("700.0") << QStringLiteral("MB") << QStringLiteral("700.0 MB")
        << QStringLiteral("0 B") << 100 << 0;
    QTest::newRow("sum of both in megabytes")
        << 22 * MiB << 6 * MiB + 419431 << QStringLiteral("28.4") << QStringLiteral("MB") << QStringLiteral("22.0 MB")
        << QStringLiteral("6.4 MB") << 100 << 29;
    QTest::newRow("a few bytes") << qint64(512) << qint64(0) << QStringLiteral("512") << QStringLiteral("B")
                                 << QStringLiteral("512 B") << QStringLiteral("0 B") << 100 << 0;
    QTest::newRow("one byte beside gigabytes") << qint64(1) << 2 * GiB << QStringLiteral("2.0") << QStringLiteral("GB")
                                               << QStringLiteral("1 B") << QStringLiteral("2.0 GB") << 20 << 100;
}

void TestDashboardPage::updateStats()
{
    QFETCH(qint64, junk);
    QFETCH(qint64, browser);
    QFETCH(QString, ringValue);
    QFETCH(QString, ringUnit);
    QFETCH(QString, junkText);
    QFETCH(QString, browserText);
    QFETCH(int, junkBar);
    QFETCH(int, browserBar);
    DashboardPage page;
    page.show();
    page.setScanning(true);
    page.setScanning(false);
    page.updateStats(junk, browser, 0);
    QVERIFY(ring(page)->isVisible());
    QCOMPARE(ring(page)->valueText(), ringValue);
    QCOMPARE(ring(page)->unit(), ringUnit);
    QCOMPARE(ring(page)->subtitle(), QStringLiteral("Can be cleaned"));
    // Given no total of what was found, the selection is all of it.
    QCOMPARE(ring(page)->progress(), junk + browser > 0 ? 100 : 0);
    QCOMPARE(cardValue(page, "junkCard"), junkText);
    QCOMPARE(cardValue(page, "browserCard"), browserText);
    QCOMPARE(cardBarWidth(page, "junkCard"), junkBar);
    QCOMPARE(cardBarWidth(page, "browserCard"), browserBar);
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), QStringLiteral("Ready to scan"));
    QCOMPARE(page.junkBytes(), junk);
    QCOMPARE(page.browserBytes(), browser);
}

// Browser data whose size cannot be known is left out of the numbers, which then say "at least".
void TestDashboardPage::browserShareOfUnknownSizeSaysAtLeast()
{
    DashboardPage page;
    page.show();
    page.updateStats(MiB, 2 * MiB, 0, 3 * MiB, 4 * MiB, true);
    QCOMPARE(cardValue(page, "browserCard"), QStringLiteral("at least 2.0 MB"));
    QCOMPARE(cardValue(page, "junkCard"), QStringLiteral("1.0 MB"));
    QCOMPARE(ring(page)->subtitle(), QStringLiteral("Can be cleaned (at least)"));
    page.updateStats(MiB, 2 * MiB, 0, 3 * MiB, 4 * MiB);
    QCOMPARE(cardValue(page, "browserCard"), QStringLiteral("2.0 MB"));
    QCOMPARE(ring(page)->subtitle(), QStringLiteral("Can be cleaned"));
}

void TestDashboardPage::ringShowsTheSelectedShareOfWhatWasFound_data()
{
    QTest::addColumn<qint64>("cleanable");
    QTest::addColumn<qint64>("found");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("caption");
    QTest::newRow("nothing found") << qint64(0) << qint64(0) << 0 << QStringLiteral("The scan found nothing to clean");
    QTest::newRow("nothing selected") << qint64(0) << 4 * MiB << 0
                                      << QStringLiteral("Ring: 0% of what the scan found is selected");
    QTest::newRow("a quarter") << MiB << 4 * MiB << 25
                               << QStringLiteral("Ring: 25% of what the scan found is selected");
    QTest::newRow("a sliver shows") << qint64(10) << GiB << 1
                                    << QStringLiteral("Ring: 1% of what the scan found is selected");
    QTest::newRow("everything") << 4 * MiB << 4 * MiB << 100
                                << QStringLiteral("Ring: 100% of what the scan found is selected");
}

// The ring is a measure: the share of what the scans found that Clean All would remove.
void TestDashboardPage::ringShowsTheSelectedShareOfWhatWasFound()
{
    QFETCH(qint64, cleanable);
    QFETCH(qint64, found);
    QFETCH(int, progress);
    QFETCH(QString, caption);
    DashboardPage page;
    page.show();
    page.updateStats(cleanable, 0, 0, cleanable, found);
    QCOMPARE(ring(page)->progress(), progress);
    auto *captionLabel = child<QLabel>(&page, "ringCaption");
    QVERIFY(captionLabel->isVisible());
    QCOMPARE(captionLabel->text(), caption);
    page.setScanning(true);
    QVERIFY(!captionLabel->isVisible());
}

void TestDashboardPage::zeroTotalsDrawNoBars()
{
    DashboardPage page;
    page.updateStats(3 * GiB / 2, 512 * MiB, 0);
    page.updateStats(0, 0, 0);
    QCOMPARE(cardValue(page, "junkCard"), QStringLiteral("0 B"));
    QCOMPARE(cardValue(page, "browserCard"), QStringLiteral("0 B"));
    QCOMPARE(cardBarWidth(page, "junkCard"), 0);
    QCOMPARE(cardBarWidth(page, "browserCard"), 0);
    QCOMPARE(ring(page)->valueText(), QStringLiteral("0"));
    QCOMPARE(ring(page)->unit(), QStringLiteral("B"));
}

void TestDashboardPage::formatSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << QStringLiteral("0 B");
    QTest::newRow("1023") << qint64(1023) << QStringLiteral("1023 B");
    QTest::newRow("1024") << qint64(1024) << QStringLiteral("1.0 KB");
    QTest::newRow("1 MiB - 1") << MiB - 1 << QStringLiteral("1024.0 KB");
    QTest::newRow("1 MiB") << MiB << QStringLiteral("1.0 MB");
    QTest::newRow("1 GiB - 1") << GiB - 1 << QStringLiteral("1024.0 MB");
    QTest::newRow("1 GiB") << GiB << QStringLiteral("1.0 GB");
    QTest::newRow("2.5 GiB, one decimal") << 5 * GiB / 2 << QStringLiteral("2.5 GB");
}

void TestDashboardPage::formatSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(CleanItem::formatSize(bytes, 1), text);
}

void TestDashboardPage::cardsNavigateOnReleaseOnly_data()
{
    QTest::addColumn<QString>("cardName");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("pageId");
    QTest::newRow("junk card") << QStringLiteral("junkCard") << QString() << 1;
    QTest::newRow("junk card value") << QStringLiteral("junkCard") << QStringLiteral("cardValue") << 1;
    QTest::newRow("browser card") << QStringLiteral("browserCard") << QString() << 2;
}

void TestDashboardPage::cardsNavigateOnReleaseOnly()
{
    QFETCH(QString, cardName);
    QFETCH(QString, target);
    QFETCH(int, pageId);
    DashboardPage page;
    page.resize(680, 600);
    page.updateStats(GiB, MiB, 0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QWidget *cardWidget = page.findChild<QWidget *>(cardName);
    QWidget *clicked = target.isEmpty() ? cardWidget : cardWidget->findChild<QWidget *>(target);
    QVERIFY(clicked);
    QSignalSpy navigate(&page, &DashboardPage::navigateToPage);
    QTest::mousePress(clicked, Qt::LeftButton);
    QCOMPARE(navigate.count(), 0);
    QTest::mouseRelease(clicked, Qt::LeftButton);
    QCOMPARE(navigate.count(), 1);
    QCOMPARE(navigate.at(0).at(0).toInt(), pageId);
}

void TestDashboardPage::buttonsRequestScanAndClean()
{
    DashboardPage page;
    QSignalSpy scan(&page, &DashboardPage::scanRequested);
    QSignalSpy clean(&page, &DashboardPage::cleanRequested);
    child<QPushButton>(&page, "fullScanBtn")->click();
    child<QPushButton>(&page, "startScanBtn")->click();
    QCOMPARE(scan.count(), 2);
    child<QPushButton>(&page, "cleanAllBtn")->click();
    QCOMPARE(clean.count(), 1);
}

void TestDashboardPage::statusTellsTheLastScansAge_data()
{
    QTest::addColumn<int>("secondsAgo");
    QTest::addColumn<QString>("status");
    QTest::newRow("now") << 0 << QStringLiteral("Last scan: just now");
    QTest::newRow("59 s") << 59 << QStringLiteral("Last scan: just now");
    QTest::newRow("1 min") << 60 << QStringLiteral("Last scan: 1 min ago");
    QTest::newRow("2 min") << 150 << QStringLiteral("Last scan: 2 min ago");
    QTest::newRow("59 min") << 3599 << QStringLiteral("Last scan: 59 min ago");
    QTest::newRow("3 h") << 3 * 3600 + 5 << QStringLiteral("Last scan: 3 h ago");
}

void TestDashboardPage::statusTellsTheLastScansAge()
{
    QFETCH(int, secondsAgo);
    QFETCH(QString, status);
    DashboardPage page;
    page.updateStats(MiB, 0, 0);
    page.showScanTime(QDateTime::currentDateTime().addSecs(-secondsAgo));
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), status);
    // A scan's look in between, then the same status again.
    page.setScanning(true);
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), QStringLiteral("Scanning..."));
    page.setScanning(false);
    QCOMPARE(child<QLabel>(&page, "statusLabel")->text(), status);
}

void TestDashboardPage::statusMovesOnAsTimePasses()
{
    DashboardPage page;
    page.updateStats(MiB, 0, 0);
    page.showScanTime(QDateTime::currentDateTime().addMSecs(-59500));
    auto *label = child<QLabel>(&page, "statusLabel");
    QCOMPARE(label->text(), QStringLiteral("Last scan: just now"));
    auto *clock = child<QTimer>(&page, "statusClock");
    QVERIFY(clock->isActive());
    clock->setInterval(10);
    QTRY_COMPARE(label->text(), QStringLiteral("Last scan: 1 min ago"));

    // A day on, the date replaces the age and the clock rests.
    const QDateTime dayOld = QDateTime::currentDateTime().addDays(-2);
    page.showScanTime(dayOld);
    QCOMPARE(label->text(), QStringLiteral("Last scan: ") + QLocale().toString(dayOld, QLocale::ShortFormat));
    QVERIFY(!clock->isActive());
}

void TestDashboardPage::statusTellsWhatTheLastCleanFreed()
{
    DashboardPage page;
    page.updateStats(29779559, 0, 0);
    page.showScanTime(QDateTime::currentDateTime());
    page.showCleaned(29779559);
    auto *label = child<QLabel>(&page, "statusLabel");
    QCOMPARE(label->text(), QStringLiteral("Cleaned 28.4 MB"));
    QVERIFY(!child<QTimer>(&page, "statusClock")->isActive());
    page.updateStats(0, 0, 0);
    QCOMPARE(label->text(), QStringLiteral("Cleaned 28.4 MB"));
}

QTEST_MAIN(TestDashboardPage)
#include "tst_dashboardpage.moc"
