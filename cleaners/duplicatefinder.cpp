#include "duplicatefinder.h"

#include "fileidentity.h"
#include "md5lanes.h"

#include "core/logger.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstring>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <xxhash.h>
#ifdef SWEEPNOOK_XXH_DISPATCH
#include <xxh_x86dispatch.h>
#endif

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qint64 QuickHashBytes = 65536;
constexpr qint64 FullHashChunkBytes = 1048576;
constexpr int MaxHashThreads = 4;
constexpr int LookAheadBatches = 16;
// A batch of size classes is analysed in one go, so that the MD5 digests of its groups can be
// computed side by side; it ends after this many classes or bytes of candidates.
constexpr int BatchClasses = 16;
constexpr qint64 BatchBytes = 64 * 1048576;

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
    return std::any_of(
        prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) { return path.startsWith(prefix); });
}

// Calls visit for every regular file below root, depth first, in the order the file system
// lists each folder; hidden files are included and symbolic links are never followed. Stops
// as soon as cancelled is set. A root that is not a folder lists nothing.
void walkRegularFiles(const QString &root, const std::atomic<bool> &cancelled,
    const std::function<void(const QString &, const FileIdentity &)> &visit)
{
    QList<QByteArray> pending { QFile::encodeName(root) };
    while (!pending.isEmpty() && !cancelled) {
        const QByteArray folder = pending.takeLast();
        DIR *listing = ::opendir(folder.constData());
        if (!listing)
            continue;
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        QList<QByteArray> subfolders;
        while (const dirent *entry = ::readdir(listing)) {
            if (cancelled)
                break;
            const char *name = entry->d_name;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || entry->d_type == DT_LNK)
                continue;
            if (entry->d_type == DT_DIR) {
                subfolders.append(prefix + name);
                continue;
            }
            struct stat info;
            if (::fstatat(::dirfd(listing), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(info.st_mode))
                subfolders.append(prefix + name);
            else if (S_ISREG(info.st_mode))
                visit(QFile::decodeName(prefix + name),
                    FileIdentity { quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size) });
        }
        ::closedir(listing);
        std::for_each(subfolders.crbegin(), subfolders.crend(), [&](const QByteArray &sub) { pending.append(sub); });
    }
}

QByteArray readHead(const QString &path, bool *readable)
{
    QFile file(path);
    *readable = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return *readable ? file.read(QuickHashBytes) : QByteArray();
}

QByteArray canonicalDigest(XXH128_hash_t hash)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, hash);
    return QByteArray(reinterpret_cast<const char *>(canonical.digest), sizeof canonical.digest);
}

// Fast non-cryptographic digest of the first 64 KiB; empty when the file cannot be read.
QByteArray fastHeadDigest(const QString &path)
{
    bool readable = false;
    const QByteArray head = readHead(path, &readable);
    return readable ? canonicalDigest(XXH3_128bits(head.constData(), size_t(head.size()))) : QByteArray();
}

// Reads a file from offset to its end in 1 MiB chunks, handing each chunk to consume. False
// when the file cannot be opened or the scan is stopped.
bool streamContent(const QString &path, qint64 offset, const std::function<void(const char *, qint64)> &consume,
    const std::atomic<bool> &cancelled)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || (offset > 0 && !file.seek(offset)))
        return false;
    thread_local QByteArray chunk(FullHashChunkBytes, Qt::Uninitialized);
    for (;;) {
        if (cancelled)
            return false;
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        consume(chunk.constData(), got);
    }
    return !cancelled;
}

// Fast digest of everything after the first 64 KiB, which tells apart files whose heads are
// known to be identical; empty when the file cannot be read or the scan stopped.
QByteArray fastTailDigest(const QString &path, const std::atomic<bool> &cancelled)
{
    const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
    XXH3_128bits_reset(state.get());
    const auto consume = [&](const char *data, qint64 size) { XXH3_128bits_update(state.get(), data, size_t(size)); };
    if (!streamContent(path, QuickHashBytes, consume, cancelled))
        return {};
    return canonicalDigest(XXH3_128bits_digest(state.get()));
}

} // namespace

