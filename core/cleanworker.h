#pragma once

#include <QObject>
#include <QRunnable>

#include <atomic>

class CleanEngine;

// Runs an engine's clean from a thread pool and relays its signals.
class CleanWorker final : public QObject, public QRunnable
{
    Q_OBJECT

public:
    CleanWorker(CleanEngine *engine, QObject *parent = nullptr);

    void run() override;
    void cancel();

signals:
    void progress(int current, int total, qint64 cleanedSize);
    void finished(qint64 totalCleaned, int itemsCleaned);
    void error(const QString &errorMessage);

private:
    CleanEngine *m_engine;
    std::atomic<bool> m_cancelled{false};
};
