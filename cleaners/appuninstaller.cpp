#include "appuninstaller.h"

#include "core/fileutils.h"
#include "core/hometrash.h"
#include "core/logger.h"
#include "core/platform.h"
#include "core/processrunner.h"
#include "core/propertylist.h"
#include "core/runningprograms.h"
#include "leftoverfinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <utility>

namespace {

// pgrep and launchctl answer at once; the limit is a safety net for a hung one.
constexpr int kToolWaitMs = 30000;

bool lstatPath(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

// Something is at path, and it is the entry seen (when one was).
bool isStillSeen(const QString &path, const FileIdentity &seen)
{
    struct stat info;
    return lstatPath(path, &info) && (seen.inode == 0 || FileIdentity::fromStat(info) == seen);
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

// Where path went, so the user can find it in the Trash.
void logMoved(const QString &path, const HomeTrash::Outcome &moved)
{
    Logger::instance()->info(
        QStringLiteral("[AppUninstaller] Moved to the Trash%1: %2 (now %3)")
            .arg(moved.byFinder ? QStringLiteral(" by the Finder") : QString(), path, moved.trashedPath));
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
    , m_folders(Platform::applicationFolders())
    , m_systemFolders(Platform::systemApplicationFolders())
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

void AppUninstaller::setSystemApplicationFolders(const QStringList &folders)
{
    m_systemFolders = folders;
}

void AppUninstaller::startScan()
{
    m_found = 0;
    const QStringList folders = m_folders;
    const QStringList systemFolders = m_systemFolders;
    m_job.start([this, folders, systemFolders](LongJob::Run &run) { scan(run, folders, systemFolders); },
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

bool AppUninstaller::measureLeftovers(const QStringList &paths)
{
    if (m_job.isBusy() || paths.isEmpty())
        return false;
    m_job.start([this, paths](LongJob::Run &run) {
        for (const QString &path : paths) {
            if (run.isCancelled())
                return;
            const qint64 size = FileUtils::getFileSize(path);
            run.post([this, path, size] { emit leftoverMeasured(path, size); });
        }
    });
    return true;
}

void AppUninstaller::scan(LongJob::Run &run, const QStringList &folders, const QStringList &systemFolders)
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
        installed.append({ app.path, app.bundleId, app.name, app.systemProtected });
    // The system's own applications are never offered; their identifiers keep what they share
    // with a copy elsewhere from being pre-selected.
    for (const QString &systemFolder : systemFolders) {
        const QDir folder(systemFolder);
        const QStringList bundles
            = folder.entryList({ QStringLiteral("*.app") }, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &bundle : bundles) {
            if (run.isCancelled())
                return;
            const AppInfo info = readBundle(folder.absoluteFilePath(bundle));
            if (!info.bundleId.isEmpty())
                installed.append({ info.path, info.bundleId, info.name, true });
        }
    }
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
    struct stat bundle;
    if (lstatPath(info.path, &bundle))
        info.identity = FileIdentity::fromStat(bundle);
    info.size = FileUtils::calculateDirSize(info.path, stop);
    info.leftoverSize = 0;
    for (LeftoverItem &leftover : info.leftovers) {
        struct stat entry;
        if (!lstatPath(leftover.path, &entry))
            continue;
        leftover.identity = FileIdentity::fromStat(entry);
        leftover.size = S_ISDIR(entry.st_mode) ? FileUtils::calculateDirSize(leftover.path, stop)
                                               : FileUtils::allocatedSize(entry);
        info.leftoverSize += leftover.size;
    }
}

AppInfo AppUninstaller::readBundle(const QString &bundlePath)
{
    AppInfo info;
    info.path = bundlePath;
    const QString fileName = QFileInfo(bundlePath).fileName();
    info.name = fileName.endsWith(QLatin1String(".app"), Qt::CaseInsensitive) ? fileName.chopped(4) : fileName;
    // Read once, in this process; a link, FIFO or anything but a plain file is refused.
    const QVariantMap plist = PropertyList::readDictionary(bundlePath + QStringLiteral("/Contents/Info.plist"));
    const auto value = [&plist](const char *key) { return PropertyList::string(plist, QLatin1String(key)).trimmed(); };
    info.bundleId = value("CFBundleIdentifier");
    if (info.bundleId.isEmpty())
        return info;
    info.version = value("CFBundleShortVersionString");
    if (info.version.isEmpty())
        info.version = value("CFBundleVersion");
    info.publisher = value("NSHumanReadableCopyright");
    return info;
}

QString AppUninstaller::applicationFolderOf(const QString &bundlePath) const
{
    const QFileInfo bundle(bundlePath);
    if (QDir::cleanPath(bundlePath) != bundlePath || !bundle.fileName().endsWith(QLatin1String(".app")))
        return QString();
    for (const QString &folder : m_folders) {
        if (bundle.path() == QDir(folder).absolutePath())
            return bundle.path();
    }
    return QString();
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
    const QString folder = applicationFolderOf(info.path);
    if (folder.isEmpty()) {
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
    // By the executables' full paths: a process name is cut short by the kernel and would be a
    // pattern to pgrep. Any program inside the bundle counts (its helpers too).
    const RunningPrograms::Answer running = RunningPrograms::runsFromBundle(info.path);
    if (running != RunningPrograms::Answer::No) {
        outcome.result = UninstallOutcome::Result::Running;
        outcome.reason = running == RunningPrograms::Answer::Yes
            ? tr("Close the app first.")
            : tr("Could not tell whether it is running. Close the app first.");
        Logger::instance()->warning(QStringLiteral("[AppUninstaller] %1 may be running, left alone").arg(info.name));
        return outcome;
    }

    const PinnedRoot root = PinnedRoot::open(folder, folder);
    const HomeTrash::Outcome trashed = moveToTrash(root, info.path, info.identity);
    if (!trashed.moved()) {
        Logger::instance()->error(
            QStringLiteral("Failed to trash: ") + info.path + QStringLiteral(" (") + trashed.reason + QLatin1Char(')'));
        outcome.result = UninstallOutcome::Result::Failed;
        // An app already gone is not uninstalled here: it may only have moved, and its
        // leftovers are then still its own.
        outcome.reason = trashed.status == HomeTrash::Outcome::Missing
            ? tr("It is no longer where the scan found it.")
            : tr("It could not be moved to the Trash: %1.").arg(trashed.shownReason);
        return outcome;
    }
    logMoved(info.path, trashed);
    // Measured again just before they go: another feature may have removed part of a leftover
    // since the scan, and what the page reports is what went.
    QHash<QString, qint64> leftoverSizes;
    for (const LeftoverItem &leftover : info.leftovers) {
        if (leftover.selected)
            leftoverSizes.insert(leftover.path, FileUtils::getFileSize(leftover.path));
    }
    QStringList gone;
    outcome.leftoverFailures = cleanLeftovers(info, &gone);
    outcome.moved.append(info.path);
    outcome.movedBytes = info.size;
    for (const LeftoverItem &leftover : info.leftovers) {
        if (leftover.selected && !outcome.leftoverFailures.contains(leftover.path) && !gone.contains(leftover.path)) {
            outcome.moved.append(leftover.path);
            outcome.movedBytes += leftoverSizes.value(leftover.path);
        }
    }
    Logger::instance()->info(QStringLiteral("Uninstalled: ") + info.name);
    return outcome;
}

HomeTrash::Outcome AppUninstaller::moveToTrash(const PinnedRoot &root, const QString &path, const FileIdentity &seen)
{
    FileUtils::EntryCheck check;
    if (seen.inode != 0)
        check = [seen](const struct stat &entry) { return FileIdentity::fromStat(entry) == seen; };
    return HomeTrash::moveUnder(root, path, check, { true, HomeTrash::Naming::Stamped });
}

QStringList AppUninstaller::cleanLeftovers(const AppInfo &info, QStringList *gone)
{
    QStringList failures;
    const QString launchAgents = QDir::home().filePath(LeftoverFinder::launchAgentsFolder());
    QHash<QString, PinnedRoot> roots;
    for (const LeftoverItem &leftover : info.leftovers) {
        if (!leftover.selected)
            continue;
        HomeTrash::Outcome moved;
        if (isLeftoverLocation(leftover.path)) {
            const QString folder = QFileInfo(leftover.path).path();
            auto root = roots.constFind(folder);
            if (root == roots.cend())
                root = roots.insert(folder, PinnedRoot::open(folder, QDir::homePath()));
            // launchctl goes by the path: only an agent that still is the one seen is unloaded.
            if (folder == launchAgents && isStillSeen(leftover.path, leftover.identity))
                unloadLaunchAgent(leftover.path);
            moved = moveToTrash(*root, leftover.path, leftover.identity);
        }
        // Already gone: nothing was moved, and nothing is left to fail.
        if (moved.status == HomeTrash::Outcome::Missing) {
            Logger::instance()->info(QStringLiteral("Leftover already gone: ") + leftover.path);
            if (gone)
                gone->append(leftover.path);
        } else if (moved.moved()) {
            logMoved(leftover.path, moved);
        } else {
            Logger::instance()->warning(QStringLiteral("Failed to remove leftover: ") + leftover.path
                + (moved.reason.isEmpty() ? QString() : QStringLiteral(" (") + moved.reason + QLatin1Char(')')));
            failures.append(leftover.path);
        }
    }
    return failures;
}
