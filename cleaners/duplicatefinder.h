#pragma once

#include "duplicategroup.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <atomic>

// Finds sets of identical files below the chosen folders: files are grouped by size, then by
// a digest of their first 64 KiB, then by a digest of their whole content. A scan runs
// synchronously on the calling thread; groups leave the finder one at a time by signal.
// Each file takes part once, however many of the folders or hard links reach it.
class DuplicateFinder final : public QObject
{
    Q_OBJECT

public:
    explicit DuplicateFinder(QObject *parent = nullptr);

    void startScan();
    QMap<qint64, QStringList> collectBySize();
    void hashAndEmit(const QMap<qint64, QStringList> &candidates);
    QByteArray quickHash(const QString &path) const;
    QByteArray fullHash(const QString &path) const;

    // The findings of one size class, handed from a hashing thread to the scanning thread.
    struct SizeClassResult;

    QStringList directories;
    qint64 minSize = 102400;
    std::atomic<bool> cancelled { false };
    int scannedCount = 0;
    int totalCount = 0;

signals:
    void scanStarted(int estimatedFiles);
    void progress(int scanned, int total, const QString &currentPath);
    void duplicateGroupFound(const DuplicateGroup &group);
    void scanFinished(int totalGroups, qint64 totalWaste);

private:
    struct SizeClassGroups;

    // Reads and digests the files of a batch of size classes; runs on a hashing thread.
    QList<SizeClassResult> analyzeSizeClasses(
        const QList<qint64> &sizes, const QMap<qint64, QStringList> &candidates) const;
    // The files of one size class that share their content, in head buckets.
    SizeClassGroups groupsOfSizeClass(qint64 size, const QStringList &paths) const;
    // Buckets of files sharing their head, ordered by the head's MD5.
    QList<QStringList> orderByHeadMd5(const QList<QStringList> &buckets) const;
    // Splits a bucket of files sharing their head by content; sets stopped when stopped.
    QList<QStringList> sameContent(const QStringList &bucket, bool *stopped) const;
    void emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths);

    int m_groupCount = 0;
    qint64 m_wasteTotal = 0;
};
