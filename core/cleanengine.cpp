#include "cleanengine.h"

#include <QMetaObject>
#include <QThread>

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

void CleanEngine::loadRules(const QString &)
{
}

CleanEngine::State CleanEngine::state() const
{
    return m_state;
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
    stopWorker();
    m_cancelled = false;
    m_result.categories.clear();
    setState(Scanning);

    const quint64 run = ++m_run;
    m_worker = QThread::create([this, run] {
        doScan();
        if (!m_cancelled)
            QMetaObject::invokeMethod(this, [this, run] { deliverScanResult(run); }, Qt::QueuedConnection);
    });
    m_worker->start(QThread::InheritPriority);
}

void CleanEngine::startClean()
{
    stopWorker();
    m_cancelled = false;
    setState(Cleaning);

    ++m_run;
    m_worker = QThread::create([this] { doClean(); });
    m_worker->start(QThread::InheritPriority);
}

void CleanEngine::cancel()
{
    m_cancelled = true;
    setState(Cancelled);
}

void CleanEngine::setState(State state)
{
    if (m_state.exchange(state) != state)
        emit stateChanged(state);
}

bool CleanEngine::isCancelled() const
{
    return m_cancelled;
}

void CleanEngine::stopWorker()
{
    if (!m_worker)
        return;
    m_cancelled = true;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void CleanEngine::deliverScanResult(quint64 run)
{
    if (run != m_run || m_state != Scanning)
        return;
    setState(Finished);
    emit scanFinished(m_result);
}
