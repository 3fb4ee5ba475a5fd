#pragma once

#include "duplicategroup.h"
#include "fileidentity.h"

#include "core/longjob.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

// Finds sets of identical files below the chosen folders: files are grouped by size, then by
// a digest of their first 64 KiB, then by a digest of their whole content. Each file is read
// once: a group's MD5 comes from the same read of one member as its content digest (only when
// files sharing a head split into several groups is one more member read again). Each file takes
// part once, however many of the folders, hard links or mounts of one source reach it; only
// regular files are ever opened (never a link, FIFO or device), and a name the file system
// gives in bytes that do not decode is skipped with a log line.
//
// start() runs a scan off the calling thread and returns at once; cancel() asks it to stop and
// returns at once, and scanStopped() says when it has. startScan() runs a scan synchronously on
// the calling thread (tests, bench tools). Results leave the finder one group at a time by
// signal: progress (rate-limited, counts only grow, never behind a group it covers), the groups
// largest size first, then scanFinished for a scan that was not stopped. While a large file is
// read, readProgress tells how far.
class DuplicateFinder final : public QObject
{
    Q_OBJECT

public:
    explicit DuplicateFinder(QObject *parent = nullptr);
    ~DuplicateFinder() override;

    // False (nothing started) while a scan still runs.
    bool start();
    void cancel();
    bool isRunning() const;

    void startScan();
    // The collected files by size, only the sizes at least two files have.
    QMap<qint64, QStringList> collectBySize();
    void hashAndEmit(const QMap<qint64, QStringList> &candidates);
    QByteArray quickHash(const QString &path) const;
    QByteArray fullHash(const QString &path) const;

    // The findings of one size class, handed from a hashing thread to the scanning thread.
    struct SizeClassResult;

    // Test seam: called on a hashing thread after every chunk of a file read in full.
    std::function<void(const QString &path)> afterChunkRead;

    QStringList directories;
    qint64 minSize = 102400;
    std::atomic<bool> cancelled { false };
    int scannedCount = 0;
    int totalCount = 0;
    // The folders the last scan had no permission to read (on a Mac, those Full Disk Access
    // guards), each once; complete when scanFinished comes.
    QStringList unreadableFolders;

signals:
    void scanStarted(int estimatedFiles);
    void progress(int scanned, int total, const QString &currentPath);
    void readProgress(const QString &path, qint64 bytesRead, qint64 fileSize);
    void duplicateGroupFound(const DuplicateGroup &group);
    void scanFinished(int totalGroups, qint64 totalWaste);
    // A scan run by start() has returned without finishing.
    void scanStopped();

private:
    struct HeadBucket;
    struct SizeClassBuckets;
    class ReadTracker;
    class RepresentativeReads;

    void scan();
    // Emits at once when synchronous, on the owner's thread when run by start().
    void deliver(std::function<void()> emitter);
    // Sends the quick-hash count and the largest file being read, when due or forced.
    void reportProgress(bool force);
    // Opens path for reading if it is still the regular file the walk collected; its size now
    // goes to *size.
    int openCollected(const QString &path, qint64 *size = nullptr) const;
    // Reads and digests the files of a batch of size classes; runs on a hashing thread.
    QList<SizeClassResult> analyzeSizeClasses(
        const QList<qint64> &sizes, const QMap<qint64, QStringList> &candidates) const;
    // The files of one size class in buckets of a shared head; keeps the head of each bucket's
    // representative while *headBudget allows.
    SizeClassBuckets headBuckets(qint64 size, const QStringList &paths, qint64 *headBudget) const;
    // Buckets of files sharing their head, ordered by the head's MD5.
    void orderByHeadMd5(QList<HeadBucket> &buckets) const;
    // The groups of one bucket, ordered by their MD5; the representative's content MD5 and
    // the digest of its content beyond the head are given (empty if it could not be read).
    QList<QPair<QByteArray, QStringList>> groupsOfBucket(
        qint64 size, const HeadBucket &bucket, const QByteArray &md5, const QByteArray &tail) const;
    QByteArray fastTailDigest(const QString &path) const;
    bool streamContent(const QString &path, qint64 offset, const std::function<void(const char *, qint64)> &consume) const;
    void emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths);

    int m_groupCount = 0;
    qint64 m_wasteTotal = 0;
    // What the walk saw of each collected file; read-only while the files are hashed.
    QHash<QString, FileIdentity> m_identities;
    mutable std::atomic<int> m_quickHashed { 0 };
    int m_reportedScanned = 0;
    ProgressThrottle m_throttle;
    std::unique_ptr<ReadTracker> m_reads;
    LongJob::Run *m_run = nullptr;
    LongJob m_job;
};
