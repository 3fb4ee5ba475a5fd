#include "processrunner.h"

#include <QProcess>

bool ProcessRunner::Result::succeeded() const
{
    return started && finished && exitCode == 0;
}

ProcessRunner::Result ProcessRunner::run(const QString &program, const QStringList &arguments, int timeoutMs,
                                         const QByteArray &input)
{
    Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    result.started = process.waitForStarted(timeoutMs);
    if (!result.started)
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
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

bool ProcessRunner::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
