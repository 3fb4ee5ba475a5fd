#include "largefilescanner.h"

#include "largefilewalk.h"

#include "core/cleanitem.h"
#include "core/fileutils.h"
#include "core/hometrash.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "core/removals.h"

#include <QCoreApplication>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <memory>
#include <utility>

#include <sys/stat.h>

namespace {

struct Target
{
    QByteArray entry;
    QString path; // as shown, for the log and the lists of what went
    qint64 localSize = 0;
    bool isPackage = false;
    FileIdentity identity;
    QByteArray rootPath;
    QByteArray rootTarget;
};

QByteArray pathUnderRoot(const Target &target)
{
    return LargeFileInfo::underRoot(target.entry, target.rootPath, target.rootTarget);
}

// The entry found is still what the scan listed: the same regular file, unchanged, or the same
// package folder.
FileUtils::EntryCheck sameEntry(const Target &target)
{
    return [target](const struct stat &info) {
        const FileIdentity now = FileIdentity::fromStat(info);
        if (target.isPackage)
            return S_ISDIR(info.st_mode) && now == target.identity;
        return S_ISREG(info.st_mode) && now.isUnchangedSince(target.identity);
    };
}

// The roots deletions reach their entries from, pinned once per deletion request. A root whose
// path is not text that names the same bytes is never opened by a lookalike.
class Roots final
{
public:
    const PinnedRoot &of(const Target &target)
    {
        auto found = m_roots.constFind(target.rootTarget);
        if (found == m_roots.cend()) {
            QString folder;
            found = m_roots.insert(target.rootTarget,
                FileUtils::decodeName(target.rootTarget, &folder) ? PinnedRoot::open(folder, folder) : PinnedRoot());
        }
        return *found;
    }

private:
    QHash<QByteArray, PinnedRoot> m_roots;
};

QString changedReason()
{
    return QCoreApplication::translate("LargeFileScanner", "It changed since the scan");
}

} // namespace

LargeFileScanner::LargeFileScanner(QObject *parent)
    : QObject(parent)
    , m_threads(std::clamp(QThread::idealThreadCount(), 1, 4))
{
    qRegisterMetaType<LargeFileInfo>();
    qRegisterMetaType<LargeFileDeletion>();
}

LargeFileScanner::~LargeFileScanner() = default;

void LargeFileScanner::setMinFileSize(qint64 bytes)
{
    m_minFileSize = bytes;
}

qint64 LargeFileScanner::minFileSize() const
{
    return m_minFileSize;
}

void LargeFileScanner::setDrives(const QStringList &folders)
{
    m_drives = folders;
}

QStringList LargeFileScanner::drives() const
{
    return m_drives;
}

void LargeFileScanner::setThreadCount(int threads)
{
    m_threads = std::max(1, threads);
}

void LargeFileScanner::startScan()
{
    if (m_scanning || m_deleting)
        return;
    m_scanning = true;
    m_results.clear();
    m_totalSize = 0;
    m_visitedCount = 0;
    m_unreadableFolders.clear();
    m_unreadableCount = 0;
    emit scanStarted();

    auto outcome = std::make_shared<LargeFileWalk::Outcome>();
    const QStringList drives = m_drives;
    const qint64 minSize = m_minFileSize;
    const int threads = m_threads;
    m_job.start(
        [this, outcome, drives, minSize, threads](LongJob::Run &run) {
            Logger::instance()->info(
                QStringLiteral("Starting large file scan, min size: %1 MB").arg(minSize / 1048576));
            LargeFileWalk walk(minSize, [&run] { return run.isCancelled(); });
            walk.setThreadCount(threads);
            walk.setProgress([this, &run](const QString &folder, int found, qint64 bytes) {
                run.report([this, folder, found, bytes] { emit scanProgress(0, folder, found, bytes); }, true);
            });
            for (const QString &drive : drives)
                Logger::instance()->info(QStringLiteral("Scanning drive: %1").arg(drive));
            *outcome = walk.run(drives);
            if (run.isCancelled()) {
                Logger::instance()->info(QStringLiteral("Large file scan cancelled"));
                return;
            }
            qint64 total = 0;
            for (const LargeFileInfo &file : std::as_const(outcome->files))
                total += file.localSize();
            Logger::instance()->info(QStringLiteral("Scan completed. Found %1 files, total size: %2")
                                         .arg(outcome->files.size())
                                         .arg(CleanItem::logSize(total)));
            if (outcome->unreadableCount > 0)
                Logger::instance()->warning(
                    QStringLiteral("Large file scan could not read %1 folders").arg(outcome->unreadableCount));
        },
        [this, outcome](bool cancelled) {
            m_scanning = false;
            if (cancelled) {
                dropForgotten();
                return;
            }
            m_results = std::move(outcome->files);
            m_totalSize = 0;
            for (const LargeFileInfo &file : std::as_const(m_results))
                m_totalSize += file.localSize();
            m_visitedCount = outcome->visitedCount;
            m_unreadableFolders = outcome->unreadableFolders;
            m_unreadableCount = outcome->unreadableCount;
            dropForgotten();
            emit scanFinished(int(m_results.size()), m_totalSize);
        });
}

