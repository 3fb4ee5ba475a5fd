#pragma once

#include "core/longjob.h"
#include "startupitem.h"

#include <QList>
#include <QSet>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Where the startup manager looks. The defaults are the user's and the machine's folders;
// tests point them into a temporary home.
struct StartupLocations
{
    // The user's LaunchAgents folder: the only folder the manager ever writes to.
    QString userAgents;
    // Agents and daemons of the whole machine, listed read-only.
    QStringList systemAgentFolders;
    // Folders holding application bundles, searched one folder deep as well.
    QStringList applicationFolders;

    static StartupLocations defaults();
};

// The startup manager's back end: lists the user's LaunchAgents, the machine's agents and
// daemons and the installed applications, tells which applications already start at login,
// adds an own LaunchAgent for an application and removes own agents again. Agents made by
// anybody else are shown and never changed.
//
// refresh() scans on a worker and returns at once; progressChanged reports each step and
// refreshFinished comes once on this object's thread when the lists have been replaced.
// Changes (startAddApp, startSetStartupEnabled, startSetStartAtLogin) run one after another on
// a worker of their own, in the order asked, and return at once: the plist is written or
// removed and launchctl and id run there. Each ends with changeFinished on this object's thread,
// after the lists and the startup index have been brought up to date without a new scan
// (listsChanged). Property lists are read in this process (PropertyList); launchctl and id are
// started by name through ProcessRunner. Change the locations only while no job runs.
class StartupManager final : public QObject
{
    Q_OBJECT

public:
    // Label prefix, and plist file name prefix, of the agents this program writes.
    static const QString OwnLabelPrefix;

    // What a change asked for, as changeFinished tells it.
    enum class ChangeKind { Add, Enable, Remove, StartAtLogin, StopAtLogin };
    Q_ENUM(ChangeKind)

    explicit StartupManager(QObject *parent = nullptr);
    explicit StartupManager(const StartupLocations &locations, QObject *parent = nullptr);
    ~StartupManager() override;

    const StartupLocations &locations() const;
    // Takes effect at the next refresh.
    void setLocations(const StartupLocations &locations);

    // Starts a full rescan; a scan still running is cancelled first.
    void refresh();
    void cancel();
    bool isScanning() const;

    // User agents in discovery order (own agents added since the scan at the end), then the
    // machine's agents and daemons.
    QList<StartupItem> items() const;
    QList<InstalledApp> apps() const;
    // The index has the path, or the bundle the path lies in.
    bool isInStartup(const QString &normalizedPath) const;

    // Makes the application start at login with an own agent; succeeds when it already does.
    void startAddApp(const InstalledApp &app);
    // Removes an own agent (enable false), or starts a disabled own agent again (enable true):
    // its plist is written anew without Disabled and loaded. Refuses every other item.
    void startSetStartupEnabled(const StartupItem &item, bool enable);
    // This program's own start at login: write or remove its agent.
    void startSetStartAtLogin(bool on);
    // A change is queued or running.
    bool isChanging() const;
    // Whether this program's own agent exists (a look at one file, no tool started).
    bool startsAtLogin() const;

    // The same changes, blocking the caller until done: for tests and bench tools, never for the
    // interface. The result is what changeFinished would say.
    bool addAppToStartup(const InstalledApp &app);
    bool setStartupEnabled(const StartupItem &item, bool enable);
    bool setStartAtLogin(bool on);
    // The running program as an application (its bundle when it runs from one).
    static InstalledApp runningApplication();

    static bool isModifiable(const StartupItem &item);
    static QString normalizePath(const QString &path);
    static bool isOwnPlist(const QString &label);
    static QString bundleExecutable(const QString &bundlePath);
    static QString bundleIdentifier(const QString &bundlePath);
    static QString parsePlistExePath(const QString &plistPath);
    static bool writeLaunchAgentPlist(const QString &path, const QString &label, const QStringList &arguments);

    // The lists and index one scan builds.
    struct Collections
    {
        QList<StartupItem> items;
        QList<InstalledApp> apps;
        // normalizePath of a started program -> id of the item starting it.
        QMap<QString, QString> index;
    };

    // Another feature removed these paths (Removals::share): the agents whose plists and the
    // applications whose bundles lie at or below them leave the lists, which emits listsChanged.
    // While a refresh runs they wait for its end.
    void forgetRemoved(const QSet<QString> &paths);

signals:
    void progressChanged(const QString &message);
    void refreshFinished(bool cancelled);
    void listsChanged();
    // An own agent's plist this manager removed.
    void pathsRemoved(const QSet<QString> &paths);
    // A change ended; name is the application's or the item's. A failure is logged.
    void changeFinished(StartupManager::ChangeKind kind, const QString &name, bool ok);

private:
    enum class PlistState { Missing, SameApp, SameAppDisabled, OtherProgram, NotAFile };

    // What a change did on the worker, brought into the lists on this object's thread.
    struct Change
    {
        bool ok = false;
        // An own agent now starting app (added or switched on).
        QString recordLabel;
        InstalledApp app;
        QString programUsed;
        // An own agent that left; removedPath when its plist went.
        QString forgetId;
        QString removedPath;
    };
    using ChangeWork = std::function<Change()>;
    struct PendingChange
    {
        ChangeKind kind;
        QString name;
        ChangeWork work;
    };

    QString plistPathOf(const QString &label) const;
    PlistState plistState(const QString &plistPath, const InstalledApp &app) const;
    // The label for app: its cleaned name, with a distinguishing suffix when that is empty or
    // another program's agent holds it. Sets exists when the label's plist already runs app,
    // disabled when it runs app but is switched off (Disabled).
    QString chooseLabel(const InstalledApp &app, bool *exists, bool *disabled) const;
    // Writes the label's plist for app and loads it; reenable first lifts a launchd override
    // that keeps the label disabled.
    bool writeAndLoad(const QString &label, const InstalledApp &app, QString *programUsed, bool reenable = false) const;
    // The work of each change, safe on the worker: files and tools only, never the lists.
    bool startsAlready(const InstalledApp &app) const;
    Change addChange(const InstalledApp &app) const;
    Change enableChange(const StartupItem &item, bool enable) const;
    Change startAtLoginChange(bool on, const InstalledApp &self) const;
    Change removeOwnAgent(const QString &id) const;
    // Brings a change into the lists (on this object's thread); returns whether it succeeded.
    bool apply(const Change &change);
    void queueChange(ChangeKind kind, const QString &name, ChangeWork work);
    void startNextChange();
    void record(const QString &label, const InstalledApp &app, const QString &programUsed);
    void forget(const QString &id, const QString &removedPath);
    void updateInStartup();
    // Takes the agents and applications at or below removed out of the lists; true when any left.
    bool dropRemoved(const QSet<QString> &removed);
    static QString launchdDomain();

    StartupLocations m_locations;
    Collections m_collections;
    // Paths other features removed while a refresh ran (forgetRemoved).
    QSet<QString> m_forgotten;
    QList<PendingChange> m_pendingChanges;
    LongJob m_job;
    LongJob m_changeJob;
};
