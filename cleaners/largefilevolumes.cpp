#include "largefilevolumes.h"

#include <QStorageInfo>

#include <algorithm>

namespace {

const QString dataVolume = QStringLiteral("/System/Volumes/Data");

bool isPseudoFileSystem(const QByteArray &type)
{
    static const char *const pseudo[] = { "devfs", "autofs", "nullfs", "proc", "sysfs", "devtmpfs", "tmpfs", "devpts",
        "cgroup", "cgroup2", "mqueue", "securityfs", "debugfs", "tracefs", "fusectl", "configfs", "pstore", "bpf",
        "hugetlbfs", "binfmt_misc", "nsfs", "efivarfs", "ramfs", "rpc_pipefs" };
    return std::any_of(std::begin(pseudo), std::end(pseudo), [&type](const char *name) { return type == name; });
}

// Folders whose mounts belong to the system, not to the user.
bool isSystemMountPoint(const QString &root)
{
    static const QString prefixes[] = { QStringLiteral("/System/Volumes/"), QStringLiteral("/private/var/vm"),
        QStringLiteral("/dev"), QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/run"),
        QStringLiteral("/boot"), QStringLiteral("/snap/") };
    return std::any_of(std::begin(prefixes), std::end(prefixes), [&root](const QString &prefix) {
        return root == prefix
            || root.startsWith(prefix.endsWith(QLatin1Char('/')) ? prefix : prefix + QLatin1Char('/'));
    });
}

} // namespace

QList<LargeFileVolumes::Mount> LargeFileVolumes::mounted()
{
    QList<Mount> mounts;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid())
            continue;
        mounts.append(Mount { storage.rootPath(), storage.displayName(), storage.fileSystemType(), storage.bytesTotal(),
            storage.bytesFree(), storage.isReady() });
    }
    return mounts;
}

QList<LargeFileVolume> LargeFileVolumes::browsable(const QList<Mount> &mounts)
{
    const bool haveDataVolume
        = std::any_of(mounts.cbegin(), mounts.cend(), [](const Mount &mount) { return mount.rootPath == dataVolume; });
    QList<LargeFileVolume> volumes;
    for (const Mount &mount : mounts) {
        if (!mount.ready || mount.total < 1 || isPseudoFileSystem(mount.fileSystemType)
            || isSystemMountPoint(mount.rootPath))
            continue;
        if (std::any_of(volumes.cbegin(), volumes.cend(),
                [&mount](const LargeFileVolume &volume) { return volume.rootPath == mount.rootPath; }))
            continue;
        LargeFileVolume volume;
        volume.rootPath = mount.rootPath;
        volume.walkPath = mount.rootPath == QLatin1String("/") && haveDataVolume ? dataVolume : mount.rootPath;
        volume.name = mount.name;
        volume.total = mount.total;
        volume.free = mount.free;
        volumes.append(volume);
    }
    return volumes;
}
