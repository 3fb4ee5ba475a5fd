#pragma once

#include <QString>

#include <functional>

class PinnedRoot;

// An SQLite database is its main file together with the -wal, -shm and -journal files beside
// it; they are measured and removed as one. A left-over -wal file would be replayed into a new
// database of the same name.
class SqliteFiles final
{
public:
    // Disk space the database and its companions take (allocated blocks, each file counted at
    // most at its length): what removing them gives back, also for a sparse file.
    static qint64 allocatedSize(const QString &databasePath);
    // What clear would free on disk if run on the database: it is run on a copy (the database
    // with its -wal and -journal files, read without following links) in a temporary folder, so
    // the profile is not touched, not even by a reader's -shm file. -1 when the copy cannot be
    // made or clear fails on it.
    static qint64 freedByClearing(const QString &databasePath, const std::function<bool(const QString &copy)> &clear);
    // True for a -wal, -shm or -journal file whose database lies beside it.
    static bool isCompanion(const QString &path);
    // Removes the database, then its companions, below the pinned root (FileUtils::removeUnder);
    // links are removed as links. True when none is left; a database that cannot be removed keeps
    // its companions. Every refusal or failure is logged.
    static bool remove(const PinnedRoot &root, const QString &databasePath);
    // True when the database is a regular file and each companion is one or absent (links not
    // followed): only then may SQLite open it, which would block for ever on a FIFO.
    static bool isSafeToOpen(const QString &databasePath);
};
