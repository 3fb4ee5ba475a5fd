#include "privacytraces.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "core/processrunner.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <memory>
#include <vector>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// These tools answer at once; their limits are safety nets for a hung one, generous enough that
// a busy machine never turns a late answer into a failure.
constexpr int kClipboardTimeoutMs = 30000;
constexpr int kQuickLookTimeoutMs = 30000;
constexpr int kKillallTimeoutMs = 30000;
constexpr int kGetconfTimeoutMs = 30000;
constexpr int kDnsTimeoutMs = 30000;
// The administrator prompt waits for the user.
constexpr int kAdministratorPromptTimeoutMs = 120000;

const char *const kRecentListKinds[] = { "RecentApplications", "RecentDocuments", "RecentServers", "RecentHosts" };
const char *const kListSuffixes[] = { ".sfl", ".sfl2", ".sfl3" };
const char *const kApplicationRecentDocuments = "ApplicationRecentDocuments";
const char *const kNotificationNames[] = { "db", "db-shm", "db-wal" };
const char *const kNotificationSuffixes[] = { ".db", ".db-shm", ".db-wal" };

QString home()
{
    return QDir::homePath();
}

// Runs a tool and waits for it; a failure is logged with the tool's exit code.
bool runCmd(const QString &program, const QStringList &arguments, int timeoutMs)
{
    const ProcessRunner::Result result = ProcessRunner::run(program, arguments, timeoutMs);
    if (result.succeeded())
        return true;
    Logger::instance()->warning(QStringLiteral("[Privacy] cmd failed: %1 %2 (exit=%3)")
                                    .arg(program, arguments.join(QLatin1Char(' ')))
                                    .arg(result.exitCode));
    return false;
}

// A folder opened without following a link on the way from its base (the home, the per-user
// Darwin folder); what lies inside is reached relative to it, so a folder swapped for a link
// afterwards leads nowhere else.
class Folder final
{
public:
    struct Entry
    {
        QByteArray name;
        bool isFile = false;
        bool isFolder = false;
        qint64 size = 0;
    };

    // The folder itself must not be a link either, even to a place inside the base.
    Folder(const QString &path, const QString &base)
        : m_root(PinnedRoot::open(path, base))
        , m_path(m_root.path().isEmpty() ? path : m_root.path())
        , m_fd(m_root.isOpen() && isTheFolderItself(m_root) ? ::fcntl(m_root.fd(), F_DUPFD_CLOEXEC, 0) : -1)
        , m_missing(m_root.status() == PinnedRoot::Missing)
    {
    }

    Folder(const Folder &parent, const QByteArray &name)
        : m_path(parent.filePath(name))
        , m_fd(::openat(parent.m_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))
        , m_missing(m_fd < 0 && errno == ENOENT)
    {
    }

    ~Folder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    bool isOpen() const
    {
        return m_fd >= 0;
    }

    bool isMissing() const
    {
        return m_missing;
    }

    // Why the folder is not open, for the log.
    QString reason() const
    {
        return m_root.reason().isEmpty() ? m_path + QStringLiteral(" (not a folder of its own)") : m_root.reason();
    }

    int fd() const
    {
        return m_fd;
    }

    QString path() const
    {
        return m_path;
    }

    QString filePath(const QByteArray &name) const
    {
        return m_path + QLatin1Char('/') + QFile::decodeName(name);
    }

