#include "sqlitefiles.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const char *const kCompanionSuffixes[] = { "-wal", "-shm", "-journal" };

} // namespace

qint64 SqliteFiles::occupiedSize(const QString &databasePath)
{
    qint64 total = FileUtils::getFileSize(databasePath);
    for (const char *suffix : kCompanionSuffixes)
        total += FileUtils::getFileSize(databasePath + QLatin1String(suffix));
    return total;
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
