#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The volumes the large file finder offers, as a Mac user sees them: the start-up disk once
// (walked on its data volume, where the users' files live), external and network volumes,
// never the system's own volumes (/System/Volumes/*), pseudo file systems or automounts.
struct LargeFileVolume
{
    QString rootPath; // shown on the card
    QString walkPath; // what a scan of the card walks
    QString name; // may be empty
    qint64 total = 0;
    qint64 free = 0;
};

class LargeFileVolumes final
{
public:
    // One mounted file system, as the platform reports it.
    struct Mount
    {
        QString rootPath;
        QString name;
        QByteArray fileSystemType;
        qint64 total = 0;
        qint64 free = 0;
        bool ready = true;
    };

    static QList<Mount> mounted();
    // The volumes to offer, in the order mounted.
    static QList<LargeFileVolume> browsable(const QList<Mount> &mounts);
};
