#include "systemutils.h"

#include <QDir>
#include <QStorageInfo>
#include <QSysInfo>

#include <unistd.h>

namespace {

SystemUtils::DiskInfo diskInfoOf(const QStorageInfo &storage)
{
    return SystemUtils::diskInfoFromFigures(storage.rootPath(), storage.name(), storage.bytesTotal(),
                                            storage.bytesFree());
}

} // namespace

SystemUtils::SystemInfo SystemUtils::getSystemInfo()
{
    SystemInfo info;
    info.productType = QSysInfo::productType();
    info.productVersion = QSysInfo::productVersion();
    info.hostName = QSysInfo::machineHostName();
    return info;
}

QList<SystemUtils::DiskInfo> SystemUtils::getDiskInfo()
{
    QList<DiskInfo> disks;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (volume.isValid() && volume.isReady())
            disks.append(diskInfoOf(volume));
    }
    return disks;
}

SystemUtils::DiskInfo SystemUtils::getDiskInfo(const QString &path)
{
    return diskInfoOf(QStorageInfo(path));
}

SystemUtils::DiskInfo SystemUtils::diskInfoFromFigures(const QString &rootPath, const QString &name,
                                                       qint64 totalBytes, qint64 freeBytes)
{
    DiskInfo disk;
    disk.rootPath = rootPath;
    disk.name = name;
    disk.totalBytes = totalBytes;
    disk.freeBytes = freeBytes;
    disk.usedBytes = totalBytes - freeBytes;
    disk.usagePercent = totalBytes > 0 ? double(disk.usedBytes) / double(totalBytes) * 100.0 : 0.0;
    return disk;
}

QString SystemUtils::getWindowsDirectory()
{
    return QString();
}

QString SystemUtils::getTempDirectory()
{
    return QDir::tempPath();
}

QString SystemUtils::getProgramFilesDirectory()
{
    return QStringLiteral("/usr");
}

bool SystemUtils::isAdmin()
{
    return ::geteuid() == 0;
}

bool SystemUtils::restartAsAdmin()
{
    return false;
}
