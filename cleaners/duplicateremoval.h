#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// The user's choice for one duplicate group: the copies to delete and the copies to keep.
struct DuplicateRemoval
{
    QString hash;
    qint64 fileSize = 0;
    QStringList remove;
    QStringList keep;
};

Q_DECLARE_METATYPE(DuplicateRemoval)
