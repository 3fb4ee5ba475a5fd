#include "cleanworker.h"

#include "cleanengine.h"

CleanWorker::CleanWorker(CleanEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    setAutoDelete(false);
}

void CleanWorker::run()
{
    if (!m_engine) {
        emit error(QStringLiteral("Invalid engine"));
        return;
    }
    connect(m_engine, &CleanEngine::cleanProgress, this, &CleanWorker::progress);
    connect(m_engine, &CleanEngine::cleanFinished, this, &CleanWorker::finished);
    connect(m_engine, &CleanEngine::errorOccurred, this, &CleanWorker::error);
    m_engine->startClean();
}

void CleanWorker::cancel()
{
    m_cancelled = true;
    if (m_engine)
        m_engine->cancel();
}
