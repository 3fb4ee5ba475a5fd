#pragma once

#include "fileutils.h"

#include <QString>

class PinnedRoot;

// Moves files and folders into the user's Trash folder (~/.Trash), where the user can put them
// back. A move is one rename on the same volume: an item on another volume is refused rather
// than copied and deleted. A name already in the Trash gets a number before its extension
// ("Movie 2.mov"). Links are moved as links.
class HomeTrash final
{
public:
    struct Outcome
    {
        bool moved = false;
        QString trashedPath; // where the item now is
        QString error; // why it was not moved
        bool changed = false; // not the entry that was expected there (or none): nothing was moved
    };

    static QString folder();
    // Moves path, reached below the open root without following a link (as FileUtils::removeUnder
    // reaches what it removes), when check (if any) accepts the entry found there. Refused with
    // "changed" set when check says no, or when the entry is gone or can only be reached through
    // a link or another volume now.
    static Outcome moveUnder(const PinnedRoot &root, const QString &path, const FileUtils::EntryCheck &check);
    // The name "name" takes as the n-th copy (n >= 2) in the Trash.
    static QString numberedName(const QString &name, int n);
};