// What the analysis of one size class found, in the order it is to be reported.
struct DuplicateFinder::SizeClassResult
{
    QList<QPair<QByteArray, QStringList>> groups; // MD5 of the content, paths
    bool stopped = false; // the scan was stopped inside a per-file loop
};

// Files of one size class that share their content, in buckets of a shared head, before the
// MD5 of each group is known.
struct DuplicateFinder::SizeClassGroups
{
    QList<QList<QStringList>> buckets;
    bool stopped = false;
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

    Result take(int index)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return bool(m_done[size_t(index)]); });
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
{
    qRegisterMetaType<DuplicateGroup>();
}

void DuplicateFinder::startScan()
{
    cancelled = false;
    scannedCount = 0;
    totalCount = 0;
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: scan start, dirs=") + directories.join(QStringLiteral(", ")));

    const QMap<qint64, QStringList> bySize = collectBySize();
    QMap<qint64, QStringList> candidates;
    for (auto it = bySize.cbegin(); it != bySize.cend(); ++it) {
        if (it.value().size() >= 2) {
            candidates.insert(it.key(), it.value());
            totalCount += int(it.value().size());
        }
    }
    emit scanStarted(totalCount);
    hashAndEmit(candidates);
}

QMap<qint64, QStringList> DuplicateFinder::collectBySize()
{
    QMap<qint64, QStringList> bySize;
    QSet<FileIdentity> seen;
    for (const QString &directory : std::as_const(directories)) {
        if (cancelled)
            break;
        walkRegularFiles(QDir::cleanPath(directory), cancelled, [&](const QString &path, const FileIdentity &identity) {
            if (isSkipped(path) || identity.size < minSize || seen.contains(identity))
                return;
            seen.insert(identity);
            bySize[identity.size].append(path);
        });
    }
    return bySize;
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
    for (int batch = 0; batch < batches.size(); ++batch) {
        if (cancelled)
            break;
        const QList<SizeClassResult> results = pipeline.take(batch);
        for (int i = 0; i < results.size() && !cancelled; ++i) {
            const qint64 size = batches.at(batch).at(i);
            for (const QString &path : candidates.value(size)) {
                if (cancelled)
                    return;
                ++scannedCount;
                emit progress(scannedCount, totalCount, path);
            }
            if (results.at(i).stopped)
                return;
            for (const auto &[md5, paths] : results.at(i).groups) {
                if (cancelled)
                    break;
                emitGroup(size, md5, paths);
            }
        }
    }

    if (!cancelled)
        emit scanFinished(m_groupCount, m_wasteTotal);
    Logger::instance()->info(
        QStringLiteral("DuplicateFinder: %1 groups, wasted %2 bytes").arg(m_groupCount).arg(m_wasteTotal));
}

QList<DuplicateFinder::SizeClassResult> DuplicateFinder::analyzeSizeClasses(
    const QList<qint64> &sizes, const QMap<qint64, QStringList> &candidates) const
{
    QList<SizeClassGroups> classes;
    QStringList representatives;
    for (const qint64 size : sizes) {
        classes.append(groupsOfSizeClass(size, candidates.value(size)));
        for (const QList<QStringList> &bucket : std::as_const(classes.last().buckets)) {
            for (const QStringList &group : bucket)
                representatives.append(group.first());
        }
    }
    const QList<QByteArray> md5s = Md5Lanes::digestFiles(representatives, cancelled);

    QList<SizeClassResult> results;
    int next = 0;
    for (const SizeClassGroups &groups : std::as_const(classes)) {
        SizeClassResult result;
        result.stopped = groups.stopped;
        for (const QList<QStringList> &bucket : groups.buckets) {
            QMap<QByteArray, QStringList> byMd5;
            for (const QStringList &group : bucket) {
                QByteArray md5 = md5s.at(next++);
                for (int i = 1; md5.isEmpty() && !cancelled && i < group.size(); ++i)
                    md5 = fullHash(group.at(i));
                if (!md5.isEmpty())
                    byMd5.insert(md5, group);
            }
            for (auto it = byMd5.cbegin(); it != byMd5.cend(); ++it)
                result.groups.append({ it.key(), it.value() });
        }
        result.stopped = result.stopped || cancelled;
        results.append(result);
    }
    return results;
}

