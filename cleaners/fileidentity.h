#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

// Device and inode of a regular file, with its size: two paths with the same identity name the
// same file (hard links, overlapping folders, "..").
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;

    // Empty unless path itself (never a link's target) is a regular file.
    static std::optional<FileIdentity> ofRegularFile(const QString &path);

    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

inline size_t qHash(const FileIdentity &identity, size_t seed = 0)
{
    return qHashMulti(seed, identity.device, identity.inode);
}
