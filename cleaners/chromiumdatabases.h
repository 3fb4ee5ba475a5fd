#pragma once

#include <QString>

// Chromium keeps records of different kinds in one SQLite database: the download list in the
// History database, the autofill entries beside saved cards, addresses and search engines in
// Web Data. Such records are cleared inside the database, which stays.
class ChromiumDatabases final
{
public:
    // The table holding the download list in History, and the one holding the autofill entries
    // in Web Data: a database without it has nothing of the kind to clear.
    static QString downloadTable();
    static QString autofillTable();
    // Removes every row of the download tables of a History database, then compacts it.
    static bool clearDownloads(const QString &historyPath);
    // Removes the autofill entries (what was typed into forms) of a Web Data database, then
    // compacts it; cards, addresses, IBANs, search engines and tokens stay.
    static bool clearAutofill(const QString &webDataPath);
};
