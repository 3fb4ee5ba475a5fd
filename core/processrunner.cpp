#include "processrunner.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace {

// How often a running program's cancel check is asked.
constexpr int kCancelPollMs = 50;
// How long a program asked to quit has before it is killed.
constexpr int kQuitGraceMs = 1000;
// How long the start itself may take at most. Starting ends by itself (the program runs or
// could not be run), but on a busy machine it can take longer than a short time limit for the
// run, which must not make a program that did start look missing.
constexpr int kStartWaitMs = 60000;

// Waits for process until it ends, the deadline passes or cancelled says so. True when it ended.
bool waitForEnd(
    QProcess &process, QDeadlineTimer deadline, const ProcessRunner::CancelCheck &cancelled, bool *wasCancelled)
{
    for (;;) {
        // remainingTime() is -1 for a deadline that never comes, and so is waitForFinished's "for ever".
        int slice = int(deadline.remainingTime());
        if (cancelled && (slice < 0 || slice > kCancelPollMs))
            slice = kCancelPollMs;
        if (process.waitForFinished(slice) || process.state() == QProcess::NotRunning)
            return true;
        if (cancelled && cancelled()) {
            *wasCancelled = true;
            return false;
        }
        if (deadline.hasExpired())
            return false;
    }
}

ProcessRunner::Result runProcess(const QString &program, const QStringList &arguments, int timeoutMs,
    const QByteArray &input, const ProcessRunner::CancelCheck &cancelled)
{
    ProcessRunner::Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    result.started = process.waitForStarted(qMax(timeoutMs, kStartWaitMs));
    if (!result.started)
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!waitForEnd(process, QDeadlineTimer(timeoutMs), cancelled, &result.cancelled)) {
        if (result.cancelled) {
            process.terminate();
            if (process.waitForFinished(kQuitGraceMs))
                return result;
        }
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.errorOutput = process.readAllStandardError();
    return result;
}

} // namespace

bool ProcessRunner::Result::succeeded() const
{
    return started && finished && exitCode == 0;
}

ProcessRunner::Result ProcessRunner::run(
    const QString &program, const QStringList &arguments, int timeoutMs, const QByteArray &input)
{
    return runProcess(program, arguments, timeoutMs, input, {});
}

ProcessRunner::Result ProcessRunner::runCancellable(
    const QString &program, const QStringList &arguments, int timeoutMs, const CancelCheck &cancelled)
{
    return runProcess(program, arguments, timeoutMs, QByteArray(), cancelled);
}

bool ProcessRunner::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
