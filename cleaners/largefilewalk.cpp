#include "largefilewalk.h"

#include "core/fileutils.h"
#include "core/longjob.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Folders kept open as anchors for their subfolders, over all walking threads. Past this,
// subfolders are reached by opening each step from the nearest open ancestor.
constexpr int MaxOpenFolders = 64;

QDateTime modifiedTime(const struct stat &info)
{
#ifdef __APPLE__
    const struct timespec &time = info.st_mtimespec;
#else
    const struct timespec &time = info.st_mtim;
#endif
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000);
}

bool isDataless(const struct stat &info)
{
#ifdef SF_DATALESS
    return (info.st_flags & SF_DATALESS) != 0;
#else
    Q_UNUSED(info)
    return false;
#endif
}

// Paths holding one of these are never listed. None holds a "/", so a match lies within the
// folder's path or within the file's name.
const char *const excludedFragments[]
    = { "$Recycle.Bin", "System Volume Information", "Windows\\WinSxS", "Windows\\Installer" };

bool holdsExcludedFragment(const char *text)
{
    if (!std::strpbrk(text, "$ \\"))
        return false;
    return std::any_of(std::begin(excludedFragments), std::end(excludedFragments),
        [text](const char *fragment) { return std::strstr(text, fragment) != nullptr; });
}

QByteArray childPath(const QByteArray &folder, const char *name)
{
    QByteArray path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + name;
}

bool isInsideResolved(const QByteArray &path, const QByteArray &root)
{
    if (root == "/")
        return true;
    return path.startsWith(root) && (path.size() == root.size() || path.at(root.size()) == '/');
}

QByteArray resolved(const QByteArray &path)
{
    char *real = ::realpath(path.constData(), nullptr);
    if (!real)
        return {};
    QByteArray result(real);
    std::free(real);
    return result;
}

struct DirHandle
{
    DirHandle(DIR *dir, std::atomic<int> &openCount)
        : dir(dir)
        , openCount(openCount)
    {
        ++openCount;
    }
    ~DirHandle()
    {
        ::closedir(dir);
        --openCount;
    }
    DirHandle(const DirHandle &) = delete;
    DirHandle &operator=(const DirHandle &) = delete;

    int fd() const
    {
        return ::dirfd(dir);
    }

    DIR *dir;
    std::atomic<int> &openCount;
};

// A folder waiting to be walked: the names leading to it from an open ancestor (usually one
// name, from its parent), or from the working folder for a root's absolute path.
struct PendingFolder
{
    std::shared_ptr<DirHandle> anchor;
    QList<QByteArray> steps;
    QByteArray path;
    dev_t device = 0;
    // The folder the path begins with (a chosen folder, or a followed link), and where it
    // really was when the walk entered it: what a later deletion pins.
    QByteArray rootPath;
    QByteArray rootTarget;
};

struct Entry
{
    QByteArray name;
    unsigned char type;
};

