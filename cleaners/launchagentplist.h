#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class PinnedRoot;

// What a LaunchAgent or LaunchDaemon property list starts.
struct LaunchAgentProgram
{
    // The program path (or application name, for "open -a Name"); empty when none was found.
    QString program;
    // Set instead of program for "open -b <identifier>".
    QString bundleIdentifier;
    // The plist's top-level Disabled key is true.
    bool disabled = false;

    bool isEmpty() const
    {
        return program.isEmpty() && bundleIdentifier.isEmpty();
    }
};

// Reading and writing of LaunchAgent property lists. Only the top-level dictionary counts:
// a "Program" string wins over "ProgramArguments" wherever it stands; the arguments of
// "/usr/bin/open" and "/usr/bin/env" are looked through to the program they start.
class LaunchAgentPlist final
{
public:
    // What a plist's top-level dictionary starts; false when it names no program.
    static bool parse(const QVariantMap &plist, LaunchAgentProgram *result);
    // Reads a plist file, XML or binary, in this process (PropertyList), through a link to a
    // regular file. Empty when nothing was found.
    static LaunchAgentProgram read(const QString &path);
    // The program a ProgramArguments list starts.
    static LaunchAgentProgram programFromArguments(const QStringList &arguments);
    // The XML of an agent plist: Label, ProgramArguments, RunAtLoad.
    static QByteArray xml(const QString &label, const QStringList &arguments);
    // Writes an agent plist as fileName inside the open folder, with mode 0644: a new file
    // created exclusively beside it, renamed over the name. A link or anything but a plain file
    // at the name is refused, and a link that appears there meanwhile is replaced, its target
    // never written. False, with any earlier file left as it was, when anything fails.
    static bool write(
        const PinnedRoot &folder, const QString &fileName, const QString &label, const QStringList &arguments);
    // As above, in the folder of path, pinned as it is.
    static bool write(const QString &path, const QString &label, const QStringList &arguments);
};
