#include "fileutils.h"

#include "cleanitem.h"
#include "logger.h"
#include "pinnedroot.h"
#include "treewalker.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/vfs.h>
#elif defined(__APPLE__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__)
#include <sys/mount.h>
#include <sys/param.h>
#endif

#if defined(__APPLE__)
#include <sys/mount.h>
#include <sys/param.h>
#include <vector>
#endif

#include <utility>

namespace {

using InodeKey = std::pair<dev_t, ino_t>;

constexpr int openFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::function<void(const QByteArray &)> &beforeRemoveHook()
{
    static std::function<void(const QByteArray &)> hook;
    return hook;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why something was not removed: in English for the log, in the interface language for the user.
struct Reason
{
    QString english;
    QString shown;
};

// A reason of our own, listed for the catalogues with QT_TRANSLATE_NOOP under "FileUtils"; a %1
// in it takes arg.
Reason ownReason(const char *text, const QString &arg = QString())
{
    const QString english = QString::fromLatin1(text);
    const QString shown = QCoreApplication::translate("FileUtils", text);
    if (!english.contains(QLatin1String("%1")))
        return { english, shown };
    return { english.arg(arg), shown.arg(arg) };
}

// What the system answered: its own words in the log, FileUtils::shownError for the user.
Reason systemReason(int error)
{
    return { errorText(error), FileUtils::shownError(error) };
}

FileUtils::Removal removal(FileUtils::Removal::Status status, const Reason &reason = Reason())
{
    FileUtils::Removal result;
    result.status = status;
    result.reason = reason.english;
    result.shownReason = reason.shown;
    return result;
}

// Removes everything below an open folder, after the walk's order: files as they are listed,
// each folder once everything below it is gone. Mount points are left alone and reported.
class TreeRemoval final : public TreeWalker::Visitor
{
public:
    void visitFile(const TreeWalker::Entry &entry) override
    {
        if (::unlinkat(entry.folderFd(), entry.name().constData(), 0) != 0 && errno != ENOENT)
            problem(entry, systemReason(errno));
    }

    void leaveFolder(const TreeWalker::Entry &entry) override
    {
        if (::unlinkat(entry.folderFd(), entry.name().constData(), AT_REMOVEDIR) != 0 && errno != ENOENT)
            problem(entry, systemReason(errno));
    }

    void otherDevice(const TreeWalker::Entry &entry) override
    {
        Logger::instance()->warning(
            QStringLiteral("Left %1 alone: another volume is mounted there").arg(QFile::decodeName(entry.path())));
        problem(entry, ownReason(QT_TRANSLATE_NOOP("FileUtils", "another volume is mounted there")));
    }

    void failed(const TreeWalker::Entry &entry, int error) override
    {
        problem(entry, systemReason(error));
    }

    bool hasProblems() const
    {
        return !m_firstProblem.english.isEmpty();
    }

    Reason firstProblem() const
    {
        return m_firstProblem;
    }

private:
    void problem(const TreeWalker::Entry &entry, const Reason &reason)
    {
        if (!m_firstProblem.english.isEmpty())
            return;
        const QString where = QFile::decodeName(entry.path()) + QStringLiteral(": ");
        m_firstProblem = { where + reason.english, where + reason.shown };
    }

    Reason m_firstProblem;
};

// Removes the entry name of the open folder parentFd, which was found as info.
FileUtils::Removal removeEntry(int parentFd, const QByteArray &name, const struct stat &info, FileUtils::Expect expect,
    dev_t rootDevice, const QByteArray &path)
{
    using Removal = FileUtils::Removal;
    if (!S_ISDIR(info.st_mode)) {
        if (expect == FileUtils::Expect::Folder && !S_ISLNK(info.st_mode))
            return removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "not a folder")));
        if (::unlinkat(parentFd, name.constData(), 0) == 0)
            return removal(Removal::Removed);
        return errno == ENOENT ? removal(Removal::Missing) : removal(Removal::Failed, systemReason(errno));
    }
    if (expect == FileUtils::Expect::File)
        return removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "a folder")));
    if (info.st_dev != rootDevice)
        return removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "another volume is mounted there")));
    const int folderFd = ::openat(parentFd, name.constData(), openFolderFlags);
    if (folderFd < 0) {
        if (errno == ENOENT)
            return removal(Removal::Missing);
        if (errno == ELOOP || errno == ENOTDIR)
            return removal(
                Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "it changed while being removed")));
        return removal(Removal::Failed, systemReason(errno));
    }
    struct stat opened;
    if (::fstat(folderFd, &opened) != 0 || opened.st_dev != info.st_dev || opened.st_ino != info.st_ino) {
        ::close(folderFd);
        return removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "it changed while being removed")));
    }
    TreeRemoval contents;
    TreeWalker::walk(folderFd, path, contents);
    ::close(folderFd);
    if (contents.hasProblems()) {
        ::unlinkat(parentFd, name.constData(), AT_REMOVEDIR);
        return removal(Removal::Failed, contents.firstProblem());
    }
    if (::unlinkat(parentFd, name.constData(), AT_REMOVEDIR) == 0)
        return removal(Removal::Removed);
    return errno == ENOENT ? removal(Removal::Missing) : removal(Removal::Failed, systemReason(errno));
}