void LargeFileScanner::cancel()
{
    m_job.cancel();
    m_scanning = false;
}

bool LargeFileScanner::isScanning() const
{
    return m_scanning;
}

bool LargeFileScanner::isDeleting() const
{
    return m_deleting;
}

QList<LargeFileInfo> LargeFileScanner::getResults() const
{
    return m_results;
}

int LargeFileScanner::resultCount() const
{
    return int(m_results.size());
}

qint64 LargeFileScanner::totalSize() const
{
    return m_totalSize;
}

int LargeFileScanner::visitedCount() const
{
    return m_visitedCount;
}

QStringList LargeFileScanner::unreadableFolders() const
{
    return m_unreadableFolders;
}

int LargeFileScanner::unreadableCount() const
{
    return m_unreadableCount;
}

bool LargeFileScanner::deleteFiles(const QStringList &paths, DeleteMode mode)
{
    // A shown path names the one result that shows it; several results showing one path (names
    // whose bytes do not decode) name none of them.
    QHash<QString, QByteArray> byPath;
    QSet<QString> ambiguous;
    for (const LargeFileInfo &file : std::as_const(m_results)) {
        if (byPath.contains(file.path))
            ambiguous.insert(file.path);
        byPath.insert(file.path, file.entry());
    }
    QList<QByteArray> entries;
    for (const QString &path : paths)
        entries.append(ambiguous.contains(path) ? QByteArray() : byPath.value(path));
    return deleteEntries(entries, mode, paths);
}

bool LargeFileScanner::deleteEntries(const QList<QByteArray> &entries, DeleteMode mode)
{
    QStringList shown;
    for (const QByteArray &entry : entries)
        shown.append(QFile::decodeName(entry));
    return deleteEntries(entries, mode, shown);
}

