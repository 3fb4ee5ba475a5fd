#pragma once

#include "duplicatefile.h"

#include <QList>
#include <QMetaType>
#include <QString>

// Files of identical content: hash is the MD5 of that content in lower-case hex.
struct DuplicateGroup
{
    QString hash;
    // The length of each copy; DuplicateFile::size is the space each takes.
    qint64 fileSize = 0;
    QList<DuplicateFile> files;

    // The space removing every copy but the one taking most would give back.
    qint64 removableSpace() const
    {
        return spaceButLargest(files, [](const DuplicateFile &file) { return file.size; });
    }

    // removableSpace for any list of copies, sizeOf giving the space each takes.
    template<typename Copies, typename SizeOf> static qint64 spaceButLargest(const Copies &copies, SizeOf sizeOf)
    {
        qint64 total = 0;
        qint64 largest = 0;
        for (const auto &copy : copies) {
            total += sizeOf(copy);
            largest = qMax(largest, sizeOf(copy));
        }
        return total - largest;
    }
};

Q_DECLARE_METATYPE(DuplicateGroup)
