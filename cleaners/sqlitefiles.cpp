#include "sqlitefiles.h"

#include "core/fileutils.h"

#include <QFileInfo>

namespace {

const char *const kCompanionSuffixes[] = { "-wal", "-shm", "-journal" };

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

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

bool SqliteFiles::remove(const QString &databasePath)
{
    if (!FileUtils::deleteFile(databasePath))
        return false;
    bool removed = true;
    for (const char *suffix : kCompanionSuffixes) {
        const QString companion = databasePath + QLatin1String(suffix);
        if (exists(companion) && !FileUtils::deleteFile(companion))
            removed = false;
    }
    return removed;
}
