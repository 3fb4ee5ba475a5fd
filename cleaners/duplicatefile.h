#pragma once

#include "fileidentity.h"

#include <QDateTime>
#include <QString>

// One copy of a file that has identical twins elsewhere, with what it was when the scan read
// it: a deletion trusts an unchanged identity instead of reading the file again.
struct DuplicateFile
{
    QString path;
    // The space the copy takes on disk (FileUtils::allocatedSize): copies of one content may
    // differ, a sparse copy taking less.
    qint64 size = 0;
    QDateTime modified;
    FileIdentity identity;
};
