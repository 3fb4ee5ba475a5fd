#pragma once

#include "core/cleanengine.h"

// The registry engine. The registry exists only on Windows: here a scan ends at once with
// nothing found, so that a combined scan of all engines completes, and a clean removes nothing.
class RegistryCleaner final : public CleanEngine
{
    Q_OBJECT

public:
    explicit RegistryCleaner(QObject *parent = nullptr);
    ~RegistryCleaner() override;

protected:
    void doScan() override;
    CleanOutcome doClean() override;
};
