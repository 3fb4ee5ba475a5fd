#pragma once

#include "duplicateremoval.h"
#include "fileidentity.h"

#include "core/longjob.h"
#include "core/pinnedroot.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

// Deletes the chosen copies of duplicate groups, but only copies that still are duplicates of
// a kept copy, and never the last copy of a group.
//
// For each group one kept copy whose identity is unchanged since the scan is held open; a kept
// copy that changed is not trusted as the original, and without one the group is left alone.
// Before every deletion the kept copy's path must still name the held, unchanged file. A copy
// whose identity is unchanged is deleted without reading it; a copy that changed is compared
// byte by byte with the held file and deleted only if identical. A copy must lie inside an
// allowed root (the scanned folders, each pinned once: FileUtils::removeUnder deletes relative
// to it, never through a link or across a mount) and still be a regular file of the group's size. After every deletion
// the held file must still have a link: if it lost its last one (the two paths were one file, through two mounts or a
// swap), it is written back from the held descriptor to the path just removed (the kept path may still show the
// vanished file), that copy counts as not deleted, and the group stops. Everything left in place is reported as failed
// with a log line; every deleted path is logged. Move to Trash goes through HomeTrash from the same pinned root, and
// only while the entry is the copy just compared; a copy the Trash refuses is left in place and reported as failed,
// never deleted instead.
//
// start() runs off the calling thread and returns at once; remove() runs synchronously. Both
// end with finished, once.
class DuplicateRemover final : public QObject
{
    Q_OBJECT

public:
    enum class Disposal {
        MoveToTrash, // the user can put the files back from the Trash
        DeletePermanently,
    };

    explicit DuplicateRemover(QObject *parent = nullptr);
    ~DuplicateRemover() override;

    // False (nothing started) while a removal still runs.
    bool start(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots,
        Disposal disposal = Disposal::DeletePermanently);
    bool isRunning() const;
    void remove(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots,
        Disposal disposal = Disposal::DeletePermanently);

    // Where the last run moved path in the Trash (the user can put it back from there); empty
    // if it did not. Valid from finished until the next run starts.
    QString trashedPath(const QString &path) const;

    // Another feature removed these paths (Removals::share); the groups the duplicate page
    // holds drop their files at or below them, told by removedElsewhere.
    void forgetRemoved(const QSet<QString> &paths);

    // Test seam: called after a copy has passed its checks, just before it is deleted.
    std::function<void(const QString &path)> beforeDelete;

signals:
    void progress(int done, int total);
    void finished(const QStringList &removed, const QStringList &failed);
    // Just before finished, when something was deleted or moved to the Trash.
    void pathsRemoved(const QSet<QString> &paths);
    void removedElsewhere(const QSet<QString> &paths);

private:
    class KeptCopy;

    // Emits pathsRemoved and finished for the run just ended.
    void announce();
    // Removes what it may; reports progress through report.
    void run(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots, Disposal disposal,
        const std::function<bool()> &isCancelled, const std::function<void(int, int)> &report);
    // Deletes the group's chosen copies, calling step once for each.
    void removeGroup(const DuplicateRemoval &removal, const QList<PinnedRoot> &roots, Disposal disposal,
        const std::function<bool()> &isCancelled, const std::function<void()> &step);
    // Deletes or trashes one copy while it is still the file compared as checked (kept is the
    // group's kept copy); false with a reason for the log.
    bool dispose(const QString &path, const QList<PinnedRoot> &roots, Disposal disposal, const FileIdentity &checked,
        const FileIdentity &kept, QString *reason);

    QStringList m_removed;
    QStringList m_failed;
    QHash<QString, QString> m_trashed;
    LongJob m_job;
};
