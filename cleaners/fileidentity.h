#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

struct stat;

// What a file was when it was seen: device and inode say which file it is (two paths with the
// same device and inode name the same file: hard links, overlapping folders, ".."), size and
// the modification and change times to the nanosecond say whether its content may have moved
// since. Writing a file moves its change time, whatever its modification time is set back to.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    // The space the file takes on disk (FileUtils::allocatedSize); no part of the identity.
    qint64 allocated = 0;

    static FileIdentity fromStat(const struct stat &info);
    // Empty unless path itself (never a link's target) is a regular file.
    static std::optional<FileIdentity> ofRegularFile(const QString &path);

    // Same device and inode.
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
    // The same file, not written, truncated or re-linked since seen was taken.
    bool isUnchangedSince(const FileIdentity &seen) const
    {
        return *this == seen && size == seen.size && modifiedNs == seen.modifiedNs && changedNs == seen.changedNs;
    }
};

inline size_t qHash(const FileIdentity &identity, size_t seed = 0)
{
    return qHashMulti(seed, identity.device, identity.inode);
}
