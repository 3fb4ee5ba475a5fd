#include "duplicatefinder.h"

#include "fileidentity.h"
#include "md5lanes.h"

#include "core/fileutils.h"
#include "core/logger.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QStorageInfo>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <xxhash.h>
#ifdef SWEEPNOOK_XXH_DISPATCH
#include <xxh_x86dispatch.h>
#endif

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif
#include <unistd.h>

namespace {

constexpr qint64 QuickHashBytes = 65536;
constexpr qint64 FullHashChunkBytes = 1048576;
constexpr int MaxHashThreads = 4;
constexpr int LookAheadBatches = 16;
// A batch of size classes is analysed in one go, so that the MD5 digests of its groups can be
// computed side by side; it ends after this many classes or bytes of candidates.
constexpr int BatchClasses = 64;
constexpr qint64 BatchBytes = 256 * 1048576;
// While waiting for the hashing threads the scanning thread wakes this often to report.
constexpr int ReportWaitMs = 50;
// A file read in full is reported by name once it is at least this large.
constexpr qint64 ReportedReadBytes = 4 * 1048576;
// The heads a batch keeps for its representatives' MD5, at most; beyond it a representative's
// head is read a second time.
constexpr qint64 KeptHeadBytes = 32 * 1048576;

const QStringList &skippedPrefixes()
{
    static const QStringList prefixes {
        QStringLiteral("/proc"),
        QStringLiteral("/sys"),
        QStringLiteral("/dev"),
        QStringLiteral("/.Trash"),
        QStringLiteral("/.Spotlight-V100"),
        QStringLiteral("/System/Volumes/Data/.Spotlight-V100"),
    };
    return prefixes;
}

bool isSkipped(const QString &path)
{
    const QStringList &prefixes = skippedPrefixes();
    // Compared at a "/" boundary: "/devices" is not below "/dev".
    return std::any_of(prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) {
        return path.startsWith(prefix) && (path.size() == prefix.size() || path.at(prefix.size()) == QLatin1Char('/'));
    });
}

// Folders held open as anchors for the folders below them; past this, a folder is reached by
// opening each step from the nearest open ancestor.
constexpr int MaxOpenFolders = 64;

// A folder held open while folders below it wait to be listed.
class OpenFolder
{
public:
    OpenFolder(int fd, int *openCount)
        : m_fd(fd)
        , m_openCount(openCount)
    {
        ++*m_openCount;
    }
    ~OpenFolder()
    {
        ::close(m_fd);
        --*m_openCount;
    }
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    int fd() const
    {
        return m_fd;
    }

private:
    int m_fd;
    int *m_openCount;
};

// A folder waiting to be listed: its path, and the names in it from the open anchor on (from
// the byte at steps).
struct WalkFolder
{
    std::shared_ptr<OpenFolder> anchor;
    QByteArray path;
    qsizetype steps = 0;
    dev_t device = 0;
};

// Opens the folder at the end of the steps without following a link; -1 on failure.
int openSteps(const WalkFolder &folder)
{
    if (folder.steps >= folder.path.size())
        return ::fcntl(folder.anchor->fd(), F_DUPFD_CLOEXEC, 0);
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    const char *rest = folder.path.constData() + folder.steps;
    if (!std::strchr(rest, '/'))
        return ::openat(folder.anchor->fd(), rest, flags); // one step: nearly always
    int fd = folder.anchor->fd();
    for (const QByteArray &step : QByteArray(rest).split('/')) {
        const int next = ::openat(fd, step.constData(), flags);
        if (fd != folder.anchor->fd())
            ::close(fd);
        if (next < 0)
            return -1;
        fd = next;
    }
    return fd;
}

// The entries of one open folder, "." and ".." included, with their listed kind: getdents64
// on Linux (nothing to allocate or check per folder), readdir elsewhere. The descriptor stays
// the caller's.
class FolderEntries
{
public:
    FolderEntries(int fd, QByteArray &buffer)
        : m_buffer(buffer)
    {
#ifdef __linux__
        m_fd = fd;
#else
        const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        m_dir = copy < 0 ? nullptr : ::fdopendir(copy);
        if (copy >= 0 && !m_dir)
            ::close(copy);
#endif
    }
    ~FolderEntries()
    {
#ifndef __linux__
        if (m_dir)
            ::closedir(m_dir);
#endif
    }
    FolderEntries(const FolderEntries &) = delete;
    FolderEntries &operator=(const FolderEntries &) = delete;