// Pins the parent of an absolute or relative path for the two entry points without a root.
bool removeWithParentPinned(const QString &path, FileUtils::Expect expect)
{
    if (path.isEmpty() || FileUtils::hasDotComponent(path))
        return false;
    const QString absolute = FileUtils::withoutRepeatedSlashes(
        path.startsWith(QLatin1Char('/')) ? path : QDir::currentPath() + QLatin1Char('/') + path);
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    if (absolute == QLatin1String("/") || slash < 0)
        return false;
    const QString parent = slash == 0 ? QStringLiteral("/") : absolute.left(slash);
    const PinnedRoot root = PinnedRoot::open(parent, parent);
    if (!root.isOpen())
        return false;
    return FileUtils::removeUnder(root, absolute, expect).removed();
}

// Sums the regular files below a folder, each hard-linked file once.
class SizeSum final : public TreeWalker::Visitor
{
public:
    explicit SizeSum(const std::function<bool()> &stop)
        : m_stop(stop)
    {
    }

    bool stopRequested() override
    {
        return m_stop && m_stop();
    }

    void visitFile(const TreeWalker::Entry &entry) override
    {
        struct stat info;
        if (entry.type() != DT_REG || !entry.stat(&info) || !S_ISREG(info.st_mode))
            return;
        if (info.st_nlink > 1) {
            const InodeKey key { info.st_dev, info.st_ino };
            if (m_linkedSeen.contains(key))
                return;
            m_linkedSeen.insert(key);
        }
        m_total += FileUtils::allocatedSize(info);
    }

    qint64 total() const
    {
        return m_total;
    }

private:
    const std::function<bool()> &m_stop;
    qint64 m_total = 0;
    QSet<InodeKey> m_linkedSeen;
};

QStringList pathComponents(const QString &absolutePath)
{
    return absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

FileUtils::Removal FileUtils::removeUnder(const PinnedRoot &root, const QString &path, Expect expect)
{
    return removeUnder(root, QFile::encodeName(path), expect);
}

FileUtils::Removal FileUtils::removeUnder(const PinnedRoot &root, const QByteArray &path, Expect expect)
{
    return removeUnder(root, path, expect, EntryCheck());
}

FileUtils::Removal FileUtils::removeUnder(
    const PinnedRoot &root, const QString &path, Expect expect, const EntryCheck &check)
{
    return removeUnder(root, QFile::encodeName(path), expect, check);
}

FileUtils::Removal FileUtils::removeUnder(
    const PinnedRoot &root, const QByteArray &path, Expect expect, const EntryCheck &check)
{
    QByteArray name;
    Removal result;
    const int fd = openParentUnder(root, path, &name, &result);
    if (fd < 0)
        return result;
    struct stat info;
    if (::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        result = errno == ENOENT ? removal(Removal::Missing) : removal(Removal::Failed, systemReason(errno));
    else if (check && !check(info))
        result = removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "it changed since it was chosen")));
    else
        result = removeEntry(fd, name, info, expect, root.device(), path);
    ::close(fd);
    return result;
}

QString FileUtils::shownError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("FileUtils", "permission denied");
    case EBUSY:
        return QCoreApplication::translate("FileUtils", "it is in use");
    case EROFS:
        return QCoreApplication::translate("FileUtils", "the volume is read-only");
    case ENOTEMPTY:
    case EEXIST:
        return QCoreApplication::translate("FileUtils", "the folder is not empty");
    default:
        return errorText(error);
    }
}

