#pragma once

#include "largefileinfo.h"

#include "core/longjob.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

// What one deletion request did: the entries removed or moved to the Trash, the ones that
// failed with the reason, and the bytes freed now or waiting in the Trash.
struct LargeFileDeletion
{
    // As shown; the entries (LargeFileInfo::entry) alongside, one per path.
    QStringList removed;
    QList<QByteArray> removedEntries;
    QStringList failed;
    QList<QByteArray> failedEntries; // empty for a path that named no single result
    QStringList failureReasons; // one per failed path
    qint64 freedBytes = 0;
    qint64 trashedBytes = 0;
    bool toTrash = false;
};

Q_DECLARE_METATYPE(LargeFileDeletion)

// Finds the files (and packages) of at least a minimum size below a list of folders, and
// deletes or trashes the ones the user picks.
//
// Scans and deletions are long work on the scanner's own worker (LongJob): startScan() and
// deleteFiles() return at once. cancel() returns at once too; a cancelled scan emits no
// scanFinished, and a scan started after a cancel waits off the interface thread for the old
// walk to end. Only one scan or deletion is accepted at a time: startScan() during a scan or a
// deletion is ignored, and so is deleteFiles() during either. The results (largest first) and
// their totals belong to the interface thread: they are replaced when a scan finishes and
// follow every deletion. Destruction stops the worker and waits for it.
class LargeFileScanner final : public QObject
{
    Q_OBJECT

public:
    enum class DeleteMode { MoveToTrash, Permanently };
    Q_ENUM(DeleteMode)

    static constexpr qint64 DefaultMinFileSize = 104857600;

    explicit LargeFileScanner(QObject *parent = nullptr);
    ~LargeFileScanner() override;

    void setMinFileSize(qint64 bytes);
    qint64 minFileSize() const;
    void setDrives(const QStringList &folders);
    QStringList drives() const;
    // Number of walking threads; by default as many as the processor has cores, at most four.
    void setThreadCount(int threads);

    void startScan();
    void cancel();
    bool isScanning() const;
    bool isDeleting() const;

    QList<LargeFileInfo> getResults() const;
    int resultCount() const;
    // Bytes the results take on this Mac (files only in iCloud count nothing).
    qint64 totalSize() const;
    // Regular files the last finished scan listed, excluded ones included.
    int visitedCount() const;
    // Folders the last finished scan could not read (at most LargeFileWalk::MaxReportedUnreadable
    // named), and how many there were in all.
    QStringList unreadableFolders() const;
    int unreadableCount() const;

    // Deletes or trashes these results (LargeFileInfo::entry) in order, going on after a failure;
    // false (and nothing happens) while a scan or a deletion runs. Entries that are not among the
    // results are refused.
    bool deleteEntries(const QList<QByteArray> &entries, DeleteMode mode);
    // The same by the paths shown; a path that several results show (their names differ only in
    // bytes that do not decode) is refused, never taken for one of them.
    bool deleteFiles(const QStringList &paths, DeleteMode mode);

    // Another feature removed these paths (Removals::share): the results at or below them leave
    // (also an entry a folder link led to, by where it really lay), the totals follow, and
    // resultsForgotten names them. While a scan or a deletion runs they wait for its end and go
    // before its final signal.
    void forgetRemoved(const QSet<QString> &paths);

    // Category of an already lower-cased extension: "video", "audio", "archive", "image",
    // "document" or "other".
    static QString getFileType(const QString &extension);

signals:
    void scanStarted();
    void scanProgress(int percent, const QString &currentPath, int foundCount, qint64 totalSize);
    void scanFinished(int totalFound, qint64 totalSize);
    void deleteProgress(int done, int total);
    void deleteFinished(const LargeFileDeletion &deletion);
    // After a deletion that removed or trashed something, just before deleteFinished: the
    // entries' listed paths and where they really lay.
    void pathsRemoved(const QSet<QString> &paths);
    // Results left because another feature removed them (forgetRemoved).
    void resultsForgotten(const QStringList &paths);

private:
    bool deleteEntries(const QList<QByteArray> &entries, DeleteMode mode, const QStringList &shown);
    // Takes the removed entries out of the results; returns their listed and real paths.
    QSet<QString> applyDeletion(const LargeFileDeletion &deletion);
    void dropForgotten();
    // Takes the results at or below removed out; returns their paths.
    QStringList drop(const QSet<QString> &removed);

    QStringList m_drives;
    qint64 m_minFileSize = DefaultMinFileSize;
    int m_threads;
    bool m_scanning = false;
    bool m_deleting = false;
    QList<LargeFileInfo> m_results;
    qint64 m_totalSize = 0;
    int m_visitedCount = 0;
    QStringList m_unreadableFolders;
    int m_unreadableCount = 0;
    // Paths another feature removed while a job of this scanner ran (forgetRemoved).
    QSet<QString> m_forgotten;
    LongJob m_job;
};
