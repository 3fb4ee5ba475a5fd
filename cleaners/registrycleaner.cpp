#include "registrycleaner.h"

#include "core/logger.h"

RegistryCleaner::RegistryCleaner(QObject *parent)
    : CleanEngine(parent)
{
}

RegistryCleaner::~RegistryCleaner()
{
    stopWorker();
}

void RegistryCleaner::doScan()
{
    Logger::instance()->info(QStringLiteral("[RegistryCleaner] Registry cleaning is only available on Windows"));
}

CleanEngine::CleanOutcome RegistryCleaner::doClean()
{
    return {};
}