bool FileUtils::renameNoReplace(int fromFd, const QByteArray &fromName, int toFd, const QByteArray &toName)
{
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(fromFd, fromName.constData(), toFd, toName.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // An older kernel, or a volume that does not take the flag.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#elif defined(__APPLE__) && defined(RENAME_EXCL)
    if (::renameatx_np(fromFd, fromName.constData(), toFd, toName.constData(), RENAME_EXCL) == 0)
        return true;
    if (errno != ENOTSUP && errno != EINVAL)
        return false;
#endif
    return renameNoReplacePortable(fromFd, fromName, toFd, toName);
}

bool FileUtils::renameNoReplacePortable(int fromFd, const QByteArray &fromName, int toFd, const QByteArray &toName)
{
    struct stat entry;
    if (::fstatat(fromFd, fromName.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISDIR(entry.st_mode)) {
        // Without AT_SYMLINK_FOLLOW a link is linked as the link.
        if (::linkat(fromFd, fromName.constData(), toFd, toName.constData(), 0) == 0) {
            if (::unlinkat(fromFd, fromName.constData(), 0) == 0)
                return true;
            const int error = errno;
            ::unlinkat(toFd, toName.constData(), 0);
            errno = error;
            return false;
        }
        // A volume without hard links (FAT, exFAT, some network volumes) goes on below.
        if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK)
            return false;
    }
    struct stat taken;
    if (::fstatat(toFd, toName.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    if (errno != ENOENT)
        return false;
    return ::renameat(fromFd, fromName.constData(), toFd, toName.constData()) == 0;
}

QList<QByteArray> FileUtils::mountPointsBelow(const QByteArray &realFolder)
{
    QList<QByteArray> points;
    const auto below = [&realFolder](const QByteArray &point) {
        return point == realFolder
            || (point.startsWith(realFolder) && (realFolder.endsWith('/') || point.at(realFolder.size()) == '/'));
    };
#if defined(__linux__)
    // One line per mount; the fifth field is where it is mounted, with " ", tab, newline and "\"
    // written as octal escapes.
    const int fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return points;
    QByteArray table;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        table.append(buffer, got);
    }
    ::close(fd);
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray &escaped = fields.at(4);
        QByteArray point;
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            if (escaped.at(i) == '\\' && i + 3 < escaped.size()) {
                bool ok = false;
                const int code = escaped.mid(i + 1, 3).toInt(&ok, 8);
                if (ok) {
                    point.append(char(code));
                    i += 3;
                    continue;
                }
            }
            point.append(escaped.at(i));
        }
        if (below(point))
            points.append(point);
    }
#elif defined(__APPLE__)
    const int count = ::getfsstat(nullptr, 0, MNT_NOWAIT);
    if (count <= 0)
        return points;
    std::vector<struct statfs> mounts(size_t(count) + 8);
    const int listed = ::getfsstat(mounts.data(), int(mounts.size() * sizeof(struct statfs)), MNT_NOWAIT);
    for (int i = 0; i < listed; ++i) {
        const QByteArray point(mounts[size_t(i)].f_mntonname);
        if (below(point))
            points.append(point);
    }
#else
    Q_UNUSED(below);
#endif
    return points;
}

