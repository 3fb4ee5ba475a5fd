#include "core/platform.h"
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
    void userFoldersOfEachSystem_data();
    void userFoldersOfEachSystem();
};

namespace {

QString userFolder(const QString &kind)
{
    if (kind == QLatin1String("caches"))
        return Platform::cachesFolder();
    if (kind == QLatin1String("logs"))
        return Platform::logsFolder();
    if (kind == QLatin1String("data"))
        return Platform::applicationDataFolder();
    return Platform::configFolder();
}

} // namespace

void TestPlatform::runsFakeToolFromPath()
{
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\necho \"$@\" >> \"$SWEEPNOOK_FAKE_LOG\"\necho 4242\n");
    const ProcessRunner::Result result
        = ProcessRunner::run(QStringLiteral("pgrep"), { QStringLiteral("-x"), QStringLiteral("Safari") }, 5000);
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
    const SystemUtils::DiskInfo empty
        = SystemUtils::diskInfoFromFigures(QStringLiteral("/x"), QStringLiteral("x"), 0, 0);
    QCOMPARE(empty.usagePercent, 0.0);
    const SystemUtils::DiskInfo half
        = SystemUtils::diskInfoFromFigures(QStringLiteral("/y"), QStringLiteral("y"), 200, 50);
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

// {home} is the user's home folder, {outside} a folder beside it; an empty value leaves the
// variable unset. A variable is refused (with a log line) unless it names a folder strictly
// inside the home once links are resolved.
void TestPlatform::userFoldersOfEachSystem_data()
{
    QTest::addColumn<Platform::System>("system");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");

    const auto mac = Platform::System::Mac;
    const auto gnuLinux = Platform::System::Linux;
    QTest::newRow("mac caches") << mac << "caches" << QByteArray("XDG_CACHE_HOME") << "{home}/cache"
                                << "{home}/Library/Caches" << false;
    QTest::newRow("mac logs") << mac << "logs" << QByteArray("XDG_STATE_HOME") << "{home}/state"
                              << "{home}/Library/Logs" << false;
    QTest::newRow("mac data") << mac << "data" << QByteArray("XDG_DATA_HOME") << "{home}/data"
                              << "{home}/Library/Application Support" << false;
    QTest::newRow("mac config") << mac << "config" << QByteArray("XDG_CONFIG_HOME") << "{home}/config"
                                << "{home}/Library/Preferences" << false;
    QTest::newRow("linux caches default") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << ""
                                          << "{home}/.cache" << false;
    QTest::newRow("linux logs default") << gnuLinux << "logs" << QByteArray("XDG_STATE_HOME") << ""
                                        << "{home}/.local/state" << false;
    QTest::newRow("linux data default") << gnuLinux << "data" << QByteArray("XDG_DATA_HOME") << ""
                                        << "{home}/.local/share" << false;
    QTest::newRow("linux config default") << gnuLinux << "config" << QByteArray("XDG_CONFIG_HOME") << ""
                                          << "{home}/.config" << false;
    QTest::newRow("linux caches moved") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "{home}/var/cache/"
                                        << "{home}/var/cache" << false;
    QTest::newRow("linux logs moved") << gnuLinux << "logs" << QByteArray("XDG_STATE_HOME") << "{home}/state"
                                      << "{home}/state" << false;
    QTest::newRow("linux data moved") << gnuLinux << "data" << QByteArray("XDG_DATA_HOME") << "{home}/data"
                                      << "{home}/data" << false;
    QTest::newRow("linux config moved") << gnuLinux << "config" << QByteArray("XDG_CONFIG_HOME") << "{home}/config"
                                        << "{home}/config" << false;
    QTest::newRow("caches outside the home") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "{outside}"
                                             << "{home}/.cache" << true;
    QTest::newRow("caches climbing out") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "{home}/../outside"
                                         << "{home}/.cache" << true;
    QTest::newRow("caches through a link out")
        << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "{home}/link-out/cache"
        << "{home}/.cache" << true;
    QTest::newRow("caches are the home") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "{home}/"
                                         << "{home}/.cache" << true;
    QTest::newRow("caches relative") << gnuLinux << "caches" << QByteArray("XDG_CACHE_HOME") << "cache"
                                     << "{home}/.cache" << true;
    QTest::newRow("logs in the root") << gnuLinux << "logs" << QByteArray("XDG_STATE_HOME") << "/"
                                      << "{home}/.local/state" << true;
    QTest::newRow("config outside the home")
        << gnuLinux << "config" << QByteArray("XDG_CONFIG_HOME") << "{outside}/config"
        << "{home}/.config" << true;
}

void TestPlatform::userFoldersOfEachSystem()
{
    QFETCH(Platform::System, system);
    QFETCH(QString, kind);
    QFETCH(QByteArray, variable);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QFETCH(bool, refused);

    TestHome test;
    const QString home = test.makeDir(QStringLiteral("user"));
    const QString outside = test.makeDir(QStringLiteral("outside"));
    test.makeLink(QStringLiteral("user/link-out"), outside);
    qputenv("HOME", QFile::encodeName(home));
    const auto placed = [&](QString text) {
        return text.replace(QLatin1String("{home}"), home).replace(QLatin1String("{outside}"), outside);
    };
    if (value.isEmpty())
        qunsetenv(variable.constData());
    else
        qputenv(variable.constData(), QFile::encodeName(placed(value)));
    Platform::setCurrentForTesting(system);
    if (refused)
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(QStringLiteral("Ignoring %1=").arg(QLatin1String(variable))));
    QCOMPARE(userFolder(kind), placed(expected));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
