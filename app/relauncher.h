#pragma once

#include <QString>

// Starts a fresh instance of the program, so that a running one can quit and restart, for
// example after the interface language changed.
class Relauncher final
{
public:
    // The application bundle (".app") whose Contents/MacOS folder holds executablePath, or an
    // empty text when the executable does not sit in a bundle.
    static QString bundlePath(const QString &executablePath);
    // Opens a new instance of the bundle with `open -n`; without a bundle, or when `open` fails,
    // starts the executable itself. True when a new instance was started.
    static bool startNewInstance(const QString &executablePath);

private:
    static bool startCopy(const QString &executablePath);
};
