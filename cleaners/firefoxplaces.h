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
};
