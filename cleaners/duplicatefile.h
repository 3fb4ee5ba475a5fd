#pragma once

#include <QDateTime>
#include <QString>

// One copy of a file that has identical twins elsewhere.
struct DuplicateFile
{
    QString path;
    qint64 size = 0;
    QDateTime modified;
};
