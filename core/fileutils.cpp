#include "fileutils.h"

#include "cleanitem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fts.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

using InodeKey = std::pair<dev_t, ino_t>;

QString withoutTrailingSlashes(const QString &path)
{
    QString cleaned = path;
    while (cleaned.size() > 1 && cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1);
    return cleaned;
}

bool lstatPath(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

// Removes everything inside the open folder dirFd. The folder's entries are opened relative to
// it with O_NOFOLLOW, so a folder swapped for a link while this runs is never entered.
bool removeContents(int dirFd)
{
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return false;
    }
    bool ok = true;
    QList<QByteArray> names;
    while (dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    for (const QByteArray &name : std::as_const(names)) {
        struct stat info;
        if (::fstatat(dirFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            if (::unlinkat(dirFd, name.constData(), 0) != 0 && errno != ENOENT)
                ok = false;
            continue;
        }
        const int childFd = ::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (childFd < 0) {
            ok = false;
            continue;
        }
        if (!removeContents(childFd))
            ok = false;
        if (::unlinkat(dirFd, name.constData(), AT_REMOVEDIR) != 0)
            ok = false;
    }
    ::closedir(dir);
    return ok;
}

QStringList pathComponents(const QString &absolutePath)
{
    return absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

qint64 FileUtils::calculateDirSize(const QString &path, const std::function<bool()> &stop)
{
    const QByteArray root = QFile::encodeName(withoutTrailingSlashes(path));
    char *roots[] = {const_cast<char *>(root.constData()), nullptr};
    FTS *tree = ::fts_open(roots, FTS_PHYSICAL | FTS_NOCHDIR, nullptr);
    if (!tree)
        return 0;
    qint64 total = 0;
    QSet<InodeKey> linkedSeen;
    while (FTSENT *entry = ::fts_read(tree)) {
        if (stop && stop())
            break;
        if (entry->fts_info != FTS_F)
            continue;
        const struct stat *info = entry->fts_statp;
        if (info->st_nlink > 1) {
            const InodeKey key{info->st_dev, info->st_ino};
            if (linkedSeen.contains(key))
                continue;
            linkedSeen.insert(key);
        }
        total += info->st_size;
    }
    ::fts_close(tree);
    return total;
}

qint64 FileUtils::getFileSize(const QString &path)
{
    struct stat info;
    if (!lstatPath(withoutTrailingSlashes(path), &info))
        return 0;
    if (S_ISDIR(info.st_mode))
        return calculateDirSize(path);
    return info.st_size;
}

bool FileUtils::deleteFile(const QString &path)
{
    const QString target = withoutTrailingSlashes(path);
    struct stat info;
    if (!lstatPath(target, &info) || S_ISDIR(info.st_mode))
        return false;
    return ::unlink(QFile::encodeName(target).constData()) == 0;
}

bool FileUtils::deleteDirectory(const QString &path)
{
    const QString target = withoutTrailingSlashes(path);
    if (target.isEmpty() || target == QLatin1String("/"))
        return false;
    struct stat info;
    if (!lstatPath(target, &info))
        return false;
    if (S_ISLNK(info.st_mode))
        return ::unlink(QFile::encodeName(target).constData()) == 0;
    if (!S_ISDIR(info.st_mode))
        return false;

    const QFileInfo entry(target);
    const QByteArray parent = QFile::encodeName(entry.absolutePath());
    const QByteArray name = QFile::encodeName(entry.fileName());
    const int parentFd = ::open(parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return false;
    bool ok = false;
    const int dirFd = ::openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd >= 0) {
        const bool contentsRemoved = removeContents(dirFd);
        ok = ::unlinkat(parentFd, name.constData(), AT_REMOVEDIR) == 0 && contentsRemoved;
    }
    ::close(parentFd);
    return ok;
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

QString FileUtils::formatSize(qint64 bytes)
{
    return CleanItem::formatSize(bytes);
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
