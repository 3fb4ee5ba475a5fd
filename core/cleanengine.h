#pragma once

#include "longjob.h"
#include "scanresult.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <atomic>

// Base of the rule-driven engines. A scan or a clean runs doScan() or doClean() on the engine's
// LongJob worker and returns at once; the result is handed between the worker and the interface
// thread only at the start and the end of a run.
//
// The base owns the state and the final signals: an engine fills m_result in doScan() or returns
// the outcome of doClean(), and reports progress through reportScanProgress() and
// reportCleanProgress() (one throttle for every engine). scanFinished and cleanFinished come once
// per run, on the owner's thread; a run superseded by a later start delivers nothing more, so a
// late signal of an earlier run is never seen. cancel() returns at once; a cancelled clean still
// reports what it removed, a cancelled scan reports nothing.
class CleanEngine : public QObject
{
    Q_OBJECT

public:
    enum State { Idle, Scanning, Cleaning, Finished, Cancelled, Error };
    Q_ENUM(State)

    // What a clean did. A non-empty error (the clean was refused, or part of it was skipped and
    // why) is emitted as errorOccurred before cleanFinished.
    //
    // The paths removed and the paths that could not be, with the reason, go into the result on
    // the owner's thread before cleanFinished (ScanResult::keepRemaining), so a page shows what
    // remains: unticked items, failures with their reason, and folders emptied around files the
    // user kept with the size of what is left in them.
    struct CleanOutcome
    {
        CleanOutcome(qint64 bytesCleaned = 0, int itemsCleaned = 0, const QString &error = QString(),
            const QSet<QString> &removed = {}, const QHash<QString, QString> &failures = {})
            : bytesCleaned(bytesCleaned)
            , itemsCleaned(itemsCleaned)
            , error(error)
            , removed(removed)
            , failures(failures)
        {
        }

        qint64 bytesCleaned;
        int itemsCleaned;
        QString error;
        QSet<QString> removed;
        QHash<QString, QString> failures;
        QHash<QString, qint64> remainingSizes;
    };

    explicit CleanEngine(QObject *parent = nullptr);
    ~CleanEngine() override;

    virtual void loadRules(const QString &path);

    State state() const;
    // A scan or clean is queued or running; a cancelled one counts until its worker has returned.
    bool isBusy() const;
    // Every path the last scan found, also those the engine holds out of its result (the
    // browser engine's unticked browsers). Read while no worker runs.
    virtual QSet<QString> foundPaths() const;

    // The result of the last scan; pages edit its selection flags only while no worker runs.
    ScanResult &result();
    const ScanResult &result() const;

    // Another engine's clean removed these paths (files, or folders with all they held): the
    // items at or below them leave this result, which emits resultChanged. While a run of this
    // engine is under way they wait for its end and go before its final signal.
    // Connected through Removals::share, so what one clean removed is dropped everywhere
    // (Firefox's cache is junk and browser data alike).
    void forgetRemoved(const QSet<QString> &paths);

    // Two engines whose scans can list the same files (the junk rules and the browser rules meet
    // in the caches folder) have one tick for them: a clean of either leaves alone what the other
    // shows unticked (a file, or a folder with everything below it). A folder of one that holds
    // such a file loses everything else and keeps that file and the folders on its way.
    static void shareTicks(CleanEngine *first, CleanEngine *second);
    // Every path the last scan found that is not selected now. Read while no worker writes the
    // result.
    QSet<QString> untickedPaths() const;
    // What a clean of this engine would remove now: the selection, each path once, less what an
    // engine sharing ticks shows unticked. Read while no worker writes the result.
    ScanResult::Totals selectionToClean() const;

signals:
    void stateChanged(CleanEngine::State state);
    void scanProgress(int current, int total, const QString &currentPath);
    void scanFinished(const ScanResult &result);
    void cleanProgress(int current, int total, qint64 cleanedSize);
    void cleanFinished(qint64 totalCleaned, int itemsCleaned);
    // After a clean that removed something, just before cleanFinished: what left the disk.
    void pathsRemoved(const QSet<QString> &paths);
    // Items left the result outside a run of this engine (forgetRemoved).
    void resultChanged();
    void errorOccurred(const QString &error);

public slots:
    virtual void startScan();
    virtual void startClean();
    virtual void cancel();

public:
    // A clean of the selection except the items at these paths, which another engine cleans:
    // their boxes are unticked for the run and ticked again before cleanFinished. Only while
    // the engine is idle (the boxes are the result's, which a worker reads); a later start
    // that supersedes the run leaves them unticked, never ticks anything else.
    void startCleanLeaving(const QSet<QString> &paths);

protected:
    // Both run on the worker, with m_result emptied before doScan().
    virtual void doScan() = 0;
    virtual CleanOutcome doClean() = 0;

    // For doScan()/doClean() and what they call, on the worker.
    bool isCancelled() const;
    // During doClean(): whether an engine sharing ticks shows path, or a folder above it, unticked.
    bool isKeptByOther(const QString &path) const;
    // During doClean(): the paths below folder that an engine sharing ticks shows unticked.
    QSet<QString> keptBelow(const QString &folder) const;
    // Progress is sent at most every ProgressThrottle::IntervalMs; force sends the first and last.
    void reportScanProgress(int current, int total, const QString &currentPath, bool force = false);
    void reportCleanProgress(int current, int total, qint64 cleanedSize, bool force = false);

    // Cancels and joins a running worker. Every concrete engine calls it in its destructor:
    // by the time the base destructor runs, the worker's doScan()/doClean() would be gone.
    void stopWorker();

    ScanResult m_result;

private:
    void setState(State state);
    void runClean();
    void holdBack(const QSet<QString> &paths);
    void releaseHeldBack();
    void dropForgotten();

    std::atomic<State> m_state { Idle };
    // The run the worker is in; set and read on the worker only.
    LongJob::Run *m_run = nullptr;
    // The items startCleanLeaving() unticked for the run under way (category, item).
    QList<std::pair<qsizetype, qsizetype>> m_heldBack;
    // Paths another engine removed while a run of this one was under way (forgetRemoved).
    QSet<QString> m_forgotten;
    QList<QPointer<CleanEngine>> m_ticksSharedWith;
    // What the engines sharing ticks showed unticked when the clean under way started; written
    // before the worker starts, read by it.
    QSet<QString> m_keptByOthers;
    LongJob m_job;
};