DuplicateFinder::SizeClassGroups DuplicateFinder::groupsOfSizeClass(qint64 size, const QStringList &paths) const
{
    SizeClassGroups groups;
    QMap<QByteArray, QStringList> byHead;
    for (const QString &path : paths) {
        if (cancelled) {
            groups.stopped = true;
            return groups;
        }
        const QByteArray digest = fastHeadDigest(path);
        if (!digest.isEmpty())
            byHead[digest].append(path);
    }
    QList<QStringList> shared;
    for (const QStringList &bucket : std::as_const(byHead)) {
        if (bucket.size() >= 2)
            shared.append(bucket);
    }
    if (size <= QuickHashBytes) {
        // The head of a file this small is its whole content: each bucket is a group, and
        // ordering the groups by their MD5 orders them by their heads' MD5.
        groups.buckets.append(shared);
        return groups;
    }
    // Only the order of several buckets needs their heads' MD5.
    if (shared.size() > 1)
        shared = orderByHeadMd5(shared);
    for (const QStringList &bucket : std::as_const(shared)) {
        if (cancelled) {
            groups.stopped = true;
            return groups;
        }
        groups.buckets.append(sameContent(bucket, &groups.stopped));
        if (groups.stopped)
            return groups;
    }
    return groups;
}

QList<QStringList> DuplicateFinder::orderByHeadMd5(const QList<QStringList> &buckets) const
{
    // The heads of one bucket are identical, so one readable member gives the bucket's MD5.
    QMap<QByteArray, QStringList> byMd5;
    for (const QStringList &bucket : buckets) {
        for (const QString &path : bucket) {
            const QByteArray md5 = quickHash(path);
            if (!md5.isEmpty()) {
                byMd5.insert(md5, bucket);
                break;
            }
        }
    }
    return byMd5.values();
}

QList<QStringList> DuplicateFinder::sameContent(const QStringList &bucket, bool *stopped) const
{
    QMap<QByteArray, QStringList> byContent;
    for (const QString &path : bucket) {
        const QByteArray digest = fastTailDigest(path, cancelled);
        if (cancelled) {
            *stopped = true;
            return {};
        }
        if (!digest.isEmpty())
            byContent[digest].append(path);
    }
    QList<QStringList> groups;
    for (const QStringList &paths : std::as_const(byContent)) {
        if (paths.size() >= 2)
            groups.append(paths);
    }
    return groups;
}

void DuplicateFinder::emitGroup(qint64 size, const QByteArray &md5, const QStringList &paths)
{
    DuplicateGroup group;
    group.hash = QString::fromLatin1(md5.toHex());
    group.fileSize = size;
    for (const QString &path : paths)
        group.files.append(DuplicateFile { path, size, QFileInfo(path).lastModified() });
    emit duplicateGroupFound(group);
    ++m_groupCount;
    m_wasteTotal += qMax<qint64>(group.files.size() - 1, 0) * size;
}

QByteArray DuplicateFinder::quickHash(const QString &path) const
{
    bool readable = false;
    const QByteArray head = readHead(path, &readable);
    return readable ? QCryptographicHash::hash(head, QCryptographicHash::Md5) : QByteArray();
}

QByteArray DuplicateFinder::fullHash(const QString &path) const
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    const auto consume = [&](const char *data, qint64 size) { md5.addData(QByteArrayView(data, size)); };
    return streamContent(path, 0, consume, cancelled) ? md5.result() : QByteArray();
}
