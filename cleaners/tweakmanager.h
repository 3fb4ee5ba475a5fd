#pragma once

#include "cleaners/tweakdef.h"
#include "core/longjob.h"
#include "core/settings.h"

#include <QList>
#include <QObject>
#include <QString>

// The catalogue of Windows system tweaks and the record of which ones were applied.
//
// load() reads a catalogue file: a JSON array of tweak objects, kept in file order by tweaks().
// applyTweak() and revertTweak() queue a tweak's work, which runs off the interface thread, one
// tweak after another; each call ends in exactly one tweakApplied or tweakReverted on the
// owner's thread, with an error text when it failed. Services are changed with "sc" and the power
// plan with "powercfg", started only where those Windows tools exist. There is no registry on
// this system, so a tweak with registry values cannot be changed here at all; elsewhere than on
// Windows every apply and revert fails with windowsOnlyMessage() and starts no program.
//
// The applied flags are the settings table's Settings::TweakApplied family (one per tweak id):
// set only after every step of an apply succeeded, cleared only after a revert succeeded, so a
// failure never leaves a tweak recorded as done.
class TweakManager final : public QObject
{
    Q_OBJECT

public:
    explicit TweakManager(QObject *parent = nullptr);

    // The resource holding the catalogue in language, or the English one where there is none.
    static QString catalogueFile(const QString &language);
    static QString windowsOnlyMessage();

    // Replaces the catalogue with the file's tweaks; an entry without an id of its own is skipped
    // with a log line. False, with a log line, when the file cannot be read (a resource, or a
    // regular file that is not a link) or does not hold a JSON array; the catalogue held so far
    // then stays.
    bool load(const QString &path);
    const QList<TweakDef> &tweaks() const;

    bool isApplied(const QString &id) const;
    // The state to show: the live system where it can be read, otherwise the stored flag.
    bool readCurrentState(const TweakDef &tweak) const;
    // Whether this system has what the tweak needs: the Windows tools, and a registry for a
    // tweak with registry values.
    bool canChange(const TweakDef &tweak) const;

    void applyTweak(const TweakDef &tweak);
    void revertTweak(const TweakDef &tweak);
    // A tweak's work is queued or running.
    bool isBusy() const;

    // Tests stand in for Windows with this: "sc" and "powercfg" may then be started (fakes first
    // on PATH). There is still no registry.
    void setWindowsToolsForTesting(bool available);

signals:
    void tweakApplied(const QString &id, bool ok, const QString &error);
    void tweakReverted(const QString &id, bool ok, const QString &error);

private:
    struct Operation
    {
        TweakDef tweak;
        bool apply = true;
    };
    struct Outcome
    {
        bool ok = true;
        QStringList errors;
    };

    void startNext();
    void finish(const Operation &operation, const Outcome &outcome);
    static Outcome perform(const Operation &operation, bool changeable, const LongJob::Run &run);
    static bool controlService(const QString &name, const QString &startType);
    static bool enableUltimatePerformance();

    QList<TweakDef> m_tweaks;
    Settings m_settings;
    bool m_windowsTools;
    QList<Operation> m_queue;
    bool m_running = false;
    LongJob m_job;
};
