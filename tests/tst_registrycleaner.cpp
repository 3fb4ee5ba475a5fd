#include "cleaners/registrycleaner.h"
#include "testhome.h"

#include <QtTest>

class TestRegistryCleaner : public QObject
{
    Q_OBJECT

private slots:
    void scanEndsAtOnceWithNothingFound();
    void cleanRemovesNothing();
};

void TestRegistryCleaner::scanEndsAtOnceWithNothingFound()
{
    TestHome home;
    RegistryCleaner engine;
    QSignalSpy finished(&engine, &CleanEngine::scanFinished);
    QSignalSpy errors(&engine, &CleanEngine::errorOccurred);
    engine.startScan();
    QVERIFY(finished.wait());
    QCOMPARE(engine.state(), CleanEngine::Finished);
    QCOMPARE(finished.at(0).at(0).value<ScanResult>().totalItemCount(), 0);
    QCOMPARE(engine.result().categories.size(), 0);
    QCOMPARE(errors.count(), 0);
}

void TestRegistryCleaner::cleanRemovesNothing()
{
    TestHome home;
    RegistryCleaner engine;
    QSignalSpy finished(&engine, &CleanEngine::cleanFinished);
    engine.startClean();
    // cleanFinished comes from the worker thread, possibly before a wait could start.
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toLongLong(), 0);
    QCOMPARE(finished.at(0).at(1).toInt(), 0);
    QTRY_COMPARE(engine.state(), CleanEngine::Finished);
}

QTEST_GUILESS_MAIN(TestRegistryCleaner)
#include "tst_registrycleaner.moc"