    bool next(const char **name, unsigned char *type)
    {
#ifdef __linux__
        struct Record
        {
            quint64 inode;
            qint64 offset;
            unsigned short length;
            unsigned char type;
            char name[1];
        };
        if (m_position >= m_filled) {
            const long got = ::syscall(SYS_getdents64, m_fd, m_buffer.data(), size_t(m_buffer.size()));
            if (got <= 0)
                return false;
            m_filled = got;
            m_position = 0;
        }
        const auto *record = reinterpret_cast<const Record *>(m_buffer.constData() + m_position);
        m_position += record->length;
        *name = record->name;
        *type = record->type;
        return true;
#else
        const dirent *entry = m_dir ? ::readdir(m_dir) : nullptr;
        if (!entry)
            return false;
        *name = entry->d_name;
        *type = entry->d_type;
        return true;
#endif
    }

private:
    QByteArray &m_buffer;
#ifdef __linux__
    int m_fd = -1;
    long m_filled = 0;
    long m_position = 0;
#else
    DIR *m_dir = nullptr;
#endif
};

// Calls visit for every regular file below root, depth first, in the order the file system
// lists each folder; hidden files are included and symbolic links are never followed (a root
// that is a link is). Every folder is opened relative to its parent, so any depth works, past
// PATH_MAX too, with a bounded number of descriptors. The kernel's own trees (/proc, /sys, /dev
// wherever they are mounted or a link leads) are never listed. A name that does not decode to a
// path naming the same bytes is skipped with a log line. Stops as soon as cancelled is set. A
// root that is not a folder lists nothing. A folder the walk has no permission to open goes to
// unreadable.
void walkRegularFiles(const QString &root, const std::atomic<bool> &cancelled,
    const std::function<void(const QString &, const struct stat &)> &visit,
    const std::function<void(const QByteArray &)> &unreadable)
{
    const QByteArray rootPath = QFile::encodeName(root);
    QByteArray rootName;
    const int rootParent = FileUtils::openParentOf(rootPath, &rootName);
    if (rootParent < 0)
        return;
    int openFolders = 0; // outlives every folder that counts itself here
    std::vector<WalkFolder> pending;
    {
        // The root itself may be a link: it is followed, once.
        const int rootFd
            = ::openat(rootParent, rootName.isEmpty() ? "." : rootName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int error = errno;
        ::close(rootParent);
        if (rootFd < 0) {
            if (error == EACCES || error == EPERM)
                unreadable(rootPath);
            return;
        }
        struct stat info;
        if (::fstat(rootFd, &info) != 0 || FileUtils::isKernelFileSystem(rootFd)) {
            ::close(rootFd);
            return;
        }
        WalkFolder top;
        top.anchor = std::make_shared<OpenFolder>(rootFd, &openFolders);
        top.path = rootPath;
        top.steps = rootPath.size();
        top.device = info.st_dev;
        pending.push_back(std::move(top));
    }
    QByteArray buffer(32768, Qt::Uninitialized);
    std::vector<WalkFolder> subfolders;
    while (!pending.empty() && !cancelled) {
        WalkFolder folder = std::move(pending.back());
        pending.pop_back();
        const int fd = openSteps(folder);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM)
                unreadable(folder.path);
            continue;
        }
        struct stat folderInfo;
        // Another file system below: the kernel's trees are left out, whatever their path.
        if (::fstat(fd, &folderInfo) != 0
            || (folderInfo.st_dev != folder.device && FileUtils::isKernelFileSystem(fd))) {
            ::close(fd);
            continue;
        }
        const QByteArray prefix = folder.path.endsWith('/') ? folder.path : folder.path + '/';
        std::shared_ptr<OpenFolder> here;
        const auto addSubfolder = [&](const char *name) {
            WalkFolder child;
            if (!here && openFolders < MaxOpenFolders)
                here = std::make_shared<OpenFolder>(fd, &openFolders);
            child.anchor = here ? here : folder.anchor;
            child.steps = here || folder.steps >= folder.path.size() ? prefix.size() : folder.steps;
            child.path = prefix + name;
            child.device = folderInfo.st_dev;
            subfolders.push_back(std::move(child));
        };
        {
            FolderEntries entries(fd, buffer);
            const char *name = nullptr;
            unsigned char type = DT_UNKNOWN;
            while (entries.next(&name, &type)) {
                if (cancelled)
                    break;
                if (type == DT_LNK || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                    continue;
                if (type == DT_DIR) {
                    addSubfolder(name);
                    continue;
                }
                struct stat info;
                if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                if (S_ISDIR(info.st_mode)) {
                    addSubfolder(name);
                } else if (S_ISREG(info.st_mode)) {
                    const QByteArray path = prefix + name;
                    QString decoded;
                    if (!FileUtils::decodeName(path, &decoded))
                        Logger::instance()->warning(QStringLiteral("DuplicateFinder: skipped a file whose name cannot "
                                                                   "be represented: ")
                            + QString::fromLatin1(path.toPercentEncoding("/")));
                    else
                        visit(decoded, info);
                }
            }
        }
        if (!here)
            ::close(fd);
        here.reset();
        folder = WalkFolder();
        std::for_each(std::make_move_iterator(subfolders.rbegin()), std::make_move_iterator(subfolders.rend()),
            [&](WalkFolder &&sub) { pending.push_back(std::move(sub)); });
        subfolders.clear();
    }
}

