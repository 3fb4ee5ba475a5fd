#pragma once

#include <QByteArray>

#include <sys/stat.h>

// A walk of the tree below one open folder, without recursion: an explicit stack of folders and
// a bounded number of open descriptors (maxOpenFolders), so neither the thread's stack nor the
// process's descriptor limit bounds the depth, and paths longer than PATH_MAX are no obstacle
// (every system call names one entry relative to its open folder).
//
// Safety: every folder is opened with O_NOFOLLOW|O_DIRECTORY relative to its parent, so a link
// is never entered, and a folder swapped for a link after it was listed is reported as failed,
// never followed. A folder on another device than the root (a mount point) is never entered.
// Names are the bytes the system gave; nothing is decoded. Entries "." and ".." never appear.
//
// Order: the non-folder entries of a folder are visited first, then its subfolders one by one
// in listing order, so everything below one folder is visited in one contiguous run.
// leaveFolder comes after everything below the folder: the place for a post-order removal.
//
// The walk runs on the calling thread; the visitor's stopRequested() is asked between entries.
class TreeWalker final
{
public:
    static constexpr int maxOpenFolders = 32;

    // One entry met by the walk; valid only during the callback that receives it.
    class Entry
    {
    public:
        Entry(int folderFd, const QByteArray &folderPath, const QByteArray &name, unsigned char type, int depth);

        // The open folder holding the entry, for the *at() calls (fstatat, openat, unlinkat).
        int folderFd() const;
        // The path of that folder: the root's path followed by the names below it.
        const QByteArray &folderPath() const;
        // The entry's name exactly as the system listed it.
        const QByteArray &name() const;
        // folderPath() + "/" + name().
        QByteArray path() const;
        // The entry's kind as listed: DT_REG, DT_DIR, DT_LNK, DT_FIFO, ... (never DT_UNKNOWN).
        unsigned char type() const;
        // 1 for the entries directly in the root.
        int depth() const;
        // The entry's own status (links not followed), read once on first use; false when the
        // entry has gone meanwhile.
        bool stat(struct stat *info) const;

    private:
        int m_folderFd;
        const QByteArray &m_folderPath;
        const QByteArray &m_name;
        unsigned char m_type;
        int m_depth;
        mutable struct stat m_info
        {
        };
        mutable int m_statState = 0;
    };

    class Visitor
    {
    public:
        virtual ~Visitor() = default;
        // Every entry that is not a folder: regular files, links, FIFOs, sockets, devices.
        virtual void visitFile(const Entry &entry) = 0;
        // A folder about to be entered; false leaves it and everything below it out.
        virtual bool enterFolder(const Entry &)
        {
            return true;
        }
        // An entered folder after everything below it; folderFd() is its parent's.
        virtual void leaveFolder(const Entry &) { }
        // A folder on another device than the root (a mount point); never entered.
        virtual void otherDevice(const Entry &) { }
        // A folder that could not be opened or read (error is an errno value: ELOOP or ENOTDIR
        // when it was swapped for a link or a file after the listing); not entered, not left.
        virtual void failed(const Entry &, int) { }
        // Asked between entries; true ends the walk.
        virtual bool stopRequested()
        {
            return false;
        }
    };

    enum class Outcome {
        Complete, // every entry below the root was visited
        Stopped, // the visitor asked to stop
        Incomplete, // a folder failed or lay on another device; the rest was visited
        Aborted, // a folder moved under the walk, which could not return to its parent safely
    };

    // Walks everything below rootFd, an open folder that stays the caller's; rootPath is its path
    // as the entries' paths should begin.
    static Outcome walk(int rootFd, const QByteArray &rootPath, Visitor &visitor);
};