int FileUtils::openParentUnder(const PinnedRoot &root, const QByteArray &path, QByteArray *name, Removal *refusal)
{
    if (!root.isOpen()) {
        *refusal = removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "its folder is not open")));
        return -1;
    }
    const QByteArray rootPath = QFile::encodeName(root.path());
    const bool below = rootPath == "/"
        ? path.startsWith('/')
        : path.startsWith(rootPath) && path.size() > rootPath.size() && path.at(rootPath.size()) == '/';
    if (!below) {
        *refusal = removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "outside %1"), root.path()));
        return -1;
    }
    QList<QByteArray> components = path.mid(rootPath.size()).split('/');
    components.removeAll(QByteArray());
    if (components.isEmpty()) {
        *refusal = removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "the folder itself")));
        return -1;
    }
    for (const QByteArray &component : std::as_const(components)) {
        if (component == "." || component == "..") {
            *refusal
                = removal(Removal::Refused, ownReason(QT_TRANSLATE_NOOP("FileUtils", "\".\" or \"..\" in the path")));
            return -1;
        }
    }
    if (beforeRemoveHook())
        beforeRemoveHook()(path);

    int fd = ::fcntl(root.fd(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        *refusal = removal(Removal::Failed, systemReason(errno));
        return -1;
    }
    for (qsizetype i = 0; i + 1 < components.size(); ++i) {
        const QByteArray &component = components.at(i);
        const int child = ::openat(fd, component.constData(), openFolderFlags);
        const int error = errno;
        ::close(fd);
        if (child < 0) {
            if (error == ENOENT)
                *refusal = removal(Removal::Missing);
            else if (error == ELOOP || error == ENOTDIR)
                *refusal = removal(Removal::Refused,
                    ownReason(QT_TRANSLATE_NOOP("FileUtils", "a link or a file on the way: %1"),
                        QFile::decodeName(component)));
            else
                *refusal = removal(Removal::Failed, systemReason(error));
            return -1;
        }
        fd = child;
        struct stat info;
        if (::fstat(fd, &info) != 0 || info.st_dev != root.device()) {
            ::close(fd);
            *refusal = removal(Removal::Refused,
                ownReason(
                    QT_TRANSLATE_NOOP("FileUtils", "another volume on the way: %1"), QFile::decodeName(component)));
            return -1;
        }
    }
    *name = components.last();
    return fd;
}

bool FileUtils::deleteFile(const QString &path)
{
    return removeWithParentPinned(path, Expect::File);
}

bool FileUtils::deleteDirectory(const QString &path)
{
    return removeWithParentPinned(path, Expect::Folder);
}

void FileUtils::setBeforeRemoveHook(std::function<void(const QByteArray &)> hook)
{
    beforeRemoveHook() = std::move(hook);
}

