#include "treewalker.h"

#include <QList>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int openFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

unsigned char typeFromMode(mode_t mode)
{
    if (S_ISDIR(mode))
        return DT_DIR;
    if (S_ISREG(mode))
        return DT_REG;
    if (S_ISLNK(mode))
        return DT_LNK;
    if (S_ISFIFO(mode))
        return DT_FIFO;
    if (S_ISSOCK(mode))
        return DT_SOCK;
    if (S_ISCHR(mode))
        return DT_CHR;
    if (S_ISBLK(mode))
        return DT_BLK;
    return DT_UNKNOWN;
}

struct Listed
{
    QByteArray name;
    unsigned char type;
};

// One folder on the walk's stack.
struct Frame
{
    int fd = -1; // -1 while closed to keep the open descriptors bounded
    bool owned = true;
    dev_t device = 0;
    ino_t inode = 0;
    qsizetype pathLength = 0;
    QByteArray name;
    QList<QByteArray> subfolders;
    qsizetype next = 0;
};

class Walk
{
public:
    Walk(const QByteArray &rootPath, TreeWalker::Visitor &visitor)
        : m_path(rootPath)
        , m_visitor(visitor)
    {
    }

    ~Walk()
    {
        for (const Frame &frame : std::as_const(m_frames)) {
            if (frame.owned && frame.fd >= 0)
                ::close(frame.fd);
        }
    }

    TreeWalker::Outcome run(int rootFd)
    {
        struct stat info;
        if (::fstat(rootFd, &info) != 0)
            return TreeWalker::Outcome::Incomplete;
        Frame root;
        root.fd = rootFd;
        root.owned = false;
        root.device = info.st_dev;
        root.inode = info.st_ino;
        root.pathLength = m_path.size();
        m_rootDevice = info.st_dev;
        m_frames.append(root);
        if (!readFolder(0))
            return TreeWalker::Outcome::Incomplete;
        while (true) {
            if (m_stopped || m_visitor.stopRequested())
                return TreeWalker::Outcome::Stopped;
            Frame &top = m_frames.last();
            if (top.next < top.subfolders.size()) {
                enterNext();
                continue;
            }
            if (m_frames.size() == 1)
                break;
            if (!leaveTop())
                return TreeWalker::Outcome::Aborted;
        }
        return m_incomplete ? TreeWalker::Outcome::Incomplete : TreeWalker::Outcome::Complete;
    }

private:
    int depth() const
    {
        return int(m_frames.size());
    }

