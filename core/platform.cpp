#include "platform.h"

#include <QDir>

QStringList Platform::applicationFolders()
{
    return { QStringLiteral("/Applications"), QDir::home().filePath(QStringLiteral("Applications")) };
}

QStringList Platform::systemApplicationFolders()
{
#ifdef Q_OS_MACOS
    return { QStringLiteral("/System/Applications"), QStringLiteral("/System/Applications/Utilities"),
        QStringLiteral("/System/Library/CoreServices/Applications"), QStringLiteral("/System/Library/CoreServices") };
#else
    return {};
#endif
}
