#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// Says when progress is due: the first time, then at most once per interval. Every long job
// reports through one of these, so a million files never flood the interface's event loop.
class ProgressThrottle final
{
public:
    static constexpr int IntervalMs = 100;

    bool due();

private:
    QElapsedTimer m_sinceLast;
};

// An engine's long work (scan, clean, delete, uninstall), run off the interface thread, one job
// after another.
//
// start() hands a job to this object's worker and returns at once. A job still running is
// cancelled first; the new one begins when it has returned, so the interface thread never waits.
// The job receives a Run: its own cancel flag to check at every natural step, and report(),
// which sends progress through the throttle and delivers it on the owner's thread. When the job
// returns, its finish callback runs exactly once on the owner's thread, told whether the run was
// cancelled; a run superseded by a later start() delivers nothing more, so a late signal of an
// earlier run is never seen. Destruction cancels the job and joins the worker before the owner's
// members go: declare the LongJob after everything its jobs touch.
class LongJob final : public QObject
{
    Q_OBJECT

public:
    class Run final
    {
    public:
        bool isCancelled() const;
        // Runs deliver on the owner's thread if progress is due (or force is set) and this run
        // is still the current, uncancelled one.
        void report(std::function<void()> deliver, bool force = false);
        // Runs deliver on the owner's thread if this run is still the current, uncancelled one.
        void post(std::function<void()> deliver);

    private:
        friend class LongJob;
        Run(LongJob *job, quint64 id, std::shared_ptr<std::atomic<bool>> cancelled);

        LongJob *m_job;
        quint64 m_id;
        std::shared_ptr<std::atomic<bool>> m_cancelled;
        ProgressThrottle m_throttle;
    };

    using Work = std::function<void(Run &run)>;
    using Finish = std::function<void(bool cancelled)>;

    explicit LongJob(QObject *parent = nullptr);
    ~LongJob() override;

    // Returns the new run's number.
    quint64 start(Work work, Finish finish = {});
    // Asks the current run to stop; returns at once. Its finish callback still comes, cancelled.
    void cancel();
    // A job is queued or running; a run counts until its end has reached the owner's thread.
    bool isBusy() const;
    quint64 currentRun() const;
    // Blocks until no job runs. For destructors and bench tools, never for the interface.
    void waitForIdle();

private:
    void deliver(quint64 id, const std::shared_ptr<std::atomic<bool>> &cancelled,
                 std::function<void()> action);

    QThreadPool m_worker;
    std::atomic<int> m_busy{0};
    quint64 m_run = 0;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};
