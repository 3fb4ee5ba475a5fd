#include "core/cleanengine.h"

#include <QtTest>

#include <QSemaphore>

namespace {

// An engine whose scan adds one category and then waits until the test releases it or the
// run is cancelled; its clean "removes" the selected items one by one until cancelled, or, when
// holdClean is set, stands in one long deletion until cancelled.
class GatedEngine final : public CleanEngine
{
public:
    QSemaphore release;
    QSemaphore entered;
    std::atomic<int> scansRun{0};
    std::atomic<int> itemsToCleanBeforeCancel{-1};
    std::atomic<bool> holdClean{false};
    QSemaphore cleanEntered;

protected:
    void doScan() override
    {
        const int run = ++scansRun;
        CleanCategory category(QStringLiteral("run%1").arg(run), QStringLiteral("Run"), QString());
        category.items = {CleanItem(QStringLiteral("/a"), 10)};
        m_result.categories.append(category);
        entered.release();
        while (!isCancelled() && !release.tryAcquire(1, 10)) { }
    }

    CleanOutcome doClean() override
    {
        if (holdClean) {
            cleanEntered.release();
            while (!isCancelled())
                QThread::msleep(1);
            return {10, 1, QString()};
        }
        qint64 cleaned = 0;
        int count = 0;
        const int total = m_result.selectedItemCount();
        for (const CleanCategory &category : std::as_const(m_result.categories)) {
            for (const CleanItem &item : category.items) {
                if (count == itemsToCleanBeforeCancel)
                    cancel();
                if (isCancelled())
                    return {cleaned, count, QString()};
                cleaned += item.size;
                ++count;
                reportCleanProgress(count, total, cleaned);
            }
        }
        return {cleaned, count, QString()};
    }
};

// An engine over fixed paths whose clean records the items it found ticked.
class RecordingEngine final : public CleanEngine
{
public:
    QStringList cleanedPaths;

    ~RecordingEngine() override
    {
        stopWorker();
    }

protected:
    void doScan() override
    {
        CleanCategory category(QStringLiteral("files"), QStringLiteral("Files"), QString());
        for (const char *path : { "/a", "/b", "/c" })
            category.items.append(CleanItem(QString::fromLatin1(path), 10));
        m_result.categories.append(category);
    }

    CleanOutcome doClean() override
    {
        for (const CleanItem &item : std::as_const(m_result.categories[0].items)) {
            if (item.checked)
                cleanedPaths.append(item.path);
        }
        return { 10 * cleanedPaths.size(), int(cleanedPaths.size()), QString() };
    }
};

} // namespace

class TestCleanEngine : public QObject
{
    Q_OBJECT

private slots:
    void cancelWhileIdle();
    void scanFinishesOnGuiThread();
    void restartDuringScanDropsOldResult();
    void scanCancelledMeanwhileDeliversNothing();
    void cleanOfEmptyResultFinishesWithZero();
    void cancelledCleanReportsPartialTotals();
    void lateFinishOfACancelledCleanIsNeverSeen();
    void cleanLeavingPathsSkipsThemAndKeepsTheirBoxes();
};

void TestCleanEngine::cancelWhileIdle()
{
    GatedEngine engine;
    QSignalSpy states(&engine, &CleanEngine::stateChanged);
    engine.cancel();
    engine.cancel();
    QCOMPARE(engine.state(), CleanEngine::Cancelled);
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).value<CleanEngine::State>(), CleanEngine::Cancelled);
}

void TestCleanEngine::scanFinishesOnGuiThread()
{
    GatedEngine engine;
    QSignalSpy finished(&engine, &CleanEngine::scanFinished);
    QThread *receivedOn = nullptr;
    connect(&engine, &CleanEngine::scanFinished, this, [&] { receivedOn = QThread::currentThread(); },
            Qt::DirectConnection);
    engine.startScan();
    QCOMPARE(engine.state(), CleanEngine::Scanning);
    engine.release.release();
    QVERIFY(finished.wait());
    QCOMPARE(receivedOn, QThread::currentThread());
    QCOMPARE(engine.state(), CleanEngine::Finished);
    QCOMPARE(engine.result().categories.size(), 1);
}

void TestCleanEngine::restartDuringScanDropsOldResult()
{
    GatedEngine engine;
    QSignalSpy finished(&engine, &CleanEngine::scanFinished);
    engine.startScan();
    QVERIFY(engine.entered.tryAcquire(1, 5000));
    engine.startScan();
    QVERIFY(engine.entered.tryAcquire(1, 5000));
    QCOMPARE(engine.result().categories.size(), 1);
    engine.release.release();
    QVERIFY(finished.wait());
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(engine.result().categories.size(), 1);
    QCOMPARE(engine.result().categories[0].id, QStringLiteral("run2"));
}

