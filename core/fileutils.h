#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

class PinnedRoot;
class QFile;
struct stat;

// File helpers shared by the cleaners, and the system's one way of removing files.
//
// Removing. Every deletion goes through removeUnder (or the two older entry points deleteFile and
// deleteDirectory, which use it). The rules it keeps, whoever calls it:
// - a path is reached from an open root (PinnedRoot, core/pinnedroot.h) by opening each component
//   relative to its parent with O_NOFOLLOW|O_DIRECTORY, and the last component is removed
//   relative to that descriptor: a component that is (or has just become) a link stops the
//   removal, and the path checked for containment is exactly the path removed;
// - a link is removed as a link, never followed, wherever it is;
// - nothing on another device than the root is touched: a mount point on the way or inside a
//   removed folder is left alone and reported;
// - "." and ".." are never accepted as components (as rm refuses them);
// - folders of any depth are removed without recursion and with a bounded number of open
//   descriptors (TreeWalker, core/treewalker.h), also past PATH_MAX.
//
// Reading. A file that is not a regular file is never opened for reading (opening a FIFO blocks
// for ever, a device may do anything): openRegularFile and readRegularFile check before and
// after opening, without following a link and without blocking.
//
// Names. The walk keeps names as the bytes the system gave; decodeName tells whether a name can
// be held in a QString (CleanItem::path) and turned back into the same bytes. A name that
// cannot is skipped with a log line, never confused with another.
class FileUtils final
{
public:
    // What removeUnder expects to find at the path.
    enum class Expect {
        File, // anything but a folder (a regular file, a link, a FIFO, ...); a folder is refused
        Folder, // a folder, removed with everything below it; a link there is removed as a link;
                // a regular file is refused
        Any, // whatever is there
    };

    struct Removal
    {
        enum Status {
            Removed, // the entry is gone, and with it everything below it
            Missing, // nothing there (or a component on the way is missing): nothing removed
            Refused, // a rule was at stake (outside the root, a link or another device on the way,
                     // "." or "..", not what was expected); nothing removed
            Failed, // the system refused (permissions, busy), or part of a folder could not go:
                    // what could be removed was removed
        };
        Status status = Failed;
        // For the log line: why it was refused or failed ("a link on the way: Caches"), in English.
        QString reason;
        // The same for the user, in the interface language (a rare system error as the system
        // put it).
        QString shownReason;

        bool removed() const
        {
            return status == Removed;
        }
    };

    // Removes path, which must lie below the open root (compared as text at a "/" boundary with
    // root.path(), no "." or ".." components, never the root itself), relative to the root's
    // descriptor. Safe to call from any thread; one root may serve many removals at once.
    static Removal removeUnder(const PinnedRoot &root, const QString &path, Expect expect);
    // The same for a path given as the bytes the system uses (names that are not UTF-8).
    static Removal removeUnder(const PinnedRoot &root, const QByteArray &path, Expect expect);

    // Answers, for the entry found at the path (not followed), whether it is still the one the
    // user chose; called just before the removal, on the descriptor the removal uses.
    using EntryCheck = std::function<bool(const struct stat &entry)>;
    // removeUnder that first asks check about the entry; refused ("it changed since it was
    // chosen") when check says no.
    static Removal removeUnder(const PinnedRoot &root, const QString &path, Expect expect, const EntryCheck &check);
    static Removal removeUnder(const PinnedRoot &root, const QByteArray &path, Expect expect, const EntryCheck &check);
    // Opens the folder holding path below the open root the way removeUnder reaches it (no link
    // followed, nothing on another device, no "." or ".."), for an operation on the entry itself
    // (a move into the Trash). Returns the folder's descriptor, which the caller closes, and the
    // entry's name in *name; or -1 with *refusal saying why.
    static int openParentUnder(const PinnedRoot &root, const QByteArray &path, QByteArray *name, Removal *refusal);
    // What the system answered (an errno value), for the user: the common causes in the interface
    // language, the rare ones as the system put them.
    static QString shownError(int error);

    // Renames fromName inside the open folder fromFd to toName inside toFd, never replacing what
    // has that name: false with errno EEXIST when something has it (also when it took the name
    // an instant before), false with the system's errno for any other failure. A link moves as
    // the link. One atomic call where the system has one (renameat2 with RENAME_NOREPLACE on
    // Linux, renameatx_np with RENAME_EXCL on macOS); otherwise, or where the volume does not
    // take that call, renameNoReplacePortable.
    static bool renameNoReplace(int fromFd, const QByteArray &fromName, int toFd, const QByteArray &toName);
    // The same with POSIX calls alone: anything but a folder is linked to its new name (a taken
    // name makes the link fail) and then unlinked from the old one; a folder, or an entry on a
    // volume without hard links, is renamed after its new name was found free, which leaves a
    // moment in which an item taking that name would be replaced.
    static bool renameNoReplacePortable(int fromFd, const QByteArray &fromName, int toFd, const QByteArray &toName);
    // The mount points the system lists at or below the folder realFolder (a path with every link
    // resolved), as the system gives them; empty where the platform has no such list. The walk
    // that compares devices finds a volume of its own; this also finds a folder mounted from the
    // same volume (a bind mount).
    static QList<QByteArray> mountPointsBelow(const QByteArray &realFolder);

