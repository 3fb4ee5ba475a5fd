#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>

// MD5 digests of several files at once. Where the processor has vector units the files are
// hashed side by side, one per lane of a vector register, at several times the speed of
// hashing them one after the other; elsewhere they are hashed one by one.
class Md5Lanes final
{
public:
    // One 16-byte digest per path, in order, of the content read in 1 MiB chunks until a read
    // returns nothing; empty for a file that is not a regular file or cannot be opened (a FIFO
    // is never opened). Everything is empty when cancelled is seen set before a chunk. read, if
    // set, is told after every chunk how many bytes of the file at that index are read so far.
    using ReadObserver = std::function<void(int index, qint64 bytesRead)>;
    static QList<QByteArray> digestFiles(
        const QStringList &paths, const std::atomic<bool> &cancelled, const ReadObserver &read = {});
};
