#include "cleanitem.h"

#include <QCoreApplication>

CleanItem::CleanItem(const QString &name, const QString &path, qint64 size)
    : name(name)
    , path(path)
    , size(size)
{
}

QString CleanItem::formatSize(qint64 bytes, int gigabyteDecimals)
{
    constexpr qint64 kib = 1024;
    constexpr qint64 mib = kib * 1024;
    constexpr qint64 gib = mib * 1024;
    if (bytes < 0)
        return QStringLiteral("0 B");
    if (bytes < kib)
        return QStringLiteral("%1 B").arg(bytes);
    if (bytes < mib)
        return QStringLiteral("%1 KB").arg(QString::number(double(bytes) / kib, 'f', 1));
    if (bytes < gib)
        return QStringLiteral("%1 MB").arg(QString::number(double(bytes) / mib, 'f', 1));
    return QStringLiteral("%1 GB").arg(QString::number(double(bytes) / gib, 'f', gigabyteDecimals));
}

QString CleanItem::riskText(int riskLevel)
{
    switch (riskLevel) {
    case 0:
        return QCoreApplication::translate("CleanItem", "Low");
    case 1:
        return QCoreApplication::translate("CleanItem", "Medium");
    case 2:
        return QCoreApplication::translate("CleanItem", "High");
    default:
        return QString();
    }
}
