#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class PinnedRoot;

// Firefox keeps the browsing history, the download list and the bookmarks in one SQLite
// database, places.sqlite. History and downloads are cleared inside the database, so that the
// bookmarks stay.
class FirefoxPlaces final
{
public:
    struct ClearResult
    {
        bool ok = false;
        // What the database and its companion files shrank by.
        qint64 freedBytes = 0;
    };

    // Removes the visits, the typed-input history and the places no bookmark or keyword refers
    // to, then compacts the database. A database that cannot be opened, is locked or does not
    // look like a places database is left as it was, with a log line.
    //
    // Only the file that was checked is changed. It is reached from root (the pinned folder the
    // profile lies in) without following a link, must be a regular file with regular files or
    // nothing as its -wal, -shm and -journal, and is held open while SQLite opens it again by its
    // path. Before SQLite reads or writes anything, the file SQLite opened must be that one
    // (the process holds one more descriptor on its device and inode than before), and before anything is
    // written, the -wal and -shm files SQLite holds must be those beside it; a file swapped
    // or linked in meanwhile leaves everything as it was.
    static ClearResult clearHistory(const PinnedRoot &root, const QString &databasePath);
    // Removes the download list kept in the same database, as Firefox's own "Clear Downloads"
    // does: the download visits, the download details, and the places of the downloads that no
    // other visit, bookmark or keyword keeps; the places kept get their visit count and last
    // visit again. Checked, opened and compacted as clearHistory.
    static ClearResult clearDownloads(const PinnedRoot &root, const QString &databasePath);

    // The tables every places database holds; a file without them has no history to clear.
    static QStringList requiredTables();

    // Test seam: called once the database has been checked, just before SQLite opens it, so a
    // test can change the profile in between. Set it only while no clean runs; an empty function
    // removes the seam.
    static void setBeforeOpenHook(std::function<void()> hook);

    enum class Measure {
        // SQLite's page statistics where the driver's SQLite has them, else an estimate.
        PageStatistics,
        // The database's used pages shared out by the tables' row contents.
        Estimate,
    };

    // What clearHistory would free: the database with its companions less what it keeps (its
    // bookmarked places, their details, everything else), read without changing anything.
    // -1 when the file cannot be read as a places database.
    static qint64 historySize(const QString &databasePath, Measure measure = Measure::PageStatistics);
};
