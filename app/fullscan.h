#pragma once

#include <QObject>
#include <QString>

#include <array>

class CleanEngine;

// The dashboard's combined scan: starts the junk, browser and registry scans together, merges
// their progress into one percentage and reports the totals once every engine is done.
//
// An engine whose scan is cancelled elsewhere (from its own page) counts as done and adds
// nothing, so the combined scan still ends, with the totals of the scans that completed.
class FullScan final : public QObject
{
    Q_OBJECT

public:
    explicit FullScan(QObject *parent = nullptr);

    // False while one of the engines is cleaning: a new scan would cut that clean short.
    static bool canStart(const CleanEngine *junk, const CleanEngine *browser, const CleanEngine *registry);
    // Starts (or restarts) the scans; a missing engine counts as done at once. Refuses, and
    // changes nothing, when it cannot start.
    bool start(CleanEngine *junk, CleanEngine *browser, CleanEngine *registry);
    bool isRunning() const;

signals:
    void progressChanged(int percent, const QString &currentPath);
    void finished(qint64 junkBytes, qint64 browserBytes, int registryCount);

private:
    enum Slot { Junk, Browser, Registry, SlotCount };

    void onEngineProgress(int slot, int current, int total, const QString &currentPath);
    void onEngineDone(int slot);
    void reportProgress();
    void checkScanCompleted();
    void disconnectEngines();
    qint64 completedSize(int slot) const;
    int completedItemCount(int slot) const;

    std::array<CleanEngine *, SlotCount> m_engines {};
    std::array<int, SlotCount> m_shares {};
    std::array<bool, SlotCount> m_done {};
    QString m_currentPath;
    bool m_running = false;
};
