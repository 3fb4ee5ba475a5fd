#include "core/longjob.h"

#include <QDeadlineTimer>
#include <QtTest>

#include <atomic>
#include <thread>

class TestLongJob : public QObject
{
    Q_OBJECT

private slots:
    void finishComesOnceOnTheOwnersThread();
    void cancelReturnsAtOnceAndFinishSaysCancelled();
    void aSupersededRunDeliversNothing();
    void progressIsThrottledButForcedReportsGo();
};

void TestLongJob::finishComesOnceOnTheOwnersThread()
{
    LongJob job;
    int finishes = 0;
    bool onOwnerThread = false;
    job.start([](LongJob::Run &) {},
              [&](bool cancelled) {
                  QVERIFY(!cancelled);
                  onOwnerThread = QThread::currentThread() == thread();
                  ++finishes;
              });
    QTRY_COMPARE(finishes, 1);
    QVERIFY(onOwnerThread);
    QVERIFY(!job.isBusy());
}

void TestLongJob::cancelReturnsAtOnceAndFinishSaysCancelled()
{
    LongJob job;
    std::atomic<bool> release{false};
    int cancelledFinishes = 0;
    // The job holds until it is released, which happens only after cancel() has returned: a
    // cancel() that waited for the job would wait until the job's own safety limit gave up.
    std::atomic<bool> gaveUp{false};
    job.start(
        [&](LongJob::Run &run) {
            QDeadlineTimer safetyLimit(60000);
            while (!release && !safetyLimit.hasExpired())
                std::this_thread::yield();
            gaveUp = !release;
            QVERIFY(run.isCancelled());
        },
        [&](bool cancelled) { cancelledFinishes += cancelled ? 1 : 0; });

    job.cancel();
    QVERIFY(!gaveUp);
    QVERIFY(job.isBusy());
    release = true;
    QTRY_COMPARE_WITH_TIMEOUT(cancelledFinishes, 1, 30000);
    QVERIFY(!gaveUp);
}

void TestLongJob::aSupersededRunDeliversNothing()
{
    LongJob job;
    std::atomic<bool> release{false};
    QStringList seen;
    job.start(
        [&](LongJob::Run &run) {
            run.post([&] { seen << QStringLiteral("first progress"); });
            while (!release)
                std::this_thread::yield();
        },
        [&](bool) { seen << QStringLiteral("first finish"); });
    job.start([](LongJob::Run &) {}, [&](bool) { seen << QStringLiteral("second finish"); });
    release = true;
    QTRY_COMPARE(seen, QStringList{QStringLiteral("second finish")});
    QTRY_VERIFY(!job.isBusy());
    QCOMPARE(seen, QStringList{QStringLiteral("second finish")});
}

void TestLongJob::progressIsThrottledButForcedReportsGo()
{
    LongJob job;
    int delivered = 0;
    bool done = false;
    job.start(
        [&](LongJob::Run &run) {
            for (int i = 0; i < 100000; ++i)
                run.report([&] { ++delivered; });
            run.report([&] { ++delivered; }, true);
        },
        [&](bool) { done = true; });
    QTRY_VERIFY(done);
    // The first report and the forced last one always go; a tight loop adds few in between.
    QVERIFY(delivered >= 2);
    QVERIFY(delivered < 50);
}

QTEST_GUILESS_MAIN(TestLongJob)
#include "tst_longjob.moc"
