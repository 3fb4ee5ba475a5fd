#pragma once

#include "duplicategroup.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <atomic>

class QThreadPool;

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
    class HeadDigests;

    // Quick stage of one size class: buckets of two or more files sharing their head, keyed by
    // the head's MD5. Sets stopped when the scan was stopped inside the loop.
    QMap<QByteArray, QStringList> headBuckets(
        const QStringList &paths, HeadDigests &heads, int &nextIndex, bool &stopped);
    // Full stage and emission of one size class; false when stopped inside a per-file loop.
    bool emitSizeClass(qint64 size, const QMap<QByteArray, QStringList> &buckets, QThreadPool &pool);
    bool emitFullDigestGroups(qint64 size, const QMap<QByteArray, QStringList> &buckets, QThreadPool &pool);
    void emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths);

    int m_groupCount = 0;
    qint64 m_wasteTotal = 0;
};