    // Removes one file or link (never a folder) by pinning the path's parent folder: links in the
    // parent's path are resolved as the system does, the entry itself is never followed. Prefer
    // removeUnder with a root the user's choice belongs to: it also keeps the parent's path from
    // leading elsewhere. False on failure, and for a folder or a path with "." or "..".
    static bool deleteFile(const QString &path);
    // Removes a folder and everything below it the same way (a link there is removed as a link).
    // False when anything could not be removed, or for a mount point, or "." or "..".
    static bool deleteDirectory(const QString &path);

    // Test seam: called with the path (as bytes) after removeUnder has checked it and before it
    // opens anything, so a test can change the tree exactly between the check and the removal.
    // Set it only while no removal runs; an empty function removes the seam.
    static void setBeforeRemoveHook(std::function<void(const QByteArray &path)> hook);

    // Opens path for reading only when it is a regular file: it is checked without following a
    // link, opened with O_NONBLOCK|O_NOFOLLOW, checked again with fstat (the same file, still
    // regular), then switched back to blocking reads. Returns the descriptor (the caller closes
    // it), or -1 with errno set (ELOOP for a link, EINVAL for anything not a regular file).
    static int openRegularFile(const QString &path);
    // The same for name inside the open folder folderFd.
    static int openRegularFileAt(int folderFd, const QByteArray &name);
    // The same into file (read-only, the descriptor closed with the file).
    static bool openRegularFile(QFile &file, const QString &path);
    // The cheaper way for a caller that has just seen path as a regular file (a walk's lstat)
    // and compares *info with what it saw: one open with O_NONBLOCK|O_NOFOLLOW (a link is
    // refused, a FIFO does not block the open) and one fstat into *info, which must show a
    // regular file. The descriptor stays non-blocking; read it with readSome. Returns the
    // descriptor (the caller closes it), or -1 with errno set (ELOOP, EINVAL) as above.
    static int openRegularFileOnce(const QByteArray &path, struct stat *info);
    // For a path too long for one system call (PATH_MAX and more): the folder holding its last
    // component, opened piece by piece (each piece shorter than PATH_MAX, links in it resolved as
    // the system resolves them in a path), with that component in *name. The caller closes the
    // descriptor; -1 with errno set on failure. A shorter path is opened in one call.
    static int openParentOf(const QByteArray &path, QByteArray *name);
    // lstat(2) at any length of path.
    static bool statEntry(const QByteArray &path, struct stat *info);
    // read(2) on a descriptor of openRegularFileOnce: retried when interrupted, and switched to
    // blocking reads should a file system answer a regular file's read with EAGAIN.
    static qint64 readSome(int fd, char *buffer, qint64 capacity);
    // Reads a regular file of at most maxBytes whole; false with a reason for the log otherwise.
    static bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray *contents, QString *error = nullptr);
    // How many of this process's open descriptors are on the regular file device/inode (any
    // thread's, at this moment). A library that opens a file by its path (SQLite) can be checked
    // this way to have opened the file that was checked: none but the checker's own before, one
    // more after.
    static int descriptorsOpenOn(dev_t device, ino_t inode);
    // True when nothing is at path or it is a regular file (links not followed): what SQLite's
    // database, -journal, -wal and -shm files must be before SQLite opens them.
    static bool isRegularFileOrAbsent(const QString &path);

    // The kind of file system the open descriptor lies on ("proc", "sysfs", "devfs", "ext4",
    // "apfs", ...): the type's name on macOS and the BSDs, a name for its magic number on Linux;
    // empty where the platform does not tell or the number is not known here.
    static QByteArray fileSystemType(int fd);
    // True when the descriptor lies in one of the kernel's own trees (/proc, /sys, /dev and their
    // kind, wherever they are mounted or a link leads to them): they hold no user's files, and
    // reading them may block or have effects.
    static bool isKernelFileSystem(int fd);

    // The name as text when turning the text back gives exactly these bytes; false otherwise.
    static bool decodeName(const QByteArray &bytes, QString *name);
    // True when a component of path is "." or ".." (as written, before any cleaning).
    static bool hasDotComponent(const QString &path);
    // path with repeated "/" made one and trailing "/" removed (the root "/" stays).
    static QString withoutRepeatedSlashes(const QString &path);

    // The space the entry's data takes on disk, what removing its last name gives back: its
    // allocated blocks, at most its length. A sparse file counts what is allocated, not its
    // length; the slack of a file's last block is not counted.
    static qint64 allocatedSize(const struct stat &info);
    // Allocated size of the regular files below path; links are not followed, hard links count
    // once.
    // A walk that stop answers true for ends early with the sum so far.
    static qint64 calculateDirSize(const QString &path, const std::function<bool()> &stop = {});
    // The same below the open folder folderFd (which stays the caller's); path is its path.
    static qint64 calculateDirSize(int folderFd, const QByteArray &path, const std::function<bool()> &stop = {});
    // calculateDirSize for a folder, the entry's allocated size otherwise; a link counts as itself.
    static qint64 getFileSize(const QString &path);
    static QStringList findFiles(const QString &dir, const QStringList &nameFilters, bool recursive);
    static bool isHidden(const QString &path);
    // True when path is root itself or lies below it, compared at a "/" boundary after
    // cleaning both and resolving symbolic links in them. A check for showing and grouping;
    // it is no guard for a deletion (a link may change after it): removeUnder is.
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
