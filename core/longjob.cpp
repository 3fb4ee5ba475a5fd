#include "longjob.h"

#include <QMetaObject>

bool ProgressThrottle::due()
{
    if (m_sinceLast.isValid() && m_sinceLast.elapsed() < IntervalMs)
        return false;
    m_sinceLast.start();
    return true;
}

LongJob::Run::Run(LongJob *job, quint64 id, std::shared_ptr<std::atomic<bool>> cancelled)
    : m_job(job)
    , m_id(id)
    , m_cancelled(std::move(cancelled))
{
}

bool LongJob::Run::isCancelled() const
{
    return *m_cancelled;
}

void LongJob::Run::report(std::function<void()> deliver, bool force)
{
    if (!m_throttle.due() && !force)
        return;
    post(std::move(deliver));
}

void LongJob::Run::post(std::function<void()> deliver)
{
    m_job->deliver(m_id, m_cancelled, std::move(deliver));
}

LongJob::LongJob(QObject *parent)
    : QObject(parent)
{
    m_worker.setMaxThreadCount(1);
}

LongJob::~LongJob()
{
    cancel();
    waitForIdle();
}

quint64 LongJob::start(Work work, Finish finish)
{
    cancel();
    const quint64 id = ++m_run;
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    auto cancelled = m_cancelled;
    ++m_busy;
    m_worker.start([this, id, cancelled, work = std::move(work), finish = std::move(finish)] {
        Run run(this, id, cancelled);
        work(run);
        QMetaObject::invokeMethod(
            this,
            [this, id, cancelled, finish] {
                --m_busy;
                if (id == m_run && finish)
                    finish(*cancelled);
            },
            Qt::QueuedConnection);
    });
    return id;
}

void LongJob::cancel()
{
    if (m_cancelled)
        *m_cancelled = true;
}

bool LongJob::isBusy() const
{
    return m_busy > 0;
}

quint64 LongJob::currentRun() const
{
    return m_run;
}

void LongJob::waitForIdle()
{
    m_worker.waitForDone();
}

void LongJob::deliver(quint64 id, const std::shared_ptr<std::atomic<bool>> &cancelled,
                      std::function<void()> action)
{
    QMetaObject::invokeMethod(
        this,
        [this, id, cancelled, action = std::move(action)] {
            if (id == m_run && !*cancelled)
                action();
        },
        Qt::QueuedConnection);
}
