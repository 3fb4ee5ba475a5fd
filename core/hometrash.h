#pragma once

#include "fileutils.h"

#include <QByteArray>
#include <QString>

class PinnedRoot;

// The system's one way into the user's Trash (~/.Trash): files and folders the user chose go
// there, where the user can take them back; nothing is deleted here.
//
// moveUnder reaches the entry from an open root the way FileUtils::removeUnder does (each
// component opened without following a link, on the root's device, no "." or ".."), and the
// caller's check must accept the entry found there just before it moves. The move itself is one
// rename relative to the folder that was reached, into the Trash folder: a link moves as the
// link, a folder swapped for a link, a mount or anything else on the way stops the move, and an
// item on another volume than the Trash is refused, never copied and deleted.
//
// With askFinder, the Finder is asked first (osascript, the path as the script's argument), so
// the Finder knows where the item came from and can offer Put Back; the Finder also moves an
// item on another volume into that volume's Trash. The Finder goes by the path, so the path
// must lead to the checked entry when it is asked, and afterwards the entry must be found in a
// Trash by its device and inode to count as moved. When the Finder leaves the entry where it was,
// the entry is checked again and renamed. A link never goes through the Finder (it would follow it).
//
// A name already in the Trash is made free by the chosen naming ("Movie 2.mov" or
// "Movie 1733820000.mov"), keeping a file's or a package's extension last; a folder named like
// an identifier gets it at the end ("com.foo.app 2"). Safe to call from any thread.
class HomeTrash final
{
public:
    enum class Naming {
        Numbered, // "Movie 2.mov", "Movie 3.mov", ...
        Stamped, // "Movie 1733820000.mov" (seconds since 1970), "Movie 1733820000 2.mov", ...
    };

    struct Options
    {
        bool askFinder = false;
        Naming naming = Naming::Numbered;
    };

    struct Outcome
    {
        enum Status {
            Moved, // in a Trash now, at trashedPath
            Missing, // nothing there (any more): nothing moved
            Refused, // not the entry that was chosen (the check said no, a link or another volume on
                     // the way, the path leads elsewhere): nothing moved
            Failed, // the Trash or the system would not take it (another volume than the Trash,
                    // permissions, the Finder and then the rename refused): left where it was
        };
        Status status = Failed;
        QString trashedPath;
        // Why it was not moved: in English for the log, in the interface language for the user.
        QString reason;
        QString shownReason;
        bool byFinder = false;

        bool moved() const
        {
            return status == Moved;
        }
    };

    static QString folder();
    // Moves path, which must lie below the open root, into the Trash when check (if any) accepts
    // the entry found there. A root whose folder is missing finds the entry missing too. Blocks while the Finder is
    // asked (up to a minute, for the user's consent or password): call it off the interface thread.
    static Outcome moveUnder(
        const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check, const Options &options);
    // The same with the default options: a rename, numbered names.
    static Outcome moveUnder(const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check);
    // The same for a path given as the bytes the system uses (names that are not UTF-8).
    static Outcome moveUnder(
        const PinnedRoot &root, const QByteArray &path, const FileUtils::EntryCheck &check, const Options &options);
    static Outcome moveUnder(const PinnedRoot &root, const QByteArray &path, const FileUtils::EntryCheck &check);
    // The name "name" takes as the n-th copy (n >= 2) in the Trash.
    static QString numberedName(const QString &name, int n);
};
