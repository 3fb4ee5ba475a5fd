#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// File helpers shared by the cleaners. deleteFile and deleteDirectory are the only way the
// system removes files: a symbolic link is always removed as a link, never followed.
class FileUtils final
{
public:
    // Sum of the regular files below path; links are not followed, hard links count once.
    // A walk that stop answers true for ends early with the sum so far.
    static qint64 calculateDirSize(const QString &path, const std::function<bool()> &stop = {});
    // calculateDirSize for a folder, the file's size otherwise; a link counts as itself.
    static qint64 getFileSize(const QString &path);
    // Removes one file or symbolic link; false for a folder or on failure.
    static bool deleteFile(const QString &path);
    // Removes a folder and everything below it without ever following a link; a link to a
    // folder is removed as a link. False when anything could not be removed.
    static bool deleteDirectory(const QString &path);
    static QStringList findFiles(const QString &dir, const QStringList &nameFilters, bool recursive);
    static bool isHidden(const QString &path);
    static QString formatSize(qint64 bytes);
    // True when path is root itself or lies below it, compared at a "/" boundary after
    // cleaning both and resolving symbolic links in them.
    static bool isInside(const QString &path, const QString &root);
    // The path with "." and ".." removed and every symbolic link resolved, as far as the
    // path exists; the part that does not exist yet is appended as cleaned text.
    static QString resolvedPath(const QString &path);

    // Windows-only operations; on this platform they do nothing.
    static bool moveToRecycleBin(const QString &path);
    static bool emptyRecycleBin();
    static qint64 getRecycleBinSize();
    static bool isSystemFile(const QString &path);
};
