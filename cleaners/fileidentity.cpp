#include "fileidentity.h"

#include "core/fileutils.h"

#include <QFile>

#include <sys/stat.h>

namespace {

qint64 nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + qint64(time.tv_nsec);
}

} // namespace

FileIdentity FileIdentity::fromStat(const struct stat &info)
{
#ifdef __APPLE__
    const struct timespec &modified = info.st_mtimespec;
    const struct timespec &changed = info.st_ctimespec;
#else
    const struct timespec &modified = info.st_mtim;
    const struct timespec &changed = info.st_ctim;
#endif
    return FileIdentity { quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size), nanoseconds(modified),
        nanoseconds(changed), FileUtils::allocatedSize(info) };
}

std::optional<FileIdentity> FileIdentity::ofRegularFile(const QString &path)
{
    struct stat info;
    if (!FileUtils::statEntry(QFile::encodeName(path), &info) || !S_ISREG(info.st_mode))
        return std::nullopt;
    return fromStat(info);
}
