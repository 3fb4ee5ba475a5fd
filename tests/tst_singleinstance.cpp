#include "app/singleinstance.h"
#include "testhome.h"

#include <QLocalServer>
#include <QProcess>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void aSecondCopyAsksTheFirstToShowAndStepsBack();
    void aNameLeftByACrashedCopyIsTakenOver();
    void aRestartHandsTheNameOver();
    void aSecondStartOfTheProgramExitsAndTheFirstRuns();
};

namespace {

// A socket file with nobody listening, as a copy that crashed leaves it.
void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    QVERIFY(size_t(encoded.size()) < sizeof(address.sun_path));
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(path));
}

} // namespace

void TestSingleInstance::aSecondCopyAsksTheFirstToShowAndStepsBack()
{
    TestHome home;
    const QString name = home.tempPath() + QStringLiteral("/instance");
    SingleInstance first(name);
    QVERIFY(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    SingleInstance second(name);
    QVERIFY(!second.claim());
    QVERIFY(activations.wait(30000));
}

void TestSingleInstance::aNameLeftByACrashedCopyIsTakenOver()
{
    TestHome home;
    const QString name = home.tempPath() + QStringLiteral("/instance");
    leaveStaleSocket(name);

    SingleInstance copy(name);
    QVERIFY(copy.claim());
    SingleInstance later(name);
    QVERIFY(!later.claim());
}

void TestSingleInstance::aRestartHandsTheNameOver()
{
    TestHome home;
    const QString name = home.tempPath() + QStringLiteral("/instance");
    SingleInstance running(name);
    QVERIFY(running.claim());

    SingleInstance::releaseForRestart();
    {
        // The name is free for the copy the restart starts.
        QLocalServer restarted;
        QVERIFY(restarted.listen(name));
    }
    // That copy could not be started: the running one answers once more.
    SingleInstance::reclaimAfterFailedRestart();
    SingleInstance later(name);
    QVERIFY(!later.claim());
}

void TestSingleInstance::aSecondStartOfTheProgramExitsAndTheFirstRuns()
{
    TestHome home;
    QProcess first;
    first.start(QStringLiteral(SWEEPNOOK_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    const QString socketPath = home.tempPath() + QLatin1Char('/') + SingleInstance::defaultName();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketPath), 120000);

    QProcess second;
    second.start(QStringLiteral(SWEEPNOOK_PROGRAM), {});
    QVERIFY(second.waitForFinished(120000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished();
    }
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
