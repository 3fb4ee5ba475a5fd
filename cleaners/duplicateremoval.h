#pragma once

#include "duplicatefile.h"

#include <QList>
#include <QMetaType>
#include <QString>

// The user's choice for one duplicate group: the copies to delete and the copies to keep, each
// with its identity at scan time.
struct DuplicateRemoval
{
    QString hash;
    qint64 fileSize = 0;
    QList<DuplicateFile> remove;
    QList<DuplicateFile> keep;
};

Q_DECLARE_METATYPE(DuplicateRemoval)
