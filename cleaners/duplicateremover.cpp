#include "duplicateremover.h"

#include "fileidentity.h"

#include "core/logger.h"
#include "core/fileutils.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <optional>

namespace {

constexpr qint64 ProgressIntervalMs = 100;

// The file's identity when path names a regular file (not a link) of the size and MD5 given.
std::optional<FileIdentity> matchingFile(const QString &path, qint64 size, const QString &hash)
{
    const std::optional<FileIdentity> identity = FileIdentity::ofRegularFile(path);
    if (!identity || identity->size != size)
        return std::nullopt;
    QFile file(path);
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !md5.addData(&file))
        return std::nullopt;
    if (QString::fromLatin1(md5.result().toHex()) != hash)
        return std::nullopt;
    return identity;
}

bool isAllowed(const QString &path, const QStringList &allowedRoots)
{
    return std::any_of(allowedRoots.cbegin(), allowedRoots.cend(),
        [&](const QString &root) { return FileUtils::isInside(path, root); });
}

} // namespace

DuplicateRemover::DuplicateRemover(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DuplicateRemoval>();
}

void DuplicateRemover::remove(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots)
{
    int total = 0;
    for (const DuplicateRemoval &removal : removals)
        total += int(removal.remove.size());
    QStringList removed;
    QStringList failed;
    int done = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();

    for (const DuplicateRemoval &removal : removals) {
        std::optional<FileIdentity> keeper;
        for (const QString &path : removal.keep) {
            keeper = matchingFile(path, removal.fileSize, removal.hash);
            if (keeper)
                break;
        }
        for (const QString &path : removal.remove) {
            const std::optional<FileIdentity> victim = keeper && isAllowed(path, allowedRoots)
                ? matchingFile(path, removal.fileSize, removal.hash)
                : std::nullopt;
            if (!victim || *victim == *keeper) {
                Logger::instance()->warning(
                    QStringLiteral("Not deleted, no longer a duplicate of a kept file: ") + path);
                failed.append(path);
            } else if (FileUtils::deleteFile(path)) {
                removed.append(path);
            } else {
                Logger::instance()->warning(QStringLiteral("Failed to delete: ") + path);
                failed.append(path);
            }
            ++done;
            if (sinceProgress.elapsed() >= ProgressIntervalMs || done == total) {
                emit progress(done, total);
                sinceProgress.restart();
            }
        }
    }
    emit finished(removed, failed);
}
