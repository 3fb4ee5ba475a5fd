#include "duplicatefinder.h"

#include "app/logger.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <sys/stat.h>

namespace {

constexpr qint64 QuickHashBytes = 65536;
constexpr qint64 FullHashChunkBytes = 1048576;

const QStringList &skippedPrefixes()
{
    static const QStringList prefixes {
        QStringLiteral("/proc"),
        QStringLiteral("/sys"),
        QStringLiteral("/dev"),
        QStringLiteral("/.Trash"),
        QStringLiteral("/.Spotlight-V100"),
        QStringLiteral("/System/Volumes/Data/.Spotlight-V100"),
    };
    return prefixes;
}

bool isSkipped(const QString &path)
{
    const QStringList &prefixes = skippedPrefixes();
    return std::any_of(
        prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) { return path.startsWith(prefix); });
}

// Identity of a file on disk: two paths with the same identity are the same file.
struct FileIdentity
{
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

size_t qHash(const FileIdentity &id, size_t seed = 0)
{
    return qHashMulti(seed, quint64(id.device), quint64(id.inode));
}

} // namespace

DuplicateFinder::DuplicateFinder(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DuplicateGroup>();
}

void DuplicateFinder::startScan()
{
    cancelled = false;
    scannedCount = 0;
    totalCount = 0;
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: scan start, dirs=") + directories.join(QStringLiteral(", ")));

    const QMap<qint64, QStringList> bySize = collectBySize();
    QMap<qint64, QStringList> candidates;
    for (auto it = bySize.cbegin(); it != bySize.cend(); ++it) {
        if (it.value().size() >= 2) {
            candidates.insert(it.key(), it.value());
            totalCount += int(it.value().size());
        }
    }
    emit scanStarted(totalCount);
    hashAndEmit(candidates);
}

QMap<qint64, QStringList> DuplicateFinder::collectBySize()
{
    QMap<qint64, QStringList> bySize;
    QSet<FileIdentity> seen;
    for (const QString &directory : std::as_const(directories)) {
        if (cancelled)
            break;
        const QString root = QDir::cleanPath(directory);
        if (!QFileInfo(root).isDir())
            continue;
        QDirIterator it(
            root, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (!cancelled && it.hasNext()) {
            const QString path = it.next();
            if (isSkipped(path))
                continue;
            struct stat info;
            if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            if (info.st_size < minSize)
                continue;
            const FileIdentity id { info.st_dev, info.st_ino };
            if (seen.contains(id))
                continue;
            seen.insert(id);
            bySize[info.st_size].append(path);
        }
    }
    return bySize;
}

void DuplicateFinder::hashAndEmit(const QMap<qint64, QStringList> &candidates)
{
    int groupCount = 0;
    qint64 wasteTotal = 0;
    QList<qint64> sizes = candidates.keys();
    std::sort(sizes.begin(), sizes.end(), std::greater<qint64>());

    for (const qint64 size : std::as_const(sizes)) {
        if (cancelled)
            break;
        QMap<QByteArray, QStringList> byQuickDigest;
        for (const QString &path : candidates.value(size)) {
            if (cancelled)
                return;
            const QByteArray digest = quickHash(path);
            if (!digest.isEmpty())
                byQuickDigest[digest].append(path);
            ++scannedCount;
            emit progress(scannedCount, totalCount, path);
        }
        for (const QStringList &bucket : std::as_const(byQuickDigest)) {
            if (cancelled)
                break;
            if (bucket.size() < 2)
                continue;
            QMap<QByteArray, QStringList> byFullDigest;
            for (const QString &path : bucket) {
                const QByteArray digest = fullHash(path);
                if (cancelled)
                    return;
                if (!digest.isEmpty())
                    byFullDigest[digest].append(path);
            }
            for (auto it = byFullDigest.cbegin(); it != byFullDigest.cend() && !cancelled; ++it) {
                if (it.value().size() < 2)
                    continue;
                DuplicateGroup group;
                group.hash = QString::fromLatin1(it.key().toHex());
                group.fileSize = size;
                for (const QString &path : it.value())
                    group.files.append(DuplicateFile { path, size, QFileInfo(path).lastModified() });
                emit duplicateGroupFound(group);
                ++groupCount;
                wasteTotal += qMax<qint64>(group.files.size() - 1, 0) * size;
            }
        }
    }

    if (!cancelled)
        emit scanFinished(groupCount, wasteTotal);
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: %1 groups, wasted %2 bytes").arg(groupCount).arg(wasteTotal));
}

QByteArray DuplicateFinder::quickHash(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.read(QuickHashBytes), QCryptographicHash::Md5);
}

QByteArray DuplicateFinder::fullHash(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash md5(QCryptographicHash::Md5);
    QByteArray chunk(FullHashChunkBytes, Qt::Uninitialized);
    for (;;) {
        if (cancelled)
            return {};
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        md5.addData(QByteArrayView(chunk.constData(), got));
    }
    return cancelled ? QByteArray() : md5.result();
}
