#include "relauncher.h"

#include "core/processrunner.h"
#include "core/logger.h"
#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>

QString Relauncher::bundlePath(const QString &executablePath)
{
    const QString folder = QFileInfo(executablePath).absolutePath();
    if (!folder.endsWith(QLatin1String(".app/Contents/MacOS")))
        return QString();
    return QDir::cleanPath(folder + QStringLiteral("/../.."));
}

bool Relauncher::startNewInstance(const QString &executablePath)
{
    SingleInstance::releaseForRestart();
    if (startCopy(executablePath))
        return true;
    SingleInstance::reclaimAfterFailedRestart();
    return false;
}

bool Relauncher::startCopy(const QString &executablePath)
{
    const QString bundle = bundlePath(executablePath);
    // `open` returns once Launch Services has started the bundle, and fails when it could not.
    if (!bundle.isEmpty()) {
        constexpr int openTimeoutMs = 15000;
        if (ProcessRunner::run(QStringLiteral("open"), { QStringLiteral("-n"), bundle }, openTimeoutMs).succeeded())
            return true;
        Logger::instance()->warning(QStringLiteral("open -n could not start ") + bundle);
    }
    if (ProcessRunner::startDetached(executablePath, {}))
        return true;
    Logger::instance()->warning(QStringLiteral("Could not start a new instance of ") + executablePath);
    return false;
}
