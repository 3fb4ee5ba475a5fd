#include "fullscan.h"

#include "core/cleanengine.h"

FullScan::FullScan(QObject *parent)
    : QObject(parent)
{
}

bool FullScan::canStart(const CleanEngine *junk, const CleanEngine *browser, const CleanEngine *registry)
{
    for (const CleanEngine *engine : { junk, browser, registry }) {
        if (engine && engine->state() == CleanEngine::Cleaning)
            return false;
    }
    return true;
}

bool FullScan::start(CleanEngine *junk, CleanEngine *browser, CleanEngine *registry)
{
    if (!canStart(junk, browser, registry))
        return false;
    disconnectEngines();
    m_engines = { junk, browser, registry };
    m_shares.fill(0);
    m_done.fill(false);
    m_currentPath.clear();
    m_running = true;

    for (int slot = 0; slot < SlotCount; ++slot) {
        CleanEngine *engine = m_engines[slot];
        if (!engine) {
            m_shares[slot] = 100;
            m_done[slot] = true;
            continue;
        }
        connect(engine, &CleanEngine::scanProgress, this, [this, slot](int current, int total, const QString &path) {
            onEngineProgress(slot, current, total, path);
        });
        connect(engine, &CleanEngine::scanFinished, this, [this, slot] { onEngineDone(slot); });
        connect(engine, &CleanEngine::stateChanged, this, [this, slot](CleanEngine::State state) {
            if (state == CleanEngine::Cancelled)
                onEngineDone(slot);
        });
        engine->startScan();
    }
    checkScanCompleted();
    return true;
}

bool FullScan::isRunning() const
{
    return m_running;
}

void FullScan::onEngineProgress(int slot, int current, int total, const QString &currentPath)
{
    m_shares[slot] = total < 1 ? 0 : current * 100 / total;
    m_currentPath = currentPath;
    reportProgress();
}

void FullScan::onEngineDone(int slot)
{
    if (!m_running || m_done[slot])
        return;
    m_shares[slot] = 100;
    m_done[slot] = true;
    reportProgress();
    checkScanCompleted();
}

void FullScan::reportProgress()
{
    emit progressChanged((m_shares[Junk] + m_shares[Browser] + m_shares[Registry]) / SlotCount, m_currentPath);
}

void FullScan::checkScanCompleted()
{
    if (!m_running)
        return;
    for (bool done : m_done) {
        if (!done)
            return;
    }
    m_running = false;
    disconnectEngines();
    emit finished(completedSize(Junk), completedSize(Browser), completedItemCount(Registry));
}

void FullScan::disconnectEngines()
{
    for (CleanEngine *engine : m_engines) {
        if (engine)
            disconnect(engine, nullptr, this, nullptr);
    }
}

// Only a scan that ran to its end has a result to count; a cancelled one may still be
// written by its worker.
qint64 FullScan::completedSize(int slot) const
{
    const CleanEngine *engine = m_engines[slot];
    return engine && engine->state() == CleanEngine::Finished ? engine->result().totalSize() : 0;
}

int FullScan::completedItemCount(int slot) const
{
    const CleanEngine *engine = m_engines[slot];
    return engine && engine->state() == CleanEngine::Finished ? engine->result().totalItemCount() : 0;
}