// Says which files are one: the same inode on the same mount source (one file system mounted
// twice shows one file under two device numbers).
class FileKeys
{
public:
    QPair<int, quint64> keyOf(const QString &path, const struct stat &info)
    {
        // Files come folder by folder, nearly always from the device of the one before.
        if (m_lastDevice && *m_lastDevice == quint64(info.st_dev))
            return { m_lastSource, quint64(info.st_ino) };
        auto source = m_sourceOfDevice.find(quint64(info.st_dev));
        if (source == m_sourceOfDevice.end()) {
            QByteArray name = QStorageInfo(path).device();
            if (name.isEmpty())
                name = "device:" + QByteArray::number(quint64(info.st_dev));
            auto known = m_sources.find(name);
            if (known == m_sources.end())
                known = m_sources.insert(name, int(m_sources.size()));
            source = m_sourceOfDevice.insert(quint64(info.st_dev), known.value());
        }
        m_lastDevice = quint64(info.st_dev);
        m_lastSource = source.value();
        return { source.value(), quint64(info.st_ino) };
    }

private:
    std::optional<quint64> m_lastDevice;
    int m_lastSource = 0;
    QHash<quint64, int> m_sourceOfDevice;
    QHash<QByteArray, int> m_sources;
};

// What a file shows of itself whichever mount it is seen through.
struct ViewKey
{
    quint64 inode;
    qint64 size;
    qint64 modifiedNs;
    qint64 changedNs;
    bool operator==(const ViewKey &other) const
    {
        return inode == other.inode && size == other.size && modifiedNs == other.modifiedNs
            && changedNs == other.changedNs;
    }
};

size_t qHash(const ViewKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.inode, key.size, key.modifiedNs, key.changedNs);
}

QByteArray canonicalDigest(XXH128_hash_t hash)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, hash);
    return QByteArray(reinterpret_cast<const char *>(canonical.digest), sizeof canonical.digest);
}

// Reads up to the first 64 KiB through fd, which it closes, into a buffer the calling thread
// keeps (a fresh one for every file would be mapped and zeroed by the system each time); a
// view of what was read, or null if nothing could be.
QByteArrayView readHead(int fd)
{
    thread_local const std::unique_ptr<char[]> buffer(new char[size_t(QuickHashBytes)]);
    if (fd < 0)
        return {};
    const qint64 got = FileUtils::readSome(fd, buffer.get(), QuickHashBytes);
    ::close(fd);
    return got >= 0 ? QByteArrayView(buffer.get(), qsizetype(got)) : QByteArrayView();
}

} // namespace

// What the analysis of one size class found, in the order it is to be reported.
struct DuplicateFinder::SizeClassResult
{
    QList<QPair<QByteArray, QStringList>> groups; // MD5 of the content, paths
    bool stopped = false; // the scan was stopped inside a per-file loop
};

// Files of one size class sharing their head. The representative is read in full once, for
// its MD5 and, beyond the head, for the digest the others' content is compared with; its head
// is kept from the head stage when there was room.
struct DuplicateFinder::HeadBucket
{
    QStringList paths;
    int representative = 0;
    QByteArray head;
};

struct DuplicateFinder::SizeClassBuckets
{
    QList<HeadBucket> buckets;
    bool stopped = false;
};

// Files read in full at this moment, and the last file quick-hashed; shared by the hashing
// threads and read by the scanning thread when it reports.
class DuplicateFinder::ReadTracker
{
public:
    void quickHashed(const QString &path)
    {
        const QMutexLocker lock(&m_mutex);
        m_lastHashed = path;
    }

