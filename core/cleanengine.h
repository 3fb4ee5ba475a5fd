#pragma once

#include "scanresult.h"

#include <QObject>

#include <atomic>

class QThread;

// Base of the rule-driven engines. A scan or a clean runs doScan() or doClean() on a fresh
// worker thread; the result is handed between the worker and the GUI thread only at the start
// and the end of a run.
class CleanEngine : public QObject
{
    Q_OBJECT

public:
    enum State { Idle, Scanning, Cleaning, Finished, Cancelled, Error };
    Q_ENUM(State)

    explicit CleanEngine(QObject *parent = nullptr);
    ~CleanEngine() override;

    virtual void loadRules(const QString &path);

    State state() const;
    // The result of the last scan; pages edit its selection flags only while no worker runs.
    ScanResult &result();
    const ScanResult &result() const;

signals:
    void stateChanged(CleanEngine::State state);
    void scanProgress(int current, int total, const QString &currentPath);
    void scanFinished(const ScanResult &result);
    void cleanProgress(int current, int total, qint64 cleanedSize);
    void cleanFinished(qint64 totalCleaned, int itemsCleaned);
    void errorOccurred(const QString &error);

public slots:
    virtual void startScan();
    virtual void startClean();
    virtual void cancel();

protected:
    virtual void doScan() = 0;
    virtual void doClean() = 0;

    void setState(State state);
    bool isCancelled() const;
    // Cancels and joins a running worker. Every concrete engine calls it in its destructor:
    // by the time the base destructor runs, the worker's doScan()/doClean() would be gone.
    void stopWorker();

    ScanResult m_result;

private:
    void deliverScanResult(quint64 run);

    std::atomic<State> m_state{Idle};
    std::atomic<bool> m_cancelled{false};
    QThread *m_worker = nullptr;
    // Tells a finished scan's posted delivery apart from a later run's.
    quint64 m_run = 0;
};
