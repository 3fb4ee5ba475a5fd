#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>

// MD5 digests of several messages at once. Where the processor has vector units the messages
// are hashed side by side, one per lane of a vector register, at several times the speed of
// hashing them one after the other; the width used follows how many messages are still being
// read (one or two are hashed in plain code, which is faster than a mostly idle vector).
class Md5Lanes final
{
public:
    // Supplies message index in pieces: copies up to capacity bytes into buffer and returns
    // how many, 0 at the message's end, -1 if it cannot be read. Called for a message from its
    // first piece until it returns 0 or -1, never again after that.
    using Reader = std::function<qint64(int index, char *buffer, qint64 capacity)>;
    // One 16-byte digest per message 0 .. count - 1, in order; empty for a message whose reader
    // returned -1. Everything is empty when cancelled is seen set before a piece is read.
    static QList<QByteArray> digestStreams(int count, const std::atomic<bool> &cancelled, const Reader &read);

    // One digest per path, of the content read in 1 MiB chunks until a read returns nothing;
    // empty for a file that is not a regular file or cannot be opened or read (a FIFO is never
    // opened). read, if set, is told after every chunk how many bytes of the file at that
    // index are read so far.
    using ReadObserver = std::function<void(int index, qint64 bytesRead)>;
    static QList<QByteArray> digestFiles(
        const QStringList &paths, const std::atomic<bool> &cancelled, const ReadObserver &read = {});
};
