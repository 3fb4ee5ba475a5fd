#pragma once

#include "core/cleanitem.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QStringList>

#include <functional>

class PinnedRoot;

// Lists the regular, non-hidden files below pinned folders with TreeWalker (entries typed from
// the listing, links never followed, hidden folders and other volumes never entered, any depth).
// A name that cannot be held as text is skipped with a log line. Complete listings are
// remembered, so a folder inside one already listed is answered from memory instead of being
// walked again: several junk rules look into the same caches folder. One object is used by one
// thread at a time; listAhead() walks on helper threads of its own and returns once they are done.
class FolderListing final
{
public:
    explicit FolderListing(std::function<bool()> stopRequested);

    // Appends the files below the root whose names match one of the shell wildcards
    // (case-insensitive), in directory order; descends into subfolders only when recursive.
    // Item paths begin with root.path(). Returns early, keeping what was found, once a stop is
    // requested.
    void list(const PinnedRoot &root, const QStringList &patterns, bool recursive, QList<CleanItem> &items);
    // Lists every file below each root, side by side on up to threads threads, and remembers
    // the complete listings, so list() answers these folders and the folders inside them from
    // memory. Roots must not lie inside one another.
    void listAhead(const QList<PinnedRoot> &roots, int threads);
    // Forgets every remembered listing, and the folders that could not be read.
    void clear();
    // The folders below the roots walked since the last clear() that could not be opened or read
    // (no permission: on a Mac, the folders Full Disk Access guards), each once.
    QStringList unreadableFolders() const;

private:
    struct Listing
    {
        QList<CleanItem> items;
        // Every folder walked, with the range of items found below it.
        QHash<QString, QPair<qsizetype, qsizetype>> folders;
        QStringList unreadable;
    };

    class NameFilter;
    class Walk;

    // Walks one root into listing; false when the walk was stopped or cut short.
    bool walk(const PinnedRoot &root, const NameFilter &filter, bool recursive, Listing &listing) const;
    bool listFromMemory(const QString &folder, const NameFilter &filter, bool recursive, QList<CleanItem> &items) const;

    std::function<bool()> m_stopRequested;
    QList<Listing> m_listings;
    // Written by the walks, from listAhead()'s helper threads too.
    mutable QMutex m_unreadableMutex;
    mutable QSet<QString> m_unreadable;
};