    QString lastHashed() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_lastHashed;
    }

    quint64 begin(const QString &path, qint64 size)
    {
        const QMutexLocker lock(&m_mutex);
        m_reads.insert(++m_nextId, Read { path, 0, size });
        return m_nextId;
    }

    void update(quint64 id, qint64 done)
    {
        const QMutexLocker lock(&m_mutex);
        auto read = m_reads.find(id);
        if (read != m_reads.end())
            read->done = done;
    }

    void end(quint64 id)
    {
        const QMutexLocker lock(&m_mutex);
        m_reads.remove(id);
    }

    // The read with the most bytes left, if one of at least ReportedReadBytes runs.
    bool largest(QString *path, qint64 *done, qint64 *size) const
    {
        const QMutexLocker lock(&m_mutex);
        const Read *best = nullptr;
        for (const Read &read : m_reads) {
            if (read.size >= ReportedReadBytes && (!best || read.size - read.done > best->size - best->done))
                best = &read;
        }
        if (!best)
            return false;
        *path = best->path;
        *done = best->done;
        *size = best->size;
        return true;
    }

private:
    struct Read
    {
        QString path;
        qint64 done = 0;
        qint64 size = 0;
    };

    mutable QMutex m_mutex;
    QString m_lastHashed;
    QHash<quint64, Read> m_reads;
    quint64 m_nextId = 0;
};

namespace {

// Analyses batches of size classes on a pool of threads, at most LookAheadBatches ahead of the
// reader, and hands the results over in batch order.
class SizeClassPipeline
{
public:
    using Result = QList<DuplicateFinder::SizeClassResult>;

    SizeClassPipeline(int count, std::function<Result(int)> analyze)
        : m_analyze(std::move(analyze))
        , m_results(size_t(count))
        , m_done(size_t(count), false)
    {
        const int threads = qMin(count, qBound(2, QThread::idealThreadCount(), MaxHashThreads));
        m_pool.setMaxThreadCount(qMax(threads, 1));
        for (int i = 0; i < threads; ++i)
            m_pool.start([this] { work(); });
    }

    ~SizeClassPipeline()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_abandoned = true;
        }
        m_changed.notify_all();
        m_pool.waitForDone();
    }

    // Waits for the batch at index, calling whileWaiting every ReportWaitMs meanwhile.
    Result take(int index, const std::function<void()> &whileWaiting)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_changed.wait_for(
            lock, std::chrono::milliseconds(ReportWaitMs), [&] { return bool(m_done[size_t(index)]); })) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
        m_taken = index + 1;
        m_changed.notify_all();
        return std::move(m_results[size_t(index)]);
    }

private:
    void work()
    {
        const int count = int(m_results.size());
        for (;;) {
            int index = 0;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(
                    lock, [&] { return m_abandoned || m_next >= count || m_next < m_taken + LookAheadBatches; });
                if (m_abandoned || m_next >= count)
                    return;
                index = m_next++;
            }
            Result result = m_analyze(index);
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_results[size_t(index)] = std::move(result);
                m_done[size_t(index)] = true;
            }
            m_changed.notify_all();
        }
    }

    std::function<Result(int)> m_analyze;
    std::vector<Result> m_results;
    std::vector<bool> m_done;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_next = 0;
    int m_taken = 0;
    bool m_abandoned = false;
    QThreadPool m_pool;
};

} // namespace

DuplicateFinder::DuplicateFinder(QObject *parent)
    : QObject(parent)
    , m_reads(std::make_unique<ReadTracker>())
{
    qRegisterMetaType<DuplicateGroup>();
}

DuplicateFinder::~DuplicateFinder()
{
    cancel();
    m_job.waitForIdle();
}

bool DuplicateFinder::start()
{
    if (m_job.isBusy())
        return false;
    cancelled = false;
    m_job.start(
        [this](LongJob::Run &run) {
            m_run = &run;
            scan();
            m_run = nullptr;
        },
        [this](bool wasCancelled) {
            if (wasCancelled || cancelled)
                emit scanStopped();
        });
    return true;
}

void DuplicateFinder::cancel()
{
    cancelled = true;
    m_job.cancel();
}

bool DuplicateFinder::isRunning() const
{
    return m_job.isBusy();
}

void DuplicateFinder::startScan()
{
    cancelled = false;
    scan();
}

