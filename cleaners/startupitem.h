#pragma once

#include <QMetaType>
#include <QString>

// The kind of a startup entry. Only LaunchAgent (per-user agents) and System (agents and
// daemons of the whole machine) are produced here; the other kinds exist for the badges.
enum class StartupSource {
    HkcuRun = 0,
    System = 1,
    StartupFolder = 2,
    LaunchAgent = 3,
    Unknown = 4,
};

// One thing started at login: a LaunchAgent property list and the program it runs.
struct StartupItem
{
    // Base name of the plist file; for the program's own agents this is the agent's label.
    QString id;
    QString name;
    // The program (or, for "open -a", the bundle) the agent starts.
    QString programPath;
    QString plistPath;
    StartupSource source = StartupSource::Unknown;
    // The agent was written by this program (its label carries the program's prefix).
    bool isOwn = false;
    // The plist sets Disabled: launchd does not start it.
    bool disabled = false;
    // The program is an absolute path that no longer exists (or a bundle identifier no
    // installed application carries).
    bool programMissing = false;
};

// An application bundle found in one of the Applications folders.
struct InstalledApp
{
    // The bundle's folder name up to its first dot.
    QString name;
    QString exePath;
    QString bundlePath;
    // Some LaunchAgent already starts this application.
    bool inStartup = false;
};

Q_DECLARE_METATYPE(StartupItem)
Q_DECLARE_METATYPE(InstalledApp)
