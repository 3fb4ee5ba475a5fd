#pragma once

#include <QList>
#include <QString>

// Facts about the machine and its volumes.
class SystemUtils final
{
public:
    struct SystemInfo
    {
        QString productType;
        QString productVersion;
        QString hostName;
        qint64 totalMemory = 0;
        qint64 availableMemory = 0;
        int processorCount = 0;
    };

    struct DiskInfo
    {
        QString rootPath;
        QString name;
        qint64 totalBytes = 0;
        qint64 freeBytes = 0;
        qint64 usedBytes = 0;
        double usagePercent = 0.0;
    };

    static SystemInfo getSystemInfo();
    // Every mounted volume that is valid and ready.
    static QList<DiskInfo> getDiskInfo();
    static DiskInfo getDiskInfo(const QString &path);
    static DiskInfo diskInfoFromFigures(const QString &rootPath, const QString &name, qint64 totalBytes,
                                        qint64 freeBytes);
    static QString getWindowsDirectory();
    static QString getTempDirectory();
    static QString getProgramFilesDirectory();
    static bool isAdmin();
    static bool restartAsAdmin();
};