    // The entries with their types as they are, links neither followed nor counted as files.
    QList<Entry> entries() const
    {
        QList<Entry> result;
        if (m_fd < 0)
            return result;
        const int listing = ::dup(m_fd);
        if (listing < 0)
            return result;
        DIR *dir = ::fdopendir(listing);
        if (!dir) {
            ::close(listing);
            return result;
        }
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            struct stat status;
            if (::fstatat(m_fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            result.append({ name, S_ISREG(status.st_mode), S_ISDIR(status.st_mode), FileUtils::allocatedSize(status) });
        }
        ::closedir(dir);
        return result;
    }

    // Removes a file (or link) directly inside a folder opened from its base.
    bool removeFile(const QByteArray &name) const
    {
        const FileUtils::Removal removal
            = FileUtils::removeUnder(m_root, QFile::encodeName(m_path) + '/' + name, FileUtils::Expect::File);
        if (!removal.removed())
            Logger::instance()->warning(
                QStringLiteral("[Privacy] Failed to delete: %1 (%2)").arg(filePath(name), removal.reason));
        return removal.removed();
    }

private:
    // True when the path names the opened folder and is no link to it.
    static bool isTheFolderItself(const PinnedRoot &root)
    {
        struct stat opened;
        struct stat named;
        return ::fstat(root.fd(), &opened) == 0 && ::lstat(QFile::encodeName(root.path()).constData(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    }

    PinnedRoot m_root;
    QString m_path;
    int m_fd;
    bool m_missing;
};

bool hasListSuffix(const QString &name)
{
    for (const char *suffix : kListSuffixes) {
        if (name.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}

// Calls visit for every recent-items list below the shared-file-list folder: the lists directly
// inside it and those of the per-application folder. False when that folder could not be read.
bool forEachRecentList(const Folder &root, const std::function<void(const Folder &, const Folder::Entry &)> &visit)
{
    bool ok = true;
    const QList<Folder::Entry> entries = root.entries();
    for (const Folder::Entry &entry : entries) {
        const QString name = QFile::decodeName(entry.name);
        if (entry.isFile && PrivacyTraces::isRecentListName(name))
            visit(root, entry);
        if (!entry.isFolder || !name.contains(QLatin1String(kApplicationRecentDocuments)))
            continue;
        const Folder perApplication(root, entry.name);
        if (!perApplication.isOpen()) {
            Logger::instance()->warning(QStringLiteral("[Privacy] Failed to clear: ") + perApplication.path());
            ok = false;
            continue;
        }
        for (const Folder::Entry &list : perApplication.entries()) {
            if (list.isFile && hasListSuffix(QFile::decodeName(list.name)))
                visit(perApplication, list);
        }
    }
    return ok;
}

// Empties a regular file inside folder, never through a link: an empty file of the same mode
// is written beside it and renamed over it, so another name of the file (a hard link, as a
// backup made with "cp -al" has) keeps its contents. Adds what left the disk to freed: the
// former size when the file had no other name.
bool emptyAt(const Folder &folder, const QByteArray &name, qint64 *freed)
{
    struct stat before;
    if (::fstatat(folder.fd(), name.constData(), &before, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(before.st_mode))
        return false;
    if (before.st_size == 0)
        return true;
    QByteArray fresh;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        fresh = '.' + name + ".sweepnook-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
        fd = ::openat(folder.fd(), fresh.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
            before.st_mode & 07777);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    const bool made = ::fchmod(fd, before.st_mode & 07777) == 0;
    ::close(fd);
    // The list must still be the file measured: anything else in its place is left alone.
    struct stat now;
    const bool same = ::fstatat(folder.fd(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
        && now.st_dev == before.st_dev && now.st_ino == before.st_ino;
    if (!made || !same || ::renameat(folder.fd(), fresh.constData(), folder.fd(), name.constData()) != 0) {
        ::unlinkat(folder.fd(), fresh.constData(), 0);
        return false;
    }
    if (now.st_nlink <= 1)
        *freed += FileUtils::allocatedSize(now);
    return true;
}

// The folder QuickLook's folders lie in, pinned below the home like every clean's folder: a
// Caches folder that leads out of the home is refused, never cleaned through.
QString quickLookParent()
{
    return home() + QStringLiteral("/Library/Caches");
}

// Removes a QuickLook folder with everything in it, reached from the pinned Caches folder and
// named in removed; a missing folder is a success with nothing freed. Adds to freed what left.
bool removeQuickLookFolder(const PinnedRoot &caches, const QString &folder, qint64 *freed, QStringList *removed)
{
    if (caches.status() == PinnedRoot::Missing)
        return true;
    if (!caches.isOpen()) {
        Logger::instance()->warning(QStringLiteral("[Privacy] Refusing to clean %1: %2").arg(folder, caches.reason()));
        return false;
    }
    const Folder pinned(folder, home());
    if (pinned.isMissing())
        return true;
    const qint64 size = pinned.isOpen() ? FileUtils::calculateDirSize(pinned.fd(), QFile::encodeName(folder)) : 0;
    const FileUtils::Removal removal = FileUtils::removeUnder(caches, folder, FileUtils::Expect::Folder);
    if (removal.status == FileUtils::Removal::Missing)
        return true;
    if (!removal.removed()) {
        Logger::instance()->warning(QStringLiteral("[Privacy] Failed to delete: %1 (%2)").arg(folder, removal.reason));
        // What went before the failure is measured by what is left.
        const Folder left(folder, home());
        if (left.isOpen())
            *freed += qMax<qint64>(0, size - FileUtils::calculateDirSize(left.fd(), QFile::encodeName(folder)));
        return false;
    }
    *freed += size;
    removed->append(folder);
    return true;
}

QString darwinUserFolder()
{
    const ProcessRunner::Result result
        = ProcessRunner::run(QStringLiteral("getconf"), { QStringLiteral("DARWIN_USER_DIR") }, kGetconfTimeoutMs);
    const QString folder = QString::fromLocal8Bit(result.output).trimmed();
    if (!result.succeeded() || !QDir::isAbsolutePath(folder))
        return QString();
    return QDir::cleanPath(folder);
}

bool isNotificationDatabase(const QString &name)
{
    return name == QLatin1String(kNotificationNames[0]) || name.endsWith(QLatin1String(kNotificationSuffixes[0]));
}

PrivacyTraces::Measurement measureQuickLook(const PrivacyTraces::CancelCheck &cancelled)
{
    PrivacyTraces::Measurement measurement;
    for (const QString &path : PrivacyTraces::quickLookFolders()) {
        if (cancelled())
            break;
        // Measured from the folder pinned below the home, as it is cleaned.
        const Folder folder(path, home());
        if (folder.isOpen())
            measurement.size += FileUtils::calculateDirSize(folder.fd(), QFile::encodeName(path));
        for (const Folder::Entry &entry : folder.entries())
            measurement.count += entry.isFile ? 1 : 0;
    }
    // Since macOS 10.14 the thumbnails live where no user process may look.
    measurement.sizeKnown = measurement.size > 0 || measurement.count > 0;
    return measurement;
}

PrivacyTraces::Measurement measureRecentLists()
{
    PrivacyTraces::Measurement measurement;
    const Folder root(PrivacyTraces::sharedFileListFolder(), home());
    forEachRecentList(root, [&measurement](const Folder &, const Folder::Entry &entry) {
        measurement.size += entry.size;
        ++measurement.count;
    });
    return measurement;
}

PrivacyTraces::Measurement measureNotifications(const PrivacyTraces::CancelCheck &cancelled)
{
    PrivacyTraces::Measurement measurement;
    for (const PrivacyTraces::Location &location : PrivacyTraces::notificationFolders()) {
        if (cancelled())
            break;
        for (const Folder::Entry &entry : Folder(location.folder, location.base).entries()) {
            const QString name = QFile::decodeName(entry.name);
            if (!entry.isFile || !PrivacyTraces::isNotificationDatabaseName(name))
                continue;
            measurement.size += entry.size;
            measurement.count += isNotificationDatabase(name) ? 1 : 0;
        }
    }
    return measurement;
}

PrivacyTraces::Outcome cleanClipboard()
{
    PrivacyTraces::Outcome outcome;
    outcome.ok = runCmd(
        QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("pbcopy < /dev/null") }, kClipboardTimeoutMs);
    return outcome;
}

PrivacyTraces::Outcome cleanQuickLook()
{
    const bool reset
        = runCmd(QStringLiteral("qlmanage"), { QStringLiteral("-r"), QStringLiteral("cache") }, kQuickLookTimeoutMs);
    if (!reset)
        Logger::instance()->warning(QStringLiteral("[Privacy] qlmanage -r cache failed, falling back to manual"));
    PrivacyTraces::Outcome outcome;
    bool removed = true;
    bool found = false;
    const PinnedRoot caches = PinnedRoot::open(quickLookParent(), home());
    for (const QString &folder : PrivacyTraces::quickLookFolders()) {
        found = found || QFileInfo(folder).exists() || QFileInfo(folder).isSymLink();
        removed = removeQuickLookFolder(caches, folder, &outcome.freed, &outcome.removed) && removed;
    }
    // Without the tool, only folders that were there and are gone count as cleaning; a folder
    // that is there and could not go is a failure either way.
    outcome.ok = removed && (reset || found);
    return outcome;
}

PrivacyTraces::Outcome cleanRecentLists()
{
    PrivacyTraces::Outcome outcome;
    const Folder root(PrivacyTraces::sharedFileListFolder(), home());
    if (root.isMissing()) {
        outcome.ok = true;
        return outcome;
    }
    if (!root.isOpen()) {
        Logger::instance()->warning(QStringLiteral("[Privacy] Failed to clear: ") + root.reason());
        return outcome;
    }
    bool cleared = true;
    const bool listed = forEachRecentList(root, [&outcome, &cleared](const Folder &folder, const Folder::Entry &entry) {
        if (emptyAt(folder, entry.name, &outcome.freed))
            return;
        Logger::instance()->warning(QStringLiteral("[Privacy] Failed to clear: ") + folder.filePath(entry.name));
        cleared = false;
    });
    outcome.ok = listed && cleared;
    // The list daemon would otherwise write its remembered lists back.
    runCmd(QStringLiteral("killall"), { QStringLiteral("sharedfilelistd") }, kKillallTimeoutMs);
    return outcome;
}

PrivacyTraces::Outcome cleanNotifications()
{
    struct Found
    {
        const Folder *folder;
        QByteArray name;
        qint64 size;
    };
    PrivacyTraces::Outcome outcome;
    outcome.ok = true;
    std::vector<std::unique_ptr<Folder>> folders;
    QList<Found> files;
    for (const PrivacyTraces::Location &location : PrivacyTraces::notificationFolders()) {
        folders.push_back(std::make_unique<Folder>(location.folder, location.base));
        const Folder &folder = *folders.back();
        if (!folder.isOpen()) {
            if (!folder.isMissing()) {
                Logger::instance()->warning(QStringLiteral("[Privacy] Failed to clear: ") + folder.reason());
                outcome.ok = false;
            }
            continue;
        }
        for (const Folder::Entry &entry : folder.entries()) {
            if (entry.isFile && PrivacyTraces::isNotificationDatabaseName(QFile::decodeName(entry.name)))
                files.append({ &folder, entry.name, entry.size });
        }
    }
    if (files.isEmpty())
        return outcome;
    // The notification daemons hold the database open and would write it back.
    runCmd(QStringLiteral("killall"), { QStringLiteral("usernoted") }, kKillallTimeoutMs);
    runCmd(QStringLiteral("killall"), { QStringLiteral("NotificationCenter") }, kKillallTimeoutMs);
    for (const Found &file : std::as_const(files)) {
        if (file.folder->removeFile(file.name)) {
            outcome.freed += file.size;
            outcome.removed.append(file.folder->filePath(file.name));
        } else
            outcome.ok = false;
    }
    return outcome;
}

PrivacyTraces::Outcome cleanDns(const PrivacyTraces::CancelCheck &cancelled)
{
    const bool flushed = runCmd(QStringLiteral("dscacheutil"), { QStringLiteral("-flushcache") }, kDnsTimeoutMs);
    Logger::instance()->info(QStringLiteral("[Privacy] dscacheutil -flushcache: %1")
                                 .arg(flushed ? QStringLiteral("ok") : QStringLiteral("fail")));
    PrivacyTraces::Outcome stopped;
    stopped.stopped = true;
    if (cancelled())
        return stopped;
    // The cache itself belongs to mDNSResponder, which only an administrator may tell to drop it.
    // The prompt waits for the user, so a cancel closes it rather than waiting for an answer.
    const QStringList arguments { QStringLiteral("-e"),
        QStringLiteral("do shell script \"killall -HUP mDNSResponder\" with administrator privileges") };
    const ProcessRunner::Result result = ProcessRunner::runCancellable(
        QStringLiteral("osascript"), arguments, kAdministratorPromptTimeoutMs, cancelled);
    if (result.cancelled) {
        Logger::instance()->info(
            QStringLiteral("[Privacy] DNS cache not flushed: administrator prompt closed by cancel"));
        return stopped;
    }
    if (!result.succeeded()) {
        Logger::instance()->warning(QStringLiteral("[Privacy] DNS cache not flushed: administrator rights not given "
                                                   "(exit=%1)")
                                        .arg(result.exitCode));
    }
    PrivacyTraces::Outcome outcome;
    outcome.ok = result.succeeded();
    return outcome;
}

} // namespace

PrivacyTraces::Measurement PrivacyTraces::measure(const QString &id, const CancelCheck &cancelled)
{
    if (id == QLatin1String("clipboard") || id == QLatin1String("dns"))
        return { 0, 1, false };
    if (id == QLatin1String("quicklook"))
        return measureQuickLook(cancelled);
    if (id == QLatin1String("recent_files"))
        return measureRecentLists();
    if (id == QLatin1String("notifications"))
        return measureNotifications(cancelled);
    return {};
}

PrivacyTraces::Outcome PrivacyTraces::clean(const QString &id, const CancelCheck &cancelled)
{
    if (id == QLatin1String("clipboard"))
        return cleanClipboard();
    if (id == QLatin1String("quicklook"))
        return cleanQuickLook();
    if (id == QLatin1String("recent_files"))
        return cleanRecentLists();
    if (id == QLatin1String("notifications"))
        return cleanNotifications();
    if (id == QLatin1String("dns"))
        return cleanDns(cancelled);
    return {};
}

QStringList PrivacyTraces::quickLookFolders()
{
    return { home() + QStringLiteral("/Library/Caches/com.apple.QuickLookDaemon"),
        home() + QStringLiteral("/Library/Caches/QuickLook") };
}

QString PrivacyTraces::sharedFileListFolder()
{
    return home() + QStringLiteral("/Library/Application Support/com.apple.sharedfilelist");
}

QList<PrivacyTraces::Location> PrivacyTraces::notificationFolders()
{
    QList<Location> folders;
    const QString darwinUser = darwinUserFolder();
    if (!darwinUser.isEmpty())
        folders.append({ darwinUser + QStringLiteral("/com.apple.notificationcenter/db2"), darwinUser });
    folders.append({ home() + QStringLiteral("/Library/Group Containers/group.com.apple.usernoted/db2"), home() });
    folders.append({ home() + QStringLiteral("/Library/Application Support/NotificationCenter"), home() });
    return folders;
}

QStringList PrivacyTraces::foldersOf(const QString &id)
{
    if (id == QLatin1String("quicklook"))
        return quickLookFolders();
    if (id == QLatin1String("recent_files"))
        return { sharedFileListFolder() };
    QStringList folders;
    if (id == QLatin1String("notifications")) {
        for (const Location &location : notificationFolders())
            folders.append(location.folder);
    }
    return folders;
}

bool PrivacyTraces::isRecentListName(const QString &name)
{
    if (!hasListSuffix(name))
        return false;
    for (const char *kind : kRecentListKinds) {
        if (name.contains(QLatin1String(kind)))
            return true;
    }
    return false;
}

bool PrivacyTraces::isNotificationDatabaseName(const QString &name)
{
    for (const char *exact : kNotificationNames) {
        if (name == QLatin1String(exact))
            return true;
    }
    for (const char *suffix : kNotificationSuffixes) {
        if (name.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}
