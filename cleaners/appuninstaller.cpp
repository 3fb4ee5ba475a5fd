#include "appuninstaller.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/processrunner.h"
#include "leftoverfinder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr int kPlistWaitMs = 2000;
// The Finder may first ask the user for consent to be controlled, or for a password for a
// bundle owned by another user: give the user time to answer.
constexpr int kFinderWaitMs = 60000;
constexpr int kToolWaitMs = 5000;

// osascript's arguments: the script, one line per "-e", then the path as the script's
// argument, so no file name can change the script's text.
QStringList finderArguments(const QString &path)
{
    return { QStringLiteral("-e"), QStringLiteral("on run argv"), QStringLiteral("-e"),
        QStringLiteral("set target to (POSIX file (item 1 of argv)) as alias"), QStringLiteral("-e"),
        QStringLiteral("tell application \"Finder\" to delete target"), QStringLiteral("-e"), QStringLiteral("end run"),
        path };
}

bool lstatPath(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

bool exists(const QString &path)
{
    struct stat info;
    return lstatPath(path, &info) || errno != ENOENT;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the Finder did not move path, in words for the user.
QString finderFailure(const ProcessRunner::Result &run)
{
    if (!run.started)
        return AppUninstaller::tr("the Finder could not be asked (osascript did not start)");
    if (!run.finished)
        return AppUninstaller::tr("the Finder did not answer within %1 seconds; it may be waiting for your "
                                  "permission or password")
            .arg(QLocale().toString(kFinderWaitMs / 1000));
    const QString said = QString::fromUtf8(run.errorOutput).trimmed();
    if (said.contains(QLatin1String("-1743")))
        return AppUninstaller::tr("Sweepnook is not allowed to control the Finder (System Settings > Privacy & "
                                  "Security > Automation)");
    if (said.isEmpty())
        return AppUninstaller::tr("the Finder refused (exit code %1)").arg(run.exitCode);
    return AppUninstaller::tr("the Finder refused: %1").arg(said);
}

// A free name in the Trash folder: the file's own, else "name <seconds>.ext", counting up
// after that when two items arrive within one second.
QString freeTrashTarget(const QDir &trash, const QString &fileName)
{
    QString target = trash.filePath(fileName);
    if (!exists(target))
        return target;
    const QFileInfo entry(fileName);
    const QString suffix = entry.suffix().isEmpty() ? QString() : QLatin1Char('.') + entry.suffix();
    const QString base = suffix.isEmpty() ? fileName : fileName.chopped(suffix.size());
    const QString stamp = QString::number(QDateTime::currentSecsSinceEpoch());
    target = trash.filePath(base + QLatin1Char(' ') + stamp + suffix);
    for (int extra = 2; exists(target); ++extra)
        target = trash.filePath(base + QLatin1Char(' ') + stamp + QLatin1Char(' ') + QString::number(extra) + suffix);
    return target;
}

// Renames path into the user's Trash folder. rename() moves a link itself and never crosses
// into another volume; nothing is ever copied and then deleted.
TrashResult renameIntoTrash(const QString &path)
{
    const QDir trash(QDir::homePath() + QStringLiteral("/.Trash"));
    if (!trash.exists())
        ::mkdir(QFile::encodeName(trash.path()).constData(), 0700);
    const QString target = freeTrashTarget(trash, QFileInfo(path).fileName());
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) == 0)
        return { true, QString() };
    const int error = errno;
    if (error == ENOENT && !exists(path))
        return { true, QString() };
    if (error == EXDEV)
        return { false, AppUninstaller::tr("it is on another volume than your Trash") };
    return { false, systemError(error) };
}

bool isReadOnlyVolume(const QString &path)
{
    struct statvfs volume;
    return ::statvfs(QFile::encodeName(path).constData(), &volume) == 0 && (volume.f_flag & ST_RDONLY);
}

bool isSystemProtected(const QString &bundlePath, const QString &bundleId)
{
    return bundleId.startsWith(QLatin1String("com.apple."), Qt::CaseInsensitive) && isReadOnlyVolume(bundlePath);
}

