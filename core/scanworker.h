#pragma once

#include "scanresult.h"

#include <QObject>
#include <QRunnable>

#include <atomic>

class CleanEngine;

// Runs an engine's scan from a thread pool and relays its signals.
class ScanWorker final : public QObject, public QRunnable
{
    Q_OBJECT

public:
    ScanWorker(CleanEngine *engine, QObject *parent = nullptr);

    void run() override;
    void cancel();

signals:
    void progress(int current, int total, const QString &currentItem);
    void finished(const ScanResult &result);
    void error(const QString &errorMessage);

private:
    CleanEngine *m_engine;
    std::atomic<bool> m_cancelled{false};
};
