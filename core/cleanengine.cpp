#include "cleanengine.h"

#include "removals.h"

CleanEngine::CleanEngine(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<ScanResult>();
    qRegisterMetaType<CleanEngine::State>();
}

CleanEngine::~CleanEngine()
{
    stopWorker();
}

void CleanEngine::loadRules(const QString &) { }

CleanEngine::State CleanEngine::state() const
{
    return m_state;
}

bool CleanEngine::isBusy() const
{
    return m_job.isBusy();
}

QSet<QString> CleanEngine::foundPaths() const
{
    QSet<QString> paths;
    for (const CleanCategory &category : m_result.categories) {
        for (const CleanItem &item : category.items) {
            if (!item.path.isEmpty())
                paths.insert(item.path);
        }
    }
    return paths;
}

ScanResult &CleanEngine::result()
{
    return m_result;
}

const ScanResult &CleanEngine::result() const
{
    return m_result;
}

void CleanEngine::startScan()
{
    m_heldBack.clear();
    setState(Scanning);
    m_job.start(
        [this](LongJob::Run &run) {
            m_run = &run;
            // Emptied here, not on the interface thread: an earlier run may still be reading it.
            m_result.categories.clear();
            m_result.eachPathOnce = false;
            m_result.unreadableFolders.clear();
            doScan();
            m_run = nullptr;
        },
        [this](bool cancelled) {
            dropForgotten();
            if (cancelled)
                return;
            setState(Finished);
            emit scanFinished(m_result);
        });
}

void CleanEngine::startClean()
{
    m_heldBack.clear();
    runClean();
}

void CleanEngine::runClean()
{
    m_keptByOthers.clear();
    for (const QPointer<CleanEngine> &other : std::as_const(m_ticksSharedWith)) {
        // A scan under way is replacing the other's result, and with it the ticks.
        if (other && other->state() != Scanning)
            m_keptByOthers.unite(other->untickedPaths());
    }
    setState(Cleaning);
    auto outcome = std::make_shared<CleanOutcome>();
    m_job.start(
        [this, outcome](LongJob::Run &run) {
            m_run = &run;
            *outcome = doClean();
            m_run = nullptr;
        },
        [this, outcome](bool cancelled) {
            // Before keepRemaining, which moves the items the held-back places point at.
            releaseHeldBack();
            m_result.keepRemaining(outcome->removed, outcome->failures, outcome->remainingSizes);
            dropForgotten();
            if (!outcome->error.isEmpty())
                emit errorOccurred(outcome->error);
            setState(cancelled ? Cancelled : Finished);
            if (!outcome->removed.isEmpty())
                emit pathsRemoved(outcome->removed);
            emit cleanFinished(outcome->bytesCleaned, outcome->itemsCleaned);
        });
}

void CleanEngine::startCleanLeaving(const QSet<QString> &paths)
{
    holdBack(paths);
    runClean();
}

void CleanEngine::holdBack(const QSet<QString> &paths)
{
    m_heldBack.clear();
    if (paths.isEmpty())
        return;
    for (qsizetype c = 0; c < m_result.categories.size(); ++c) {
        QList<CleanItem> &items = m_result.categories[c].items;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items[i].checked && paths.contains(items[i].path)) {
                items[i].checked = false;
                m_heldBack.append({ c, i });
            }
        }
    }
}

void CleanEngine::releaseHeldBack()
{
    for (const auto &[category, item] : std::as_const(m_heldBack))
        m_result.categories[category].items[item].checked = true;
    m_heldBack.clear();
}

void CleanEngine::shareTicks(CleanEngine *first, CleanEngine *second)
{
    if (!first || !second || first == second || first->m_ticksSharedWith.contains(second))
        return;
    first->m_ticksSharedWith.append(second);
    second->m_ticksSharedWith.append(first);
}

QSet<QString> CleanEngine::untickedPaths() const
{
    QSet<QString> unticked = foundPaths();
    for (const CleanCategory &category : m_result.categories) {
        if (!category.checked)
            continue;
        for (const CleanItem &item : category.items) {
            if (item.checked)
                unticked.remove(item.path);
        }
    }
    return unticked;
}

ScanResult::Totals CleanEngine::selectionToClean() const
{
    QSet<QString> kept;
    for (const QPointer<CleanEngine> &other : std::as_const(m_ticksSharedWith)) {
        if (other && other->state() != Scanning)
            kept.unite(other->untickedPaths());
    }
    if (kept.isEmpty())
        return m_result.selected();
    ScanResult::Totals totals;
    QSet<QString> counted;
    for (const CleanCategory &category : m_result.categories) {
        if (!category.checked)
            continue;
        for (const CleanItem &item : category.items) {
            if (!item.checked || counted.contains(item.path) || Removals::covers(kept, item.path))
                continue;
            counted.insert(item.path);
            totals.add(item);
        }
    }
    return totals;
}

bool CleanEngine::isKeptByOther(const QString &path) const
{
    return Removals::covers(m_keptByOthers, path);
}

QSet<QString> CleanEngine::keptBelow(const QString &folder) const
{
    QSet<QString> below;
    const QString prefix = folder + QLatin1Char('/');
    for (const QString &path : m_keptByOthers) {
        if (path.startsWith(prefix))
            below.insert(path);
    }
    return below;
}

void CleanEngine::forgetRemoved(const QSet<QString> &paths)
{
    if (m_job.isBusy()) {
        m_forgotten.unite(paths);
        return;
    }
    if (m_result.dropRemoved(paths))
        emit resultChanged();
}

void CleanEngine::dropForgotten()
{
    if (!m_forgotten.isEmpty())
        m_result.dropRemoved(std::exchange(m_forgotten, {}));
}

void CleanEngine::cancel()
{
    m_job.cancel();
    setState(Cancelled);
}

bool CleanEngine::isCancelled() const
{
    return m_run && m_run->isCancelled();
}

void CleanEngine::reportScanProgress(int current, int total, const QString &currentPath, bool force)
{
    if (m_run)
        m_run->report([=] { emit scanProgress(current, total, currentPath); }, force);
}

void CleanEngine::reportCleanProgress(int current, int total, qint64 cleanedSize, bool force)
{
    if (m_run)
        m_run->report([=] { emit cleanProgress(current, total, cleanedSize); }, force);
}

void CleanEngine::setState(State state)
{
    if (m_state.exchange(state) != state)
        emit stateChanged(state);
}

void CleanEngine::stopWorker()
{
    m_job.cancel();
    m_job.waitForIdle();
}