// Nothing can take the entry at path away: the folder holding it, or the bundle itself (unless
// it is a link, which goes on its own), is on a read-only volume.
bool cannotLeave(const QString &path)
{
    struct stat entry;
    const bool isLink = lstatPath(path, &entry) && S_ISLNK(entry.st_mode);
    return isReadOnlyVolume(QFileInfo(path).path()) || (!isLink && isReadOnlyVolume(path));
}

// Unloads a LaunchAgent before its file goes, so it does not fail at every login. An agent
// that was not loaded makes launchctl fail, which changes nothing.
void unloadLaunchAgent(const QString &path)
{
    const QString domain = QStringLiteral("gui/%1").arg(::getuid());
    const ProcessRunner::Result run
        = ProcessRunner::run(QStringLiteral("launchctl"), { QStringLiteral("bootout"), domain, path }, kToolWaitMs);
    Logger::instance()->info(
        QStringLiteral("[AppUninstaller] launchctl bootout %1: %2")
            .arg(path, run.succeeded() ? QStringLiteral("unloaded") : QStringLiteral("not loaded")));
}

bool isLeftoverLocation(const QString &path)
{
    const QFileInfo entry(path);
    const QString name = entry.fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || QDir::cleanPath(path) != path)
        return false;
    const QDir home = QDir::home();
    for (const QString &folder : LeftoverFinder::locationFolders()) {
        if (entry.path() == home.filePath(folder))
            return true;
    }
    return false;
}

} // namespace

AppUninstaller::AppUninstaller(QObject *parent)
    : QObject(parent)
    , m_folders { QStringLiteral("/Applications"), QDir::home().filePath(QStringLiteral("Applications")) }
{
    qRegisterMetaType<AppInfo>();
    qRegisterMetaType<UninstallOutcome>();
}

AppUninstaller::~AppUninstaller() = default;

void AppUninstaller::setApplicationFolders(const QStringList &folders)
{
    m_folders = folders;
}

QStringList AppUninstaller::applicationFolders() const
{
    return m_folders;
}

void AppUninstaller::startScan()
{
    m_found = 0;
    const QStringList folders = m_folders;
    m_job.start([this, folders](LongJob::Run &run) { scan(run, folders); },
        [this](bool) {
            Logger::instance()->info(QStringLiteral("[AppUninstaller] Found %1 apps").arg(m_found));
            emit scanFinished(m_found);
        });
}

void AppUninstaller::startUninstall(const QList<AppInfo> &apps)
{
    auto outcomes = std::make_shared<QList<UninstallOutcome>>();
    m_job.start(
        [this, apps, outcomes](LongJob::Run &run) {
            for (const AppInfo &app : apps) {
                if (run.isCancelled())
                    return;
                run.report([this, name = app.name] { emit progressChanged(name); }, true);
                outcomes->append(uninstallApp(app));
            }
        },
        [this, outcomes](bool) {
            QSet<QString> moved;
            for (const UninstallOutcome &outcome : std::as_const(*outcomes))
                moved.unite(QSet<QString>(outcome.moved.cbegin(), outcome.moved.cend()));
            if (!moved.isEmpty())
                emit pathsRemoved(moved);
            emit uninstallFinished(*outcomes);
        });
}

void AppUninstaller::cancel()
{
    m_job.cancel();
}

bool AppUninstaller::isBusy() const
{
    return m_job.isBusy();
}

void AppUninstaller::forgetRemoved(const QSet<QString> &paths)
{
    emit removedElsewhere(paths);
}