void DuplicateFinder::scan()
{
    scannedCount = 0;
    totalCount = 0;
    m_quickHashed = 0;
    m_reportedScanned = 0;
    m_throttle = ProgressThrottle();
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: scan start, dirs=") + directories.join(QStringLiteral(", ")));

    const QMap<qint64, QStringList> candidates = collectBySize();
    for (const QStringList &paths : candidates)
        totalCount += int(paths.size());
    deliver([this, total = totalCount] { emit scanStarted(total); });
    hashAndEmit(candidates);
    m_identities.clear();
}

void DuplicateFinder::deliver(std::function<void()> emitter)
{
    if (m_run)
        m_run->post(std::move(emitter));
    else
        emitter();
}

void DuplicateFinder::reportProgress(bool force)
{
    const int scanned = m_quickHashed;
    if (!force && !m_throttle.due())
        return;
    if (scanned > m_reportedScanned) {
        m_reportedScanned = scanned;
        scannedCount = scanned;
        deliver(
            [this, scanned, total = totalCount, path = m_reads->lastHashed()] { emit progress(scanned, total, path); });
    }
    QString path;
    qint64 done = 0;
    qint64 size = 0;
    if (m_reads->largest(&path, &done, &size))
        deliver([this, path, done, size] { emit readProgress(path, done, size); });
}

QMap<qint64, QStringList> DuplicateFinder::collectBySize()
{
    struct Collected
    {
        QString path;
        FileIdentity identity;
    };
    std::vector<Collected> files;
    QSet<QPair<int, quint64>> seen;
    FileKeys keys;
    m_identities.clear();
    unreadableFolders.clear();
    for (const QString &directory : std::as_const(directories)) {
        if (cancelled)
            break;
        walkRegularFiles(
            QDir::cleanPath(directory), cancelled,
            [&](const QString &path, const struct stat &info) {
                if (isSkipped(path) || qint64(info.st_size) < minSize)
                    return;
                const QPair<int, quint64> key = keys.keyOf(path, info);
                if (seen.contains(key))
                    return;
                seen.insert(key);
                files.push_back(Collected { path, FileIdentity::fromStat(info) });
            },
            [&](const QByteArray &folder) {
                const QString shown = QFile::decodeName(folder);
                if (!unreadableFolders.contains(shown))
                    unreadableFolders.append(shown);
            });
    }
    // Most files of a tree have a size no other file has: only the others are kept, in walk order.
    std::stable_sort(files.begin(), files.end(),
        [](const Collected &a, const Collected &b) { return a.identity.size < b.identity.size; });
    QMap<qint64, QStringList> bySize;
    for (size_t first = 0, end = 0; first < files.size(); first = end) {
        const qint64 size = files[first].identity.size;
        for (end = first + 1; end < files.size() && files[end].identity.size == size;)
            ++end;
        if (end - first < 2)
            continue;
        // A view of a file through another mount (an overlay of its folder) shows it on another
        // device with its own inode number, size and times to the nanosecond: one file.
        std::vector<size_t> kept;
        kept.reserve(end - first);
        QSet<ViewKey> views;
        const bool hashed = end - first > 8;
        for (size_t i = first; i < end; ++i) {
            const FileIdentity &identity = files[i].identity;
            const ViewKey view { identity.inode, identity.size, identity.modifiedNs, identity.changedNs };
            const bool seenView
                = hashed ? views.contains(view) : std::any_of(kept.cbegin(), kept.cend(), [&](size_t k) {
                      const FileIdentity &other = files[k].identity;
                      return ViewKey { other.inode, other.size, other.modifiedNs, other.changedNs } == view;
                  });
            if (seenView)
                continue;
            if (hashed)
                views.insert(view);
            kept.push_back(i);
        }
        if (kept.size() < 2)
            continue;
        QStringList &paths = *bySize.insert(bySize.cend(), size, QStringList());
        paths.reserve(qsizetype(kept.size()));
        for (const size_t i : kept) {
            paths.append(files[i].path);
            m_identities.insert(files[i].path, files[i].identity);
        }
    }
    return bySize;
}

int DuplicateFinder::openCollected(const QString &path, qint64 *size) const
{
    // The walk saw a regular file here; the descriptor must be that file, still regular.
    struct stat info;
    const int fd = FileUtils::openRegularFileOnce(QFile::encodeName(path), &info);
    if (fd < 0)
        return -1;
    const auto seen = m_identities.constFind(path);
    if (seen != m_identities.cend() && !(FileIdentity::fromStat(info) == seen.value())) {
        ::close(fd);
        return -1;
    }
    if (size)
        *size = qint64(info.st_size);
    return fd;
}

