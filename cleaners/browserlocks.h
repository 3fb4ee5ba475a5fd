#pragma once

#include <QString>

// A browser marks the profile it has open with a lock of its own; a lock left behind by a
// browser that crashed names a process that is gone, or holds no lock any more, and does not
// count.
class BrowserLocks final
{
public:
    // Chromium-style browsers: the "SingletonLock" link in the user-data folder, whose target
    // is "host-pid". In use while that process lives on this host.
    static bool chromiumInUse(const QString &userDataFolder);
    // Firefox: the ".parentlock" file, locked (fcntl) while a Firefox has the profile open, and
    // the "lock" link, whose target ends in "+pid". In use while either is held by a live process.
    static bool firefoxInUse(const QString &profileFolder);
    // True while a process with this id exists (also when it belongs to another user).
    static bool processExists(qint64 pid);
};
