#include "app/fullscan.h"
#include "cleaners/registrycleaner.h"
#include "core/cleanengine.h"
#include "testhome.h"

#include <QtTest>

#include <QSemaphore>

namespace {

// An engine whose scan finds the items it was given and then waits until the test lets it
// finish or the run is cancelled.
class HeldEngine final : public CleanEngine
{
public:
    explicit HeldEngine(QList<qint64> itemSizes = {})
        : m_itemSizes(std::move(itemSizes))
    {
    }
    ~HeldEngine() override
    {
        stopWorker();
    }

    QSemaphore release;
    bool holdClean = false;

protected:
    void doScan() override
    {
        CleanCategory category(QStringLiteral("found"), QStringLiteral("Found"), QString());
        for (int i = 0; i < m_itemSizes.size(); ++i)
            category.items.append(
                CleanItem(QStringLiteral("/f%1").arg(i), m_itemSizes[i]));
        m_result.categories.append(category);
        waitForRelease();
    }

    CleanOutcome doClean() override
    {
        if (holdClean)
            waitForRelease();
        return {};
    }

private:
    // Until released or cancelled. A run cancelled by a newer start may still be waiting when
    // the test releases: it hands the release on to the newer run.
    void waitForRelease()
    {
        while (!isCancelled()) {
            if (release.tryAcquire(1, 10)) {
                if (isCancelled())
                    release.release();
                return;
            }
        }
    }

    QList<qint64> m_itemSizes;
};

int lastPercent(const QSignalSpy &spy)
{
    return spy.isEmpty() ? -1 : spy.last().at(0).toInt();
}

} // namespace

class TestFullScan : public QObject
{
    Q_OBJECT

private slots:
    void mergesProgressOfTheThreeScans();
    void repeatedStartDoesNotStackCallbacks();
    void completesWithTotalsOfAllEngines();
    void missingEngineCountsAsDone();
    void scanCancelledElsewhereStillCompletes();
    void refusesWhileAnEngineCleans();
};

void TestFullScan::mergesProgressOfTheThreeScans()
{
    TestHome home;
    HeldEngine junk, browser, registry;
    FullScan scan;
    QSignalSpy progress(&scan, &FullScan::progressChanged);
    scan.start(&junk, &browser, &registry);

    emit junk.scanProgress(50, 100, QStringLiteral("/Users/me/Library/Caches"));
    QCOMPARE(lastPercent(progress), 16);
    QCOMPARE(progress.last().at(1).toString(), QStringLiteral("/Users/me/Library/Caches"));

    junk.release.release();
    QTRY_COMPARE(lastPercent(progress), 33);
    emit browser.scanProgress(1, 3, QStringLiteral("Safari"));
    QCOMPARE(lastPercent(progress), 44);
    emit browser.scanProgress(0, 0, QStringLiteral("none"));
    QCOMPARE(lastPercent(progress), 33);
    QVERIFY(scan.isRunning());

    browser.release.release();
    registry.release.release();
    QTRY_VERIFY(!scan.isRunning());
    QCOMPARE(lastPercent(progress), 100);
}

void TestFullScan::repeatedStartDoesNotStackCallbacks()
{
    TestHome home;
    HeldEngine junk, browser, registry;
    FullScan scan;
    QSignalSpy finished(&scan, &FullScan::finished);
    scan.start(&junk, &browser, &registry);
    scan.start(&junk, &browser, &registry);

    QSignalSpy progress(&scan, &FullScan::progressChanged);
    emit junk.scanProgress(30, 100, QStringLiteral("/a"));
    QCOMPARE(progress.count(), 1);
    QCOMPARE(lastPercent(progress), 10);

    junk.release.release();
    browser.release.release();
    registry.release.release();
    QVERIFY(finished.wait());
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
}

void TestFullScan::completesWithTotalsOfAllEngines()
{
    TestHome home;
    HeldEngine junk({ 100, 200 });
    HeldEngine browser({ 4096 });
    RegistryCleaner registry;
    FullScan scan;
    QSignalSpy finished(&scan, &FullScan::finished);
    scan.start(&junk, &browser, &registry);
    junk.release.release();
    browser.release.release();
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).toLongLong(), 300);
    QCOMPARE(finished.at(0).at(1).toLongLong(), 4096);
    QCOMPARE(finished.at(0).at(2).toInt(), 0);
    QVERIFY(!scan.isRunning());

    // Once done, the window no longer listens: a scan started from a page changes nothing here.
    QSignalSpy progress(&scan, &FullScan::progressChanged);
    emit junk.scanProgress(1, 2, QStringLiteral("/b"));
    QCOMPARE(progress.count(), 0);
}

void TestFullScan::missingEngineCountsAsDone()
{
    TestHome home;
    HeldEngine junk({ 10 });
    FullScan scan;
    QSignalSpy progress(&scan, &FullScan::progressChanged);
    QSignalSpy finished(&scan, &FullScan::finished);
    scan.start(&junk, nullptr, nullptr);
    emit junk.scanProgress(0, 10, QStringLiteral("/a"));
    QCOMPARE(lastPercent(progress), 66);
    junk.release.release();
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).toLongLong(), 10);
    QCOMPARE(finished.at(0).at(1).toLongLong(), 0);

    FullScan nothing;
    QSignalSpy nothingFinished(&nothing, &FullScan::finished);
    nothing.start(nullptr, nullptr, nullptr);
    QCOMPARE(nothingFinished.count(), 1);
}

void TestFullScan::scanCancelledElsewhereStillCompletes()
{
    TestHome home;
    HeldEngine junk({ 1000 });
    HeldEngine browser({ 20, 30 });
    RegistryCleaner registry;
    FullScan scan;
    QSignalSpy finished(&scan, &FullScan::finished);
    scan.start(&junk, &browser, &registry);
    junk.cancel(); // as the junk page's Cancel does
    browser.release.release();
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).toLongLong(), 0);
    QCOMPARE(finished.at(0).at(1).toLongLong(), 50);
    QVERIFY(!scan.isRunning());
}

void TestFullScan::refusesWhileAnEngineCleans()
{
    TestHome home;
    HeldEngine junk({ 10 });
    HeldEngine browser;
    junk.holdClean = true;
    junk.startClean(); // as the junk page's "Clean Now" does
    FullScan scan;
    QSignalSpy progress(&scan, &FullScan::progressChanged);
    QVERIFY(!scan.start(&junk, &browser, nullptr));
    QVERIFY(!scan.isRunning());
    QCOMPARE(junk.state(), CleanEngine::Cleaning);
    QCOMPARE(browser.state(), CleanEngine::Idle);
    junk.release.release();
    QTRY_COMPARE(junk.state(), CleanEngine::Finished);
    QVERIFY(scan.start(&junk, &browser, nullptr));
}

QTEST_GUILESS_MAIN(TestFullScan)
#include "tst_fullscan.moc"
