#include "sqlitefiles.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const char *const kCompanionSuffixes[] = { "-wal", "-shm", "-journal" };

} // namespace

namespace {

// The blocks a regular file takes on disk; nothing for anything else.
qint64 allocatedBytes(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    return FileUtils::allocatedSize(info);
}

// Copies a regular file (never through a link) to target; true when absent or copied whole.
bool copyIfPresent(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isSymLink() && !QFileInfo::exists(source))
        return true;
    QFile in;
    if (!FileUtils::openRegularFile(in, source))
        return false;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[65536];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (out.write(buffer, got) != got)
            return false;
    }
}

} // namespace

qint64 SqliteFiles::allocatedSize(const QString &databasePath)
{
    qint64 total = allocatedBytes(databasePath);
    for (const char *suffix : kCompanionSuffixes)
        total += allocatedBytes(databasePath + QLatin1String(suffix));
    return total;
}

qint64 SqliteFiles::freedByClearing(const QString &databasePath, const std::function<bool(const QString &copy)> &clear)
{
    if (!isSafeToOpen(databasePath))
        return -1;
    QTemporaryDir folder;
    if (!folder.isValid())
        return -1;
    const QString copy = folder.filePath(QFileInfo(databasePath).fileName());
    // The -shm file is only an index of the -wal file that SQLite rebuilds; the others hold data.
    for (const char *suffix : { "", "-wal", "-journal" }) {
        if (!copyIfPresent(databasePath + QLatin1String(suffix), copy + QLatin1String(suffix)))
            return -1;
    }
    const qint64 before = allocatedSize(databasePath);
    if (!clear(copy))
        return -1;
    return qMax<qint64>(0, before - allocatedSize(copy));
}

bool SqliteFiles::isCompanion(const QString &path)
{
    for (const char *suffix : kCompanionSuffixes) {
        const QLatin1String ending(suffix);
        if (path.endsWith(ending) && QFileInfo(path.chopped(ending.size())).isFile())
            return true;
    }
    return false;
}

bool SqliteFiles::remove(const PinnedRoot &root, const QString &databasePath)
{
    const FileUtils::Removal database = FileUtils::removeUnder(root, databasePath, FileUtils::Expect::File);
    if (!database.removed()) {
        if (!database.reason.isEmpty())
            Logger::instance()->warning(QStringLiteral("Cannot remove %1: %2").arg(databasePath, database.reason));
        return false;
    }
    bool removed = true;
    for (const char *suffix : kCompanionSuffixes) {
        const QString companion = databasePath + QLatin1String(suffix);
        const FileUtils::Removal removal = FileUtils::removeUnder(root, companion, FileUtils::Expect::File);
        if (removal.removed() || removal.status == FileUtils::Removal::Missing)
            continue;
        Logger::instance()->warning(QStringLiteral("Cannot remove %1: %2").arg(companion, removal.reason));
        removed = false;
    }
    return removed;
}

bool SqliteFiles::isSafeToOpen(const QString &databasePath)
{
    struct stat info;
    if (::lstat(QFile::encodeName(databasePath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    for (const char *suffix : kCompanionSuffixes) {
        if (!FileUtils::isRegularFileOrAbsent(databasePath + QLatin1String(suffix)))
            return false;
    }
    return true;
}
