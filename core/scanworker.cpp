#include "scanworker.h"

#include "cleanengine.h"

ScanWorker::ScanWorker(CleanEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    setAutoDelete(false);
}

void ScanWorker::run()
{
    if (!m_engine) {
        emit error(QStringLiteral("Invalid engine"));
        return;
    }
    connect(m_engine, &CleanEngine::scanProgress, this, &ScanWorker::progress, Qt::QueuedConnection);
    connect(m_engine, &CleanEngine::scanFinished, this, &ScanWorker::finished, Qt::QueuedConnection);
    connect(m_engine, &CleanEngine::errorOccurred, this, &ScanWorker::error, Qt::QueuedConnection);
    m_engine->startScan();
}

void ScanWorker::cancel()
{
    m_cancelled = true;
    if (m_engine)
        m_engine->cancel();
}