bool DuplicateFinder::streamContent(
    const QString &path, qint64 offset, const std::function<void(const char *, qint64)> &consume) const
{
    qint64 size = 0;
    const int fd = openCollected(path, &size);
    if (fd < 0)
        return false;
    if (offset > 0 && ::lseek(fd, off_t(offset), SEEK_SET) != off_t(offset)) {
        ::close(fd);
        return false;
    }
    const quint64 read = m_reads->begin(path, size);
    qint64 done = offset;
    bool failed = false;
    thread_local QByteArray chunk(FullHashChunkBytes, Qt::Uninitialized);
    for (;;) {
        if (cancelled)
            break;
        const qint64 got = FileUtils::readSome(fd, chunk.data(), chunk.size());
        failed = got < 0;
        if (got <= 0)
            break;
        consume(chunk.constData(), got);
        done += got;
        m_reads->update(read, done);
        if (afterChunkRead)
            afterChunkRead(path);
    }
    ::close(fd);
    m_reads->end(read);
    return !cancelled && !failed;
}

QByteArray DuplicateFinder::fastTailDigest(const QString &path) const
{
    const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
    XXH3_128bits_reset(state.get());
    const auto consume = [&](const char *data, qint64 size) { XXH3_128bits_update(state.get(), data, size_t(size)); };
    if (!streamContent(path, QuickHashBytes, consume))
        return {};
    return canonicalDigest(XXH3_128bits_digest(state.get()));
}

void DuplicateFinder::hashAndEmit(const QMap<qint64, QStringList> &candidates)
{
    m_groupCount = 0;
    m_wasteTotal = 0;
    QList<qint64> sizes = candidates.keys();
    std::sort(sizes.begin(), sizes.end(), std::greater<qint64>());
    QList<QList<qint64>> batches;
    qint64 batchBytes = 0;
    for (const qint64 size : std::as_const(sizes)) {
        if (batches.isEmpty() || batches.last().size() >= BatchClasses || batchBytes >= BatchBytes) {
            batches.append(QList<qint64>());
            batchBytes = 0;
        }
        batches.last().append(size);
        batchBytes += size * candidates.value(size).size();
    }

    // The batches are analysed ahead on other threads; progress and groups are reported here,
    // class by class, in the order a one-by-one scan would report them.
    SizeClassPipeline pipeline(
        int(batches.size()), [&](int index) { return analyzeSizeClasses(batches.at(index), candidates); });
    int covered = 0; // files of the size classes taken so far
    for (int batch = 0; batch < batches.size(); ++batch) {
        if (cancelled)
            break;
        const QList<SizeClassResult> results = pipeline.take(batch, [this] { reportProgress(false); });
        for (int i = 0; i < results.size() && !cancelled; ++i) {
            const qint64 size = batches.at(batch).at(i);
            covered += int(candidates.value(size).size());
            if (results.at(i).stopped)
                return;
            if (!results.at(i).groups.isEmpty())
                reportProgress(m_reportedScanned < covered);
            for (const auto &[md5, paths] : results.at(i).groups) {
                if (cancelled)
                    break;
                emitGroup(size, md5, paths);
            }
        }
        reportProgress(false);
    }

    if (!cancelled) {
        reportProgress(true);
        deliver([this, groups = m_groupCount, waste = m_wasteTotal] { emit scanFinished(groups, waste); });
    }
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: %1 groups, wasted %2 bytes").arg(m_groupCount).arg(m_wasteTotal));
}

// The representatives of a batch's buckets, read in full once each by the MD5 lanes: the
// kept head (if any) from memory, the rest from the file, whose part beyond the head is
// digested on the way for the comparison with the bucket's other members.
class DuplicateFinder::RepresentativeReads
{
public:
    explicit RepresentativeReads(const DuplicateFinder &finder)
        : m_finder(finder)
    {
    }
    RepresentativeReads(const RepresentativeReads &) = delete;
    RepresentativeReads &operator=(const RepresentativeReads &) = delete;
    ~RepresentativeReads()
    {
        for (Read &read : m_reads)
            close(read);
    }

    void add(const QString &path, qint64 size, const QByteArray &head)
    {
        Read read;
        read.path = path;
        read.size = size;
        read.head = head;
        m_reads.push_back(std::move(read));
    }

    int count() const
    {
        return int(m_reads.size());
    }

    // The digest of the content beyond the head; empty unless read to its end.
    QByteArray tailDigest(int index) const
    {
        return m_reads[size_t(index)].tail;
    }