int FileUtils::openRegularFileAt(int folderFd, const QByteArray &name)
{
    struct stat before;
    if (::fstatat(folderFd, name.constData(), &before, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    if (!S_ISREG(before.st_mode)) {
        errno = S_ISLNK(before.st_mode) ? ELOOP : EINVAL;
        return -1;
    }
    const int fd = ::openat(folderFd, name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat after;
    if (::fstat(fd, &after) != 0 || !S_ISREG(after.st_mode) || after.st_dev != before.st_dev
        || after.st_ino != before.st_ino) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int FileUtils::openRegularFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (native.size() < PATH_MAX)
        return openRegularFileAt(AT_FDCWD, native);
    QByteArray name;
    const int parentFd = openParentOf(native, &name);
    if (parentFd < 0)
        return -1;
    const int fd = openRegularFileAt(parentFd, name);
    const int error = errno;
    ::close(parentFd);
    errno = error;
    return fd;
}

int FileUtils::openParentOf(const QByteArray &path, QByteArray *name)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        *name = path;
        return ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    *name = path.mid(slash + 1);
    const QByteArray folder = slash == 0 ? QByteArray("/") : path.left(slash);
    if (folder.size() < PATH_MAX)
        return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Pieces that end at a "/", each short enough for one call, each opened from the last.
    int fd = AT_FDCWD;
    qsizetype start = 0;
    while (start < folder.size()) {
        qsizetype end = folder.size();
        if (end - start >= PATH_MAX) {
            end = folder.lastIndexOf('/', start + PATH_MAX - 1);
            if (end <= start) {
                if (fd != AT_FDCWD)
                    ::close(fd);
                errno = ENAMETOOLONG;
                return -1;
            }
        }
        QByteArray piece = folder.mid(start, end - start);
        if (piece.isEmpty())
            piece = "/";
        const int next = ::openat(fd, piece.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int error = errno;
        if (fd != AT_FDCWD)
            ::close(fd);
        if (next < 0) {
            errno = error;
            return -1;
        }
        fd = next;
        start = end + 1;
    }
    return fd;
}

bool FileUtils::statEntry(const QByteArray &path, struct stat *info)
{
    if (path.size() < PATH_MAX)
        return ::lstat(path.constData(), info) == 0;
    QByteArray name;
    const int parentFd = openParentOf(path, &name);
    if (parentFd < 0)
        return false;
    const bool found = ::fstatat(parentFd, name.constData(), info, AT_SYMLINK_NOFOLLOW) == 0;
    const int error = errno;
    ::close(parentFd);
    errno = error;
    return found;
}

int FileUtils::openRegularFileOnce(const QByteArray &path, struct stat *info)
{
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    int fd = -1;
    if (path.size() < PATH_MAX) {
        fd = ::open(path.constData(), flags);
    } else {
        QByteArray name;
        const int parentFd = openParentOf(path, &name);
        if (parentFd < 0)
            return -1;
        fd = ::openat(parentFd, name.constData(), flags);
        const int error = errno;
        ::close(parentFd);
        errno = error;
    }
    if (fd < 0)
        return -1;
    if (::fstat(fd, info) != 0 || !S_ISREG(info->st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

qint64 FileUtils::readSome(int fd, char *buffer, qint64 capacity)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size_t(capacity));
        if (got >= 0)
            return qint64(got);
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            const int flags = ::fcntl(fd, F_GETFL);
            if (flags == -1 || (flags & O_NONBLOCK) == 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1)
                return -1;
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

bool FileUtils::openRegularFile(QFile &file, const QString &path)
{
    const int fd = openRegularFile(path);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool FileUtils::readRegularFile(const QString &path, qint64 maxBytes, QByteArray *contents, QString *error)
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const int fd = openRegularFile(path);
    if (fd < 0)
        return fail(errno == EINVAL ? QStringLiteral("not a regular file") : errorText(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    if (file.size() > maxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(maxBytes));
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(maxBytes));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    *contents = bytes;
    return true;
}

bool FileUtils::isRegularFileOrAbsent(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

QByteArray FileUtils::fileSystemType(int fd)
{
#if defined(__linux__)
    struct statfs info;
    if (::fstatfs(fd, &info) != 0)
        return QByteArray();
    static const struct
    {
        unsigned long magic;
        const char *name;
    } known[] = {
        { 0x9fa0, "proc" },
        { 0x62656572, "sysfs" },
        { 0x1cd1, "devpts" },
        { 0x64626720, "debugfs" },
        { 0x74726163, "tracefs" },
        { 0x73636673, "securityfs" },
        { 0x27e0eb, "cgroup" },
        { 0x63677270, "cgroup2" },
        { 0xcafe4a11, "bpf" },
        { 0x6165676c, "pstore" },
        { 0x62656570, "configfs" },
        { 0xde5e81e4, "efivarfs" },
        { 0x19800202, "mqueue" },
        { 0x42494e4d, "binfmt_misc" },
        { 0x65735543, "fusectl" },
        { 0x6e736673, "nsfs" },
        { 0x958458f6, "hugetlbfs" },
        { 0x01021994, "tmpfs" },
        { 0x858458f6, "ramfs" },
        { 0xef53, "ext4" },
        { 0x9123683e, "btrfs" },
        { 0x58465342, "xfs" },
        { 0x794c7630, "overlay" },
        { 0x65735546, "fuse" },
        { 0x6969, "nfs" },
        { 0xff534d42, "cifs" },
        { 0x4d44, "msdos" },
        { 0x2011bab0, "exfat" },
        { 0x5346544e, "ntfs" },
        { 0x9660, "iso9660" },
        { 0x73717368, "squashfs" },
    };
    const unsigned long magic = static_cast<unsigned long>(info.f_type) & 0xffffffffUL;
    for (const auto &type : known) {
        if (type.magic == magic)
            return QByteArray(type.name);
    }
    return QByteArray();
#elif defined(__APPLE__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__)
    struct statfs info;
    if (::fstatfs(fd, &info) != 0)
        return QByteArray();
    return QByteArray(info.f_fstypename);
#else
    Q_UNUSED(fd)
    return QByteArray();
#endif
}

bool FileUtils::isKernelFileSystem(int fd)
{
    static const char *const kernel[] = { "proc", "sysfs", "devfs", "devtmpfs", "devpts", "debugfs", "tracefs",
        "securityfs", "cgroup", "cgroup2", "bpf", "pstore", "configfs", "efivarfs", "mqueue", "binfmt_misc", "fusectl",
        "nsfs", "procfs", "linprocfs", "linsysfs", "fdescfs", "kernfs" };
    const QByteArray type = fileSystemType(fd);
    return !type.isEmpty()
        && std::any_of(std::begin(kernel), std::end(kernel), [&type](const char *name) { return type == name; });
}

bool FileUtils::decodeName(const QByteArray &bytes, QString *name)
{
    // Most names are plain ASCII, which every encoding of names reads the same: no round trip.
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; })) {
        *name = QString::fromLatin1(bytes);
        return true;
    }
    *name = QFile::decodeName(bytes);
    return QFile::encodeName(*name) == bytes;
}

bool FileUtils::hasDotComponent(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".")) || parts.contains(QStringLiteral(".."));
}

QString FileUtils::withoutRepeatedSlashes(const QString &path)
{
    QString cleaned;
    cleaned.reserve(path.size());
    for (const QChar c : path) {
        if (c == QLatin1Char('/') && cleaned.endsWith(QLatin1Char('/')))
            continue;
        cleaned.append(c);
    }
    if (cleaned.size() > 1 && cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1);
    return cleaned;
}

qint64 FileUtils::calculateDirSize(const QString &path, const std::function<bool()> &stop)
{
    const QString folder = withoutRepeatedSlashes(path);
    const int fd = ::open(QFile::encodeName(folder).constData(), openFolderFlags);
    if (fd < 0)
        return 0;
    SizeSum sum(stop);
    TreeWalker::walk(fd, QFile::encodeName(folder), sum);
    ::close(fd);
    return sum.total();
}

int FileUtils::descriptorsOpenOn(dev_t device, ino_t inode)
{
    int count = 0;
    const auto countIfOn = [&](int fd) {
        struct stat info;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_dev == device && info.st_ino == inode)
            ++count;
    };
    // The system lists the open descriptors in /dev/fd (on Linux a link to /proc/self/fd).
    if (DIR *listing = ::opendir("/dev/fd")) {
        const int own = ::dirfd(listing);
        while (const dirent *entry = ::readdir(listing)) {
            bool number = false;
            const int fd = QByteArray(entry->d_name).toInt(&number);
            if (number && fd != own)
                countIfOn(fd);
        }
        ::closedir(listing);
        return count;
    }
    const long limit = std::min<long>(::sysconf(_SC_OPEN_MAX), 65536);
    for (int fd = 0; fd < int(limit); ++fd)
        countIfOn(fd);
    return count;
}

qint64 FileUtils::allocatedSize(const struct stat &info)
{
    return qMin<qint64>(info.st_size, qint64(info.st_blocks) * 512);
}

qint64 FileUtils::calculateDirSize(int folderFd, const QByteArray &path, const std::function<bool()> &stop)
{
    SizeSum sum(stop);
    TreeWalker::walk(folderFd, path, sum);
    return sum.total();
}

qint64 FileUtils::getFileSize(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(withoutRepeatedSlashes(path)).constData(), &info) != 0)
        return 0;
    if (S_ISDIR(info.st_mode))
        return calculateDirSize(path);
    return allocatedSize(info);
}

