#include "cleanall.h"

#include "core/cleanengine.h"

qint64 CleanAll::Summary::bytesFreed() const
{
    return junkFreed + browserFreed;
}

CleanAll::CleanAll(CleanEngine *junk, CleanEngine *browser, QObject *parent)
    : QObject(parent)
    , m_engines { junk, browser }
{
    trackBrowserScan();
}

void CleanAll::trackBrowserScan()
{
    CleanEngine *browser = m_engines[Browser];
    if (!browser)
        return;
    connect(browser, &CleanEngine::scanFinished, this, [this, browser] { m_browserFound = browser->foundPaths(); });
}

const ScanResult *CleanAll::finishedResult(int slot) const
{
    const CleanEngine *engine = m_engines[slot];
    return engine && engine->state() == CleanEngine::Finished && !engine->isBusy() ? &engine->result() : nullptr;
}

// What the browser scan found stays the browser's until its next scan, also what its clean has
// removed since: the junk items there are gone (dropped from the junk result) or the browser's
// to clean.
CombinedSelection CleanAll::combined() const
{
    return CombinedSelection::of(finishedResult(Junk), m_browserFound, finishedResult(Browser));
}

bool CleanAll::isCleanable(int slot) const
{
    if (!finishedResult(slot))
        return false;
    const CombinedSelection now = combined();
    return (slot == Junk ? now.junk : now.browser).count > 0;
}

CleanAll::Selection CleanAll::selection() const
{
    const CombinedSelection now = combined();
    return { now.itemCount(), now.size(), now.junk.size, now.browser.size, now.foundSize, now.sizeUnknown() };
}

bool CleanAll::isRunning() const
{
    return m_running;
}

const CleanAll::Summary &CleanAll::summary() const
{
    return m_summary;
}

void CleanAll::start()
{
    if (m_running)
        return;
    m_total = selection().itemCount;
    if (m_total == 0)
        return;
    m_queue.clear();
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (isCleanable(slot))
            m_queue.append(slot);
    }
    m_summary = Summary();
    m_doneBefore = 0;
    m_bytesBefore = 0;
    m_cancelRequested = false;
    m_running = true;
    startNext();
}

void CleanAll::cancel()
{
    if (!m_running)
        return;
    m_cancelRequested = true;
    if (m_current >= 0)
        m_engines[m_current]->cancel();
}

void CleanAll::startNext()
{
    // The other engine may have been rescanned or cleaned meanwhile by its page.
    while (!m_queue.isEmpty() && !isCleanable(m_queue.first()))
        m_queue.removeFirst();
    if (m_cancelRequested || m_queue.isEmpty()) {
        finish();
        return;
    }
    m_current = m_queue.takeFirst();
    CleanEngine *engine = m_engines[m_current];
    const CombinedSelection now = combined();
    m_currentSelected = (m_current == Junk ? now.junk : now.browser).count;
    m_currentRefused = false;
    m_runConnections = {
        connect(engine, &CleanEngine::cleanProgress, this,
            [this](int current, int, qint64 cleanedBytes) { onEngineProgress(current, cleanedBytes); }),
        connect(engine, &CleanEngine::errorOccurred, this,
            [this](const QString &error) {
                m_currentRefused = true;
                m_summary.errors.append(error);
            }),
        connect(engine, &CleanEngine::cleanFinished, this, &CleanAll::onEngineFinished),
    };
    if (m_current == Junk)
        engine->startCleanLeaving(now.junkLeftToBrowser);
    else
        engine->startClean();
}

void CleanAll::onEngineProgress(int current, qint64 cleanedBytes)
{
    emit progressChanged(qMin(m_doneBefore + current, m_total), m_total, m_bytesBefore + cleanedBytes);
}

void CleanAll::onEngineFinished(qint64 totalCleaned, int itemsCleaned)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_runConnections))
        disconnect(connection);
    m_runConnections.clear();

    const bool cancelled = m_engines[m_current]->state() == CleanEngine::Cancelled;
    (m_current == Junk ? m_summary.junkFreed : m_summary.browserFreed) += totalCleaned;
    m_summary.itemsCleaned += itemsCleaned;
    if (!m_currentRefused && !cancelled)
        m_summary.itemsFailed += qMax(0, m_currentSelected - itemsCleaned);
    m_summary.cancelled = m_summary.cancelled || cancelled;
    m_doneBefore += m_currentSelected;
    m_bytesBefore += totalCleaned;
    m_current = -1;
    emit progressChanged(qMin(m_doneBefore, m_total), m_total, m_bytesBefore);
    if (cancelled)
        m_cancelRequested = true;
    startNext();
}

void CleanAll::finish()
{
    m_running = false;
    m_queue.clear();
    m_summary.cancelled = m_summary.cancelled || m_cancelRequested;
    emit finished();
}