    // Lists the folder of the given frame: its subfolders are kept for later, every other entry
    // is visited now. The listing is read whole first: removing entries while a folder is
    // being read may make some file systems skip others.
    bool readFolder(qsizetype index)
    {
        Frame &frame = m_frames[index];
        const int readFd = ::dup(frame.fd);
        if (readFd < 0)
            return false;
        DIR *dir = ::fdopendir(readFd);
        if (!dir) {
            ::close(readFd);
            return false;
        }
        QList<Listed> files;
        errno = 0;
        while (const dirent *entry = ::readdir(dir)) {
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                struct stat info;
                if (::fstatat(frame.fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = typeFromMode(info.st_mode);
            }
            if (type == DT_DIR)
                frame.subfolders.append(QByteArray(name));
            else
                files.append({ QByteArray(name), type });
            errno = 0;
        }
        const int readError = errno;
        ::closedir(dir);
        m_path.truncate(frame.pathLength);
        const int fd = frame.fd;
        for (const Listed &file : std::as_const(files)) {
            if (m_visitor.stopRequested()) {
                m_stopped = true;
                break;
            }
            m_visitor.visitFile(TreeWalker::Entry(fd, m_path, file.name, file.type, depth()));
        }
        if (readError != 0)
            m_incomplete = true;
        return true;
    }

    void enterNext()
    {
        const qsizetype parentIndex = m_frames.size() - 1;
        const int parentFd = m_frames[parentIndex].fd;
        const QByteArray name = m_frames[parentIndex].subfolders.at(m_frames[parentIndex].next++);
        m_path.truncate(m_frames[parentIndex].pathLength);
        const TreeWalker::Entry entry(parentFd, m_path, name, DT_DIR, depth());
        if (!m_visitor.enterFolder(entry))
            return;
        const int childFd = ::openat(parentFd, name.constData(), openFolderFlags);
        if (childFd < 0) {
            m_incomplete = true;
            m_visitor.failed(entry, errno);
            return;
        }
        struct stat info;
        if (::fstat(childFd, &info) != 0) {
            const int error = errno;
            ::close(childFd);
            m_incomplete = true;
            m_visitor.failed(entry, error);
            return;
        }
        if (info.st_dev != m_rootDevice) {
            ::close(childFd);
            m_incomplete = true;
            m_visitor.otherDevice(entry);
            return;
        }
        Frame child;
        child.fd = childFd;
        child.device = info.st_dev;
        child.inode = info.st_ino;
        child.name = name;
        child.pathLength = m_path.size() + 1 + name.size();
        m_frames.append(child);
        boundOpenFolders();
        m_path.append('/').append(name);
        if (!readFolder(m_frames.size() - 1)) {
            const int error = errno;
            m_path.truncate(m_frames[parentIndex].pathLength);
            ::close(m_frames.last().fd);
            m_frames.removeLast();
            m_incomplete = true;
            m_visitor.failed(TreeWalker::Entry(parentFd, m_path, name, DT_DIR, depth()), error);
        }
    }

    // Closes the shallowest open folder (never the root) once too many are open; it is opened
    // again through ".." of its child when the walk returns to it.
    void boundOpenFolders()
    {
        if (m_frames.size() - m_firstOpen <= TreeWalker::maxOpenFolders)
            return;
        Frame &oldest = m_frames[m_firstOpen];
        ::close(oldest.fd);
        oldest.fd = -1;
        ++m_firstOpen;
    }

    // Pops the finished top folder and tells the visitor, from its parent.
    bool leaveTop()
    {
        Frame done = m_frames.takeLast();
        Frame &parent = m_frames.last();
        if (parent.fd < 0 && !reopenParent(done, parent)) {
            ::close(done.fd);
            m_path.truncate(parent.pathLength);
            m_visitor.failed(TreeWalker::Entry(-1, m_path, done.name, DT_DIR, depth()), ENOENT);
            return false;
        }
        ::close(done.fd);
        m_path.truncate(parent.pathLength);
        m_visitor.leaveFolder(TreeWalker::Entry(parent.fd, m_path, done.name, DT_DIR, depth()));
        return true;
    }

    // The parent is opened as ".." of its child and must be the very folder left earlier: a tree
    // moved meanwhile ends the walk rather than continue somewhere else.
    bool reopenParent(const Frame &child, Frame &parent)
    {
        const int fd = ::openat(child.fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat info;
        if (::fstat(fd, &info) != 0 || info.st_dev != parent.device || info.st_ino != parent.inode) {
            ::close(fd);
            return false;
        }
        parent.fd = fd;
        m_firstOpen = m_frames.size() - 1;
        return true;
    }

    QByteArray m_path;
    TreeWalker::Visitor &m_visitor;
    QList<Frame> m_frames;
    qsizetype m_firstOpen = 1;
    dev_t m_rootDevice = 0;
    bool m_incomplete = false;
    bool m_stopped = false;
};

} // namespace

TreeWalker::Entry::Entry(
    int folderFd, const QByteArray &folderPath, const QByteArray &name, unsigned char type, int depth)
    : m_folderFd(folderFd)
    , m_folderPath(folderPath)
    , m_name(name)
    , m_type(type)
    , m_depth(depth)
{
}

int TreeWalker::Entry::folderFd() const
{
    return m_folderFd;
}

const QByteArray &TreeWalker::Entry::folderPath() const
{
    return m_folderPath;
}

const QByteArray &TreeWalker::Entry::name() const
{
    return m_name;
}

QByteArray TreeWalker::Entry::path() const
{
    QByteArray path;
    path.reserve(m_folderPath.size() + 1 + m_name.size());
    path.append(m_folderPath).append('/').append(m_name);
    return path;
}

unsigned char TreeWalker::Entry::type() const
{
    return m_type;
}

int TreeWalker::Entry::depth() const
{
    return m_depth;
}

bool TreeWalker::Entry::stat(struct stat *info) const
{
    if (m_statState == 0)
        m_statState = ::fstatat(m_folderFd, m_name.constData(), &m_info, AT_SYMLINK_NOFOLLOW) == 0 ? 1 : -1;
    if (m_statState < 0)
        return false;
    *info = m_info;
    return true;
}

TreeWalker::Outcome TreeWalker::walk(int rootFd, const QByteArray &rootPath, Visitor &visitor)
{
    Walk walk(rootPath, visitor);
    return walk.run(rootFd);
}