bool LargeFileScanner::deleteEntries(const QList<QByteArray> &entries, DeleteMode mode, const QStringList &shown)
{
    if (m_scanning || m_deleting)
        return false;
    m_deleting = true;

    QHash<QByteArray, Target> targets;
    for (const LargeFileInfo &file : std::as_const(m_results))
        targets.insert(file.entry(),
            Target { file.entry(), file.path, file.localSize(), file.isPackage, file.identity, file.rootPath,
                file.rootTarget });
    auto deletion = std::make_shared<LargeFileDeletion>();
    deletion->toTrash = mode == DeleteMode::MoveToTrash;
    m_job.start(
        [this, entries, shown, targets, deletion](LongJob::Run &run) {
            const int total = int(entries.size());
            Roots roots;
            for (int i = 0; i < total && !run.isCancelled(); ++i) {
                const QString &path = shown.at(i);
                QString reason;
                const auto target = entries.at(i).isEmpty() ? targets.cend() : targets.constFind(entries.at(i));
                const PinnedRoot *root = target == targets.cend() ? nullptr : &roots.of(*target);
                if (!root) {
                    reason = QCoreApplication::translate("LargeFileScanner", "It is not among the results of the scan");
                } else if (!root->isOpen()) {
                    reason = changedReason();
                    Logger::instance()->warning(
                        QStringLiteral("Its scanned folder cannot be reached (%1): %2").arg(root->reason(), path));
                } else if (deletion->toTrash) {
                    const HomeTrash::Outcome moved
                        = HomeTrash::moveUnder(*root, pathUnderRoot(*target), sameEntry(*target));
                    const bool changed
                        = moved.status == HomeTrash::Outcome::Missing || moved.status == HomeTrash::Outcome::Refused;
                    if (moved.moved()) {
                        Logger::instance()->info(QStringLiteral("Moved to Trash: %1").arg(path));
                        deletion->trashedBytes += target->localSize;
                    } else {
                        if (changed)
                            Logger::instance()->warning(
                                QStringLiteral("Not moved to the Trash (%1): %2").arg(moved.reason, path));
                        reason = changed ? changedReason() : moved.shownReason;
                    }
                } else {
                    const FileUtils::Removal removal = FileUtils::removeUnder(*root, pathUnderRoot(*target),
                        target->isPackage ? FileUtils::Expect::Folder : FileUtils::Expect::File, sameEntry(*target));
                    if (removal.removed()) {
                        Logger::instance()->info(QStringLiteral("Deleted file: %1").arg(path));
                        deletion->freedBytes += target->localSize;
                    } else if (removal.status == FileUtils::Removal::Refused) {
                        reason = changedReason();
                        Logger::instance()->warning(QStringLiteral("Not deleted (%1): %2").arg(removal.reason, path));
                    } else {
                        reason = removal.status == FileUtils::Removal::Missing ? changedReason() : removal.shownReason;
                    }
                }
                if (reason.isEmpty()) {
                    deletion->removed.append(path);
                    deletion->removedEntries.append(target->entry);
                } else {
                    Logger::instance()->error(QStringLiteral("Failed to delete file: %1 (%2)").arg(path, reason));
                    deletion->failed.append(path);
                    deletion->failedEntries.append(entries.at(i));
                    deletion->failureReasons.append(reason);
                }
                run.report([this, i, total] { emit deleteProgress(i + 1, total); }, i + 1 == total);
            }
        },
        [this, deletion](bool) {
            m_deleting = false;
            const QSet<QString> removed = applyDeletion(*deletion);
            dropForgotten();
            if (!removed.isEmpty())
                emit pathsRemoved(removed);
            emit deleteFinished(*deletion);
        });
    return true;
}

QSet<QString> LargeFileScanner::applyDeletion(const LargeFileDeletion &deletion)
{
    const QSet<QByteArray> listed(deletion.removedEntries.cbegin(), deletion.removedEntries.cend());
    QSet<QString> removed(deletion.removed.cbegin(), deletion.removed.cend());
    m_results.erase(std::remove_if(m_results.begin(), m_results.end(),
                        [&](const LargeFileInfo &file) {
                            if (!listed.contains(file.entry()))
                                return false;
                            m_totalSize -= file.localSize();
                            removed.insert(file.realPath());
                            return true;
                        }),
        m_results.end());
    return removed;
}

void LargeFileScanner::forgetRemoved(const QSet<QString> &paths)
{
    if (m_job.isBusy()) {
        m_forgotten.unite(paths);
        return;
    }
    const QStringList dropped = drop(paths);
    if (!dropped.isEmpty())
        emit resultsForgotten(dropped);
}

void LargeFileScanner::dropForgotten()
{
    if (m_forgotten.isEmpty())
        return;
    const QStringList dropped = drop(std::exchange(m_forgotten, {}));
    if (!dropped.isEmpty())
        emit resultsForgotten(dropped);
}

QStringList LargeFileScanner::drop(const QSet<QString> &removed)
{
    QStringList dropped;
    m_results.erase(std::remove_if(m_results.begin(), m_results.end(),
                        [&](const LargeFileInfo &file) {
                            if (!Removals::covers(removed, file.path) && !Removals::covers(removed, file.realPath()))
                                return false;
                            m_totalSize -= file.localSize();
                            dropped.append(file.path);
                            return true;
                        }),
        m_results.end());
    return dropped;
}

QString LargeFileScanner::getFileType(const QString &extension)
{
    return LargeFileWalk::fileType(extension);
}
