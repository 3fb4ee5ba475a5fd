#pragma once

#include <QString>

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
    };

    static QString folder();
    static Outcome moveToTrash(const QString &path);
    // The name "name" takes as the n-th copy (n >= 2) in the Trash.
    static QString numberedName(const QString &name, int n);
};
