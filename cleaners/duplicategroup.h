#pragma once

#include "duplicatefile.h"

#include <QList>
#include <QMetaType>
#include <QString>

// Files of identical content: hash is the MD5 of that content in lower-case hex.
struct DuplicateGroup
{
    QString hash;
    qint64 fileSize = 0;
    QList<DuplicateFile> files;
};

Q_DECLARE_METATYPE(DuplicateGroup)
