#pragma once

#include "fileidentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QMetaType>
#include <QString>

// One entry the large file finder found: a regular file, or a package (a folder macOS shows as
// one document or application) listed whole with the total size of its contents.
struct LargeFileInfo
{
    // Absolute, as shown: a name whose bytes do not decode shows U+FFFD there, so two entries
    // may show one path.
    QString path;
    // The path as the bytes the system gave: the entry's identity, what a deletion acts on.
    QByteArray nativePath;
    QString name;
    QString directory;
    // The disk space the entry takes (FileUtils::allocatedSize; for a package, that of the files
    // inside), and its length as the Finder shows it, which a sparse file's far exceeds.
    qint64 size = 0;
    qint64 length = 0;
    QDateTime modified;
    // "video", "audio", "archive", "image", "document", "package" or "other".
    QString type;
    // Only a placeholder of the file is on this Mac (the rest is in iCloud): deleting it frees
    // nothing here and removes it from every device.
    bool inCloud = false;
    bool isPackage = false;
    // What the entry was when found (for a package: its folder), and the folder a deletion
    // reaches it from without following links: rootTarget is where rootPath, the start of path
    // (a scanned folder, or a followed folder link), really was at scan time.
    FileIdentity identity;
    QByteArray rootPath;
    QByteArray rootTarget;

    // The entry's identity: nativePath, or for an entry made up elsewhere its path's bytes.
    QByteArray entry() const
    {
        return nativePath.isEmpty() ? QFile::encodeName(path) : nativePath;
    }

    // The length, when it is more than twice the space taken (a sparse file, a disk image that
    // holds little yet): worth showing beside the size. 0 otherwise.
    qint64 misleadingLength() const
    {
        return length > 2 * size ? length : 0;
    }

    // Where a path beginning with rootPath lay at scan time: below rootTarget.
    static QByteArray underRoot(const QByteArray &path, const QByteArray &rootPath, const QByteArray &rootTarget);
    // Where the entry lies (lay at scan time): its path, unless a folder link led to it.
    QString realPath() const;
    // The folder link the entry was reached through (a link the walk followed, or a chosen folder
    // given through one); empty when its path is where it lies.
    QString via() const;

    // Bytes that deleting the entry frees on this Mac.
    qint64 localSize() const
    {
        return inCloud ? 0 : size;
    }
};

Q_DECLARE_METATYPE(LargeFileInfo)
