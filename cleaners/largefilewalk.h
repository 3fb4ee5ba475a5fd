#pragma once

#include "largefileinfo.h"

#include <QList>
#include <QStringList>

#include <functional>

// The large file finder's walk over a set of folders, on one or more threads.
//
// Lists every regular file of at least minSize bytes below the roots, and every package (a
// folder with a known package extension or holding Contents/Info.plist) whose contents reach
// minSize, as one entry that is never entered. Entries whose names start with a dot are
// skipped; other hidden flags are ignored. A walk stays on its root's volume. A link to a
// folder is followed once when its target lies outside the roots and outside every folder
// already reached through a link, which also cuts loops; a link to a file is never listed (its
// target is listed where the walk finds it). A file reached by two paths (hard links, links,
// overlapping roots) is listed once. Files whose paths hold an excluded fragment
// ("$Recycle.Bin" and the like) are counted as visited but never listed.
//
// No file is opened; directories are opened relative to their parent, so any depth works with
// a bounded number of descriptors. Memory grows with what is found, not with what is walked.
class LargeFileWalk final
{
public:
    struct Outcome
    {
        // Largest first.
        QList<LargeFileInfo> files;
        // Folders that exist but could not be read (permissions, privacy protection).
        QStringList unreadableFolders;
        int unreadableCount = 0;
        int visitedCount = 0;
    };
    // Called now and then from a walking thread, never two at a time.
    using Progress = std::function<void(const QString &folder, int foundCount, qint64 foundBytes)>;

    static constexpr int MaxReportedUnreadable = 100;

    LargeFileWalk(qint64 minSize, std::function<bool()> stopRequested);

    void setProgress(Progress progress);
    void setThreadCount(int threads);
    Outcome run(const QStringList &roots);

    // Category of a lower-cased extension.
    static QString fileType(const QString &extension);
    static bool isPackageName(const char *name);

private:
    class Walker;

    qint64 m_minSize;
    std::function<bool()> m_stopRequested;
    Progress m_progress;
    int m_threads = 1;
};