    qint64 read(int index, char *buffer, qint64 capacity)
    {
        Read &read = m_reads[size_t(index)];
        if (read.position < read.head.size()) {
            const qint64 count = qMin(capacity, qint64(read.head.size()) - read.position);
            std::memcpy(buffer, read.head.constData() + read.position, size_t(count));
            read.position += count;
            return count;
        }
        if (read.head.size() == read.size)
            return 0; // the head was the whole content
        if (read.fd == Unopened && !open(read))
            return -1;
        const qint64 got = FileUtils::readSome(read.fd, buffer, capacity);
        if (got <= 0) {
            if (got == 0 && read.state)
                read.tail = canonicalDigest(XXH3_128bits_digest(read.state.get()));
            close(read);
            return got < 0 ? -1 : 0;
        }
        const qint64 from = qMax(read.position, QuickHashBytes);
        if (read.state && read.position + got > from)
            XXH3_128bits_update(read.state.get(), buffer + (from - read.position), size_t(read.position + got - from));
        read.position += got;
        m_finder.m_reads->update(read.tracker, read.position);
        if (m_finder.afterChunkRead)
            m_finder.afterChunkRead(read.path);
        return got;
    }

private:
    static constexpr int Unopened = -1;
    static constexpr int Closed = -2;

    struct Read
    {
        QString path;
        qint64 size = 0;
        QByteArray head;
        qint64 position = 0;
        int fd = Unopened;
        std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state { nullptr, &XXH3_freeState };
        quint64 tracker = 0;
        QByteArray tail;
    };

    bool open(Read &read)
    {
        read.fd = m_finder.openCollected(read.path);
        if (read.fd < 0
            || (read.position > 0 && ::lseek(read.fd, off_t(read.position), SEEK_SET) != off_t(read.position))) {
            close(read);
            return false;
        }
        if (read.size > QuickHashBytes) {
            read.state.reset(XXH3_createState());
            XXH3_128bits_reset(read.state.get());
        }
        read.tracker = m_finder.m_reads->begin(read.path, read.size);
        return true;
    }

    void close(Read &read)
    {
        if (read.fd >= 0) {
            ::close(read.fd);
            m_finder.m_reads->end(read.tracker);
        }
        read.fd = Closed;
    }

    const DuplicateFinder &m_finder;
    std::vector<Read> m_reads;
};

QList<DuplicateFinder::SizeClassResult> DuplicateFinder::analyzeSizeClasses(
    const QList<qint64> &sizes, const QMap<qint64, QStringList> &candidates) const
{
    QList<SizeClassBuckets> classes;
    qint64 headBudget = KeptHeadBytes;
    RepresentativeReads representatives(*this);
    for (const qint64 size : sizes) {
        classes.append(headBuckets(size, candidates.value(size), &headBudget));
        for (const HeadBucket &bucket : std::as_const(classes.last().buckets))
            representatives.add(bucket.paths.at(bucket.representative), size, bucket.head);
    }
    const QList<QByteArray> md5s = Md5Lanes::digestStreams(representatives.count(), cancelled,
        [&](int index, char *buffer, qint64 capacity) { return representatives.read(index, buffer, capacity); });

    QList<SizeClassResult> results;
    int next = 0;
    for (int c = 0; c < classes.size(); ++c) {
        SizeClassResult result;
        result.stopped = classes.at(c).stopped;
        QMap<QByteArray, QStringList> byMd5; // the groups of files within the head, in MD5 order
        for (const HeadBucket &bucket : classes.at(c).buckets) {
            const int index = next++;
            if (cancelled)
                break;
            const QList<QPair<QByteArray, QStringList>> groups
                = groupsOfBucket(sizes.at(c), bucket, md5s.at(index), representatives.tailDigest(index));
            for (const auto &group : groups) {
                if (sizes.at(c) <= QuickHashBytes)
                    byMd5.insert(group.first, group.second);
                else
                    result.groups.append(group);
            }
        }
        for (auto it = byMd5.cbegin(); it != byMd5.cend(); ++it)
            result.groups.append({ it.key(), it.value() });
        result.stopped = result.stopped || cancelled;
        results.append(result);
    }
    return results;
}

