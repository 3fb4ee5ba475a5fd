#include "largefileinfo.h"

QByteArray LargeFileInfo::underRoot(const QByteArray &path, const QByteArray &rootPath, const QByteArray &rootTarget)
{
    QByteArray rest = path.mid(rootPath.size());
    if (!rest.startsWith('/'))
        rest.prepend('/');
    return rootTarget == "/" ? rest : rootTarget + rest;
}

QString LargeFileInfo::realPath() const
{
    if (via().isEmpty())
        return path;
    return QFile::decodeName(underRoot(entry(), rootPath, rootTarget));
}

QString LargeFileInfo::via() const
{
    return rootPath.isEmpty() || rootPath == rootTarget ? QString() : QFile::decodeName(rootPath);
}
