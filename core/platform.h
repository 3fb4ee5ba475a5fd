#pragma once

#include <QStringList>

// Where things are on this system: the one place that knows which platform runs and its
// folders. Engines ask it for their defaults and never test the platform themselves.
//
// The platform is the one the program was built for; tests may stand in for the other one.
// On Linux the user's folders follow the XDG base directories: a variable is honoured when it
// holds an absolute path strictly inside the home folder (after resolving links), and is
// otherwise refused with a log line and the default used, so no folder offered for cleaning
// lies outside the home.
class Platform final
{
public:
    enum class System { Mac, Linux };

    static System current();
    // Tests only: makes the program take system's folders from now on.
    static void setCurrentForTesting(System system);
    // How rules files name the running system: "macos" or "linux".
    static QString identifier();

    // The user's caches: ~/Library/Caches, or $XDG_CACHE_HOME (~/.cache).
    static QString cachesFolder();
    // The user's logs: ~/Library/Logs, or $XDG_STATE_HOME (~/.local/state) where Linux
    // programs keep theirs.
    static QString logsFolder();
    // The data applications keep for the user: ~/Library/Application Support, or
    // $XDG_DATA_HOME (~/.local/share).
    static QString applicationDataFolder();
    // The user's settings of applications: ~/Library/Preferences, or $XDG_CONFIG_HOME
    // (~/.config).
    static QString configFolder();
    // The user's temporary folder ($TMPDIR), or empty when it is the root, the home or a folder
    // holding the home: whatever lies in the temporary folder counts as junk, so a TMPDIR set
    // that wide would offer the user's own files.
    static QString temporaryFolder();
    // The machine's shared application data outside every home (/Library on a Mac); empty
    // where nothing outside the home may be cleaned.
    static QString sharedDataFolder();

    // The folders a user's applications are installed in: the machine's, then the home folder's.
    static QStringList applicationFolders();
    // The folders holding the system's own applications (part of the operating system, never
    // offered for removal). Empty where the system keeps none.
    static QStringList systemApplicationFolders();
};
