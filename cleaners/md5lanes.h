#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>

// MD5 digests of several files at once. Where the processor has vector units the files are
// hashed side by side, one per lane of a vector register, at several times the speed of
// hashing them one after the other; elsewhere they are hashed one by one.
class Md5Lanes final
{
public:
    // One 16-byte digest per path, in order, of the content read in 1 MiB chunks until a read
    // returns nothing; empty for a file that cannot be opened. Everything is empty when
    // cancelled is seen set before a chunk.
    static QList<QByteArray> digestFiles(const QStringList &paths, const std::atomic<bool> &cancelled);
};
