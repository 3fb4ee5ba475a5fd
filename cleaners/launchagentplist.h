#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

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
    // Writes an agent plist (Label, ProgramArguments, RunAtLoad) atomically with mode 0644.
    // False, with any earlier file left as it was, when anything fails.
    static bool write(const QString &path, const QString &label, const QStringList &arguments);
};
