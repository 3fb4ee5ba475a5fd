#include "platform.h"

#include "fileutils.h"
#include "logger.h"

#include <QDir>
#include <QMutex>
#include <QSet>

#include <atomic>

namespace {

#ifdef Q_OS_MACOS
constexpr Platform::System BuiltFor = Platform::System::Mac;
#else
constexpr Platform::System BuiltFor = Platform::System::Linux;
#endif

std::atomic<Platform::System> &running()
{
    static std::atomic<Platform::System> system { BuiltFor };
    return system;
}

QString inHome(const char *relativePath)
{
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(relativePath);
}

// Each refused value is logged once, not at every rule path that asks.
void logRefusedOnce(const char *variable, const QString &value, const QString &fallback)
{
    static QMutex mutex;
    static QSet<QString> logged;
    const QString key = QLatin1String(variable) + QLatin1Char('=') + value;
    {
        QMutexLocker locker(&mutex);
        if (logged.contains(key))
            return;
        logged.insert(key);
    }
    Logger::instance()->warning(QStringLiteral("Ignoring %1=%2: not a folder inside the home folder; using %3")
                                    .arg(QLatin1String(variable), value, fallback));
}

// An XDG base directory: the variable's folder where it is absolute and strictly inside the
// home, the default otherwise.
QString xdgFolder(const char *variable, const char *defaultInHome)
{
    const QString fallback = inHome(defaultInHome);
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty())
        return fallback;
    const QString home = QDir::homePath();
    const bool inside = QDir::isAbsolutePath(value) && FileUtils::isInside(value, home)
        && FileUtils::resolvedPath(value) != FileUtils::resolvedPath(home);
    if (inside)
        return QDir::cleanPath(value);
    logRefusedOnce(variable, value, fallback);
    return fallback;
}

bool onMac()
{
    return Platform::current() == Platform::System::Mac;
}

} // namespace

Platform::System Platform::current()
{
    return running().load();
}

void Platform::setCurrentForTesting(System system)
{
    running().store(system);
}

QString Platform::identifier()
{
    return onMac() ? QStringLiteral("macos") : QStringLiteral("linux");
}

QString Platform::cachesFolder()
{
    return onMac() ? inHome("Library/Caches") : xdgFolder("XDG_CACHE_HOME", ".cache");
}

QString Platform::logsFolder()
{
    return onMac() ? inHome("Library/Logs") : xdgFolder("XDG_STATE_HOME", ".local/state");
}

QString Platform::applicationDataFolder()
{
    return onMac() ? inHome("Library/Application Support") : xdgFolder("XDG_DATA_HOME", ".local/share");
}

QString Platform::configFolder()
{
    return onMac() ? inHome("Library/Preferences") : xdgFolder("XDG_CONFIG_HOME", ".config");
}

QString Platform::temporaryFolder()
{
    const QString folder = QDir::tempPath();
    if (!FileUtils::isInside(QDir::homePath(), folder))
        return folder;
    static std::atomic<bool> logged { false };
    if (!logged.exchange(true)) {
        Logger::instance()->warning(QStringLiteral(
            "Ignoring the temporary folder %1: it holds the home folder, so nothing in it is offered as junk")
                                        .arg(folder));
    }
    return QString();
}

QString Platform::sharedDataFolder()
{
    return onMac() ? QStringLiteral("/Library") : QString();
}

QStringList Platform::applicationFolders()
{
    return { QStringLiteral("/Applications"), QDir::home().filePath(QStringLiteral("Applications")) };
}

QStringList Platform::systemApplicationFolders()
{
#ifdef Q_OS_MACOS
    return { QStringLiteral("/System/Applications"), QStringLiteral("/System/Applications/Utilities"),
        QStringLiteral("/System/Library/CoreServices/Applications"), QStringLiteral("/System/Library/CoreServices") };
#else
    return {};
#endif
}