DuplicateFinder::SizeClassBuckets DuplicateFinder::headBuckets(
    qint64 size, const QStringList &paths, qint64 *headBudget) const
{
    SizeClassBuckets result;
    QList<HeadBucket> all;
    QHash<QByteArray, int> bucketOfHead;
    const qint64 headSize = qMin(size, QuickHashBytes);
    for (const QString &path : paths) {
        if (cancelled) {
            result.stopped = true;
            return result;
        }
        const QByteArrayView head = readHead(openCollected(path));
        m_reads->quickHashed(path);
        ++m_quickHashed;
        if (head.isNull())
            continue;
        const QByteArray digest = canonicalDigest(XXH3_128bits(head.data(), size_t(head.size())));
        const auto known = bucketOfHead.constFind(digest);
        if (known == bucketOfHead.cend()) {
            bucketOfHead.insert(digest, int(all.size()));
            all.append(HeadBucket { { path }, 0, {} });
            continue;
        }
        HeadBucket &bucket = all[known.value()];
        bucket.paths.append(path);
        // The second member represents the bucket: its head is at hand.
        if (bucket.paths.size() == 2 && head.size() == headSize && headSize <= *headBudget) {
            *headBudget -= headSize;
            bucket.representative = 1;
            bucket.head = head.toByteArray();
        }
    }
    for (HeadBucket &bucket : all) {
        if (bucket.paths.size() >= 2)
            result.buckets.append(std::move(bucket));
    }
    // Only the order of several buckets of files beyond the head needs their heads' MD5.
    if (size > QuickHashBytes && result.buckets.size() > 1)
        orderByHeadMd5(result.buckets);
    return result;
}

void DuplicateFinder::orderByHeadMd5(QList<HeadBucket> &buckets) const
{
    // The heads of one bucket are identical, so one readable member gives the bucket's MD5.
    QMap<QByteArray, HeadBucket> byMd5;
    for (HeadBucket &bucket : buckets) {
        QByteArray md5;
        if (!bucket.head.isEmpty())
            md5 = QCryptographicHash::hash(bucket.head, QCryptographicHash::Md5);
        for (int i = 0; md5.isEmpty() && i < bucket.paths.size(); ++i)
            md5 = quickHash(bucket.paths.at(i));
        if (!md5.isEmpty())
            byMd5.insert(md5, std::move(bucket));
    }
    buckets = byMd5.values();
}

QList<QPair<QByteArray, QStringList>> DuplicateFinder::groupsOfBucket(
    qint64 size, const HeadBucket &bucket, const QByteArray &md5, const QByteArray &tail) const
{
    const QString &representative = bucket.paths.at(bucket.representative);
    QMap<QByteArray, QStringList> byContent;
    if (size <= QuickHashBytes) {
        byContent.insert(QByteArray(), bucket.paths); // the head was the whole content
    } else {
        for (const QString &path : bucket.paths) {
            const QByteArray digest = path == representative ? tail : fastTailDigest(path);
            if (cancelled)
                return {};
            if (!digest.isEmpty())
                byContent[digest].append(path);
        }
    }
    QMap<QByteArray, QStringList> byMd5;
    for (const QStringList &paths : std::as_const(byContent)) {
        if (paths.size() < 2)
            continue;
        QByteArray content = paths.contains(representative) ? md5 : QByteArray();
        // A group without the representative, or whose representative failed: read a member.
        for (int i = 0; content.isEmpty() && !cancelled && i < paths.size(); ++i) {
            if (paths.at(i) != representative)
                content = fullHash(paths.at(i));
        }
        if (!content.isEmpty())
            byMd5.insert(content, paths);
    }
    QList<QPair<QByteArray, QStringList>> groups;
    for (auto it = byMd5.cbegin(); it != byMd5.cend(); ++it)
        groups.append({ it.key(), it.value() });
    return groups;
}

void DuplicateFinder::emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths)
{
    DuplicateGroup group;
    group.hash = QString::fromLatin1(md5.toHex());
    group.fileSize = size;
    for (const QString &path : paths) {
        const FileIdentity identity = m_identities.value(path);
        group.files.append(DuplicateFile {
            path, identity.allocated, QDateTime::fromMSecsSinceEpoch(identity.modifiedNs / 1000000), identity });
    }
    deliver([this, group] { emit duplicateGroupFound(group); });
    ++m_groupCount;
    m_wasteTotal += group.removableSpace();
}

QByteArray DuplicateFinder::quickHash(const QString &path) const
{
    const QByteArrayView head = readHead(openCollected(path));
    return head.isNull() ? QByteArray() : QCryptographicHash::hash(head, QCryptographicHash::Md5);
}

QByteArray DuplicateFinder::fullHash(const QString &path) const
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    const auto consume = [&](const char *data, qint64 size) { md5.addData(QByteArrayView(data, size)); };
    return streamContent(path, 0, consume) ? md5.result() : QByteArray();
}
