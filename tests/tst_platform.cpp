#include "core/processrunner.h"
#include "core/systemutils.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void runsFakeToolFromPath();
    void reportsExitCodeAndInput();
    void missingToolDoesNotStart();
    void slowToolIsStoppedAtTheLimit();
    void diskUsageOfEmptyVolumeIsZero();
    void homeVolumeIsListed();
};

void TestPlatform::runsFakeToolFromPath()
{
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\necho \"$@\" >> \"$SWEEPNOOK_FAKE_LOG\"\necho 4242\n");
    const ProcessRunner::Result result = ProcessRunner::run(QStringLiteral("pgrep"), {QStringLiteral("-x"), QStringLiteral("Safari")}, 5000);
    QVERIFY(result.succeeded());
    QCOMPARE(result.output, QByteArray("4242\n"));
    QCOMPARE(tools.callLog(), QStringLiteral("-x Safari\n"));
}

void TestPlatform::reportsExitCodeAndInput()
{
    FakeTools tools;
    tools.addTool(QStringLiteral("pbcopy"), "#!/bin/sh\ncat\nexit 3\n");
    const ProcessRunner::Result result = ProcessRunner::run(QStringLiteral("pbcopy"), {}, 5000, "clip");
    QVERIFY(result.started && result.finished);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(!result.succeeded());
    QCOMPARE(result.output, QByteArray("clip"));
}

void TestPlatform::missingToolDoesNotStart()
{
    const ProcessRunner::Result result = ProcessRunner::run(QStringLiteral("sweepnook-no-such-tool"), {}, 2000);
    QVERIFY(!result.started);
    QVERIFY(!result.finished);
}

void TestPlatform::slowToolIsStoppedAtTheLimit()
{
    FakeTools tools;
    tools.addTool(QStringLiteral("qlmanage"), "#!/bin/sh\nexec sleep 30\n");
    QElapsedTimer timer;
    timer.start();
    const ProcessRunner::Result result = ProcessRunner::run(QStringLiteral("qlmanage"), {}, 300);
    QVERIFY(result.started);
    QVERIFY(!result.finished);
    QVERIFY(timer.elapsed() < 10000);
}

void TestPlatform::diskUsageOfEmptyVolumeIsZero()
{
    const SystemUtils::DiskInfo empty = SystemUtils::diskInfoFromFigures(QStringLiteral("/x"), QStringLiteral("x"), 0, 0);
    QCOMPARE(empty.usagePercent, 0.0);
    const SystemUtils::DiskInfo half = SystemUtils::diskInfoFromFigures(QStringLiteral("/y"), QStringLiteral("y"), 200, 50);
    QCOMPARE(half.usedBytes, qint64(150));
    QCOMPARE(half.usagePercent, 75.0);
}

void TestPlatform::homeVolumeIsListed()
{
    TestHome home;
    const SystemUtils::DiskInfo disk = SystemUtils::getDiskInfo(home.path());
    QVERIFY(disk.totalBytes > 0);
    QVERIFY(home.path().startsWith(disk.rootPath));
    bool listed = false;
    for (const SystemUtils::DiskInfo &volume : SystemUtils::getDiskInfo())
        listed = listed || volume.rootPath == disk.rootPath;
    QVERIFY(listed);
    QCOMPARE(SystemUtils::getTempDirectory(), home.tempPath());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