QStringList FileUtils::findFiles(const QString &dir, const QStringList &nameFilters, bool recursive)
{
    QStringList found;
    QDirIterator it(dir, nameFilters, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot,
        recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

bool FileUtils::isHidden(const QString &path)
{
    return QFileInfo(path).isHidden();
}

bool FileUtils::isInside(const QString &path, const QString &root)
{
    if (path.isEmpty() || root.isEmpty())
        return false;
    const QString resolvedRoot = resolvedPath(root);
    const QString resolved = resolvedPath(path);
    if (resolved == resolvedRoot)
        return true;
    const QString prefix = resolvedRoot.endsWith(QLatin1Char('/')) ? resolvedRoot : resolvedRoot + QLatin1Char('/');
    return resolved.startsWith(prefix);
}

QString FileUtils::resolvedPath(const QString &path)
{
    const QStringList parts = pathComponents(QDir(path).absolutePath());
    // Find the longest leading part that exists; the kernel resolves links and ".." in it.
    for (int existing = parts.size(); existing >= 0; --existing) {
        const QString head = QLatin1Char('/') + parts.mid(0, existing).join(QLatin1Char('/'));
        const QString canonical = QFileInfo(head).canonicalFilePath();
        if (canonical.isEmpty())
            continue;
        const QStringList rest = parts.mid(existing);
        if (rest.isEmpty())
            return canonical;
        return QDir::cleanPath(canonical + QLatin1Char('/') + rest.join(QLatin1Char('/')));
    }
    return QDir::cleanPath(path);
}

bool FileUtils::moveToRecycleBin(const QString &)
{
    return false;
}

bool FileUtils::emptyRecycleBin()
{
    return false;
}

qint64 FileUtils::getRecycleBinSize()
{
    return 0;
}

bool FileUtils::isSystemFile(const QString &)
{
    return false;
}