void AppUninstaller::scan(LongJob::Run &run, const QStringList &folders)
{
    QList<AppInfo> apps;
    bool first = true;
    for (int index = 0; index < folders.size(); ++index) {
        const QDir folder(folders.at(index));
        const QStringList bundles = folder.entryList(
            { QStringLiteral("*.app") }, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QString &bundle : bundles) {
            if (run.isCancelled())
                return;
            const QString path = folder.absoluteFilePath(bundle);
            AppInfo info = readBundle(path);
            run.report([this, name = info.name] { emit progressChanged(name); }, std::exchange(first, false));
            if (info.bundleId.isEmpty()) {
                Logger::instance()->info(QStringLiteral("[AppUninstaller] No bundle identifier: %1").arg(path));
                continue;
            }
            info.systemProtected = index == 0 && isSystemProtected(path, info.bundleId);
            apps.append(info);
        }
    }

    QList<LeftoverFinder::Installed> installed;
    for (const AppInfo &app : std::as_const(apps))
        installed.append({ app.path, app.bundleId, app.name });
    LeftoverFinder finder(QDir::homePath(), installed);
    for (AppInfo &app : apps) {
        if (run.isCancelled())
            return;
        run.report([this, name = app.name] { emit progressChanged(name); });
        app.leftovers = finder.find(app.path, app.bundleId, app.name);
        measure(app, run);
        run.post([this, app] {
            ++m_found;
            emit appFound(app);
        });
    }
}

void AppUninstaller::measure(AppInfo &info, LongJob::Run &run) const
{
    const auto stop = [&run] { return run.isCancelled(); };
    info.size = FileUtils::calculateDirSize(info.path, stop);
    info.leftoverSize = 0;
    for (LeftoverItem &leftover : info.leftovers) {
        struct stat entry;
        if (!lstatPath(leftover.path, &entry))
            continue;
        leftover.size = S_ISDIR(entry.st_mode) ? FileUtils::calculateDirSize(leftover.path, stop) : entry.st_size;
        info.leftoverSize += leftover.size;
    }
}

QString AppUninstaller::readPlistValue(const QString &bundlePath, const QString &key)
{
    const QString plist = bundlePath + QStringLiteral("/Contents/Info.plist");
    const ProcessRunner::Result run = ProcessRunner::run(QStringLiteral("plutil"),
        { QStringLiteral("-extract"), key, QStringLiteral("raw"), QStringLiteral("-o"), QStringLiteral("-"), plist },
        kPlistWaitMs);
    if (!run.succeeded())
        return QString();
    return QString::fromUtf8(run.output).trimmed();
}

AppInfo AppUninstaller::readBundle(const QString &bundlePath)
{
    AppInfo info;
    info.path = bundlePath;
    const QString fileName = QFileInfo(bundlePath).fileName();
    info.name = fileName.endsWith(QLatin1String(".app"), Qt::CaseInsensitive) ? fileName.chopped(4) : fileName;
    // plutil opens Info.plist; make sure it is a plain file first (a FIFO would hang it).
    struct stat plist;
    if (!lstatPath(bundlePath + QStringLiteral("/Contents/Info.plist"), &plist) || !S_ISREG(plist.st_mode))
        return info;
    info.bundleId = readPlistValue(bundlePath, QStringLiteral("CFBundleIdentifier"));
    if (info.bundleId.isEmpty())
        return info;
    info.version = readPlistValue(bundlePath, QStringLiteral("CFBundleShortVersionString"));
    if (info.version.isEmpty())
        info.version = readPlistValue(bundlePath, QStringLiteral("CFBundleVersion"));
    info.publisher = readPlistValue(bundlePath, QStringLiteral("NSHumanReadableCopyright"));
    return info;
}

bool AppUninstaller::isInApplicationFolder(const QString &bundlePath) const
{
    const QFileInfo bundle(bundlePath);
    if (QDir::cleanPath(bundlePath) != bundlePath || !bundle.fileName().endsWith(QLatin1String(".app")))
        return false;
    for (const QString &folder : m_folders) {
        if (bundle.path() == QDir(folder).absolutePath())
            return true;
    }
    return false;
}

