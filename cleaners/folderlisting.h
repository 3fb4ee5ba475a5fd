#pragma once

#include "core/cleanitem.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>

// Lists the regular, non-hidden files below folders with a POSIX walk (openat/readdir, entries
// typed from the directory, links never followed, hidden folders never entered). Complete
// listings are remembered, so a folder inside one already listed is answered from memory
// instead of being walked again: several junk rules look into the same caches folder.
class FolderListing final
{
public:
    explicit FolderListing(std::function<bool()> stopRequested);

    // Appends the files below folder whose names match one of the shell wildcards
    // (case-insensitive), in directory order; descends into subfolders only when recursive.
    // Returns early, keeping what was found, once a stop is requested.
    void list(const QString &folder, const QStringList &patterns, bool recursive, QList<CleanItem> &items);
    // Forgets every remembered listing.
    void clear();

private:
    struct Listing
    {
        QList<CleanItem> items;
        // Every folder walked, with the range of items found below it.
        QHash<QString, QPair<qsizetype, qsizetype>> folders;
    };

    class NameFilter;

    bool listFromMemory(const QString &folder, const NameFilter &filter, bool recursive, QList<CleanItem> &items) const;
    void walkFolder(int dirFd, const QString &folder, const NameFilter &filter, bool recursive, Listing &listing);

    std::function<bool()> m_stopRequested;
    QList<Listing> m_listings;
};
