#pragma once

#include <QString>

// Firefox keeps the browsing history and the bookmarks in one SQLite database, places.sqlite.
// Its history is cleared inside the database, so that the bookmarks stay.
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
    static ClearResult clearHistory(const QString &databasePath);

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