UninstallOutcome AppUninstaller::uninstallApp(const AppInfo &info) const
{
    UninstallOutcome outcome;
    outcome.name = info.name;
    outcome.path = info.path;
    if (info.systemProtected) {
        outcome.result = UninstallOutcome::Result::Protected;
        outcome.reason = tr("It is part of macOS and cannot be removed.");
        return outcome;
    }
    if (!isInApplicationFolder(info.path)) {
        outcome.result = UninstallOutcome::Result::Failed;
        outcome.reason = tr("It is not in an Applications folder.");
        return outcome;
    }
    // Asking the Finder would only end in an error that blames the Trash.
    if (cannotLeave(info.path)) {
        outcome.result = UninstallOutcome::Result::Failed;
        outcome.reason = tr("It is on a read-only volume and cannot be removed.");
        Logger::instance()->warning(QStringLiteral("[AppUninstaller] %1 is on a read-only volume").arg(info.path));
        return outcome;
    }
    QString executable = readPlistValue(info.path, QStringLiteral("CFBundleExecutable"));
    if (executable.isEmpty())
        executable = info.name;
    const ProcessRunner::Result running
        = ProcessRunner::run(QStringLiteral("pgrep"), { QStringLiteral("-x"), executable }, kToolWaitMs);
    // Only pgrep's "no process matched" lets the removal go ahead.
    if (!(running.started && running.finished && running.exitCode == 1)) {
        outcome.result = UninstallOutcome::Result::Running;
        outcome.reason = running.succeeded() ? tr("Close the app first.")
                                             : tr("Could not tell whether it is running. Close the app first.");
        Logger::instance()->warning(QStringLiteral("[AppUninstaller] %1 may be running, left alone").arg(info.name));
        return outcome;
    }

    const TrashResult trashed = moveToTrash(info.path);
    if (!trashed.moved) {
        Logger::instance()->error(QStringLiteral("Failed to trash: ") + info.path);
        outcome.result = UninstallOutcome::Result::Failed;
        outcome.reason = tr("It could not be moved to the Trash: %1.").arg(trashed.error);
        return outcome;
    }
    outcome.leftoverFailures = cleanLeftovers(info);
    outcome.moved.append(info.path);
    outcome.movedBytes = info.size;
    for (const LeftoverItem &leftover : info.leftovers) {
        if (leftover.selected && !outcome.leftoverFailures.contains(leftover.path)) {
            outcome.moved.append(leftover.path);
            outcome.movedBytes += leftover.size;
        }
    }
    Logger::instance()->info(QStringLiteral("Uninstalled: ") + info.name);
    return outcome;
}

TrashResult AppUninstaller::moveToTrash(const QString &path)
{
    struct stat entry;
    if (!lstatPath(path, &entry))
        return { errno == ENOENT, errno == ENOENT ? QString() : systemError(errno) };
    QString finderCause;
    // A link goes by rename, which moves the link itself; the Finder would resolve it.
    if (!S_ISLNK(entry.st_mode)) {
        const ProcessRunner::Result finder
            = ProcessRunner::run(QStringLiteral("osascript"), finderArguments(path), kFinderWaitMs);
        // A late answer may still have done the work: look before falling back.
        if (!exists(path))
            return { true, QString() };
        finderCause = finderFailure(finder);
        Logger::instance()->warning(
            QStringLiteral("[AppUninstaller] Finder did not trash %1: %2").arg(path, finderCause));
    }
    TrashResult renamed = renameIntoTrash(path);
    if (!renamed.moved && !finderCause.isEmpty())
        renamed.error = finderCause + QStringLiteral("; ") + renamed.error;
    return renamed;
}

QStringList AppUninstaller::cleanLeftovers(const AppInfo &info)
{
    QStringList failures;
    const QString launchAgents = QDir::home().filePath(LeftoverFinder::launchAgentsFolder());
    for (const LeftoverItem &leftover : info.leftovers) {
        if (!leftover.selected)
            continue;
        bool moved = false;
        if (isLeftoverLocation(leftover.path)) {
            if (QFileInfo(leftover.path).path() == launchAgents && exists(leftover.path))
                unloadLaunchAgent(leftover.path);
            moved = moveToTrash(leftover.path).moved;
        }
        if (!moved) {
            Logger::instance()->warning(QStringLiteral("Failed to remove leftover: ") + leftover.path);
            failures.append(leftover.path);
        }
    }
    return failures;
}
