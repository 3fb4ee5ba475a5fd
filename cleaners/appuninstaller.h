#pragma once

#include "appinfo.h"
#include "core/hometrash.h"
#include "core/longjob.h"
#include "core/pinnedroot.h"

#include <QObject>
#include <QSet>
#include <QStringList>

// What became of one application the user chose to uninstall.
struct UninstallOutcome
{
    enum class Result { Removed, Running, Protected, Failed };

    QString name;
    QString path;
    Result result = Result::Removed;
    // Why the application stayed, in words for the user; empty when it went.
    QString reason;
    // Selected leftovers that stayed where they were although the application went.
    QStringList leftoverFailures;
    // What went to the Trash: the bundle first, then each leftover that went; and the bytes
    // they took.
    QStringList moved;
    qint64 movedBytes = 0;
};

// Finds the applications installed in the Applications folders with the files they left in the
// user's Library (see LeftoverFinder), and uninstalls applications: the bundle and its selected
// leftovers go to the Trash, nothing is deleted for good.
//
// Bundle facts come from Info.plist, read in this process (PropertyList); bundles and leftovers go to the Trash
// through HomeTrash, reached from their pinned Applications or Library folder: the Finder first
// (so it can offer Put Back), and when the Finder will not, by renaming into ~/.Trash on the
// same volume ("Foo 1733820000.app" when the name is taken), never by copying; only the bundle
// and the leftovers the scan saw (same device and inode) are moved. A running application (a
// program inside the bundle runs, told by RunningPrograms) and an Apple application on the
// read-only system volume are not removed; any other application on a read-only volume fails at
// once, the Finder not asked.
// A leftover in LaunchAgents is unloaded (`launchctl bootout`) before it goes.
//
// Scans and uninstalls run one at a time through a LongJob off the interface thread; starting
// one cancels the other. Every signal arrives on the owner's thread.
class AppUninstaller final : public QObject
{
    Q_OBJECT

public:
    explicit AppUninstaller(QObject *parent = nullptr);
    ~AppUninstaller() override;

    // The folders searched, in order; the first is the system's own. Change them only while
    // no job runs. By default Platform::applicationFolders().
    void setApplicationFolders(const QStringList &folders);
    QStringList applicationFolders() const;
    // The folders of the system's own applications: never listed, only their identifiers are
    // read, so that leftovers of an identifier one of them carries are never pre-selected (see
    // LeftoverFinder). Change them only while no job runs. By default
    // Platform::systemApplicationFolders().
    void setSystemApplicationFolders(const QStringList &folders);

    // appFound for every bundle with an identifier, then scanFinished with their number (also
    // after a cancel, counting those delivered).
    void startScan();
    // Uninstalls the applications in order, going on after a failure; uninstallFinished with
    // one outcome per application handled.
    void startUninstall(const QList<AppInfo> &apps);
    // Returns at once; the running job stops at its next step.
    void cancel();
    bool isBusy() const;

    // Another feature removed these paths (Removals::share): the page's applications and
    // leftovers at or below them leave its list, told by removedElsewhere.
    void forgetRemoved(const QSet<QString> &paths);
    // Measures these leftovers again off the interface thread (another feature removed part of
    // them), each told by leftoverMeasured. Only while no job runs: a scan measures afresh, an
    // uninstall measures what it moves; false and nothing started otherwise.
    bool measureLeftovers(const QStringList &paths);

    // The blocking pieces of the jobs, for tests and bench tools.
    // Name, identifier, version and publisher of a bundle; an empty bundleId when it has none
    // or its Info.plist is not a regular file. Sizes and leftovers are left empty.
    static AppInfo readBundle(const QString &bundlePath);
    UninstallOutcome uninstallApp(const AppInfo &info) const;
    // Moves path, below the open root, to the Trash the uninstaller's way (see above), when it
    // is still the entry seen (same device and inode; anything, when seen is empty).
    static HomeTrash::Outcome moveToTrash(
        const PinnedRoot &root, const QString &path, const FileIdentity &seen = FileIdentity());
    // Moves every selected leftover to the Trash and returns those that would not go. Only
    // entries directly inside the Library folders the search looks in are touched, reached from
    // that folder pinned below the home. A leftover already gone is no failure, and was not
    // moved either: it is listed in *gone.
    static QStringList cleanLeftovers(const AppInfo &info, QStringList *gone = nullptr);

signals:
    void appFound(const AppInfo &info);
    void scanFinished(int count);
    // The application being examined or uninstalled.
    void progressChanged(const QString &text);
    void uninstallFinished(const QList<UninstallOutcome> &outcomes);
    // Just before uninstallFinished, when something went to the Trash: every bundle and
    // leftover that went.
    void pathsRemoved(const QSet<QString> &paths);
    // Another feature removed these paths (forgetRemoved).
    void removedElsewhere(const QSet<QString> &paths);
    void leftoverMeasured(const QString &path, qint64 size);

private:
    void scan(LongJob::Run &run, const QStringList &folders, const QStringList &systemFolders);
    void measure(AppInfo &info, LongJob::Run &run) const;
    // The Applications folder directly holding the bundle, as given; empty when none does.
    QString applicationFolderOf(const QString &bundlePath) const;

    QStringList m_folders;
    QStringList m_systemFolders;
    int m_found = 0;
    LongJob m_job;
};

Q_DECLARE_METATYPE(UninstallOutcome)