struct FileKey
{
    dev_t device;
    ino_t inode;
    bool operator==(const FileKey &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

size_t qHash(const FileKey &key, size_t seed = 0)
{
    return qHashMulti(seed, quint64(key.device), quint64(key.inode));
}

// Opens the folder at the end of steps; -1 with errno set on failure.
int openSteps(const PendingFolder &folder)
{
    int fd = folder.anchor ? folder.anchor->fd() : AT_FDCWD;
    for (const QByteArray &step : folder.steps) {
        const int next = ::openat(fd, step.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int error = errno;
        if (!folder.anchor || fd != folder.anchor->fd()) {
            if (fd != AT_FDCWD)
                ::close(fd);
        }
        if (next < 0) {
            errno = error;
            return -1;
        }
        fd = next;
    }
    return fd;
}

QList<Entry> readEntries(DIR *dir, const std::function<bool()> &stopRequested)
{
    QList<Entry> entries;
    while (const dirent *entry = ::readdir(dir)) {
        if (stopRequested())
            break;
        if (entry->d_name[0] == '.')
            continue;
        entries.append(Entry { QByteArray(entry->d_name), entry->d_type });
    }
    return entries;
}

// A chosen folder, where it really is, and its device.
struct Root
{
    QByteArray path;
    dev_t device = 0;
};

} // namespace

class LargeFileWalk::Walker
{
public:
    Walker(const LargeFileWalk &walk, const QList<Root> &roots)
        : m_walk(walk)
        , m_roots(roots)
    {
    }

    void push(PendingFolder folder)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.push_back(std::move(folder));
    }

    // The body of every walking thread: takes folders until none is left and no thread can
    // add more.
    void work()
    {
        QList<LargeFileInfo> found;
        PendingFolder folder;
        while (take(folder)) {
            std::vector<PendingFolder> subfolders;
            walkFolder(folder, found, subfolders);
            folder = PendingFolder();
            finishFolder(std::move(subfolders));
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_outcome.files.append(found);
    }

    Outcome takeOutcome()
    {
        m_outcome.visitedCount = m_visited;
        if (!m_packagedInodes.isEmpty()) {
            m_outcome.files.removeIf([this](const LargeFileInfo &file) {
                return !file.isPackage
                    && m_packagedInodes.contains(FileKey { dev_t(file.identity.device), ino_t(file.identity.inode) });
            });
        }
        std::sort(m_outcome.files.begin(), m_outcome.files.end(),
            [](const LargeFileInfo &a, const LargeFileInfo &b) { return a.size > b.size; });
        return std::move(m_outcome);
    }

private:
    bool stopRequested() const
    {
        return m_walk.m_stopRequested();
    }

    bool take(PendingFolder &folder)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_pending.empty() || m_busy == 0 || m_stopped; });
        if (m_pending.empty() || m_stopped)
            return false;
        folder = std::move(m_pending.back());
        m_pending.pop_back();
        ++m_busy;
        return true;
    }

    void finishFolder(std::vector<PendingFolder> subfolders)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_busy;
        if (stopRequested()) {
            m_stopped = true;
            m_pending.clear();
        }
        for (PendingFolder &subfolder : subfolders)
            m_pending.push_back(std::move(subfolder));
        m_wake.notify_all();
    }

    void noteUnreadable(const QByteArray &path)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_outcome.unreadableFolders.size() < MaxReportedUnreadable)
            m_outcome.unreadableFolders.append(QFile::decodeName(path));
        ++m_outcome.unreadableCount;
    }

    // Opens the folder; false (noting a folder it may not read) when it cannot be walked here.
    bool openFolder(const PendingFolder &folder, DIR *&dir, struct stat &info)
    {
        const int fd = openSteps(folder);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM)
                noteUnreadable(folder.path);
            return false;
        }
        if (::fstat(fd, &info) != 0 || info.st_dev != folder.device) {
            ::close(fd);
            return false;
        }
        dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            return false;
        }
        return true;
    }

    void walkFolder(const PendingFolder &folder, QList<LargeFileInfo> &found, std::vector<PendingFolder> &subfolders)
    {
        DIR *dir = nullptr;
        struct stat folderInfo;
        if (!openFolder(folder, dir, folderInfo))
            return;
        const QList<Entry> entries = readEntries(dir, m_walk.m_stopRequested);
        const int fd = ::dirfd(dir);
        const bool folderExcluded = holdsExcludedFragment(folder.path.constData());

        std::shared_ptr<DirHandle> handle;
        if (m_openFolders < MaxOpenFolders)
            handle = std::make_shared<DirHandle>(dir, m_openFolders);
        const auto pendingChild = [&](const QByteArray &name, dev_t device) {
            PendingFolder child;
            if (handle) {
                child.anchor = handle;
                child.steps = { name };
            } else {
                child.anchor = folder.anchor;
                child.steps = folder.steps;
                child.steps.append(name);
            }
            child.path = childPath(folder.path, name.constData());
            child.device = device;
            child.rootPath = folder.rootPath;
            child.rootTarget = folder.rootTarget;
            return child;
        };

        int visited = 0;
        for (const Entry &entry : entries) {
            if (stopRequested())
                break;
            struct stat info;
            unsigned char type = entry.type;
            bool haveInfo = false;
            if (type == DT_UNKNOWN) {
                if (::fstatat(fd, entry.name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(info.st_mode) ? DT_DIR
                    : S_ISREG(info.st_mode)  ? DT_REG
                    : S_ISLNK(info.st_mode)  ? DT_LNK
                                             : DT_UNKNOWN;
                haveInfo = true;
            }
            if (type == DT_DIR) {
                visitFolder(fd, folder, entry.name, folderInfo.st_dev, found, subfolders, pendingChild);
            } else if (type == DT_REG) {
                ++visited;
                if (folderExcluded || holdsExcludedFragment(entry.name.constData()))
                    continue;
                if (!haveInfo && ::fstatat(fd, entry.name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                if (S_ISREG(info.st_mode) && info.st_size >= m_walk.m_minSize)
                    addFound(folder, entry.name, info, false, FileUtils::allocatedSize(info), found);
            } else if (type == DT_LNK) {
                followLink(fd, folder, entry.name, found, subfolders);
            }
        }
        m_visited += visited;
        if (!handle)
            ::closedir(dir);
        reportProgress(folder.path);
    }

    template<typename MakeChild>
    void visitFolder(int parentFd, const PendingFolder &parent, const QByteArray &name, dev_t device,
        QList<LargeFileInfo> &found, std::vector<PendingFolder> &subfolders, const MakeChild &makeChild)
    {
        if (!isPackage(parentFd, name)) {
            subfolders.push_back(makeChild(name, device));
            return;
        }
        struct stat info;
        if (::fstatat(parentFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_dev != device)
            return;
        listPackage(parent, name, info, makeChild(name, device), found);
    }

    // Lists the package at name in folder when its contents reach the minimum size.
    void listPackage(const PendingFolder &folder, const QByteArray &name, const struct stat &info,
        PendingFolder contents, QList<LargeFileInfo> &found)
    {
        QSet<FileKey> linked;
        const qint64 size = packageSize(std::move(contents), &linked);
        if (size < m_walk.m_minSize || stopRequested())
            return;
        {
            // A file inside with another name outside is counted here, not listed again.
            std::lock_guard<std::mutex> lock(m_mutex);
            m_packagedInodes.unite(linked);
        }
        addFound(folder, name, info, true, size, found);
    }

    bool isPackage(int parentFd, const QByteArray &name) const
    {
        if (LargeFileWalk::isPackageName(name.constData()))
            return true;
        struct stat info;
        const QByteArray infoPlist = name + "/Contents/Info.plist";
        return ::fstatat(parentFd, infoPlist.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
    }

    // The disk space a package takes on this Mac: every regular file inside, dot-files included,
    // each inode once, links not followed, on the package's own volume. The files that have
    // other names too go to *linkedInodes.
    qint64 packageSize(PendingFolder top, QSet<FileKey> *linkedInodes)
    {
        qint64 total = 0;
        std::vector<PendingFolder> pending { std::move(top) };
        while (!pending.empty() && !stopRequested()) {
            PendingFolder folder = std::move(pending.back());
            pending.pop_back();
            const int fd = openSteps(folder);
            if (fd < 0)
                continue;
            DIR *dir = ::fdopendir(fd);
            if (!dir) {
                ::close(fd);
                continue;
            }
            auto handle = std::make_shared<DirHandle>(dir, m_openFolders);
            while (const dirent *entry = ::readdir(dir)) {
                const char *name = entry->d_name;
                if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                    continue;
                struct stat info;
                if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_dev != folder.device)
                    continue;
                if (S_ISDIR(info.st_mode)) {
                    PendingFolder child;
                    const bool anchorHere = m_openFolders < MaxOpenFolders;
                    child.anchor = anchorHere ? handle : folder.anchor;
                    child.steps = anchorHere ? QList<QByteArray>() : folder.steps;
                    child.steps.append(QByteArray(name));
                    child.device = folder.device;
                    pending.push_back(std::move(child));
                } else if (S_ISREG(info.st_mode) && !isDataless(info)) {
                    if (info.st_nlink > 1 && !noteInode(*linkedInodes, info))
                        continue;
                    total += FileUtils::allocatedSize(info);
                }
            }
        }
        return total;
    }

    static bool noteInode(QSet<FileKey> &seen, const struct stat &info)
    {
        const FileKey key { info.st_dev, info.st_ino };
        if (seen.contains(key))
            return false;
        seen.insert(key);
        return true;
    }

    // A link to a folder whose target no other way of the walk reaches is walked once. A link to
    // a package, or into a folder inside one, lists that package (where it really is) as one
    // entry, as the walk does with a package it finds: a package is never entered.
    void followLink(int fd, const PendingFolder &folder, const QByteArray &name, QList<LargeFileInfo> &found,
        std::vector<PendingFolder> &subfolders)
    {
        struct stat info;
        if (::fstatat(fd, name.constData(), &info, 0) != 0 || !S_ISDIR(info.st_mode) || info.st_dev != folder.device)
            return;
        const QByteArray path = childPath(folder.path, name.constData());
        const QByteArray target = resolved(path);
        if (target.isEmpty())
            return;
        const QByteArray package = enclosingPackage(target);
        struct stat packageInfo
        {
        };
        if (!package.isEmpty()
            && (::lstat(package.constData(), &packageInfo) != 0 || packageInfo.st_dev != folder.device))
            return;
        const QByteArray &reached = package.isEmpty() ? target : package;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto covers = [&reached](const QByteArray &root) { return isInsideResolved(reached, root); };
            const auto coversRoot = [&](const Root &root) { return root.device == folder.device && covers(root.path); };
            // A chosen folder inside the package would list part of it a second time.
            const auto holdsRoot = [&](const Root &root) { return isInsideResolved(root.path, reached); };
            if (std::any_of(m_roots.cbegin(), m_roots.cend(), coversRoot)
                || std::any_of(m_followedTargets.cbegin(), m_followedTargets.cend(), covers)
                || (!package.isEmpty() && std::any_of(m_roots.cbegin(), m_roots.cend(), holdsRoot)))
                return;
            m_followedTargets.append(reached);
        }
        if (!package.isEmpty()) {
            const qsizetype slash = package.lastIndexOf('/');
            PendingFolder parent;
            parent.path = slash == 0 ? QByteArray("/") : package.left(slash);
            parent.device = folder.device;
            parent.rootPath = parent.path;
            parent.rootTarget = parent.path;
            PendingFolder contents;
            contents.steps = { package };
            contents.device = folder.device;
            listPackage(parent, package.mid(slash + 1), packageInfo, std::move(contents), found);
            return;
        }
        PendingFolder child;
        child.steps = { target };
        child.path = path;
        child.device = folder.device;
        child.rootPath = path;
        child.rootTarget = target;
        subfolders.push_back(std::move(child));
    }

    // The outermost package among the resolved folder and the folders holding it; empty if none.
    QByteArray enclosingPackage(const QByteArray &folder) const
    {
        if (folder == "/")
            return QByteArray();
        for (qsizetype end = folder.indexOf('/', 1);; end = folder.indexOf('/', end + 1)) {
            const QByteArray prefix = end < 0 ? folder : folder.left(end);
            const qsizetype slash = prefix.lastIndexOf('/');
            const QByteArray parent = slash == 0 ? QByteArray("/") : prefix.left(slash);
            const int parentFd = ::open(parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (parentFd >= 0) {
                const bool package = isPackage(parentFd, prefix.mid(slash + 1));
                ::close(parentFd);
                if (package)
                    return prefix;
            }
            if (end < 0)
                return QByteArray();
        }
    }

    void addFound(const PendingFolder &folder, const QByteArray &name, const struct stat &info, bool package,
        qint64 size, QList<LargeFileInfo> &found)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!noteInode(m_foundInodes, info))
                return;
        }
        LargeFileInfo file;
        file.name = QFile::decodeName(name);
        file.directory = QFile::decodeName(folder.path);
        file.nativePath = childPath(folder.path, name.constData());
        file.path = QFile::decodeName(file.nativePath);
        file.identity = FileIdentity::fromStat(info);
        file.rootPath = folder.rootPath;
        file.rootTarget = folder.rootTarget;
        file.directory = QFileInfo(file.realPath()).path();
        file.size = size;
        file.length = package ? size : qint64(info.st_size);
        file.modified = modifiedTime(info);
        file.isPackage = package;
        file.inCloud = !package && isDataless(info);
        if (package) {
            file.type = QStringLiteral("package");
        } else {
            const qsizetype dot = file.name.lastIndexOf(QLatin1Char('.'));
            file.type = LargeFileWalk::fileType(dot < 0 ? QString() : file.name.mid(dot + 1).toLower());
        }
        found.append(file);
        ++m_foundCount;
        m_foundBytes += file.localSize();
    }

    void reportProgress(const QByteArray &folder)
    {
        if (!m_walk.m_progress)
            return;
        std::unique_lock<std::mutex> lock(m_progressMutex, std::try_to_lock);
        if (!lock.owns_lock() || !m_throttle.due())
            return;
        m_walk.m_progress(QFile::decodeName(folder), m_foundCount, m_foundBytes);
    }

    const LargeFileWalk &m_walk;
    const QList<Root> m_roots;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<PendingFolder> m_pending;
    int m_busy = 0;
    bool m_stopped = false;
    QList<QByteArray> m_followedTargets;
    QSet<FileKey> m_foundInodes;
    // Files inside listed packages that have names elsewhere too.
    QSet<FileKey> m_packagedInodes;
    Outcome m_outcome;

    std::atomic<int> m_openFolders { 0 };
    std::atomic<int> m_visited { 0 };
    std::atomic<int> m_foundCount { 0 };
    std::atomic<qint64> m_foundBytes { 0 };

    std::mutex m_progressMutex;
    ProgressThrottle m_throttle;
};

LargeFileWalk::LargeFileWalk(qint64 minSize, std::function<bool()> stopRequested)
    : m_minSize(minSize)
    , m_stopRequested(std::move(stopRequested))
{
}

void LargeFileWalk::setProgress(Progress progress)
{
    m_progress = std::move(progress);
}

void LargeFileWalk::setThreadCount(int threads)
{
    m_threads = std::max(1, threads);
}

LargeFileWalk::Outcome LargeFileWalk::run(const QStringList &roots)
{
    // A root inside another root on the same device is walked as part of it; one on another
    // device (a volume mounted inside) is walked on its own, as the outer walk never enters it.
    struct Chosen
    {
        QByteArray real;
        QByteArray given;
        dev_t device;
    };
    QList<Chosen> chosen;
    for (const QString &root : roots) {
        const QByteArray given
            = QFile::encodeName(root.size() > 1 && root.endsWith(QLatin1Char('/')) ? root.chopped(1) : root);
        const QByteArray real = resolved(given);
        struct stat info;
        if (!real.isEmpty() && ::stat(real.constData(), &info) == 0 && S_ISDIR(info.st_mode))
            chosen.append({ real, given, info.st_dev });
    }
    QList<Root> walked;
    QList<QByteArray> givenRoots;
    for (const Chosen &root : std::as_const(chosen)) {
        const bool covered = std::any_of(chosen.cbegin(), chosen.cend(), [&root](const Chosen &other) {
            return other.real != root.real && other.device == root.device && isInsideResolved(root.real, other.real);
        });
        const bool twice = std::any_of(
            walked.cbegin(), walked.cend(), [&root](const Root &other) { return other.path == root.real; });
        if (!covered && !twice) {
            walked.append(Root { root.real, root.device });
            givenRoots.append(root.given);
        }
    }

    Walker walker(*this, walked);
    for (qsizetype i = 0; i < givenRoots.size(); ++i) {
        PendingFolder root;
        root.steps = { walked.at(i).path };
        root.path = givenRoots.at(i);
        root.device = walked.at(i).device;
        root.rootPath = givenRoots.at(i);
        root.rootTarget = walked.at(i).path;
        walker.push(std::move(root));
    }
    QThreadPool helpers;
    helpers.setMaxThreadCount(m_threads - 1);
    for (int i = 1; i < m_threads; ++i)
        helpers.start([&walker] { walker.work(); });
    walker.work();
    helpers.waitForDone();
    return walker.takeOutcome();
}

QString LargeFileWalk::fileType(const QString &extension)
{
    static const QHash<QString, QString> types = [] {
        const QList<QPair<const char *, QStringList>> table = {
            { "video",
                { QStringLiteral("mp4"), QStringLiteral("mkv"), QStringLiteral("avi"), QStringLiteral("mov"),
                    QStringLiteral("wmv"), QStringLiteral("flv"), QStringLiteral("webm"), QStringLiteral("m4v"),
                    QStringLiteral("mpeg"), QStringLiteral("mpg") } },
            { "audio",
                { QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("flac"), QStringLiteral("aac"),
                    QStringLiteral("wma"), QStringLiteral("ogg"), QStringLiteral("m4a") } },
            { "archive",
                { QStringLiteral("zip"), QStringLiteral("rar"), QStringLiteral("7z"), QStringLiteral("tar"),
                    QStringLiteral("gz"), QStringLiteral("bz2"), QStringLiteral("iso"), QStringLiteral("dmg") } },
            { "image",
                { QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif"),
                    QStringLiteral("bmp"), QStringLiteral("psd"), QStringLiteral("tiff"), QStringLiteral("raw"),
                    QStringLiteral("svg") } },
            { "document",
                { QStringLiteral("pdf"), QStringLiteral("doc"), QStringLiteral("docx"), QStringLiteral("xls"),
                    QStringLiteral("xlsx"), QStringLiteral("ppt"), QStringLiteral("pptx") } },
        };
        QHash<QString, QString> byExtension;
        for (const auto &[type, extensions] : table) {
            for (const QString &extension : extensions) {
                if (!byExtension.contains(extension))
                    byExtension.insert(extension, QString::fromLatin1(type));
            }
        }
        return byExtension;
    }();
    return types.value(extension, QStringLiteral("other"));
}

bool LargeFileWalk::isPackageName(const char *name)
{
    static const char *const extensions[] = { "app", "appex", "bundle", "framework", "plugin", "kext", "xpc",
        "prefpane", "qlgenerator", "mdimporter", "saver", "photoslibrary", "migratedphotolibrary", "photolibrary",
        "aplibrary", "musiclibrary", "tvlibrary", "imovielibrary", "theater", "fcpbundle", "logicx", "band", "pvm",
        "vmwarevm", "utm", "sparsebundle", "xcarchive", "xcodeproj", "xcworkspace", "playground", "rtfd", "pages",
        "numbers", "key", "docarchive" };
    const char *dot = std::strrchr(name, '.');
    if (!dot || dot == name)
        return false;
    return std::any_of(std::begin(extensions), std::end(extensions),
        [dot](const char *extension) { return ::strcasecmp(dot + 1, extension) == 0; });
}