void TestCleanEngine::scanCancelledMeanwhileDeliversNothing()
{
    GatedEngine engine;
    QSignalSpy finished(&engine, &CleanEngine::scanFinished);
    QSignalSpy states(&engine, &CleanEngine::stateChanged);
    engine.startScan();
    QVERIFY(engine.entered.tryAcquire(1, 5000));
    engine.cancel();
    QCOMPARE(states.count(), 2);
    QCOMPARE(engine.state(), CleanEngine::Cancelled);
    // A later start joins the cancelled worker; whatever it could have posted is delivered now.
    QSignalSpy cleaned(&engine, &CleanEngine::cleanFinished);
    engine.startClean();
    QTRY_COMPARE(cleaned.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 0);
}

void TestCleanEngine::cleanOfEmptyResultFinishesWithZero()
{
    GatedEngine engine;
    QSignalSpy finished(&engine, &CleanEngine::cleanFinished);
    engine.startClean();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toLongLong(), 0);
    QCOMPARE(finished.at(0).at(1).toInt(), 0);
    QTRY_COMPARE(engine.state(), CleanEngine::Finished);
}

void TestCleanEngine::cancelledCleanReportsPartialTotals()
{
    GatedEngine engine;
    QSignalSpy scanned(&engine, &CleanEngine::scanFinished);
    engine.startScan();
    engine.release.release();
    QVERIFY(scanned.wait());
    CleanCategory &category = engine.result().categories[0];
    category.items = {CleanItem(QStringLiteral("/a"), 10),
                      CleanItem(QStringLiteral("/b"), 20),
                      CleanItem(QStringLiteral("/c"), 40)};
    engine.itemsToCleanBeforeCancel = 2;

    QSignalSpy finished(&engine, &CleanEngine::cleanFinished);
    engine.startClean();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toLongLong(), 30);
    QCOMPARE(finished.at(0).at(1).toInt(), 2);
    QTRY_COMPARE(engine.state(), CleanEngine::Cancelled);
}

// Cancel a clean while a long deletion runs, then start a scan at once: the clean's end must not
// reach anyone listening to the new scan.
void TestCleanEngine::lateFinishOfACancelledCleanIsNeverSeen()
{
    GatedEngine engine;
    engine.holdClean = true;
    QSignalSpy cleaned(&engine, &CleanEngine::cleanFinished);
    QSignalSpy scanned(&engine, &CleanEngine::scanFinished);
    engine.startClean();
    QVERIFY(engine.cleanEntered.tryAcquire(1, 5000));
    engine.cancel();
    engine.startScan();
    QCOMPARE(engine.state(), CleanEngine::Scanning);

    // The scan only begins once the cancelled clean has returned.
    QVERIFY(engine.entered.tryAcquire(1, 5000));
    QCoreApplication::processEvents();
    QCOMPARE(cleaned.count(), 0);
    QCOMPARE(engine.state(), CleanEngine::Scanning);
    engine.release.release();
    QVERIFY(scanned.wait());
    QCOMPARE(cleaned.count(), 0);
    QCOMPARE(engine.state(), CleanEngine::Finished);
}

void TestCleanEngine::cleanLeavingPathsSkipsThemAndKeepsTheirBoxes()
{
    RecordingEngine engine;
    QSignalSpy scanned(&engine, &CleanEngine::scanFinished);
    engine.startScan();
    QVERIFY(scanned.wait());
    engine.result().categories[0].items[2].checked = false;

    QSignalSpy cleaned(&engine, &CleanEngine::cleanFinished);
    QList<bool> boxesWhenFinished;
    connect(&engine, &CleanEngine::cleanFinished, this, [&] {
        for (const CleanItem &item : std::as_const(engine.result().categories[0].items))
            boxesWhenFinished.append(item.checked);
    });
    engine.startCleanLeaving({ QStringLiteral("/b"), QStringLiteral("/c") });
    QVERIFY(cleaned.wait());
    QCOMPARE(engine.cleanedPaths, QStringList { QStringLiteral("/a") });
    QCOMPARE(cleaned.at(0).at(0).toLongLong(), qint64(10));
    // The held-back box is ticked again before anyone hears of the end; the user's own stays off.
    QCOMPARE(boxesWhenFinished, (QList<bool> { true, true, false }));
}

QTEST_GUILESS_MAIN(TestCleanEngine)
#include "tst_cleanengine.moc"
